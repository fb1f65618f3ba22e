#include "DemoDatabase.h"

#include "BandPlans.h"
#include "BitFields.h"
#include "ModelOperations.h"
#include "OptionNames.h"

#include <cstdio>
#include <cstring>

namespace {

// A small deterministic generator, so the demo is the same on every machine.
class DemoRandom {
public:
    uint32_t Next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    uint32_t Below(uint32_t n) { return Next() % n; }

private:
    uint32_t m_state = 0x2545F491;
};

struct DemoSatellite {
    const char* pszName;
    uint16_t usPosition; // tenths of a degree
    uint8_t ucWest;
};
constexpr DemoSatellite kSatellites[] = {
    {"Astra 1KR", 192, 0},   {"Hotbird 13E", 130, 0}, {"Astra 2E", 282, 0},
    {"Eutelsat 5WB", 50, 1}, {"Turksat 4A", 420, 0},  {"Thor 5", 8, 1},
};

constexpr const char* kChannelWords[] = {"News",   "Sport",  "Movie",  "Music", "Kids", "Docu",    "Info",
                                         "Travel", "Nature", "Cinema", "Jazz",  "Rock", "Classic", "Local"};

void SetText(char* field, size_t size, const char* text)
{
    std::memset(field, 0, size);
    std::strncpy(field, text, size);
}

void AddSatellite(Database& db, const char* name, uint16_t position, uint8_t west, DemoRandom& rnd)
{
    SatelliteRecord& s = db.SatelliteTable[db.header.sSatNumber++];
    std::memset(&s, 0, sizeof s);
    SetText(s.acSatName, sizeof s.acSatName, name);
    const LnbType& lnb = rnd.Below(4) == 0 ? kLnbTypes[10] : kLnbTypes[0];
    s.usLnbLow = lnb.usLnbLow;
    s.usLnbHigh = lnb.usLnbHigh;
    SetSatKuBand(s, lnb.ucKuBand);
    SetSatPosition(s, position);
    SetSatDirection(s, west);
    SetSatDiseqc(s, uint32_t(db.header.sSatNumber) % 5);
    SetSat22kHz(s, 2);
    SetSatLnbPower(s, 1);
    SetSatChosenTp(s, 0);
}

TransponderRecord& NextTransponder(Database& db, uint32_t kind)
{
    TransponderRecord& tp = db.TransponderTable[db.header.sTpNumber];
    std::memset(&tp, 0, sizeof tp);
    SetTpKind(tp, kind);
    SetTpId(tp, uint32_t(db.header.sTpNumber));
    ++db.header.sTpNumber;
    return tp;
}

void AddSatelliteTp(Database& db, int sat, uint16_t freq, DemoRandom& rnd, bool named)
{
    TransponderRecord& tp = NextTransponder(db, kTpSatellite);
    tp.usFreq = freq;
    tp.usSymRate = rnd.Below(2) ? 27500 : 22000;
    SetTpPolarisation(tp, rnd.Below(2));
    SetTpFec(tp, 1 + rnd.Below(7));
    SetTpSatIndex(tp, uint32_t(sat));
    if (named) {
        char text[16];
        std::snprintf(text, sizeof text, "TP %u", unsigned(freq));
        SetText(tp.acTpName[0], sizeof tp.acTpName[0], text);
        tp.usNameLens = uint16_t(std::strlen(text));
        SetTpTextSlots(tp, 1);
    }
}

void AddTerrestrialTp(Database& db, uint32_t kind, uint32_t freqKHz)
{
    TransponderRecord& tp = NextTransponder(db, kind);
    SetTpUlFreq(tp, freqKHz);
    SetTpBandwidth(tp, 2);
    SetTpModulation(tp, 2);
    SetTpChannelNumber(tp, uint32_t(ChannelFromFrequency(freqKHz, ChanTable(db))));
}

void AddCableTp(Database& db, uint16_t freqMHz)
{
    TransponderRecord& tp = NextTransponder(db, kTpCable);
    tp.usFreq = freqMHz;
    tp.usSymRate = 6900;
    SetTpQam(tp, 2);
}

uint32_t DeliveryOf(const TransponderRecord& tp)
{
    switch (TpKind(tp)) {
    case kTpTerrestrial: return kChTerrestrial;
    case kTpCable: return kChCable;
    case kTpIsdbt: return kChIsdbt;
    default: return kChSatellite;
    }
}

void AddChannel(Database& db, bool radio, const TransponderRecord& tp, uint16_t serviceId, int audioTracks,
                bool shortName, DemoRandom& rnd)
{
    int16_t& count = ChannelCount(db, radio);
    ChannelRecord& c = ChannelTable(db, radio)[count++];
    std::memset(&c, 0, sizeof c);
    c.ulMarker = kChannelMarker;
    char name[kChannelNameSize];
    if (shortName)
        std::snprintf(name, sizeof name, "%s %u", kChannelWords[rnd.Below(14)], unsigned(rnd.Below(100)));
    else
        std::snprintf(name, sizeof name, "%s %s %u", radio ? "Radio" : kChannelWords[rnd.Below(14)],
                      kChannelWords[rnd.Below(14)], unsigned(serviceId % 1000));
    SetText(c.acName, sizeof c.acName, name);
    c.ucNameLen = uint8_t(std::strlen(name));
    c.usServiceId = serviceId;
    c.usTpId = uint16_t(TpId(tp));
    c.sPcrPid = int16_t(256 + rnd.Below(4000));
    c.sTxtPid = radio ? kNoVideoPid : int16_t(c.sPcrPid + 3);
    if (radio) {
        c.sVideoPid = kNoVideoPid;
        SetChNoVideo(c, 1);
    } else {
        c.sVideoPid = c.sPcrPid;
        SetChVideoCoding(c, rnd.Below(3) == 0 ? 2 : 1);
    }
    SetChScrambled(c, rnd.Below(5) == 0);
    SetChLocked(c, rnd.Below(40) == 0);
    SetChDelivery(c, DeliveryOf(tp));
    c.ucAudioNum = uint8_t(audioTracks);
    for (int a = 0; a < audioTracks; ++a) {
        SetAudioPid(c.AudioEntries[a], uint32_t(c.sPcrPid + 1 + a));
        SetAudioLanguage(c.AudioEntries[a], a == 0 ? 23 : rnd.Below(61));
    }
}

void AddFavourite(Database& db, int group, bool radio, int index)
{
    ChannelRecord& c = ChannelTable(db, radio)[index];
    if ((c.usFavBits & (1u << group)) == 0 && AddFavEntry(db, group, ChannelKey(c), radio) == kFavDone)
        c.usFavBits = uint16_t(c.usFavBits | (1u << group));
}

void NameFavGroup(Database& db, int group, const char* name)
{
    SetText(reinterpret_cast<char*>(db.SettingsBlock.data() + kFavNamePos + kFavNameSize * group), kFavNameSize, name);
}

void BuildTypical(Database& db, DemoRandom& rnd)
{
    for (const DemoSatellite& sat : kSatellites)
        AddSatellite(db, sat.pszName, sat.usPosition, sat.ucWest, rnd);
    for (int sat = 0; sat < db.header.sSatNumber; ++sat)
        for (int t = 0; t < 12; ++t)
            AddSatelliteTp(db, sat, uint16_t(10714 + 39 * t + sat), rnd, t == 0);
    for (int t = 0; t < 6; ++t)
        AddTerrestrialTp(db, kTpTerrestrial, 474000 + 8000 * uint32_t(t * 3));
    for (int t = 0; t < 4; ++t)
        AddCableTp(db, uint16_t(306 + 8 * t));
    for (int t = 0; t < 2; ++t)
        AddTerrestrialTp(db, kTpIsdbt, 473143 + 6000 * uint32_t(t));

    for (int t = 0; t < db.header.sTpNumber; ++t) {
        const TransponderRecord& tp = db.TransponderTable[t];
        const int tv = 3 + int(rnd.Below(5));
        for (int i = 0; i < tv; ++i)
            AddChannel(db, false, tp, uint16_t(100 * t + i + 1), 1 + int(rnd.Below(3)), false, rnd);
        const int radio = int(rnd.Below(4));
        for (int i = 0; i < radio; ++i)
            AddChannel(db, true, tp, uint16_t(100 * t + 50 + i), 1, false, rnd);
    }

    NameFavGroup(db, 1, "News");
    NameFavGroup(db, 2, "Sport");
    for (int i = 0; i < db.header.sTVNumber; i += 7)
        AddFavourite(db, 0, false, i);
    for (int i = 0; i < db.header.sRadioNumber; i += 5)
        AddFavourite(db, 0, true, i);
    for (int i = 3; i < db.header.sTVNumber; i += 11)
        AddFavourite(db, 1, false, i);
    for (int i = 1; i < db.header.sTVNumber; i += 13)
        AddFavourite(db, 2, false, i);
}

void BuildMax(Database& db, DemoRandom& rnd)
{
    for (int sat = 0; sat < kMaxSatellites; ++sat) {
        char name[16];
        std::snprintf(name, sizeof name, "Satellite %02d", sat);
        AddSatellite(db, name, uint16_t(sat * 18), uint8_t(sat % 2), rnd);
    }
    for (int t = 0; t < kMaxTransponders; ++t)
        AddSatelliteTp(db, t % kMaxSatellites, uint16_t(10700 + t / kMaxSatellites * 20), rnd, false);
    for (int i = 0; i < kMaxChannels; ++i) {
        const TransponderRecord& tp = db.TransponderTable[i % kMaxTransponders];
        AddChannel(db, false, tp, uint16_t(i / kMaxTransponders + 1), 1, true, rnd);
        AddChannel(db, true, tp, uint16_t(i / kMaxTransponders + 100), 1, true, rnd);
    }
    for (int g = 0; g < kMaxFavGroups; ++g)
        for (int i = 0; i < 100; ++i) {
            AddFavourite(db, g, false, g * 100 + i);
            AddFavourite(db, g, true, g * 100 + i);
        }
}

} // namespace

void BuildDemoDatabase(Database& db, DemoSize size)
{
    ResetDatabase(db);
    db.SettingsBlock[kChanTablePos] = 4;
    DemoRandom rnd;
    if (size == DemoSize::Max)
        BuildMax(db, rnd);
    else
        BuildTypical(db, rnd);
    for (const bool radio : {false, true})
        for (int i = 0; i < ChannelCount(db, radio); ++i)
            NoteDelivery(db, ChannelTable(db, radio)[i]);
}

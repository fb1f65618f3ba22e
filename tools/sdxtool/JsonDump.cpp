#include "JsonDump.h"

#include "BitFields.h"
#include "ModelOperations.h"

#include <cstdio>
#include <string_view>

namespace {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : m_out(out) {}

    void Open(char bracket, const char* key = nullptr)
    {
        Key(key);
        m_out << bracket;
        m_first = true;
    }
    void Close(char bracket)
    {
        m_out << bracket;
        m_first = false;
    }
    void Number(const char* key, long long value)
    {
        Key(key);
        m_out << value;
    }
    void Text(const char* key, std::string_view bytes)
    {
        Key(key);
        m_out << '"';
        for (const char ch : bytes)
            Byte(static_cast<unsigned char>(ch));
        m_out << '"';
    }
    void Hex(const char* key, const void* data, size_t size)
    {
        Key(key);
        m_out << '"';
        const auto* p = static_cast<const uint8_t*>(data);
        for (size_t i = 0; i < size; ++i) {
            char digits[3];
            std::snprintf(digits, sizeof digits, "%02x", p[i]);
            m_out << digits;
        }
        m_out << '"';
    }

private:
    void Key(const char* key)
    {
        if (!m_first)
            m_out << ',';
        m_first = false;
        if (key)
            m_out << '"' << key << "\":";
    }
    // One byte as the code point of the same value, UTF-8 encoded.
    void Byte(unsigned char b)
    {
        if (b == '"' || b == '\\')
            m_out << '\\' << char(b);
        else if (b < 0x20) {
            char escape[7];
            std::snprintf(escape, sizeof escape, "\\u%04x", b);
            m_out << escape;
        } else if (b < 0x80)
            m_out << char(b);
        else
            m_out << char(0xC0 | (b >> 6)) << char(0x80 | (b & 0x3F));
    }

    std::ostream& m_out;
    bool m_first = true;
};

void WriteHeader(JsonWriter& json, const SdxHeader& h)
{
    json.Open('{', "header");
    json.Text("tag", FieldText(h.acTag));
    json.Text("magic", FieldText(h.acMagic));
    json.Number("dataLen", h.iDataLen);
    json.Number("satNumber", h.sSatNumber);
    json.Number("tpNumber", h.sTpNumber);
    json.Number("tvNumber", h.sTVNumber);
    json.Number("radioNumber", h.sRadioNumber);
    json.Number("satSize", h.sSatSize);
    json.Number("tpSize", h.sTpSize);
    json.Number("channelSize", h.sChannelSize);
    json.Number("settingsLen", h.sSettingsLen);
    json.Number("reservedLen", h.sReservedLen);
    json.Number("favNumber", h.sFavNumber);
    json.Number("favSize", h.sFavSize);
    json.Number("zipLen", h.ulZipLen);
    json.Number("check", h.ulCheck);
    json.Close('}');
}

void WriteSatellites(JsonWriter& json, const Database& db)
{
    json.Open('[', "satellites");
    for (int i = 0; i < db.header.sSatNumber; ++i) {
        const SatelliteRecord& s = db.SatelliteTable[i];
        json.Open('{');
        json.Text("name", FieldText(s.acSatName));
        json.Number("lnbLow", s.usLnbLow);
        json.Number("lnbHigh", s.usLnbHigh);
        json.Number("position", SatPosition(s));
        json.Number("satPos", s.ulSatPos);
        json.Number("satFlags", s.ulSatFlags);
        json.Close('}');
    }
    json.Close(']');
}

void WriteTransponders(JsonWriter& json, const Database& db)
{
    json.Open('[', "transponders");
    for (int i = 0; i < db.header.sTpNumber; ++i) {
        const TransponderRecord& tp = db.TransponderTable[i];
        json.Open('{');
        json.Number("tpId", TpId(tp));
        json.Number("kind", TpKind(tp));
        if (TpKind(tp) == kTpSatellite || TpKind(tp) == kTpCable) {
            json.Number("freqMHz", tp.usFreq);
            json.Number("symRate", tp.usSymRate);
        } else {
            json.Number("freqKHz", TpUlFreq(tp));
        }
        json.Number("tpFlags", tp.ulTpFlags);
        json.Number("first", tp.usFirst);
        json.Number("nameLens", tp.usNameLens);
        json.Open('[', "texts");
        for (int slot = 0; slot < int(std::min<uint32_t>(TpTextSlots(tp), 4)); ++slot)
            json.Text(nullptr, FieldText(tp.acTpName[slot]));
        json.Close(']');
        json.Close('}');
    }
    json.Close(']');
}

void WriteChannels(JsonWriter& json, const Database& db, bool radio)
{
    json.Open('[', radio ? "radioChannels" : "tvChannels");
    for (int i = 0; i < ChannelCount(db, radio); ++i) {
        const ChannelRecord& c = ChannelTable(db, radio)[i];
        json.Open('{');
        json.Text("name", FieldText(c.acName));
        json.Number("nameLen", c.ucNameLen);
        json.Number("serviceId", c.usServiceId);
        json.Number("tpId", c.usTpId);
        json.Number("videoPid", c.sVideoPid);
        json.Number("pcrPid", c.sPcrPid);
        json.Number("txtPid", c.sTxtPid);
        json.Number("chFlags", c.ulChFlags);
        json.Number("chType", c.ulChType);
        json.Number("favBits", c.usFavBits);
        json.Number("auxNum", c.ucAuxNum);
        json.Number("extra", c.ulExtra);
        json.Number("audioNum", c.ucAudioNum);
        json.Open('[', "audio");
        for (int a = 0; a < std::min<int>(c.ucAudioNum, kMaxAudioEntries); ++a) {
            json.Open('{');
            json.Number("pid", AudioPid(c.AudioEntries[a]));
            json.Number("language", AudioLanguage(c.AudioEntries[a]));
            json.Number("mode", AudioMode(c.AudioEntries[a]));
            json.Number("audioFlags", c.AudioEntries[a].ulAudioFlags);
            json.Close('}');
        }
        json.Close(']');
        json.Close('}');
    }
    json.Close(']');
}

void WriteSettings(JsonWriter& json, const Database& db)
{
    json.Open('{', "settings");
    json.Open('[', "favNames");
    for (int g = 0; g < kMaxFavGroups; ++g)
        json.Text(nullptr, FavName(db, g));
    json.Close(']');
    const char* pin = reinterpret_cast<const char*>(db.SettingsBlock.data() + kPinPos);
    json.Text("pin", {pin, strnlen(pin, size_t(kChanTablePos - kPinPos))});
    json.Number("chanTable", ChanTable(db));
    json.Hex("bytes", db.SettingsBlock.data(), size_t(db.header.sSettingsLen));
    json.Close('}');
    json.Hex("reserved", db.ReservedWord.data(), size_t(db.header.sReservedLen));
}

void WriteFavGroups(JsonWriter& json, const Database& db)
{
    json.Open('[', "favGroups");
    for (int g = 0; g < db.header.sFavNumber; ++g) {
        const FavGroup& group = db.FavGroupTable[g];
        const FavCounts n = ClampedFavCounts(group);
        json.Open('{');
        json.Number("tvFavNum", group.sTvFavNum);
        json.Number("radioFavNum", group.sRadioFavNum);
        json.Open('[', "tv");
        for (int p = 0; p < n.tv; ++p)
            json.Number(nullptr, group.aulFavKey[p]);
        json.Close(']');
        json.Open('[', "radio");
        for (int p = 0; p < n.radio; ++p)
            json.Number(nullptr, group.aulFavKey[kFavSlots - 1 - p]);
        json.Close(']');
        json.Close('}');
    }
    json.Close(']');
}

} // namespace

void WriteDatabaseJson(std::ostream& out, const Database& db)
{
    JsonWriter json(out);
    json.Open('{');
    WriteHeader(json, db.header);
    WriteSatellites(json, db);
    WriteTransponders(json, db);
    WriteChannels(json, db, false);
    WriteChannels(json, db, true);
    WriteSettings(json, db);
    WriteFavGroups(json, db);
    json.Close('}');
    out << '\n';
}

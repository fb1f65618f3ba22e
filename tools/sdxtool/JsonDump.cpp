#include "JsonDump.h"

#include "BitFields.h"
#include "ModelOperations.h"

#include <QJsonArray>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

// Text bytes as the code points of the same values (U+0000 to U+00FF).
QJsonValue Text(std::string_view bytes) { return QString::fromLatin1(bytes.data(), qsizetype(bytes.size())); }

QJsonValue Hex(const void* data, size_t size)
{
    return QString::fromLatin1(QByteArray(static_cast<const char*>(data), qsizetype(size)).toHex());
}

QJsonObject Header(const SdxHeader& h)
{
    return {
        {"tag", Text(FieldText(h.acTag))},
        {"magic", Text(FieldText(h.acMagic))},
        {"dataLen", h.iDataLen},
        {"satNumber", h.sSatNumber},
        {"tpNumber", h.sTpNumber},
        {"tvNumber", h.sTVNumber},
        {"radioNumber", h.sRadioNumber},
        {"satSize", h.sSatSize},
        {"tpSize", h.sTpSize},
        {"channelSize", h.sChannelSize},
        {"settingsLen", h.sSettingsLen},
        {"reservedLen", h.sReservedLen},
        {"favNumber", h.sFavNumber},
        {"favSize", h.sFavSize},
        {"zipLen", qint64(h.ulZipLen)},
        {"check", qint64(h.ulCheck)},
    };
}

QJsonArray Satellites(const Database& db)
{
    QJsonArray satellites;
    for (int i = 0; i < db.header.sSatNumber; ++i) {
        const SatelliteRecord& s = db.SatelliteTable[i];
        satellites.append(QJsonObject{
            {"name", Text(FieldText(s.acSatName))},
            {"lnbLow", s.usLnbLow},
            {"lnbHigh", s.usLnbHigh},
            {"position", qint64(SatPosition(s))},
            {"satPos", qint64(s.ulSatPos)},
            {"satFlags", qint64(s.ulSatFlags)},
        });
    }
    return satellites;
}

QJsonArray Transponders(const Database& db)
{
    QJsonArray transponders;
    for (int i = 0; i < db.header.sTpNumber; ++i) {
        const TransponderRecord& tp = db.TransponderTable[i];
        QJsonObject record{
            {"tpId", qint64(TpId(tp))}, {"kind", qint64(TpKind(tp))}, {"tpFlags", qint64(tp.ulTpFlags)},
            {"first", tp.usFirst},      {"nameLens", tp.usNameLens},
        };
        if (TpKind(tp) == kTpSatellite || TpKind(tp) == kTpCable) {
            record["freqMHz"] = tp.usFreq;
            record["symRate"] = tp.usSymRate;
        } else {
            record["freqKHz"] = qint64(TpUlFreq(tp));
        }
        QJsonArray texts;
        for (int slot = 0; slot < int(std::min<uint32_t>(TpTextSlots(tp), 4)); ++slot)
            texts.append(Text(FieldText(tp.acTpName[slot])));
        record["texts"] = texts;
        transponders.append(record);
    }
    return transponders;
}

QJsonArray Channels(const Database& db, bool radio)
{
    QJsonArray channels;
    for (int i = 0; i < ChannelCount(db, radio); ++i) {
        const ChannelRecord& c = ChannelTable(db, radio)[i];
        QJsonArray audio;
        for (int a = 0; a < std::min<int>(c.ucAudioNum, kMaxAudioEntries); ++a)
            audio.append(QJsonObject{
                {"pid", qint64(AudioPid(c.AudioEntries[a]))},
                {"language", qint64(AudioLanguage(c.AudioEntries[a]))},
                {"mode", qint64(AudioMode(c.AudioEntries[a]))},
                {"audioFlags", qint64(c.AudioEntries[a].ulAudioFlags)},
            });
        channels.append(QJsonObject{
            {"name", Text(FieldText(c.acName))},
            {"nameLen", c.ucNameLen},
            {"serviceId", c.usServiceId},
            {"tpId", c.usTpId},
            {"videoPid", c.sVideoPid},
            {"pcrPid", c.sPcrPid},
            {"txtPid", c.sTxtPid},
            {"chFlags", qint64(c.ulChFlags)},
            {"chType", qint64(c.ulChType)},
            {"favBits", c.usFavBits},
            {"auxNum", c.ucAuxNum},
            {"extra", qint64(c.ulExtra)},
            {"audioNum", c.ucAudioNum},
            {"audio", audio},
        });
    }
    return channels;
}

QJsonObject Settings(const Database& db)
{
    QJsonArray favNames;
    for (int g = 0; g < kMaxFavGroups; ++g)
        favNames.append(Text(FavName(db, g)));
    const char* pin = reinterpret_cast<const char*>(db.SettingsBlock.data() + kPinPos);
    return {
        {"favNames", favNames},
        {"pin", Text({pin, strnlen(pin, size_t(kChanTablePos - kPinPos))})},
        {"chanTable", ChanTable(db)},
        {"bytes", Hex(db.SettingsBlock.data(), size_t(db.header.sSettingsLen))},
    };
}

QJsonArray FavGroups(const Database& db)
{
    QJsonArray groups;
    for (int g = 0; g < db.header.sFavNumber; ++g) {
        const FavGroup& group = db.FavGroupTable[g];
        const FavCounts n = ClampedFavCounts(group);
        QJsonArray tv, radio;
        for (int p = 0; p < n.tv; ++p)
            tv.append(qint64(group.aulFavKey[p]));
        for (int p = 0; p < n.radio; ++p)
            radio.append(qint64(group.aulFavKey[kFavSlots - 1 - p]));
        groups.append(QJsonObject{
            {"tvFavNum", group.sTvFavNum},
            {"radioFavNum", group.sRadioFavNum},
            {"tv", tv},
            {"radio", radio},
        });
    }
    return groups;
}

} // namespace

QJsonObject DatabaseJson(const Database& db)
{
    return {
        {"header", Header(db.header)},
        {"satellites", Satellites(db)},
        {"transponders", Transponders(db)},
        {"tvChannels", Channels(db, false)},
        {"radioChannels", Channels(db, true)},
        {"settings", Settings(db)},
        {"reserved", Hex(db.ReservedWord.data(), size_t(db.header.sReservedLen))},
        {"favGroups", FavGroups(db)},
    };
}

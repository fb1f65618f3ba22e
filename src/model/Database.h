// The whole channel database as fixed-capacity tables. Tables are dense: slots
// 0 .. count-1 are in use, and the counts live in the header.
#pragma once

#include "Records.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

inline constexpr int kMaxSatellites = 100;
inline constexpr int kMaxTransponders = 4000;
inline constexpr int kMaxChannels = 8000; // per table (TV, radio)
inline constexpr int kMaxFavGroups = 8;
inline constexpr int kSettingsSize = 1484;
inline constexpr int kReservedSize = 4;
inline constexpr int kPackedImageSize = 1048576;

// Byte positions inside the settings block that the editor interprets.
inline constexpr int kFavNamePos = 76;
inline constexpr int kFavNameSize = 16;
inline constexpr int kPinPos = 1100;
inline constexpr int kChanTablePos = 1132;

struct Database {
    SdxHeader header{};
    std::array<SatelliteRecord, kMaxSatellites> SatelliteTable{};
    std::array<TransponderRecord, kMaxTransponders> TransponderTable{};
    std::array<ChannelRecord, kMaxChannels> TvChannelTable{};
    std::array<ChannelRecord, kMaxChannels> RadioChannelTable{};
    std::array<uint8_t, kSettingsSize> SettingsBlock{};
    std::array<uint8_t, kReservedSize> ReservedWord{};
    std::array<FavGroup, kMaxFavGroups> FavGroupTable{};
    std::array<uint8_t, kPackedImageSize> PackedImage{};
    // Delivery systems seen among the channels of the file last read.
    uint8_t bHasTerrestrial = 0;
    uint8_t bHasCable = 0;
    uint8_t bHasIsdbt = 0;
};

// The TV table (radio false) or the radio table (radio true), and its count.
inline std::array<ChannelRecord, kMaxChannels>& ChannelTable(Database& db, bool radio)
{
    return radio ? db.RadioChannelTable : db.TvChannelTable;
}
inline const std::array<ChannelRecord, kMaxChannels>& ChannelTable(const Database& db, bool radio)
{
    return radio ? db.RadioChannelTable : db.TvChannelTable;
}
inline int16_t& ChannelCount(Database& db, bool radio) { return radio ? db.header.sRadioNumber : db.header.sTVNumber; }
inline int16_t ChannelCount(const Database& db, bool radio)
{
    return radio ? db.header.sRadioNumber : db.header.sTVNumber;
}

// Slots in use of each table as readers see them: a header count read from a
// damaged file is clipped to 0 .. the table's size.
inline int SatelliteCount(const Database& db) { return std::clamp<int>(db.header.sSatNumber, 0, kMaxSatellites); }
inline int TransponderCount(const Database& db) { return std::clamp<int>(db.header.sTpNumber, 0, kMaxTransponders); }
inline int UsedChannels(const Database& db, bool radio)
{
    return std::clamp<int>(ChannelCount(db, radio), 0, kMaxChannels);
}

// Name of favourite group g (at most 16 bytes; NUL-terminated when shorter).
inline std::string_view FavName(const Database& db, int g)
{
    const char* p = reinterpret_cast<const char*>(db.SettingsBlock.data() + kFavNamePos + kFavNameSize * g);
    return {p, strnlen(p, kFavNameSize)};
}
inline uint8_t ChanTable(const Database& db) { return db.SettingsBlock[kChanTablePos]; }

// A text field of fixed size read up to its first NUL (or the whole field).
template <std::size_t N>
std::string_view FieldText(const char (&field)[N])
{
    return {field, strnlen(field, N)};
}

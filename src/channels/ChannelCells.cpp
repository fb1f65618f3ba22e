#include "ChannelCells.h"

#include "BitFields.h"
#include "ChannelOperations.h"
#include "FavGroupNames.h"
#include "FavouriteOrder.h"
#include "ModelOperations.h"
#include "ReferenceList.h"

#include <algorithm>
#include <array>

namespace {

constexpr const char* kTextCas = "CAS";
constexpr const char* kTextFta = "FTA";
// The window shows these three translated (TranslatedCell).
constexpr const char* kTextLock = TRANSLATABLE("ChannelCells", "Lock");
constexpr const char* kTextUnlock = TRANSLATABLE("ChannelCells", "Unlock");
constexpr const char* kTextMyFav = TRANSLATABLE("ChannelCells", "Yes");
constexpr const char* kTextNotMyFav = " ";
constexpr std::array<const char*, 4> kProgramTypeNames = {"S2", "ISDT", "T", "C"};
// The Satellite column of the other transponder kinds, by TpKind; shown translated.
constexpr std::array<const char*, 4> kTpKindWords = {TRANSLATABLE("ChannelCells", "Terrestrial"), nullptr,
                                                     TRANSLATABLE("ChannelCells", "Cable"),
                                                     TRANSLATABLE("ChannelCells", "ISDB")};

template <typename Pass>
int FillPassing(int count, std::span<int> aiRowChannel, Pass pass)
{
    int rows = 0;
    for (int i = 0; i < count && rows < int(aiRowChannel.size()); ++i)
        if (pass(i))
            aiRowChannel[size_t(rows++)] = i;
    return rows;
}

} // namespace

std::string FormatChannelCell(int column, const ChannelRecord& c)
{
    switch (column) {
    case kColumnName: return std::string(FieldText(c.acName));
    case kColumnCas: return ChCas(c) ? kTextCas : kTextFta;
    case kColumnLock: return ChLocked(c) ? kTextLock : kTextUnlock;
    case kColumnAudioPid: {
        const int pid = ChannelNumber(column, c);
        return pid >= 0 ? std::to_string(pid) : std::string();
    }
    case kColumnVideoPid:
    case kColumnPcrPid:
    case kColumnTxtPid:
    case kColumnServiceId: return std::to_string(ChannelNumber(column, c));
    case kColumnProgramType: return kProgramTypeNames[ChDelivery(c)];
    case kColumnMyFav: return c.usFavBits & 1 ? kTextMyFav : kTextNotMyFav;
    default: return {};
    }
}

bool IsNumberColumn(int column)
{
    switch (column) {
    case kColumnIndex:
    case kColumnVideoPid:
    case kColumnAudioPid:
    case kColumnPcrPid:
    case kColumnTxtPid:
    case kColumnServiceId: return true;
    default: return false;
    }
}

int ChannelNumber(int column, const ChannelRecord& c)
{
    switch (column) {
    case kColumnVideoPid: return c.sVideoPid;
    case kColumnAudioPid: {
        // The index field has room for 64 values but a channel only 32 tracks.
        const uint32_t track = ChAudioIndex(c);
        return track < kMaxAudioEntries ? int(AudioPid(c.AudioEntries[track])) : -1;
    }
    case kColumnPcrPid: return c.sPcrPid;
    case kColumnTxtPid: return c.sTxtPid;
    case kColumnServiceId: return c.usServiceId;
    default: return 0;
    }
}

std::string SatelliteCell(const Database& db, int tpSlot)
{
    if (tpSlot < 0 || tpSlot >= kMaxTransponders)
        return {};
    const TransponderRecord& tp = db.TransponderTable[size_t(tpSlot)];
    if (TpKind(tp) != kTpSatellite)
        return kTpKindWords[TpKind(tp)];
    const int satellite = int(TpSatIndex(tp));
    if (satellite >= SatelliteCount(db))
        return {};
    return std::string(FieldText(db.SatelliteTable[size_t(satellite)].acSatName));
}

std::string FavouritesCell(const Database& db, const ChannelRecord& channel)
{
    std::string text;
    for (int g = 0, n = FavGroupCount(db); g < n; ++g)
        if (channel.usFavBits & (1u << g))
            text += (text.empty() ? "" : " ") + std::to_string(g + 1);
    return text;
}

int IndexNumber(RowFilter filter, int row, int channel) { return filter == RowFilter::All ? channel + 1 : row + 1; }

std::string FormatIndexCell(RowFilter filter, int row, int channel)
{
    return std::to_string(IndexNumber(filter, row, channel));
}

std::string FormatRowCell(const Database& db, bool radio, RowFilter filter, int row, int channel, int column,
                          bool* pWord)
{
    if (pWord)
        *pWord = column == kColumnLock || column == kColumnMyFav;
    if (column == kColumnIndex)
        return FormatIndexCell(filter, row, channel);
    if (channel < 0 || channel >= UsedChannels(db, radio))
        return {};
    const ChannelRecord& record = ChannelTable(db, radio)[size_t(channel)];
    switch (column) {
    case kColumnSatellite: {
        const int slot = FindTpOfChannel(db, channel, radio ? 0 : 1);
        if (pWord)
            *pWord = slot >= 0 && TpKind(db.TransponderTable[size_t(slot)]) != kTpSatellite;
        return SatelliteCell(db, slot);
    }
    case kColumnFavourites: return FavouritesCell(db, record);
    default: return FormatChannelCell(column, record);
    }
}

int FillRowMap(const Database& db, bool radio, RowFilter filter, int value, std::span<int> aiRowChannel)
{
    const int count = UsedChannels(db, radio);
    const auto& table = ChannelTable(db, radio);
    switch (filter) {
    case RowFilter::All: return FillPassing(count, aiRowChannel, [](int) { return true; });
    case RowFilter::Satellite: {
        if (value < 0)
            return 0;
        // Only a satellite transponder names a satellite: the same bits of a
        // cable or terrestrial one are 0, which is no satellite of theirs.
        const TpSlotIndex tpOf = IndexTransponders(db);
        return FillPassing(count, aiRowChannel, [&](int i) {
            const int slot = TpIdEntry(tpOf, table[size_t(i)].usTpId);
            if (slot < 0)
                return false;
            const TransponderRecord& tp = db.TransponderTable[size_t(slot)];
            return TpKind(tp) == kTpSatellite && int(TpSatIndex(tp)) == value;
        });
    }
    case RowFilter::Transponder:
        return FillPassing(count, aiRowChannel, [&](int i) { return int(table[size_t(i)].usTpId) == value; });
    case RowFilter::FavGroup: return FillFavouriteRows(db, radio, value, aiRowChannel);
    case RowFilter::TpKind: {
        const TpSlotIndex tpOf = IndexTransponders(db);
        return FillPassing(count, aiRowChannel, [&](int i) {
            const int slot = TpIdEntry(tpOf, table[size_t(i)].usTpId);
            return slot >= 0 && int(TpKind(db.TransponderTable[size_t(slot)])) == value;
        });
    }
    case RowFilter::AnyFavGroup: {
        const unsigned groups = (1u << FavGroupCount(db)) - 1;
        return FillPassing(count, aiRowChannel, [&](int i) { return (table[size_t(i)].usFavBits & groups) != 0; });
    }
    }
    return 0;
}

#include "ChannelCells.h"

#include "BitFields.h"
#include "ChannelOperations.h"
#include "FavGroupNames.h"
#include "FavouriteOrder.h"

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
    case kColumnVideoPid: return std::to_string(c.sVideoPid);
    case kColumnAudioPid: {
        // The index field has room for 64 values but a channel only 32 tracks.
        const uint32_t track = ChAudioIndex(c);
        return track < kMaxAudioEntries ? std::to_string(AudioPid(c.AudioEntries[track])) : std::string();
    }
    case kColumnPcrPid: return std::to_string(c.sPcrPid);
    case kColumnTxtPid: return std::to_string(c.sTxtPid);
    case kColumnProgramType: return kProgramTypeNames[ChDelivery(c)];
    case kColumnMyFav: return c.usFavBits & 1 ? kTextMyFav : kTextNotMyFav;
    default: return {};
    }
}

std::string FormatIndexCell(RowFilter filter, int row, int channel)
{
    return std::to_string(filter == RowFilter::All ? channel + 1 : row + 1);
}

std::string FormatRowCell(const Database& db, bool radio, RowFilter filter, int row, int channel, int column)
{
    if (column == kColumnIndex)
        return FormatIndexCell(filter, row, channel);
    if (channel < 0 || channel >= UsedChannels(db, radio))
        return {};
    return FormatChannelCell(column, ChannelTable(db, radio)[size_t(channel)]);
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
        const TpSlotTable tpOf = TpSlotByTpId(db);
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
        const TpSlotTable tpOf = TpSlotByTpId(db);
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

#include "ChannelOperations.h"

#include "BitFields.h"
#include "BlockMove.h"
#include "ModelOperations.h"
#include "ReferenceList.h"

#include <algorithm>
#include <bitset>
#include <cstring>
#include <numeric>
#include <vector>

namespace {

using Table = std::array<ChannelRecord, kMaxChannels>;

// True when every entry of the row map is a channel of the table.
bool RowMapFits(std::span<const int> rowMap, int count)
{
    return std::all_of(rowMap.begin(), rowMap.end(), [count](int i) { return i >= 0 && i < count; });
}

// Puts the record of listed position order[p] at listed position p.
void ApplyRowOrder(Table& table, std::span<const int> rowMap, const std::vector<int>& order)
{
    std::vector<ChannelRecord> saved(rowMap.size());
    for (size_t p = 0; p < rowMap.size(); ++p)
        saved[p] = table[size_t(rowMap[p])];
    for (size_t p = 0; p < rowMap.size(); ++p)
        if (order[p] != int(p))
            table[size_t(rowMap[p])] = saved[size_t(order[p])];
}

// Stable counting sort of the whole table into buckets 0..buckets-1; bucket
// buckets collects everything else, after all others.
template <typename BucketOf>
void BucketSort(Table& table, int count, int buckets, BucketOf bucketOf)
{
    std::vector<int> bucket(static_cast<size_t>(count));
    std::vector<int> start(size_t(buckets) + 2, 0);
    for (int i = 0; i < count; ++i) {
        const int b = bucketOf(table[size_t(i)]);
        bucket[size_t(i)] = b >= 0 && b < buckets ? b : buckets;
        ++start[size_t(bucket[size_t(i)]) + 1];
    }
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<ChannelRecord> sorted(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        sorted[size_t(start[size_t(bucket[size_t(i)])]++)] = table[size_t(i)];
    std::copy(sorted.begin(), sorted.end(), table.begin());
}

// The name as the name sorts compare it: letter case folded.
struct NameKey {
    std::array<unsigned char, kChannelNameSize> acBytes;
    size_t len;
};

NameKey SortKey(const ChannelRecord& channel)
{
    NameKey key{};
    const std::string_view name = FieldText(channel.acName);
    key.len = name.size();
    for (size_t i = 0; i < key.len; ++i)
        key.acBytes[i] = FoldLetterCase(static_cast<unsigned char>(name[i]));
    return key;
}

int CompareKeys(const NameKey& a, const NameKey& b)
{
    if (const int c = std::memcmp(a.acBytes.data(), b.acBytes.data(), std::min(a.len, b.len)))
        return c;
    return a.len < b.len ? -1 : a.len > b.len ? 1 : 0;
}

void ReplaceFavKey(Database& db, int group, uint32_t oldKey, uint32_t newKey, bool radio)
{
    const int p = FindFavEntry(db, group, oldKey, radio);
    if (p < 0)
        return;
    FavGroup& g = db.FavGroupTable[size_t(group)];
    g.aulFavKey[size_t(radio ? kFavSlots - 1 - p : p)] = newKey;
    g.ucFavChanged = 1;
}

} // namespace

bool ChannelsFull(const Database& db) { return UsedChannels(db, false) + UsedChannels(db, true) >= kMaxChannelsTotal; }

ChannelRecord MakeChannelTemplate(int selectedTpId, bool radio)
{
    ChannelRecord channel{};
    channel.ulMarker = kChannelMarker;
    if (selectedTpId != -1)
        channel.usTpId = uint16_t(selectedTpId);
    // Every PID holds a value the record allows and the Channel Parameters
    // dialog accepts: 8191, the null PID, for the streams a new channel does
    // not have yet (no PCR, no teletext, for radio no video); a TV channel
    // has video, on the first PID a programme's streams may use.
    channel.sPcrPid = kNoVideoPid;
    channel.sTxtPid = kNoVideoPid;
    channel.sVideoPid = radio ? kNoVideoPid : kFirstStreamPid;
    return channel;
}

int AddChannelRecord(Database& db, const ChannelRecord& channel)
{
    const bool radio = channel.sVideoPid == kNoVideoPid;
    const int count = UsedChannels(db, radio);
    if (ChannelsFull(db) || count >= kMaxChannels)
        return kChannelsFull;
    ChannelTable(db, radio)[size_t(count)] = channel;
    ChannelCount(db, radio) = int16_t(count + 1);
    return kChannelDone;
}

int StoreEditedChannel(Database& db, bool radio, int index, const ChannelRecord& edited)
{
    if (index < 0 || index >= UsedChannels(db, radio))
        return -1;
    ChannelRecord& stored = ChannelTable(db, radio)[size_t(index)];
    const uint32_t oldKey = ChannelKey(stored);
    const uint32_t newKey = ChannelKey(edited);
    int fullGroups = 0;
    for (int g = 0; g < kMaxFavGroups; ++g) {
        const unsigned mask = 1u << g;
        const bool now = edited.usFavBits & mask;
        const bool before = stored.usFavBits & mask;
        if (now && !before) {
            if (AddFavEntry(db, g, newKey, radio) == kFavFullOrMissing)
                fullGroups |= int(mask);
        } else if (!now && before) {
            RemoveFavEntry(db, g, oldKey, radio);
        } else if (now && newKey != oldKey) {
            ReplaceFavKey(db, g, oldKey, newKey, radio);
        }
    }
    stored = edited;
    return fullGroups;
}

int DeleteChannelRecords(Database& db, bool radio, std::span<const int> channels)
{
    std::vector<bool> drop(size_t(UsedChannels(db, radio)), false);
    for (int i : channels)
        if (i >= 0 && i < int(drop.size()))
            drop[size_t(i)] = true;
    return RemoveChannelSlots(db, radio, drop);
}

int SwapChannelRows(Database& db, bool radio, std::span<const int> rowMap, int row, int target)
{
    const int rows = int(rowMap.size());
    if (target < 0 || target >= rows)
        return kRowOutOfRange;
    const int count = UsedChannels(db, radio);
    if (row < 0 || row >= rows || !RowMapFits(rowMap.subspan(size_t(row), 1), count) ||
        !RowMapFits(rowMap.subspan(size_t(target), 1), count))
        return kChannelNothing;
    Table& table = ChannelTable(db, radio);
    std::swap(table[size_t(rowMap[size_t(row)])], table[size_t(rowMap[size_t(target)])]);
    return kChannelDone;
}

int BlockMoveOrder(int rows, std::span<const int> selectedRows, int target, std::vector<int>& order)
{
    const std::vector<bool> chosen = ChosenRows(rows, selectedRows);
    if (std::find(chosen.begin(), chosen.end(), true) == chosen.end())
        return kChannelNothing;
    if (target < 0 || target >= rows)
        return kRowOutOfRange;

    // The selected rows become one block in their earlier order; the other
    // rows keep theirs around it.
    std::vector<int> block, others;
    for (int p = 0; p < rows; ++p)
        (chosen[size_t(p)] ? block : others).push_back(p);
    const int start = BlockStart(chosen, target);
    order.assign(others.begin(), others.begin() + start);
    order.insert(order.end(), block.begin(), block.end());
    order.insert(order.end(), others.begin() + start, others.end());
    return kChannelDone;
}

int MoveChannelRows(Database& db, bool radio, std::span<const int> rowMap, std::span<const int> selectedRows,
                    int target)
{
    std::vector<int> order;
    if (const int rc = BlockMoveOrder(int(rowMap.size()), selectedRows, target, order); rc != kChannelDone)
        return rc;
    if (!RowMapFits(rowMap, UsedChannels(db, radio)))
        return kChannelNothing;
    ApplyRowOrder(ChannelTable(db, radio), rowMap, order);
    return kChannelDone;
}

std::vector<int> NameSortOrder(const Database& db, bool radio, std::span<const int> rowMap, bool descending)
{
    const Table& table = ChannelTable(db, radio);
    std::vector<NameKey> keys(rowMap.size());
    for (size_t p = 0; p < rowMap.size(); ++p)
        keys[p] = SortKey(table[size_t(rowMap[p])]);
    std::vector<int> order(rowMap.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = CompareKeys(keys[size_t(a)], keys[size_t(b)]);
        return descending ? c > 0 : c < 0;
    });
    return order;
}

int ReorderRows(Database& db, bool radio, std::span<const int> rowMap, const std::vector<int>& order)
{
    if (!RowMapFits(rowMap, UsedChannels(db, radio)) || order.size() != rowMap.size() ||
        std::is_sorted(order.begin(), order.end()))
        return kChannelNothing;
    ApplyRowOrder(ChannelTable(db, radio), rowMap, order);
    return kChannelDone;
}

int SortRowsByName(Database& db, bool radio, std::span<const int> rowMap, bool descending)
{
    if (!RowMapFits(rowMap, UsedChannels(db, radio)))
        return kChannelNothing;
    ApplyRowOrder(ChannelTable(db, radio), rowMap, NameSortOrder(db, radio, rowMap, descending));
    return kChannelDone;
}

bool AllLocked(const Database& db, bool radio, std::span<const int> channels)
{
    const int count = UsedChannels(db, radio);
    return !channels.empty() && std::all_of(channels.begin(), channels.end(), [&](int i) {
        return i >= 0 && i < count && ChLocked(ChannelTable(db, radio)[size_t(i)]);
    });
}

int SetChannelsLocked(Database& db, bool radio, std::span<const int> channels, bool locked)
{
    const int count = UsedChannels(db, radio);
    int changed = 0;
    for (int i : channels) {
        if (i < 0 || i >= count || bool(ChLocked(ChannelTable(db, radio)[size_t(i)])) == locked)
            continue;
        SetChLocked(ChannelTable(db, radio)[size_t(i)], locked);
        ++changed;
    }
    return changed;
}

void SortChannelsByTransponder(Database& db, bool radio)
{
    BucketSort(ChannelTable(db, radio), UsedChannels(db, radio), kSortedTpIds,
               [](const ChannelRecord& c) { return int(c.usTpId); });
}

void SortChannelsBySatellite(Database& db, bool radio)
{
    const SatIndexTable satOf = SatIndexByTpId(db);
    BucketSort(ChannelTable(db, radio), UsedChannels(db, radio), kSortedSatellites,
               [&satOf](const ChannelRecord& c) { return TpIdEntry(satOf, c.usTpId); });
}

SatIndexTable SatIndexByTpId(const Database& db)
{
    SatIndexTable table = IndexTransponders(db);
    for (int16_t& entry : table)
        if (entry >= 0)
            entry = int16_t(TpSatIndex(db.TransponderTable[size_t(entry)]));
    return table;
}

#include "FavouriteOrder.h"

#include "BitFields.h"
#include "ChannelOperations.h"
#include "ModelOperations.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

bool ValidGroup(int group) { return group >= 0 && group < kMaxFavGroups; }

uint16_t GroupBit(int group) { return uint16_t(1u << group); }

int EntrySlot(bool radio, int position) { return radio ? kFavSlots - 1 - position : position; }

int EntryCount(const FavGroup& g, bool radio)
{
    const FavCounts n = ClampedFavCounts(g);
    return radio ? n.radio : n.tv;
}

bool InGroup(const ChannelRecord& c, int group) { return (c.usFavBits & GroupBit(group)) != 0; }

// True when rowMap lists distinct channels of the table that carry the bit.
bool RowMapOfGroup(const Database& db, bool radio, int group, std::span<const int> rowMap)
{
    const int count = UsedChannels(db, radio);
    std::vector<bool> seen(size_t(count), false);
    for (int i : rowMap) {
        if (i < 0 || i >= count || seen[size_t(i)] || !InGroup(ChannelTable(db, radio)[size_t(i)], group))
            return false;
        seen[size_t(i)] = true;
    }
    return true;
}

// Stores the keys of the channels, in this order, as the group's entries for
// the table; entries past them are freed.
int StoreGroupOrder(Database& db, bool radio, int group, const std::vector<int>& channels)
{
    FavGroup& g = db.FavGroupTable[size_t(group)];
    std::array<std::vector<uint32_t>, 2> lists = FavGroupLists(g);
    if (channels.size() + lists[radio ? 0 : 1].size() > size_t(kFavSlots))
        return kFavGroupFull;
    std::vector<uint32_t>& list = lists[radio ? 1 : 0];
    list.clear();
    for (int channel : channels)
        list.push_back(ChannelKey(ChannelTable(db, radio)[size_t(channel)]));
    return StoreFavGroupLists(g, lists) ? kChannelDone : kChannelNothing;
}

// The group's whole list after the listed rows (rowMap, a group's list that
// may leave members out) took the order given: they fill the places the
// listed rows held, in that order; every member not listed keeps its place.
std::vector<int> ReorderedGroup(const Database& db, bool radio, int group, std::span<const int> rowMap,
                                const std::vector<int>& order)
{
    std::vector<int> whole(kMaxChannels);
    whole.resize(size_t(FillFavouriteRows(db, radio, group, whole)));
    std::vector<bool> listed(size_t(UsedChannels(db, radio)), false);
    for (int i : rowMap)
        listed[size_t(i)] = true;
    size_t next = 0;
    for (int& channel : whole)
        if (listed[size_t(channel)])
            channel = rowMap[size_t(order[next++])];
    return whole;
}

// Runs change on each channel of the table not yet in (join true) or still
// in the group; change returns false when the group refuses the channel.
template <typename Change>
FavMembershipChange ChangeMembership(Database& db, bool radio, int group, std::span<const int> channels, bool join,
                                     Change change)
{
    FavMembershipChange result;
    if (!ValidGroup(group))
        return result;
    auto& table = ChannelTable(db, radio);
    const int count = UsedChannels(db, radio);
    for (int i : channels) {
        if (i < 0 || i >= count || InGroup(table[size_t(i)], group) == join)
            continue;
        ++(change(table[size_t(i)]) ? result.iChanged : result.iRefused);
    }
    return result;
}

} // namespace

int FillFavouriteRows(const Database& db, bool radio, int group, std::span<int> aiRowChannel)
{
    if (!ValidGroup(group))
        return 0;
    const FavGroup& g = db.FavGroupTable[size_t(group)];
    const int entries = EntryCount(g, radio);

    // The entries sorted by key, then by position: the channels of one key
    // take its entries in table order, so each table pass step is a search.
    std::array<std::pair<uint32_t, int>, kFavSlots> byKey;
    for (int p = 0; p < entries; ++p)
        byKey[size_t(p)] = {g.aulFavKey[EntrySlot(radio, p)], p};
    std::sort(byKey.begin(), byKey.begin() + entries);
    std::array<int, kFavSlots> taken{};   // entries of the key starting here already given a channel
    std::array<int, kFavSlots> channelOf; // channel shown by entry position p, or -1
    channelOf.fill(-1);
    std::vector<int> bitOnly;

    const auto& table = ChannelTable(db, radio);
    const auto end = byKey.begin() + entries;
    for (int i = 0, count = UsedChannels(db, radio); i < count; ++i) {
        if (!InGroup(table[size_t(i)], group))
            continue;
        const uint32_t key = ChannelKey(table[size_t(i)]);
        const auto first = std::lower_bound(byKey.begin(), end, std::pair<uint32_t, int>{key, -1});
        const size_t start = size_t(first - byKey.begin());
        const size_t next = start + size_t(first != end ? taken[start] : 0);
        if (first != end && first->first == key && next < size_t(entries) && byKey[next].first == key) {
            channelOf[size_t(byKey[next].second)] = i;
            ++taken[start];
        } else {
            bitOnly.push_back(i);
        }
    }

    int rows = 0;
    const int capacity = int(aiRowChannel.size());
    for (int p = 0; p < entries && rows < capacity; ++p)
        if (channelOf[size_t(p)] >= 0)
            aiRowChannel[size_t(rows++)] = channelOf[size_t(p)];
    for (size_t k = 0; k < bitOnly.size() && rows < capacity; ++k)
        aiRowChannel[size_t(rows++)] = bitOnly[k];
    return rows;
}

int MoveFavouriteRows(Database& db, bool radio, int group, std::span<const int> rowMap,
                      std::span<const int> selectedRows, int target)
{
    if (!ValidGroup(group))
        return kChannelNothing;
    std::vector<int> order;
    if (const int rc = BlockMoveOrder(int(rowMap.size()), selectedRows, target, order); rc != kChannelDone)
        return rc;
    return ReorderFavouriteRows(db, radio, group, rowMap, order);
}

int SortFavouriteRowsByName(Database& db, bool radio, int group, std::span<const int> rowMap, bool descending)
{
    if (!ValidGroup(group) || !RowMapOfGroup(db, radio, group, rowMap))
        return kChannelNothing;
    return ReorderFavouriteRows(db, radio, group, rowMap, NameSortOrder(db, radio, rowMap, descending));
}

int ReorderFavouriteRows(Database& db, bool radio, int group, std::span<const int> rowMap,
                         const std::vector<int>& order)
{
    if (!ValidGroup(group) || order.size() != rowMap.size() || !RowMapOfGroup(db, radio, group, rowMap))
        return kChannelNothing;
    return StoreGroupOrder(db, radio, group, ReorderedGroup(db, radio, group, rowMap, order));
}

FavMembershipChange AddChannelsToFavGroup(Database& db, bool radio, int group, std::span<const int> channels)
{
    return ChangeMembership(db, radio, group, channels, true, [&](ChannelRecord& c) {
        if (AddFavEntry(db, group, ChannelKey(c), radio) != kFavDone)
            return false;
        c.usFavBits = uint16_t(c.usFavBits | GroupBit(group));
        return true;
    });
}

FavMembershipChange RemoveChannelsFromFavGroup(Database& db, bool radio, int group, std::span<const int> channels)
{
    return ChangeMembership(db, radio, group, channels, false, [&](ChannelRecord& c) {
        c.usFavBits = uint16_t(c.usFavBits & ~GroupBit(group));
        RemoveFavEntry(db, group, ChannelKey(c), radio);
        return true;
    });
}

bool AllInFavGroup(const Database& db, bool radio, int group, std::span<const int> channels)
{
    if (!ValidGroup(group) || channels.empty())
        return false;
    const int count = UsedChannels(db, radio);
    return std::all_of(channels.begin(), channels.end(), [&](int i) {
        return i >= 0 && i < count && InGroup(ChannelTable(db, radio)[size_t(i)], group);
    });
}

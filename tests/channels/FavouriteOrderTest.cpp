// A favourite group's list and its reordering against a plain reference of
// the stored order: random groups over random tables, with repeated keys,
// stale keys, channels that carry the bit without an entry, damaged counts,
// both tables, and lists that a filter shortens.
#include "BitFields.h"
#include "ChannelCells.h"
#include "ChannelOperations.h"
#include "ChannelReference.h"
#include "DatabaseBuilders.h"
#include "FavouriteOrder.h"
#include "ModelOperations.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <random>

namespace {

int Slot(bool radio, int p) { return radio ? kFavSlots - 1 - p : p; }

// The list of the group written the plain way: for each entry in stored
// order, a scan of the table for the first channel with its key and the bit
// not shown yet; then every channel with the bit not shown, in table order.
std::vector<int> ReferenceRows(const Database& db, bool radio, int group)
{
    const FavGroup& g = db.FavGroupTable[size_t(group)];
    const FavCounts n = ClampedFavCounts(g);
    const auto& table = ChannelTable(db, radio);
    const int count = ChannelCount(db, radio);
    const auto member = [&](int i) { return (table[size_t(i)].usFavBits >> group) & 1; };
    std::vector<bool> shown(size_t(count), false);
    std::vector<int> rows;
    for (int p = 0; p < (radio ? n.radio : n.tv); ++p)
        for (int i = 0; i < count; ++i)
            if (member(i) && !shown[size_t(i)] && ChannelKey(table[size_t(i)]) == g.aulFavKey[Slot(radio, p)]) {
                shown[size_t(i)] = true;
                rows.push_back(i);
                break;
            }
    for (int i = 0; i < count; ++i)
        if (member(i) && !shown[size_t(i)])
            rows.push_back(i);
    return rows;
}

// The group after storing keys as its entries for the table (a damaged
// count of the other table clipped to the slots left), and the code the
// reorder gives for it.
std::pair<FavGroup, int> ReferenceStore(const FavGroup& before, bool radio, const std::vector<uint32_t>& keys)
{
    const FavCounts n = ClampedFavCounts(before);
    if (int(keys.size()) + (radio ? n.tv : n.radio) > kFavSlots)
        return {before, kFavGroupFull};
    FavGroup after = before;
    for (int p = 0; p < std::max<int>(int(keys.size()), radio ? n.radio : n.tv); ++p)
        after.aulFavKey[Slot(radio, p)] = p < int(keys.size()) ? keys[size_t(p)] : kFreeFavSlot;
    (radio ? after.sRadioFavNum : after.sTvFavNum) = int16_t(keys.size());
    (radio ? after.sTvFavNum : after.sRadioFavNum) = int16_t(radio ? n.tv : n.radio);
    if (std::memcmp(&before, &after, sizeof after) == 0)
        return {before, kChannelNothing};
    after.ucFavChanged = 1;
    return {after, kChannelDone};
}

class FavouriteOrderTest : public testing::Test {
protected:
    // A table of count channels whose keys come from a small pool (so keys
    // repeat), some with the group's bit; a group whose entries are keys of
    // the table and stale keys in random order, with random entries of the
    // other table and now and then a damaged count.
    void MakeRandom(bool radio, int group)
    {
        db = MakeEmptyDatabase();
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rnd); };
        const int count = pick(0, 90);
        for (int i = 0; i < count; ++i) {
            ChannelRecord c =
                MakeChannel("C" + std::to_string(pick(0, 30)), uint16_t(pick(1, 3)), uint16_t(pick(1, 25)));
            c.usFavBits = uint16_t(pick(0, 0xFFFF) | (pick(0, 2) ? 1u << group : 0));
            if (pick(0, 2) == 0)
                c.usFavBits = uint16_t(c.usFavBits & ~(1u << group));
            AppendChannel(*db, radio, c);
        }
        FavGroup& g = db->FavGroupTable[size_t(group)];
        const int other = pick(0, 3) == 0 ? pick(150, 200) : pick(0, 20);
        const int entries = pick(0, std::min(kFavSlots - other, pick(0, 3) == 0 ? 200 : 70));
        for (int p = 0; p < entries; ++p) {
            const bool stale = count == 0 || pick(0, 5) == 0;
            g.aulFavKey[Slot(radio, p)] = stale ? uint32_t(0x00400000 + pick(0, 9))
                                                : ChannelKey(ChannelTable(*db, radio)[size_t(pick(0, count - 1))]);
        }
        for (int p = 0; p < other; ++p)
            g.aulFavKey[Slot(!radio, p)] = uint32_t(pick(0, 1000));
        (radio ? g.sRadioFavNum : g.sTvFavNum) = int16_t(entries);
        (radio ? g.sTvFavNum : g.sRadioFavNum) = int16_t(other);
        if (pick(0, 15) == 0)
            (radio ? g.sRadioFavNum : g.sTvFavNum) = int16_t(pick(0, 1) ? -pick(1, 5) : pick(201, 400));
    }

    std::vector<int> Rows(bool radio, int group) const
    {
        std::vector<int> rowMap(kMaxChannels);
        rowMap.resize(size_t(FillRowMap(*db, radio, RowFilter::FavGroup, group, rowMap)));
        return rowMap;
    }

    std::mt19937 rnd{20261208};
    std::unique_ptr<Database> db;
};

TEST_F(FavouriteOrderTest, ListingAndReorderingFollowThePlainStoredOrder)
{
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rnd); };
    auto scratch = MakeEmptyDatabase();
    int checked[8] = {};
    for (int run = 0; run < 400; ++run) {
        const bool radio = run % 2;
        const int group = pick(0, 7);
        MakeRandom(radio, group);
        const std::vector<int> rows = Rows(radio, group);
        ASSERT_EQ(ReferenceRows(*db, radio, group), rows) << "run " << run;
        // The rows a filter keeps, in their order (often all of them).
        std::vector<int> shown;
        const bool filtered = pick(0, 1);
        for (int i : rows)
            if (!filtered || pick(0, 2))
                shown.push_back(i);

        // The move (or sort) of the shown rows' records, applied to a copy of
        // the table, says which channel ends where; the group stores the keys
        // of its whole list in that order, so the hidden members stay put.
        const int count = ChannelCount(*db, radio);
        const auto copyTable = [&] {
            scratch->header = db->header;
            std::copy_n(ChannelTable(*db, radio).begin(), count, ChannelTable(*scratch, radio).begin());
        };
        copyTable();
        std::vector<int> selected;
        for (int r = 0; r < int(shown.size()); ++r)
            if (pick(0, 3) == 0)
                selected.push_back(r);
        const int target = pick(-1, int(shown.size()));
        const int kind = pick(0, 3); // 0, 1: move; 2: A to Z; 3: Z to A
        int expectedCode = kChannelDone;
        if (kind < 2) {
            if (selected.empty())
                expectedCode = kChannelNothing;
            else if (target < 0 || target >= int(shown.size()))
                expectedCode = kRowOutOfRange;
            else if (!reference::MoveRows(*scratch, radio, shown, selected, target)) {
                copyTable(); // where moving one by one breaks up the block, the tested table move says
                MoveChannelRows(*scratch, radio, shown, selected, target);
            }
        } else {
            reference::BubbleSortByName(*scratch, radio, shown, kind == 3);
        }
        std::vector<uint32_t> keys;
        for (int i : rows)
            keys.push_back(ChannelKey(ChannelTable(*scratch, radio)[size_t(i)]));
        const FavGroup before = db->FavGroupTable[size_t(group)];
        auto [expectedGroup, code] = ReferenceStore(before, radio, keys);
        if (expectedCode != kChannelDone) {
            code = expectedCode;
            expectedGroup = before;
        }

        const auto tableBefore =
            std::vector<ChannelRecord>(ChannelTable(*db, radio).begin(), ChannelTable(*db, radio).begin() + count);
        const int result = kind < 2 ? MoveFavouriteRows(*db, radio, group, shown, selected, target)
                                    : SortFavouriteRowsByName(*db, radio, group, shown, kind == 3);
        ASSERT_EQ(code, result) << "run " << run;
        ASSERT_EQ(0, std::memcmp(&expectedGroup, &db->FavGroupTable[size_t(group)], sizeof(FavGroup)))
            << "run " << run;
        ASSERT_TRUE(tableBefore.empty() || 0 == std::memcmp(tableBefore.data(), ChannelTable(*db, radio).data(),
                                                            tableBefore.size() * sizeof(ChannelRecord)));
        ++checked[result + 4];
        if (result == kChannelDone) { // the list now shows the stored keys, in order
            std::vector<uint32_t> shown;
            for (int i : Rows(radio, group))
                shown.push_back(ChannelKey(ChannelTable(*db, radio)[size_t(i)]));
            ASSERT_EQ(keys, shown) << "run " << run;
        }
    }
    // Every outcome was met often enough to mean something.
    for (int code : {kChannelDone, kChannelNothing, kRowOutOfRange, kFavGroupFull})
        EXPECT_GT(checked[code + 4], 10) << code;
}

TEST_F(FavouriteOrderTest, MembershipOfManyChannelsStopsAtTwoHundredEntries)
{
    db = MakeEmptyDatabase();
    for (int i = 0; i < 300; ++i)
        AppendChannel(*db, i % 2, MakeChannel("C", 7, uint16_t(i + 1)));
    AddFavEntry(*db, 3, 0x77, 1); // a radio entry takes one of the 200 slots
    std::vector<int> channels;
    for (int i = 149; i >= 0; --i)
        channels.push_back(i);
    const auto& tv = db->TvChannelTable;
    const FavMembershipChange added = AddChannelsToFavGroup(*db, false, 3, channels);
    EXPECT_EQ(added.iChanged, 150);
    EXPECT_EQ(added.iRefused, 0);
    EXPECT_EQ(AddChannelsToFavGroup(*db, false, 3, channels).iChanged, 0); // all in already
    EXPECT_TRUE(AllInFavGroup(*db, false, 3, channels));
    EXPECT_EQ(db->FavGroupTable[3].aulFavKey[0], ChannelKey(tv[149])); // entries follow the given order

    db->RadioChannelTable[0].usFavBits = 1u << 3; // a channel in the group by its bit only: skipped
    std::vector<int> radio(52);
    std::iota(radio.begin(), radio.end(), 0);
    const FavMembershipChange full = AddChannelsToFavGroup(*db, true, 3, radio);
    EXPECT_EQ(full.iChanged, 49);
    EXPECT_EQ(full.iRefused, 2);
    EXPECT_EQ(db->FavGroupTable[3].sRadioFavNum, 50);
    EXPECT_FALSE(db->RadioChannelTable[51].usFavBits & (1u << 3)); // refused channels stay out
    EXPECT_FALSE(AllInFavGroup(*db, true, 3, radio));

    const FavMembershipChange removed = RemoveChannelsFromFavGroup(*db, false, 3, std::vector<int>{5, 149, 200});
    EXPECT_EQ(removed.iChanged, 2);
    EXPECT_EQ(db->FavGroupTable[3].sTvFavNum, 148);
    EXPECT_EQ(db->FavGroupTable[3].aulFavKey[0], ChannelKey(tv[148]));
    EXPECT_EQ(tv[5].usFavBits, 0);
}

} // namespace

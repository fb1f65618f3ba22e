// The channel operations against their plain record-by-record versions on
// random tables, and their limits and refusals.
#include "ChannelOperations.h"
#include "ChannelReference.h"
#include "DatabaseBuilders.h"

#include <gtest/gtest.h>

#include <QChar>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <random>

namespace {

int Uniform(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

// Names from a few letters in both cases and a byte above 0x7F, so that
// equal names, names equal but for case and prefixes are common. Some use
// all 28 bytes without a terminator.
void RandomName(std::mt19937& rng, ChannelRecord& c)
{
    static constexpr char kLetters[] = {'a', 'A', 'b', 'B', 'z', '_', ' ', char(0xE9), char(0xC9)};
    std::memset(c.acName, 0, sizeof c.acName);
    const int len = Uniform(rng, 0, 9) == 0 ? kChannelNameSize : Uniform(rng, 0, 3);
    for (int i = 0; i < len; ++i)
        c.acName[i] = kLetters[Uniform(rng, 0, int(std::size(kLetters)) - 1)];
}

// Fills the first count slots of both tables of a and b alike; each record is
// told apart by its service id.
void RandomTables(std::mt19937& rng, Database& a, Database& b, int count)
{
    for (bool radio : {false, true}) {
        for (int i = 0; i < count; ++i) {
            ChannelRecord c = MakeChannel("", uint16_t(Uniform(rng, 0, 4100)), uint16_t(i));
            if (Uniform(rng, 0, 1))
                c.usTpId = uint16_t(Uniform(rng, 0, 6));
            RandomName(rng, c);
            ChannelTable(a, radio)[size_t(i)] = ChannelTable(b, radio)[size_t(i)] = c;
        }
        ChannelCount(a, radio) = ChannelCount(b, radio) = int16_t(count);
    }
}

// Random ascending row map over the table: all channels or a subset.
std::vector<int> RandomRowMap(std::mt19937& rng, int count)
{
    std::vector<int> rows;
    const bool all = Uniform(rng, 0, 2) == 0;
    for (int i = 0; i < count; ++i)
        if (all || Uniform(rng, 0, 1))
            rows.push_back(i);
    return rows;
}

void ExpectSameChannels(const Database& a, const Database& b, bool radio, int seed)
{
    ASSERT_EQ(ChannelCount(a, radio), ChannelCount(b, radio)) << "seed " << seed;
    EXPECT_EQ(0, std::memcmp(ChannelTable(a, radio).data(), ChannelTable(b, radio).data(),
                             sizeof(ChannelRecord) * size_t(ChannelCount(a, radio))))
        << "seed " << seed;
}

class ChannelOperationsTest : public testing::Test {
protected:
    std::unique_ptr<Database> a = MakeEmptyDatabase();
    std::unique_ptr<Database> b = MakeEmptyDatabase();
};

TEST_F(ChannelOperationsTest, NameSortsEqualTheBubbleSort)
{
    for (int seed = 0; seed < 3000; ++seed) {
        std::mt19937 rng(seed);
        RandomTables(rng, *a, *b, Uniform(rng, 0, 40));
        const bool radio = seed % 2;
        const bool descending = seed % 4 >= 2;
        const std::vector<int> rows = RandomRowMap(rng, ChannelCount(*a, radio));
        ASSERT_EQ(SortRowsByName(*a, radio, rows, descending), kChannelDone);
        reference::BubbleSortByName(*b, radio, rows, descending);
        ExpectSameChannels(*a, *b, radio, seed);
        ExpectSameChannels(*a, *b, !radio, seed); // the other table is left alone
    }
}

// The fold against Qt's own upper-casing of each Latin-1 character, kept
// where the capital is itself a Latin-1 character.
TEST(FoldLetterCaseTest, UpperCasesEveryLatin1LetterThatHasALatin1Capital)
{
    for (int c = 0; c < 256; ++c) {
        const char16_t upper = QChar(char16_t(c)).toUpper().unicode();
        EXPECT_EQ(FoldLetterCase(static_cast<unsigned char>(c)), upper < 256 ? upper : c) << "byte " << c;
    }
}

TEST_F(ChannelOperationsTest, NameSortFoldsLatin1CaseAndComparesBytesUnsigned)
{
    for (const char* name : {"b", "\xe9", "B", "a", "\xC9", "A", "ab", ""})
        AppendChannel(*a, false, MakeChannel(name, 1, 0));
    std::vector<int> rows(8);
    std::iota(rows.begin(), rows.end(), 0);
    SortRowsByName(*a, false, rows, false);
    std::vector<std::string> names;
    for (int i = 0; i < 8; ++i)
        names.emplace_back(FieldText(a->TvChannelTable[size_t(i)].acName));
    EXPECT_EQ(names, (std::vector<std::string>{"", "a", "A", "ab", "b", "B", "\xe9", "\xC9"}));
}

TEST_F(ChannelOperationsTest, WholeTableSortsEqualThePassSorts)
{
    for (int seed = 0; seed < 2000; ++seed) {
        std::mt19937 rng(seed);
        RandomTables(rng, *a, *b, Uniform(rng, 0, 60));
        // Transponders with repeated ids (the first one counts), satellite
        // indices beyond 99 and kinds of every delivery system.
        const int tps = Uniform(rng, 0, 12);
        for (int t = 0; t < tps; ++t) {
            TransponderRecord tp = MakeSatelliteTp(uint32_t(Uniform(rng, 0, 8)), uint32_t(Uniform(rng, 0, 140)), 0);
            SetTpKind(tp, uint32_t(Uniform(rng, 0, 3)));
            a->TransponderTable[size_t(t)] = b->TransponderTable[size_t(t)] = tp;
        }
        a->header.sTpNumber = b->header.sTpNumber = int16_t(tps);
        const bool radio = seed % 2;
        if (seed % 4 >= 2) {
            SortChannelsBySatellite(*a, radio);
            reference::SortBySatellite(*b, radio);
        } else {
            SortChannelsByTransponder(*a, radio);
            reference::SortByTransponder(*b, radio);
        }
        ExpectSameChannels(*a, *b, radio, seed);
    }
}

// Service ids of the listed rows in order (the random tables number their
// channels by service id).
std::vector<int> ListedIds(const Database& db, bool radio, const std::vector<int>& rows)
{
    std::vector<int> ids;
    for (int i : rows)
        ids.push_back(ChannelTable(db, radio)[size_t(i)].usServiceId);
    return ids;
}

TEST_F(ChannelOperationsTest, MoveKeepsTheBlockInOrderAndEqualsMovingOneRowAtATime)
{
    int compared = 0;
    for (int seed = 0; seed < 5000; ++seed) {
        std::mt19937 rng(seed);
        RandomTables(rng, *a, *b, Uniform(rng, 1, 30));
        const bool radio = seed % 2;
        const std::vector<int> rows = RandomRowMap(rng, ChannelCount(*a, radio));
        if (rows.empty())
            continue;
        std::vector<int> selected;
        for (int r = 0; r < int(rows.size()); ++r)
            if (Uniform(rng, 0, 3) == 0)
                selected.push_back(r);
        if (selected.empty())
            selected.push_back(Uniform(rng, 0, int(rows.size()) - 1));
        const int target = Uniform(rng, 0, int(rows.size()) - 1);
        const std::vector<int> before = ListedIds(*a, radio, rows);
        ASSERT_EQ(MoveChannelRows(*a, radio, rows, selected, target), kChannelDone);
        if (reference::MoveRows(*b, radio, rows, selected, target)) {
            ExpectSameChannels(*a, *b, radio, seed);
            ++compared;
            continue;
        }
        // Where moving one row at a time breaks the block: the selected rows
        // stand together in their order, the others keep theirs, and the
        // target row, selected, stays where it is.
        const std::vector<int> after = ListedIds(*a, radio, rows);
        std::vector<int> block, others, movedOthers;
        for (int r = 0; r < int(rows.size()); ++r) {
            const bool chosen = std::binary_search(selected.begin(), selected.end(), r);
            (chosen ? block : others).push_back(before[size_t(r)]);
        }
        const auto first = std::find(after.begin(), after.end(), block.front());
        ASSERT_LE(first + std::ptrdiff_t(block.size()), after.end()) << "seed " << seed;
        EXPECT_EQ(std::vector<int>(first, first + std::ptrdiff_t(block.size())), block) << "seed " << seed;
        for (auto it = after.begin(); it != after.end(); ++it)
            if (it < first || it >= first + std::ptrdiff_t(block.size()))
                movedOthers.push_back(*it);
        EXPECT_EQ(movedOthers, others) << "seed " << seed;
        if (std::binary_search(selected.begin(), selected.end(), target)) {
            EXPECT_EQ(after[size_t(target)], before[size_t(target)]) << "seed " << seed;
        }
    }
    EXPECT_GT(compared, 2500);
}

TEST_F(ChannelOperationsTest, DeleteEqualsRemovingOneByOne)
{
    for (int seed = 0; seed < 2000; ++seed) {
        std::mt19937 rng(seed);
        RandomTables(rng, *a, *b, Uniform(rng, 0, 40));
        const bool radio = seed % 2;
        std::vector<int> channels;
        for (int i = 0; i < ChannelCount(*a, radio); ++i)
            if (Uniform(rng, 0, 2) == 0)
                channels.push_back(i);
        EXPECT_EQ(DeleteChannelRecords(*a, radio, channels), int(channels.size()));
        reference::DeleteOneByOne(*b, radio, channels);
        ExpectSameChannels(*a, *b, radio, seed);
        ExpectSameChannels(*a, *b, !radio, seed);
    }
}

// Service ids of the listed rows in order, the channels being numbered by them.
std::vector<int> ServiceIds(const Database& db, int count)
{
    std::vector<int> ids;
    for (int i = 0; i < count; ++i)
        ids.push_back(db.TvChannelTable[size_t(i)].usServiceId);
    return ids;
}

TEST_F(ChannelOperationsTest, MovesAndRefusals)
{
    struct Case {
        std::vector<int> selected; // rows from 0
        int target;
        int result;
        std::vector<int> order; // service ids afterwards
    };
    const Case cases[] = {
        {{9}, 2, kChannelDone, {0, 1, 9, 2, 3, 4, 5, 6, 7, 8, 10, 11}},
        {{2}, 9, kChannelDone, {0, 1, 3, 4, 5, 6, 7, 8, 9, 2, 10, 11}},
        // Row 2 comes down to 5 first; the block then continues at 6.
        {{1, 6}, 4, kChannelDone, {0, 2, 3, 4, 1, 6, 5, 7, 8, 9, 10, 11}},
        {{4}, 4, kChannelDone, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        // A selected target row stays; the block forms around it in order.
        {{2, 5}, 5, kChannelDone, {0, 1, 3, 4, 2, 5, 6, 7, 8, 9, 10, 11}},
        {{3, 4, 8}, 4, kChannelDone, {0, 1, 2, 3, 4, 8, 5, 6, 7, 9, 10, 11}},
        {{4, 9, 10}, 4, kChannelDone, {0, 1, 2, 3, 4, 9, 10, 5, 6, 7, 8, 11}},
        // Rows from below keep their order after a row came down.
        {{0, 2, 3, 4}, 1, kChannelDone, {1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {{11}, 0, kChannelDone, {11, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {{0}, 11, kChannelDone, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0}},
        {{1}, 12, kRowOutOfRange, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {{1}, -1, kRowOutOfRange, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {{}, 3, kChannelNothing, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {{12, -1}, 3, kChannelNothing, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    };
    std::vector<int> rows(12);
    std::iota(rows.begin(), rows.end(), 0);
    for (const Case& c : cases) {
        ResetDatabase(*a);
        for (int i = 0; i < 12; ++i)
            AppendChannel(*a, false, MakeChannel("x", 1, uint16_t(i)));
        EXPECT_EQ(MoveChannelRows(*a, false, rows, c.selected, c.target), c.result);
        EXPECT_EQ(ServiceIds(*a, 12), c.order) << "target " << c.target;
    }
}

TEST_F(ChannelOperationsTest, OnlyListedPositionsTakePart)
{
    for (int i = 0; i < 6; ++i)
        AppendChannel(*a, false, MakeChannel("x", 1, uint16_t(i)));
    const std::vector<int> rows = {1, 3, 5};
    EXPECT_EQ(MoveChannelRows(*a, false, rows, std::vector<int>{2}, 0), kChannelDone);
    EXPECT_EQ(ServiceIds(*a, 6), (std::vector<int>{0, 5, 2, 1, 4, 3}));
    EXPECT_EQ(SwapChannelRows(*a, false, rows, 0, 2), kChannelDone);
    EXPECT_EQ(ServiceIds(*a, 6), (std::vector<int>{0, 3, 2, 1, 4, 5}));
    EXPECT_EQ(SwapChannelRows(*a, false, rows, 1, 1), kChannelDone);
    EXPECT_EQ(SwapChannelRows(*a, false, rows, 0, 3), kRowOutOfRange);
    EXPECT_EQ(SwapChannelRows(*a, false, rows, 0, -1), kRowOutOfRange);
    EXPECT_EQ(ServiceIds(*a, 6), (std::vector<int>{0, 3, 2, 1, 4, 5}));
    // A row map that does not fit the table is refused whole.
    EXPECT_EQ(SortRowsByName(*a, false, std::vector<int>{0, 6}, false), kChannelNothing);
    EXPECT_EQ(MoveChannelRows(*a, false, std::vector<int>{0, 9}, std::vector<int>{0}, 1), kChannelNothing);
    EXPECT_EQ(DeleteChannelRecords(*a, false, std::vector<int>{-1, 6, 2, 2}), 1);
    EXPECT_EQ(ServiceIds(*a, 5), (std::vector<int>{0, 3, 1, 4, 5}));
}

TEST_F(ChannelOperationsTest, AddChoosesTheTableByVideoPidAndStopsAt8000)
{
    const ChannelRecord tv = MakeChannelTemplate(-1, false);
    const ChannelRecord radio = MakeChannelTemplate(0x1234, true);
    EXPECT_EQ(tv.ulMarker, kChannelMarker);
    EXPECT_EQ(tv.usTpId, 0);
    EXPECT_EQ(tv.sTxtPid, 8191);
    EXPECT_EQ(tv.sVideoPid, 32);
    EXPECT_EQ(tv.sPcrPid, 8191);
    EXPECT_EQ(radio.usTpId, 0x1234);
    EXPECT_EQ(radio.sVideoPid, 8191);

    EXPECT_EQ(AddChannelRecord(*a, tv), kChannelDone);
    EXPECT_EQ(AddChannelRecord(*a, radio), kChannelDone);
    EXPECT_EQ(a->header.sTVNumber, 1);
    EXPECT_EQ(a->header.sRadioNumber, 1);
    EXPECT_EQ(a->RadioChannelTable[0].usTpId, 0x1234);

    a->header.sTVNumber = 7000;
    a->header.sRadioNumber = 999;
    EXPECT_FALSE(ChannelsFull(*a));
    EXPECT_EQ(AddChannelRecord(*a, radio), kChannelDone);
    EXPECT_TRUE(ChannelsFull(*a));
    EXPECT_EQ(AddChannelRecord(*a, tv), kChannelsFull);
    EXPECT_EQ(a->header.sTVNumber, 7000);
    EXPECT_EQ(a->header.sRadioNumber, 1000);
}

TEST_F(ChannelOperationsTest, EditKeepsTheFavouriteListsInStep)
{
    const auto keys = [&](int group, bool radio) {
        const FavGroup& g = a->FavGroupTable[size_t(group)];
        std::vector<uint32_t> list;
        for (int p = 0; p < (radio ? g.sRadioFavNum : g.sTvFavNum); ++p)
            list.push_back(g.aulFavKey[size_t(radio ? kFavSlots - 1 - p : p)]);
        return list;
    };
    for (bool radio : {false, true}) {
        ResetDatabase(*a);
        ChannelRecord c = MakeChannel("c", 2, 5);
        c.usFavBits = 0b0110;
        AppendChannel(*a, radio, MakeChannel("other", 9, 9));
        AppendChannel(*a, radio, c);
        const uint32_t oldKey = ChannelKey(c);
        for (int g : {1, 2})
            for (uint32_t key : {0x11u, oldKey, 0x33u})
                AddFavEntry(*a, g, key, radio);

        // Group 0 joins, group 1 leaves, group 2 stays while the key changes.
        ChannelRecord edited = c;
        edited.usServiceId = 77;
        edited.usFavBits = 0b0101;
        EXPECT_EQ(StoreEditedChannel(*a, radio, 1, edited), 0);
        const uint32_t newKey = ChannelKey(edited);
        EXPECT_EQ(keys(0, radio), std::vector<uint32_t>({newKey}));
        EXPECT_EQ(keys(1, radio), std::vector<uint32_t>({0x11u, 0x33u}));
        EXPECT_EQ(keys(2, radio), std::vector<uint32_t>({0x11u, newKey, 0x33u}));
        EXPECT_EQ(0, std::memcmp(&ChannelTable(*a, radio)[1], &edited, sizeof edited));

        // A full group takes no key; the record keeps its bit.
        for (int i = 0; i < 200; ++i)
            AddFavEntry(*a, 3, 0x1000u + uint32_t(i), !radio);
        edited.usFavBits |= 0b1000;
        EXPECT_EQ(StoreEditedChannel(*a, radio, 1, edited), 0b1000);
        EXPECT_EQ(FindFavEntry(*a, 3, newKey, radio), kFavFullOrMissing);
        EXPECT_EQ(ChannelTable(*a, radio)[1].usFavBits, edited.usFavBits);

        EXPECT_EQ(StoreEditedChannel(*a, radio, 2, edited), -1);
        EXPECT_EQ(StoreEditedChannel(*a, radio, -1, edited), -1);
    }
}

} // namespace

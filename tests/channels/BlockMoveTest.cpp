// The block move's row arithmetic against a plain reference: dropping the
// selected rows into any gap of random lists through MoveChannelRows.
#include "BlockMove.h"
#include "ChannelOperations.h"
#include "DatabaseBuilders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// The listed order after dropping the chosen rows into gap: the rows that
// stay and lie above the gap, the chosen rows in order, the other rows.
std::vector<int> DroppedOrder(const std::vector<bool>& chosen, int gap)
{
    std::vector<int> order;
    for (int pass = 0; pass < 3; ++pass)
        for (int p = 0; p < int(chosen.size()); ++p)
            if ((pass == 1) == chosen[size_t(p)] && (pass == 1 || (pass == 0) == (p < gap)))
                order.push_back(p);
    return order;
}

TEST(BlockMoveTest, EveryGapPutsTheBlockWhereTheArithmeticSays)
{
    std::mt19937 rng(7);
    auto db = MakeEmptyDatabase();
    for (int round = 0; round < 300; ++round) {
        const int count = 1 + int(rng() % 30);
        // A sparse or dense subset of a table, listed in table order.
        std::vector<int> rowMap;
        for (int i = 0; i < 2 * count && int(rowMap.size()) < count; ++i)
            if (rng() % 2 || 2 * count - i == count - int(rowMap.size()))
                rowMap.push_back(i);
        std::vector<int> selected;
        for (int r = 0; r < count; ++r)
            if (rng() % 3 == 0)
                selected.push_back(r);
        if (selected.empty())
            selected.push_back(int(rng() % count));
        const std::vector<bool> chosen = ChosenRows(count, selected);

        for (int gap = 0; gap <= count; ++gap) {
            // Table slot i holds the channel with service id i.
            db->header.sTVNumber = 0;
            for (int i = 0; i < 2 * count; ++i)
                AppendChannel(*db, false, MakeChannel("", 1, uint16_t(i)));
            const int target = TargetForGap(chosen, gap);
            ASSERT_EQ(MoveChannelRows(*db, false, rowMap, selected, target), kChannelDone);
            const std::vector<int> expected = DroppedOrder(chosen, gap);
            // The block starts after the rows above the gap that stay.
            EXPECT_EQ(BlockStart(chosen, target), int(std::count(chosen.begin(), chosen.begin() + gap, false)))
                << "round " << round << " gap " << gap;
            for (int p = 0; p < count; ++p)
                ASSERT_EQ(db->TvChannelTable[size_t(rowMap[size_t(p)])].usServiceId,
                          rowMap[size_t(expected[size_t(p)])])
                    << "round " << round << " gap " << gap << " row " << p;
        }
    }
}

} // namespace

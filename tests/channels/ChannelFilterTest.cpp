// The list's filter against a plain reference on random channels.
#include "BitFields.h"
#include "ChannelFilter.h"
#include "DatabaseBuilders.h"
#include "ModelOperations.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return upper;
}

bool ReferencePasses(const ChannelFilter& filter, const ChannelRecord& c)
{
    return Upper(FieldText(c.acName)).find(Upper(filter.strText)) != std::string::npos &&
           (filter.scramble == ScrambleFilter::Any ||
            (ChCas(c) != 0) == (filter.scramble == ScrambleFilter::CasOnly)) &&
           (!filter.bLockedOnly || ChLocked(c));
}

TEST(ChannelFilterTest, KeepsTheListedChannelsTheReferencePasses)
{
    std::mt19937 rng(11);
    auto db = MakeEmptyDatabase();
    const char letters[] = "sSpPoOrRtT ";
    for (int round = 0; round < 200; ++round) {
        ResetDatabase(*db);
        const bool radio = rng() % 2;
        const int count = int(rng() % 60);
        for (int i = 0; i < count; ++i) {
            std::string name;
            for (int k = int(rng() % 28); k > 0; --k) // up to 27 bytes: some names fill the field
                name += letters[rng() % (sizeof letters - 1)];
            ChannelRecord c = MakeChannel(name, 1, uint16_t(i));
            SetChLocked(c, rng() % 2);
            c.ulChFlags |= rng() % 2 ? (1u << (8 + rng() % 16)) : 0; // any CAS bit makes it scrambled
            AppendChannel(*db, radio, c);
        }
        ChannelFilter filter;
        for (int k = int(rng() % 4); k > 0; --k)
            filter.strText += letters[rng() % (sizeof letters - 1)];
        filter.scramble = ScrambleFilter(rng() % 3);
        filter.bLockedOnly = rng() % 2;
        // Some listed entries are not channels of the table: they go.
        std::vector<int> rowMap;
        for (int i = -1; i <= count; ++i)
            if (rng() % 3)
                rowMap.push_back(i);
        std::vector<int> expected;
        for (int i : rowMap)
            if (i >= 0 && i < count && ReferencePasses(filter, ChannelTable(*db, radio)[size_t(i)]))
                expected.push_back(i);
        const int kept = FilterRowMap(*db, radio, filter, rowMap);
        rowMap.resize(size_t(kept));
        EXPECT_EQ(rowMap, expected) << "round " << round << " text '" << filter.strText << "'";
    }
    // Typed text no name can hold (a NUL byte) matches nothing.
    std::vector<int> all = {0};
    EXPECT_EQ(FilterRowMap(*db, false, ChannelFilter{std::string(1, '\0')}, all), 0);
    EXPECT_FALSE(FilterActive(ChannelFilter{}));
    EXPECT_TRUE(FilterActive(ChannelFilter{"", ScrambleFilter::Any, true}));
}

} // namespace

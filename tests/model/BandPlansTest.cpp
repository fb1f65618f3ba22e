#include "BandPlans.h"

#include <gtest/gtest.h>

namespace {

struct FrequencyCase {
    uint32_t freqKHz;
    uint8_t ucChanTable;
    int channel;
};

void PrintTo(const FrequencyCase& c, std::ostream* os)
{
    *os << c.freqKHz << " kHz, selector " << int(c.ucChanTable) << " -> " << c.channel;
}

class ChannelFromFrequencyTest : public testing::TestWithParam<FrequencyCase> {};

TEST_P(ChannelFromFrequencyTest, FindsTheChannelOfTheChosenPlan)
{
    const FrequencyCase& c = GetParam();
    EXPECT_EQ(c.channel, ChannelFromFrequency(c.freqKHz, c.ucChanTable));
}

INSTANTIATE_TEST_SUITE_P(
    Plans, ChannelFromFrequencyTest,
    testing::Values(
        // Default plan (selector 4 and the others that share it).
        FrequencyCase{482000, 4, 22}, FrequencyCase{177500, 4, 5}, FrequencyCase{226500, 4, 12},
        FrequencyCase{233500, 4, 0}, FrequencyCase{474000, 4, 21}, FrequencyCase{866000, 4, 70},
        FrequencyCase{874000, 4, 0}, FrequencyCase{482000, 1, 22}, FrequencyCase{482000, 22, 22},
        // Selectors above 24 use the default plan.
        FrequencyCase{482000, 25, 22}, FrequencyCase{177500, 255, 5},
        // Selector 6: one VHF channel fewer.
        FrequencyCase{219500, 6, 11}, FrequencyCase{226500, 6, 0},
        // UHF only: the VHF frequencies of the default plan are not channels.
        FrequencyCase{177500, 7, 0}, FrequencyCase{474000, 12, 21}, FrequencyCase{866000, 18, 70},
        // Selector 0: four 6 MHz bands with gaps between them.
        FrequencyCase{54000, 0, 2}, FrequencyCase{66000, 0, 4}, FrequencyCase{72000, 0, 0}, FrequencyCase{76000, 0, 5},
        FrequencyCase{470000, 0, 14}, FrequencyCase{692000, 0, 51}, FrequencyCase{698000, 0, 0},
        // Selectors 3 and 13: single-channel bands at odd offsets.
        FrequencyCase{57750, 3, 2}, FrequencyCase{61000, 3, 3}, FrequencyCase{177500, 3, 4},
        FrequencyCase{62000, 13, 2}, FrequencyCase{96000, 13, 5}, FrequencyCase{178000, 13, 6},
        // Selector 19 starts at 473000 in 6 MHz steps.
        FrequencyCase{474000, 19, 0}, FrequencyCase{473000, 19, 14}, FrequencyCase{479000, 19, 15},
        FrequencyCase{881000, 19, 82}, FrequencyCase{887000, 19, 0},
        // Selector 20: 7 MHz UHF raster.
        FrequencyCase{140500, 20, 6}, FrequencyCase{480500, 20, 15}, FrequencyCase{816500, 20, 63},
        // Selector 21: gaps after channel 5 and after channel 24.
        FrequencyCase{84000, 21, 5}, FrequencyCase{92000, 21, 0}, FrequencyCase{474000, 21, 13},
        FrequencyCase{562000, 21, 24}, FrequencyCase{570000, 21, 0}, FrequencyCase{610000, 21, 25},
        // Selectors 23 and 24 on the 473143 kHz raster.
        FrequencyCase{473143, 23, 13}, FrequencyCase{473143, 24, 14}, FrequencyCase{177143, 24, 7},
        FrequencyCase{473000, 24, 0},
        // Off the grid or outside every band.
        FrequencyCase{482001, 4, 0}, FrequencyCase{481999, 4, 0}, FrequencyCase{0, 4, 0},
        FrequencyCase{0xFFFFFFFF, 4, 0}, FrequencyCase{0xFFFFFFFF, 0, 0}));

} // namespace

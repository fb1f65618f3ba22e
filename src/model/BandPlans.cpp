#include "BandPlans.h"

#include "Debug.h"

namespace {

constexpr Band kPlanEurope[] = {{177500, 7, 5, 8}, {474000, 8, 21, 50}};
constexpr Band kPlan6[] = {{177500, 7, 5, 7}, {474000, 8, 21, 50}};
constexpr Band kPlanUhfOnly[] = {{474000, 8, 21, 50}};
constexpr Band kPlan0[] = {{54000, 6, 2, 3}, {76000, 6, 5, 2}, {174000, 6, 7, 7}, {470000, 6, 14, 38}};
constexpr Band kPlan3[] = {
    {53000, 7, 1, 1}, {57750, 7, 2, 1}, {61000, 7, 3, 1}, {177500, 7, 4, 8}, {474000, 8, 21, 50}};
constexpr Band kPlan13[] = {
    {52500, 7, 1, 1}, {62000, 8, 2, 1}, {80000, 8, 3, 3}, {178000, 8, 6, 7}, {474000, 8, 21, 50}};
constexpr Band kPlan19[] = {{473000, 6, 14, 69}};
constexpr Band kPlan20[] = {{59500, 7, 1, 2},  {88500, 7, 3, 1},  {97500, 7, 4, 2},
                            {140500, 7, 6, 1}, {177500, 7, 7, 8}, {480500, 7, 15, 49}};
constexpr Band kPlan21[] = {
    {52500, 8, 1, 3}, {76000, 8, 4, 2}, {171000, 8, 6, 7}, {474000, 8, 13, 12}, {610000, 8, 25, 44}};
constexpr Band kPlan23[] = {{473143, 6, 13, 49}};
constexpr Band kPlan24[] = {{177143, 6, 7, 7}, {473143, 6, 14, 56}};

} // namespace

std::span<const Band> BandPlan(uint8_t ucChanTable)
{
    switch (ucChanTable) {
    case 0: return kPlan0;
    case 3: return kPlan3;
    case 6: return kPlan6;
    case 7:
    case 12:
    case 14:
    case 18: return kPlanUhfOnly;
    case 13: return kPlan13;
    case 19: return kPlan19;
    case 20: return kPlan20;
    case 21: return kPlan21;
    case 23: return kPlan23;
    case 24: return kPlan24;
    default: return kPlanEurope;
    }
}

int ChannelFromFrequency(uint32_t freqKHz, uint8_t ucChanTable)
{
    DebugPrint("get mux,ucChanTable%d\n", ucChanTable);
    for (const Band& band : BandPlan(ucChanTable)) {
        const uint32_t step = band.ulBandwidthMHz * 1000;
        if (freqKHz < band.ulStartKHz || (freqKHz - band.ulStartKHz) % step != 0)
            continue;
        const uint32_t offset = (freqKHz - band.ulStartKHz) / step;
        if (offset < band.ulChannelCount)
            return int(band.ulFirstChannel + offset);
    }
    return 0;
}

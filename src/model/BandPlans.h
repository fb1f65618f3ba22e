// Terrestrial channel plans: which channel number a frequency is in each of the
// receiver's plans (chosen by the settings' ucChanTable selector).
#pragma once

#include <cstdint>
#include <span>

struct Band {
    uint32_t ulStartKHz;
    uint32_t ulBandwidthMHz;
    uint32_t ulFirstChannel;
    uint32_t ulChannelCount;
};

// The bands of the plan for a selector; values without a plan of their own
// (and any above 24) use the plan of selector 4.
std::span<const Band> BandPlan(uint8_t ucChanTable);

// Channel number whose frequency is exactly freqKHz in the chosen plan, or 0.
int ChannelFromFrequency(uint32_t freqKHz, uint8_t ucChanTable);

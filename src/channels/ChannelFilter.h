// The channel list's filter: which of the rows listed for the tree's choice
// stay in the list. Plain data and functions over the database; the filter
// bar fills it and every fill pass applies it to the row map, so that the
// commands keep working on records whatever is hidden.
#pragma once

#include "Database.h"

#include <span>
#include <string>

enum class ScrambleFilter { Any, FtaOnly, CasOnly };

struct ChannelFilter {
    // Record bytes the name must contain, letter case ignored; empty for any
    // name. A NUL byte stands for typed text no name can hold.
    std::string strText;
    ScrambleFilter scramble = ScrambleFilter::Any;
    bool bLockedOnly = false;
};

// True when the filter may hide a channel.
bool FilterActive(const ChannelFilter& filter);

// Keeps, in their order and at the front of rowMap, the listed channels (of
// the TV or, with radio, the radio table) that pass the filter; returns how
// many. Entries that are not channels of the table are dropped.
int FilterRowMap(const Database& db, bool radio, const ChannelFilter& filter, std::span<int> rowMap);

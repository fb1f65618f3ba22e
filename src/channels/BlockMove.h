// The block move of the list's selected rows, as row arithmetic: where the
// block lands for a target row (the rule of the Move command), and which
// target row drops the block into a gap between two rows, as dragging and
// the Alt keys ask for. Plain functions; MoveChannelRows applies the result
// to the records.
#pragma once

#include <span>
#include <vector>

// One flag per row of a list of rowCount rows: true for the selected rows
// (rows outside the list are ignored).
std::vector<bool> ChosenRows(int rowCount, std::span<const int> selectedRows);

// The row on which the block of chosen rows starts after the move to target
// (0 <= target < chosen.size()): the rows coming down from above end on the
// target row, a chosen target row stays where it is, and without rows from
// above the block starts on the target row. The block then covers the rows
// start .. start + (number of chosen rows) - 1.
int BlockStart(const std::vector<bool>& chosen, int target);

// The target row that moves the chosen rows (at least one) into gap, 0
// before the first row up to chosen.size() after the last: the block then
// follows the rows above the gap that are not chosen.
int TargetForGap(const std::vector<bool>& chosen, int gap);

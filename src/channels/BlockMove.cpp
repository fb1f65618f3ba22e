#include "BlockMove.h"

#include <algorithm>

std::vector<bool> ChosenRows(int rowCount, std::span<const int> selectedRows)
{
    std::vector<bool> chosen(size_t(std::max(rowCount, 0)), false);
    for (int r : selectedRows)
        if (r >= 0 && r < rowCount)
            chosen[size_t(r)] = true;
    return chosen;
}

int BlockStart(const std::vector<bool>& chosen, int target)
{
    const int above = int(std::count(chosen.begin(), chosen.begin() + target, true));
    return target - above + (chosen[size_t(target)] || above == 0 ? 0 : 1);
}

int TargetForGap(const std::vector<bool>& chosen, int gap)
{
    // The block lands after the k rows above the gap that stay. With a chosen
    // row above the last of them (u), targeting u puts the block right after
    // it; otherwise rows 0 .. u are all unchosen and the row after u starts
    // the block.
    int k = 0, u = -1, chosenAbove = 0, chosenBeforeU = 0;
    for (int p = 0; p < gap && p < int(chosen.size()); ++p) {
        if (chosen[size_t(p)]) {
            ++chosenAbove;
        } else {
            ++k;
            u = p;
            chosenBeforeU = chosenAbove;
        }
    }
    if (k == 0)
        return 0;
    return chosenBeforeU > 0 ? u : u + 1;
}

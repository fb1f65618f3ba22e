#include "ViewPlace.h"

#include "CEditZarnView.h"
#include "CLeftView.h"

#include <span>

// Layout: mode, length of the tree path, the path, then the channels.
std::vector<int> CaptureViewPlace(const CLeftView& tree, const CEditZarnView& list)
{
    const std::vector<int> path = tree.CurrentPath();
    std::vector<int> place{list.iTvRadioMode, int(path.size())};
    place.insert(place.end(), path.begin(), path.end());
    for (int row : list.SelectedRows())
        place.push_back(list.aiRowChannel[size_t(row)]);
    return place;
}

std::vector<int> PlaceWithoutSelection(std::vector<int> place)
{
    if (place.size() >= 2)
        place.resize(std::min(place.size(), size_t(2 + std::max(place[1], 0))));
    return place;
}

void RestoreViewPlace(CLeftView& tree, CEditZarnView& list, const std::vector<int>& place)
{
    const std::vector<int> now = place.size() >= 2 ? place : CaptureViewPlace(tree, list);
    const size_t pathLength = std::min(size_t(std::max(now[1], 0)), now.size() - 2);
    const std::span<const int> path(now.data() + 2, pathLength);
    const std::span<const int> channels =
        place.size() >= 2 ? std::span<const int>(now).subspan(2 + pathLength) : std::span<const int>();
    list.iTvRadioMode = now[0] == 1 ? 1 : 0;
    // A node that reports a selection refills the list; any other leaves
    // the list showing what it showed, refilled here.
    if (!tree.RefillTree({path.begin(), path.end()}))
        list.RefreshChannelList(list.iTvRadioMode);
    list.SelectChannels(channels);
}

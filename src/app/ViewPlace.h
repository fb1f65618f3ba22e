// Where the user is in the two panes, kept with each step of the editing
// history as plain numbers: the TV/Radio mode, the positions from the tree's
// top level down to its current node, and the selected channels (indices
// into the working table).
#pragma once

#include <vector>

class CEditZarnView;
class CLeftView;

std::vector<int> CaptureViewPlace(const CLeftView& tree, const CEditZarnView& list);

// place with its channels dropped: the same mode and tree node.
std::vector<int> PlaceWithoutSelection(std::vector<int> place);

// Shows the database as it is after an undo or redo and goes back to place:
// the same mode, the same tree node and the same channels selected, as far
// as they still exist. An empty place keeps the mode and node as they are.
void RestoreViewPlace(CLeftView& tree, CEditZarnView& list, const std::vector<int>& place);

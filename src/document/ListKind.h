// What the channel list shows, as the tree reports it on a selection. The
// tree and the list share these values; neither includes the other.
#pragma once

enum ListKind { kListNone = -1, kListAll = 0, kListSatellite = 1, kListTransponder = 2, kListFavGroup = 3 };

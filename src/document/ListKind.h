// What the channel list shows, as the tree reports it on a selection. The
// tree and the list share these values; neither includes the other.
#pragma once

enum ListKind {
    kListNone = -1,
    kListAll = 0,
    kListSatellite = 1,
    kListTransponder = 2,
    kListFavGroup = 3,
    // The channels on transponders of one kind, and those in any group: what
    // the "Satellite", "Terrestrial", "Cable", "ISDB" and "FAV List" roots stand for.
    kListSatelliteTps = 4,
    kListTerrestrialTps = 5,
    kListCableTps = 6,
    kListIsdbTps = 7,
    kListAnyFavGroup = 8,
};

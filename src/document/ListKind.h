// What the channel list shows, as the tree reports it on a selection, and
// what a drag of its rows carries. The tree and the list share these values;
// neither includes the other.
#pragma once

#include <QByteArray>
#include <QCoreApplication>

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

// What a drag of the channel list's rows carries (the list drops them
// between its rows, the tree onto a favourite group): the program's origin
// (ChannelRowsOrigin) followed by the list's identity; the list's selection
// says which rows. Rows from another running program are not taken.
inline constexpr char kChannelRowsMimeType[] = "application/x-editzarn-channel-rows";
inline QByteArray ChannelRowsOrigin() { return QByteArray::number(QCoreApplication::applicationPid()) + ':'; }

// A favourite group in the order the file keeps it, and the edits of its
// membership and order. A group lists its channels by ChannelKey (TV entries
// from slot 0 up, radio entries from slot 199 down) and every channel carries
// its membership bit. The list of a group shows its entries in stored order,
// each as the first channel of the table with that key and the bit that no
// earlier entry shows, then the channels that have the bit but no entry, in
// table order; every channel with the bit appears once. Reordering the rows
// a list shows (all of the group, or those a filter keeps) moves them among
// the places they hold in that whole list, every other member keeping its
// place, and writes the keys of the whole list as the group's entries for the
// table (so the channels shown from their bit alone get entries); the channel
// table itself never changes. Plain functions; they report by code and show
// no message.
#pragma once

#include "Database.h"

#include <span>
#include <vector>

// The group would pass 200 entries (TV and radio together).
inline constexpr int kFavGroupFull = -4;

// Writes the channel indices of group's list for the TV (radio false) or
// radio table to aiRowChannel, at most its size; returns how many.
int FillFavouriteRows(const Database& db, bool radio, int group, std::span<int> aiRowChannel);

// Moves the selected rows of the group's list (rowMap, as filled above, or
// the part of it a filter keeps, in its order) as one block to the target
// row, as MoveChannelRows does with the table, and stores the resulting
// order as the group's entries. kChannelDone,
// kRowOutOfRange, kFavGroupFull, or kChannelNothing when no valid row is
// selected, the row map is not the group's or the entries stay as they were.
int MoveFavouriteRows(Database& db, bool radio, int group, std::span<const int> rowMap,
                      std::span<const int> selectedRows, int target);

// Sorts the group's listed rows by name (as SortRowsByName orders them) and
// stores the result as its entries. Codes as for MoveFavouriteRows.
int SortFavouriteRowsByName(Database& db, bool radio, int group, std::span<const int> rowMap, bool descending);

// Puts the group's listed rows in the order given (order[p] is the row that
// ends at position p, as ColumnSortOrder gives it) and stores the result as
// its entries. Codes as for MoveFavouriteRows.
int ReorderFavouriteRows(Database& db, bool radio, int group, std::span<const int> rowMap,
                         const std::vector<int>& order);

struct FavMembershipChange {
    int iChanged = 0; // channels that joined or left the group
    int iRefused = 0; // channels the full group could not take
};

// Adds the channels (table indices, in this order) to the group: the bit is
// set and an entry appended. Channels already in the group (bit set) are
// skipped; once the group holds 200 entries the rest are refused and stay out.
FavMembershipChange AddChannelsToFavGroup(Database& db, bool radio, int group, std::span<const int> channels);

// Takes the channels out of the group: the bit is cleared and the entry
// with the channel's key removed. Channels not in the group are skipped.
FavMembershipChange RemoveChannelsFromFavGroup(Database& db, bool radio, int group, std::span<const int> channels);

// True when there is at least one channel and each has the group's bit.
bool AllInFavGroup(const Database& db, bool radio, int group, std::span<const int> channels);

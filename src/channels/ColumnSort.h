// The sort by a column of the list, as a click on the column's header asks
// for: the listed rows ordered by what the column shows. Number columns
// (Index, the PIDs, Service ID) compare as numbers; every other column
// compares its text in natural order: bytes with their letter case folded as
// the name sorts fold it (FoldLetterCase), and where both texts have digits
// at the same place the two runs of digits compare as numbers, so "Cinema 2"
// comes before "Cinema 10". The words of the Lock, My Fav and Satellite
// columns compare as the record texts (English) whatever language the window
// shows. Rows with equal keys keep their order. Plain functions; the view
// applies the order with ReorderRows or ReorderFavouriteRows.
#pragma once

#include "ChannelCells.h"
#include "ReferenceList.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// What a row of the list is sorted by in one column.
struct ColumnSortKey {
    int64_t iNumber = 0; // number columns
    uint8_t ucLength = 0;
    std::array<unsigned char, kChannelNameSize> acText{}; // other columns: folded bytes
};

// The key of listed row `row` showing `channel` in column; tpSlots maps the
// transponder ids to their slots (IndexTransponders), made once for all rows.
ColumnSortKey MakeColumnSortKey(const Database& db, bool radio, const TpSlotIndex& tpSlots, RowFilter filter, int row,
                                int channel, int column);

// Negative, zero or positive as a sorts before, with or after b in column.
int CompareColumnKeys(const ColumnSortKey& a, const ColumnSortKey& b, int column);

// The order of the listed rows (rowMap, every entry a channel of the table)
// sorted by the column, ascending or descending: order[p] is the row that
// ends at position p.
std::vector<int> ColumnSortOrder(const Database& db, bool radio, RowFilter filter, std::span<const int> rowMap,
                                 int column, bool descending);

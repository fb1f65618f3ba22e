// The channel editing operations: pure functions over the database and the
// values a dialog returned. They work on one channel table at a time (the TV
// table, or the radio table when radio is true) and on the rows of the list
// as a row map (row r shows channel rowMap[r]). They report by return code
// and never show a message; records are always moved whole.
#pragma once

#include "Database.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

inline constexpr int kChannelDone = 1;
inline constexpr int kChannelNothing = 0; // nothing to act on: no change
inline constexpr int kChannelsFull = -2;  // 8000 channels in both tables together
inline constexpr int kRowOutOfRange = -3; // a target row outside the list

inline constexpr int kMaxChannelsTotal = 8000;
inline constexpr int kSortedTpIds = 4000;     // transponder ids the transponder sort collects
inline constexpr int kSortedSatellites = 100; // satellite indices the satellite sort collects

// True when no channel may be added (both tables together hold 8000 or more).
bool ChannelsFull(const Database& db);

// PIDs below this one carry the transport stream's own tables.
inline constexpr int16_t kFirstStreamPid = 32;

// The record a new channel starts from: zero but for the marker, the
// transponder chosen in the tree (selectedTpId, -1 for none), the PCR and
// teletext PIDs 8191 and the video PID 8191 for radio, 32 for TV.
ChannelRecord MakeChannelTemplate(int selectedTpId, bool radio);

// Appends a new channel to the radio table when its video PID is 8191,
// otherwise to the TV table. kChannelDone, or kChannelsFull.
int AddChannelRecord(Database& db, const ChannelRecord& channel);

// Stores edited over channel index of the table and brings the favourite
// group lists in step with its favourite bits: a group whose bit became set
// gets the channel's key, a group whose bit was cleared loses the key the
// channel had, and a group whose bit stays set has its entry for the old key
// replaced in place when the key changed. Returns the groups (bit g for group
// g) that were full and could not take the key, or -1 when index is not a
// channel of the table (nothing changed then).
int StoreEditedChannel(Database& db, bool radio, int index, const ChannelRecord& edited);

// Removes the given channels (indices into the table, any order; invalid and
// repeated ones are ignored) in one pass; the others keep their order.
// Returns how many were removed.
int DeleteChannelRecords(Database& db, bool radio, std::span<const int> channels);

// Exchanges the records of rows row and target. kChannelDone, kRowOutOfRange
// for a target outside the list, kChannelNothing for a bad row.
int SwapChannelRows(Database& db, bool radio, std::span<const int> rowMap, int row, int target);

// Moves the selected rows as one block, in their earlier order, to the
// target row; the other rows keep their order around it. Selected rows above
// the target end on the target row and those below follow; without any from
// above the block starts on the target row; a selected target row stays where
// it is. Only the listed positions take part. kChannelDone, kRowOutOfRange,
// or kChannelNothing when no valid row is selected.
int MoveChannelRows(Database& db, bool radio, std::span<const int> rowMap, std::span<const int> selectedRows,
                    int target);
// The row order that move gives a list of rows: order[p] is the row that
// ends at position p. kChannelDone, kRowOutOfRange, or kChannelNothing when
// no valid row is selected (order is then left as it was).
int BlockMoveOrder(int rows, std::span<const int> selectedRows, int target, std::vector<int>& order);

// A byte of a name as the name sorts (and the channel filter) compare it:
// the Latin-1 small letters a-z, U+00E0-U+00FE but U+00F7 become their
// capitals (e-acute = E-acute); every other byte stays as it is.
inline unsigned char FoldLetterCase(unsigned char c)
{
    const bool small = (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
    return small ? static_cast<unsigned char>(c - 0x20) : c;
}

// Puts the listed positions in the order given: order[p] is the listed
// position whose record ends at position p. kChannelDone, or kChannelNothing
// when the row map does not fit the table or the order is the one they have.
int ReorderRows(Database& db, bool radio, std::span<const int> rowMap, const std::vector<int>& order);

// Reorders the listed positions by name, A to Z or (descending) Z to A.
// Names compare byte by byte, unsigned, after FoldLetterCase; channels with
// equal names keep their order. kChannelDone, or
// kChannelNothing when the row map does not fit the table.
int SortRowsByName(Database& db, bool radio, std::span<const int> rowMap, bool descending);
// The row order of that sort (order[p] is the row that ends at position p);
// every entry of rowMap must be a channel of the table.
std::vector<int> NameSortOrder(const Database& db, bool radio, std::span<const int> rowMap, bool descending);

// True when there is at least one channel and every one is locked.
bool AllLocked(const Database& db, bool radio, std::span<const int> channels);
// Locks (or unlocks) the channels; returns how many changed. Invalid indices
// are skipped.
int SetChannelsLocked(Database& db, bool radio, std::span<const int> channels, bool locked);

// Reorders the whole table by transponder id (0..3999), or by the satellite
// of the channel's transponder (0..99). Stable; channels outside those ranges
// (no transponder, ids from 4000, satellites from 100) follow all others in
// their earlier order.
void SortChannelsByTransponder(Database& db, bool radio);
void SortChannelsBySatellite(Database& db, bool radio);

// For each transponder id (12 bits), the satellite index of the first
// transponder in table order that carries it, or -1 (the transponder slots
// themselves: IndexTransponders).
using SatIndexTable = std::array<int16_t, 4096>;
SatIndexTable SatIndexByTpId(const Database& db);
// The entry of a table above, or of IndexTransponders', for a channel's
// transponder id; -1 past the table.
inline int TpIdEntry(const std::array<int16_t, 4096>& table, uint16_t tpId)
{
    return tpId < table.size() ? table[tpId] : -1;
}

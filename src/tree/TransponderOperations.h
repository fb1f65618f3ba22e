// Transponder editing on the database for all four kinds: the new-record
// defaults, adding with the duplicate rules and a fresh TpId, checking an
// edit for duplicates, and deleting with the transponder's channels. Results
// are codes; nothing here shows a message.
#pragma once

#include "Database.h"

#include <cstdint>
#include <vector>

inline constexpr int kTpFull = -2;   // 4000 transponders, or no TpId left
inline constexpr int kTpExists = -3; // an equal transponder is already in the table
inline constexpr int kTpBadIndex = -1;

// New records of each kind.
TransponderRecord DefaultSatelliteTp(int satIndex);
TransponderRecord DefaultCableTp();
// Kind kTpTerrestrial or kTpIsdbt; the channel number comes from the plan.
TransponderRecord DefaultTerrestrialTp(uint32_t kind, uint8_t ucChanTable);
// Bits 12-19 of a terrestrial or ISDB-T transponder: its channel of the plan.
void SetTerrestrialChannel(TransponderRecord& tp, uint8_t ucChanTable);

// The lowest TpId in 0..3999 that no transponder uses, or -1.
int LowestFreeTpId(const Database& db);

// The first record other than skipIndex that counts as the same transponder
// as tp, whatever its kind, or -1. The rule is that of tp's kind; an edit
// also compares the FEC of satellite transponders.
int FindDuplicateTransponder(const Database& db, const TransponderRecord& tp, bool edit, int skipIndex);

// Appends tp with a fresh TpId (its bits 0-19 kept). Returns the new slot,
// kTpFull or kTpExists.
int AddTransponder(Database& db, const TransponderRecord& tp);
// True when the edited copy of record index does not equal another record.
bool ValidateEditedTransponder(const Database& db, const TransponderRecord& tp, int index);
// Removes record index and every TV and radio channel of its TpId; later
// records move down one slot, and its satellite's chosen transponder stays
// the same one (none when it was this one). Returns the channels removed,
// or kTpBadIndex.
int DeleteTransponder(Database& db, int index);

// The satellite transponders of satellite sat, by record index in table order.
std::vector<int> SatelliteTransponders(const Database& db, int sat);

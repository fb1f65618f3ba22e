// Satellite (antenna) editing on the database: add, replace, move, swap and
// delete. A satellite's transponders name it by its slot, so every change of
// slots rewrites their satellite indices, and a delete takes the satellite's
// transponders and their channels with it. Results are codes; nothing here
// shows a message.
#pragma once

#include "Database.h"

inline constexpr int kSatDone = 1;
inline constexpr int kSatOutOfRange = -1; // an index outside 0 .. sSatNumber-1
inline constexpr int kSatFull = -2;       // 100 satellites exist

// The record the Add Antenna command starts from: "New SAT", Universal LNB.
SatelliteRecord DefaultSatellite();

// The LNB type (index into kLnbTypes) that a satellite's oscillator values
// and band flag stand for, or -1 when none does. "User define" is never the
// answer.
int LnbTypeOfSatellite(const SatelliteRecord& sat);

// Bits of ulSatPos that a newly shown satellite starts without.
void ClearNewSatelliteBits(SatelliteRecord& sat);

// Stores sat at slot sSatNumber and raises the count. Returns the slot, or kSatFull.
int AddSatellite(Database& db, const SatelliteRecord& sat);
int ReplaceSatellite(Database& db, int index, const SatelliteRecord& sat);

// Takes satellite from out and puts it at slot to; the satellites between
// close up, and the transponders follow their satellites.
int MoveSatellite(Database& db, int from, int to);
// Exchanges two satellites, and the satellite indices of their transponders.
int SwapSatellites(Database& db, int a, int b);
// Removes a satellite with its satellite transponders and their TV and radio
// channels; later satellites move down one slot. Returns the number of
// transponders removed, or kSatOutOfRange.
int DeleteSatellite(Database& db, int index);

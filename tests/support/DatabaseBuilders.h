// Builders for databases and records used across the tests.
#pragma once

#include "Database.h"

#include <cstdint>
#include <memory>
#include <random>
#include <string_view>
#include <vector>

// Databases are several megabytes; tests keep them on the heap.
std::unique_ptr<Database> MakeEmptyDatabase();

// A database with random but valid contents in every table, as a file from
// the receiver could hold: random counts, names, text slots, audio and
// auxiliary entries, flags and favourites.
std::unique_ptr<Database> MakeRandomDatabase(std::mt19937& rng);
// The same, written over an existing database so that loops reuse one
// allocation. Most databases are small; about one in eight holds up to a few
// hundred records per table.
void FillRandomDatabase(Database& db, std::mt19937& rng);

ChannelRecord MakeChannel(std::string_view name, uint16_t tpId, uint16_t serviceId);
TransponderRecord MakeSatelliteTp(uint32_t tpId, uint32_t satIndex, uint16_t freq);

// The debris of a few careless edits, put into the typical demo database:
// its first 30 TV channels copied to the end of the table (every third copy
// locked, every fifth one put into group 4), transponder 41 deleted without
// its channels, a key of no channel in group 2 (TV) and group 3 (radio), and
// a copy of transponder 13 at 1 MHz more. The database check finds exactly
// these: kDemoDebrisDuplicates duplicates, the deleted transponder's
// channels, 2 stale entries and 1 duplicate transponder.
inline constexpr int kDemoDebrisDuplicates = 30;
void AddDemoDebris(Database& db);

// Appends a channel to the TV (radio false) or radio table.
void AppendChannel(Database& db, bool radio, const ChannelRecord& channel);
void AppendTransponder(Database& db, const TransponderRecord& tp);

// A whole file: header with the given fields and a compressed payload.
std::vector<uint8_t> MakeFile(SdxHeader header, const std::vector<uint8_t>& payload);

// Both databases hold the same header counts and the same records in use.
void ExpectSameTables(const Database& a, const Database& b);

// Header, every table (unused slots included) and the delivery flags are
// byte-identical; only the PackedImage scratch buffer may differ.
void ExpectSameDatabase(const Database& a, const Database& b);

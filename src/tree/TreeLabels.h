// What the satellite and transponder tree shows, as plain functions over the
// records: the node labels, the rows of transponders under each satellite and
// category, and the whole outline of a filled tree. The tree view, printing
// and sdxtool all use these, so they read the same everywhere.
#pragma once

#include "Database.h"
#include "Translatable.h"

#include <array>
#include <string>
#include <vector>

// Rows of transponders: 0..99 belong to the satellites with that index; the
// categories have rows of their own (100 is never used).
inline constexpr int kTerrestrialRow = 101;
inline constexpr int kIsdbRow = 102;
inline constexpr int kCableRow = 103;
inline constexpr int kTpRowCount = 104;

// The fixed top-level nodes, in their order.
enum RootPosition {
    kRootAllServices = 0,
    kRootSatellite = 1,
    kRootChannelList = 2,
    kRootFavList = 3,
    kRootTerrestrial = 4,
    kRootCable = 5,
    kRootIsdb = 6,
};
// The window shows them translated in the context "TreeLabels".
inline constexpr std::array<const char*, 7> kRootTexts = {
    TRANSLATABLE("TreeLabels", "All Services"), TRANSLATABLE("TreeLabels", "Satellite"),
    TRANSLATABLE("TreeLabels", "Channel List"), TRANSLATABLE("TreeLabels", "FAV List"),
    TRANSLATABLE("TreeLabels", "Terrestrial"),  TRANSLATABLE("TreeLabels", "Cable"),
    TRANSLATABLE("TreeLabels", "ISDB")};

// The row a transponder is listed in, or -1 (a satellite transponder whose
// satellite index is past the table).
int TransponderRow(const TransponderRecord& tp);
// The row of a category root position (4, 5, 6), or -1.
int CategoryRow(int rootPosition);
// The root position a row's node is under: its category, or Satellite.
int RootOfRow(int row);
// Whether the tree shows the category of a row (its delivery flag is set);
// false for every other row.
bool CategoryShown(const Database& db, int row);

// Record indices of every row in table order, one pass over the table. Rows
// of satellites past sSatNumber and categories whose delivery flag is clear
// stay empty, as the filled tree shows them.
using TransponderRows = std::array<std::vector<int>, kTpRowCount>;
TransponderRows BuildTransponderRows(const Database& db);
// The record indices of one row in table order.
std::vector<int> RowRecords(const Database& db, int row);

// position is 0-based; the labels show position + 1.
std::string LnbText(const SatelliteRecord& sat);
std::string SatelliteLabel(const SatelliteRecord& sat, int position);
std::string SatTransponderLabel(const TransponderRecord& tp, int position);
std::string TerrestrialLabel(const TransponderRecord& tp, int position);
std::string CableLabel(const TransponderRecord& tp, int position);
// The label of a transponder in its row (satellite, cable or terrestrial form).
std::string TransponderLabel(const TransponderRecord& tp, int row, int position);

// The text of a transponder after "Are you sure to delete this transponder ?".
std::string DeleteQuestionLine(const TransponderRecord& tp, int row, int position);

// Every node of the filled tree with all branches expanded, in display order.
struct TreeLine {
    int iDepth;
    std::string strLabel;
};
std::vector<TreeLine> TreeOutline(const Database& db);

// What the database check shows of each record it names: the rows of the
// Check Database dialog and the record lines of `sdxtool check --deep`, and
// where in the main window a record is. Widget-free, so sdxtool prints the
// same rows the dialog lists (in English: it installs no translator).
#pragma once

#include "DatabaseCheck.h"

#include <QString>

#include <vector>

struct CheckRow {
    QString strName;   // channel name, transponder label as in the tree, satellite or group name
    QString strList;   // TV or Radio; a transponder's satellite or category; "Satellite"
    int iNumber = 0;   // 1-based: the channel in the list of all channels, the transponder in its table,
                       // the satellite, the entry in its group's list, the group
    QString strDetail; // "keeps 17", "repeated key 0x00070001", ...
    // Where the record is: the TV/Radio mode (-1 for the one shown), the
    // tree's positions down to its node (empty: not in the tree) and the
    // channel to select (-1 for none).
    int iMode = -1;
    std::vector<int> aiPath;
    int iChannel = -1;

    // The place as the views restore it (ViewPlace): mode, path, channel.
    std::vector<int> Place(int currentMode) const;
};

// The translated name of a kind.
QString CheckKindName(CheckKind kind);

// One row per record of the kind, in the findings' order.
std::vector<CheckRow> CheckRows(const Database& db, const DatabaseFindings& findings, CheckKind kind);

// sdxtool's line of a record: tag, list, number, name and detail, separated by tabs.
QString CheckRecordLine(CheckKind kind, const CheckRow& row);

// Satellites and transponders taken from a transponder list (satellites.xml,
// cables.xml, terrestrial.xml): which database satellite a list entry stands
// for, the records its transponders become, and the plan of what taking the
// chosen entries does. The dialog's preview, sdxtool's report and applying
// all come from one plan, so what is shown is what is written.
#pragma once

#include "Database.h"
#include "TransponderList.h"
#include "Translatable.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Where a satellites-list entry is: its band ("C-band" in the name, else
// the Ku family), angle and direction.
struct ListSatellitePlace {
    bool bKu = true;
    uint32_t ulAngle = 0;
    bool bWest = false;
    bool bRefused = false; // the angle is above 1800: nothing is taken from the entry
};
ListSatellitePlace PlaceOfEntry(const ListEntry& entry);

// The database satellite a satellites-list entry updates; -1 when it adds
// one (or is refused).
int MatchListSatellite(const Database& db, const ListEntry& entry);

// The name a new satellite gets: the entry's name without its leading
// position word ("19.2E") and a band word after it ("C-band", "Ku-band",
// "Ka-band"), characters beyond Latin-1 as "?", at most 16 bytes.
std::string ListSatelliteName(std::string_view utf8Name);

// Cable and terrestrial lists fill branches that the tree shows only for a
// database with channels of that kind.
bool ListBranchShown(const Database& db, TransponderListKind kind);

struct ListChoice {
    std::vector<int> aiEntries; // indices of the chosen entries, taken in file order
    bool bRemoveUnused = false; // remove unmatched transponders that carry no channel
};

// What taking one entry does (or all of them, in the plan's total).
struct EntryReport {
    int iEntry = -1;
    int iSlot = -1; // satellites: the slot updated or added; -1 for cable and terrestrial
    bool bNewSatellite = false;
    bool bRefused = false;
    int iAdded = 0;
    int iUpdated = 0;
    int iUnchanged = 0;
    int iKept = 0;    // database transponders the list does not hold, left as they are
    int iRemoved = 0; // the same, removed (they carried no channel)
    int iOutOfRange = 0;
    int iNotStorable = 0;
    int iDuplicates = 0;
};

struct ListPlan {
    std::vector<EntryReport> aEntries;
    EntryReport total;
    int iNewSatellites = 0;
    // How many records the tables would hold beyond their capacity.
    int iSatellitesOver = 0;
    int iTranspondersOver = 0;
    // The satellite and transponder tables after applying.
    std::vector<SatelliteRecord> aSatellites;
    std::vector<TransponderRecord> aTransponders;

    bool Fits() const { return iSatellitesOver == 0 && iTranspondersOver == 0; }
    bool Changes() const;
};

// What taking the chosen entries of list (in file order) does to db;
// changes nothing.
ListPlan PlanTransponderList(const Database& db, const TransponderList& list, const ListChoice& choice);
// Writes the plan's tables into the database it was made for. Nothing is
// written, and false returned, when the plan does not fit or changes
// nothing. Channels never change.
bool ApplyListPlan(Database& db, const ListPlan& plan);

// The summary of one entry or of the total: %1 .. %9 stand for the counts in
// the order of EntrySummaryCounts. The window shows it translated.
inline constexpr char kEntrySummaryPattern[] =
    TRANSLATABLE("TransponderList", "%1 added, %2 updated, %3 unchanged, %4 kept, %5 removed, %6 skipped (%7 out of "
                                    "range, %8 not storable, %9 duplicates)");
inline constexpr char kEntryRefusedText[] =
    TRANSLATABLE("TransponderList", "refused: the position is beyond 180 degrees");
// The plan does not fit: %1 satellites and %2 transponders too many.
inline constexpr char kPlanOverPattern[] =
    TRANSLATABLE("TransponderList", "Does not fit: %1 satellites and %2 transponders too many; nothing is applied.");
std::array<int, 9> EntrySummaryCounts(const EntryReport& report);
// "3 added, 40 updated, ..." or the refusal, untranslated.
std::string DescribeEntrySummary(const EntryReport& report);

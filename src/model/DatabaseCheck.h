// The database check: the debris that rescans and edits leave in a database
// (the same service twice, channels of deleted transponders, favourite
// entries that list nothing, transponders of deleted satellites, two
// transponders that are one, ...), found without changing anything, and the
// fixes for it. Plain functions over the tables; the window, sdxtool and the
// tests use the same ones.
#pragma once

#include "Database.h"
#include "Translatable.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

enum class CheckKind : uint8_t {
    DuplicateChannels,     // channels of one table with the same identity
    OrphanChannels,        // channels whose TpId no transponder has
    StaleFavourites,       // entries that list no channel, or one more time than there are channels
    OrphanTransponders,    // satellite transponders whose satellite slot is past sSatNumber
    DuplicateTransponders, // transponders of one satellite and polarisation within the frequency tolerance
    EmptyTransponders,     // transponders no channel refers to
    ChosenTransponders,    // a satellite's chosen transponder past its list (and not 255)
    BadNames,              // channel names that are empty or hold control bytes
    DamagedCounts,         // favourite counts clipped on reading
};
inline constexpr int kCheckKindCount = 9;

struct CheckKindInfo {
    const char* pszName;    // the dialog's row, sdxtool's count line
    const char* pszNote;    // the status bar's part, %1 the count
    const char* pszNoteOne; // the same for a count of 1
    const char* pszTag;     // sdxtool's word at the start of a record line
    const char* pszOption;  // sdxtool clean's option; null for a kind without a fix
    bool bFixByDefault;
};

// The window shows the names and notes translated in the context "DatabaseCheck".
inline constexpr std::array<CheckKindInfo, kCheckKindCount> kCheckKinds = {{
    {TRANSLATABLE("DatabaseCheck", "Duplicate channels"), TRANSLATABLE("DatabaseCheck", "%1 duplicates"),
     TRANSLATABLE("DatabaseCheck", "%1 duplicate"), "duplicate", "duplicates", true},
    {TRANSLATABLE("DatabaseCheck", "Channels without a transponder"),
     TRANSLATABLE("DatabaseCheck", "%1 channels without a transponder"),
     TRANSLATABLE("DatabaseCheck", "%1 channel without a transponder"), "orphan-channel", "orphan-channels", false},
    {TRANSLATABLE("DatabaseCheck", "Stale favourite entries"),
     TRANSLATABLE("DatabaseCheck", "%1 stale favourite entries"),
     TRANSLATABLE("DatabaseCheck", "%1 stale favourite entry"), "stale-favourite", "stale-favourites", true},
    {TRANSLATABLE("DatabaseCheck", "Transponders of no satellite"),
     TRANSLATABLE("DatabaseCheck", "%1 transponders of no satellite"),
     TRANSLATABLE("DatabaseCheck", "%1 transponder of no satellite"), "orphan-transponder", "orphan-transponders",
     true},
    {TRANSLATABLE("DatabaseCheck", "Duplicate transponders"),
     TRANSLATABLE("DatabaseCheck", "%1 duplicate transponders"),
     TRANSLATABLE("DatabaseCheck", "%1 duplicate transponder"), "duplicate-transponder", "duplicate-transponders",
     true},
    {TRANSLATABLE("DatabaseCheck", "Empty transponders"), TRANSLATABLE("DatabaseCheck", "%1 empty transponders"),
     TRANSLATABLE("DatabaseCheck", "%1 empty transponder"), "empty-transponder", "empty-transponders", false},
    {TRANSLATABLE("DatabaseCheck", "Chosen transponder out of range"),
     TRANSLATABLE("DatabaseCheck", "%1 chosen transponders out of range"),
     TRANSLATABLE("DatabaseCheck", "%1 chosen transponder out of range"), "chosen-transponder", "chosen-transponders",
     true},
    {TRANSLATABLE("DatabaseCheck", "Names the receiver may show wrongly"),
     TRANSLATABLE("DatabaseCheck", "%1 names the receiver may show wrongly"),
     TRANSLATABLE("DatabaseCheck", "%1 name the receiver may show wrongly"), "name", nullptr, false},
    {TRANSLATABLE("DatabaseCheck", "Damaged favourite counts"),
     TRANSLATABLE("DatabaseCheck", "%1 damaged favourite counts"),
     TRANSLATABLE("DatabaseCheck", "%1 damaged favourite count"), "damaged-count", nullptr, false},
}};

// After Open, in the status bar: %1 the notes of the kinds found, joined by ", ".
inline constexpr char kCheckNotePattern[] = TRANSLATABLE("DatabaseCheck", "Check: %1 — Tools ▸ Check Database");

inline const CheckKindInfo& KindInfo(CheckKind kind) { return kCheckKinds[size_t(kind)]; }
inline bool HasFix(CheckKind kind) { return KindInfo(kind).pszOption != nullptr; }

// One record a finding names. What the fields hold depends on the kind:
//   duplicate channels: iIndex the slot of a channel to remove, iValue the slot of the one kept;
//   channels without a transponder: iIndex the slot, iValue its usTpId;
//   names: iIndex the slot, ucReason kEmptyName or kControlBytes;
//   stale favourite entries: iIndex the group, iValue the place in its list, ucReason kNoChannel or kRepeated;
//   damaged counts: iIndex the group, iValue the stored count;
//   transponders: iIndex the slot; duplicates iValue the slot kept; of no satellite iValue the channels using it;
//   chosen transponders: iIndex the satellite, iValue the stored choice.
// bRadio names the table of channels, favourite entries and counts.
struct CheckRecord {
    int iIndex = 0;
    int iValue = 0;
    bool bRadio = false;
    uint8_t ucReason = 0;
    bool bFixable = true; // a transponder of no satellite that channels use is listed only
};
inline constexpr uint8_t kEmptyName = 0;
inline constexpr uint8_t kControlBytes = 1;
inline constexpr uint8_t kNoChannel = 0;
inline constexpr uint8_t kRepeated = 1;

struct DatabaseFindings {
    std::array<std::vector<CheckRecord>, kCheckKindCount> aRecords;

    const std::vector<CheckRecord>& Of(CheckKind kind) const { return aRecords[size_t(kind)]; }
    int Count(CheckKind kind) const { return int(Of(kind).size()); }
    // The records a fix would change: none for a kind without a fix.
    int Fixable(CheckKind kind) const;
    bool Empty() const;
};

// Finds every kind at once; the database stays as it is.
DatabaseFindings CheckDatabase(const Database& db);

// The kinds whose fixes to run.
using FixSelection = std::bitset<kCheckKindCount>;
inline void Select(FixSelection& selection, CheckKind kind, bool on = true) { selection.set(size_t(kind), on); }
inline bool Selected(const FixSelection& selection, CheckKind kind) { return selection.test(size_t(kind)); }
FixSelection DefaultFixes();
FixSelection AllFixes();

// What the fixes changed, per kind: channels, entries, transponders or
// satellites removed or reset (for damaged counts: groups rewritten).
struct FixReport {
    std::array<int, kCheckKindCount> aiFixed{};
    int Of(CheckKind kind) const { return aiFixed[size_t(kind)]; }
    bool Changed() const;
};

// Runs the chosen fixes one after the other, each on what the check finds
// after the ones before: duplicate transponders (their channels and
// favourite entries move to the transponder kept), duplicate channels,
// channels without a transponder, stale favourite entries (a group with a
// damaged count is rewritten too), unused transponders of no satellite,
// empty transponders, chosen transponders. Every channel that stays keeps
// its bytes but for its TpId (a merged transponder) and its favourite bits
// and lock (a merged duplicate); tables and favourite lists keep their
// order. A satellite's chosen transponder follows a transponder that moves
// down its list and becomes the kept one for a merged duplicate, 255 for a
// removed one.
FixReport FixDatabase(Database& db, const FixSelection& selection);

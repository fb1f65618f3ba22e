// The difference between two states of everything the database file holds:
// the header, the satellite, transponder, TV and radio tables, the settings,
// the reserved word and the favourite groups (not the PackedImage scratch,
// nor the delivery flags, which only a read sets). Each table keeps only what
// changed. Its records in use are compared with the common start and end
// skipped, so that editing one channel keeps two records; records that were
// only removed are kept with their positions, so that deleting a block keeps
// the removed records; records that were only reordered are kept as a
// permutation; and the bytes past the records in use are kept where they
// differ. Undo and Redo apply the difference in place.
#pragma once

#include "Database.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Copies what the file holds (every table whole, unused slots included) from
// one database to another.
void CopyFileContents(const Database& from, Database& to);
// Whether two databases hold the same (every table whole, unused slots included).
bool SameFileContents(const Database& a, const Database& b);

class DatabaseDiff {
public:
    // What turns before into after.
    static DatabaseDiff Between(const Database& before, const Database& after);

    // Turns the after state back into the before state.
    void Undo(Database& db) const;
    // Turns the before state into the after state again.
    void Redo(Database& db) const;

    bool IsEmpty() const { return aChanges.empty(); }
    // Memory the difference holds, in bytes.
    size_t Bytes() const;

    // How the changed middle of a table's records in use is kept.
    enum class Form : uint8_t {
        Replace, // abBefore and abAfter hold the middle records of both states
        Permute, // same records in another order: after record i is before record aiIndex[i]
        Remove,  // records only removed: abBefore holds them, aiIndex their positions in the before middle
    };

    // Bytes of one state written from ulOffset on (within the table).
    struct BytePatch {
        uint32_t ulOffset = 0;
        std::vector<uint8_t> abBytes;
    };

    struct TableChange {
        uint8_t iPart = 0; // which table
        Form form = Form::Replace;
        int iBeforeCount = 0; // records in use before and after
        int iAfterCount = 0;
        int iPrefix = 0; // records equal at the start and at the end of those in use
        int iSuffix = 0;
        std::vector<uint8_t> abBefore;
        std::vector<uint8_t> abAfter;
        std::vector<uint16_t> aiIndex;
        BytePatch beforeTail; // the before state past its records in use, where it differs
        BytePatch afterTail;  // the after state past its records in use, where it differs
    };

private:
    std::vector<TableChange> aChanges;
};

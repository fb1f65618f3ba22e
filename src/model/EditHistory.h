// The editing history of one database: named steps, each the difference one
// edit made, and the point between the steps done and those undone. It holds
// at most 100 steps and at most 64 MiB, the copy of the state it stands at
// included (the oldest steps go first), and knows which point is the state
// of the last save (the clean state): a clean state that falls off the start
// is not reached again until the next save.
// The copy of its state keeps a change made to the database outside it from
// mixing with the steps: such a change becomes part of the next step
// recorded, and Undo or Redo first takes it back. The document makes every
// change through the history and checks, in the test builds, that none is
// made outside it (StandsAt).
// With each step the caller may keep where the user was (numbers of its own
// choosing): Undo returns where the user was when the step was made, Redo
// where the user was when it was undone.
#pragma once

#include "DatabaseDiff.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class EditHistory {
public:
    static constexpr size_t kMaxSteps = 100;
    static constexpr size_t kMaxBytes = size_t(64) << 20;

    explicit EditHistory(size_t maxSteps = kMaxSteps, size_t maxBytes = kMaxBytes);
    ~EditHistory();

    // Starts again at db's state, with no steps, clean (New, Open, Close).
    void Start(const Database& db);
    bool IsStarted() const { return pState != nullptr; }

    // Records the change from the state the history stands at to db's as one
    // step; the steps undone before it are dropped. A db that is that state
    // leaves everything as it was: no step, the steps undone kept. Returns
    // whether a step was recorded. Needs a started history.
    bool Record(std::string strName, const Database& db, std::vector<int> aiPlace = {});
    // Whether db holds what the file holds in the state the history stands at.
    bool StandsAt(const Database& db) const;

    bool CanUndo() const { return iDone > 0; }
    bool CanRedo() const { return iDone < steps.size(); }
    // Name of the step that Undo or Redo would apply; empty when none.
    std::string UndoName() const;
    std::string RedoName() const;

    // Undoes the last step done; aiPlaceNow is where Redo will return to.
    // Returns where the user was when the step was made; nothing when there
    // is no step to undo.
    std::optional<std::vector<int>> Undo(Database& db, std::vector<int> aiPlaceNow = {});
    // Redoes the first step undone; returns where the user was when it was undone.
    std::optional<std::vector<int>> Redo(Database& db);

    // db, as just saved, is the current state. The save wrote the file's
    // lengths and check value into db's header: they describe the file, not
    // an edit, so the state takes them over without a step.
    void MarkSaved(const Database& db);
    // The file holds none of the states (New over an existing file): no
    // state is clean until the next save.
    void MarkUnsaved() { iClean.reset(); }
    bool IsClean() const { return iClean == iDone; }

    size_t StepCount() const { return steps.size(); }
    // Memory the history holds, in bytes: the steps and, once started, the
    // copy of the state it stands at (kStateBytes).
    static constexpr size_t kStateBytes = sizeof(Database);
    size_t Bytes() const { return ulBytes + (pState ? kStateBytes : 0); }

private:
    struct Step {
        std::string strName;
        DatabaseDiff diff;
        std::vector<int> aiPlaceBefore;
        std::vector<int> aiPlaceAfter;
        size_t Bytes() const;
    };
    // Takes back what changed in db since the history last stood at it.
    void ReturnToState(Database& db) const;
    // Drops steps beyond the limits: the oldest done first, then the last undone.
    void Trim();

    size_t ulMaxSteps;
    size_t ulMaxBytes;
    std::deque<Step> steps;
    size_t iDone = 0;                 // steps 0 .. iDone-1 are done
    std::optional<size_t> iClean = 0; // steps done in the saved state; none once it is out of reach
    size_t ulBytes = 0;
    std::unique_ptr<Database> pState; // the state after the steps done
};

// The editing history of one database: named steps, each the difference one
// edit made, and the point between the steps done and those undone. It holds
// at most 100 steps and at most 64 MiB (the oldest steps go first), and knows
// which point is the state of the last save (the clean state): a clean state
// that falls off the start is not reached again until the next save.
// It keeps a copy of the state it stands at, so that a change made to the
// database outside it (the favourite upkeep of the channel list) can never
// mix with the steps: such a change becomes part of the next step recorded,
// and Undo or Redo first takes it back.
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
    // step; the steps undone before it are dropped. Needs a started history.
    void Record(std::string strName, const Database& db, std::vector<int> aiPlace = {});

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

    // The current state is the saved one.
    void MarkClean() { iClean = iDone; }
    // The file holds none of the states (New over an existing file): no
    // state is clean until the next save.
    void MarkUnsaved() { iClean.reset(); }
    bool IsClean() const { return iClean == iDone; }

    size_t StepCount() const { return steps.size(); }
    // Memory the steps hold, in bytes (the copy of the current state aside).
    size_t Bytes() const { return ulBytes; }

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
    // Drops the oldest steps beyond the limits.
    void Trim();

    size_t ulMaxSteps;
    size_t ulMaxBytes;
    std::deque<Step> steps;
    size_t iDone = 0;                 // steps 0 .. iDone-1 are done
    std::optional<size_t> iClean = 0; // steps done in the saved state; none once it is out of reach
    size_t ulBytes = 0;
    std::unique_ptr<Database> pState; // the state after the steps done
};

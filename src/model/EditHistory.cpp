#include "EditHistory.h"

#include <utility>

size_t EditHistory::Step::Bytes() const
{
    return sizeof(Step) + strName.capacity() + diff.Bytes() +
           (aiPlaceBefore.capacity() + aiPlaceAfter.capacity()) * sizeof(int);
}

EditHistory::EditHistory(size_t maxSteps, size_t maxBytes) : ulMaxSteps(maxSteps), ulMaxBytes(maxBytes) {}

EditHistory::~EditHistory() = default;

void EditHistory::Start(const Database& db)
{
    steps.clear();
    iDone = 0;
    iClean = 0;
    ulBytes = 0;
    if (!pState)
        pState = std::make_unique<Database>();
    CopyFileContents(db, *pState);
}

bool EditHistory::Record(std::string strName, const Database& db, std::vector<int> aiPlace)
{
    if (!pState)
        return false;
    DatabaseDiff diff = DatabaseDiff::Between(*pState, db);
    if (diff.IsEmpty())
        return false;
    while (steps.size() > iDone) {
        ulBytes -= steps.back().Bytes();
        steps.pop_back();
    }
    if (iClean && *iClean > iDone)
        iClean.reset(); // the saved state was among the steps undone
    diff.Redo(*pState);
    steps.push_back({std::move(strName), std::move(diff), std::move(aiPlace), {}});
    ulBytes += steps.back().Bytes();
    ++iDone;
    Trim();
    return true;
}

void EditHistory::MarkSaved(const Database& db)
{
    iClean = iDone;
    if (pState)
        pState->header = db.header;
}

bool EditHistory::StandsAt(const Database& db) const { return pState && SameFileContents(*pState, db); }

void EditHistory::Trim()
{
    while (!steps.empty() && (steps.size() > ulMaxSteps || Bytes() > ulMaxBytes)) {
        if (iDone == 0) {
            // Only steps undone are left (an undo made its step larger): the
            // one farthest from the current state goes. A clean state beyond
            // it is never reached again: Record drops it.
            ulBytes -= steps.back().Bytes();
            steps.pop_back();
            continue;
        }
        ulBytes -= steps.front().Bytes();
        steps.pop_front();
        --iDone;
        if (iClean && *iClean == 0)
            iClean.reset();
        else if (iClean)
            --*iClean;
    }
}

std::string EditHistory::UndoName() const { return CanUndo() ? steps[iDone - 1].strName : std::string(); }

std::string EditHistory::RedoName() const { return CanRedo() ? steps[iDone].strName : std::string(); }

void EditHistory::ReturnToState(Database& db) const { DatabaseDiff::Between(*pState, db).Undo(db); }

std::optional<std::vector<int>> EditHistory::Undo(Database& db, std::vector<int> aiPlaceNow)
{
    if (!CanUndo())
        return std::nullopt;
    ReturnToState(db);
    Step& step = steps[--iDone];
    step.diff.Undo(db);
    step.diff.Undo(*pState);
    ulBytes -= step.Bytes();
    step.aiPlaceAfter = std::move(aiPlaceNow);
    ulBytes += step.Bytes();
    std::vector<int> place = step.aiPlaceBefore;
    Trim();
    return place;
}

std::optional<std::vector<int>> EditHistory::Redo(Database& db)
{
    if (!CanRedo())
        return std::nullopt;
    ReturnToState(db);
    const Step& step = steps[iDone++];
    step.diff.Redo(db);
    step.diff.Redo(*pState);
    return step.aiPlaceAfter;
}

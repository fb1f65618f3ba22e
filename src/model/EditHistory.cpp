#include "EditHistory.h"

#include <utility>

size_t EditHistory::Step::Bytes() const
{
    return sizeof(Step) + strName.capacity() + diff.Bytes() +
           (aiPlaceBefore.capacity() + aiPlaceAfter.capacity()) * sizeof(int);
}

EditHistory::EditHistory(size_t maxSteps, size_t maxBytes) : ulMaxSteps(maxSteps), ulMaxBytes(maxBytes) {}

void EditHistory::Record(std::string strName, DatabaseDiff diff, std::vector<int> aiPlace)
{
    while (steps.size() > iDone) {
        ulBytes -= steps.back().Bytes();
        steps.pop_back();
    }
    if (iClean && *iClean > iDone)
        iClean.reset(); // the saved state was among the steps undone
    steps.push_back({std::move(strName), std::move(diff), std::move(aiPlace), {}});
    ulBytes += steps.back().Bytes();
    ++iDone;
    Trim();
}

void EditHistory::Trim()
{
    // Called when every step is done, so the oldest is always a done one.
    while (!steps.empty() && (steps.size() > ulMaxSteps || ulBytes > ulMaxBytes)) {
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

std::optional<std::vector<int>> EditHistory::Undo(Database& db, std::vector<int> aiPlaceNow)
{
    if (!CanUndo())
        return std::nullopt;
    Step& step = steps[--iDone];
    step.diff.Undo(db);
    ulBytes -= step.Bytes();
    step.aiPlaceAfter = std::move(aiPlaceNow);
    ulBytes += step.Bytes();
    return step.aiPlaceBefore;
}

std::optional<std::vector<int>> EditHistory::Redo(Database& db)
{
    if (!CanRedo())
        return std::nullopt;
    const Step& step = steps[iDone++];
    step.diff.Redo(db);
    return step.aiPlaceAfter;
}

void EditHistory::Clear()
{
    steps.clear();
    iDone = 0;
    iClean = 0;
    ulBytes = 0;
}

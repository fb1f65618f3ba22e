// Pieces shared by the channel dialogs.
#pragma once

#include "DialogButtons.h"

#include <QComboBox>

// The entry a drop-down box holds: the current entry while its text is shown
// unchanged, else the entry whose text was typed exactly, else -1.
inline int ChosenEntry(const QComboBox* pBox)
{
    const int current = pBox->currentIndex();
    if (current >= 0 && pBox->itemText(current) == pBox->currentText())
        return current;
    return pBox->findText(pBox->currentText(), Qt::MatchExactly);
}

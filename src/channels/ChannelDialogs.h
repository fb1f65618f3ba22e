// Pieces shared by the channel dialogs.
#pragma once

#include "DialogButtons.h"

#include <QComboBox>

// The entry a drop-down box holds: its committed selection while that
// entry's text is shown unchanged, else -1. Typed text is no choice, even
// when it equals another entry's text.
inline int ChosenEntry(const QComboBox* pBox)
{
    const int current = pBox->currentIndex();
    return current >= 0 && pBox->itemText(current) == pBox->currentText() ? current : -1;
}

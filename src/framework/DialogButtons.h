// The "OK" and "Cancel" buttons at the foot of the dialogs, and the seam
// through which views run dialogs modally (tests answer them through it).
#pragma once

#include "TrText.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include <functional>

inline constexpr TrText kButtonOk{"DialogButtons", QT_TRANSLATE_NOOP("DialogButtons", "OK")};
inline constexpr TrText kButtonCancel{"DialogButtons", QT_TRANSLATE_NOOP("DialogButtons", "Cancel")};

// Runs a dialog modally and returns its result.
using DialogRunner = std::function<int(QDialog&)>;
inline int ExecModal(QDialog& dialog) { return dialog.exec(); }

// OK runs the dialog's OnOK, which ends the dialog only when every field is
// valid; Cancel rejects it. OK is the default button: Enter in a field
// presses it. The buttons go at the end of a form or box layout.
template <typename Dialog, typename Layout>
QDialogButtonBox* AddDialogButtons(Dialog* pDialog, Layout* pLayout)
{
    auto* pButtons = new QDialogButtonBox;
    QPushButton* pOk = pButtons->addButton(kButtonOk, QDialogButtonBox::AcceptRole);
    pButtons->addButton(kButtonCancel, QDialogButtonBox::RejectRole);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, pDialog, &Dialog::OnOK);
    QObject::connect(pButtons, &QDialogButtonBox::rejected, pDialog, &QDialog::reject);
    if constexpr (requires { pLayout->addRow(pButtons); })
        pLayout->addRow(pButtons);
    else
        pLayout->addWidget(pButtons);
    // Only now, inside the dialog, does OK become its default button: made
    // default before, it is not, and Enter presses the first other button.
    pOk->setDefault(true);
    return pButtons;
}

// The "OK" and "Cancel" buttons at the foot of the tree's dialogs: OK runs
// the dialog's OnOK, which closes the dialog only when every field is valid.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

#include <functional>

// Runs a dialog modally and returns its result; tests answer dialogs through it.
using DialogRunner = std::function<int(QDialog&)>;
inline int ExecModal(QDialog& dialog) { return dialog.exec(); }

template <typename Dialog>
void AddOkCancel(Dialog* pDialog, QFormLayout* pForm)
{
    auto* pButtons = new QDialogButtonBox;
    pButtons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    pButtons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, pDialog, &Dialog::OnOK);
    QObject::connect(pButtons, &QDialogButtonBox::rejected, pDialog, &QDialog::reject);
    pForm->addRow(pButtons);
}

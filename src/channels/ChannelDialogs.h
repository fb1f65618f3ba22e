// Pieces shared by the channel dialogs.
#pragma once

#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

inline const QString kButtonOk = QStringLiteral("OK");
inline const QString kButtonCancel = QStringLiteral("Cancel");

// The "OK" and "Cancel" buttons at the foot of a dialog. OK runs the
// dialog's OnOK, which ends the dialog only when every field is valid.
template <typename Dialog, typename Layout>
QDialogButtonBox* AddDialogButtons(Dialog* pDialog, Layout* pLayout)
{
    auto* pButtons = new QDialogButtonBox;
    pButtons->addButton(kButtonOk, QDialogButtonBox::AcceptRole)->setDefault(true);
    pButtons->addButton(kButtonCancel, QDialogButtonBox::RejectRole);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, pDialog, &Dialog::OnOK);
    QObject::connect(pButtons, &QDialogButtonBox::rejected, pDialog, &QDialog::reject);
    if constexpr (requires { pLayout->addRow(pButtons); })
        pLayout->addRow(pButtons);
    else
        pLayout->addWidget(pButtons);
    return pButtons;
}

// The entry a drop-down box holds: the current entry while its text is shown
// unchanged, else the entry whose text was typed exactly, else -1.
inline int ChosenEntry(const QComboBox* pBox)
{
    const int current = pBox->currentIndex();
    if (current >= 0 && pBox->itemText(current) == pBox->currentText())
        return current;
    return pBox->findText(pBox->currentText(), Qt::MatchExactly);
}

#include "CMoveDlg.h"

#include "DataExchange.h"
#include "DialogButtons.h"

#include <QFormLayout>
#include <QLineEdit>

CMoveDlg::CMoveDlg(IPrompts& prompts, int from, int to, QWidget* parent)
    : QDialog(parent), pFromEdit(new QLineEdit(QString::number(from))), pToEdit(new QLineEdit(QString::number(to))),
      prompts(prompts), iFrom(from), iTo(to)
{
    setWindowTitle(kMoveTitle);
    pFromEdit->setEnabled(false);
    auto* pForm = new QFormLayout(this);
    pForm->addRow(kMoveFromLabel, pFromEdit);
    pForm->addRow(kMoveToLabel, pToEdit);
    AddDialogButtons(this, pForm);
    pToEdit->setFocus();
    pToEdit->selectAll();
}

void CMoveDlg::OnOK()
{
    const std::optional<int> from = ReadInt(prompts, pFromEdit);
    const std::optional<int> to = from ? ReadInt(prompts, pToEdit) : std::nullopt;
    if (!to)
        return;
    iFrom = *from;
    iTo = *to;
    accept();
}

#include "CMoveAntennaDlg.h"

#include "DataExchange.h"
#include "DialogButtons.h"

#include <QLineEdit>

CMoveAntennaDlg::CMoveAntennaDlg(IPrompts& prompts, int from, int to, QWidget* parent)
    : QDialog(parent), pFromEdit(new QLineEdit(QString::number(from))), pToEdit(new QLineEdit(QString::number(to))),
      prompts(prompts), iFrom(from), iTo(to)
{
    setWindowTitle(kCaptionMove);
    pFromEdit->setEnabled(false);
    auto* pForm = new QFormLayout(this);
    pForm->addRow(QStringLiteral("From"), pFromEdit);
    pForm->addRow(QStringLiteral("To"), pToEdit);
    AddOkCancel(this, pForm);
}

void CMoveAntennaDlg::OnOK()
{
    const std::optional<int> from = ReadInt(prompts, pFromEdit);
    const std::optional<int> to = from ? ReadInt(prompts, pToEdit) : std::nullopt;
    if (!to)
        return;
    iFrom = *from;
    iTo = *to;
    accept();
}

#include "CFavRenameDlg.h"

#include "DataExchange.h"
#include "DialogButtons.h"
#include "FavRename.h"

#include <QFormLayout>
#include <QLineEdit>

CFavRenameDlg::CFavRenameDlg(IPrompts& prompts, const QString& name, QWidget* parent)
    : QDialog(parent), pNameEdit(new QLineEdit(name)), prompts(prompts), strName(name)
{
    setWindowTitle(kCaptionRenameFav);
    LimitTyping(pNameEdit, kFavNameMaxChars);
    auto* pForm = new QFormLayout(this);
    pForm->addRow(tr("FAV Group Name"), pNameEdit);
    AddDialogButtons(this, pForm);
}

void CFavRenameDlg::OnOK()
{
    const std::optional<QString> name = ReadRecordText(prompts, pNameEdit, kFavNameMaxChars);
    if (!name)
        return;
    strName = *name;
    accept();
}

#include "ReferenceListCommands.h"

#include "CEditZarnDoc.h"
#include "CReferenceDlg.h"
#include "ReferenceFile.h"

#include <QCoreApplication>

namespace {

constexpr int kCsvFilterIndex = 1;

} // namespace

bool ReferenceListCommands::OnApplyReferenceList()
{
    if (!doc.bDataLoaded)
        return false;
    const auto choice = doc.Prompts().OpenFileDialog(kReferenceTitle, kFilterReference);
    if (!choice)
        return false;
    const ReferenceLoad load = LoadReferenceFile(choice->strPath);
    switch (load.result) {
    case LoadResult::CannotOpen:
        WindowMessage(doc.Prompts(), kMsgCannotOpen, MsgButtons::Ok, MsgIcon::None);
        return false;
    case LoadResult::NotCorrect: {
        QString text = kMsgNotCorrect;
        if (load.bCsv)
            text += kMsgReferenceLine.arg(load.csvError.iLine)
                        .arg(QCoreApplication::translate("ReferenceCsv", load.csvError.strReason.c_str()));
        WindowMessage(doc.Prompts(), text, MsgButtons::Ok, MsgIcon::Stop);
        return false;
    }
    case LoadResult::Ok: break;
    }
    CReferenceDlg dialog(choice->strPath, SummariseReference(doc.Data(), *load.list), pParent);
    if (fnRunDialog(dialog) != QDialog::Accepted)
        return false;
    const ReferenceOptions options = dialog.Options();
    return doc.ApplyEdit(kReferenceTitle,
                         [&](Database& db) { return ApplyReference(db, *load.list, options).bChanged; });
}

void ReferenceListCommands::OnExportReferenceList()
{
    if (!doc.bDataLoaded)
        return;
    const auto choice = doc.Prompts().SaveFileDialog(kTitleExportReference, kFilterReferenceCsv);
    if (!choice)
        return;
    QString path = choice->strPath;
    if (choice->iFilterIndex == kCsvFilterIndex && !IsReferenceCsvPath(path))
        path += QStringLiteral(".csv");
    if (!ExportReferenceFile(doc.Data(), path))
        WindowMessage(doc.Prompts(), kMsgCannotSaveAs, MsgButtons::Ok, MsgIcon::None);
}

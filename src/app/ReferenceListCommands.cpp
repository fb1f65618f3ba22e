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
        WindowMessage(doc.Prompts(), kMsgCannotOpen, MsgButtons::Ok, MsgIcon::None, {}, load.strReason);
        return false;
    case LoadResult::NotCorrect: {
        const QString reason = QCoreApplication::translate("ReferenceCsv", load.csvError.strReason.c_str());
        const QString detail = load.bCsv ? LineDetail(load.csvError.iLine, reason) : QString();
        WindowMessage(doc.Prompts(), kMsgNotCorrect, MsgButtons::Ok, MsgIcon::Stop, {}, detail);
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
    if (!AllowsAppendedName(doc.Prompts(), choice->strPath, path))
        return;
    if (const QString reason = ExportReferenceFile(doc.Data(), path); !reason.isEmpty())
        WindowMessage(doc.Prompts(), kMsgCannotSaveAs, MsgButtons::Ok, MsgIcon::None, {}, reason);
}

#include "TransponderListCommand.h"

#include "CEditZarnDoc.h"
#include "CTransponderListDlg.h"
#include "TransponderListFile.h"

bool TransponderListCommand::Run(CEditZarnDoc& doc, const TransponderListRequest& request,
                                 const DialogRunner& runDialog, QWidget* pParent)
{
    if (!doc.bDataLoaded)
        return false;
    IPrompts& prompts = doc.Prompts();
    if (!strLastList.isEmpty())
        prompts.UseFolderOf(strLastList);
    const auto choice = prompts.OpenFileDialog(kActionImportTransponderList, kFilterTransponderList);
    if (!choice)
        return false;
    strLastList = choice->strPath;
    const ListLoad load = LoadTransponderList(choice->strPath);
    switch (load.result) {
    case LoadResult::CannotOpen:
        WindowMessage(prompts, kMsgCannotOpen, MsgButtons::Ok, MsgIcon::Stop, {}, load.strReason);
        return false;
    case LoadResult::NotCorrect:
        WindowMessage(prompts, kMsgListNotCorrect, MsgButtons::Ok, MsgIcon::Stop, {},
                      LineDetail(load.error.iLine, load.error.Text()));
        return false;
    case LoadResult::Ok: break;
    }
    const TransponderList& list = *load.list;
    if (request.kind && *request.kind != list.kind) {
        WindowMessage(prompts, kMsgListKind.arg(ListFileName(*request.kind)), MsgButtons::Ok, MsgIcon::Stop, {},
                      kMsgListIsKind.arg(ListFileName(list.kind)));
        return false;
    }
    if (!ListBranchShown(doc.Data(), list.kind)) {
        WindowMessage(prompts, kMsgListBranch.arg(ListFileName(list.kind)), MsgButtons::Ok, MsgIcon::Stop, {},
                      list.kind == TransponderListKind::Cables ? kReasonNoCable : kReasonNoTerrestrial);
        return false;
    }
    CTransponderListDlg dialog(doc.Data(), list, kActionImportTransponderList, request.iSatellite, pParent);
    if (runDialog(dialog) != QDialog::Accepted)
        return false;
    const bool changed =
        doc.ApplyEdit(kActionImportTransponderList, [&](Database& db) { return ApplyListPlan(db, dialog.Plan()); });
    emit doc.StatusNote(StatusReport(dialog.Plan()));
    return changed;
}

#include "CEditZarnDoc.h"

#include "ModelOperations.h"

#include <QFileInfo>
#include <QScopeGuard>

namespace {

bool EndsInSdx(const QString& path) { return path.endsWith(".sdx") || path.endsWith(".SDX"); }

} // namespace

CEditZarnDoc::CEditZarnDoc(IPrompts& prompts, QObject* parent)
    : QObject(parent), prompts(prompts), pDatabase(std::make_unique<Database>())
{
}

CEditZarnDoc::CEditZarnDoc(IPrompts& prompts, IFileMedium& medium, QObject* parent)
    : QObject(parent), prompts(prompts), pDatabase(std::make_unique<Database>()), saveSession(medium)
{
}

CEditZarnDoc::~CEditZarnDoc() = default;

void CEditZarnDoc::SetModifiedFlag(bool modified)
{
    if (bModified == modified)
        return;
    bModified = modified;
    emit ModifiedChanged(modified);
}

bool CEditZarnDoc::ApplyEdit(const QString& strAction, const std::function<bool(Database&)>& edit)
{
    if (bInEdit)
        return edit(*pDatabase);
    if (!history.IsStarted())
        history.Start(*pDatabase);
    std::vector<int> place = CapturePlace();
    bool changed = false;
    {
        bInEdit = true;
        const auto leave = qScopeGuard([this] { bInEdit = false; });
        changed = edit(*pDatabase);
    }
    if (!changed)
        return false;
    history.Record(strAction.toStdString(), *pDatabase, std::move(place));
    FollowHistory();
    return true;
}

std::vector<int> CEditZarnDoc::CapturePlace() const { return fnCapturePlace ? fnCapturePlace() : std::vector<int>(); }

QString CEditZarnDoc::UndoText() const
{
    return CanUndo() ? kUndoText + QLatin1Char(' ') + QString::fromStdString(history.UndoName()) : kUndoText;
}

QString CEditZarnDoc::RedoText() const
{
    return CanRedo() ? kRedoText + QLatin1Char(' ') + QString::fromStdString(history.RedoName()) : kRedoText;
}

void CEditZarnDoc::Undo()
{
    if (!bDataLoaded || bInEdit)
        return;
    if (const auto place = history.Undo(*pDatabase, CapturePlace())) {
        emit HistoryApplied(*place);
        FollowHistory();
    }
}

void CEditZarnDoc::Redo()
{
    if (!bDataLoaded || bInEdit)
        return;
    if (const auto place = history.Redo(*pDatabase)) {
        emit HistoryApplied(*place);
        FollowHistory();
    }
}

void CEditZarnDoc::FollowHistory()
{
    SetModifiedFlag(!history.IsClean());
    emit HistoryChanged();
}

void CEditZarnDoc::StartHistory()
{
    history.Start(*pDatabase);
    emit HistoryChanged();
}

void CEditZarnDoc::SetTitle() { emit TitleChanged(WindowTitle()); }

void CEditZarnDoc::OnFileNew()
{
    const auto choice = prompts.OpenFileDialog(kTitleNewFile, kFilterNew, true);
    if (!choice)
        return;
    strFilePath = choice->strPath;
    if (!EndsInSdx(strFilePath))
        strFilePath += ".sdx";
    ResetDatabase(*pDatabase);
    // The new database is written at once only where no file exists yet, so
    // that the name is taken; an existing file is replaced only by a save.
    if (!QFileInfo::exists(strFilePath))
        saveSession.Save(*pDatabase, strFilePath);
    StartHistory();
    bDataLoaded = 1;
    emit DatabaseOpened();
    SetTitle();
}

void CEditZarnDoc::OnFileOpen()
{
    if (const auto choice = prompts.OpenFileDialog(kTitleSelectFile, kFilterOpen, false))
        strFilePath = choice->strPath;
    OpenDocumentFile(strFilePath);
}

void CEditZarnDoc::OpenDocumentFile(const QString& path)
{
    strFilePath = path;
    switch (LoadDatabaseFile(*pDatabase, strFilePath, true)) {
    case LoadResult::CannotOpen:
        WindowMessage(prompts, kMsgCannotOpen, MsgButtons::Ok, MsgIcon::None);
        return;
    case LoadResult::NotCorrect:
        bDataLoaded = 0;
        StartHistory();
        WindowMessage(prompts, kMsgNotCorrect, MsgButtons::Ok, MsgIcon::Stop);
        return;
    case LoadResult::Ok:
        break;
    }
    StartHistory();
    bDataLoaded = 1;
    emit DatabaseOpened();
    SetTitle();
}

bool CEditZarnDoc::SaveToOwnPath()
{
    if (saveSession.Save(*pDatabase, strFilePath) == FileSaveResult::Ok) {
        history.MarkClean();
        return true;
    }
    WindowMessage(prompts, kMsgCannotSave, MsgButtons::Ok, MsgIcon::Stop);
    return false;
}

void CEditZarnDoc::OnFileSave()
{
    if (!bModified)
        return;
    if (SaveToOwnPath())
        SetModifiedFlag(false);
}

void CEditZarnDoc::OnFileSaveAs()
{
    const auto choice = prompts.SaveFileDialog(kTitleSelectFile, kFilterSaveAs);
    if (!choice)
        return;
    if (choice->iFilterIndex == kExcelFilterIndex) {
        emit SpreadsheetExportRequested(choice->strPath);
        return;
    }
    QString target = choice->strPath;
    if (!target.contains(".SDX") && !target.contains(".sdx"))
        target += ".sdx";
    if (saveSession.Save(*pDatabase, target) != FileSaveResult::Ok) {
        WindowMessage(prompts, kMsgCannotSaveAs, MsgButtons::Ok, MsgIcon::None);
        return;
    }
    history.MarkClean();
    strFilePath = target;
    SetTitle();
    SetModifiedFlag(false);
}

void CEditZarnDoc::OnFileClose()
{
    if (bModified &&
        WindowMessage(prompts, kMsgSaveChanges, MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes &&
        !SaveToOwnPath())
        return; // the user asked to keep the changes: stay open and modified
    SetModifiedFlag(false);
    StartHistory();
    bDataLoaded = 0;
    emit DatabaseClosed();
    strFilePath.clear();
    SetTitle();
}

#include "CEditZarnDoc.h"

#include "DatabaseCheck.h"
#include "FileNames.h"
#include "ModelOperations.h"

#include <QFileInfo>
#include <QScopeGuard>

namespace {

bool EndsInSdx(const QString& path) { return path.endsWith(".sdx") || path.endsWith(".SDX"); }

// What the database check finds, as the status bar says it after Open;
// empty when it finds nothing.
QString CheckNote(const DatabaseFindings& findings)
{
    QStringList found;
    for (size_t k = 0; k < kCheckKinds.size(); ++k)
        if (const int count = findings.Count(CheckKind(k)))
            found << QCoreApplication::translate("DatabaseCheck",
                                                 count == 1 ? kCheckKinds[k].pszNoteOne : kCheckKinds[k].pszNote)
                         .arg(count);
    return found.isEmpty() ? QString()
                           : QCoreApplication::translate("DatabaseCheck", kCheckNotePattern).arg(found.join(", "));
}

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
    ExpectNoChangeOutsideHistory();
    std::vector<int> place = CapturePlace();
    bool accepted = false;
    {
        bInEdit = true;
        const auto leave = qScopeGuard([this] { bInEdit = false; });
        accepted = edit(*pDatabase);
    }
    // What decides is the difference, not what the edit reports: a command
    // that changed nothing (a sort of a sorted list, OK without a change)
    // leaves no step and no mark.
    if (history.StandsAt(*pDatabase))
        return false;
    // Entries of channels that are gone or have left the group go with the
    // change that made them stale, so that listing a group never changes
    // the database.
    for (int group = 0; group < kMaxFavGroups; ++group)
        for (int radio : {0, 1})
            PurgeFavGroup(*pDatabase, group, radio);
    history.Record(strAction.toStdString(), *pDatabase, std::move(place));
    FollowHistory();
    return accepted;
}

void CEditZarnDoc::ExpectNoChangeOutsideHistory() const
{
#ifndef NDEBUG
    // The test builds stop at a change that bypassed ApplyEdit: the next
    // Undo would take it back unseen.
    if (history.IsStarted() && !history.StandsAt(*pDatabase))
        qFatal("The database was changed outside the editing history");
#endif
}

std::vector<int> CEditZarnDoc::CapturePlace() const { return fnCapturePlace ? fnCapturePlace() : std::vector<int>(); }

QString CEditZarnDoc::UndoText() const
{
    return CanUndo() ? kUndoNamed.arg(QString::fromStdString(history.UndoName())) : kUndoText;
}

QString CEditZarnDoc::RedoText() const
{
    return CanRedo() ? kRedoNamed.arg(QString::fromStdString(history.RedoName())) : kRedoText;
}

void CEditZarnDoc::Undo()
{
    if (!bDataLoaded || bInEdit)
        return;
    ExpectNoChangeOutsideHistory();
    if (const auto place = history.Undo(*pDatabase, CapturePlace())) {
        emit HistoryApplied(*place);
        FollowHistory();
    }
}

void CEditZarnDoc::Redo()
{
    if (!bDataLoaded || bInEdit)
        return;
    ExpectNoChangeOutsideHistory();
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

std::optional<QString> CEditZarnDoc::ChosenPath(const FileChoice& choice, const QString& failure, MsgIcon icon)
{
    if (!IsUnreadableName(choice.strPath))
        return choice.strPath;
    WindowMessage(prompts, failure, MsgButtons::Ok, icon, {}, kReasonUnreadableName.arg(choice.strPath));
    return std::nullopt;
}

FileSaveResult CEditZarnDoc::SaveAsking(const QString& target)
{
    FileSaveResult result = saveSession.Save(*pDatabase, target);
    if (result == FileSaveResult::ChangedOutside &&
        WindowMessage(prompts, kMsgChangedOutside, MsgButtons::YesNoDefaultNo, MsgIcon::Warning) == MsgAnswer::Yes)
        result = saveSession.Save(*pDatabase, target, true);
    if (result == FileSaveResult::Ok)
        ReportSaved(target);
    return result;
}

void CEditZarnDoc::ReportSaved(const QString& path)
{
    // A save that could keep no backup says so instead, until the next note.
    if (!saveSession.Note().isEmpty()) {
        emit StatusNote(saveSession.Note());
        return;
    }
    const SdxHeader& header = pDatabase->header;
    emit StatusNote(kMsgSaved.arg(QFileInfo(path).fileName(), QString::number(header.sTVNumber),
                                  QString::number(header.sRadioNumber)),
                    kSavedReportMs);
}

bool CEditZarnDoc::SaveModified()
{
    if (!bModified)
        return true;
    // Cancel, Escape and the box's close button keep the database open.
    const MsgAnswer answer = WindowMessage(prompts, kMsgSaveChanges, MsgButtons::YesNoCancel, MsgIcon::Question);
    return answer == MsgAnswer::No || (answer == MsgAnswer::Yes && SaveToOwnPath());
}

void CEditZarnDoc::OnFileNew()
{
    if (!SaveModified())
        return;
    const auto choice = prompts.SaveFileDialog(kTitleNewFile, kFilterNew);
    if (!choice)
        return;
    std::optional<QString> path = ChosenPath(*choice, kMsgCannotSave, MsgIcon::Stop);
    if (!path)
        return;
    if (!EndsInSdx(*path))
        *path += ".sdx";
    if (!saveSession.TakesFile(*path)) {
        WindowMessage(prompts, kMsgCannotSave, MsgButtons::Ok, MsgIcon::Stop, {}, saveSession.FailureReason());
        return;
    }
    // An existing file is taken over only when the user agrees, and then
    // stays as it is until a save replaces it: the database is marked
    // modified so that Save writes and Close asks.
    if (!AllowsAppendedName(prompts, choice->strPath, *path))
        return;
    const bool takeOver = saveSession.Exists(*path);
    if (takeOver)
        saveSession.Watch(*path); // the version the user agreed to replace
    else {
        // The name is taken at once by writing the empty database; when that
        // fails the document stays as it was.
        auto fresh = std::make_unique<Database>();
        ResetDatabase(*fresh);
        if (saveSession.Save(*fresh, *path) != FileSaveResult::Ok) {
            WindowMessage(prompts, kMsgCannotSave, MsgButtons::Ok, MsgIcon::Stop, {}, saveSession.FailureReason());
            return;
        }
    }
    strFilePath = *path;
    bReadOnly = takeOver && saveSession.IsReadOnly(*path);
    iBytesNotKept = 0;
    ResetDatabase(*pDatabase);
    StartHistory();
    if (takeOver)
        history.MarkUnsaved();
    bDataLoaded = 1;
    prompts.UseFolderOf(strFilePath);
    emit DatabaseOpened();
    emit FileUsed(strFilePath);
    SetTitle();
    SetModifiedFlag(takeOver);
}

void CEditZarnDoc::OnFileOpen()
{
    if (!SaveModified())
        return;
    const auto choice = prompts.OpenFileDialog(kTitleSelectFile, kFilterOpen);
    if (!choice)
        return;
    if (const std::optional<QString> path = ChosenPath(*choice, kMsgCannotOpen, MsgIcon::None))
        OpenDocumentFile(*path);
}

void CEditZarnDoc::OpenDocumentFile(const QString& path)
{
    // A load that fails changes no table, so an open database stays open
    // with its path, changes and history; with none open the rejected path
    // is kept.
    if (!bDataLoaded)
        strFilePath = path;
    switch (saveSession.Load(*pDatabase, path)) {
    case LoadResult::CannotOpen:
        WindowMessage(prompts, kMsgCannotOpen, MsgButtons::Ok, MsgIcon::None, {}, saveSession.FailureReason());
        return;
    case LoadResult::NotCorrect: WindowMessage(prompts, kMsgNotCorrect, MsgButtons::Ok, MsgIcon::Stop); return;
    case LoadResult::Ok: break;
    }
    strFilePath = path;
    bReadOnly = saveSession.IsReadOnly(strFilePath);
    iBytesNotKept = saveSession.BytesNotKept();
    StartHistory();
    SetModifiedFlag(false);
    bDataLoaded = 1;
    prompts.UseFolderOf(strFilePath);
    emit DatabaseOpened();
    emit FileUsed(strFilePath);
    SetTitle();
    QStringList notes;
    if (iBytesNotKept > 0)
        notes << kNoteBytesNotKept.arg(iBytesNotKept);
    if (const QString note = CheckNote(CheckDatabase(*pDatabase)); !note.isEmpty())
        notes << note;
    if (!notes.isEmpty())
        emit StatusNote(notes.join(QStringLiteral("; ")));
}

bool CEditZarnDoc::SaveToOwnPath()
{
    // The first save over a file whose bytes are not all kept says so.
    if (iBytesNotKept > 0) {
        const QString name = QFileInfo(strFilePath).fileName();
        if (WindowMessage(prompts, kMsgSaveDropsBytes, MsgButtons::YesNo, MsgIcon::Question, {},
                          kReasonBytesNotKept.arg(iBytesNotKept).arg(name)) != MsgAnswer::Yes)
            return false;
        iBytesNotKept = 0;
    }
    const FileSaveResult result = SaveAsking(strFilePath);
    if (result == FileSaveResult::Ok) {
        history.MarkSaved(*pDatabase);
        return true;
    }
    if (result == FileSaveResult::ChangedOutside)
        return false;
    if (!saveSession.IsReadOnly(strFilePath)) {
        WindowMessage(prompts, kMsgCannotSave, MsgButtons::Ok, MsgIcon::Stop, {}, saveSession.FailureReason());
        return false;
    }
    // A file this user may not write can still be saved under another name.
    if (WindowMessage(prompts, kMsgCannotSave, MsgButtons::YesNo, MsgIcon::Stop, {},
                      kOfferSaveAs.arg(saveSession.FailureReason())) != MsgAnswer::Yes)
        return false;
    OnFileSaveAs();
    return !bModified;
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
    std::optional<QString> target = ChosenPath(*choice, kMsgCannotSaveAs, MsgIcon::None);
    if (!target)
        return;
    if (!target->contains(".SDX") && !target->contains(".sdx"))
        *target += ".sdx";
    if (!AllowsAppendedName(prompts, choice->strPath, *target))
        return;
    const FileSaveResult result = SaveAsking(*target);
    if (result == FileSaveResult::ChangedOutside)
        return;
    if (result != FileSaveResult::Ok) {
        WindowMessage(prompts, kMsgCannotSaveAs, MsgButtons::Ok, MsgIcon::None, {}, saveSession.FailureReason());
        return;
    }
    history.MarkSaved(*pDatabase);
    strFilePath = *target;
    bReadOnly = false;
    iBytesNotKept = 0;
    prompts.UseFolderOf(strFilePath);
    emit FileUsed(strFilePath);
    SetTitle();
    SetModifiedFlag(false);
}

void CEditZarnDoc::OnFileClose()
{
    if (!SaveModified())
        return; // stay open and modified
    SetModifiedFlag(false);
    StartHistory();
    bDataLoaded = 0;
    emit DatabaseClosed();
    strFilePath.clear();
    bReadOnly = false;
    iBytesNotKept = 0;
    SetTitle();
}

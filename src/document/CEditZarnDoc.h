// The document: owns the one database, its file path, the modified mark and
// the main window's title, and runs the File commands New, Open, Save,
// Save As and Close.
#pragma once

#include "Database.h"
#include "EditHistory.h"
#include "FileAccess.h"
#include "Prompts.h"
#include "TrText.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <memory>
#include <vector>

inline const QString kTitleText = QStringLiteral("Pelk_Channel Editor v2.2 ");

inline constexpr TrText kMsgCannotOpen{"CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "Can't not open the file!")};
inline constexpr TrText kMsgNotCorrect{
    "CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "This file is not a correct file,please select another!")};
inline constexpr TrText kMsgCannotSave{"CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "Can not save file!")};
inline constexpr TrText kMsgCannotSaveAs{"CEditZarnDoc",
                                         QT_TRANSLATE_NOOP("CEditZarnDoc", "Can't not save the file\n")};
inline constexpr TrText kMsgSaveChanges{"CEditZarnDoc",
                                        QT_TRANSLATE_NOOP("CEditZarnDoc", "Do you want to save changed data ?")};
inline constexpr TrText kMsgChangedOutside{
    "CEditZarnDoc",
    QT_TRANSLATE_NOOP("CEditZarnDoc", "The file was changed by another program since it was opened. Overwrite it?")};
// The title's mark of a file opened that this user may not write.
inline constexpr TrText kTitleReadOnly{"CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", " (read-only)")};
inline constexpr TrText kOfferSaveAs{"CEditZarnDoc",
                                     QT_TRANSLATE_NOOP("CEditZarnDoc", "%1\nSave the changes under another name?")};
inline constexpr TrText kNoteBytesNotKept{
    "CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "Bytes that no table holds will not be kept: %1.")};
inline constexpr TrText kMsgSaveDropsBytes{
    "CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "Not everything the file holds is written back. Save it?")};
inline constexpr TrText kReasonBytesNotKept{
    "CEditZarnDoc",
    QT_TRANSLATE_NOOP("CEditZarnDoc", "%1 bytes that no table holds are not written; the file as it is now "
                                      "stays as %2.bak.")};
inline constexpr TrText kReasonUnreadableName{
    "CEditZarnDoc",
    QT_TRANSLATE_NOOP("CEditZarnDoc",
                      "The file dialog could not read the name %1 in the system's file-name encoding.")};

inline constexpr TrText kFilterNew{
    "CEditZarnDoc",
    QT_TRANSLATE_NOOP("CEditZarnDoc", "SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||")};
inline constexpr TrText kFilterOpen{
    "CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||")};
inline constexpr TrText kFilterSaveAs{
    "CEditZarnDoc",
    QT_TRANSLATE_NOOP("CEditZarnDoc",
                      "SDX Files (*.sdx)|*.sdx|Excel Files (*.xlsx *.xls)|*.xlsx;*.xls|All Files (*.*)|*.*||")};
inline constexpr int kExcelFilterIndex = 2;

// The status bar's report after a save (file name, TV and radio channel
// counts), shown for a few seconds.
inline constexpr TrText kMsgSaved{"CEditZarnDoc",
                                  QT_TRANSLATE_NOOP("CEditZarnDoc", "Saved %1 — %2 TV and %3 radio channels")};
inline constexpr int kSavedReportMs = 5000;

// Edit menu texts: "Undo Delete 9 Channels", or the bare word with nothing to undo.
inline constexpr TrText kUndoText{"CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "Undo")};
inline constexpr TrText kRedoText{"CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "Redo")};
inline constexpr TrText kUndoNamed{"CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "Undo %1")};
inline constexpr TrText kRedoNamed{"CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "Redo %1")};

inline constexpr TrText kTitleNewFile{"CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "New File")};
inline constexpr TrText kTitleSelectFile{"CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "Select File")};

class CEditZarnDoc : public QObject {
    Q_OBJECT

public:
    explicit CEditZarnDoc(IPrompts& prompts, QObject* parent = nullptr);
    // Files are written through medium (tests put faults into it).
    CEditZarnDoc(IPrompts& prompts, IFileMedium& medium, QObject* parent = nullptr);
    ~CEditZarnDoc() override;

    Database& Data() { return *pDatabase; }
    const Database& Data() const { return *pDatabase; }
    IPrompts& Prompts() { return prompts; }

    // Runs one change of the database as one step of the editing history,
    // named for the Edit menu ("Delete 9 Channels"); favourite entries that
    // the change left stale are dropped in the same step. edit returns false
    // for a refused command. A step is recorded exactly when the database
    // changed: a refused command, or one that changed nothing, leaves no
    // step and no mark. Returns whether edit was accepted and changed the
    // database. An ApplyEdit inside another one's edit is part of the outer
    // step.
    bool ApplyEdit(const QString& strAction, const std::function<bool(Database&)>& edit);

    // Edit > Undo and Edit > Redo. The modified mark follows the history:
    // back at the state of the last save it is clear. New, Open and Close
    // start a new history; undo never reaches past them.
    bool CanUndo() const { return history.CanUndo(); }
    bool CanRedo() const { return history.CanRedo(); }
    QString UndoText() const;
    QString RedoText() const;
    void Undo();
    void Redo();
    const EditHistory& History() const { return history; }
    // Where the user is (the views' selection), kept with each step; set by
    // the frame. Undo returns to where the user was when the step was made,
    // Redo to where the user was when it was undone.
    std::function<std::vector<int>()> fnCapturePlace;
    // Where the user is now; empty without views.
    std::vector<int> CapturePlace() const;

    bool IsModified() const { return bModified; }
    void SetModifiedFlag(bool modified = true);
    QString WindowTitle() const
    {
        return kTitleText + strFilePath + (bReadOnly ? QString(kTitleReadOnly) : QString());
    }

    // File commands.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileClose();

    // Opens path as File Open opens a chosen file, messages included. A
    // database that is open stays as it was when path cannot be read.
    void OpenDocumentFile(const QString& path);
    // The question of Close, New and Open (the command, a recent file, a
    // drop) when the database has unsaved changes: true to go on (after Yes
    // and a save, or No), false to stop (Cancel, or a save that failed).
    // Asks nothing without changes.
    bool SaveModified();

    // Writes the database to its own path, as Save and the close prompt do;
    // shows "Can not save file!" and returns false when that fails or when
    // the user keeps a file another program changed.
    bool SaveToOwnPath();

    int bDataLoaded = 0;
    QString strFilePath;
    // Tree selection shared by the views; -1 for none.
    int SelectedSatellite = -1;
    int SelectedTpId = -1;
    int SelectedFavGroup = -1;

signals:
    // A database was opened or made: the tree rebuilds its branches.
    void DatabaseOpened();
    // The database was closed: the tree goes back to its top-level categories.
    void DatabaseClosed();
    void TitleChanged(const QString& title);
    void ModifiedChanged(bool modified);
    // Steps were added, undone, redone or cleared: the Edit menu follows.
    void HistoryChanged();
    // A step was undone or redone: the views show the restored database and
    // go back to place (from fnCapturePlace).
    void HistoryApplied(const std::vector<int>& place);
    // Save As with the spreadsheet filter: the channel lists go to path.
    void SpreadsheetExportRequested(const QString& path);
    // path became the document's file by Open, Save As or New.
    void FileUsed(const QString& path);
    // A remark for the status bar (what a save wrote, a save that could keep
    // no backup), for iShowMs milliseconds or, with 0, until the next one.
    void StatusNote(const QString& note, int iShowMs = 0);

private:
    void SetTitle();
    void ReportSaved(const QString& path);
    // Stops the test builds when the database differs from the history's state.
    void ExpectNoChangeOutsideHistory() const;
    // After the history moved: the modified mark and the Edit menu follow it.
    void FollowHistory();
    // New, Open or Close: the history starts again at a clean state.
    void StartHistory();
    // Saves to target, asking before it replaces a file another program
    // changed; ChangedOutside when the user keeps that file.
    FileSaveResult SaveAsking(const QString& target);
    // The path of a file dialog's choice, or nothing (with failure shown)
    // when the dialog could not read the name.
    std::optional<QString> ChosenPath(const FileChoice& choice, const QString& failure, MsgIcon icon);

    IPrompts& prompts;
    std::unique_ptr<Database> pDatabase;
    SaveSession saveSession;
    bool bModified = false;
    // The open file may not be written (a read-only file or medium): Save
    // refuses with the reason and offers Save As.
    bool bReadOnly = false;
    // Bytes of the opened file that a save over it drops; asked about once.
    int64_t iBytesNotKept = 0;
    EditHistory history;
    bool bInEdit = false;
};

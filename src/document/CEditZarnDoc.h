// The document: owns the one database, its file path, the modified mark and
// the main window's title, and runs the File commands New, Open, Save,
// Save As and Close.
#pragma once

#include "Database.h"
#include "FileAccess.h"
#include "Prompts.h"
#include "TrText.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

inline const QString kTitleText = QStringLiteral("Pelk_Channel Editor v2.2 ");

inline constexpr TrText kMsgCannotOpen{"CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "Can't not open the file!")};
inline constexpr TrText kMsgNotCorrect{
    "CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "This file is not a correct file,please select another!")};
inline constexpr TrText kMsgCannotSave{"CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "Can not save file!")};
inline constexpr TrText kMsgCannotSaveAs{
    "CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "Can't not save the file\n")};
inline constexpr TrText kMsgSaveChanges{
    "CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "Do you want to save changed data ?")};

inline constexpr TrText kFilterNew{
    "CEditZarnDoc",
    QT_TRANSLATE_NOOP("CEditZarnDoc", "SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||")};
inline constexpr TrText kFilterOpen{
    "CEditZarnDoc", QT_TRANSLATE_NOOP("CEditZarnDoc", "SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||")};
inline constexpr TrText kFilterSaveAs{
    "CEditZarnDoc",
    QT_TRANSLATE_NOOP("CEditZarnDoc", "SDX Files (*.sdx)|*.sdx|Excel Files (*.xls)|*.xls|All Files (*.*)|*.*||")};
inline constexpr int kExcelFilterIndex = 2;

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
    // named for the Edit menu ("Delete 9 Channels"). edit returns whether it
    // changed anything: a refused command leaves no step and no mark.
    bool ApplyEdit(const QString& strAction, const std::function<bool(Database&)>& edit);

    bool IsModified() const { return bModified; }
    void SetModifiedFlag(bool modified = true);
    QString WindowTitle() const { return kTitleText + strFilePath; }

    // File commands.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileClose();

    // Opens path as File Open opens a chosen file, messages included.
    void OpenDocumentFile(const QString& path);

    // Writes the database to its own path, as Save and the close prompt do;
    // shows "Can not save file!" and returns false when that fails.
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
    // Save As with the spreadsheet filter: the channel lists go to path.
    void SpreadsheetExportRequested(const QString& path);

private:
    void SetTitle();

    IPrompts& prompts;
    std::unique_ptr<Database> pDatabase;
    SaveSession saveSession;
    bool bModified = false;
};

// The application object: keeps the settings and the recent-file list,
// creates the document and the main window, and opens a database named on
// the command line.
#pragma once

#include "RecentFiles.h"

#include <memory>

class CEditZarnDoc;
class CMainFrame;
class IPrompts;
class QSettings;
class QtPrompts;

class CEditZarnApp {
public:
    // Questions go to pPrompts, or to Qt's message boxes and file dialogs on
    // the main window when it is null.
    explicit CEditZarnApp(QSettings& settings, IPrompts* pPrompts = nullptr);
    ~CEditZarnApp();

    // Loads the recent-file list, creates the main window, restores its
    // layout and shows it, then opens strFile (if not empty) as File Open
    // opens a chosen file. A file that cannot be opened is reported and the
    // editor starts without one.
    void InitInstance(const QString& strFile = {});
    // Writes the recent-file list and the window layout back.
    void ExitInstance();

    CEditZarnDoc& Document() const { return *pDoc; }
    CMainFrame* MainFrame() const { return pFrame.get(); }
    RecentFileList& RecentFiles() { return recentFiles; }

private:
    QSettings& settings;
    RecentFileList recentFiles;
    std::unique_ptr<QtPrompts> pQtPrompts;
    std::unique_ptr<CEditZarnDoc> pDoc;
    std::unique_ptr<CMainFrame> pFrame;
};

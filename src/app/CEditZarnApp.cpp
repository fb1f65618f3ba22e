#include "CEditZarnApp.h"

#include "BuiltinExcel.h"
#include "CEditZarnDoc.h"
#include "CMainFrame.h"
#include "DialogTitleFit.h"
#include "QtPrompts.h"
#include "SpreadsheetExport.h"
#include "WindowLayout.h"

#include <QApplication>
#include <QStatusBar>

CEditZarnApp::CEditZarnApp(QSettings& settings, IPrompts* pPrompts)
    : settings(settings), pQtPrompts(pPrompts ? nullptr : std::make_unique<QtPrompts>()),
      pDoc(std::make_unique<CEditZarnDoc>(pPrompts ? *pPrompts : *pQtPrompts))
{
}

CEditZarnApp::~CEditZarnApp() = default;

void CEditZarnApp::InitInstance(const QString& strFile)
{
    recentFiles.Load(settings);
    pFrame = std::make_unique<CMainFrame>(*pDoc);
    QApplication::instance()->installEventFilter(new DialogTitleFit(pFrame.get()));
    RestoreWindowLayout(settings, *pFrame);
    pFrame->ShowRecentFiles(recentFiles);
    if (pQtPrompts)
        pQtPrompts->SetParent(pFrame.get());
    // Save As with the spreadsheet filter writes the channel lists instead of
    // the database; the user waits for it, and the status bar tells what went where.
    QObject::connect(pDoc.get(), &CEditZarnDoc::SpreadsheetExportRequested, pFrame.get(), [this](const QString& path) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const QString report = RunSpreadsheetExport(pDoc->Data(), pDoc->Prompts(), path, DefaultAutomationRegistry());
        QApplication::restoreOverrideCursor();
        if (!report.isEmpty())
            pFrame->statusBar()->showMessage(report);
    });
    pFrame->show();
    if (!strFile.isEmpty())
        pDoc->OpenDocumentFile(strFile);
}

void CEditZarnApp::ExitInstance()
{
    recentFiles.Save(settings);
    SaveWindowLayout(settings, *pFrame);
    settings.sync();
}

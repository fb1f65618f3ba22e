#include "CEditZarnApp.h"

#include "CEditZarnDoc.h"
#include "CMainFrame.h"
#include "QtPrompts.h"

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
    if (pQtPrompts)
        pQtPrompts->SetParent(pFrame.get());
    pFrame->show();
    if (!strFile.isEmpty())
        pDoc->OpenDocumentFile(strFile);
}

void CEditZarnApp::ExitInstance()
{
    recentFiles.Save(settings);
    settings.sync();
}

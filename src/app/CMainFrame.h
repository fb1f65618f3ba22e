// The main window: menus, toolbar, status bar and the two panes (the tree on
// the left, the channel list on the right). It enables the commands for the
// active pane and the document's state, switches the list between TV and
// radio channels and asks to save changed data when it closes.
#pragma once

#include "CommandRouting.h"
#include "DialogButtons.h"
#include "TrText.h"

#include <QHash>
#include <QMainWindow>

#include <memory>

class CEditZarnDoc;
class CEditZarnView;
class CLeftView;
class IPrintout;
class PanePrinter;
class ReferenceListCommands;
class QSplitter;
class RecentFileList;
class RecentFilesMenu;

inline constexpr TrText kMsgPdfNotWritten{"CMainFrame",
                                          QT_TRANSLATE_NOOP("CMainFrame", "The PDF file was not written.")};
inline constexpr TrText kMenuFile{"CMainFrame", QT_TRANSLATE_NOOP("CMainFrame", "&File")};
inline constexpr TrText kMenuEdit{"CMainFrame", QT_TRANSLATE_NOOP("CMainFrame", "&Edit")};
inline constexpr TrText kMenuView{"CMainFrame", QT_TRANSLATE_NOOP("CMainFrame", "&View")};
inline constexpr TrText kMenuTools{"CMainFrame", QT_TRANSLATE_NOOP("CMainFrame", "&Tools")};
inline constexpr TrText kMenuHelp{"CMainFrame", QT_TRANSLATE_NOOP("CMainFrame", "&Help")};
inline constexpr TrText kMenuSortChannel{"CMainFrame", QT_TRANSLATE_NOOP("CMainFrame", "Sort Channel")};

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kLeftPaneWidth = 180;

    explicit CMainFrame(CEditZarnDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The action of a command id (its object name is the id's name, such as
    // "ID_FILE_NEW"); null for an id the frame does not know.
    QAction* Action(int id) const { return aActions.value(id); }
    CLeftView* LeftView() const { return pLeftView; }
    CEditZarnView* ListView() const { return pListView; }
    QSplitter* Splitter() const { return pSplitter; }
    Pane ActivePane() const { return activePane; }
    // Print, Print Preview and Print Setup; tests replace its dialogs.
    PanePrinter& Printer() const { return *pPrinter; }
    // Apply and Export Reference List; tests answer its dialog.
    ReferenceListCommands& ReferenceCommands() const { return *pReferenceCommands; }
    // Shows list in the File menu and keeps it up to date.
    void ShowRecentFiles(RecentFileList& list);
    RecentFilesMenu* RecentMenu() const { return pRecentMenu; }
    // How Tools > Check Database runs its dialog; tests answer it here.
    DialogRunner fnRunCheckDialog = ExecModal;
    // The splitter keeps its place from now on (a stored layout set it);
    // otherwise an opened database widens the tree to its satellite labels.
    void KeepTreePaneWidth() { bFitTreePane = false; }

public slots:
    // Enables every command for the active pane and the document's state and
    // marks TV or Radio after the list's mode.
    void UpdateCommandUI();

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateClientArea();
    void ConnectCommands();

    // The document's title with Qt's modified-mark placeholder after it.
    void ShowTitle(const QString& title);
    // Up to a third of the window for the tree, so that its satellite labels show whole.
    void FitTreePane();
    void OnFocusChanged(QWidget* pNow);
    void ActivatePane(Pane pane);
    void OnViewMode(int mode);
    void OnAppAbout();
    void OnCheckDatabase();
    // What the active pane prints: the list's rows or the tree's shown nodes.
    std::unique_ptr<IPrintout> ActivePrintout() const;

    CEditZarnDoc& doc;
    QHash<int, QAction*> aActions;
    QMenu* pEditMenu = nullptr;
    QMenu* pFavouritesMenu = nullptr;
    QMenu* pFileMenu = nullptr;
    RecentFilesMenu* pRecentMenu = nullptr;
    QSplitter* pSplitter = nullptr;
    CLeftView* pLeftView = nullptr;
    CEditZarnView* pListView = nullptr;
    Pane activePane = Pane::Tree;
    bool bFitTreePane = true;
    std::unique_ptr<PanePrinter> pPrinter;
    std::unique_ptr<ReferenceListCommands> pReferenceCommands;
};

#include "CMainFrame.h"

#include "AppIcons.h"
#include "CAboutDlg.h"
#include "CCheckDatabaseDlg.h"
#include "CChannelPane.h"
#include "CEditZarnDoc.h"
#include "CEditZarnView.h"
#include "CLeftView.h"
#include "CommandIds.h"
#include "DroppedFiles.h"
#include "PanePrinter.h"
#include "ReferenceListCommands.h"
#include "TreeLabels.h"
#include "ViewPlace.h"
#include "RecentFilesMenu.h"
#include "WindowLayout.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

struct ActionText {
    int iId;
    const char* pName;
    const char* pText;
    const char* pShortcut;
};

// Menu texts and accelerators of every command the frame offers.
constexpr ActionText kActionTexts[] = {
    {ID_FILE_NEW, "ID_FILE_NEW", QT_TRANSLATE_NOOP("CMainFrame", "&New"), "Ctrl+N"},
    {ID_FILE_OPEN, "ID_FILE_OPEN", QT_TRANSLATE_NOOP("CMainFrame", "&Open..."), "Ctrl+O"},
    {ID_FILE_CLOSE, "ID_FILE_CLOSE", QT_TRANSLATE_NOOP("CMainFrame", "&Close"), nullptr},
    {ID_FILE_SAVE, "ID_FILE_SAVE", QT_TRANSLATE_NOOP("CMainFrame", "&Save"), "Ctrl+S"},
    {ID_FILE_SAVE_AS, "ID_FILE_SAVE_AS", QT_TRANSLATE_NOOP("CMainFrame", "Save &As..."), nullptr},
    {ID_FILE_APPLY_REFERENCE, "ID_FILE_APPLY_REFERENCE", QT_TRANSLATE_NOOP("CMainFrame", "Apply Reference List…"),
     nullptr},
    {ID_FILE_EXPORT_REFERENCE, "ID_FILE_EXPORT_REFERENCE", QT_TRANSLATE_NOOP("CMainFrame", "Export Reference List…"),
     nullptr},
    {ID_FILE_IMPORT_TRANSPONDERS, "ID_FILE_IMPORT_TRANSPONDERS",
     QT_TRANSLATE_NOOP("CMainFrame", "Import Transponder List…"), nullptr},
    {ID_FILE_PRINT, "ID_FILE_PRINT", QT_TRANSLATE_NOOP("CMainFrame", "&Print..."), "Ctrl+P"},
    {ID_FILE_PRINT_PREVIEW, "ID_FILE_PRINT_PREVIEW", QT_TRANSLATE_NOOP("CMainFrame", "Print Pre&view"), nullptr},
    {ID_FILE_PRINT_SETUP, "ID_FILE_PRINT_SETUP", QT_TRANSLATE_NOOP("CMainFrame", "P&rint Setup..."), nullptr},
    {ID_FILE_MRU_FILE1, "ID_FILE_MRU_FILE1", QT_TRANSLATE_NOOP("CMainFrame", "Recent File"), nullptr},
    {ID_APP_EXIT, "ID_APP_EXIT", QT_TRANSLATE_NOOP("CMainFrame", "E&xit"), nullptr},
    {ID_EDIT_UNDO, "ID_EDIT_UNDO", QT_TRANSLATE_NOOP("CMainFrame", "Undo"), nullptr},
    {ID_EDIT_REDO, "ID_EDIT_REDO", QT_TRANSLATE_NOOP("CMainFrame", "Redo"), nullptr},
    {ID_CHANNEL_ADD, "ID_CHANNEL_ADD", QT_TRANSLATE_NOOP("CMainFrame", "Add Channel"), nullptr},
    {ID_CHANNEL_EDIT, "ID_CHANNEL_EDIT", QT_TRANSLATE_NOOP("CMainFrame", "Edit Channel"), nullptr},
    {ID_CHANNEL_DELETE, "ID_CHANNEL_DELETE", QT_TRANSLATE_NOOP("CMainFrame", "Delete Channel"), nullptr},
    {ID_CHANNEL_MOVE, "ID_CHANNEL_MOVE", QT_TRANSLATE_NOOP("CMainFrame", "Move Channel"), nullptr},
    {ID_CHANNEL_LOCK, "ID_CHANNEL_LOCK", QT_TRANSLATE_NOOP("CMainFrame", "Lock"), nullptr},
    {ID_CHANNEL_UNLOCK, "ID_CHANNEL_UNLOCK", QT_TRANSLATE_NOOP("CMainFrame", "Unlock"), nullptr},
    {ID_SORT_AZ, "ID_SORT_AZ", QT_TRANSLATE_NOOP("CMainFrame", "A--->Z"), nullptr},
    {ID_SORT_ZA, "ID_SORT_ZA", QT_TRANSLATE_NOOP("CMainFrame", "Z--->A"), nullptr},
    {ID_SORT_TRANSPONDER, "ID_SORT_TRANSPONDER", QT_TRANSLATE_NOOP("CMainFrame", "Transponder"), nullptr},
    {ID_SORT_SATELLITE, "ID_SORT_SATELLITE", QT_TRANSLATE_NOOP("CMainFrame", "Satellite"), nullptr},
    {ID_VIEW_TV, "ID_VIEW_TV", QT_TRANSLATE_NOOP("CMainFrame", "&TV Channel"), nullptr},
    {ID_VIEW_RADIO, "ID_VIEW_RADIO", QT_TRANSLATE_NOOP("CMainFrame", "&Radio Channel"), nullptr},
    {ID_TOOLS_CHECK_DATABASE, "ID_TOOLS_CHECK_DATABASE", QT_TRANSLATE_NOOP("CMainFrame", "Check Database…"),
     "Ctrl+Shift+K"},
    {ID_APP_ABOUT, "ID_APP_ABOUT", QT_TRANSLATE_NOOP("CMainFrame", "&About EditZarn..."), nullptr},
    {ID_NEXT_PANE, "ID_NEXT_PANE", "", "F6"},
    {ID_PREV_PANE, "ID_PREV_PANE", "", "Shift+F6"},
};

// Undo and Redo answer several keys each.
const QList<QKeySequence> kUndoKeys = {QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")};
const QList<QKeySequence> kRedoKeys = {QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")};

// Clipboard keys of the accelerator table. No command handles them, so the
// frame takes them and nothing happens.
const QList<QKeySequence> kUnhandledKeys = {
    QKeySequence("Ctrl+C"),      QKeySequence("Ctrl+X"),       QKeySequence("Ctrl+V"),
    QKeySequence("Ctrl+Insert"), QKeySequence("Shift+Insert"), QKeySequence("Shift+Delete"),
    QKeySequence("Ctrl+Delete"),
};

constexpr int kSeparator = 0;
constexpr int kSortSubmenu = -1;
constexpr int kFavouritesSubmenu = -2;

constexpr int kFileMenu[] = {
    ID_FILE_NEW,
    ID_FILE_OPEN,
    ID_FILE_CLOSE,
    kSeparator,
    ID_FILE_SAVE,
    ID_FILE_SAVE_AS,
    kSeparator,
    ID_FILE_APPLY_REFERENCE,
    ID_FILE_EXPORT_REFERENCE,
    ID_FILE_IMPORT_TRANSPONDERS,
    kSeparator,
    ID_FILE_PRINT,
    ID_FILE_PRINT_PREVIEW,
    ID_FILE_PRINT_SETUP,
    kSeparator,
    ID_FILE_MRU_FILE1,
    kSeparator,
    ID_APP_EXIT,
};
// Undo and Redo head the Edit menu.
constexpr int kHistoryItems[] = {ID_EDIT_UNDO, ID_EDIT_REDO, kSeparator};
constexpr int kEditMenu[] = {
    ID_CHANNEL_ADD,    ID_CHANNEL_EDIT, ID_CHANNEL_DELETE, ID_CHANNEL_MOVE,    kSeparator, ID_CHANNEL_LOCK,
    ID_CHANNEL_UNLOCK, kSeparator,      kSortSubmenu,      kFavouritesSubmenu, kSeparator,
};
constexpr int kSortMenu[] = {ID_SORT_AZ, ID_SORT_ZA, kSeparator, ID_SORT_TRANSPONDER, ID_SORT_SATELLITE};
constexpr int kViewMenu[] = {ID_VIEW_TV, ID_VIEW_RADIO};
constexpr int kToolsMenu[] = {ID_TOOLS_CHECK_DATABASE};
constexpr int kHelpMenu[] = {ID_APP_ABOUT};

constexpr int kToolBar[] = {
    ID_FILE_NEW, ID_FILE_OPEN,    ID_FILE_SAVE, kSeparator,        ID_CHANNEL_ADD, kSeparator,   ID_CHANNEL_EDIT,
    kSeparator,  ID_CHANNEL_MOVE, kSeparator,   ID_CHANNEL_DELETE, kSeparator,     ID_APP_ABOUT, kSeparator,
    ID_SORT_AZ,  ID_SORT_ZA,      kSeparator,   ID_VIEW_TV,        ID_VIEW_RADIO,
};
static_assert(std::size(kToolBar) == 19);

constexpr int kToolBarIconSize = 16;
const QString kModifiedMark = QStringLiteral("[*]");
// The filter box keeps room for this many typed characters in a narrow
// window; a line edit's size hint has room for 17.
constexpr int kFilterBoxChars = 12;
constexpr int kLineEditHintChars = 17;

bool IsWithin(const QWidget* pPane, const QWidget* pWidget)
{
    return pWidget && (pWidget == pPane || pPane->isAncestorOf(pWidget));
}

// The width the tree needs to show every satellite label whole: the widest
// label with its icon, two levels of indentation, the frame and a vertical
// scroll bar.
int SatelliteLabelsWidth(const CLeftView& tree)
{
    const QAbstractItemModel& model = *tree.model();
    const QModelIndex satellites = model.index(kRootSatellite, 0);
    int widest = 0;
    for (int i = 0, n = model.rowCount(satellites); i < n; ++i)
        widest = std::max(widest, tree.sizeHintForIndex(model.index(i, 0, satellites)).width());
    return widest + 2 * tree.indentation() + 2 * tree.frameWidth() + tree.verticalScrollBar()->sizeHint().width();
}

} // namespace

CMainFrame::CMainFrame(CEditZarnDoc& doc, QWidget* parent) : QMainWindow(parent), doc(doc)
{
    setGeometry(FirstStartGeometry(screen()->availableGeometry()));
    ShowTitle(kTitleText);
    setWindowIcon(ApplicationIcon());
    setAcceptDrops(true);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateClientArea();
    ConnectCommands();

    connect(&doc, &CEditZarnDoc::TitleChanged, this, &CMainFrame::ShowTitle);
    connect(&doc, &CEditZarnDoc::ModifiedChanged, this, &QWidget::setWindowModified);
    connect(&doc, &CEditZarnDoc::DatabaseOpened, this, &CMainFrame::FitTreePane);
    connect(&doc, &CEditZarnDoc::DatabaseOpened, this, &CMainFrame::UpdateCommandUI);
    connect(&doc, &CEditZarnDoc::DatabaseClosed, this, &CMainFrame::UpdateCommandUI);
    connect(&doc, &CEditZarnDoc::ModifiedChanged, this, &CMainFrame::UpdateCommandUI);
    connect(&doc, &CEditZarnDoc::HistoryChanged, this, &CMainFrame::UpdateCommandUI);
    connect(&doc, &CEditZarnDoc::HistoryApplied, this,
            [this](const std::vector<int>& place) { RestoreViewPlace(*pLeftView, *pListView, place); });
    doc.fnCapturePlace = [this] { return CaptureViewPlace(*pLeftView, *pListView); };
    connect(&doc, &CEditZarnDoc::StatusNote, this,
            [this](const QString& note, int iShowMs) { statusBar()->showMessage(note, iShowMs); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* pNow) { OnFocusChanged(pNow); });
    UpdateCommandUI();
}

CMainFrame::~CMainFrame()
{
    // The panes go before the QObject connections do; no focus report may
    // reach the frame while they are being destroyed.
    disconnect(qApp, nullptr, this, nullptr);
    doc.fnCapturePlace = nullptr;
}

void CMainFrame::CreateActions()
{
    for (const ActionText& entry : kActionTexts) {
        auto* pAction = new QAction(tr(entry.pText), this);
        pAction->setObjectName(QString::fromLatin1(entry.pName));
        pAction->setData(entry.iId);
        pAction->setStatusTip(CommandPrompt(entry.iId));
        if (entry.pShortcut)
            pAction->setShortcut(QKeySequence(QString::fromLatin1(entry.pShortcut)));
        if (const QString label = CommandLabel(entry.iId); !label.isEmpty()) {
            pAction->setIconText(label);
            pAction->setToolTip(label);
        }
        if (const QIcon icon = CommandIcon(entry.iId); !icon.isNull())
            pAction->setIcon(icon);
        pAction->setIconVisibleInMenu(false); // menus show text and the TV/Radio marks only
        addAction(pAction);                   // accelerators work wherever the focus is in the window
        aActions.insert(entry.iId, pAction);
    }
    Action(ID_EDIT_UNDO)->setShortcuts(kUndoKeys);
    Action(ID_EDIT_REDO)->setShortcuts(kRedoKeys);
    auto* pModes = new QActionGroup(this);
    for (int id : {ID_VIEW_TV, ID_VIEW_RADIO}) {
        Action(id)->setCheckable(true);
        pModes->addAction(Action(id));
    }
    auto* pUnhandled = new QAction(this);
    pUnhandled->setObjectName("UnhandledKeys");
    pUnhandled->setShortcuts(kUnhandledKeys);
    addAction(pUnhandled);
}

void CMainFrame::CreateMenus()
{
    const auto addItems = [this](QMenu* pMenu, auto const& ids, auto&& addSubmenu) {
        for (int id : ids) {
            if (id == kSeparator)
                pMenu->addSeparator();
            else if (id == kSortSubmenu)
                addSubmenu(pMenu);
            else if (id == kFavouritesSubmenu)
                pFavouritesMenu = pMenu->addMenu(kMenuFavourites); // filled by the list when it opens
            else
                pMenu->addAction(Action(id));
        }
    };
    const auto noSubmenu = [](QMenu*) {};
    addItems(pFileMenu = menuBar()->addMenu(kMenuFile), kFileMenu, noSubmenu);
    QMenu* pEdit = pEditMenu = menuBar()->addMenu(kMenuEdit);
    pEdit->setSeparatorsCollapsible(false); // the menu ends in a separator
    addItems(pEdit, kEditMenu,
             [&](QMenu* pMenu) { addItems(pMenu->addMenu(kMenuSortChannel), kSortMenu, noSubmenu); });
    addItems(menuBar()->addMenu(kMenuView), kViewMenu, noSubmenu);
    addItems(menuBar()->addMenu(kMenuTools), kToolsMenu, noSubmenu);
    addItems(menuBar()->addMenu(kMenuHelp), kHelpMenu, noSubmenu);
}

void CMainFrame::CreateToolBar()
{
    QToolBar* pToolBar = addToolBar(QString());
    pToolBar->setObjectName("toolbar");
    pToolBar->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
    pToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (int id : kToolBar) {
        if (id == kSeparator)
            pToolBar->addSeparator();
        else
            pToolBar->addAction(Action(id));
    }
    // Every button as wide as the widest label, like a strip of equal
    // buttons; the overflow button of a narrow window keeps its own size.
    QList<QWidget*> buttons;
    for (QAction* pAction : pToolBar->actions())
        if (!pAction->isSeparator())
            buttons << pToolBar->widgetForAction(pAction);
    int width = 0;
    for (const QWidget* pButton : buttons)
        width = std::max(width, pButton->sizeHint().width());
    for (QWidget* pButton : buttons)
        pButton->setMinimumWidth(width);
}

void CMainFrame::CreateStatusBar()
{
    auto* pIdle = new QLabel(kIdleMessage);
    pIdle->setObjectName("idleMessage");
    statusBar()->addWidget(pIdle, 1);
    // Qt cannot read the lock keys' state on every platform, so the
    // indicators stay greyed as they are when the key is off.
    for (const TrText& indicator : {kIndicatorCaps, kIndicatorNum, kIndicatorScroll}) {
        const QString text = indicator;
        auto* pIndicator = new QLabel(text);
        pIndicator->setObjectName(QString::fromLatin1(indicator.pszSource)); // the same in every language
        pIndicator->setAlignment(Qt::AlignCenter);
        pIndicator->setFrameShape(QFrame::Panel);
        pIndicator->setFrameShadow(QFrame::Sunken);
        pIndicator->setMinimumWidth(pIndicator->fontMetrics().horizontalAdvance(text) + 12);
        pIndicator->setEnabled(false);
        statusBar()->addPermanentWidget(pIndicator);
    }
}

void CMainFrame::CreateClientArea()
{
    pSplitter = new QSplitter(Qt::Horizontal, this);
    pSplitter->setObjectName("splitter");
    pLeftView = new CLeftView(doc, pSplitter);
    auto* pListPane = new CChannelPane(doc, pSplitter);
    pListView = pListPane->View();
    QLineEdit* pFilterBox = pListPane->FilterBox();
    pFilterBox->setMinimumWidth(pFilterBox->sizeHint().width() -
                                (kLineEditHintChars - kFilterBoxChars) *
                                    pFilterBox->fontMetrics().horizontalAdvance(QLatin1Char('x')));
    // The selection's and the filter's counts sit in the status bar, left
    // of the key indicators.
    for (auto [pName, signal] : {std::pair{"selectionCount", &CChannelPane::SelectionTextChanged},
                                 std::pair{"filterCount", &CChannelPane::CountTextChanged}}) {
        auto* pCount = new QLabel;
        pCount->setObjectName(pName);
        pCount->hide();
        statusBar()->insertPermanentWidget(1, pCount);
        connect(pListPane, signal, pCount, [pCount](const QString& text) {
            pCount->setText(text);
            pCount->setVisible(!text.isEmpty());
        });
    }
    connect(pLeftView, &CLeftView::ListKindReported, pListView, &CEditZarnView::ShowListKind);
    connect(pLeftView, &CLeftView::ChannelsDroppedOnGroup, pListView, &CEditZarnView::AddToFavGroup);
    connect(pLeftView, &CLeftView::ListCleared, pListView, &CEditZarnView::ClearChannelList);
    pSplitter->setStretchFactor(0, 0);
    pSplitter->setStretchFactor(1, 1);
    pSplitter->setSizes({kLeftPaneWidth, width() - kLeftPaneWidth});
    connect(pSplitter, &QSplitter::splitterMoved, this, &CMainFrame::KeepTreePaneWidth);
    setCentralWidget(pSplitter);
    pLeftView->setFocus();
}

void CMainFrame::ConnectCommands()
{
    // After every command the enabling and the marks follow the new state.
    const auto onCommand = [this](int id, auto&& handler) {
        connect(Action(id), &QAction::triggered, this, [this, handler] {
            handler();
            UpdateCommandUI();
        });
    };
    onCommand(ID_FILE_NEW, [this] { doc.OnFileNew(); });
    onCommand(ID_FILE_OPEN, [this] { doc.OnFileOpen(); });
    onCommand(ID_FILE_SAVE, [this] { doc.OnFileSave(); });
    onCommand(ID_FILE_SAVE_AS, [this] { doc.OnFileSaveAs(); });
    onCommand(ID_FILE_CLOSE, [this] { doc.OnFileClose(); });
    onCommand(ID_APP_EXIT, [this] { close(); });
    onCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
    onCommand(ID_VIEW_TV, [this] { OnViewMode(0); });
    onCommand(ID_VIEW_RADIO, [this] { OnViewMode(1); });
    pPrinter = std::make_unique<PanePrinter>(std::make_unique<QtPrintDialogs>(this));
    // A PDF file that Print or a print from the preview could not write says why.
    const auto reportPdf = [this](const QString& failure) {
        if (!failure.isEmpty())
            WindowMessage(doc.Prompts(), kMsgPdfNotWritten, MsgButtons::Ok, MsgIcon::Stop, {}, failure);
    };
    onCommand(ID_FILE_PRINT, [this, reportPdf] {
        QString failure;
        pPrinter->Print(*ActivePrintout(), &failure);
        reportPdf(failure);
    });
    onCommand(ID_FILE_PRINT_PREVIEW, [this, reportPdf] {
        QString failure;
        pPrinter->Preview(*ActivePrintout(), &failure);
        reportPdf(failure);
    });
    onCommand(ID_FILE_PRINT_SETUP, [this] { pPrinter->PrintSetup(); });
    pReferenceCommands = std::make_unique<ReferenceListCommands>(doc, this);
    onCommand(ID_FILE_APPLY_REFERENCE, [this] {
        // The new order shows in the list of all channels.
        if (pReferenceCommands->OnApplyReferenceList()) {
            pLeftView->FillTree();
            pLeftView->setCurrentItem(pLeftView->Root(kRootChannelList));
        }
    });
    onCommand(ID_FILE_EXPORT_REFERENCE, [this] { pReferenceCommands->OnExportReferenceList(); });
    onCommand(ID_TOOLS_CHECK_DATABASE, [this] { OnCheckDatabase(); });
    onCommand(ID_FILE_IMPORT_TRANSPONDERS, [this] { pLeftView->ImportTransponderList({}); });
    // The channel commands act on the list; its context menu offers the Edit menu.
    for (int id : {ID_CHANNEL_ADD, ID_CHANNEL_EDIT, ID_CHANNEL_DELETE, ID_CHANNEL_MOVE, ID_CHANNEL_LOCK,
                   ID_CHANNEL_UNLOCK, ID_SORT_AZ, ID_SORT_ZA, ID_SORT_TRANSPONDER, ID_SORT_SATELLITE})
        onCommand(id, [this, id] { pListView->RunCommand(id); });
    pListView->AttachFavouritesMenu(pFavouritesMenu);
    connect(pFavouritesMenu, &QMenu::triggered, this, [this](QAction* pEntry) {
        pListView->RunCommand(pEntry->data().toInt());
        UpdateCommandUI();
    });
    pListView->SetContextMenu(pEditMenu);
    // Undo and Redo join the Edit menu only now, so that the context menu,
    // a copy of it, keeps to the channel commands.
    QAction* pFirstEdit = pEditMenu->actions().value(0);
    for (int id : kHistoryItems) {
        if (id == kSeparator)
            pEditMenu->insertSeparator(pFirstEdit);
        else
            pEditMenu->insertAction(pFirstEdit, Action(id));
    }
    onCommand(ID_EDIT_UNDO, [this] { doc.Undo(); });
    onCommand(ID_EDIT_REDO, [this] { doc.Redo(); });
    // With two panes the next and the previous pane are the same: the other one.
    for (int id : {ID_NEXT_PANE, ID_PREV_PANE})
        onCommand(id, [this] { ActivatePane(activePane == Pane::Tree ? Pane::List : Pane::Tree); });
}

void CMainFrame::UpdateCommandUI()
{
    const Pane pane = activePane;
    const bool bDataLoaded = doc.bDataLoaded != 0;
    const bool bRadioMode = pListView->iTvRadioMode == 1;
    for (auto it = aActions.cbegin(); it != aActions.cend(); ++it)
        it.value()->setEnabled(IsCommandEnabled(it.key(), pane, bDataLoaded, false, doc.CanUndo(), doc.CanRedo()));
    pFavouritesMenu->menuAction()->setEnabled(IsCommandEnabled(ID_FAVOURITES, pane, bDataLoaded));
    Action(ID_EDIT_UNDO)->setText(doc.UndoText());
    Action(ID_EDIT_REDO)->setText(doc.RedoText());
    if (pRecentMenu)
        pRecentMenu->SetEnabled(Action(ID_FILE_OPEN)->isEnabled());
    Action(ID_VIEW_TV)->setChecked(!bRadioMode);
    Action(ID_VIEW_RADIO)->setChecked(bRadioMode);
}

void CMainFrame::ShowRecentFiles(RecentFileList& list)
{
    pRecentMenu = new RecentFilesMenu(*pFileMenu, *Action(ID_FILE_MRU_FILE1), list, doc);
    UpdateCommandUI();
}

void CMainFrame::ShowTitle(const QString& title)
{
    // A "[*]" of the path itself is doubled, which Qt shows as written.
    setWindowTitle(QString(title).replace(kModifiedMark, QStringLiteral("[*][*]")) + kModifiedMark);
}

void CMainFrame::FitTreePane()
{
    if (!bFitTreePane)
        return;
    const QList<int> sizes = pSplitter->sizes();
    const int tree = std::max(sizes.value(0), std::min(SatelliteLabelsWidth(*pLeftView), width() / 3));
    pSplitter->setSizes({tree, sizes.value(0) + sizes.value(1) - tree});
}

void CMainFrame::OnFocusChanged(QWidget* pNow)
{
    // Focus outside both panes (toolbar, dialogs) leaves the active pane as it was.
    if (IsWithin(pLeftView, pNow))
        activePane = Pane::Tree;
    else if (IsWithin(pListView, pNow))
        activePane = Pane::List;
    else
        return;
    UpdateCommandUI();
}

void CMainFrame::ActivatePane(Pane pane)
{
    activePane = pane;
    (pane == Pane::Tree ? static_cast<QWidget*>(pLeftView) : pListView)->setFocus(Qt::ShortcutFocusReason);
}

void CMainFrame::OnViewMode(int mode) { pListView->RefreshChannelList(mode); }

std::unique_ptr<IPrintout> CMainFrame::ActivePrintout() const
{
    if (activePane == Pane::List)
        return std::make_unique<ListPrintout>(ListInputFromModel(*pListView->model()));
    return std::make_unique<TreePrintout>(TreeInputFromWidget(*pLeftView));
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::OnCheckDatabase()
{
    if (!doc.bDataLoaded)
        return;
    CCheckDatabaseDlg dialog(doc, this);
    dialog.fnShowPlace = [this](const std::vector<int>& place) { RestoreViewPlace(*pLeftView, *pListView, place); };
    fnRunCheckDialog(dialog);
    statusBar()->clearMessage(); // the note of what Open found is old now
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    // Asked once: answering No drops the changes. Cancel (Escape, the box's
    // close button) keeps the window, and so does a save the user chose that
    // did not happen, so that nothing is lost.
    if (!doc.SaveModified()) {
        pEvent->ignore();
        return;
    }
    doc.SetModifiedFlag(false);
    pEvent->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* pEvent)
{
    // Any file is taken, so that a drop that opens nothing says why.
    if (pEvent->mimeData()->hasUrls())
        pEvent->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* pEvent)
{
    const DroppedDatabase dropped = DatabaseOfDrop(pEvent->mimeData()->urls());
    pEvent->acceptProposedAction();
    // The file manager gets its answer first; the questions come after.
    QMetaObject::invokeMethod(
        this,
        [this, dropped] {
            if (dropped.strPath.isEmpty())
                WindowMessage(doc.Prompts(), kMsgDropRefused, MsgButtons::Ok, MsgIcon::Warning, {},
                              dropped.strRefusal);
            else if (doc.SaveModified())
                doc.OpenDocumentFile(dropped.strPath);
            UpdateCommandUI();
        },
        Qt::QueuedConnection);
}

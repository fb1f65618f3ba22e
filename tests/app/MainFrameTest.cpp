// The main window as the application builds it, with scripted answers to
// every question it asks.
#include <gtest/gtest.h>

#include "CAboutDlg.h"
#include "CEditZarnApp.h"
#include "CEditZarnDoc.h"
#include "CEditZarnView.h"
#include "CLeftView.h"
#include "CMainFrame.h"
#include "CommandIds.h"
#include "DemoDatabase.h"
#include "FileAccess.h"
#include "ModelOperations.h"
#include "ScriptedPrompts.h"
#include "MainWindowFixture.h"
#include "RecentFilesMenu.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <set>

namespace {

const QString kCaption = "Pelk_Channel Editor v2.2 ";

// Every command the frame offers, and the groups the enabling rules use.
const std::set<int> kAlwaysEnabled = {ID_FILE_NEW,         ID_FILE_OPEN, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW,
                                      ID_FILE_PRINT_SETUP, ID_APP_ABOUT, ID_APP_EXIT,   ID_VIEW_TV,
                                      ID_VIEW_RADIO,       ID_NEXT_PANE, ID_PREV_PANE};
const std::set<int> kWithDatabase = {ID_FILE_SAVE,  ID_FILE_SAVE_AS,          ID_FILE_APPLY_REFERENCE,
                                     ID_FILE_CLOSE, ID_FILE_EXPORT_REFERENCE, ID_FILE_IMPORT_TRANSPONDERS};
const std::set<int> kChannelCommands = {ID_CHANNEL_ADD, ID_CHANNEL_EDIT, ID_CHANNEL_DELETE,   ID_CHANNEL_MOVE,
                                        ID_SORT_AZ,     ID_SORT_ZA,      ID_SORT_TRANSPONDER, ID_SORT_SATELLITE};
const std::set<int> kNeverEnabled = {ID_FILE_MRU_FILE1};

std::set<int> Union(std::initializer_list<std::set<int>> groups)
{
    std::set<int> all;
    for (const auto& group : groups)
        all.insert(group.begin(), group.end());
    return all;
}

// A menu as lines: item text with its accelerator after a tab, "-" for a
// separator, and a submenu's title followed by its items indented.
QStringList MenuLines(const QMenu* pMenu, const QString& indent = {})
{
    QStringList lines;
    for (const QAction* pAction : pMenu->actions()) {
        if (pAction->isSeparator()) {
            lines << indent + "-";
        } else if (pAction->menu()) {
            lines << indent + pAction->text() + " >";
            lines << MenuLines(pAction->menu(), indent + "  ");
        } else {
            QString line = indent + pAction->text();
            if (!pAction->shortcut().isEmpty())
                line += "\t" + pAction->shortcut().toString(QKeySequence::PortableText);
            lines << line;
        }
    }
    return lines;
}

// An open database whose own path is path.
void PrepareDatabase(CEditZarnDoc& doc, const QString& path, bool bModified)
{
    ResetDatabase(doc.Data());
    doc.bDataLoaded = 1;
    doc.strFilePath = path;
    doc.SetModifiedFlag(bModified);
}

class MainFrameTest : public MainWindowFixture {
protected:
    CEditZarnDoc& Doc() { return app->Document(); }
    QAction* Action(int id) { return frame->Action(id); }

    QString WriteDemoFile(const QString& name = "demo.sdx")
    {
        auto pDb = std::make_unique<Database>();
        BuildDemoDatabase(*pDb, DemoSize::Typical);
        const QString path = dir.filePath(name);
        EXPECT_EQ(SaveDatabaseFile(*pDb, path), FileSaveResult::Ok);
        return path;
    }

    void SelectPane(Pane pane)
    {
        if (frame->ActivePane() != pane)
            Action(ID_NEXT_PANE)->trigger();
        ASSERT_EQ(frame->ActivePane(), pane);
    }
};

TEST_F(MainFrameTest, StartsWithTheBareCaptionAndTheTwoPanes)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    EXPECT_EQ(ShownTitle(frame), kCaption);
    EXPECT_FALSE(frame->windowIcon().isNull());
    EXPECT_EQ(Doc().bDataLoaded, 0);

    ASSERT_EQ(frame->Splitter()->count(), 2);
    EXPECT_EQ(frame->Splitter()->widget(0), frame->LeftView());
    // The right pane holds the filter bar above the list.
    EXPECT_EQ(frame->Splitter()->widget(1), frame->ListView()->parentWidget());
    EXPECT_EQ(frame->LeftView()->width(), 180);
    // The right pane takes whatever the window gains.
    frame->resize(frame->width() + 200, frame->height());
    QApplication::processEvents();
    EXPECT_EQ(frame->LeftView()->width(), 180);
    EXPECT_EQ(frame->ActivePane(), Pane::Tree);
}

TEST_F(MainFrameTest, PanesShowTheirRootsAndColumns)
{
    const QStringList roots = {"All Services", "Satellite", "Channel List", "FAV List",
                               "Terrestrial",  "Cable",     "ISDB"};
    const auto rootTexts = [&] {
        QStringList texts;
        for (int i = 0; i < frame->LeftView()->topLevelItemCount(); ++i)
            texts << frame->LeftView()->topLevelItem(i)->text(0);
        return texts;
    };
    EXPECT_EQ(rootTexts(), roots);
    Doc().OpenDocumentFile(WriteDemoFile());
    EXPECT_EQ(rootTexts(), roots);
    Action(ID_FILE_CLOSE)->trigger();
    EXPECT_EQ(rootTexts(), roots);

    const std::pair<QString, int> columns[] = {
        {"Index", 45},     {"Name", 0},      {"FTA/CAS", 55},   {"Lock", 50},         {"Video PID", 70},
        {"Audio PID", 70}, {"PCR PID", 60},  {"TXT PID", 60},   {"Program Type", 90}, {"My Fav", 80},
        {"Service ID", 0}, {"Satellite", 0}, {"Favourites", 0}, // hidden at first
    };
    CEditZarnView* pList = frame->ListView();
    ASSERT_EQ(pList->model()->columnCount(), 13);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(pList->model()->headerData(i, Qt::Horizontal).toString(), columns[i].first);
        if (columns[i].second) { // the Name column fits 24 characters of the list font
            EXPECT_EQ(pList->columnWidth(i), columns[i].second) << columns[i].first.toStdString();
        }
    }
    EXPECT_TRUE(pList->showGrid());
    EXPECT_EQ(pList->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(MainFrameTest, StatusBarShowsReadyAndTheKeyIndicators)
{
    const auto* pReady = frame->statusBar()->findChild<QLabel*>("idleMessage");
    ASSERT_TRUE(pReady);
    EXPECT_EQ(pReady->text(), "Ready");
    QStringList indicators;
    for (const char* pName : {"CAP", "NUM", "SCRL"}) {
        const auto* pLabel = frame->statusBar()->findChild<QLabel*>(pName);
        ASSERT_TRUE(pLabel) << pName;
        indicators << pLabel->text();
        EXPECT_LT(pReady->x(), pLabel->x());
    }
    EXPECT_EQ(indicators, QStringList({"CAP", "NUM", "SCRL"}));

    // A button's prompt replaces "Ready" while the pointer is over it.
    frame->resize(1000, 640); // every button shown
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    const auto* pToolBar = frame->findChild<QToolBar*>("toolbar");
    QTest::mouseMove(pToolBar->widgetForAction(Action(ID_VIEW_RADIO)));
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Show the Radio channels");
    EXPECT_FALSE(pReady->isVisible());
    QTest::mouseMove(frame->ListView()->viewport());
    EXPECT_EQ(frame->statusBar()->currentMessage(), "");
    EXPECT_TRUE(pReady->isVisible());
}

TEST_F(MainFrameTest, MenusHoldTheItemsInOrder)
{
    const std::vector<std::pair<QString, QStringList>> expected = {
        {"&File",
         {"&New\tCtrl+N", "&Open...\tCtrl+O", "&Close", "-", "&Save\tCtrl+S", "Save &As...", "-",
          "Apply Reference List…", "Export Reference List…", "Import Transponder List…", "-", "&Print...\tCtrl+P",
          "Print Pre&view", "P&rint Setup...", "-", "Recent File", "-", "E&xit"}},
        {"&Edit",
         {"Undo\tCtrl+Z", "Redo\tCtrl+Y", "-", "Add Channel", "Edit Channel", "Delete Channel", "Move Channel", "-",
          "Lock", "Unlock", "-", "Sort Channel >", "  A--->Z", "  Z--->A", "  -", "  Transponder", "  Satellite",
          "Favourites >", "-"}},
        {"&View", {"&TV Channel", "&Radio Channel"}},
        {"&Tools", {"Check Database…\tCtrl+Shift+K"}},
        {"&Help", {"&About EditZarn..."}},
    };
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), qsizetype(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(menus[i]->text(), expected[i].first);
        ASSERT_TRUE(menus[i]->menu());
        EXPECT_EQ(MenuLines(menus[i]->menu()), expected[i].second) << expected[i].first.toStdString();
    }
    EXPECT_FALSE(Action(ID_FILE_MRU_FILE1)->isEnabled());
}

TEST_F(MainFrameTest, ToolbarHoldsTheNineteenEntries)
{
    struct Entry {
        const char* pName; // null for a separator
        QString strLabel;
        QString strPrompt;
    };
    const Entry expected[] = {
        {"ID_FILE_NEW", "New", "Create a new document"},
        {"ID_FILE_OPEN", "Open", "Open an existing document"},
        {"ID_FILE_SAVE", "Save", "Save the active document"},
        {nullptr, {}, {}},
        {"ID_CHANNEL_ADD", "Add CH", "Add a new Channel"},
        {nullptr, {}, {}},
        {"ID_CHANNEL_EDIT", "Edit CH", "Edit a channel"},
        {nullptr, {}, {}},
        {"ID_CHANNEL_MOVE", "Move", "Move channel"},
        {nullptr, {}, {}},
        {"ID_CHANNEL_DELETE", "Del CH", "Detelte a channel"},
        {nullptr, {}, {}},
        {"ID_APP_ABOUT", "About", "Display program information, version number and copyright"},
        {nullptr, {}, {}},
        {"ID_SORT_AZ", "AZ", "Sort Channels from A to Z"},
        {"ID_SORT_ZA", "ZA", "Sort Channels from Z to AZ"},
        {nullptr, {}, {}},
        {"ID_VIEW_TV", "TV", "Show the TV channels"},
        {"ID_VIEW_RADIO", "Radio", "Show the Radio channels"},
    };
    const auto* pToolBar = frame->findChild<QToolBar*>("toolbar");
    ASSERT_TRUE(pToolBar);
    EXPECT_EQ(pToolBar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(pToolBar->iconSize(), QSize(16, 16));
    const QList<QAction*> actions = pToolBar->actions();
    ASSERT_EQ(actions.size(), 19);
    QList<QImage> icons; // each command has a picture of its own
    for (int i = 0; i < 19; ++i) {
        SCOPED_TRACE(i + 1);
        const Entry& entry = expected[i];
        if (!entry.pName) {
            EXPECT_TRUE(actions[i]->isSeparator());
            continue;
        }
        EXPECT_EQ(actions[i]->objectName(), entry.pName);
        EXPECT_EQ(actions[i]->iconText(), entry.strLabel);
        EXPECT_EQ(actions[i]->toolTip(), entry.strLabel);
        EXPECT_EQ(actions[i]->statusTip(), entry.strPrompt);
        const auto* pButton = qobject_cast<QToolButton*>(pToolBar->widgetForAction(actions[i]));
        ASSERT_TRUE(pButton);
        EXPECT_EQ(pButton->text(), entry.strLabel);
        const QImage icon = actions[i]->icon().pixmap(16, 16).toImage();
        EXPECT_FALSE(icon.isNull());
        EXPECT_FALSE(icons.contains(icon));
        icons << icon;
    }
}

TEST_F(MainFrameTest, CommandsAreEnabledByPaneAndDatabase)
{
    const QString path = WriteDemoFile();
    struct Case {
        Pane pane;
        bool bLoaded;
        std::set<int> enabled;
    };
    const Case cases[] = {
        {Pane::Tree, false, kAlwaysEnabled},
        {Pane::List, false, Union({kAlwaysEnabled, kChannelCommands})},
        {Pane::Tree, true, Union({kAlwaysEnabled, kWithDatabase})},
        {Pane::List, true, Union({kAlwaysEnabled, kWithDatabase, kChannelCommands})},
    };
    const std::set<int> all = Union({kAlwaysEnabled, kWithDatabase, kChannelCommands, kNeverEnabled});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.pane == Pane::Tree ? "tree" : "list") << (c.bLoaded ? ", open" : ""));
        if (c.bLoaded != (Doc().bDataLoaded != 0)) {
            if (c.bLoaded) {
                prompts.QueueFile(path);
                Action(ID_FILE_OPEN)->trigger();
            } else {
                Action(ID_FILE_CLOSE)->trigger();
            }
        }
        SelectPane(c.pane);
        for (int id : all)
            EXPECT_EQ(Action(id)->isEnabled(), c.enabled.count(id) == 1) << Action(id)->objectName().toStdString();
    }
}

TEST_F(MainFrameTest, FocusAndF6ChooseTheActivePane)
{
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    frame->ListView()->setFocus();
    EXPECT_EQ(frame->ActivePane(), Pane::List);
    EXPECT_TRUE(Action(ID_CHANNEL_ADD)->isEnabled());

    const struct {
        Qt::KeyboardModifiers modifiers;
        Pane pane;
    } steps[] = {{Qt::NoModifier, Pane::Tree},
                 {Qt::NoModifier, Pane::List},
                 {Qt::ShiftModifier, Pane::Tree},
                 {Qt::ShiftModifier, Pane::List}};
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, step.modifiers);
        EXPECT_EQ(frame->ActivePane(), step.pane);
        QWidget* pPane = step.pane == Pane::Tree ? static_cast<QWidget*>(frame->LeftView()) : frame->ListView();
        EXPECT_TRUE(pPane->hasFocus());
        EXPECT_EQ(Action(ID_CHANNEL_ADD)->isEnabled(), step.pane == Pane::List);
    }
}

TEST_F(MainFrameTest, FileCommandsSetTheCaption)
{
    const QString path = WriteDemoFile();
    prompts.QueueFile(path);
    Action(ID_FILE_OPEN)->trigger();
    EXPECT_EQ(ShownTitle(frame), kCaption + path);
    EXPECT_TRUE(Action(ID_FILE_SAVE)->isEnabled());

    const QString copy = dir.filePath("copy.sdx");
    prompts.QueueFile(copy);
    Action(ID_FILE_SAVE_AS)->trigger();
    EXPECT_EQ(ShownTitle(frame), kCaption + copy);
    EXPECT_TRUE(QFile::exists(copy));

    Action(ID_FILE_CLOSE)->trigger();
    EXPECT_EQ(ShownTitle(frame), kCaption);
    EXPECT_TRUE(Action(ID_FILE_OPEN)->isEnabled());
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(MainFrameTest, SaveAsWithTheSpreadsheetFilterWritesAWorkbookAndLeavesTheDocument)
{
    const QString path = WriteDemoFile();
    prompts.QueueFile(path);
    Action(ID_FILE_OPEN)->trigger();
    Doc().SetModifiedFlag();

    const QString workbook = dir.filePath("channels.xlsx");
    prompts.QueueFile(workbook, kExcelFilterIndex);
    Action(ID_FILE_SAVE_AS)->trigger();
    QFile written(workbook);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.read(2), "PK");
    EXPECT_EQ(ShownTitle(frame), kCaption + path + "*"); // still the database, with its changes
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(MainFrameTest, TvAndRadioRefillTheListAndMoveTheMark)
{
    CEditZarnView* pList = frame->ListView();
    const auto* pToolBar = frame->findChild<QToolBar*>("toolbar");
    const auto button = [&](int id) { return qobject_cast<QToolButton*>(pToolBar->widgetForAction(Action(id))); };
    EXPECT_EQ(pList->iTvRadioMode, 0);
    const struct {
        int iCommand;
        int iMode;
    } steps[] = {{ID_VIEW_TV, 0}, {ID_VIEW_RADIO, 1}, {ID_VIEW_RADIO, 1}, {ID_VIEW_TV, 0}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.iCommand);
        pList->model()->insertRow(0); // a stale row that the refill removes
        Action(step.iCommand)->trigger();
        EXPECT_EQ(pList->iTvRadioMode, step.iMode);
        EXPECT_EQ(pList->model()->rowCount(), 0);
        EXPECT_EQ(Action(ID_VIEW_TV)->isChecked(), step.iMode == 0);
        EXPECT_EQ(Action(ID_VIEW_RADIO)->isChecked(), step.iMode == 1);
        EXPECT_EQ(button(ID_VIEW_TV)->isChecked(), step.iMode == 0);
        EXPECT_EQ(button(ID_VIEW_RADIO)->isChecked(), step.iMode == 1);
    }
    // The mode survives opening a database.
    Action(ID_VIEW_RADIO)->trigger();
    Doc().OpenDocumentFile(WriteDemoFile());
    EXPECT_EQ(pList->iTvRadioMode, 1);
    EXPECT_TRUE(Action(ID_VIEW_RADIO)->isChecked());
}

TEST_F(MainFrameTest, ClosePromptSavesOnlyWhenAskedAndKeepsTheWindowWhenSavingFails)
{
    const ShownMessage question{"Do you want to save changed data ?", "EditZarn", MsgButtons::YesNoCancel,
                                MsgIcon::Question};
    const ShownMessage cannotSave{"Can not save file!", "EditZarn", MsgButtons::Ok, MsgIcon::Stop};
    enum class Target { Writable, Unwritable };
    struct Case {
        const char* pName;
        bool bModified;
        std::vector<MsgAnswer> answers;
        Target target;
        bool bCloses;
        bool bWritten;
        std::vector<ShownMessage> messages;
    };
    const Case cases[] = {
        {"unchanged", false, {}, Target::Writable, true, false, {}},
        {"no", true, {MsgAnswer::No}, Target::Writable, true, false, {question}},
        {"yes", true, {MsgAnswer::Yes}, Target::Writable, true, true, {question}},
        {"yes, save fails",
         true,
         {MsgAnswer::Yes, MsgAnswer::Ok},
         Target::Unwritable,
         false,
         false,
         {question, cannotSave}},
        {"cancel (Escape, the box's close button)",
         true,
         {MsgAnswer::Cancel},
         Target::Writable,
         false,
         false,
         {question}},
    };
    for (bool bViaExit : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.pName << (bViaExit ? ", File Exit" : ", close box"));
            ScriptedPrompts localPrompts;
            QSettings localSettings(dir.filePath("local.ini"), QSettings::IniFormat);
            CEditZarnApp localApp(localSettings, &localPrompts);
            localApp.InitInstance();
            CMainFrame* pFrame = localApp.MainFrame();
            const QString path =
                c.target == Target::Writable ? dir.filePath("saved.sdx") : dir.filePath("missing/saved.sdx");
            QFile::remove(path);
            PrepareDatabase(localApp.Document(), path, c.bModified);
            for (MsgAnswer answer : c.answers)
                localPrompts.QueueAnswer(answer);

            if (bViaExit)
                pFrame->Action(ID_APP_EXIT)->trigger();
            else
                pFrame->close();

            EXPECT_EQ(pFrame->isVisible(), !c.bCloses);
            EXPECT_EQ(QFile::exists(path), c.bWritten);
            EXPECT_EQ(localPrompts.MessagesWithoutReasons(), c.messages);
            EXPECT_EQ(localApp.Document().IsModified(), !c.bCloses);
        }
    }
}

TEST_F(MainFrameTest, AfterAFailedSaveTheNextCloseAsksAgain)
{
    PrepareDatabase(Doc(), dir.filePath("missing/db.sdx"), true);
    prompts.QueueAnswer(MsgAnswer::Yes);
    prompts.QueueAnswer(MsgAnswer::Ok);
    EXPECT_FALSE(frame->close());
    prompts.QueueAnswer(MsgAnswer::No);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(prompts.Messages().size(), 3u);
}

TEST_F(MainFrameTest, CommandLineFileOpensLikeFileOpen)
{
    QFile bad(dir.filePath("bad.sdx"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a database");
    bad.close();
    const QString good = WriteDemoFile();
    struct Case {
        QString strPath;
        int bLoaded;
        QString strCaption;
        std::vector<ShownMessage> messages;
    };
    const Case cases[] = {
        {good, 1, kCaption + good, {}},
        {dir.filePath("absent.sdx"),
         0,
         kCaption,
         {{"Can't not open the file!", "EditZarn", MsgButtons::Ok, MsgIcon::None}}},
        {bad.fileName(),
         0,
         kCaption,
         {{"This file is not a correct file,please select another!", "EditZarn", MsgButtons::Ok, MsgIcon::Stop}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strPath.toStdString());
        ScriptedPrompts localPrompts;
        for (size_t i = 0; i < c.messages.size(); ++i)
            localPrompts.QueueAnswer(MsgAnswer::Ok);
        QSettings localSettings(dir.filePath("local.ini"), QSettings::IniFormat);
        CEditZarnApp localApp(localSettings, &localPrompts);
        localApp.InitInstance(c.strPath);
        ASSERT_TRUE(localApp.MainFrame());
        EXPECT_TRUE(localApp.MainFrame()->isVisible());
        EXPECT_EQ(localApp.Document().bDataLoaded, c.bLoaded);
        EXPECT_EQ(ShownTitle(localApp.MainFrame()), c.strCaption);
        EXPECT_EQ(localPrompts.MessagesWithoutReasons(), c.messages);
        EXPECT_EQ(localApp.MainFrame()->Action(ID_FILE_CLOSE)->isEnabled(), c.bLoaded == 1);
    }
}

TEST_F(MainFrameTest, RecentFileListIsKeptAcrossRuns)
{
    const QStringList files = {"/data/a.sdx", "/data/b.sdx"};
    {
        QSettings stored(dir.filePath("recent.ini"), QSettings::IniFormat);
        stored.setValue("Recent File List/File1", files[0]);
        stored.setValue("Recent File List/File2", files[1]);
    }
    QSettings localSettings(dir.filePath("recent.ini"), QSettings::IniFormat);
    CEditZarnApp localApp(localSettings, &prompts);
    localApp.InitInstance();
    EXPECT_EQ(localApp.RecentFiles().Files(), files);
    localApp.ExitInstance();
    QSettings reread(dir.filePath("recent.ini"), QSettings::IniFormat);
    EXPECT_EQ(reread.value("Recent File List/File1").toString(), files[0]);
    EXPECT_EQ(reread.value("Recent File List/File2").toString(), files[1]);
}

TEST_F(MainFrameTest, AboutBoxShowsTheProductAndDate)
{
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "About");
    EXPECT_EQ(dialog.findChild<QLabel*>("product")->text(), "Drun-Channel Editor v2.2");
    EXPECT_EQ(dialog.findChild<QLabel*>("date")->text(), "Data: 06/03/2015");
    EXPECT_FALSE(dialog.findChild<QLabel*>("icon")->pixmap().isNull());
    const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), "OK");
    buttons[0]->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(MainFrameTest, AboutCommandOpensTheAboutBox)
{
    QString title;
    QTimer::singleShot(0, frame, [&] {
        if (QWidget* pModal = QApplication::activeModalWidget()) {
            title = pModal->windowTitle();
            qobject_cast<QDialog*>(pModal)->accept();
        }
    });
    Action(ID_APP_ABOUT)->trigger();
    EXPECT_EQ(title, "About");
}

TEST_F(MainFrameTest, RecentFilesOpenFromTheFileMenuAndGoneOnesAreDropped)
{
    const QString kept = WriteDemoFile("kept.sdx");
    const QString gone = dir.filePath("gone.sdx");
    {
        QSettings stored(dir.filePath("mru.ini"), QSettings::IniFormat);
        stored.setValue("Recent File List/File1", gone);
        stored.setValue("Recent File List/File2", kept);
    }
    QSettings localSettings(dir.filePath("mru.ini"), QSettings::IniFormat);
    ScriptedPrompts localPrompts;
    CEditZarnApp localApp(localSettings, &localPrompts);
    localApp.InitInstance();
    CMainFrame& frame = *localApp.MainFrame();
    const auto entries = [&] { return frame.RecentMenu()->Entries(); };
    ASSERT_EQ(2u, entries().size());
    EXPECT_EQ("&1 " + gone, entries()[0]->text());
    EXPECT_FALSE(frame.Action(ID_FILE_MRU_FILE1)->isVisible());
    EXPECT_TRUE(entries()[0]->isEnabled());

    localPrompts.QueueAnswer(MsgAnswer::Ok);
    entries()[0]->trigger();
    EXPECT_EQ(localPrompts.Messages().back().strText, "Can't not open the file!");
    EXPECT_EQ(localApp.RecentFiles().Files(), QStringList{kept});

    entries()[0]->trigger();
    EXPECT_EQ(localApp.Document().bDataLoaded, 1);
    EXPECT_TRUE(entries()[0]->isEnabled()) << "enabled when Open is";
}

TEST(RecentFilesMenu, ShortensLongPathsAroundTheirName)
{
    const struct {
        QString path;
        QString shown;
    } cases[] = {
        {"/data/a.sdx", "/data/a.sdx"},
        {"/srv/receiver/lists/2024/summer/holiday/channels.sdx", "/srv/.../holiday/channels.sdx"},
        {"/srv/receiver/lists/2024/summer/a-very-long-folder-name-here/channels.sdx", "/srv/.../channels.sdx"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortenedPath(c.path), c.shown) << c.path.toStdString();
}

} // namespace

// The tree pane under the offscreen platform: filling, selection, keys and
// context menus, the tree after a save, and the tree in the main window.
#include "CEditZarnApp.h"
#include "CEditZarnView.h"
#include "CMainFrame.h"
#include "CMoveDlg.h"
#include "CSatelliteDlg.h"
#include "CTransponderDlg.h"
#include "FileAccess.h"
#include "LeftViewFixture.h"
#include "ListKind.h"
#include "ToolRun.h"

#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

namespace {

int ChannelsOf(const Database& db, uint32_t tpId)
{
    int n = 0;
    for (const bool radio : {false, true})
        for (int i = 0; i < ChannelCount(db, radio); ++i)
            n += ChannelTable(db, radio)[i].usTpId == tpId;
    return n;
}

TEST_F(LeftViewTest, NewDatabaseShowsTheBareBranches)
{
    EXPECT_EQ(WidgetLines(view),
              QStringList({"All Services", "Satellite", "Channel List", "FAV List", "Terrestrial", "Cable", "ISDB"}));
    OpenNew();
    EXPECT_EQ(WidgetLines(view),
              QStringList({"All Services", "Satellite", "Channel List", "FAV List", "  MyFav", "  FAV 2", "  FAV 3",
                           "  FAV 4", "  FAV 5", "  FAV 6", "  FAV 7", "  FAV 8", "Terrestrial", "Cable", "ISDB"}));
    EXPECT_TRUE(Root(kRootSatellite)->isExpanded());
    // The new database lists all its channels at once.
    EXPECT_EQ(view.currentItem(), Root(kRootChannelList));
    for (int i = 0; i < CLeftView::kRootCount; ++i)
        EXPECT_FALSE(Root(i)->icon(0).isNull());
    doc.bDataLoaded = 0;
    emit doc.DatabaseClosed();
    EXPECT_EQ(7, view.topLevelItemCount());
    EXPECT_EQ(0, Root(kRootFavList)->childCount());
    EXPECT_EQ(1, iCleared);
}

TEST_F(LeftViewTest, DemoTreeReadsAsTheOutlineAndAsSdxtoolPrintsIt)
{
    Open();
    const QStringList lines = WidgetLines(view);
    EXPECT_EQ(OutlineLines(Db()), lines);
    EXPECT_GT(lines.size(), 80);

    QTemporaryDir dir;
    const QString path = dir.filePath("demo.sdx");
    ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Db(), path));
    const ToolRun run = RunTool({"tree", path});
    EXPECT_EQ(0, run.exitCode);
    EXPECT_EQ(lines.join('\n') + '\n', QString::fromLatin1(run.out));
}

TEST_F(LeftViewTest, SelectionWritesTheDocumentAndReportsTheListKind)
{
    Open();
    const auto idOf = [&](int row, int p) { return int(TpId(Db().TransponderTable[view.TpRow(row)[p]])); };
    struct Case {
        QTreeWidgetItem* pNode;
        int kind;
        int sat, tpId, fav;
    };
    const Case cases[] = {
        {Root(kRootChannelList), kListAll, -1, -1, 9},
        {Sat(1), kListSatellite, 1, -1, 9},
        {Tp(1, 2), kListTransponder, 1, idOf(1, 2), 9},
        {Root(kRootFavList)->child(0), kListFavGroup, -1, -1, 0},
        {Root(kRootTerrestrial)->child(3), kListTransponder, -1, idOf(kTerrestrialRow, 3), 9},
        {Root(kRootCable)->child(1), kListTransponder, -1, idOf(kCableRow, 1), 9},
        {Root(kRootIsdb)->child(0), kListTransponder, -1, idOf(kIsdbRow, 0), 9},
        // Every root lists what it stands for.
        {Root(kRootAllServices), kListAll, -1, -1, 9},
        {Root(kRootSatellite), kListSatelliteTps, -1, -1, 9},
        {Root(kRootFavList), kListAnyFavGroup, -1, -1, 9},
        {Root(kRootTerrestrial), kListTerrestrialTps, -1, -1, 9},
        {Root(kRootCable), kListCableTps, -1, -1, 9},
        {Root(kRootIsdb), kListIsdbTps, -1, -1, 9},
    };
    for (const Case& c : cases) {
        view.setCurrentItem(nullptr);
        aReported.clear();
        doc.SelectedSatellite = doc.SelectedTpId = 7;
        doc.SelectedFavGroup = 9;
        view.setCurrentItem(c.pNode);
        EXPECT_EQ(std::vector<int>{c.kind}, aReported) << c.pNode->text(0).toStdString();
        EXPECT_EQ(c.sat, doc.SelectedSatellite) << c.pNode->text(0).toStdString();
        EXPECT_EQ(c.tpId, doc.SelectedTpId) << c.pNode->text(0).toStdString();
        EXPECT_EQ(c.fav, doc.SelectedFavGroup) << c.pNode->text(0).toStdString();
    }
    // Nothing is reported while no database is open.
    doc.bDataLoaded = 0;
    view.setCurrentItem(nullptr);
    aReported.clear();
    view.setCurrentItem(Sat(0));
    EXPECT_TRUE(aReported.empty());
}

TEST_F(LeftViewTest, DeleteKeyOnAMiddleTransponderRenumbersTheRest)
{
    Open();
    const std::vector<int> before = view.TpRow(0);
    const TransponderRecord gone = Db().TransponderTable[before[1]];
    const int channels = ChannelsOf(Db(), TpId(gone));
    ASSERT_GT(channels, 0);
    const int tv = Db().header.sTVNumber + Db().header.sRadioNumber;
    Select(Tp(0, 1));
    QTreeWidgetItem* pSelected = view.currentItem();

    prompts.QueueAnswer(MsgAnswer::No);
    Key(Qt::Key_Delete);
    EXPECT_EQ(12, Sat(0)->childCount());
    EXPECT_FALSE(doc.IsModified());

    prompts.QueueAnswer(MsgAnswer::Yes);
    Key(Qt::Key_Delete);
    const QString question =
        "Are you sure to delete this transponder ?\n" + QString::fromLatin1(SatTransponderLabel(gone, 1));
    EXPECT_EQ(Question(question), prompts.Messages().back());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(0, ChannelsOf(Db(), TpId(gone)));
    EXPECT_EQ(tv - channels, Db().header.sTVNumber + Db().header.sRadioNumber);
    ASSERT_EQ(11, Sat(0)->childCount());
    EXPECT_EQ(OutlineLines(Db()), WidgetLines(view));
    // The same node stays selected, now showing the next transponder, and
    // the list is refilled for it.
    EXPECT_EQ(pSelected, view.currentItem());
    EXPECT_EQ(std::vector<int>{kListTransponder}, aReported);
    EXPECT_EQ(int(TpId(Db().TransponderTable[view.TpRow(0)[1]])), doc.SelectedTpId);
    // Every node still selects its own record, here and in the categories.
    for (int p = 0; p < 11; ++p) {
        view.setCurrentItem(Tp(0, p));
        EXPECT_TRUE(Tp(0, p)->text(0).startsWith(QString::number(p + 1) + " | "));
        EXPECT_EQ(int(TpId(Db().TransponderTable[view.TpRow(0)[p]])), doc.SelectedTpId);
    }
    for (const int row : {kTerrestrialRow, kCableRow, kIsdbRow})
        for (const int record : view.TpRow(row))
            EXPECT_NE(kTpSatellite, TpKind(Db().TransponderTable[record]));
}

TEST_F(LeftViewTest, DeletingTheLastTranspondersOfACategoryMovesTheSelectionUp)
{
    Open();
    QTreeWidgetItem* pIsdb = Root(kRootIsdb);
    ASSERT_EQ(2, pIsdb->childCount());
    const TransponderRecord last = Db().TransponderTable[view.TpRow(kIsdbRow)[1]];
    Select(pIsdb->child(1));
    prompts.QueueAnswer(MsgAnswer::Yes);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Question("Are you sure to delete this transponder ?\n" +
                       QString("2 | %1 | %2 M").arg(TpUlFreq(last)).arg(6 + TpBandwidth(last))),
              prompts.Messages().back());
    EXPECT_EQ(pIsdb->child(0), view.currentItem());
    EXPECT_EQ(std::vector<int>{kListTransponder}, aReported);
    EXPECT_EQ(int(TpId(Db().TransponderTable[view.TpRow(kIsdbRow)[0]])), doc.SelectedTpId);

    aReported.clear();
    prompts.QueueAnswer(MsgAnswer::Yes);
    Key(Qt::Key_Delete);
    EXPECT_EQ(pIsdb, view.currentItem());
    EXPECT_EQ(std::vector<int>{kListIsdbTps}, aReported) << "no rows of deleted channels stay listed";
    EXPECT_EQ(-1, doc.SelectedTpId);
    EXPECT_EQ(OutlineLines(Db()), WidgetLines(view));
}

TEST_F(LeftViewTest, KeysNeedADatabase)
{
    Select(Root(kRootSatellite));
    Key(Qt::Key_Delete);
    Key(Qt::Key_Return);
    Key(Qt::Key_Down);
    EXPECT_EQ(Root(kRootSatellite), view.currentItem()) << "keys are not passed on";
    view.ShowContextMenu(QPoint());
    EXPECT_EQ(0, iMenus);

    Open();
    Select(Tp(0, 0));
    Key(Qt::Key_Return); // no dialog on a transponder
    Select(Sat(2));
    Answer<CSatelliteDlg>([](CSatelliteDlg& d) { d.pNameEdit->setText("Renamed"); });
    Key(Qt::Key_Enter);
    EXPECT_TRUE(Sat(2)->text(0).startsWith("| 3 | Renamed | "));
    EXPECT_EQ("Renamed", FieldText(Db().SatelliteTable[2].acSatName));
    EXPECT_TRUE(doc.IsModified());
    Key(Qt::Key_Down);
    EXPECT_EQ(Sat(3), view.currentItem()) << "other keys reach the tree";
}

TEST_F(LeftViewTest, ContextMenusOfferTheEntriesOfTheSelectedNode)
{
    OpenNew();
    Select(Root(kRootTerrestrial));
    EXPECT_TRUE(Menu().isEmpty()) << "no terrestrial transponders may be added while the flag is clear";

    Open();
    const QStringList satellite = {"Add Antenna",
                                   "Edit Antenna",
                                   "Move Antenna",
                                   "Swap Antenna",
                                   "Delete Antenna",
                                   "-",
                                   "Add Transponder",
                                   "-",
                                   "Modify Transponders",
                                   "-",
                                   "Update Transponders from satellites.xml…"};
    const std::pair<QTreeWidgetItem*, QStringList> cases[] = {
        {Root(kRootSatellite),
         {"Add Antenna", "Load Satellite from html file of satellite listing site...",
          "Add Satellites from satellites.xml…"}},
        {Sat(0), satellite},
        {Tp(0, 3), {"Add Transponder", "Edit Transponder", "Delete Transponder"}},
        {Root(kRootFavList)->child(0), {"Rename FAV Group Name"}},
        {Root(kRootTerrestrial), {"Add Transponder", "Add Transponders from terrestrial.xml…"}},
        {Root(kRootCable), {"Add Transponder", "Add Transponders from cables.xml…"}},
        {Root(kRootIsdb), {"Add Transponder"}},
        {Root(kRootCable)->child(0), {"Edit Transponder", "Delete Transponder"}},
        {Root(kRootAllServices), {}},
        {Root(kRootChannelList), {}},
        {Root(kRootFavList), {}},
    };
    for (const auto& [pNode, entries] : cases) {
        Select(pNode);
        EXPECT_EQ(entries, Menu()) << pNode->text(0).toStdString();
    }
    // A right click through the window system selects the node under the
    // pointer (the list follows) and its menu acts on that node.
    view.resize(300, 600);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    Select(Tp(0, 3));
    const QPoint onSat1 = view.viewport()->mapTo(&view, view.visualItemRect(Sat(1)).center());
    strMenuChoice = "Delete Antenna";
    prompts.QueueAnswer(MsgAnswer::No);
    QTest::mouseClick(view.windowHandle(), Qt::RightButton, {}, onSat1);
    EXPECT_EQ(satellite, menuEntries);
    EXPECT_EQ(Sat(1), view.currentItem());
    EXPECT_EQ(std::vector<int>{kListSatellite}, aReported);
    const QString name = QString::fromLatin1(FieldText(Db().SatelliteTable[1].acSatName));
    EXPECT_EQ(Question("Are you sure to delete (" + name + ") satellite?"), prompts.Messages().back());
    // Over empty space: no menu, the selection stays.
    const int menus = iMenus;
    QTest::mouseClick(view.windowHandle(), Qt::RightButton, {},
                      view.viewport()->mapTo(&view, QPoint(5, view.viewport()->height() - 5)));
    EXPECT_EQ(menus, iMenus);
    EXPECT_EQ(Sat(1), view.currentItem());
}

TEST_F(LeftViewTest, TreeReadsTheSameAfterSaveAndReopen)
{
    Open();
    Select(Root(kRootTerrestrial)->child(1));
    prompts.QueueAnswer(MsgAnswer::Yes);
    Key(Qt::Key_Delete);
    Select(Sat(2));
    Answer<CMoveDlg>([](CMoveDlg& d) { d.pToEdit->setText("5"); });
    Menu("Move Antenna");
    Answer<CTransponderDlg>([](CTransponderDlg& d) { d.pFrequencyEdit->setText("12111"); });
    Menu("Add Transponder");
    Select(Root(kRootSatellite));
    Answer<CSatelliteDlg>([](CSatelliteDlg& d) { d.pNameEdit->setText("Extra"); });
    Menu("Add Antenna");
    const QStringList edited = WidgetLines(view);

    QTemporaryDir dir;
    const QString path = dir.filePath("edited.sdx");
    ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(Db(), path));
    doc.bDataLoaded = 0;
    emit doc.DatabaseClosed();
    doc.OpenDocumentFile(path);
    EXPECT_EQ(edited, WidgetLines(view));
}

TEST(LeftViewInFrameTest, SelectionReachesTheChannelList)
{
    EnsureApplication();
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    ScriptedPrompts prompts;
    CEditZarnApp app(settings, &prompts);
    app.InitInstance();
    auto pDb = std::make_unique<Database>();
    BuildDemoDatabase(*pDb, DemoSize::Typical);
    const QString path = dir.filePath("demo.sdx");
    ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(*pDb, path));
    app.Document().OpenDocumentFile(path);
    CLeftView* pTree = app.MainFrame()->LeftView();
    pTree->setCurrentItem(pTree->Root(kRootSatellite)->child(2));
    EXPECT_EQ(kListSatellite, app.MainFrame()->ListView()->iListKind);
    EXPECT_EQ(2, app.Document().SelectedSatellite);
    pTree->setCurrentItem(pTree->Root(kRootFavList)->child(0));
    EXPECT_EQ(kListFavGroup, app.MainFrame()->ListView()->iListKind);
}

} // namespace

// The tree pane under the offscreen platform: filling, selection, keys,
// context menus and the commands they run, with every dialog and message
// answered by the test.
#include "BitFields.h"
#include "CEditZarnApp.h"
#include "CEditZarnDoc.h"
#include "CEditZarnView.h"
#include "CFavRenameDlg.h"
#include "CLeftView.h"
#include "CMainFrame.h"
#include "CModifiedTpDlg.h"
#include "CMoveDlg.h"
#include "CSatelliteDlg.h"
#include "CTransponderDlg.h"
#include "DatabaseBuilders.h"
#include "DemoDatabase.h"
#include "FileAccess.h"
#include "ListKind.h"
#include "ModelOperations.h"
#include "SatelliteOperations.h"
#include "ScriptedPrompts.h"
#include "TestApplication.h"
#include "ToolRun.h"
#include "TransponderOperations.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <deque>

namespace {

// Every node, indented two spaces a level, in display order.
QStringList WidgetLines(const QTreeWidget& tree)
{
    QStringList lines;
    const std::function<void(const QTreeWidgetItem*, int)> walk = [&](const QTreeWidgetItem* pItem, int depth) {
        lines << QString(2 * depth, ' ') + pItem->text(0);
        for (int i = 0; i < pItem->childCount(); ++i)
            walk(pItem->child(i), depth + 1);
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        walk(tree.topLevelItem(i), 0);
    return lines;
}

QStringList OutlineLines(const Database& db)
{
    QStringList lines;
    for (const TreeLine& line : TreeOutline(db))
        lines << QString(2 * line.iDepth, ' ') + QString::fromLatin1(line.strLabel);
    return lines;
}

ShownMessage Question(const QString& text) { return {text, "EditZarn", MsgButtons::YesNo, MsgIcon::Question}; }
ShownMessage Box(const QString& text, const QString& caption = "EditZarn", MsgIcon icon = MsgIcon::None)
{
    return {text, caption, MsgButtons::Ok, icon};
}

int ChannelsOf(const Database& db, uint32_t tpId)
{
    int n = 0;
    for (const bool radio : {false, true})
        for (int i = 0; i < ChannelCount(db, radio); ++i)
            n += ChannelTable(db, radio)[i].usTpId == tpId;
    return n;
}

class LeftViewTest : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override
    {
        QObject::connect(&view, &CLeftView::ListKindReported, [this](int kind) { aReported.push_back(kind); });
        QObject::connect(&view, &CLeftView::ListCleared, [this] { ++iCleared; });
        view.fnRunDialog = [this](QDialog& dialog) {
            EXPECT_FALSE(aDialogs.empty()) << "unexpected dialog " << dialog.metaObject()->className();
            if (aDialogs.empty())
                return int(QDialog::Rejected);
            const auto answer = aDialogs.front();
            aDialogs.pop_front();
            return answer(dialog);
        };
        view.fnRunMenu = [this](QMenu& menu, const QPoint&) -> QAction* {
            ++iMenus;
            menuEntries.clear();
            QAction* pChosen = nullptr;
            for (QAction* pAction : menu.actions()) {
                menuEntries << (pAction->isSeparator() ? QStringLiteral("-") : pAction->text());
                if (!pAction->isSeparator() && pAction->text() == strMenuChoice)
                    pChosen = pAction;
            }
            return pChosen;
        };
    }
    void TearDown() override { EXPECT_TRUE(aDialogs.empty()) << "dialog answers left over"; }

    Database& Db() { return doc.Data(); }
    void Open(DemoSize size = DemoSize::Typical)
    {
        BuildDemoDatabase(Db(), size);
        Loaded();
    }
    void OpenNew()
    {
        ResetDatabase(Db());
        Loaded();
    }
    void Loaded()
    {
        doc.bDataLoaded = 1;
        emit doc.DatabaseOpened();
        aReported.clear();
    }
    QTreeWidgetItem* Root(int position) { return view.Root(position); }
    QTreeWidgetItem* Sat(int s) { return Root(kRootSatellite)->child(s); }
    QTreeWidgetItem* Tp(int s, int p) { return Sat(s)->child(p); }
    void Select(QTreeWidgetItem* pItem)
    {
        view.setCurrentItem(pItem);
        aReported.clear();
    }

    // Queues an answer for the next dialog, which must be a Dialog: fill sets
    // its fields, then OK is pressed (or Cancel when ok is false).
    template <typename Dialog>
    void Answer(std::function<void(Dialog&)> fill, bool ok = true)
    {
        aDialogs.push_back([fill, ok](QDialog& dialog) {
            auto* pDialog = dynamic_cast<Dialog*>(&dialog);
            EXPECT_TRUE(pDialog) << "got " << dialog.metaObject()->className();
            if (!pDialog)
                return int(QDialog::Rejected);
            if (fill)
                fill(*pDialog);
            if (!ok)
                return int(QDialog::Rejected);
            if constexpr (requires { pDialog->OnOK(); })
                pDialog->OnOK();
            else
                pDialog->accept();
            return pDialog->result();
        });
    }
    // The entries of the selected node's menu; choose runs that entry.
    QStringList Menu(const QString& choose = {})
    {
        strMenuChoice = choose;
        menuEntries.clear();
        view.ShowContextMenu(QPoint(10, 10));
        return menuEntries;
    }
    void Key(Qt::Key key) { QTest::keyClick(&view, key); }

    ScriptedPrompts prompts;
    CEditZarnDoc doc{prompts};
    CLeftView view{doc};
    std::vector<int> aReported;
    int iCleared = 0;
    std::deque<std::function<int(QDialog&)>> aDialogs;
    QStringList menuEntries;
    QString strMenuChoice;
    int iMenus = 0;
};

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

TEST_F(LeftViewTest, AddAndEditAntenna)
{
    Open();
    const int count = Db().header.sSatNumber;
    Select(Root(kRootSatellite));
    Answer<CSatelliteDlg>([](CSatelliteDlg& d) { EXPECT_EQ("New SAT", d.pNameEdit->text()); }, false);
    Menu("Add Antenna");
    EXPECT_EQ(count, Db().header.sSatNumber) << "cancelled";

    Answer<CSatelliteDlg>([](CSatelliteDlg& d) { d.pDiseqcList->setCurrentIndex(3); });
    Menu("Add Antenna");
    ASSERT_EQ(count + 1, Db().header.sSatNumber);
    EXPECT_EQ(QString("| %1 | New SAT | Universal | LNB3 |").arg(count + 1), Sat(count)->text(0));
    EXPECT_EQ(Root(kRootSatellite), view.currentItem()) << "the selection stays";
    EXPECT_TRUE(doc.IsModified());

    Select(Sat(1));
    Answer<CSatelliteDlg>([](CSatelliteDlg& d) {
        d.pLnbTypeList->setCurrentIndex(10);
        d.pMotorList->setCurrentIndex(1);
    });
    Menu("Edit Antenna");
    EXPECT_TRUE(Sat(1)->text(0).endsWith(" | 05150 | LNB2 | Motor | ")) << Sat(1)->text(0).toStdString();
    EXPECT_EQ(OutlineLines(Db()), WidgetLines(view));

    while (Db().header.sSatNumber < kMaxSatellites)
        AddSatellite(Db(), DefaultSatellite());
    Select(Root(kRootSatellite));
    prompts.QueueAnswer(MsgAnswer::Ok);
    Menu("Add Antenna");
    EXPECT_EQ(Box("Satellites are full,can't append the satellite"), prompts.Messages().back());

    // A satellite's node is added with bits 25-27 of its position word cleared.
    Db().SatelliteTable[99].ulSatPos = 0xFFFFFFFF;
    view.AddSatelliteNode(99);
    EXPECT_EQ(0xF1FFFFFFu, Db().SatelliteTable[99].ulSatPos);
}

// Satellites A, B, C with one transponder each and a channel on each.
void ThreeSatellites(Database& db)
{
    ResetDatabase(db);
    for (const char* name : {"A", "B", "C"}) {
        SatelliteRecord sat = DefaultSatellite();
        std::memset(sat.acSatName, 0, sizeof sat.acSatName);
        std::strcpy(sat.acSatName, name);
        const int s = AddSatellite(db, sat);
        const int record = AddTransponder(db, MakeSatelliteTp(0, uint32_t(s), uint16_t(11000 + s)));
        AppendChannel(db, false, MakeChannel(name, uint16_t(TpId(db.TransponderTable[record])), 1));
    }
}

QStringList SatelliteNames(const Database& db)
{
    QStringList names;
    for (int s = 0; s < db.header.sSatNumber; ++s)
        names << QString::fromLatin1(FieldText(db.SatelliteTable[s].acSatName));
    return names;
}

TEST_F(LeftViewTest, MoveAndSwapAntennaRebuildTheBranchAndSelectTheSamePosition)
{
    ThreeSatellites(Db());
    Loaded();
    EXPECT_EQ(1, view.iMoveTarget);
    Select(Sat(0));
    Answer<CMoveDlg>([](CMoveDlg& d) {
        EXPECT_EQ("1", d.pFromEdit->text());
        EXPECT_EQ("1", d.pToEdit->text());
        d.pToEdit->setText("3");
    });
    Menu("Move Antenna");
    EXPECT_EQ(QStringList({"B", "C", "A"}), SatelliteNames(Db()));
    EXPECT_EQ(OutlineLines(Db()), WidgetLines(view));
    EXPECT_TRUE(Sat(2)->child(0)->text(0).startsWith("1 | 11000 | "));
    EXPECT_EQ(Sat(0), view.currentItem());
    EXPECT_EQ(std::vector<int>{kListSatellite}, aReported);
    EXPECT_EQ(0, doc.SelectedSatellite);
    EXPECT_EQ(4, view.iMoveTarget);

    // Out of range: nothing moves, the proposed target is still updated and
    // falls back to 1 when it lies past the table.
    for (const QString to : {"0", "2147483647", "-2147483648", "4"}) {
        Answer<CMoveDlg>([to](CMoveDlg& d) { d.pToEdit->setText(to); });
        prompts.QueueAnswer(MsgAnswer::Ok);
        Menu("Move Antenna");
        EXPECT_EQ(Box("Out ot range"), prompts.Messages().back());
        EXPECT_EQ(QStringList({"B", "C", "A"}), SatelliteNames(Db()));
    }
    Answer<CMoveDlg>([](CMoveDlg& d) { EXPECT_EQ("1", d.pToEdit->text()); }, false);
    Menu("Move Antenna");

    Select(Sat(2));
    Answer<CMoveDlg>([](CMoveDlg& d) {
        EXPECT_EQ("3", d.pFromEdit->text());
        EXPECT_EQ("1", d.pToEdit->text());
    });
    Menu("Swap Antenna");
    EXPECT_EQ(QStringList({"A", "C", "B"}), SatelliteNames(Db()));
    EXPECT_EQ(OutlineLines(Db()), WidgetLines(view));
    EXPECT_EQ(Sat(2), view.currentItem());
    // Each satellite still holds the transponder of the channel named after it.
    for (int s = 0; s < 3; ++s) {
        const uint32_t id = TpId(Db().TransponderTable[view.TpRow(s)[0]]);
        for (int c = 0; c < Db().header.sTVNumber; ++c)
            if (Db().TvChannelTable[c].usTpId == id) {
                EXPECT_EQ(QString::fromLatin1(FieldText(Db().TvChannelTable[c].acName)), SatelliteNames(Db())[s]);
            }
    }
}

TEST_F(LeftViewTest, DeleteAntennaTakesItsChannelsAndSelectsTheNextSatellite)
{
    ThreeSatellites(Db());
    Loaded();
    Select(Sat(1));
    prompts.QueueAnswer(MsgAnswer::No);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Question("Are you sure to delete (B) satellite?"), prompts.Messages().back());
    EXPECT_EQ(3, Db().header.sSatNumber);

    prompts.QueueAnswer(MsgAnswer::Yes);
    Menu("Delete Antenna");
    EXPECT_EQ(QStringList({"A", "C"}), SatelliteNames(Db()));
    EXPECT_EQ(2, Db().header.sTVNumber);
    EXPECT_EQ(OutlineLines(Db()), WidgetLines(view));
    EXPECT_EQ(Sat(1), view.currentItem());
    EXPECT_EQ(1, doc.SelectedSatellite);

    prompts.QueueAnswer(MsgAnswer::Yes);
    Key(Qt::Key_Delete); // the last one: the first is selected
    EXPECT_EQ(Sat(0), view.currentItem());
    aReported.clear();
    prompts.QueueAnswer(MsgAnswer::Yes);
    Key(Qt::Key_Delete); // the only one: nothing is selected
    EXPECT_EQ(0, Root(kRootSatellite)->childCount());
    EXPECT_EQ(nullptr, view.currentItem());
    EXPECT_EQ(std::vector<int>{kListNone}, aReported);
    EXPECT_EQ(-1, doc.SelectedSatellite);
    EXPECT_EQ(0, Db().header.sTpNumber);
    EXPECT_EQ(0, Db().header.sTVNumber);
}

TEST_F(LeftViewTest, AddAndEditTranspondersOfEveryKind)
{
    Open();
    const int children = Sat(0)->childCount();
    Select(Tp(0, 0));
    Answer<CTransponderDlg>([](CTransponderDlg& d) { EXPECT_EQ("11747", d.pFrequencyEdit->text()); });
    Menu("Add Transponder");
    ASSERT_EQ(children + 1, Sat(0)->childCount());
    EXPECT_EQ(QString("%1 | 11747 | VER | 27500 | 3/4").arg(children + 1), Sat(0)->child(children)->text(0));
    view.setCurrentItem(Sat(0)->child(children));
    EXPECT_EQ(int(TpId(Db().TransponderTable[Db().header.sTpNumber - 1])), doc.SelectedTpId);

    Select(Sat(0));
    Answer<CTransponderDlg>({}); // the same default again
    prompts.QueueAnswer(MsgAnswer::Ok);
    Menu("Add Transponder");
    EXPECT_EQ(Box("Tp is already exist", "Add Transponder", MsgIcon::Stop), prompts.Messages().back());
    EXPECT_EQ(children + 1, Sat(0)->childCount());

    struct CategoryCase {
        int root;
        QString label;
    };
    for (const CategoryCase& c :
         {CategoryCase{kRootCable, "| 474 | 27500"}, CategoryCase{kRootTerrestrial, "| 474000 | 8M"},
          CategoryCase{kRootIsdb, "| 490000 | 6M"}}) {
        const int before = Root(c.root)->childCount();
        Select(Root(c.root));
        Answer<CTransponderDlg>([&c](CTransponderDlg& d) {
            EXPECT_EQ(c.root == kRootCable, d.pSymbolRateEdit != nullptr);
            if (c.root == kRootIsdb) {
                d.pFrequencyEdit->setText("490000");
                d.pBandwidthList->setCurrentIndex(0);
            } else if (c.root == kRootTerrestrial) {
                d.pFrequencyEdit->setText("474000"); // already a terrestrial transponder
            }
        });
        if (c.root == kRootTerrestrial)
            prompts.QueueAnswer(MsgAnswer::Ok);
        Menu("Add Transponder");
        if (c.root == kRootTerrestrial) {
            EXPECT_EQ(before, Root(c.root)->childCount());
            continue;
        }
        ASSERT_EQ(before + 1, Root(c.root)->childCount());
        EXPECT_EQ(QString::number(before + 1) + " " + c.label, Root(c.root)->child(before)->text(0));
    }
    EXPECT_EQ(kTpIsdbt, TpKind(Db().TransponderTable[view.TpRow(kIsdbRow).back()]));
    EXPECT_EQ(OutlineLines(Db()), WidgetLines(view));

    // Editing: the FEC alone may change; a copy of another record may not.
    Select(Tp(0, 1));
    Answer<CTransponderDlg>([](CTransponderDlg& d) { d.pFecList->setCurrentIndex(7); });
    Menu("Edit Transponder");
    EXPECT_TRUE(Tp(0, 1)->text(0).endsWith(" | 7/8"));
    const TransponderRecord first = Db().TransponderTable[view.TpRow(0)[0]];
    const TransponderRecord second = Db().TransponderTable[view.TpRow(0)[1]];
    Answer<CTransponderDlg>([&first](CTransponderDlg& d) {
        d.pFrequencyEdit->setText(QString::number(first.usFreq));
        d.pSymbolRateEdit->setText(QString::number(first.usSymRate));
        d.pPolarisationList->setCurrentIndex(int(TpPolarisation(first)));
        d.pFecList->setCurrentIndex(int(TpFec(first)));
    });
    prompts.QueueAnswer(MsgAnswer::Ok);
    Menu("Edit Transponder");
    EXPECT_EQ(Box("Tp is already exist", "Edit Transponder", MsgIcon::Stop), prompts.Messages().back());
    EXPECT_EQ(0, std::memcmp(&second, &Db().TransponderTable[view.TpRow(0)[1]], sizeof second));

    Select(Root(kRootIsdb)->child(0));
    Answer<CTransponderDlg>([](CTransponderDlg& d) {
        EXPECT_TRUE(d.pBandwidthList);
        d.pFrequencyEdit->setText("500000");
    });
    Menu("Edit Transponder");
    EXPECT_EQ("1 | 500000 | 8M", Root(kRootIsdb)->child(0)->text(0));
    EXPECT_EQ(kTpIsdbt, TpKind(Db().TransponderTable[view.TpRow(kIsdbRow)[0]]));
    EXPECT_EQ(OutlineLines(Db()), WidgetLines(view));
}

TEST_F(LeftViewTest, ModifyTranspondersRebuildsWhenSomethingChanged)
{
    Open();
    Select(Sat(1));
    Answer<CModifiedTpDlg>([](CModifiedTpDlg& d) { EXPECT_EQ(12, d.pList->count()); }, false);
    Menu("Modify Transponders");
    EXPECT_TRUE(aReported.empty()) << "no change, no rebuild";

    Answer<CModifiedTpDlg>(
        [](CModifiedTpDlg& d) {
            d.pList->item(0)->setSelected(true);
            d.pList->item(5)->setSelected(true);
            d.OnDel();
        },
        false);
    Menu("Modify Transponders");
    EXPECT_EQ(10, Sat(1)->childCount());
    EXPECT_EQ(OutlineLines(Db()), WidgetLines(view));
    EXPECT_EQ(Sat(1), view.currentItem());
    EXPECT_EQ(std::vector<int>{kListSatellite}, aReported);
}

TEST_F(LeftViewTest, RenameFavouriteGroup)
{
    Open();
    Select(Root(kRootFavList)->child(0));
    Answer<CFavRenameDlg>([](CFavRenameDlg& d) { d.pNameEdit->setText("Gone"); }, false);
    Menu("Rename FAV Group Name");
    EXPECT_FALSE(doc.IsModified());

    Answer<CFavRenameDlg>([this](CFavRenameDlg& d) {
        EXPECT_EQ(QString::fromLatin1(FavName(Db(), 0)), d.pNameEdit->text());
        d.pNameEdit->setText(QString::fromLatin1("Caf\xe9 \xa9 20\xb0"));
    });
    Menu("Rename FAV Group Name");
    EXPECT_EQ("Caf\xe9  20\xb0", FavName(Db(), 0));
    EXPECT_EQ(QString::fromLatin1("Caf\xe9  20\xb0"), Root(kRootFavList)->child(0)->text(0));
    EXPECT_TRUE(doc.IsModified());

    // Every group has the rename; its node keeps the name when the tree is
    // filled again, and an empty name shows as "FAV n".
    const auto groupLabels = [this] {
        QStringList labels;
        for (int g = 0; g < Root(kRootFavList)->childCount(); ++g)
            labels << Root(kRootFavList)->child(g)->text(0);
        return labels;
    };
    Select(Root(kRootFavList)->child(3));
    Answer<CFavRenameDlg>([](CFavRenameDlg& d) { d.pNameEdit->setText("Kids"); });
    Menu("Rename FAV Group Name");
    EXPECT_EQ("Kids", Root(kRootFavList)->child(3)->text(0));
    emit doc.DatabaseOpened();
    EXPECT_EQ(groupLabels(), QStringList({QString::fromLatin1("Caf\xe9  20\xb0"), "News", "Sport", "Kids", "FAV 5",
                                          "FAV 6", "FAV 7", "FAV 8"}));
    Select(Root(kRootFavList)->child(1));
    EXPECT_EQ(1, doc.SelectedFavGroup);
    Answer<CFavRenameDlg>([](CFavRenameDlg& d) { d.pNameEdit->setText(""); });
    Menu("Rename FAV Group Name");
    EXPECT_EQ("FAV 2", Root(kRootFavList)->child(1)->text(0));
    EXPECT_EQ("", FavName(Db(), 1));
}

TEST_F(LeftViewTest, ImportFromTheSatelliteRootMenu)
{
    Open();
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("Sat Z at 19.2E.htm"));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<a>3840</A> H</a><td>4340 - 3/4</td> <td>11747 V</td><td>27500 -2/3</td>");
    file.close();
    const int satellites = Db().header.sSatNumber;
    Select(Root(kRootSatellite));
    prompts.QueueFile(page);
    Menu(kMenuLoadListing);
    ASSERT_EQ(satellites + 2, Db().header.sSatNumber);
    EXPECT_TRUE(Sat(satellites)->text(0).startsWith(QString("| %1 | C_Sat Z | ").arg(satellites + 1)));
    EXPECT_TRUE(Sat(satellites + 1)->text(0).startsWith(QString("| %1 | Ku_Sat Z | ").arg(satellites + 2)));
    EXPECT_GT(Sat(satellites + 1)->childCount(), 0);
    EXPECT_EQ(OutlineLines(Db()), WidgetLines(view));
    EXPECT_TRUE(doc.IsModified());
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

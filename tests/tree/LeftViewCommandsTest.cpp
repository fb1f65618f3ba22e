// The tree pane's commands as its context menus run them: satellites
// added, edited, moved, swapped and deleted, transponders of every kind,
// the transponder session, group names and the listing-page import.
#include "CFavRenameDlg.h"
#include "CModifiedTpDlg.h"
#include "CMoveDlg.h"
#include "CSatelliteDlg.h"
#include "CTransponderDlg.h"
#include "LeftViewFixture.h"
#include "ListKind.h"
#include "SatelliteOperations.h"
#include "TransponderOperations.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <cstring>

namespace {

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

} // namespace

// The channel list under the offscreen platform: fill passes, commands with
// their messages, the columns and their header, mouse and keys.
#include "CEditZarnDoc.h"
#include "CEditZarnView.h"
#include "ChannelOperations.h"
#include "CommandIds.h"
#include "DatabaseBuilders.h"
#include "ModelOperations.h"
#include "ScriptedPrompts.h"
#include "PanePrinter.h"
#include "TestApplication.h"

#include "BitFields.h"

#include <QHeaderView>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList Column(const QAbstractItemView& view, int column)
{
    QStringList texts;
    for (int row = 0; row < view.model()->rowCount(); ++row)
        texts << view.model()->index(row, column).data().toString();
    return texts;
}

// The question before channels are deleted, with how many go.
ShownMessage DeleteQuestion(const QString& count)
{
    return {"Are you sure to delete channel ?", "EditZarn", MsgButtons::YesNo, MsgIcon::Question, count};
}
const ShownMessage kOutOfRange{"Out of Range", "EditZarn", MsgButtons::Ok, MsgIcon::None};

class ChannelViewTest : public testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override
    {
        Database& db = doc.Data();
        ResetDatabase(db);
        AppendTransponder(db, MakeSatelliteTp(10, 0, 11000));
        AppendTransponder(db, MakeSatelliteTp(11, 1, 12000));
        const struct {
            const char* name;
            uint16_t tp;
            uint16_t fav;
            bool radio;
        } channels[] = {
            {"Delta", 10, 1, false}, {"alpha", 11, 0, false}, {"Charlie", 10, 1, false}, {"bravo", 99, 0, false},
            {"Echo", 10, 0, false},  {"R1", 11, 0, true},     {"R2", 10, 1, true},
        };
        for (const auto& c : channels) {
            ChannelRecord record = MakeChannel(c.name, c.tp, uint16_t(ChannelCount(db, c.radio) + 1));
            record.usFavBits = c.fav;
            AppendChannel(db, c.radio, record);
        }
        doc.bDataLoaded = 1;
        view.fnChannelDialog = [this](const ChannelDialogInput& input) {
            dialogInputs.push_back(input);
            return dialogAnswer;
        };
        view.fnMoveDialog = [this](int from) {
            moveFroms.push_back(from);
            return moveAnswer;
        };
        view.fnTrackPopup = [this](const QPoint&) { return popupChoice; };
        view.resize(700, 400);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    void Select(const std::vector<int>& rows)
    {
        view.clearSelection();
        for (int row : rows)
            view.selectionModel()->select(view.model()->index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QPoint RowPoint(int row) const { return view.visualRect(view.model()->index(row, 1)).center(); }
    QStringList Names() const { return Column(view, kColumnName); }

    ScriptedPrompts prompts;
    CEditZarnDoc doc{prompts};
    CEditZarnView view{doc};
    std::vector<ChannelDialogInput> dialogInputs;
    std::optional<ChannelRecord> dialogAnswer;
    std::vector<int> moveFroms;
    std::optional<int> moveAnswer;
    int popupChoice = 0;
};

TEST_F(ChannelViewTest, FillPassesNumberAndFilterTheRows)
{
    // bravo's transponder is a terrestrial one; alpha is in group 6 only, Echo
    // carries a bit past the file's eight groups.
    TransponderRecord terrestrial = MakeSatelliteTp(99, 0x80 | 21, 474); // bit 19 and channel 21
    SetTpKind(terrestrial, kTpTerrestrial);
    AppendTransponder(doc.Data(), terrestrial);
    doc.Data().TvChannelTable[1].usFavBits = 1 << 5;
    doc.Data().TvChannelTable[4].usFavBits = 1 << 9;
    EXPECT_EQ(view.model()->columnCount(), 13);
    EXPECT_EQ(view.ShownColumns(), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    view.RefreshChannelList(0); // the tree has reported nothing yet
    EXPECT_EQ(view.model()->rowCount(), 0);

    struct Case {
        int kind;
        int selection; // written to the document's field for the kind
        int mode;
        QStringList index, names;
    };
    const Case cases[] = {
        {kListAll, 0, 0, {"1", "2", "3", "4", "5"}, {"Delta", "alpha", "Charlie", "bravo", "Echo"}},
        {kListSatellite, 0, 0, {"1", "2", "3"}, {"Delta", "Charlie", "Echo"}},
        {kListSatellite, 0, 1, {"1"}, {"R2"}},
        {kListTransponder, 99, 0, {"1"}, {"bravo"}},
        {kListFavGroup, 0, 0, {"1", "2"}, {"Delta", "Charlie"}},
        {kListSatelliteTps, 0, 0, {"1", "2", "3", "4"}, {"Delta", "alpha", "Charlie", "Echo"}},
        {kListTerrestrialTps, 0, 0, {"1"}, {"bravo"}},
        {kListCableTps, 0, 0, {}, {}},
        {kListAnyFavGroup, 0, 0, {"1", "2", "3"}, {"Delta", "alpha", "Charlie"}},
        {kListAnyFavGroup, 0, 1, {"1"}, {"R2"}},
        {kListNone, 0, 0, {}, {}},
    };
    for (const Case& c : cases) {
        doc.SelectedSatellite = doc.SelectedTpId = doc.SelectedFavGroup = c.selection;
        view.iTvRadioMode = c.mode;
        view.ShowListKind(c.kind);
        EXPECT_EQ(Column(view, kColumnIndex), c.index) << c.kind;
        EXPECT_EQ(Names(), c.names) << c.kind;
    }
    // The list of all radio channels numbers them by their place in the table.
    view.ShowListKind(kListAll);
    EXPECT_EQ(view.model()->index(0, kColumnMyFav).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    view.RefreshChannelList(1);
    EXPECT_EQ(Column(view, kColumnIndex), QStringList({"1", "2"}));
    doc.bDataLoaded = 0;
    view.RefreshChannelList(0);
    EXPECT_EQ(view.model()->rowCount(), 0);
}

// Listing a group, or a command that changes nothing, leaves its entries as
// stored; the next change drops the entries no channel of the group matches
// (both tables), in its own step.
TEST_F(ChannelViewTest, StaleGroupEntriesGoWithTheNextChangeNotWithAListing)
{
    Database& db = doc.Data();
    const uint32_t delta = ChannelKey(db.TvChannelTable[0]);
    const uint32_t alpha = ChannelKey(db.TvChannelTable[1]); // in the list but without the bit
    for (uint32_t key : {delta, alpha, 0x77u})
        AddFavEntry(db, 0, key, 0);
    AddFavEntry(db, 0, 0x88u, 1);
    const auto stored = std::make_unique<Database>(db);
    doc.SelectedFavGroup = 0;
    view.ShowListKind(kListFavGroup);
    doc.ApplyEdit("Nothing", [](Database&) { return true; });
    ExpectSameDatabase(db, *stored);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());

    view.ShowListKind(kListAll);
    view.SortByNameAscending();
    EXPECT_EQ(db.FavGroupTable[0].sTvFavNum, 1);
    EXPECT_EQ(db.FavGroupTable[0].aulFavKey[0], delta);
    EXPECT_EQ(db.FavGroupTable[0].sRadioFavNum, 0);
    doc.Undo();
    ExpectSameDatabase(db, *stored);
}

TEST_F(ChannelViewTest, FavouritesSubmenuAndTheFavouriteListEditTheGroupOnly)
{
    Database& db = doc.Data();
    const auto& tv = db.TvChannelTable;
    const auto menuOf = [this] {
        QMenu menu;
        view.FillFavouritesMenu(menu);
        QStringList lines;
        for (const QAction* pEntry : menu.actions())
            lines << (pEntry->isSeparator() ? "-" : pEntry->text() + (pEntry->isChecked() ? " *" : ""));
        return lines;
    };
    const auto choose = [this](int group) { view.RunCommand(ID_FAV_GROUP_FIRST + group); };
    const QStringList tableNames = {"Delta", "alpha", "Charlie", "bravo", "Echo"};

    // A mixed selection: Delta is in MyFav, alpha and bravo are not.
    view.ShowListKind(kListAll);
    Select({0, 1, 3});
    EXPECT_EQ(menuOf(),
              QStringList({"1 MyFav", "2 FAV 2", "3 FAV 3", "4 FAV 4", "5 FAV 5", "6 FAV 6", "7 FAV 7", "8 FAV 8"}));
    choose(0);
    EXPECT_EQ(db.FavGroupTable[0].sTvFavNum, 2); // appended in row order; Delta was in already
    EXPECT_EQ(db.FavGroupTable[0].aulFavKey[0], ChannelKey(tv[1]));
    EXPECT_EQ(db.FavGroupTable[0].aulFavKey[1], ChannelKey(tv[3]));
    EXPECT_TRUE(doc.IsModified());
    Select({0, 1, 3});
    EXPECT_EQ(menuOf().first(), "1 MyFav *");

    // The favourite list shows the entries in stored order, then the
    // channels in the group by their bit alone.
    doc.SelectedFavGroup = 0;
    view.ShowListKind(kListFavGroup);
    EXPECT_EQ(Names(), QStringList({"alpha", "bravo", "Delta", "Charlie"}));
    Select({0});
    EXPECT_EQ(menuOf().mid(8), QStringList({"-", "Remove from This Group\tCtrl+Shift+Delete"}));

    // Move reorders the group, never the table; the channels shown from
    // their bit get entries.
    Select({3});
    moveAnswer = 1;
    view.MoveChannels();
    EXPECT_EQ(Names(), QStringList({"Charlie", "alpha", "bravo", "Delta"}));
    EXPECT_EQ(db.FavGroupTable[0].sTvFavNum, 4);
    EXPECT_EQ(Column(view, kColumnIndex), QStringList({"1", "2", "3", "4"}));

    Select({1});
    QTest::keyClick(&view, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Names(), QStringList({"Charlie", "bravo", "Delta"}));
    EXPECT_EQ(db.header.sTVNumber, 5);
    EXPECT_EQ(tv[1].usFavBits, 0);

    view.SortByNameAscending();
    EXPECT_EQ(Names(), QStringList({"bravo", "Charlie", "Delta"}));
    view.ShowListKind(kListAll);
    EXPECT_EQ(Names(), tableNames);

    // All selected channels in the group: the entry takes them all out.
    Select({0, 2, 3});
    EXPECT_EQ(menuOf().first(), "1 MyFav *");
    EXPECT_EQ(menuOf().size(), 8);
    choose(0);
    EXPECT_EQ(db.FavGroupTable[0].sTvFavNum, 0);
    EXPECT_EQ(tv[0].usFavBits | tv[2].usFavBits | tv[3].usFavBits, 0);
    EXPECT_EQ(Names(), tableNames);
}

TEST_F(ChannelViewTest, ACommandTheFullGroupRefusesKeepsTheSelection)
{
    // Radio channels of groups 1 and 2 whose entries fill a group up to n of
    // its 200 places.
    const int firstFiller = ChannelCount(doc.Data(), true);
    for (int p = 0; p < kFavSlots; ++p) {
        ChannelRecord filler = MakeChannel("Filler", 11, uint16_t(1000 + p));
        filler.usFavBits = 3;
        AppendChannel(doc.Data(), true, filler);
    }
    const auto fillRadio = [&](int group, int n) {
        doc.ApplyEdit(QStringLiteral("Fill"), [&](Database& db) {
            FavGroup& g = db.FavGroupTable[size_t(group)];
            for (int p = 0; p < n; ++p)
                g.aulFavKey[size_t(kFavSlots - 1 - p)] = ChannelKey(db.RadioChannelTable[size_t(firstFiller + p)]);
            g.sRadioFavNum = int16_t(n);
            return true;
        });
    };
    // Group 0 lists Delta and Charlie by their bits alone: storing them as
    // entries beside 199 radio entries would pass 200.
    fillRadio(0, 199);
    struct Case {
        int kind;
        std::vector<int> rows;
        int command;
        int groupTwoRadio; // radio entries put into group 2 first
        QString detail;    // the message's informative text
        bool bChanged;     // the group took some of the channels
    };
    const Case cases[] = {
        {kListFavGroup, {1}, ID_CHANNEL_MOVE, 0, {}, false},
        {kListAll, {1, 3}, ID_FAV_GROUP_FIRST + 1, 200, "0 of 2 channels added; FAV 2 holds 200", false},
        {kListAll, {1, 3}, ID_FAV_GROUP_FIRST + 1, 199, "1 of 2 channels added; FAV 2 holds 200", true},
    };
    moveAnswer = 1;
    for (const Case& c : cases) {
        fillRadio(1, c.groupTwoRadio);
        doc.SelectedFavGroup = 0;
        view.ShowListKind(c.kind);
        const QStringList names = Names();
        const QString undoBefore = doc.UndoText();
        Select(c.rows);
        const size_t shown = prompts.Messages().size();
        prompts.QueueAnswer(MsgAnswer::Ok);
        view.RunCommand(c.command);
        ASSERT_EQ(prompts.Messages().size(), shown + 1) << c.command;
        EXPECT_EQ(prompts.Messages().back(), ShownMessage({"Favor are full,can not store more favor", "EditZarn",
                                                           MsgButtons::Ok, MsgIcon::Warning, c.detail}))
            << c.command;
        EXPECT_EQ(Names(), names) << c.command;
        EXPECT_EQ(view.SelectedRows(), c.rows) << c.command;
        EXPECT_EQ(doc.UndoText() != undoBefore, c.bChanged) << c.command;
    }
    EXPECT_EQ(doc.UndoText(), "Undo Add to FAV 2");
}

TEST_F(ChannelViewTest, EveryFillStartsWithoutSelectionAndWithTheBuiltColumnOrder)
{
    view.ShowListKind(kListAll);
    Select({1, 3});
    view.horizontalHeader()->moveSection(1, 7);
    view.setColumnWidth(2, 300);
    EXPECT_EQ(view.SelectedRows(), std::vector<int>({1, 3}));
    view.RefreshChannelList(0);
    EXPECT_TRUE(view.SelectedRows().empty());
    EXPECT_EQ(view.horizontalHeader()->visualIndex(1), 1);
    EXPECT_EQ(view.columnWidth(2), 300); // the width the user set stays
    EXPECT_TRUE(view.horizontalHeader()->sectionsMovable());
    EXPECT_EQ(view.selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(ChannelViewTest, DeleteAsksAndRemovesTheSelectedChannels)
{
    view.ShowListKind(kListAll);
    view.DeleteChannels(); // nothing selected: no question
    Select({1, 4});
    prompts.QueueAnswer(MsgAnswer::No);
    view.DeleteChannels();
    EXPECT_EQ(Names().size(), 5);
    EXPECT_FALSE(doc.IsModified());
    prompts.QueueAnswer(MsgAnswer::Yes);
    view.DeleteChannels();
    EXPECT_EQ(Names(), QStringList({"Delta", "Charlie", "bravo"}));
    EXPECT_EQ(Column(view, kColumnIndex), QStringList({"1", "2", "3"}));
    EXPECT_EQ(prompts.Messages(), std::vector<ShownMessage>(2, DeleteQuestion("2 channels")));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(view.SelectedRows().empty());

    // Deleting from a group's list deletes the channel from the table, and says so.
    doc.SelectedFavGroup = 0;
    view.ShowListKind(kListFavGroup);
    Select({1});
    prompts.QueueAnswer(MsgAnswer::Yes);
    view.DeleteChannels();
    EXPECT_EQ(doc.Data().header.sTVNumber, 2);
    EXPECT_EQ(prompts.Messages().back(), DeleteQuestion("1 channel leaves the database and every list."));
}

TEST_F(ChannelViewTest, MoveAndSwapTakeTheTargetRow)
{
    doc.SelectedSatellite = 0;
    view.ShowListKind(kListSatellite);
    Select({0, 1});
    view.MoveChannels(); // cancelled
    EXPECT_EQ(moveFroms, std::vector<int>({2}));
    for (int outside : {0, 4}) {
        prompts.QueueAnswer(MsgAnswer::Ok);
        prompts.QueueAnswer(MsgAnswer::Ok);
        moveAnswer = outside;
        view.MoveChannels();
        view.SwapChannels();
    }
    EXPECT_EQ(prompts.Messages(), std::vector<ShownMessage>(4, kOutOfRange));
    EXPECT_FALSE(doc.IsModified());

    moveAnswer = 3;
    view.MoveChannels();
    EXPECT_EQ(Names(), QStringList({"Echo", "Delta", "Charlie"}));
    // The others keep their table places.
    EXPECT_EQ(FieldText(doc.Data().TvChannelTable[1].acName), "alpha");
    EXPECT_EQ(FieldText(doc.Data().TvChannelTable[4].acName), "Charlie");
    EXPECT_TRUE(doc.IsModified());

    Select({2});
    moveAnswer = 1;
    view.SwapChannels();
    EXPECT_EQ(moveFroms.back(), 3);
    EXPECT_EQ(Names(), QStringList({"Charlie", "Delta", "Echo"}));
}

TEST_F(ChannelViewTest, AddOpensTheDialogOnATemplate)
{
    view.ShowListKind(kListAll);
    view.AddChannel(); // cancelled
    ASSERT_EQ(dialogInputs.size(), 1u);
    EXPECT_EQ(dialogInputs[0].iNumber, 6);
    EXPECT_TRUE(dialogInputs[0].bTpChoiceEnabled);
    EXPECT_FALSE(doc.IsModified());

    // Listing a transponder: the template carries it and it cannot be changed.
    doc.SelectedTpId = 11;
    view.ShowListKind(kListTransponder);
    ChannelRecord added = MakeChannel("New", 11, 5);
    added.sVideoPid = 8191; // lands in the radio table even in TV mode
    dialogAnswer = added;
    view.AddChannel();
    EXPECT_EQ(dialogInputs[1].record.usTpId, 11);
    EXPECT_EQ(dialogInputs[1].record.sTxtPid, 8191);
    EXPECT_FALSE(dialogInputs[1].bTpChoiceEnabled);
    EXPECT_EQ(doc.Data().header.sRadioNumber, 3);
    EXPECT_EQ(Names(), QStringList({"alpha"}));
    EXPECT_TRUE(doc.IsModified());

    // A channel of the listed table is selected in view.
    dialogAnswer = MakeChannel("Fresh", 11, 9);
    view.AddChannel();
    EXPECT_EQ(Names(), QStringList({"alpha", "Fresh"}));
    EXPECT_EQ(view.SelectedRows(), std::vector<int>({1}));

    doc.Data().header.sTVNumber = 7997;
    prompts.QueueAnswer(MsgAnswer::Ok);
    view.AddChannel();
    EXPECT_EQ(dialogInputs.size(), 3u);
    EXPECT_EQ(prompts.Messages(), std::vector<ShownMessage>({{"Channels are full,can't append", "Infomation",
                                                              MsgButtons::Ok, MsgIcon::Stop}}));
}

TEST_F(ChannelViewTest, EditStoresTheRecordOfTheLastSelectedRow)
{
    view.ShowListKind(kListAll);
    Select({0, 2});
    ChannelRecord edited = doc.Data().TvChannelTable[2];
    edited.usFavBits = 0b11;
    dialogAnswer = edited;
    for (int i = 0; i < 200; ++i)
        AddFavEntry(doc.Data(), 1, uint32_t(i), 0);
    prompts.QueueAnswer(MsgAnswer::Ok);
    view.EditChannel();
    ASSERT_EQ(dialogInputs.size(), 1u);
    EXPECT_EQ(dialogInputs[0].iNumber, 3);
    EXPECT_EQ(FieldText(dialogInputs[0].record.acName), "Charlie");
    EXPECT_EQ(prompts.Messages(), std::vector<ShownMessage>({{"Favor are full,can not store more favor", "EditZarn",
                                                              MsgButtons::Ok, MsgIcon::Warning}}));
    EXPECT_EQ(doc.Data().TvChannelTable[2].usFavBits, 0b11);
    EXPECT_EQ(view.SelectedRows(), std::vector<int>({2})); // the edited row
}

TEST_F(ChannelViewTest, SortsReorderTheListOrTheWholeTable)
{
    doc.SelectedSatellite = 0;
    view.ShowListKind(kListSatellite);
    view.SortByNameDescending();
    EXPECT_EQ(Names(), QStringList({"Echo", "Delta", "Charlie"}));
    view.SortByNameAscending();
    EXPECT_EQ(Names(), QStringList({"Charlie", "Delta", "Echo"}));
    EXPECT_TRUE(doc.IsModified());
    view.SortByTransponder(); // the whole table, whatever is listed
    std::vector<int> tps;
    for (int i = 0; i < 5; ++i)
        tps.push_back(doc.Data().TvChannelTable[size_t(i)].usTpId);
    EXPECT_EQ(tps, std::vector<int>({10, 10, 10, 11, 99}));
    view.SortBySatellite();
    EXPECT_EQ(FieldText(doc.Data().TvChannelTable[4].acName), "bravo");

    // Without an open database the commands leave the hidden tables alone.
    doc.SetModifiedFlag(false);
    doc.bDataLoaded = 0;
    for (int id : {ID_CHANNEL_ADD, ID_SORT_AZ, ID_SORT_ZA, ID_SORT_TRANSPONDER, ID_SORT_SATELLITE})
        EXPECT_TRUE(view.RunCommand(id));
    EXPECT_FALSE(view.RunCommand(ID_FILE_NEW));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(dialogInputs.size(), 0u);
}

TEST_F(ChannelViewTest, HeaderClicksSortTheListedRowsAndMarkItUntilTheOrderChanges)
{
    Database& db = doc.Data();
    const char* const names[] = {"Cinema 10", "cinema 2", "Cinema 1", "CINEMA 02", "Cinema 9"};
    for (int i = 0; i < 5; ++i)
        SetChannelName(db.TvChannelTable[size_t(i)], names[i]);
    view.ShowListKind(kListAll);
    view.SetShownColumns({kColumnName, kColumnServiceId});
    QHeaderView* pHeader = view.horizontalHeader();
    const auto click = [&](int column) {
        QTest::mouseClick(pHeader->viewport(), Qt::LeftButton, {},
                          QPoint(pHeader->sectionViewportPosition(column) + 4, pHeader->height() / 2));
    };
    // The header's mark: its column, and 1 when it shows a descending sort.
    const auto mark = [&] {
        return QString("%1 %2").arg(pHeader->sortIndicatorSection()).arg(int(pHeader->sortIndicatorOrder()));
    };
    Select({1, 3});
    struct Step {
        int column;
        QStringList names;
        std::vector<int> selected; // "cinema 2" and "CINEMA 02" followed
        QString mark;
    };
    const Step steps[] = {
        {kColumnName, {"Cinema 1", "cinema 2", "CINEMA 02", "Cinema 9", "Cinema 10"}, {1, 2}, "1 0"},
        {kColumnName, {"Cinema 10", "Cinema 9", "cinema 2", "CINEMA 02", "Cinema 1"}, {2, 3}, "1 1"},
        {kColumnServiceId, {"Cinema 10", "cinema 2", "Cinema 1", "CINEMA 02", "Cinema 9"}, {1, 3}, "10 0"},
    };
    for (const Step& step : steps) {
        click(step.column);
        EXPECT_EQ(Names(), step.names);
        EXPECT_EQ(view.SelectedRows(), step.selected);
        EXPECT_EQ(mark(), step.mark);
    }
    EXPECT_EQ(doc.UndoText(), "Undo Sort by Service ID");
    view.LockChannels(true); // moves no row: the mark stays
    EXPECT_EQ(mark(), "10 0");
    view.MoveSelectedRowsTo(0);
    EXPECT_EQ(mark(), "-1 0");

    // A group's list sorts the group's own order, never the table.
    doc.SelectedFavGroup = 0;
    view.ShowListKind(kListFavGroup);
    EXPECT_EQ(Names(), QStringList({"Cinema 10", "Cinema 1"}));
    view.SortByColumn(kColumnName);
    EXPECT_EQ(Names(), QStringList({"Cinema 1", "Cinema 10"}));
    EXPECT_EQ(doc.UndoText(), "Undo Sort by Name");
    view.ShowListKind(kListAll);
    EXPECT_EQ(Names(), QStringList({"cinema 2", "CINEMA 02", "Cinema 10", "Cinema 1", "Cinema 9"}));
}

TEST_F(ChannelViewTest, HeaderMenuShowsAndHidesEveryColumnButTheLast)
{
    Database& db = doc.Data();
    db.header.sSatNumber = 1;
    std::strcpy(db.SatelliteTable[0].acSatName, "Astra 19.2");
    TransponderRecord terrestrial = MakeSatelliteTp(99, 0, 474);
    SetTpKind(terrestrial, kTpTerrestrial);
    AppendTransponder(db, terrestrial);
    view.ShowListKind(kListAll);
    QMenu menu;
    const auto entry = [&](int column) {
        view.FillColumnsMenu(menu);
        return menu.actions().at(column);
    };
    EXPECT_FALSE(entry(kColumnServiceId)->isChecked());
    entry(kColumnSatellite)->trigger();
    EXPECT_EQ(Column(view, kColumnSatellite),
              QStringList({"Astra 19.2", "", "Astra 19.2", "Terrestrial", "Astra 19.2"}));
    view.SetShownColumns({kColumnName});
    EXPECT_FALSE(entry(kColumnName)->isEnabled());
    EXPECT_TRUE(entry(kColumnIndex)->isEnabled());
    // A printout keeps the ten columns of every list.
    const ListPrintInput printed = ListInputFromModel(*view.model());
    EXPECT_EQ(printed.titles.back(), "My Fav");
    EXPECT_EQ(printed.rows[0][size_t(kColumnIndex)], "1");
}

TEST_F(ChannelViewTest, ContextMenuActsOnTheSelectionBeforeTheClick)
{
    view.ShowListKind(kListAll);
    Select({1, 2});
    popupChoice = ID_CHANNEL_DELETE;
    prompts.QueueAnswer(MsgAnswer::Yes);
    QTest::mousePress(view.viewport(), Qt::RightButton, {}, RowPoint(4));
    QTest::mouseRelease(view.viewport(), Qt::RightButton, {}, RowPoint(4));
    EXPECT_EQ(Names(), QStringList({"Delta", "bravo", "Echo"}));
    EXPECT_TRUE(view.SelectedRows().empty());

    popupChoice = 0; // dismissed: the click selects the row under the pointer
    QTest::mousePress(view.viewport(), Qt::RightButton, {}, RowPoint(2));
    QTest::mouseRelease(view.viewport(), Qt::RightButton, {}, RowPoint(2));
    EXPECT_EQ(view.SelectedRows(), std::vector<int>({2}));
}

TEST_F(ChannelViewTest, DoubleClickAndEnterEdit)
{
    view.ShowListKind(kListAll);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, RowPoint(3));
    ASSERT_EQ(dialogInputs.size(), 1u);
    EXPECT_EQ(dialogInputs[0].iNumber, 4);
    Select({1});
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Return);
    ASSERT_EQ(dialogInputs.size(), 2u);
    EXPECT_EQ(FieldText(dialogInputs[1].record.acName), "alpha");
    view.clearSelection();
    QTest::keyClick(&view, Qt::Key_Enter); // no row: nothing
    EXPECT_EQ(dialogInputs.size(), 2u);
}

} // namespace

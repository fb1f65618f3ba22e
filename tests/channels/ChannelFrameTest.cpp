// The channel list's commands from the main window on the demo database:
// the menu actions, the Favourites submenu and the list's context menu.
#include "BitFields.h"
#include "CEditZarnView.h"
#include "ChannelOperations.h"
#include "CommandIds.h"
#include "MainWindowFixture.h"

#include <QMenuBar>

#include <numeric>

namespace {

QStringList MenuLines(const QMenu& menu, const QString& indent = {})
{
    QStringList lines;
    for (const QAction* pAction : menu.actions()) {
        if (pAction->isSeparator())
            lines << indent + "-";
        else if (pAction->menu())
            lines << indent + pAction->text() + " >" << MenuLines(*pAction->menu(), indent + "  ");
        else
            lines << indent + pAction->text() + (pAction->isEnabled() ? "" : " (disabled)");
    }
    return lines;
}

// The main window with the demo database, all TV channels listed and the
// list pane active.
class ChannelFrameTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        OpenDemoDatabase();
        list = frame->ListView();
        list->ShowListKind(kListAll);
        if (frame->ActivePane() != Pane::List)
            frame->Action(ID_NEXT_PANE)->trigger();
        ASSERT_TRUE(frame->Action(ID_SORT_AZ)->isEnabled());
    }

    CEditZarnView* list = nullptr;
};

TEST_F(ChannelFrameTest, ActionsRunTheListCommands)
{
    Database& db = app->Document().Data();
    auto expected = std::make_unique<Database>(db);
    std::vector<int> all(size_t(db.header.sTVNumber));
    std::iota(all.begin(), all.end(), 0);
    SortRowsByName(*expected, false, all, false);

    frame->Action(ID_SORT_AZ)->trigger();
    EXPECT_EQ(
        0, std::memcmp(db.TvChannelTable.data(), expected->TvChannelTable.data(), sizeof(ChannelRecord) * all.size()));
    EXPECT_TRUE(app->Document().IsModified());
    EXPECT_EQ(list->model()->rowCount(), db.header.sTVNumber);

    list->selectionModel()->select(list->model()->index(0, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    prompts.QueueAnswer(MsgAnswer::Yes);
    frame->Action(ID_CHANNEL_DELETE)->trigger();
    EXPECT_EQ(db.header.sTVNumber, int(all.size()) - 1);
    EXPECT_EQ(prompts.Messages().back(), ShownMessage({"Are you sure to delete channel ?", "EditZarn",
                                                       MsgButtons::YesNo, MsgIcon::Question, "1 channel"}));

    frame->Action(ID_VIEW_RADIO)->trigger();
    EXPECT_EQ(list->model()->rowCount(), db.header.sRadioNumber);
}

TEST_F(ChannelFrameTest, EditMenuFavouritesNameTheGroupsAndActOnTheSelection)
{
    QMenu* pFavourites = nullptr;
    for (QAction* pAction : frame->menuBar()->actions()[1]->menu()->actions())
        if (pAction->menu() && pAction->text() == kMenuFavourites)
            pFavourites = pAction->menu();
    ASSERT_TRUE(pFavourites);
    list->selectionModel()->select(list->model()->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    emit pFavourites->aboutToShow();
    const QList<QAction*> entries = pFavourites->actions();
    ASSERT_EQ(entries.size(), 8);
    EXPECT_EQ(entries[1]->text(), "2 News");
    EXPECT_EQ(entries[2]->text(), "3 Sport");
    entries[3]->trigger();
    const Database& db = app->Document().Data();
    EXPECT_EQ(db.FavGroupTable[3].sTvFavNum, 1);
    EXPECT_EQ(db.FavGroupTable[3].aulFavKey[0], ChannelKey(db.TvChannelTable[2]));
    EXPECT_TRUE(app->Document().IsModified());
}

TEST_F(ChannelFrameTest, ContextMenuOffersTheEditMenuAlwaysEnabled)
{
    QMenu* pEdit = frame->menuBar()->actions()[1]->menu();
    for (QAction* pAction : frame->findChildren<QAction*>())
        pAction->setEnabled(false);
    QStringList expected = MenuLines(*pEdit).mid(3); // without Undo, Redo and their separator
    for (QString& line : expected)
        line.remove(" (disabled)");
    EXPECT_EQ(MenuLines(list->ContextMenu()), expected);
    EXPECT_EQ(expected.first(), "Add Channel");
    const QList<QAction*> items = list->ContextMenu().actions();
    EXPECT_EQ(items[2]->data().toInt(), ID_CHANNEL_DELETE);
    EXPECT_EQ(items[5]->data().toInt(), ID_CHANNEL_LOCK);
    EXPECT_EQ(items[8]->menu()->actions()[4]->data().toInt(), ID_SORT_SATELLITE);
}

} // namespace

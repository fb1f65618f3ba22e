// The filter bar, moving rows and the list's keys in the main window: the
// commands on a filtered list hit the right records, rows move by keys and by
// a drop, and the layout survives a restart.
#include "BitFields.h"
#include "ChannelCells.h"
#include "CChannelPane.h"
#include "CEditZarnDoc.h"
#include "CEditZarnView.h"
#include "CLeftView.h"
#include "CommandIds.h"
#include "DatabaseBuilders.h"
#include "FileAccess.h"
#include "MainWindowFixture.h"
#include "ModelOperations.h"
#include "TreeLabels.h"
#include "FavouriteOrder.h"
#include "WindowLayout.h"

#include <QCheckBox>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>

namespace {

const ShownMessage kDeleteQuestion{"Are you sure to delete channel ?", "EditZarn", MsgButtons::YesNo,
                                   MsgIcon::Question, "2 channels"};

class ChannelPaneTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        auto db = MakeEmptyDatabase();
        ResetDatabase(*db);
        AppendTransponder(*db, MakeSatelliteTp(10, 0, 11000));
        const struct {
            const char* name;
            bool cas, locked, radio;
        } channels[] = {
            {"Sport One", true, false, false},   {"News", false, false, false},
            {"sports two", false, true, false},  {"Kids", true, true, false},
            {"Eurosport", false, false, false},  {"Movie", false, false, false},
            {"Sport Radio", false, false, true}, {"Jazz", false, false, true},
        };
        for (const auto& c : channels) {
            ChannelRecord record = MakeChannel(c.name, 10, uint16_t(ChannelCount(*db, c.radio) + 1));
            SetChLocked(record, c.locked);
            record.ulChFlags |= c.cas ? 0x800000u : 0u;
            AppendChannel(*db, c.radio, record);
        }
        ASSERT_EQ(SaveDatabaseFile(*db, dir.filePath("list.sdx")), FileSaveResult::Ok);
        app->Document().OpenDocumentFile(dir.filePath("list.sdx"));
        pane = frame->findChild<CChannelPane*>();
        list = frame->ListView();
        ASSERT_TRUE(pane && pane->View() == list);
        list->fnChannelDialog = [this](const ChannelDialogInput& input) {
            dialogInputs.push_back(input);
            return std::optional<ChannelRecord>();
        };
        list->fnMoveDialog = [this](int) { return moveTo; };
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    }

    QStringList Names() const
    {
        QStringList names;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            names << list->model()->index(row, kColumnName).data().toString();
        return names;
    }
    // The TV table's names; with marks, * after a locked one and the groups it is in.
    QString TableNames(bool bMarks = false)
    {
        QStringList entries;
        const Database& db = app->Document().Data();
        for (int i = 0; i < db.header.sTVNumber; ++i) {
            const ChannelRecord& c = db.TvChannelTable[size_t(i)];
            entries << QString::fromLatin1(FieldText(c.acName));
            if (bMarks)
                entries.back() += QString(ChLocked(c) ? "*" : "") +
                                  (c.usFavBits ? " " + QString::fromStdString(FavouritesCell(db, c)) : QString());
        }
        return entries.join(",");
    }
    void Select(const std::vector<int>& rows)
    {
        list->clearSelection();
        for (int row : rows)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QString CountText(const char* pLabel = "filterCount") const
    {
        const auto* pCount = frame->statusBar()->findChild<QLabel*>(pLabel);
        return pCount->isVisible() ? pCount->text() : QString();
    }
    CChannelPane* pane = nullptr;
    CEditZarnView* list = nullptr;
    std::vector<ChannelDialogInput> dialogInputs;
    std::optional<int> moveTo;
};

TEST_F(ChannelPaneTest, CommandsOnAFilteredListHitTheListedRecords)
{
    // Opening lists every channel at once.
    EXPECT_EQ(frame->LeftView()->currentItem(), frame->LeftView()->Root(kRootChannelList));
    EXPECT_EQ(Names().size(), 6);
    EXPECT_EQ(CountText(), "");

    QTest::keyClicks(pane->FilterBox(), "SPORT");
    EXPECT_EQ(Names(), QStringList({"Sport One", "sports two", "Eurosport"}));
    EXPECT_EQ(list->model()->index(2, kColumnIndex).data().toString(), "5");
    EXPECT_EQ(CountText(), "3 of 6 channels");
    const struct {
        QCheckBox* pToggle;
        QStringList names;
    } toggles[] = {
        {pane->FtaOnly(), {"sports two", "Eurosport"}},
        {pane->CasOnly(), {"Sport One"}}, // and FTA only goes off
        {pane->CasOnly(), {"Sport One", "sports two", "Eurosport"}},
        {pane->LockedOnly(), {"sports two"}},
        {pane->LockedOnly(), {"Sport One", "sports two", "Eurosport"}},
    };
    for (const auto& t : toggles) {
        t.pToggle->click();
        EXPECT_EQ(Names(), t.names) << t.pToggle->text().toStdString();
    }
    EXPECT_FALSE(pane->FtaOnly()->isChecked());

    Select({1});
    list->EditChannel();
    ASSERT_EQ(dialogInputs.size(), 1u);
    EXPECT_EQ(dialogInputs[0].iNumber, 3);
    // Move "To" counts listed rows; the moved row stays selected.
    Select({2});
    moveTo = 1;
    list->MoveChannels();
    EXPECT_EQ(TableNames(), "Eurosport,News,Sport One,Kids,sports two,Movie");
    EXPECT_EQ(list->SelectedRows(), std::vector<int>({0}));

    Select({0, 2});
    list->setFocus();
    prompts.QueueAnswer(MsgAnswer::Yes);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(prompts.Messages(), std::vector<ShownMessage>({kDeleteQuestion}));
    EXPECT_EQ(TableNames(), "News,Sport One,Kids,Movie");
    EXPECT_EQ(CountText(), "1 of 4 channels");

    // The filter survives the switch to radio; Escape in the box clears it.
    frame->Action(ID_VIEW_RADIO)->trigger();
    EXPECT_EQ(Names(), QStringList({"Sport Radio"}));
    QTest::keyClick(pane->FilterBox(), Qt::Key_Escape);
    EXPECT_EQ(Names(), QStringList({"Sport Radio", "Jazz"}));
    EXPECT_EQ(pane->FilterBox()->text(), "");
    EXPECT_EQ(CountText(), "");
}

TEST_F(ChannelPaneTest, KeysReachTheFilterAndMoveTheSelectedRows)
{
    frame->LeftView()->setFocus();
    QTest::keyClick(frame->LeftView(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), pane->FilterBox());
    for (Qt::Key leave : {Qt::Key_Return, Qt::Key_Down}) {
        pane->FilterBox()->setFocus();
        pane->FilterBox()->clear();
        QTest::keyClicks(pane->FilterBox(), "o");
        QTest::keyClick(pane->FilterBox(), leave);
        EXPECT_EQ(QApplication::focusWidget(), list);
        EXPECT_EQ(list->SelectedRows(), std::vector<int>({0}));
        EXPECT_EQ(list->currentIndex().row(), 0);
    }
    QTest::keyClick(pane->FilterBox(), Qt::Key_Escape);

    list->setFocus();
    QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(list->SelectedRows(), std::vector<int>({5}));
    const struct {
        Qt::Key key;
        int selected;
        const char* table;
    } steps[] = {
        {Qt::Key_Home, 0, "Movie,Sport One,News,sports two,Kids,Eurosport"},
        {Qt::Key_Down, 1, "Sport One,Movie,News,sports two,Kids,Eurosport"},
        {Qt::Key_End, 5, "Sport One,News,sports two,Kids,Eurosport,Movie"},
        {Qt::Key_Up, 4, "Sport One,News,sports two,Kids,Movie,Eurosport"},
    };
    for (const auto& step : steps) {
        QTest::keyClick(list, step.key, Qt::AltModifier);
        EXPECT_EQ(TableNames(), step.table);
        EXPECT_EQ(list->SelectedRows(), std::vector<int>({step.selected}));
    }
    // Scattered rows gather into one block one place up.
    Select({1, 3});
    QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(TableNames(), "News,Kids,Sport One,sports two,Movie,Eurosport");
    EXPECT_EQ(list->SelectedRows(), std::vector<int>({0, 1}));
    EXPECT_TRUE(app->Document().IsModified());
}

TEST_F(ChannelPaneTest, KeysEditTheSelectionInOneStepEach)
{
    CEditZarnDoc& doc = app->Document();
    ASSERT_TRUE(doc.ApplyEdit("Setup", [](Database& db) {
        return AddChannelsToFavGroup(db, false, 2, std::vector<int>{3, 5}).iChanged == 2;
    }));
    const char* const pStart = "Sport One,News,sports two*,Kids* 3,Eurosport,Movie 3";
    // Each toggle once each way. A name the checks refuse shows why, keeps
    // the editor open and stores nothing.
    struct Case {
        int group; // the group's list, or -1 for all channels
        std::vector<int> rows;
        const char* pKey;
        const char* pTyped; // into the name editor, then Enter
        const char* pTable; // TableNames(true) after, or null: refused
        const char* pStep;
    };
    const Case cases[] = {
        {-1, {0, 2}, "Space", nullptr, "Sport One*,News,sports two*,Kids* 3,Eurosport,Movie 3", "Lock Channels"},
        {-1, {2, 3}, "Space", nullptr, "Sport One,News,sports two,Kids 3,Eurosport,Movie 3", "Unlock Channels"},
        {-1, {1, 3}, "Ctrl+8", nullptr, "Sport One,News 8,sports two*,Kids* 3 8,Eurosport,Movie 3", "Add to FAV 8"},
        {-1, {3, 5}, "Ctrl+3", nullptr, "Sport One,News,sports two*,Kids*,Eurosport,Movie", "Remove from FAV 3"},
        {-1, {0, 1}, "F2", "Cinema 10", "Sport One,Cinema 10,sports two*,Kids* 3,Eurosport,Movie 3", "Rename Channel"},
        {-1, {1}, "F2", "News \u03a9", nullptr, nullptr},
        {-1, {1}, "F2", "News", pStart, nullptr}, // the same name again: no step
        {2, {0}, "Delete", nullptr, "Sport One,News,sports two*,Kids*,Eurosport,Movie 3", "Remove from Group"},
    };
    CLeftView* tree = frame->LeftView();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pKey);
        tree->setCurrentItem(c.group < 0 ? tree->Root(kRootChannelList) : tree->Root(kRootFavList)->child(c.group));
        Select(c.rows);
        list->selectionModel()->setCurrentIndex(list->model()->index(c.rows.back(), 0), QItemSelectionModel::NoUpdate);
        EXPECT_EQ(CountText("selectionCount"), QString(c.rows.size() > 1 ? "2 selected" : ""));
        list->setFocus();
        const size_t messages = prompts.Messages().size();
        QTest::keySequence(list, QKeySequence(c.pKey));
        if (c.pTyped) {
            auto* pEditor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            ASSERT_TRUE(pEditor);
            EXPECT_EQ(list->currentIndex().column(), kColumnName);
            pEditor->setText(QString::fromUtf8(c.pTyped));
            if (!c.pTable)
                prompts.QueueAnswer(MsgAnswer::Ok);
            QTest::keyClick(pEditor, Qt::Key_Return);
            QCoreApplication::processEvents(); // the editor stores and closes when the key is done
            EXPECT_EQ(QApplication::focusWidget() == pEditor, !c.pTable);
            if (!c.pTable)
                QTest::keyClick(pEditor, Qt::Key_Escape);
        }
        EXPECT_EQ(prompts.Messages().size(), messages + (c.pTable ? 0 : 1));
        EXPECT_EQ(TableNames(true), c.pTable ? c.pTable : pStart);
        EXPECT_EQ(doc.UndoText(), QString("Undo ") + (c.pStep ? c.pStep : "Setup"));
        if (c.pStep)
            doc.Undo();
    }
    EXPECT_TRUE(dialogInputs.empty()); // Enter in the name editor is no Edit Channel
    Select({0, 1});
    tree->setCurrentItem(tree->Root(kRootChannelList)); // a refill selects nothing
    EXPECT_EQ(CountText("selectionCount"), "");

    // Tab and Shift+Tab go round the panes and the filter bar, never between cells.
    const std::vector<QWidget*> round = {
        tree, pane->FilterBox(), pane->FtaOnly(), pane->CasOnly(), pane->LockedOnly(), list, tree};
    tree->setFocus();
    for (size_t i = 1; i < round.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), round[i]);
    }
    for (size_t i = 5; i >= 4; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), round[i]);
    }
}

TEST_F(ChannelPaneTest, RowsDroppedOnAGroupNodeJoinTheGroup)
{
    CLeftView* tree = frame->LeftView();
    tree->Root(kRootFavList)->setExpanded(true);
    Select({1, 4});
    std::unique_ptr<QMimeData> rows(list->model()->mimeData({}));
    QMimeData elsewhere; // rows of the same list in another running program
    elsewhere.setData(kChannelRowsMimeType, "1:" + rows->data(kChannelRowsMimeType).split(':').last());
    const auto dropOn = [&](const QTreeWidgetItem* pNode, const QMimeData& mime) {
        const QPoint pos = tree->visualItemRect(pNode).center();
        QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(tree->viewport(), &enter);
        QDragMoveEvent move(pos, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(tree->viewport(), &move);
        QDropEvent drop(pos, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(tree->viewport(), &drop);
        return move.isAccepted() && drop.isAccepted();
    };
    EXPECT_FALSE(dropOn(tree->Root(kRootFavList), *rows));
    EXPECT_FALSE(dropOn(tree->Root(kRootFavList)->child(4), elsewhere));
    EXPECT_FALSE(app->Document().IsModified());
    EXPECT_TRUE(dropOn(tree->Root(kRootFavList)->child(4), *rows));
    EXPECT_EQ(TableNames(true), "Sport One,News 5,sports two*,Kids*,Eurosport 5,Movie");
    EXPECT_EQ(app->Document().UndoText(), "Undo Add to FAV 5");
    EXPECT_EQ(list->SelectedRows(), std::vector<int>({1, 4}));
}

// The list's own drop handling: a drop takes no part in a drag that the
// offscreen platform could run, so the view gets the event directly.
class DropProbe : public CEditZarnView {
public:
    using CEditZarnView::CEditZarnView;
    using CEditZarnView::dropEvent;
};

TEST_F(ChannelPaneTest, DroppedRowsMoveBetweenTheRowsAndStaySelected)
{
    DropProbe probe(app->Document());
    probe.resize(600, 300);
    probe.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&probe));
    probe.ShowListKind(kListAll);
    list = &probe;
    Select({0, 1, 2});
    const QRect row4 = probe.visualRect(probe.model()->index(4, 1));
    std::unique_ptr<QMimeData> data(probe.model()->mimeData(probe.selectionModel()->selectedIndexes()));
    const auto drop = [&](const QMimeData& mime, QPoint pos) {
        QDropEvent event(pos, Qt::MoveAction, &mime, Qt::LeftButton, {});
        probe.dropEvent(&event);
        return event.isAccepted();
    };
    EXPECT_FALSE(drop(QMimeData(), row4.center() + QPoint(0, 2))); // not rows of this list
    EXPECT_EQ(TableNames(), "Sport One,News,sports two,Kids,Eurosport,Movie");
    EXPECT_TRUE(drop(*data, row4.center() + QPoint(0, 2))); // lower half of row 4: below it
    EXPECT_EQ(TableNames(), "Kids,Eurosport,Sport One,News,sports two,Movie");
    EXPECT_EQ(probe.SelectedRows(), std::vector<int>({2, 3, 4}));
}

TEST_F(ChannelPaneTest, LayoutIsKeptAcrossRefillsAndRuns)
{
    EXPECT_GE(list->columnWidth(kColumnName), list->fontMetrics().horizontalAdvance("Radio Classic Channel 24"));
    list->setColumnWidth(kColumnName, 231);
    list->SetShownColumns({kColumnName, kColumnSatellite});
    frame->Action(ID_VIEW_RADIO)->trigger();
    EXPECT_EQ(list->columnWidth(kColumnName), 231);
    frame->resize(712, 533);
    frame->Splitter()->setSizes({250, 462});
    const QList<int> splitterSizes = frame->Splitter()->sizes();
    app->ExitInstance();

    CEditZarnApp next(*settings, &prompts);
    next.InitInstance();
    EXPECT_EQ(next.MainFrame()->size(), QSize(712, 533));
    EXPECT_EQ(next.MainFrame()->Splitter()->sizes(), splitterSizes);
    EXPECT_EQ(next.MainFrame()->ListView()->columnWidth(kColumnName), 231);
    EXPECT_EQ(next.MainFrame()->ListView()->ShownColumns(), QList<int>({kColumnName, kColumnSatellite}));

    // Settings that make no sense leave the built layout.
    settings->beginGroup(kLayoutGroup);
    settings->setValue("Geometry", QByteArray("junk"));
    settings->setValue("Splitter", 17);
    settings->setValue("ColumnWidths", QVariantList{"wide", -5, 1 << 30});
    settings->setValue("ShownColumns", QVariantList{"none", 13});
    settings->endGroup();
    CEditZarnApp broken(*settings, &prompts);
    broken.InitInstance();
    EXPECT_EQ(broken.MainFrame()->ListView()->ShownColumns().size(), kChannelColumnCount);
    EXPECT_EQ(broken.MainFrame()->ListView()->columnWidth(kColumnIndex), 45);
    EXPECT_EQ(broken.MainFrame()->ListView()->columnWidth(kColumnCas), 55);
}

} // namespace

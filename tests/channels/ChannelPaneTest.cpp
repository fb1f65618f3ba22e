// The filter bar, moving rows and the list's keys in the main window: the
// commands on a filtered list hit the right records, rows move by keys and by
// a drop, and the layout survives a restart.
#include "BitFields.h"
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
#include "WindowLayout.h"

#include <QCheckBox>
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
    QString TableNames()
    {
        QStringList names;
        const Database& db = app->Document().Data();
        for (int i = 0; i < db.header.sTVNumber; ++i)
            names << QString::fromLatin1(FieldText(db.TvChannelTable[size_t(i)].acName));
        return names.join(",");
    }
    void Select(std::initializer_list<int> rows)
    {
        list->clearSelection();
        for (int row : rows)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QString CountText() const
    {
        const auto* pCount = frame->statusBar()->findChild<QLabel*>("filterCount");
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

    // Settings that make no sense leave the built layout.
    settings->beginGroup(kLayoutGroup);
    settings->setValue("Geometry", QByteArray("junk"));
    settings->setValue("Splitter", 17);
    settings->setValue("ColumnWidths", QVariantList{"wide", -5, 1 << 30});
    settings->endGroup();
    CEditZarnApp broken(*settings, &prompts);
    broken.InitInstance();
    EXPECT_EQ(broken.MainFrame()->ListView()->columnWidth(kColumnIndex), 45);
    EXPECT_EQ(broken.MainFrame()->ListView()->columnWidth(kColumnCas), 55);
}

} // namespace

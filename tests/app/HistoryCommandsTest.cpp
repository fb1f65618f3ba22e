// Edit > Undo and Edit > Redo in the main window on the demo database: the
// menu texts, the keys from either pane, the modified mark, the views going
// back to where the user was, and a focused line edit keeping Ctrl+Z.
#include "CChannelParamDlg.h"
#include "CEditZarnDoc.h"
#include "CEditZarnView.h"
#include "CLeftView.h"
#include "CModifiedTpDlg.h"
#include "CommandIds.h"
#include "ListKind.h"
#include "MainWindowFixture.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>

namespace {

// Presses OK in a dialog with its fields as they were filled.
int PressOk(QDialog& dialog)
{
    if (auto* pButtons = dialog.findChild<QDialogButtonBox*>())
        emit pButtons->accepted();
    else
        dialog.accept();
    return dialog.result();
}

class HistoryCommandsTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        OpenDemoDatabase();
        tree = frame->LeftView();
        list = frame->ListView();
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        tree->setFocus();
        tree->setCurrentItem(tree->Root(kRootChannelList));
        original = std::make_unique<Database>(Doc().Data());
    }

    CEditZarnDoc& Doc() { return app->Document(); }
    QAction* Action(int id) { return frame->Action(id); }
    void ExpectMenu(const QString& undo, const QString& redo)
    {
        EXPECT_EQ(Action(ID_EDIT_UNDO)->text(), undo);
        EXPECT_EQ(Action(ID_EDIT_UNDO)->isEnabled(), undo != "Undo");
        EXPECT_EQ(Action(ID_EDIT_REDO)->text(), redo);
        EXPECT_EQ(Action(ID_EDIT_REDO)->isEnabled(), redo != "Redo");
    }

    CLeftView* tree = nullptr;
    CEditZarnView* list = nullptr;
    std::unique_ptr<Database> original;
};

TEST_F(HistoryCommandsTest, UndoAndRedoRestoreTheDatabaseTheMarkAndTheSelection)
{
    ExpectMenu("Undo", "Redo");
    list->setFocus();
    for (int row : {2, 3, 4})
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    prompts.QueueAnswer(MsgAnswer::Yes);
    Action(ID_CHANNEL_DELETE)->trigger();
    const auto deleted = std::make_unique<Database>(Doc().Data());
    EXPECT_EQ(deleted->header.sTVNumber, original->header.sTVNumber - 3);
    EXPECT_TRUE(Doc().IsModified());
    ExpectMenu("Undo Delete 3 Channels", "Redo");

    // Ctrl+Z from the tree pane: the channels are back, selected, and the
    // document is as it was opened.
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier);
    ExpectSameDatabase(Doc().Data(), *original);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(list->SelectedRows(), (std::vector<int>{2, 3, 4}));
    ExpectMenu("Undo", "Redo Delete 3 Channels");

    QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    ExpectSameDatabase(Doc().Data(), *deleted);
    EXPECT_TRUE(Doc().IsModified());
    Action(ID_EDIT_UNDO)->trigger();
    QTest::keyClick(list, Qt::Key_Y, Qt::ControlModifier);
    ExpectSameDatabase(Doc().Data(), *deleted);

    // Saved here: undoing leaves the saved state, redoing comes back to it.
    Action(ID_FILE_SAVE)->trigger();
    EXPECT_FALSE(Doc().IsModified());
    Action(ID_EDIT_UNDO)->trigger();
    EXPECT_TRUE(Doc().IsModified());
    Action(ID_EDIT_REDO)->trigger();
    EXPECT_FALSE(Doc().IsModified());

    // Close starts a new history.
    Action(ID_FILE_CLOSE)->trigger();
    ExpectMenu("Undo", "Redo");
}

TEST_F(HistoryCommandsTest, UndoingATreeCommandRebuildsTheTreeAndSelectsTheNodeAgain)
{
    QTreeWidgetItem* pSatellites = tree->Root(kRootSatellite);
    const int satellites = pSatellites->childCount();
    ASSERT_GT(satellites, 1);
    tree->setCurrentItem(pSatellites->child(1));
    prompts.QueueAnswer(MsgAnswer::Yes);
    tree->OnDeleteAntenna();
    EXPECT_EQ(tree->Root(kRootSatellite)->childCount(), satellites - 1);
    tree->Root(kRootSatellite)->child(0)->setExpanded(true);
    ExpectMenu("Undo Delete Satellite", "Redo");

    Action(ID_EDIT_UNDO)->trigger();
    ExpectSameDatabase(Doc().Data(), *original);
    pSatellites = tree->Root(kRootSatellite);
    EXPECT_EQ(pSatellites->childCount(), satellites);
    EXPECT_EQ(tree->CurrentPath(), (std::vector<int>{kRootSatellite, 1}));
    EXPECT_TRUE(pSatellites->child(0)->isExpanded()); // open nodes stay open
    EXPECT_EQ(Doc().SelectedSatellite, 1);
    EXPECT_EQ(list->iListKind, kListSatellite);
}

TEST_F(HistoryCommandsTest, ModifiedTpSessionIsOneStepEvenWhenCancelled)
{
    tree->setCurrentItem(tree->Root(kRootSatellite)->child(0));
    tree->fnRunDialog = [](QDialog& dialog) {
        if (auto* pSession = dynamic_cast<CModifiedTpDlg*>(&dialog)) {
            for (int deletes = 0; deletes < 2; ++deletes) {
                pSession->pList->item(0)->setSelected(true);
                pSession->OnDel();
            }
        }
        return int(QDialog::Rejected);
    };
    tree->OnModifyTransponders();
    EXPECT_EQ(Doc().Data().header.sTpNumber, original->header.sTpNumber - 2);
    ExpectMenu("Undo Modify Transponders", "Redo");
    Action(ID_EDIT_UNDO)->trigger();
    ExpectSameDatabase(Doc().Data(), *original);
    ExpectMenu("Undo", "Redo Modify Transponders");
}

// A command that changes nothing leaves no step and no modified mark, and
// Redo keeps what it would bring back: a sort of a sorted list, and OK in
// the dialogs on the demo's own records.
TEST_F(HistoryCommandsTest, CommandsThatChangeNothingLeaveNoStep)
{
    list->fnChannelDialog = [this](const ChannelDialogInput& input) -> std::optional<ChannelRecord> {
        CChannelParamDlg dialog(Doc().Data(), prompts, input, list);
        dialog.OnOK();
        return dialog.result() == QDialog::Accepted ? std::optional(dialog.Record()) : std::nullopt;
    };
    tree->fnRunDialog = PressOk;
    list->setFocus();
    Action(ID_SORT_AZ)->trigger();
    Action(ID_FILE_SAVE)->trigger();
    list->selectRow(0);
    prompts.QueueAnswer(MsgAnswer::Yes);
    Action(ID_CHANNEL_DELETE)->trigger();
    Action(ID_EDIT_UNDO)->trigger();
    const auto saved = std::make_unique<Database>(Doc().Data());
    const size_t shown = prompts.Messages().size();

    QTreeWidgetItem* pSatellite = tree->Root(kRootSatellite)->child(0);
    const auto onRow = [this](int id) {
        return [this, id] {
            tree->setCurrentItem(tree->Root(kRootChannelList));
            list->selectRow(3);
            list->RunCommand(id);
        };
    };
    const auto onNode = [this](QTreeWidgetItem* pNode, void (CLeftView::*command)()) {
        return [this, pNode, command] {
            tree->setCurrentItem(pNode);
            (tree->*command)();
        };
    };
    const struct {
        const char* pWhat;
        std::function<void()> run;
    } cases[] = {
        {"sort of a sorted list", onRow(ID_SORT_AZ)},
        {"channel dialog, OK", onRow(ID_CHANNEL_EDIT)},
        {"satellite dialog, OK", onNode(pSatellite, &CLeftView::OnEditAntenna)},
        {"transponder session, OK", onNode(pSatellite, &CLeftView::OnModifyTransponders)},
    };
    for (const auto& c : cases) {
        c.run();
        ExpectSameDatabase(Doc().Data(), *saved);
        EXPECT_FALSE(Doc().IsModified()) << c.pWhat;
        EXPECT_EQ(Doc().UndoText(), "Undo Sort A to Z") << c.pWhat;
        EXPECT_EQ(Doc().RedoText(), "Redo Delete Channel") << c.pWhat;
    }
    EXPECT_EQ(prompts.Messages().size(), shown);
}

TEST_F(HistoryCommandsTest, FocusedLineEditKeepsCtrlZForItsOwnTyping)
{
    list->setFocus();
    Action(ID_SORT_AZ)->trigger();
    ASSERT_TRUE(Doc().CanUndo());
    const auto sorted = std::make_unique<Database>(Doc().Data());

    auto* pEdit = new QLineEdit;
    frame->statusBar()->addWidget(pEdit);
    pEdit->setFocus();
    QTest::keyClicks(pEdit, "sport");
    QTest::keyClick(pEdit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pEdit->text(), "");
    ExpectSameDatabase(Doc().Data(), *sorted);
    EXPECT_TRUE(Doc().CanUndo());
}

} // namespace

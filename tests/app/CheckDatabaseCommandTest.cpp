// Tools > Check Database on the demo database with debris, through the main
// window: the note after Open, the dialog's rows, a record shown from the
// dialog, Fix Selected as one editing step and Undo back to every byte.
#include "CCheckDatabaseDlg.h"
#include "CEditZarnView.h"
#include "CommandIds.h"
#include "MainWindowFixture.h"

#include <QStatusBar>
#include <QTreeWidget>

namespace {

class CheckDatabaseCommandTest : public MainWindowFixture {};

TEST_F(CheckDatabaseCommandTest, FixSelectedCleansTheDefaultsAsOneStepThatUndoTakesBack)
{
    auto db = MakeEmptyDatabase();
    BuildDemoDatabase(*db, DemoSize::Typical);
    const int tvCount = db->header.sTVNumber;
    AddDemoDebris(*db);
    const QString path = dir.filePath("debris.sdx");
    ASSERT_EQ(SaveDatabaseFile(*db, path), FileSaveResult::Ok);
    CEditZarnDoc& doc = app->Document();
    doc.OpenDocumentFile(path);
    const DatabaseFindings found = CheckDatabase(*db);
    const int orphans = found.Count(CheckKind::OrphanChannels);
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              QString("Check: 30 duplicates, %1 channels without a transponder, 2 stale favourite entries, 1 "
                      "duplicate transponder — Tools ▸ Check Database")
                  .arg(orphans));

    std::vector<int> counts, after;
    bool canFix = false;
    frame->fnRunCheckDialog = [&](QDialog& dialog) {
        auto& check = static_cast<CCheckDatabaseDlg&>(dialog);
        for (int k = 0; k < kCheckKindCount; ++k)
            counts.push_back(check.KindItem(CheckKind(k))->childCount());
        canFix = check.pFix->isEnabled();
        // The first duplicate, in the list of all TV channels.
        emit check.pFindings->itemActivated(check.KindItem(CheckKind::DuplicateChannels)->child(0), 0);
        EXPECT_EQ(frame->ListView()->SelectedRows(), std::vector<int>{0});
        check.OnFixSelected();
        for (int k = 0; k < kCheckKindCount; ++k)
            after.push_back(check.KindItem(CheckKind(k))->childCount());
        EXPECT_FALSE(check.pFix->isEnabled());
        return QDialog::Rejected;
    };
    frame->Action(ID_TOOLS_CHECK_DATABASE)->trigger();
    EXPECT_EQ(counts, (std::vector<int>{30, orphans, 2, 0, 1, 0, 0, 0, 0}));
    EXPECT_TRUE(canFix);
    EXPECT_EQ(after, (std::vector<int>{0, orphans, 0, 0, 0, 0, 0, 0, 0}));

    EXPECT_EQ(doc.Data().header.sTVNumber, tvCount); // one channel of each copied service stays
    EXPECT_EQ(doc.UndoText(), "Undo Clean Database");
    doc.Undo();
    ASSERT_EQ(SaveDatabaseFile(doc.Data(), dir.filePath("undone.sdx")), FileSaveResult::Ok);
    EXPECT_EQ(ReadBytes(dir.filePath("undone.sdx")), ReadBytes(path));
    EXPECT_FALSE(doc.IsModified());
}

} // namespace

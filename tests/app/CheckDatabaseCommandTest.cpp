// Tools > Check Database on the demo database with debris, through the main
// window: the note after Open, the dialog's rows, a record shown from the
// dialog, Fix Selected as one editing step and Undo back to every byte.
#include "CCheckDatabaseDlg.h"
#include "CEditZarnView.h"
#include "CommandIds.h"
#include "MainWindowFixture.h"

#include "BitFields.h"

#include <QFile>
#include <QStatusBar>
#include <QTreeWidget>

namespace {

class CheckDatabaseCommandTest : public MainWindowFixture {};

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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

    // One channel of each copied service stays, with the groups and lock of both.
    const Database& cleaned = doc.Data();
    EXPECT_EQ(cleaned.header.sTVNumber, tvCount);
    for (int i = 0; i < kDemoDebrisDuplicates; ++i) {
        const ChannelRecord& copy = db->TvChannelTable[size_t(tvCount + i)];
        const auto kept = std::find_if(cleaned.TvChannelTable.begin(), cleaned.TvChannelTable.begin() + tvCount,
                                       [&](const ChannelRecord& c) { return ChannelKey(c) == ChannelKey(copy); });
        ASSERT_NE(kept, cleaned.TvChannelTable.begin() + tvCount);
        EXPECT_EQ(kept->usFavBits, copy.usFavBits | db->TvChannelTable[size_t(i)].usFavBits) << i;
        EXPECT_EQ(ChLocked(*kept), ChLocked(copy) | ChLocked(db->TvChannelTable[size_t(i)])) << i;
    }
    EXPECT_EQ(doc.UndoText(), "Undo Clean Database");
    doc.Undo();
    ASSERT_EQ(SaveDatabaseFile(doc.Data(), dir.filePath("undone.sdx")), FileSaveResult::Ok);
    EXPECT_EQ(FileBytes(dir.filePath("undone.sdx")), FileBytes(path));
    EXPECT_FALSE(doc.IsModified());
}

} // namespace

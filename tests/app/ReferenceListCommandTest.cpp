// File > Apply Reference List and Export Reference List, end to end through
// the main window: file dialog, summary dialog, one editing step, the tree
// and list refreshed; an unreadable reference changes nothing.
#include "CEditZarnDoc.h"
#include "CEditZarnView.h"
#include "CReferenceDlg.h"
#include "CommandIds.h"
#include "DemoDatabase.h"
#include "FileAccess.h"
#include "ListKind.h"
#include "MainWindowFixture.h"
#include "ReferenceFile.h"
#include "ReferenceListCommands.h"

#include "BitFields.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>

#include <algorithm>

namespace {

class ReferenceListCommandTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        auto db = std::make_unique<Database>();
        BuildDemoDatabase(*db, DemoSize::Typical);
        // The rescan: the first TV channel gone.
        auto scan = std::make_unique<Database>(*db);
        lost = scan->TvChannelTable[0];
        std::copy(scan->TvChannelTable.begin() + 1, scan->TvChannelTable.begin() + scan->header.sTVNumber--,
                  scan->TvChannelTable.begin());
        ASSERT_EQ(SaveDatabaseFile(*scan, dir.filePath("scan.sdx")), FileSaveResult::Ok);
        // The arranged list: the TV channels backwards, the new first one locked.
        std::reverse(db->TvChannelTable.begin(), db->TvChannelTable.begin() + db->header.sTVNumber);
        SetChLocked(db->TvChannelTable[0], 1);
        ASSERT_EQ(SaveDatabaseFile(*db, dir.filePath("arranged.sdx")), FileSaveResult::Ok);
        arranged = std::move(db);
        prompts.QueueFile(dir.filePath("scan.sdx"));
        frame->Action(ID_FILE_OPEN)->trigger();
        ASSERT_EQ(Doc().bDataLoaded, 1);
    }

    CEditZarnDoc& Doc() { return app->Document(); }

    // The TV table as (service id, transponder id) keys.
    static std::vector<uint32_t> TvKeys(const Database& db)
    {
        std::vector<uint32_t> keys;
        for (int i = 0; i < db.header.sTVNumber; ++i)
            keys.push_back(ChannelKey(db.TvChannelTable[size_t(i)]));
        return keys;
    }

    std::unique_ptr<Database> arranged;
    ChannelRecord lost; // the arranged channel the rescan did not find
};

TEST_F(ReferenceListCommandTest, AppliesTheChosenListAsOneStepAndShowsAllChannels)
{
    ASSERT_EQ(QString(), ExportReferenceFile(*arranged, dir.filePath("ref.csv")));
    frame->ListView()->RefreshChannelList(1);
    QString summary, details;
    bool defaults = false;
    frame->ReferenceCommands().fnRunDialog = [&](QDialog& dialog) {
        auto& reference = static_cast<CReferenceDlg&>(dialog);
        summary = reference.pSummary->text();
        defaults =
            reference.pFavourites->isChecked() && reference.pLocks->isChecked() && !reference.pNames->isChecked();
        reference.pDetailsButton->click();
        details = reference.pDetails->isHidden() ? QString() : reference.pDetails->toPlainText();
        reference.OnOK();
        return reference.result();
    };
    prompts.QueueCancel();
    frame->Action(ID_FILE_APPLY_REFERENCE)->trigger();
    EXPECT_FALSE(Doc().IsModified());

    prompts.QueueFile(dir.filePath("ref.csv"));
    frame->Action(ID_FILE_APPLY_REFERENCE)->trigger();
    EXPECT_TRUE(defaults);
    EXPECT_TRUE(summary.contains("1 reference channels not found")) << summary.toStdString();
    EXPECT_TRUE(details.contains(QString::fromLatin1(lost.acName))) << details.toStdString();
    // The arranged order; the lost channel was last.
    std::vector<uint32_t> expected = TvKeys(*arranged);
    expected.pop_back();
    EXPECT_EQ(TvKeys(Doc().Data()), expected);
    EXPECT_EQ(ChLocked(Doc().Data().TvChannelTable[0]), 1u);
    EXPECT_EQ(frame->ListView()->iListKind, kListAll);
    EXPECT_EQ(frame->ListView()->iRowCount, Doc().Data().header.sRadioNumber);

    // One step: Undo gives back the rescan as it was opened.
    EXPECT_TRUE(Doc().IsModified());
    frame->Action(ID_EDIT_UNDO)->trigger();
    auto scan = std::make_unique<Database>();
    ASSERT_EQ(LoadDatabaseFile(*scan, dir.filePath("scan.sdx")), LoadResult::Ok);
    ExpectSameDatabase(Doc().Data(), *scan);
    EXPECT_FALSE(Doc().IsModified());

    prompts.QueueFile(dir.filePath("mine.csv"));
    frame->Action(ID_FILE_EXPORT_REFERENCE)->trigger();
    const std::vector<AskedFileDialog> asked = {
        {AskedDialog::Open, "Select File", kFilterOpen},
        {AskedDialog::Open, "Apply Reference List", kFilterReference},
        {AskedDialog::Open, "Apply Reference List", kFilterReference},
        {AskedDialog::Save, "Export Reference List", kFilterReferenceCsv},
    };
    EXPECT_EQ(prompts.FileDialogs(), asked);
}

TEST_F(ReferenceListCommandTest, UnreadableReferencesAreRefusedWithTheOpenMessagesAndChangeNothing)
{
    QFile bad(dir.filePath("bad.csv"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(kReferenceCsvHeader) + "\nTV,S,S,19.2E,11494,H,1,x,0,\nTV,S,S,19.2E,11494,X,1,x,0,\n");
    bad.close();
    QFile junk(dir.filePath("junk.sdx"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(300, 'j'));
    junk.close();
    frame->ReferenceCommands().fnRunDialog = [](QDialog&) -> int {
        ADD_FAILURE() << "no summary for an unreadable reference";
        return QDialog::Rejected;
    };
    const std::vector<uint32_t> before = TvKeys(Doc().Data());
    for (const char* name : {"missing.sdx", "junk.sdx", "bad.csv"}) {
        prompts.QueueFile(dir.filePath(name));
        prompts.QueueAnswer(MsgAnswer::Ok);
        frame->Action(ID_FILE_APPLY_REFERENCE)->trigger();
    }
    const std::vector<ShownMessage> expected = {
        {kMsgCannotOpen, "EditZarn", MsgButtons::Ok, MsgIcon::None},
        {kMsgNotCorrect, "EditZarn", MsgButtons::Ok, MsgIcon::Stop},
        {kMsgNotCorrect, "EditZarn", MsgButtons::Ok, MsgIcon::Stop},
    };
    EXPECT_EQ(prompts.MessagesWithoutReasons(), expected);
    EXPECT_EQ(prompts.Messages().back().strInformative, "Line 3: the polarisation is not H, V, 2 or 3");
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(TvKeys(Doc().Data()), before);
}

// The question is about the name that is written (".csv" added), and a
// failure says why.
TEST_F(ReferenceListCommandTest, ExportAsksAboutTheFinalNameAndTellsWhyItFailed)
{
    for (const char* name : {"mine.csv", "ro.csv"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
    }
    ASSERT_TRUE(QFile::setPermissions(dir.filePath("ro.csv"), QFileDevice::ReadOwner));
    const ShownMessage replace{"mine.csv already exists.\nDo you want to replace it?", "EditZarn",
                               MsgButtons::YesNoDefaultNo, MsgIcon::Warning};
    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        prompts.QueueFile(dir.filePath("mine"));
        prompts.QueueAnswer(answer);
        frame->Action(ID_FILE_EXPORT_REFERENCE)->trigger();
        EXPECT_EQ(ReadBytes(dir.filePath("mine.csv")).toStdString(),
                  answer == MsgAnswer::Yes ? WriteReferenceCsv(Doc().Data()) : "old");
    }
    prompts.QueueFile(dir.filePath("ro.csv"));
    prompts.QueueAnswer(MsgAnswer::Ok);
    frame->Action(ID_FILE_EXPORT_REFERENCE)->trigger();
    EXPECT_EQ(ReadBytes(dir.filePath("ro.csv")), "old");
    const std::vector<ShownMessage> expected = {
        replace,
        replace,
        {kMsgCannotSaveAs, "EditZarn", MsgButtons::Ok, MsgIcon::None, dir.filePath("ro.csv") + " is read-only."},
    };
    EXPECT_EQ(prompts.Messages(), expected);
}

} // namespace

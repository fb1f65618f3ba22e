#include "CEditZarnDoc.h"

#include "DatabaseBuilders.h"
#include "DemoDatabase.h"
#include "FileAccess.h"
#include "ScriptedPrompts.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const ShownMessage kCannotOpen{"Can't not open the file!", "EditZarn", MsgButtons::Ok, MsgIcon::None};
const ShownMessage kNotCorrect{"This file is not a correct file,please select another!", "EditZarn", MsgButtons::Ok,
                               MsgIcon::Stop};
const ShownMessage kCannotSave{"Can not save file!", "EditZarn", MsgButtons::Ok, MsgIcon::Stop};
const ShownMessage kCannotSaveAs{"Can't not save the file\n", "EditZarn", MsgButtons::Ok, MsgIcon::None};
const ShownMessage kSaveChanges{"Do you want to save changed data ?", "EditZarn", MsgButtons::YesNoCancel,
                                MsgIcon::Question};

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DocumentTest : public ::testing::Test {
protected:
    QString PathOf(const QString& name) const { return dir.filePath(name); }

    // Writes the demo database to name and returns its path.
    QString WriteDemo(const QString& name)
    {
        auto db = std::make_unique<Database>();
        BuildDemoDatabase(*db, DemoSize::Typical);
        const QString path = PathOf(name);
        EXPECT_EQ(FileSaveResult::Ok, SaveDatabaseFile(*db, path));
        return path;
    }

    void OpenDemo()
    {
        prompts.QueueFile(WriteDemo("demo.sdx"));
        doc.OnFileOpen();
        ASSERT_EQ(1, doc.bDataLoaded);
    }

    // Makes a change the way an editing command does: the first channel's
    // video PID becomes 4321 (4322 when it is 4321 already).
    void Edit()
    {
        doc.ApplyEdit("Edit", [](Database& db) {
            int16_t& pid = db.TvChannelTable[0].sVideoPid;
            pid = pid == 4321 ? 4322 : 4321;
            return true;
        });
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    CEditZarnDoc doc{prompts};
};

TEST_F(DocumentTest, NewNamesTheFileAndWritesAnEmptyDatabaseWhereNoneExists)
{
    struct Case {
        QString chosen;
        QString created;
    };
    const Case cases[] = {
        {"list", "list.sdx"},       {"list.Sdx", "list.Sdx.sdx"}, {"dump.bin", "dump.bin.sdx"},
        {"upper.SDX", "upper.SDX"}, {"plain.sdx", "plain.sdx"},
    };
    for (const Case& c : cases) {
        ScriptedPrompts ask;
        CEditZarnDoc fresh(ask);
        QSignalSpy opened(&fresh, &CEditZarnDoc::DatabaseOpened);
        ask.QueueFile(PathOf(c.chosen), 2);
        fresh.OnFileNew();
        const QString expected = PathOf(c.created);
        EXPECT_EQ(expected, fresh.strFilePath) << c.chosen.toStdString();
        EXPECT_EQ(kTitleText + expected, fresh.WindowTitle());
        EXPECT_EQ(1, fresh.bDataLoaded);
        EXPECT_FALSE(fresh.IsModified());
        EXPECT_EQ(1, opened.count());
        EXPECT_EQ((std::vector<AskedFileDialog>{{AskedDialog::Save, "New File", kFilterNew}}), ask.FileDialogs());

        auto reread = std::make_unique<Database>();
        EXPECT_EQ(LoadResult::Ok, LoadDatabaseFile(*reread, expected)) << c.created.toStdString();
        EXPECT_EQ(0, reread->header.sTVNumber);
    }
}

TEST_F(DocumentTest, NewLeavesAnExistingFileAsItIsUntilSaved)
{
    const QString path = WriteDemo("keep.sdx");
    const QByteArray before = ReadBytes(path);
    // Taking over an existing name is asked first (by the dialog for the
    // name chosen, here for the name with ".sdx" appended); No leaves everything.
    const ShownMessage replace{"keep.sdx already exists.\nDo you want to replace it?", "EditZarn",
                               MsgButtons::YesNoDefaultNo, MsgIcon::Warning};
    prompts.QueueFile(PathOf("keep"));
    prompts.QueueAnswer(MsgAnswer::No);
    doc.OnFileNew();
    EXPECT_EQ(0, doc.bDataLoaded);
    prompts.QueueFile(PathOf("keep"));
    prompts.QueueAnswer(MsgAnswer::Yes);
    doc.OnFileNew();
    EXPECT_EQ((std::vector<ShownMessage>{replace, replace}), prompts.Messages());
    EXPECT_EQ(before, ReadBytes(path));
    EXPECT_EQ(0, doc.Data().header.sTVNumber);
    // The name shows a database the disk does not hold yet: Save writes it.
    EXPECT_TRUE(doc.IsModified());
    doc.OnFileSave();
    auto reread = std::make_unique<Database>();
    ASSERT_EQ(LoadResult::Ok, LoadDatabaseFile(*reread, path));
    EXPECT_EQ(0, reread->header.sSatNumber);
}

TEST_F(DocumentTest, CancelledNewTouchesNothing)
{
    prompts.QueueFile(PathOf("rejected.sdx"));
    prompts.QueueAnswer(MsgAnswer::Ok);
    QFile(PathOf("rejected.sdx")).open(QIODevice::WriteOnly); // an empty, incorrect file
    doc.OnFileOpen();
    ASSERT_EQ(1, int(prompts.Messages().size()));

    QSignalSpy opened(&doc, &CEditZarnDoc::DatabaseOpened);
    prompts.QueueCancel();
    doc.OnFileNew();
    EXPECT_EQ(0, doc.bDataLoaded);
    EXPECT_EQ(0, opened.count());
    EXPECT_EQ(PathOf("rejected.sdx"), doc.strFilePath);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files) == QStringList{"rejected.sdx"});
}

TEST_F(DocumentTest, OpenLoadsTheChosenFile)
{
    QSignalSpy opened(&doc, &CEditZarnDoc::DatabaseOpened);
    QSignalSpy title(&doc, &CEditZarnDoc::TitleChanged);
    OpenDemo();
    EXPECT_EQ(PathOf("demo.sdx"), doc.strFilePath);
    EXPECT_EQ(1, opened.count());
    ASSERT_EQ(1, title.count());
    EXPECT_EQ(kTitleText + PathOf("demo.sdx"), title.at(0).at(0).toString());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_GT(doc.Data().header.sTVNumber, 0);
    EXPECT_TRUE(prompts.Messages().empty());
    EXPECT_EQ((std::vector<AskedFileDialog>{{AskedDialog::Open, "Select File", kFilterOpen}}), prompts.FileDialogs());
}

TEST_F(DocumentTest, OpenFailuresShowTheirMessageAndLeaveNoDatabaseOpen)
{
    QFile(PathOf("empty.sdx")).open(QIODevice::WriteOnly);
    QFile text(PathOf("text.sdx"));
    text.open(QIODevice::WriteOnly);
    text.write(QByteArray(200, 'x'));
    text.close();
    QDir(dir.path()).mkdir("folder.sdx");

    struct Case {
        const char* what;
        QString path; // empty: the dialog is cancelled with no earlier path
        ShownMessage message;
    };
    const Case cases[] = {
        {"missing file", PathOf("missing.sdx"), kCannotOpen},
        {"a folder", PathOf("folder.sdx"), kCannotOpen},
        {"empty file", PathOf("empty.sdx"), kNotCorrect},
        {"not a database", PathOf("text.sdx"), kNotCorrect},
    };
    for (const Case& c : cases) {
        ScriptedPrompts ask;
        CEditZarnDoc fresh(ask);
        QSignalSpy opened(&fresh, &CEditZarnDoc::DatabaseOpened);
        ask.QueueFile(c.path);
        ask.QueueAnswer(MsgAnswer::Ok);
        fresh.OnFileOpen();
        EXPECT_EQ(std::vector<ShownMessage>{c.message}, ask.MessagesWithoutReasons()) << c.what;
        EXPECT_EQ(0, fresh.bDataLoaded) << c.what;
        EXPECT_EQ(0, opened.count()) << c.what;
        EXPECT_EQ(c.path, fresh.strFilePath) << c.what;
    }
}

// A file this user may not write opens for viewing and editing; Save says
// why it cannot write it and offers Save As.
TEST_F(DocumentTest, AReadOnlyFileOpensAndSaveOffersSaveAs)
{
    const QString path = WriteDemo("readonly.sdx");
    const QByteArray before = ReadBytes(path);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    prompts.QueueFile(path);
    doc.OnFileOpen();
    ASSERT_EQ(1, doc.bDataLoaded);
    EXPECT_EQ(kTitleText + path + " (read-only)", doc.WindowTitle());
    Edit();
    prompts.QueueAnswer(MsgAnswer::Yes);
    prompts.QueueFile(PathOf("copy.sdx"));
    doc.OnFileSave();
    const ShownMessage offer{"Can not save file!", "EditZarn", MsgButtons::YesNo, MsgIcon::Stop,
                             path + " is read-only.\nSave the changes under another name?"};
    EXPECT_EQ(std::vector<ShownMessage>{offer}, prompts.Messages());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(kTitleText + PathOf("copy.sdx"), doc.WindowTitle());
    EXPECT_EQ(before, ReadBytes(path));
}

// Bytes of the image that no table holds: the status bar says so after
// Open, and the first save over the file asks with their count.
TEST_F(DocumentTest, BytesNotKeptAreToldAfterOpenAndAskedAboutAtTheFirstSave)
{
    auto db = std::make_unique<Database>();
    BuildDemoDatabase(*db, DemoSize::Typical);
    const int length = BuildImage(*db);
    ASSERT_GT(length, 0);
    std::vector<uint8_t> image(db->PackedImage.begin(), db->PackedImage.begin() + length);
    image.insert(image.end(), 7, 0xA5);
    db->header.iDataLen = int(image.size());
    const std::vector<uint8_t> bytes = MakeFile(db->header, image);
    const QByteArray file(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    const QString path = PathOf("extra.sdx");
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
    out.close();

    QSignalSpy notes(&doc, &CEditZarnDoc::StatusNote);
    prompts.QueueFile(path);
    doc.OnFileOpen();
    ASSERT_EQ(1, notes.count());
    EXPECT_TRUE(notes[0][0].toString().endsWith(": 7.")) << notes[0][0].toString().toStdString();
    Edit();
    prompts.QueueAnswer(MsgAnswer::No);
    doc.OnFileSave();
    EXPECT_EQ(file, ReadBytes(path));
    EXPECT_TRUE(doc.IsModified());
    prompts.QueueAnswer(MsgAnswer::Yes);
    doc.OnFileSave();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(file, ReadBytes(path + ".bak"));
    const std::vector<ShownMessage> asked(2, {"Not everything the file holds is written back. Save it?", "EditZarn",
                                              MsgButtons::YesNo, MsgIcon::Question,
                                              "7 bytes that no table holds are not written; the file as it is now "
                                              "stays as extra.sdx.bak."});
    EXPECT_EQ(asked, prompts.Messages());
    Edit();
    doc.OnFileSave(); // asked once
    EXPECT_EQ(2u, prompts.Messages().size());
}

// A failed Open leaves an open database open with its changes, and a
// closed one's tables as they were.
TEST_F(DocumentTest, AFailedOpenKeepsTheTablesOfTheEarlierDatabase)
{
    OpenDemo();
    Edit();
    QFile text(PathOf("bad.sdx"));
    text.open(QIODevice::WriteOnly);
    text.write(QByteArray(100, 'S'));
    text.close();
    const auto edited = std::make_unique<Database>(doc.Data());
    prompts.QueueAnswer(MsgAnswer::No); // the changes are not saved
    prompts.QueueFile(PathOf("bad.sdx"));
    prompts.QueueAnswer(MsgAnswer::Ok);
    doc.OnFileOpen();
    EXPECT_EQ(std::make_tuple(1, PathOf("demo.sdx"), true),
              std::make_tuple(doc.bDataLoaded, doc.strFilePath, doc.IsModified()));
    ExpectSameDatabase(doc.Data(), *edited);

    prompts.QueueAnswer(MsgAnswer::No);
    doc.OnFileClose();
    const auto closed = std::make_unique<Database>(doc.Data());
    prompts.QueueFile(PathOf("bad.sdx"));
    prompts.QueueAnswer(MsgAnswer::Ok);
    doc.OnFileOpen();
    ExpectSameDatabase(doc.Data(), *closed);
}

TEST_F(DocumentTest, SaveWritesOnlyAModifiedDatabase)
{
    OpenDemo();
    const QByteArray before = ReadBytes(doc.strFilePath);
    QFile::remove(doc.strFilePath);
    doc.OnFileSave();
    EXPECT_FALSE(QFile::exists(doc.strFilePath)) << "an unmodified database is not written";

    Edit();
    doc.OnFileSave();
    EXPECT_FALSE(doc.IsModified());
    auto reread = std::make_unique<Database>();
    ASSERT_EQ(LoadResult::Ok, LoadDatabaseFile(*reread, doc.strFilePath));
    EXPECT_EQ(4321, reread->TvChannelTable[0].sVideoPid);
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(DocumentTest, AFailedSaveKeepsTheModifiedMarkAndTheFile)
{
    OpenDemo();
    Edit();
    doc.strFilePath = PathOf("no-such-folder/demo.sdx");
    prompts.QueueAnswer(MsgAnswer::Ok);
    doc.OnFileSave();
    EXPECT_EQ(std::vector<ShownMessage>{kCannotSave}, prompts.MessagesWithoutReasons());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentTest, SaveAsNamesTheTargetAndTakesItAsThePath)
{
    struct Case {
        QString chosen;
        int filter;
        QString written;
    };
    const Case cases[] = {
        {"copy", 1, "copy.sdx"},
        {"a.sdx.bak", 1, "a.sdx.bak"},
        {"B.SDX", 3, "B.SDX"},
        {"any", 3, "any.sdx"},
    };
    OpenDemo();
    for (const Case& c : cases) {
        prompts.QueueFile(PathOf(c.chosen), c.filter);
        doc.OnFileSaveAs(); // runs whether or not the database is modified
        const QString expected = PathOf(c.written);
        EXPECT_EQ(expected, doc.strFilePath) << c.chosen.toStdString();
        EXPECT_EQ(kTitleText + expected, doc.WindowTitle());
        auto reread = std::make_unique<Database>();
        EXPECT_EQ(LoadResult::Ok, LoadDatabaseFile(*reread, expected)) << c.chosen.toStdString();
    }
    EXPECT_TRUE(prompts.Messages().empty());
    EXPECT_EQ(AskedFileDialog({AskedDialog::Save, "Select File", kFilterSaveAs}), prompts.FileDialogs().back());
}

TEST_F(DocumentTest, SaveAsClearsTheModifiedMarkOnlyWhenWritten)
{
    OpenDemo();
    Edit();
    prompts.QueueFile(PathOf("missing-folder/x.sdx"));
    prompts.QueueAnswer(MsgAnswer::Ok);
    doc.OnFileSaveAs();
    EXPECT_EQ(std::vector<ShownMessage>{kCannotSaveAs}, prompts.MessagesWithoutReasons());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(PathOf("demo.sdx"), doc.strFilePath);

    prompts.QueueFile(PathOf("copy.sdx"));
    doc.OnFileSaveAs();
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentTest, CancelledSaveAsWritesNothing)
{
    OpenDemo();
    Edit();
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    const QString cwdFile = QDir::current().filePath(".sdx");
    prompts.QueueCancel();
    doc.OnFileSaveAs();
    EXPECT_EQ(before, QDir(dir.path()).entryList(QDir::Files));
    EXPECT_FALSE(QFile::exists(cwdFile));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(PathOf("demo.sdx"), doc.strFilePath);
}

TEST_F(DocumentTest, SaveAsWithTheSpreadsheetFilterHandsOverToTheExport)
{
    OpenDemo();
    Edit();
    QSignalSpy exported(&doc, &CEditZarnDoc::SpreadsheetExportRequested);
    prompts.QueueFile(PathOf("channels.xls"), kExcelFilterIndex);
    doc.OnFileSaveAs();
    ASSERT_EQ(1, exported.count());
    EXPECT_EQ(PathOf("channels.xls"), exported.at(0).at(0).toString());
    EXPECT_FALSE(QFile::exists(PathOf("channels.xls.sdx")));
    EXPECT_EQ(PathOf("demo.sdx"), doc.strFilePath);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentTest, CloseAsksOnlyWhenModifiedAndSavesOnYes)
{
    struct Case {
        const char* what;
        bool modified;
        std::optional<MsgAnswer> answer;
        bool saved;
    };
    const Case cases[] = {
        {"unmodified", false, std::nullopt, false},
        {"modified, No", true, MsgAnswer::No, false},
        {"modified, Yes", true, MsgAnswer::Yes, true},
    };
    for (const Case& c : cases) {
        ScriptedPrompts ask;
        CEditZarnDoc fresh(ask);
        const QString path = WriteDemo("close.sdx");
        ask.QueueFile(path);
        fresh.OnFileOpen();
        if (c.modified) {
            fresh.Data().TvChannelTable[0].sVideoPid = 4321;
            fresh.SetModifiedFlag();
        }
        if (c.answer)
            ask.QueueAnswer(*c.answer);
        QSignalSpy closed(&fresh, &CEditZarnDoc::DatabaseClosed);
        fresh.OnFileClose();

        EXPECT_EQ(c.modified ? std::vector<ShownMessage>{kSaveChanges} : std::vector<ShownMessage>{}, ask.Messages())
            << c.what;
        EXPECT_EQ(0, fresh.bDataLoaded) << c.what;
        EXPECT_EQ(1, closed.count()) << c.what;
        EXPECT_FALSE(fresh.IsModified()) << c.what;
        EXPECT_TRUE(fresh.strFilePath.isEmpty()) << c.what;
        EXPECT_EQ("Pelk_Channel Editor v2.2 ", fresh.WindowTitle()) << c.what;
        auto reread = std::make_unique<Database>();
        ASSERT_EQ(LoadResult::Ok, LoadDatabaseFile(*reread, path));
        EXPECT_EQ(c.saved, reread->TvChannelTable[0].sVideoPid == 4321) << c.what;
    }
}

TEST_F(DocumentTest, CloseKeepsTheDatabaseOpenWhenTheAskedSaveFails)
{
    OpenDemo();
    Edit();
    doc.strFilePath = PathOf("gone/demo.sdx");
    prompts.QueueAnswer(MsgAnswer::Yes);
    prompts.QueueAnswer(MsgAnswer::Ok);
    QSignalSpy closed(&doc, &CEditZarnDoc::DatabaseClosed);
    doc.OnFileClose();
    EXPECT_EQ((std::vector<ShownMessage>{kSaveChanges, kCannotSave}), prompts.MessagesWithoutReasons());
    EXPECT_EQ(1, doc.bDataLoaded);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(0, closed.count());
}

TEST_F(DocumentTest, EditsAreStepsThatUndoAndTheModifiedMarkFollowsThem)
{
    OpenDemo();
    const auto opened = std::make_unique<Database>(doc.Data());
    int applied = 0;
    QObject::connect(&doc, &CEditZarnDoc::HistoryApplied, [&applied](const std::vector<int>&) { ++applied; });

    EXPECT_FALSE(doc.ApplyEdit("Refused", [](Database&) { return false; }));
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());

    // An edit made inside another one is part of the same step.
    EXPECT_TRUE(doc.ApplyEdit("Outer", [this](Database& db) {
        db.TvChannelTable[0].sVideoPid = 4321;
        return doc.ApplyEdit("Inner", [](Database& inner) {
            inner.TvChannelTable[1].sVideoPid = 1234;
            return true;
        });
    }));
    EXPECT_EQ(doc.UndoText(), "Undo Outer");
    EXPECT_EQ(doc.RedoText(), "Redo");
    EXPECT_TRUE(doc.IsModified());

    doc.Undo();
    ExpectSameDatabase(doc.Data(), *opened);
    EXPECT_FALSE(doc.IsModified()); // back at the state of the file
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(doc.UndoText(), "Undo");
    EXPECT_EQ(doc.RedoText(), "Redo Outer");
    doc.Redo();
    EXPECT_EQ(doc.Data().TvChannelTable[1].sVideoPid, 1234);
    EXPECT_TRUE(doc.IsModified());

    // Close starts a new history: undo never reaches past it.
    prompts.QueueAnswer(MsgAnswer::No);
    doc.OnFileClose();
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.CanRedo());
}

// The test builds stop at the next edit, Undo or Redo after a change that
// bypassed the history; a save, which writes the file's lengths into the
// header, is none.
TEST_F(DocumentTest, AChangeOutsideTheHistoryStopsTheTestBuilds)
{
#ifdef NDEBUG
    GTEST_SKIP() << "checked in the test builds only";
#endif
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    OpenDemo();
    Edit();
    doc.OnFileSave();
    doc.Undo();
    doc.Redo();
    doc.Data().TvChannelTable[0].sPcrPid = 77;
    EXPECT_DEATH(Edit(), "changed outside the editing history");
    EXPECT_DEATH(doc.Undo(), "changed outside the editing history");
    EXPECT_DEATH(doc.Redo(), "changed outside the editing history");
}

} // namespace

namespace {

TEST_F(DocumentTest, FileCommandsAskBeforeAnythingIsReplacedOrDropped)
{
    const ShownMessage changed{"The file was changed by another program since it was opened. Overwrite it?",
                               "EditZarn", MsgButtons::YesNoDefaultNo, MsgIcon::Warning};
    const ShownMessage replace{"copy.sdx already exists.\nDo you want to replace it?", "EditZarn",
                               MsgButtons::YesNoDefaultNo, MsgIcon::Warning};
    OpenDemo();
    const QString path = doc.strFilePath;
    Edit();
    // Another program writes the file: No keeps it and the changes.
    auto other = std::make_unique<Database>();
    BuildDemoDatabase(*other, DemoSize::Typical);
    other->header.sRadioNumber = 1;
    ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(*other, path));
    const QByteArray outside = ReadBytes(path);
    prompts.QueueAnswer(MsgAnswer::No);
    doc.OnFileSave();
    EXPECT_EQ(outside, ReadBytes(path));
    EXPECT_TRUE(doc.IsModified());
    // Yes writes, and the other program's version becomes the backup.
    prompts.QueueAnswer(MsgAnswer::Yes);
    doc.OnFileSave();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(outside, ReadBytes(path + ".bak"));

    // Save As asks about the name written, after ".sdx" is appended.
    const QString copy = WriteDemo("copy.sdx");
    const QByteArray copyBefore = ReadBytes(copy);
    prompts.QueueFile(PathOf("copy"));
    prompts.QueueAnswer(MsgAnswer::No);
    doc.OnFileSaveAs();
    EXPECT_EQ(copyBefore, ReadBytes(copy));
    EXPECT_EQ(path, doc.strFilePath);

    // Cancel on the close question keeps the database and its changes.
    Edit();
    prompts.QueueAnswer(MsgAnswer::Cancel);
    doc.OnFileClose();
    EXPECT_EQ(1, doc.bDataLoaded);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ((std::vector<ShownMessage>{changed, changed, replace, kSaveChanges}), prompts.Messages());
}

TEST_F(DocumentTest, NewWhereNoFileCanBeMadeShowsWhyAndChangesNothing)
{
    QSignalSpy titles(&doc, &CEditZarnDoc::TitleChanged);
    prompts.QueueFile(PathOf("missing-folder/new"));
    prompts.QueueAnswer(MsgAnswer::Ok);
    doc.OnFileNew();
    ASSERT_EQ(1, int(prompts.Messages().size()));
    EXPECT_EQ(kCannotSave, prompts.MessagesWithoutReasons().front());
    EXPECT_FALSE(prompts.Messages().front().strInformative.isEmpty());
    EXPECT_EQ(0, doc.bDataLoaded);
    EXPECT_TRUE(doc.strFilePath.isEmpty());
    EXPECT_EQ(0, titles.count());
}

} // namespace

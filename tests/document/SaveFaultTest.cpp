// Saves under injected faults: whatever step fails, the previous file stays
// byte for byte as it was, the document keeps its changes and says so.
#include "CEditZarnDoc.h"

#include "DemoDatabase.h"
#include "FileAccess.h"
#include "ScriptedPrompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The disk, with one fault chosen by the test.
class FaultMedium : public DiskMedium {
public:
    enum class Fault { None, WriteStopsAfter, CorruptsByte, ReadBackFails, ReplaceFails };

    Fault fault = Fault::None;
    qsizetype iAt = 0; // bytes written before the stop, or the byte corrupted

    QString WriteTemporary(const QString& target, const QByteArray& bytes,
                           const std::optional<FileStatus>& like) override
    {
        switch (fault) {
        case Fault::WriteStopsAfter:
            // A device that takes iAt bytes and then reports an error (no
            // space left, or a folder that takes no new file at all).
            if (iAt > 0 && iAt < bytes.size())
                DiskMedium::Remove(DiskMedium::WriteTemporary(target, bytes.left(iAt), like));
            return iAt >= bytes.size() ? DiskMedium::WriteTemporary(target, bytes, like) : QString();
        case Fault::CorruptsByte: {
            QByteArray damaged = bytes;
            damaged[iAt % damaged.size()] = char(damaged[iAt % damaged.size()] ^ 0x10);
            return DiskMedium::WriteTemporary(target, damaged, like);
        }
        default: return DiskMedium::WriteTemporary(target, bytes, like);
        }
    }
    FileBytes Read(const QString& path, int64_t limit) override
    {
        if (fault == Fault::ReadBackFails && !path.endsWith(".sdx"))
            return {};
        return DiskMedium::Read(path, limit);
    }
    bool Replace(const QString& from, const QString& to) override
    {
        return fault != Fault::ReplaceFails && DiskMedium::Replace(from, to);
    }
};

const ShownMessage kCannotSave{"Can not save file!", "EditZarn", MsgButtons::Ok, MsgIcon::Stop};
const ShownMessage kCannotSaveAs{"Can't not save the file\n", "EditZarn", MsgButtons::Ok, MsgIcon::None};

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SaveFaultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.filePath("channels.sdx");
        auto db = std::make_unique<Database>();
        BuildDemoDatabase(*db, DemoSize::Typical);
        db->header.sTVNumber = 12; // a small file keeps every-byte loops short
        db->header.sRadioNumber = 3;
        ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(*db, path));
        original = ReadBytes(path);
        prompts.QueueFile(path);
        doc.OnFileOpen();
        ASSERT_EQ(1, doc.bDataLoaded);
        doc.Data().TvChannelTable[0].sVideoPid = 1234;
        doc.SetModifiedFlag();
    }

    // Files in the folder other than the database and its backup.
    QStringList Leftovers() const
    {
        QStringList files = QDir(dir.path()).entryList(QDir::Files);
        files.removeAll("channels.sdx");
        files.removeAll("channels.sdx.bak");
        return files;
    }

    void ExpectNothingLost(const char* what)
    {
        EXPECT_EQ(original, ReadBytes(path)) << what;
        EXPECT_TRUE(doc.IsModified()) << what;
        EXPECT_EQ(QStringList(), Leftovers()) << what;
        EXPECT_EQ(1234, doc.Data().TvChannelTable[0].sVideoPid) << what;
    }

    QTemporaryDir dir;
    QString path;
    QByteArray original;
    FaultMedium medium;
    ScriptedPrompts prompts;
    CEditZarnDoc doc{prompts, medium};
};

TEST_F(SaveFaultTest, AWriteThatStopsAtAnyByteLeavesThePreviousFile)
{
    medium.fault = FaultMedium::Fault::WriteStopsAfter;
    // A save writes the new file, then the backup of the old one: stop at
    // every byte of either (both are about as long as the old file).
    for (qsizetype stop = 0; stop < original.size(); ++stop) {
        medium.iAt = stop;
        prompts.QueueAnswer(MsgAnswer::Ok);
        doc.OnFileSave();
        ASSERT_EQ(kCannotSave, prompts.MessagesWithoutReasons().back()) << "stop after " << stop;
        ExpectNothingLost("Save");
        if (HasFailure())
            return;
    }
}

TEST_F(SaveFaultTest, EveryFailingStepLeavesThePreviousFileOnEveryCommand)
{
    struct Fault {
        const char* what;
        FaultMedium::Fault fault;
        qsizetype at;
    };
    const Fault faults[] = {
        {"folder takes no new file", FaultMedium::Fault::WriteStopsAfter, 0},
        {"disk full half way", FaultMedium::Fault::WriteStopsAfter, 100},
        {"silent corruption in the header", FaultMedium::Fault::CorruptsByte, 30},
        {"silent corruption in the payload", FaultMedium::Fault::CorruptsByte, 200},
        {"read back fails", FaultMedium::Fault::ReadBackFails, 0},
        {"rename fails", FaultMedium::Fault::ReplaceFails, 0},
    };
    for (const Fault& f : faults) {
        medium.fault = f.fault;
        medium.iAt = f.at;

        prompts.QueueAnswer(MsgAnswer::Ok);
        doc.OnFileSave();
        EXPECT_EQ(kCannotSave, prompts.MessagesWithoutReasons().back()) << f.what;
        ExpectNothingLost(f.what);

        prompts.QueueFile(path);
        prompts.QueueAnswer(MsgAnswer::Ok);
        doc.OnFileSaveAs();
        EXPECT_EQ(kCannotSaveAs, prompts.MessagesWithoutReasons().back()) << f.what;
        ExpectNothingLost(f.what);

        prompts.QueueAnswer(MsgAnswer::Yes);
        prompts.QueueAnswer(MsgAnswer::Ok);
        doc.OnFileClose();
        EXPECT_EQ(kCannotSave, prompts.MessagesWithoutReasons().back()) << f.what;
        EXPECT_EQ(1, doc.bDataLoaded) << f.what;
        ExpectNothingLost(f.what);
    }

    medium.fault = FaultMedium::Fault::None;
    doc.OnFileSave();
    EXPECT_FALSE(doc.IsModified());
    auto reread = std::make_unique<Database>();
    ASSERT_EQ(LoadResult::Ok, LoadDatabaseFile(*reread, path));
    EXPECT_EQ(1234, reread->TvChannelTable[0].sVideoPid);
}

TEST_F(SaveFaultTest, TheFirstSaveOfASessionKeepsTheOldFileAsABackup)
{
    const QString backup = path + ".bak";
    doc.OnFileSave();
    EXPECT_EQ(original, ReadBytes(backup));
    const QByteArray firstSave = ReadBytes(path);
    EXPECT_NE(original, firstSave);

    doc.Data().TvChannelTable[1].sVideoPid = 4321;
    doc.SetModifiedFlag();
    doc.OnFileSave();
    EXPECT_EQ(original, ReadBytes(backup)) << "later saves of the session keep the first backup";

    // A new session replaces the older backup with the file as it then was.
    ScriptedPrompts again;
    CEditZarnDoc next(again);
    again.QueueFile(path);
    next.OnFileOpen();
    next.SetModifiedFlag();
    const QByteArray beforeNext = ReadBytes(path);
    next.OnFileSave();
    EXPECT_EQ(beforeNext, ReadBytes(backup));
}

TEST(SaveSession, KeepsTheFilePermissionsAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("perm.sdx");
    auto db = std::make_unique<Database>();
    BuildDemoDatabase(*db, DemoSize::Typical);
    ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(*db, path));
    const auto kRestricted = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, kRestricted));
    ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(*db, path));
    const auto kPermissionBits = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                 QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                 QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_EQ(kRestricted, QFile::permissions(path) & kPermissionBits);
    EXPECT_EQ((QStringList{"perm.sdx", "perm.sdx.bak"}), QDir(dir.path()).entryList(QDir::Files));
}

} // namespace

// A file written in place (here one with a second hard link), with a fault
// at every step of the save: the step fails, or the process is killed right
// after it (the rewrite also half way through). The previous version is
// always in the file or NAME.bak, a killed save's new version in the file
// or its temporary file, and the next save keeps what only those hold.
#include "DemoDatabase.h"
#include "FileAccess.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

enum class Fault { None, Fails, KilledAfter, KilledHalfWay };

// The disk, which logs every step that writes or checks and puts the fault
// at step number iStep (KilledHalfWay at a rewrite only).
class StepMedium : public DiskMedium {
public:
    Fault fault = Fault::None;
    size_t iStep = 0;
    std::vector<std::string> aSteps;

    template <class Fn>
    auto Step(const char* pWhat, const QString& path, Fn&& fn)
    {
        const QString name = path.mid(path.lastIndexOf('/') + 1);
        aSteps.push_back(pWhat + (name.startsWith(".~ez") ? "temporary" : name.toStdString()));
        const bool hit = aSteps.size() == iStep + 1;
        if (hit && fault == Fault::Fails)
            return decltype(fn())();
        auto result = fn();
        if (hit && fault == Fault::KilledAfter)
            ::raise(SIGKILL);
        return result;
    }

    QString WriteTemporary(const QString& target, const QByteArray& bytes,
                           const std::optional<FileStatus>& like) override
    {
        return Step("write new ", target, [&] { return DiskMedium::WriteTemporary(target, bytes, like); });
    }
    QString CopyTemporary(const QString& target, const QString& source, const FileStatus& like) override
    {
        return Step("copy ", source, [&] { return DiskMedium::CopyTemporary(target, source, like); });
    }
    bool Replace(const QString& from, const QString& to) override
    {
        return Step("rename to ", to, [&] { return DiskMedium::Replace(from, to); });
    }
    bool CopyInPlace(const QString& path, const QString& source) override
    {
        return Step("rewrite ", path, [&] {
            if (fault == Fault::KilledHalfWay && aSteps.size() == iStep + 1) {
                const QByteArray bytes = ReadWholeFile(source, kMaxSdxFileSize).bytes;
                QFile file(path);
                file.open(QIODevice::ReadWrite);
                file.write(bytes.left(bytes.size() / 2));
                file.flush();
                ::raise(SIGKILL);
            }
            return DiskMedium::CopyInPlace(path, source);
        });
    }
    FileBytes Read(const QString& path, int64_t limit) override
    {
        return Step("read ", path, [&] { return DiskMedium::Read(path, limit); });
    }
    void Remove(const QString& path) override
    {
        Step("remove ", path, [&] { return DiskMedium::Remove(path), true; });
    }
};

TEST(InPlaceSave, AFaultAtAnyStepLosesNeitherVersion)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.sdx");
    const auto read = [&](const char* name) { return ReadWholeFile(dir.filePath(name), kMaxSdxFileSize).bytes; };
    const auto temporaries = [&] {
        QByteArrayList held;
        for (const QString& name :
             QDir(dir.path()).entryList({TemporaryPrefix(path) + "*"}, QDir::Files | QDir::Hidden))
            held << ReadWholeFile(dir.filePath(name), kMaxSdxFileSize).bytes;
        return held;
    };
    // Three versions of a database, and their files.
    auto db = std::make_unique<Database>();
    BuildDemoDatabase(*db, DemoSize::Typical);
    const auto version = [&](int i) -> Database& {
        db->header.sTVNumber = short(20 + i);
        return *db;
    };
    QByteArray bytes[3];
    for (int i = 0; i < 3; ++i) {
        std::vector<uint8_t> file;
        ASSERT_EQ(SaveResult::Ok, SaveDatabase(version(i), file));
        bytes[i] = QByteArray(reinterpret_cast<const char*>(file.data()), qsizetype(file.size()));
    }
    const QByteArray &previous = bytes[0], &next = bytes[1];
    // a.sdx holds the previous version, b.sdx is a second name of it.
    const auto prepare = [&] {
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(dir.filePath(name));
        ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(version(0), path));
        ASSERT_EQ(0,
                  ::link(QFile::encodeName(path).constData(), QFile::encodeName(dir.filePath("b.sdx")).constData()));
    };

    prepare();
    StepMedium log;
    ASSERT_EQ(FileSaveResult::Ok, SaveSession(log).Save(version(1), path));
    ASSERT_EQ(next, read("b.sdx"));
    for (size_t step = 0; step < log.aSteps.size(); ++step) {
        for (const Fault fault : {Fault::Fails, Fault::KilledAfter, Fault::KilledHalfWay}) {
            if (fault == Fault::KilledHalfWay && log.aSteps[step] != "rewrite a.sdx")
                continue;
            SCOPED_TRACE(std::to_string(int(fault)) + ": " + log.aSteps[step]);
            prepare();
            // The save with the fault, in a child process: its result, or
            // -1 when it was killed.
            const pid_t pid = ::fork();
            if (pid == 0) {
                StepMedium medium;
                medium.fault = fault;
                medium.iStep = step;
                ::_exit(int(SaveSession(medium).Save(version(1), path)));
            }
            int status = 0;
            ::waitpid(pid, &status, 0);
            const int result = WIFEXITED(status) ? WEXITSTATUS(status) : -1;

            const QByteArray file = read("a.sdx");
            EXPECT_EQ(file, read("b.sdx")) << "the names stay one file";
            if (result >= 0) {
                // A save that ran to its end: done, or the previous file as it was.
                EXPECT_EQ(file, result == int(FileSaveResult::Ok) ? next : previous);
                EXPECT_TRUE(temporaries().empty() || log.aSteps[step].starts_with("remove"));
                continue;
            }
            EXPECT_TRUE(file == previous || read("a.sdx.bak") == previous);
            EXPECT_TRUE(file == next || temporaries().contains(next));

            SaveSession nextSave;
            ASSERT_EQ(FileSaveResult::Ok, nextSave.Save(version(2), path));
            EXPECT_EQ(bytes[2], read("b.sdx"));
            // A torn file takes the place of neither the backup nor the new version.
            const bool torn = file != previous && file != next;
            EXPECT_EQ(torn ? previous : file, read("a.sdx.bak"));
            if (torn) {
                EXPECT_TRUE(temporaries().contains(next));
                EXPECT_FALSE(nextSave.Note().isEmpty());
            }
        }
    }
}

} // namespace

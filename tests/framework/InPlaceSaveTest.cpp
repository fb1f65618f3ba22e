// A file written in place (here one with a second hard link), with a fault
// at every step of the save: the step fails, or the process is killed right
// after it (the rewrite also half way through). The previous version is
// always in the file or NAME.bak, a killed save's new version in the file
// or its temporary file, and the next save keeps what only those hold.
#include "DemoDatabase.h"
#include "FileAccess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// KilledHalfWay and Corrupted concern the rewrite only; a corrupted rewrite
// is followed by a kill right after the step that reads it back.
enum class Fault { None, Fails, KilledAfter, KilledHalfWay, Corrupted };

// The disk, which logs every step that writes or checks and puts the fault
// at step number iStep.
class StepMedium : public DiskMedium {
public:
    Fault fault = Fault::None;
    size_t iStep = 0;
    std::vector<std::string> aSteps;

    static std::string Name(const QString& path)
    {
        const QString name = path.mid(path.lastIndexOf('/') + 1);
        return name.startsWith(".~ez") ? "temporary" : name.toStdString();
    }

    template <class Fn>
    auto Step(const std::string& what, Fn&& fn)
    {
        const bool hit = fault != Fault::None && aSteps.size() == iStep;
        aSteps.push_back(what);
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
        return Step("write the new version", [&] { return DiskMedium::WriteTemporary(target, bytes, like); });
    }
    QString CopyTemporary(const QString& target, const QString& source, const FileStatus& like) override
    {
        return Step("copy " + Name(source), [&] { return DiskMedium::CopyTemporary(target, source, like); });
    }
    bool Replace(const QString& from, const QString& to) override
    {
        return Step("rename to " + Name(to), [&] { return DiskMedium::Replace(from, to); });
    }
    bool CopyInPlace(const QString& path, const QString& source) override
    {
        if ((fault == Fault::KilledHalfWay || fault == Fault::Corrupted) && aSteps.size() == iStep) {
            QByteArray bytes = ReadWholeFile(source, kMaxSdxFileSize).bytes;
            bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 1);
            QFile file(path);
            file.open(QIODevice::ReadWrite);
            file.write(fault == Fault::Corrupted ? bytes : bytes.left(bytes.size() / 2));
            file.flush();
            if (fault == Fault::KilledHalfWay)
                ::raise(SIGKILL);
            aSteps.push_back("rewrite " + Name(path));
            fault = Fault::KilledAfter;
            ++iStep;
            return true;
        }
        return Step("rewrite " + Name(path), [&] { return DiskMedium::CopyInPlace(path, source); });
    }
    FileBytes Read(const QString& path, int64_t limit) override
    {
        return Step("read " + Name(path), [&] { return DiskMedium::Read(path, limit); });
    }
    void Remove(const QString& path) override
    {
        Step("remove " + Name(path), [&] {
            DiskMedium::Remove(path);
            return true;
        });
    }
};

class InPlaceSaveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 3; ++i) {
            versions[i] = std::make_unique<Database>();
            BuildDemoDatabase(*versions[i], DemoSize::Typical);
            versions[i]->header.sTVNumber = short(20 + i);
            const QString scratch = dir.filePath(QString("v%1.sdx").arg(i));
            ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(*versions[i], scratch));
            bytes[i] = Bytes(scratch);
            QFile::remove(scratch);
        }
    }

    QString Path(const char* name) const { return dir.filePath(name); }
    static QByteArray Bytes(const QString& path) { return ReadWholeFile(path, kMaxSdxFileSize).bytes; }
    std::vector<QByteArray> Temporaries() const
    {
        std::vector<QByteArray> held;
        for (const QString& name :
             QDir(dir.path()).entryList({TemporaryPrefix(Path("a.sdx")) + "*"}, QDir::Files | QDir::Hidden))
            held.push_back(Bytes(dir.filePath(name)));
        return held;
    }
    bool TemporaryHolds(const QByteArray& version) const
    {
        const std::vector<QByteArray> held = Temporaries();
        return std::find(held.begin(), held.end(), version) != held.end();
    }

    // a.sdx holds the previous version, b.sdx is a second name of it.
    void Prepare()
    {
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(dir.filePath(name));
        ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(*versions[0], Path("a.sdx")));
        ASSERT_EQ(0,
                  ::link(QFile::encodeName(Path("a.sdx")).constData(), QFile::encodeName(Path("b.sdx")).constData()));
    }

    // Saves the new version with the fault in a child process; its result,
    // or -1 when it was killed.
    int SaveWith(Fault fault, size_t step)
    {
        const pid_t pid = ::fork();
        if (pid == 0) {
            StepMedium medium;
            medium.fault = fault;
            medium.iStep = step;
            ::_exit(int(SaveSession(medium).Save(*versions[1], Path("a.sdx"))));
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    QTemporaryDir dir;
    std::unique_ptr<Database> versions[3];
    QByteArray bytes[3];
};

TEST_F(InPlaceSaveTest, AFaultAtAnyStepLosesNeitherVersion)
{
    Prepare();
    StepMedium log;
    ASSERT_EQ(FileSaveResult::Ok, SaveSession(log).Save(*versions[1], Path("a.sdx")));
    ASSERT_EQ(bytes[1], Bytes(Path("b.sdx")));
    const std::vector<std::string> steps = log.aSteps;
    const QByteArray& previous = bytes[0];
    const QByteArray& next = bytes[1];
    for (size_t step = 0; step < steps.size(); ++step) {
        for (const Fault fault : {Fault::Fails, Fault::KilledAfter, Fault::KilledHalfWay, Fault::Corrupted}) {
            if ((fault == Fault::KilledHalfWay || fault == Fault::Corrupted) && steps[step] != "rewrite a.sdx")
                continue;
            SCOPED_TRACE(std::to_string(int(fault)) + ": " + steps[step]);
            Prepare();
            const int result = SaveWith(fault, step);
            const QByteArray file = Bytes(Path("a.sdx")), backup = Bytes(Path("a.sdx.bak"));
            EXPECT_EQ(file, Bytes(Path("b.sdx"))) << "the names stay one file";
            if (result >= 0) {
                // A save that ran to its end: done, or the previous file as it was.
                EXPECT_EQ(file, result == int(FileSaveResult::Ok) ? next : previous);
                EXPECT_TRUE(Temporaries().empty() || steps[step].starts_with("remove"));
                continue;
            }
            EXPECT_TRUE(file == previous || backup == previous);
            EXPECT_TRUE(file == next || TemporaryHolds(next));

            SaveSession nextSave;
            ASSERT_EQ(FileSaveResult::Ok, nextSave.Save(*versions[2], Path("a.sdx")));
            EXPECT_EQ(bytes[2], Bytes(Path("b.sdx")));
            if (file == previous || file == next) {
                EXPECT_EQ(file, Bytes(Path("a.sdx.bak")));
            } else {
                EXPECT_EQ(previous, Bytes(Path("a.sdx.bak")));
                EXPECT_TRUE(TemporaryHolds(next));
                EXPECT_FALSE(nextSave.Note().isEmpty());
            }
        }
    }
}

} // namespace

// Every file argument of every sdxtool command, as the shell hands it over:
// the command reads or writes exactly the file those bytes name.
#include "DemoDatabase.h"
#include "FileAccess.h"
#include "SpecialFiles.h"
#include "ToolRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <unistd.h>
#include <optional>

namespace {

// Every command with every file it reads ("<name") or writes (">name").
const std::vector<const char*> kCommands[] = {
    {"info", "<in.sdx"},
    {"check", "<in.sdx"},
    {"dump", "<in.sdx"},
    {"tree", "<in.sdx"},
    {"list", "<in.sdx"},
    {"resave", "<in.sdx", ">out.sdx"},
    {"new", ">out.sdx"},
    {"demo", ">out.sdx"},
    {"sort", "<in.sdx", "--by", "tp", ">out.sdx"},
    {"import-listing", "<in.sdx", "<in at 19.2E.htm", ">out.sdx"},
    {"export", "<in.sdx", ">out.xlsx"},
    {"print", "<in.sdx", ">out.pdf"},
    {"apply-reference", "<in.sdx", "<ref.sdx", ">out.sdx"},
    {"apply-reference", "<in.sdx", "<ref.csv", ">out.sdx"},
    {"export-reference", "<in.sdx", ">out.csv"},
    {"transponder-list", "<list.xml"},
    {"update-transponders", "<in.sdx", "<list.xml", ">out.sdx"},
};

// A command's words with its file number slot named prefix + its own name
// and every other file by its own name.
struct Words {
    QList<QByteArray> words;
    QByteArray plain, named;
    bool bInput = false;
};

class ToolPathsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        auto db = std::make_unique<Database>();
        BuildDemoDatabase(*db, DemoSize::Typical);
        ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(*db, dir.filePath("in.sdx")));
        ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(*db, dir.filePath("ref.sdx")));
        ASSERT_EQ(0, RunTool({"export-reference", dir.filePath("in.sdx"), dir.filePath("ref.csv")}).exitCode);
        QFile page(dir.filePath("in at 19.2E.htm"));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<td>11778 V</td><td>27500 3/4</td>");
        QFile list(dir.filePath("list.xml"));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write("<satellites><sat name=\"19.2E Astra\" position=\"192\"/></satellites>");
    }

    // Nothing where the command has fewer files than slot + 1.
    std::optional<Words> Named(const std::vector<const char*>& command, int slot, const QByteArray& prefix) const
    {
        const QByteArray folder = QFile::encodeName(dir.path()) + '/';
        Words named;
        int file = 0;
        for (const QByteArray word : command) {
            const bool isFile = word.startsWith('<') || word.startsWith('>');
            if (isFile && file++ == slot) {
                named.plain = folder + word.mid(1);
                named.named = folder + prefix + word.mid(1);
                named.bInput = word.startsWith('<');
            }
            named.words << (!isFile ? word : file - 1 == slot ? named.named : folder + word.mid(1));
        }
        return slot < file ? std::optional(named) : std::nullopt;
    }

    QTemporaryDir dir;
};

TEST_F(ToolPathsTest, ANameThatIsNotUtf8NamesTheSameBytesOnDisk)
{
    for (const auto& command : kCommands) {
        for (int slot = 0; const auto run = Named(command, slot, "bad\xff"); ++slot) {
            const QByteArray replaced = QByteArray(run->named).replace("\xff", "\xef\xbf\xbd");
            if (run->bInput) {
                ASSERT_EQ(0, std::rename(run->plain.constData(), run->named.constData()));
            }
            const ToolRun result = RunToolBytes(run->words);
            const std::string what = run->words.join(' ').toStdString();
            EXPECT_EQ(0, result.exitCode) << what << ": " << result.err.toStdString();
            EXPECT_EQ(0, ::access(run->named.constData(), F_OK)) << what;
            EXPECT_NE(0, ::access(replaced.constData(), F_OK)) << what;
            if (run->bInput)
                std::rename(run->named.constData(), run->plain.constData());
            else
                ::unlink(run->named.constData());
        }
    }
}

// Every file argument of every command given a FIFO, a device, a socket or a
// folder: refused at once with the reason, and the special file stays.
TEST_F(ToolPathsTest, EveryPathThatIsNotARegularFileIsRefusedAtOnce)
{
    for (const auto& [kind, what] : kSpecialKinds) {
        const QByteArray probe = QFile::encodeName(dir.filePath("probe"));
        if (!MakeSpecial(probe, kind)) {
            std::cout << "skipped: a " << what << " cannot be made here: " << std::strerror(errno) << "\n";
            continue;
        }
        ::remove(probe.constData());
        for (const auto& command : kCommands) {
            for (int slot = 0; const auto run = Named(command, slot, "special "); ++slot) {
                ASSERT_TRUE(MakeSpecial(run->named, kind)) << run->named.constData();
                const ToolRun result = RunToolBytes(run->words, 20000);
                const std::string trace = std::string(what) + ": " + run->words.join(' ').toStdString();
                EXPECT_EQ(2, result.exitCode) << trace << ": " << result.err.toStdString();
                EXPECT_TRUE(result.err.contains("is not a regular file")) << trace << ": " << result.err.toStdString();
                EXPECT_EQ(kind, KindOf(run->named)) << trace;
                ::remove(run->named.constData());
            }
        }
    }
}

// An output of another kind onto a database: refused, the database stays.
TEST_F(ToolPathsTest, NoOtherOutputReplacesADatabase)
{
    const QString in = dir.filePath("in.sdx");
    const QByteArray before = ReadWholeFile(in, kMaxSdxFileSize).bytes;
    for (const char* command : {"export", "print", "export-reference"}) {
        const ToolRun run = RunTool({command, in, in});
        EXPECT_EQ(2, run.exitCode) << command;
        EXPECT_TRUE(run.err.contains("channel database")) << command << ": " << run.err.toStdString();
        EXPECT_EQ(before, ReadWholeFile(in, kMaxSdxFileSize).bytes) << command;
    }
    EXPECT_FALSE(QFile::exists(in + ".bak"));
}

} // namespace

// Every file argument of every sdxtool command, as the shell hands it over:
// the command reads or writes exactly the file those bytes name.
#include "DemoDatabase.h"
#include "FileAccess.h"
#include "NonRegularFiles.h"
#include "ToolRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Every command with every file it reads ("<name") or writes (">name").
const std::vector<const char*> kCommands[] = {
    {"info", "<in.sdx"},
    {"check", "<in.sdx", "--deep"},
    {"dump", "<in.sdx"},
    {"tree", "<in.sdx"},
    {"list", "<in.sdx"},
    {"resave", "<in.sdx", ">out.sdx"},
    {"new", ">out.sdx"},
    {"demo", ">out.sdx"},
    {"clean", "<in.sdx", ">out.sdx"},
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
        list.write("<satellites/>");
    }

    QTemporaryDir dir;
};

// Every file argument of every command, as the shell hands it over: a name
// that is not UTF-8 names the same bytes on disk; a FIFO, a device, a socket
// or a folder (taking turns) is refused at once with the reason and stays.
TEST_F(ToolPathsTest, EveryPathIsTheFileItsBytesNameAndARegularOne)
{
    std::vector<std::pair<mode_t, const char*>> kinds;
    for (const auto& [kind, what] : kNonRegularKinds) {
        const QByteArray probe = QFile::encodeName(dir.filePath("probe"));
        if (MakeNonRegular(probe, kind))
            kinds.emplace_back(kind, what);
        else
            std::cout << "skipped: a " << what << " cannot be made here: " << std::strerror(errno) << "\n";
        ::remove(probe.constData());
    }
    ASSERT_FALSE(kinds.empty());
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    size_t turn = 0;
    for (const auto& command : kCommands) {
        for (int slot = 0;; ++slot) {
            // The words with the file of this slot named "bad\xff" + its own name.
            QList<QByteArray> words;
            QByteArray plain, named;
            bool input = false;
            int file = 0;
            for (const QByteArray word : command) {
                const bool isFile = word.startsWith('<') || word.startsWith('>');
                if (isFile && file++ == slot) {
                    plain = folder + word.mid(1);
                    named = folder + "bad\xff" + word.mid(1);
                    input = word.startsWith('<');
                }
                words << (!isFile ? word : file - 1 == slot ? named : folder + word.mid(1));
            }
            if (slot >= file)
                break;
            const std::string what = words.join(' ').toStdString();
            if (input) {
                ASSERT_EQ(0, std::rename(plain.constData(), named.constData()));
            }
            const ToolRun run = RunToolBytes(words);
            EXPECT_EQ(0, run.exitCode) << what << ": " << run.err.toStdString();
            EXPECT_EQ(0, ::access(named.constData(), F_OK)) << what;
            EXPECT_NE(0, ::access(QByteArray(named).replace("\xff", "\xef\xbf\xbd").constData(), F_OK)) << what;
            if (input)
                std::rename(named.constData(), plain.constData());
            else
                ::unlink(named.constData());

            const auto& [kind, kindName] = kinds[turn++ % kinds.size()];
            ASSERT_TRUE(MakeNonRegular(named, kind)) << what;
            const ToolRun refused = RunToolBytes(words, 20000);
            EXPECT_EQ(2, refused.exitCode) << kindName << ": " << what << ": " << refused.err.toStdString();
            EXPECT_TRUE(refused.err.contains("is not a regular file")) << kindName << ": " << what;
            EXPECT_EQ(kind, KindOf(named)) << kindName << ": " << what;
            ::remove(named.constData());
        }
    }
}

// An output onto a protected target: a read-only file of the user's, or
// (for an output of another kind) the input database. Refused with the
// reason; the target stays byte for byte and no backup of it is made.
TEST_F(ToolPathsTest, AnOutputOntoAProtectedTargetIsRefusedAndSaysWhy)
{
    enum class Target { ReadOnlyFile, InputDatabase };
    struct Case {
        QStringList command; // the input and any options follow the first word
        Target target;
        const char* reason;
    };
    const Case cases[] = {
        {{"resave"}, Target::ReadOnlyFile, "read-only"},
        {{"print"}, Target::ReadOnlyFile, "read-only"},
        {{"export"}, Target::ReadOnlyFile, "read-only"},
        {{"sort", "--by", "name-az"}, Target::ReadOnlyFile, "read-only"},
        {{"export"}, Target::InputDatabase, "channel database"},
        {{"print"}, Target::InputDatabase, "channel database"},
        {{"export-reference"}, Target::InputDatabase, "channel database"},
    };
    const QString in = dir.filePath("in.sdx");
    for (const Case& c : cases) {
        const std::string what = c.command.join(' ').toStdString();
        QString target = in;
        if (c.target == Target::ReadOnlyFile) {
            target = dir.filePath("kept-" + c.command[0]);
            QFile file(target);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("the user's file") == 15);
            file.close();
            ASSERT_TRUE(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        }
        const QByteArray before = ReadWholeFile(target, kMaxSdxFileSize).bytes;
        QStringList args = c.command;
        args.insert(1, in);
        const ToolRun run = RunTool(args << target);
        EXPECT_EQ(2, run.exitCode) << what;
        EXPECT_TRUE(run.err.contains(c.reason)) << what << ": " << run.err.toStdString();
        EXPECT_EQ(before, ReadWholeFile(target, kMaxSdxFileSize).bytes) << what;
        EXPECT_FALSE(QFile::exists(target + ".bak")) << what;
    }
}

} // namespace

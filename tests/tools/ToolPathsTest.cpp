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
#include <sys/stat.h>
#include <unistd.h>
#include <variant>

namespace {

// A file argument of a command: what it is and the suffix its name needs.
enum class Slot { Database, Page, Reference, Output };

struct SlotWord {
    Slot slot;
    const char* pSuffix;
};

struct CommandCase {
    std::vector<std::variant<const char*, SlotWord>> words;
};

const SlotWord kIn{Slot::Database, ".sdx"};
const SlotWord kPage{Slot::Page, " at 19.2E.htm"};
const SlotWord kRefSdx{Slot::Reference, ".sdx"};
const SlotWord kRefCsv{Slot::Reference, ".csv"};

// Every command with every file it reads or writes.
const CommandCase kCommands[] = {
    {{"info", kIn}},
    {{"check", kIn}},
    {{"dump", kIn}},
    {{"tree", kIn}},
    {{"list", kIn}},
    {{"resave", kIn, SlotWord{Slot::Output, ".sdx"}}},
    {{"new", SlotWord{Slot::Output, ".sdx"}}},
    {{"demo", SlotWord{Slot::Output, ".sdx"}}},
    {{"sort", kIn, "--by", "tp", SlotWord{Slot::Output, ".sdx"}}},
    {{"import-listing", kIn, kPage, SlotWord{Slot::Output, ".sdx"}}},
    {{"export", kIn, SlotWord{Slot::Output, ".xlsx"}}},
    {{"print", kIn, SlotWord{Slot::Output, ".pdf"}}},
    {{"apply-reference", kIn, kRefSdx, SlotWord{Slot::Output, ".sdx"}}},
    {{"apply-reference", kIn, kRefCsv, SlotWord{Slot::Output, ".sdx"}}},
    {{"export-reference", kIn, SlotWord{Slot::Output, ".csv"}}},
};

class ToolPathsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = QFile::encodeName(dir.path()) + '/';
        auto db = std::make_unique<Database>();
        BuildDemoDatabase(*db, DemoSize::Typical);
        ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(*db, dir.filePath("in.sdx")));
        ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(*db, dir.filePath("ref.sdx")));
        ASSERT_EQ(0, RunTool({"export-reference", dir.filePath("in.sdx"), dir.filePath("ref.csv")}).exitCode);
        QFile page(dir.filePath("in at 19.2E.htm"));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<td>11778 V</td><td>27500 3/4</td>");
    }

    // The plain, readable file a slot's input word names.
    QByteArray Plain(const SlotWord& word) const
    {
        return folder +
               (word.slot == Slot::Reference ? "ref"
                : word.slot == Slot::Output  ? "out"
                                             : "in") +
               word.pSuffix;
    }

    // The words of command with slot number special (counted from 0 over
    // the file words) named by name and every other file plain.
    QList<QByteArray> Words(const CommandCase& command, int special, const QByteArray& name) const
    {
        QList<QByteArray> words;
        int slot = 0;
        for (const auto& word : command.words) {
            if (const auto* pText = std::get_if<const char*>(&word))
                words << *pText;
            else
                words << (slot++ == special ? name : Plain(std::get<SlotWord>(word)));
        }
        return words;
    }

    static int Slots(const CommandCase& command)
    {
        return int(std::count_if(command.words.begin(), command.words.end(),
                                 [](const auto& word) { return std::holds_alternative<SlotWord>(word); }));
    }

    static const SlotWord& SlotAt(const CommandCase& command, int special)
    {
        int slot = 0;
        for (const auto& word : command.words)
            if (const auto* pSlot = std::get_if<SlotWord>(&word); pSlot && slot++ == special)
                return *pSlot;
        throw std::out_of_range("slot");
    }

    static bool Exists(const QByteArray& path)
    {
        struct stat st {};
        return ::stat(path.constData(), &st) == 0;
    }

    QTemporaryDir dir;
    QByteArray folder;
};

TEST_F(ToolPathsTest, ANameThatIsNotUtf8NamesTheSameBytesOnDisk)
{
    for (const CommandCase& command : kCommands) {
        for (int special = 0; special < Slots(command); ++special) {
            const SlotWord& slot = SlotAt(command, special);
            const QByteArray name = folder + "bad\xff" + "name" + slot.pSuffix;
            const QByteArray replaced = folder + "bad\xef\xbf\xbd" + "name" + slot.pSuffix;
            const bool input = slot.slot != Slot::Output;
            if (input) {
                ASSERT_EQ(0, std::rename(Plain(slot).constData(), name.constData()));
            }
            const QList<QByteArray> words = Words(command, special, name);
            const ToolRun run = RunToolBytes(words);
            const std::string what = words.join(' ').toStdString();
            EXPECT_EQ(0, run.exitCode) << what << ": " << run.err.toStdString();
            EXPECT_TRUE(Exists(name)) << what;
            EXPECT_FALSE(Exists(replaced)) << what;
            if (input)
                std::rename(name.constData(), Plain(slot).constData());
            else
                ::unlink(name.constData());
        }
    }
}

// Every file argument of every command given a FIFO, a device, a socket or a
// folder: refused at once with the reason, and the special file stays.
TEST_F(ToolPathsTest, EveryPathThatIsNotARegularFileIsRefusedAtOnce)
{
    for (const auto& [kind, what] : kSpecialKinds) {
        const QByteArray probe = folder + "probe";
        if (!MakeSpecial(probe, kind)) {
            std::cout << "skipped: a " << what << " cannot be made here: " << std::strerror(errno) << "\n";
            continue;
        }
        ::remove(probe.constData());
        for (const CommandCase& command : kCommands) {
            for (int special = 0; special < Slots(command); ++special) {
                const QByteArray name = folder + "s" + SlotAt(command, special).pSuffix;
                ASSERT_TRUE(MakeSpecial(name, kind)) << name.constData();
                const QList<QByteArray> words = Words(command, special, name);
                const ToolRun run = RunToolBytes(words, 20000);
                const std::string trace = std::string(what) + ": " + words.join(' ').toStdString();
                EXPECT_EQ(2, run.exitCode) << trace << ": " << run.err.toStdString();
                EXPECT_TRUE(run.err.contains("is not a regular file")) << trace << ": " << run.err.toStdString();
                EXPECT_EQ(kind, KindOf(name)) << trace;
                ::remove(name.constData());
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

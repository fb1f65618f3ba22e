// sdxtool export-reference and apply-reference as a user runs them: the
// text form applies as the database it came from, and a malformed one is
// reported by line with nothing written.
#include "DemoDatabase.h"
#include "FileAccess.h"
#include "ReferenceList.h"

#include "BitFields.h"
#include "ModelOperations.h"
#include "ToolRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(ReferenceToolTest, TextFormAndDatabaseGiveTheSameResultAndMalformedTextWritesNothing)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(name); };
    auto db = std::make_unique<Database>();
    BuildDemoDatabase(*db, DemoSize::Typical);
    ASSERT_EQ(SaveDatabaseFile(*db, path("scan.sdx")), FileSaveResult::Ok);
    // Arranged: radio backwards, one radio channel locked, the group names as they were.
    std::reverse(db->RadioChannelTable.begin(), db->RadioChannelTable.begin() + db->header.sRadioNumber);
    SetChLocked(db->RadioChannelTable[0], 1);
    ASSERT_EQ(SaveDatabaseFile(*db, path("arranged.sdx")), FileSaveResult::Ok);

    ASSERT_EQ(RunTool({"export-reference", path("arranged.sdx"), path("ref.csv")}).exitCode, 0);
    const ToolRun fromCsv = RunTool({"apply-reference", path("scan.sdx"), path("ref.csv"), path("a.sdx")});
    const ToolRun fromSdx = RunTool({"apply-reference", path("scan.sdx"), path("arranged.sdx"), path("b.sdx")});
    ASSERT_EQ(fromCsv.exitCode, 0) << fromCsv.err.toStdString();
    ASSERT_EQ(fromSdx.exitCode, 0) << fromSdx.err.toStdString();
    EXPECT_EQ(fromCsv.out, fromSdx.out);
    EXPECT_TRUE(fromCsv.out.startsWith("TV: " + QByteArray::number(db->header.sTVNumber) + " by identity"));
    const auto dump = [](const QString& file) { return RunTool({"dump", file}).out; };
    EXPECT_EQ(dump(path("a.sdx")), dump(path("b.sdx")));
    EXPECT_EQ(dump(path("a.sdx")), dump(path("arranged.sdx")));
    const ToolRun unlocked =
        RunTool({"apply-reference", path("scan.sdx"), path("ref.csv"), path("c.sdx"), "--no-locks", "--names"});
    ASSERT_EQ(unlocked.exitCode, 0);
    auto c = std::make_unique<Database>();
    ASSERT_EQ(LoadDatabaseFile(*c, path("c.sdx")), LoadResult::Ok);
    EXPECT_EQ(ChannelKey(c->RadioChannelTable[0]), ChannelKey(db->RadioChannelTable[0]));
    EXPECT_EQ(ChLocked(c->RadioChannelTable[0]), 0u);

    QFile csv(path("ref.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = csv.readAll().split('\n');
    csv.close();
    lines[5].replace(",0,", ",7,");
    QFile bad(path("bad.csv"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(lines.join('\n'));
    bad.close();
    const ToolRun malformed = RunTool({"apply-reference", path("scan.sdx"), path("bad.csv"), path("d.sdx")});
    EXPECT_EQ(malformed.exitCode, 1);
    EXPECT_TRUE(malformed.err.contains("bad.csv line 6: the lock is not 0 or 1")) << malformed.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("d.sdx")));
    EXPECT_EQ(RunTool({"apply-reference", path("scan.sdx"), path("missing.csv"), path("d.sdx")}).exitCode, 2);

    // A spreadsheet's form (byte-order mark, semicolons) of a list whose
    // channels are on no transponder here: one matches by name, one nothing;
    // --verbose lists them and the channels left.
    QFile sheet(path("sheet.csv"));
    ASSERT_TRUE(sheet.open(QIODevice::WriteOnly));
    sheet.write(
        "\xEF\xBB\xBFlist;delivery;transponder;position;frequency;polarisation;service_id;name;lock;favourites\r\n"
        "TV;S;S;0.1E;10000;H;1;Nowhere;0;\r\nTV;S;S;0.1E;10000;H;2;Docu Music 1;0;\r\n");
    sheet.close();
    const ToolRun verbose =
        RunTool({"apply-reference", path("scan.sdx"), path("sheet.csv"), path("e.sdx"), "--verbose"});
    ASSERT_EQ(verbose.exitCode, 0) << verbose.err.toStdString();
    EXPECT_TRUE(verbose.out.startsWith("TV: 0 by identity, 1 by name, " +
                                       QByteArray::number(db->header.sTVNumber - 1) +
                                       " unmatched (placed last), 1 reference channels not found"))
        << verbose.out.toStdString();
    EXPECT_TRUE(verbose.out.contains("\nTV: Matched by name (reference channel → channel here):\n"
                                     "  Docu Music 1 (0.1E 10000 MHz H, SID 2) → (19.2E 10714 MHz V, SID 1)\n"
                                     "TV: Reference channels not found:\n  Nowhere (0.1E 10000 MHz H, SID 1)\n"
                                     "TV: Unmatched channels (placed last):\n  "))
        << verbose.out.toStdString();
    EXPECT_FALSE(fromSdx.out.contains("Unmatched channels"));
    EXPECT_EQ(RunTool({"apply-reference", path("scan.sdx"), path("ref.csv"), path("d.sdx"), "--lock"}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(path("d.sdx")));
}

} // namespace

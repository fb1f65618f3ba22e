// sdxtool transponder-list and update-transponders as a user runs them:
// what they print, and the exit status and nothing written for each kind
// of bad input.
#include "DemoDatabase.h"
#include "FileAccess.h"
#include "ToolRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr char kList[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n"
                         " <sat name=\"19.2E Astra\" position=\"192\">\n"
                         "  <transponder frequency=\"10714400\" symbol_rate=\"27500000\" polarization=\"1\" "
                         "fec_inner=\"3\"/>\n </sat>\n"
                         " <sat name=\"177.0W C-band NSS 9\" position=\"-1771\">\n"
                         "  <transponder frequency=\"3840000\" symbol_rate=\"27500000\" polarization=\"2\"/>\n"
                         "  <transponder frequency=\"3841000\" symbol_rate=\"27500000\" polarization=\"0\"/>\n"
                         " </sat>\n</satellites>\n";

TEST(TransponderListToolTest, ListsAndUpdatesAndRefusesBadInputWritingNothing)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(name); };
    const auto write = [&](const char* name, const QByteArray& text) {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    auto db = std::make_unique<Database>();
    BuildDemoDatabase(*db, DemoSize::Typical);
    ASSERT_EQ(SaveDatabaseFile(*db, path("demo.sdx")), FileSaveResult::Ok);
    BuildDemoDatabase(*db, DemoSize::Max);
    ASSERT_EQ(SaveDatabaseFile(*db, path("full.sdx")), FileSaveResult::Ok);
    write("satellites.xml", kList);
    write("bad.xml", QByteArray(kList).replace("symbol_rate=\"27500000\" polarization=\"2\"", "polarization=\"2\""));

    const ToolRun listed = RunTool({"transponder-list", path("satellites.xml")});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.out, "192\tKu\t1\t19.2E Astra\n-1771\tC\t2\t177.0W C-band NSS 9\n");

    const ToolRun updated = RunTool({"update-transponders", path("demo.sdx"), path("satellites.xml"), path("a.sdx"),
                                     "--position", "192", "--position=-1771"});
    ASSERT_EQ(updated.exitCode, 0) << updated.err.toStdString();
    const QByteArray skipped = " (0 out of range, 0 not storable, 0 duplicates)";
    EXPECT_EQ(updated.out, "slot 1\t0 added, 1 updated, 0 unchanged, 11 kept, 0 removed, 0 skipped" + skipped +
                               "\t19.2E Astra\n"
                               "new slot 7\t1 added, 0 updated, 0 unchanged, 0 kept, 0 removed, 1 skipped (0 out of "
                               "range, 0 not storable, 1 duplicates)\t177.0W C-band NSS 9\n"
                               "total\t1 added, 1 updated, 0 unchanged, 11 kept, 0 removed, 1 skipped (0 out of "
                               "range, 0 not storable, 1 duplicates)\t1 new satellites\n");
    EXPECT_TRUE(RunTool({"tree", path("a.sdx")}).out.contains("| 7 | NSS 9 | 05150 | None |\n    1 | 3840 | HOR"));
    // Without --position only the satellites the database has are updated.
    const ToolRun known = RunTool({"update-transponders", path("demo.sdx"), path("satellites.xml"), path("b.sdx")});
    EXPECT_TRUE(known.out.endsWith("total\t0 added, 1 updated, 0 unchanged, 11 kept, 0 removed, 0 skipped" + skipped +
                                   "\t0 new satellites\n"))
        << known.out.toStdString();

    const struct {
        QStringList args;
        int iExit;
        const char* pszError;
    } failures[] = {
        {{path("demo.sdx"), path("bad.xml"), path("c.sdx")},
         1,
         "bad.xml line 7: the attribute symbol_rate is missing"},
        {{path("demo.sdx"), path("satellites.xml"), path("c.sdx"), "--position", "19.2E"},
         1,
         "no entry with the position 19.2E"},
        {{path("demo.sdx"), path("satellites.xml"), path("c.sdx"), "--network", "Net"},
         1,
         "takes --position, not --network"},
        {{path("full.sdx"), path("satellites.xml"), path("c.sdx"), "--position", "-1771"},
         1,
         "Does not fit: 1 satellites and 1 transponders too many; nothing is applied."},
        {{path("demo.sdx"), path("missing.xml"), path("c.sdx")}, 2, "cannot open"},
    };
    for (const auto& failure : failures) {
        const ToolRun run = RunTool(QStringList{"update-transponders"} + failure.args);
        EXPECT_EQ(run.exitCode, failure.iExit) << failure.pszError;
        EXPECT_TRUE(run.err.contains(failure.pszError)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("c.sdx")));
    }
}

} // namespace

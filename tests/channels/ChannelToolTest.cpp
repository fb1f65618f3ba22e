// sdxtool's sort and list commands, run as a user would run them.
#include "ChannelCells.h"
#include "ChannelOperations.h"
#include "DatabaseBuilders.h"
#include "DemoDatabase.h"
#include "FileAccess.h"

#include <QProcess>
#include <QTemporaryDir>

#include "ToolRun.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

class ChannelToolTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        demo = MakeEmptyDatabase();
        BuildDemoDatabase(*demo, DemoSize::Typical);
        ASSERT_EQ(SaveDatabaseFile(*demo, In()), FileSaveResult::Ok);
        ASSERT_EQ(LoadDatabaseFile(*demo, In()), LoadResult::Ok);
    }
    QString In() const { return dir.filePath("in.sdx"); }
    QString Out() const { return dir.filePath("out.sdx"); }

    QTemporaryDir dir;
    std::unique_ptr<Database> demo;
};

TEST_F(ChannelToolTest, SortWritesWhatTheListSortWouldMake)
{
    struct Case {
        QStringList args;
        bool radio;
        void (*sort)(Database&, bool);
    };
    const Case cases[] = {
        {{"--by", "name-az"},
         false,
         [](Database& db, bool radio) {
             std::vector<int> all(size_t(UsedChannels(db, radio)));
             std::iota(all.begin(), all.end(), 0);
             SortRowsByName(db, radio, all, false);
         }},
        {{"--radio", "--by", "name-za"},
         true,
         [](Database& db, bool radio) {
             std::vector<int> all(size_t(UsedChannels(db, radio)));
             std::iota(all.begin(), all.end(), 0);
             SortRowsByName(db, radio, all, true);
         }},
        {{"--by", "tp"}, false, SortChannelsByTransponder},
        {{"--by", "sat", "--radio"}, true, SortChannelsBySatellite},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunTool(QStringList{"sort", In()} + c.args + QStringList{Out()});
        ASSERT_EQ(run.exitCode, 0) << c.args.join(' ').toStdString();
        auto expected = std::make_unique<Database>(*demo);
        c.sort(*expected, c.radio);
        auto written = MakeEmptyDatabase();
        ASSERT_EQ(LoadDatabaseFile(*written, Out()), LoadResult::Ok);
        ExpectSameTables(*expected, *written);
    }
}

TEST_F(ChannelToolTest, ListPrintsTheRowsOfTheList)
{
    struct Case {
        QStringList args;
        bool radio;
        RowFilter filter;
        int value;
    };
    const Case cases[] = {
        {{}, false, RowFilter::All, 0},
        {{"--radio"}, true, RowFilter::All, 0},
        {{"--satellite", "2"}, false, RowFilter::Satellite, 1},
        {{"--transponder", QString::number(demo->RadioChannelTable[3].usTpId), "--radio"},
         true,
         RowFilter::Transponder,
         demo->RadioChannelTable[3].usTpId},
        {{"--fav", "1"}, false, RowFilter::FavGroup, 0},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunTool(QStringList{"list", In()} + c.args);
        ASSERT_EQ(run.exitCode, 0);
        std::vector<int> rows(kMaxChannels);
        rows.resize(size_t(FillRowMap(*demo, c.radio, c.filter, c.value, rows)));
        ASSERT_FALSE(rows.empty()) << c.args.join(' ').toStdString();
        QByteArray expected;
        for (size_t r = 0; r < rows.size(); ++r) {
            QStringList cells;
            for (int column = 0; column < kChannelColumnCount; ++column)
                cells << QString::fromLatin1(FormatRowCell(*demo, c.radio, c.filter, int(r), rows[r], column).c_str());
            expected += cells.join('\t').toUtf8() + '\n';
        }
        EXPECT_EQ(run.out, expected) << c.args.join(' ').toStdString();
    }
}

TEST_F(ChannelToolTest, RefusesBadArguments)
{
    const QStringList bad[] = {
        {"sort", In(), Out()},
        {"sort", In(), "--by", "size", Out()},
        {"sort", In(), "--by", "tp", "--fav", Out()},
        {"list", In(), "--satellite", "0"},
        {"list", In(), "--satellite", "7"}, // the demo has six satellites
        {"list", In(), "--fav", "9"},
        {"list", In(), "--fav", "1", "--satellite", "1"},
        {"list", In(), "--transponder", "x"},
        {"list", In(), "--what"},
        {"list"},
    };
    for (const QStringList& args : bad) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(Out()));
    EXPECT_EQ(RunTool({"list", dir.filePath("missing.sdx")}).exitCode, 2);
}

} // namespace

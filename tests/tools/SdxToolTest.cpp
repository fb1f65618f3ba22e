// Runs the built sdxtool as a user would and checks its output and exit codes.
#include "DatabaseBuilders.h"
#include "DatabaseCheck.h"
#include "DemoDatabase.h"
#include "FileAccess.h"

#include <QFile>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "ToolRun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <random>
#include <thread>

namespace {

class SdxToolTest : public ::testing::Test {
protected:
    QString PathOf(const QString& name) const { return dir.filePath(name); }

    QString WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(PathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QTemporaryDir dir;
};

TEST_F(SdxToolTest, ExitCodesTellSuccessBadInputAndUnopenableFiles)
{
    const QString demo = PathOf("demo.sdx");
    ASSERT_EQ(0, RunTool({"demo", demo}).exitCode);
    const QString junk = WriteFile("junk.sdx", QByteArray(300, 'j'));
    const QString missing = PathOf("missing.sdx");
    const QString unwritable = PathOf("no-folder/out.sdx");

    struct Case {
        QStringList args;
        int exitCode;
        const char* inOutput; // expected on standard output, or null
    };
    const Case cases[] = {
        {{"check", demo}, 0, "ok\n"},
        {{"check", junk}, 1, nullptr},
        {{"check", missing}, 2, nullptr},
        {{"info", demo}, 0, "TV channels:"},
        {{"info", junk}, 1, nullptr},
        {{"print", demo, PathOf("x.pdf"), "--radio", "--tree"}, 1, nullptr},
        {{"dump", missing}, 2, nullptr},
        {{"resave", demo, unwritable}, 2, nullptr},
        {{"resave", junk, PathOf("x.sdx")}, 1, nullptr},
        {{"new", unwritable}, 2, nullptr},
        {{"demo", PathOf("d.sdx"), "--maxi"}, 1, nullptr},
        {{"check"}, 1, nullptr},
        {{"check", demo, demo}, 1, nullptr},
        {{"frobnicate"}, 1, nullptr},
        {{}, 1, nullptr},
        {{"--help"}, 0, "resave IN OUT"},
        {{"resave", "--help"}, 0, "usage: sdxtool resave IN OUT"},
        {{"--version"}, 0, "sdxtool "},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunTool(c.args);
        EXPECT_EQ(c.exitCode, run.exitCode) << c.args.join(' ').toStdString();
        if (c.inOutput) {
            EXPECT_TRUE(run.out.contains(c.inOutput)) << c.args.join(' ').toStdString() << ": " << run.out.data();
        }
        if (c.exitCode != 0) {
            EXPECT_FALSE(run.err.isEmpty()) << c.args.join(' ').toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(PathOf("x.sdx")));
    EXPECT_FALSE(QFile::exists(PathOf("x.pdf")));
}

// Group names are the receiver's Latin-1 bytes; info shows them as UTF-8,
// padded to one column by characters.
TEST_F(SdxToolTest, InfoPrintsGroupNamesAsUtf8)
{
    auto db = MakeEmptyDatabase();
    std::memcpy(db->SettingsBlock.data() + kFavNamePos + kFavNameSize, "Caf\xE9 \xB0", 6);
    const QString path = PathOf("groups.sdx");
    ASSERT_EQ(SaveDatabaseFile(*db, path), FileSaveResult::Ok);
    const ToolRun run = RunTool({"info", path});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains(QString::fromUtf8("\n  2 Caf\u00e9 \u00b0%1  0 TV").arg(QString(11, u' ')).toUtf8()))
        << run.out.data();
}

// The command line as QCommandLineParser reads it: options before, between
// or after the files, "--name=value", -h and --help-all for help, a value
// option given twice refused; each command's --help shows the usage line
// the overview lists for it.
TEST_F(SdxToolTest, EverySpellingOfTheCommandLineWorks)
{
    const QString demo = PathOf("demo.sdx");
    ASSERT_EQ(0, RunTool({"demo", demo}).exitCode);
    struct Case {
        QStringList args;
        int exitCode;
    };
    const Case cases[] = {
        {{"demo", "--max", PathOf("max.sdx")}, 0},
        {{"sort", demo, "--by", "tp", PathOf("s1.sdx")}, 0},
        {{"sort", "--radio", "--by=name-za", demo, PathOf("s2.sdx")}, 0},
        {{"sort", demo, PathOf("s3.sdx")}, 1},
        {{"sort", demo, PathOf("s4.sdx"), "--by"}, 1},
        {{"sort", demo, PathOf("s5.sdx"), "--by", "size"}, 1},
        {{"list", "--fav", "1", demo, "--radio"}, 0},
        {{"list", demo, "--transponder=5"}, 0},
        {{"list", demo, "--fav", "1", "--fav", "2"}, 1},
        {{"list", demo, "--satellite", "1", "--fav", "2"}, 1},
        {{"list", demo, "--satellite", "0"}, 1},
        {{"list", demo, "--radio", "--tree"}, 1},
        {{"new", "-h"}, 0},
        {{"new", PathOf("n.sdx"), "--help-all"}, 0},
        {{"-h"}, 0},
        {{"-v"}, 0},
        {{"--bogus"}, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.exitCode, RunTool(c.args).exitCode) << c.args.join(' ').toStdString();
    for (const char* name : {"s3.sdx", "s4.sdx", "s5.sdx", "n.sdx"})
        EXPECT_FALSE(QFile::exists(PathOf(name))) << name;

    const QList<QByteArray> overview = RunTool({"--help"}).out.split('\n');
    const qsizetype first = overview.indexOf("commands:") + 1;
    ASSERT_GT(first, 0);
    for (qsizetype i = first; i < overview.size() && !overview[i].isEmpty(); ++i) {
        const QByteArray line = overview[i].trimmed();
        const QString name = QString::fromLatin1(line.left(line.indexOf(' ')));
        const ToolRun help = RunTool({name, "--help"});
        EXPECT_EQ(0, help.exitCode) << line.data();
        const QByteArray usage = help.out.left(help.out.indexOf('\n')).mid(int(std::strlen("usage: sdxtool ")));
        EXPECT_TRUE(help.out.startsWith("usage: sdxtool ") && line.startsWith(usage + ' ')) << help.out.data();
    }
}

// The diagnostic lines of loading and saving reach standard output only when
// EDITZARN_DEBUG is set, so scripts reading the tool's output see none.
TEST_F(SdxToolTest, DiagnosticLinesOnlyWithEditzarnDebug)
{
    const QString demo = PathOf("demo.sdx");
    ASSERT_EQ(0, RunTool({"demo", demo}).exitCode);
    auto db = std::make_unique<Database>();
    ASSERT_EQ(LoadResult::Ok, LoadDatabaseFile(*db, demo));
    ASSERT_GT(db->header.sFavNumber, 0);
    const QByteArray tvLine = " sTVNumber = " + QByteArray::number(db->header.sTVNumber) + "\n";

    struct Case {
        const char* pszDebug; // value of EDITZARN_DEBUG, or null to leave it unset
        bool bLines;
    };
    for (const Case c : {Case{nullptr, false}, Case{"1", true}, Case{"", true}}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("EDITZARN_DEBUG"));
        if (c.pszDebug)
            env.insert(QStringLiteral("EDITZARN_DEBUG"), QString::fromLatin1(c.pszDebug));
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(SDXTOOL_PATH, {"resave", demo, PathOf("out.sdx")});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0);
        const QByteArray out = process.readAllStandardOutput();
        const char* what = c.pszDebug ? c.pszDebug : "unset";
        EXPECT_EQ(out.contains(tvLine), c.bLines) << what << ": " << out.left(2000).data();
        EXPECT_EQ(out.contains("\nsave **TV FAV = "), c.bLines) << what;
        EXPECT_EQ(out.count("save **TV FAV = "), c.bLines ? db->header.sFavNumber : 0) << what;
        EXPECT_EQ(out.contains("\nTV FAV = "), c.bLines) << what;
        if (!c.bLines) {
            EXPECT_TRUE(out.isEmpty()) << out.data();
        }
        auto reread = std::make_unique<Database>();
        EXPECT_EQ(LoadResult::Ok, LoadDatabaseFile(*reread, PathOf("out.sdx"))) << what;
    }
}

TEST_F(SdxToolTest, ResaveKeepsTheInflatedPayload)
{
    std::mt19937 rng(7);
    auto db = MakeRandomDatabase(rng);
    std::vector<uint8_t> file;
    ASSERT_EQ(SaveResult::Ok, SaveDatabase(*db, file));
    const std::vector<uint8_t> image(db->PackedImage.begin(), db->PackedImage.begin() + db->header.iDataLen);
    const QString in =
        WriteFile("in.sdx", QByteArray(reinterpret_cast<const char*>(file.data()), qsizetype(file.size())));

    ASSERT_EQ(0, RunTool({"resave", in, PathOf("out.sdx")}).exitCode);
    auto reread = std::make_unique<Database>();
    ASSERT_EQ(LoadResult::Ok, LoadDatabaseFile(*reread, PathOf("out.sdx")));
    ASSERT_GT(BuildImage(*reread), 0);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), reread->PackedImage.begin()));
}

TEST_F(SdxToolTest, DumpWritesEveryTableAsJsonWithBytesAsCodePoints)
{
    auto db = MakeEmptyDatabase();
    AppendTransponder(*db, MakeSatelliteTp(7, 0, 11778));
    AppendChannel(*db, false, MakeChannel("Caf\xE9 \"1\"\t", 7, 3));
    AppendChannel(*db, true, MakeChannel("Radio", 7, 4));
    db->header.sSatNumber = 1;
    std::strcpy(db->SatelliteTable[0].acSatName, "Astra");
    ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(*db, PathOf("small.sdx")));

    const ToolRun run = RunTool({"dump", PathOf("small.sdx")});
    ASSERT_EQ(0, run.exitCode);
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(run.out, &error).object();
    ASSERT_EQ(QJsonParseError::NoError, error.error) << error.errorString().toStdString();
    EXPECT_EQ(1, json["header"]["tvNumber"].toInt());
    EXPECT_EQ("Astra", json["satellites"][0]["name"].toString());
    EXPECT_EQ(11778, json["transponders"][0]["freqMHz"].toInt());
    EXPECT_EQ(QString::fromLatin1("Caf\xE9 \"1\"\t"), json["tvChannels"][0]["name"].toString());
    EXPECT_EQ(7, json["radioChannels"][0]["tpId"].toInt());
    EXPECT_EQ("MyFav", json["settings"]["favNames"][0].toString());
    EXPECT_EQ(8, json["favGroups"].toArray().size());
}

// Every text byte, control characters and quotes included, comes back as
// the code point of its value, and every number as stored: a random database
// as the loader reads it is the reference.
TEST_F(SdxToolTest, DumpOfARandomDatabaseHoldsItsBytesAndNumbers)
{
    std::mt19937 rng(23);
    auto db = MakeRandomDatabase(rng);
    const QString path = PathOf("random.sdx");
    ASSERT_EQ(FileSaveResult::Ok, SaveDatabaseFile(*db, path));
    auto loaded = std::make_unique<Database>();
    ASSERT_EQ(LoadResult::Ok, LoadDatabaseFile(*loaded, path));

    const ToolRun run = RunTool({"dump", path});
    ASSERT_EQ(0, run.exitCode);
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(run.out, &error).object();
    ASSERT_EQ(QJsonParseError::NoError, error.error) << error.errorString().toStdString();
    const auto text = [](std::string_view bytes) {
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    };
    for (const bool radio : {false, true}) {
        const QJsonArray channels = json[radio ? "radioChannels" : "tvChannels"].toArray();
        ASSERT_EQ(ChannelCount(*loaded, radio), channels.size());
        for (int i = 0; i < channels.size(); ++i) {
            const ChannelRecord& c = ChannelTable(*loaded, radio)[i];
            EXPECT_EQ(text(FieldText(c.acName)), channels[i]["name"].toString()) << i;
            EXPECT_EQ(c.usServiceId + 65536 * int64_t(c.usTpId),
                      channels[i]["serviceId"].toInteger() + 65536 * channels[i]["tpId"].toInteger())
                << i;
            EXPECT_EQ(double(c.ulChFlags), channels[i]["chFlags"].toDouble()) << i;
        }
    }
    const QJsonArray transponders = json["transponders"].toArray();
    ASSERT_EQ(loaded->header.sTpNumber, transponders.size());
    for (int i = 0; i < transponders.size(); ++i) {
        const QJsonArray texts = transponders[i]["texts"].toArray();
        for (int slot = 0; slot < texts.size(); ++slot)
            EXPECT_EQ(text(FieldText(loaded->TransponderTable[i].acTpName[slot])), texts[slot].toString()) << i;
        EXPECT_EQ(double(loaded->TransponderTable[i].ulTpFlags), transponders[i]["tpFlags"].toDouble()) << i;
    }
    for (int g = 0; g < kMaxFavGroups; ++g)
        EXPECT_EQ(text(FavName(*loaded, g)), json["settings"]["favNames"][g].toString()) << g;
    const QByteArray settings(reinterpret_cast<const char*>(loaded->SettingsBlock.data()),
                              loaded->header.sSettingsLen);
    EXPECT_EQ(settings.toHex(), json["settings"]["bytes"].toString().toLatin1());
}

TEST_F(SdxToolTest, DemoWritesTheDatabaseTheGeneratorMakes)
{
    for (const bool max : {false, true}) {
        const QString path = PathOf(max ? "max.sdx" : "demo.sdx");
        ASSERT_EQ(0, RunTool(max ? QStringList{"demo", path, "--max"} : QStringList{"demo", path}).exitCode);
        auto expected = std::make_unique<Database>();
        BuildDemoDatabase(*expected, max ? DemoSize::Max : DemoSize::Typical);
        auto written = std::make_unique<Database>();
        ASSERT_EQ(LoadResult::Ok, LoadDatabaseFile(*written, path));
        ExpectSameTables(*expected, *written);
    }
}

TEST_F(SdxToolTest, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewFile)
{
    const QString source = PathOf("max.sdx");
    const QString target = PathOf("target.sdx");
    ASSERT_EQ(0, RunTool({"demo", source, "--max"}).exitCode);
    ASSERT_EQ(0, RunTool({"demo", target}).exitCode);
    const QByteArray before = ReadWholeFile(target, kMaxSdxFileSize).bytes;
    // A save that runs to its end gives the new file; its time is the first
    // aim of the kills.
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(0, RunTool({"resave", source, target}).exitCode);
    double aim = double(timer.nsecsElapsed() / 1000);
    const QByteArray after = ReadWholeFile(target, kMaxSdxFileSize).bytes;
    ASSERT_NE(before, after);

    // Each kill lands at a random moment around the aim, which follows the
    // moment the new file takes the old one's place however busy the
    // machine is: later after an old file, earlier after a new one. The
    // kills so gather where the save writes, checks and renames.
    constexpr int kEach = 15; // kills that left the old file, and the new one
    std::mt19937 rng(11);
    int sawOld = 0, sawNew = 0;
    for (int run = 0; run < 300 && (sawOld < kEach || sawNew < kEach); ++run) {
        QFile::remove(target);
        WriteFile("target.sdx", before);
        QProcess process;
        process.start(SDXTOOL_PATH, {"resave", source, target});
        ASSERT_TRUE(process.waitForStarted());
        std::this_thread::sleep_for(
            std::chrono::microseconds(int64_t(aim * std::uniform_real_distribution<double>(0.9, 1.1)(rng))));
        process.kill();
        process.waitForFinished();

        const QByteArray bytes = ReadWholeFile(target, kMaxSdxFileSize).bytes;
        ASSERT_TRUE(bytes == before || bytes == after) << "run " << run << ": " << bytes.size() << " bytes";
        const bool old = bytes == before;
        (old ? sawOld : sawNew) += 1;
        aim *= old ? 1.05 : 0.95;
    }
    EXPECT_GE(sawOld, kEach);
    EXPECT_GE(sawNew, kEach);
}

TEST(SampleDatabase, TheCommittedDemoIsWhatTheGeneratorMakes)
{
    const QString path = QStringLiteral(EDITZARN_SOURCE_DIR "/samples/demo.sdx");
    auto expected = std::make_unique<Database>();
    BuildDemoDatabase(*expected, DemoSize::Typical);
    auto sample = std::make_unique<Database>();
    ASSERT_EQ(LoadResult::Ok, LoadDatabaseFile(*sample, path)) << path.toStdString();
    ExpectSameTables(*expected, *sample);
}

} // namespace

namespace {

TEST_F(SdxToolTest, CheckDeepAndCleanTellWhatTheyFoundAndFixed)
{
    const QString demo = PathOf("demo.sdx"), debris = PathOf("debris.sdx");
    auto db = MakeEmptyDatabase();
    BuildDemoDatabase(*db, DemoSize::Typical);
    ASSERT_EQ(SaveDatabaseFile(*db, demo), FileSaveResult::Ok);
    AddDemoDebris(*db);
    ASSERT_EQ(SaveDatabaseFile(*db, debris), FileSaveResult::Ok);
    const QByteArray firstCopy = QByteArray("duplicate\tTV\t1\t") + db->TvChannelTable[0].acName + "\tkeeps " +
                                 QByteArray::number(db->header.sTVNumber - kDemoDebrisDuplicates + 1) + "\n";

    struct Case {
        QStringList args;
        int exitCode;
        const char* inOutput;
    };
    const Case cases[] = {
        {{"check", "--deep", debris}, 3, "Duplicate channels: 30\n"},
        {{"check", debris, "--deep"}, 3, firstCopy.constData()},
        {{"check", PathOf("missing.sdx"), "--deep"}, 2, nullptr},
        {{"clean", debris, PathOf("defaults.sdx")},
         0,
         "Duplicate channels: 30 fixed\nStale favourite entries: 2 fixed\nDuplicate transponders: 1 fixed\n"},
        {{"clean", debris, PathOf("all.sdx"), "--orphan-channels", "--duplicates", "--stale-favourites",
          "--duplicate-transponders"},
         0,
         "Channels without a transponder: "},
        {{"check", PathOf("all.sdx"), "--deep"}, 0, "Duplicate channels: 0\n"},
        {{"clean", demo, PathOf("same.sdx")}, 0, "nothing to fix\n"},
        {{"clean", debris, PathOf("x.sdx"), "--names"}, 1, nullptr},
    };
    for (const Case& c : cases) {
        const ToolRun run = RunTool(c.args);
        EXPECT_EQ(c.exitCode, run.exitCode) << c.args.join(' ').toStdString() << run.err.toStdString();
        if (c.inOutput) {
            EXPECT_TRUE(run.out.contains(c.inOutput)) << c.args.join(' ').toStdString() << ": " << run.out.data();
        }
    }
    EXPECT_FALSE(QFile::exists(PathOf("x.sdx")));
    // Without options, clean writes what the window's default fixes save.
    FixDatabase(*db, DefaultFixes());
    ASSERT_EQ(SaveDatabaseFile(*db, PathOf("window.sdx")), FileSaveResult::Ok);
    EXPECT_EQ(ReadWholeFile(PathOf("window.sdx"), kMaxSdxFileSize).bytes,
              ReadWholeFile(PathOf("defaults.sdx"), kMaxSdxFileSize).bytes);
}

} // namespace

#include "ListingImport.h"

#include "BitFields.h"
#include "DatabaseBuilders.h"
#include "ModelOperations.h"
#include "ScriptedPrompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::span<const uint8_t> Bytes(std::string_view text)
{
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

struct Found {
    uint32_t freq, symRate, pol, fec;
    bool operator==(const Found&) const = default;
};
void PrintTo(const Found& f, std::ostream* os) { *os << f.freq << "/" << f.symRate << "/" << f.pol << "/" << f.fec; }

std::vector<Found> Scan(std::string_view page, ListingBand band)
{
    std::vector<Found> found;
    ScanListingPage(Bytes(page), band, [&](const ListingTransponder& tp) {
        found.push_back({tp.ulFreq, tp.ulSymRate, tp.ulPolarisation, tp.ulFec});
    });
    return found;
}

struct ScanCase {
    const char* pszWhat;
    ListingBand band;
    std::string_view page;
    std::vector<Found> expected;
};

TEST(ListingScanner, FindsExactlyWhatEachBandPatternDescribes)
{
    using enum ListingBand;
    const std::vector<ScanCase> cases = {
        {"C link", C, "<a>11747</A> H</a><td>27500 - 3/4</td>", {{11747, 27500, 0, 3}}},
        {"C FEC 7/8 is no transponder", C, "<a>11747</A> H</a><td>27500 - 7/8</td>", {}},
        {"C lower-case a closes no link", C, "11747</a> H< 27500 - 3/4", {}},
        {"C letter must be followed by <", C, "11747</A> Hx 27500 - 3/4", {}},
        {"C filler before the letter", C, "11747</A>\xB0-0 V< 27500 - 1/2", {{11747, 27500, 1, 1}}},
        {"Ku plain text", Ku, "<td>11747 V</td><td>27500 -2/3</td>", {{11747, 27500, 1, 2}}},
        {"Ku L and R letters", Ku, "3700 L< 4000 - 1/2 3800 R< 4000 - 5/6", {{3700, 4000, 0, 1}, {3800, 4000, 1, 5}}},
        {"Ku needs one blank", Ku, "11747  V< 27500 - 2/3", {}},
        {"Ku ignores the C pattern", Ku, "11747</A> H< 27500 - 3/4", {}},
        {"C ignores the Ku pattern", C, "11747 V< 27500 - 3/4", {}},
        {"second frequency before a symbol rate (C)",
         C,
         "11747</A> H< 11800</A> V< 27500 - 3/4",
         {{11800, 27500, 1, 3}}},
        {"second frequency before a symbol rate (Ku)", Ku, "11747 H< 11800 V< 27500 - 1/2", {{11800, 27500, 1, 1}}},
        {"no blank before the dash", Ku, "11747 V< 27500-3/4", {}},
        {"no dash", Ku, "11747 V< 27500 3/4", {}},
        {"filler, zero included, after the dash", Ku, "11747 V< 27500 - 0 2/3", {{11747, 27500, 1, 2}}},
        {"frequency 500 rejected", Ku, "500 V< 27500 - 2/3", {}},
        {"frequency 501 accepted", Ku, "501 V< 27500 - 2/3", {{501, 27500, 1, 2}}},
        {"frequency 20000 accepted", Ku, "20000 V< 27500 - 2/3", {{20000, 27500, 1, 2}}},
        {"frequency 20001 rejected", Ku, "20001 V< 27500 - 2/3", {}},
        {"symbol rate 500 rejected", Ku, "11747 V< 500 - 2/3", {}},
        {"symbol rate 501 accepted", Ku, "11747 V< 501 - 2/3", {{11747, 501, 1, 2}}},
        {"symbol rate 45000 accepted", Ku, "11747 V< 45000 - 2/3", {{11747, 45000, 1, 2}}},
        {"symbol rate 45001 rejected, next one taken", Ku, "11747 V< 45001 - 2/3 30000 - 4/5", {{11747, 30000, 1, 4}}},
        {"in-range number before a tag eats three bytes", C, "1234<b>11747</A> H< 27500 - 3/4", {{1747, 27500, 0, 3}}},
        {"out-of-range number before a tag eats nothing", C, "123<b>11747</A> H< 27500 - 3/4", {{11747, 27500, 0, 3}}},
        {"a number does not start with 0", Ku, "011747 V< 027500 - 2/3", {{11747, 27500, 1, 2}}},
        {"C symbol rate before a non-link tag: back to the tag",
         C,
         "11747</A> H<td>27500<br>22000 - 5/6",
         {{11747, 22000, 0, 5}}},
        {"C link after the symbol rate without a letter",
         C,
         "11747</A> H< 27500</A> x 22000 - 1/2",
         {{11747, 22000, 0, 1}}},
        {"page ends inside the FEC", Ku, "11747 V< 27500 - 2/", {}},
        {"page ends after the frequency", C, "11747</A> H<", {}},
        {"long digit runs do not wrap into range", Ku, "4294978043 V< 27500 - 2/3 11747 V< 4294994796 - 2/3", {}},
        {"several in a row",
         C,
         "<tr><a>3840</A> H</a><td>4340 - 3/4</td><tr><a>3880</A> V</a><td>27500 - 5/6</td>",
         {{3840, 4340, 0, 3}, {3880, 27500, 1, 5}}},
        {"empty page", C, "", {}},
    };
    for (const ScanCase& c : cases)
        EXPECT_EQ(Scan(c.page, c.band), c.expected) << c.pszWhat;
}

struct NameCase {
    std::string_view fileName;
    bool bFound;
    std::string_view pageName;
    uint32_t position;
    bool west;
};

TEST(ListingScanner, FileNameGivesNamePositionAndDirection)
{
    const std::vector<NameCase> cases = {
        {"Sat A at 28.2\xB0"
         "E.htm",
         true, "Sat A", 282, false},
        {"Sat B at 18.0\xB0W.htm", true, "Sat B", 180, true},
        {"Sat B at 18.0W.htm", true, "Sat B", 180, false}, // the letter search starts at the end
        {"Sat C at 13.0E (2).htm", true, "Sat C", 1302, false},
        {"Sat D at 19.2\xC2\xB0"
         "E.htm",
         true, "Sat D", 192, false},
        {"/home/u/x at 9W/Sat E at 4.8\xB0 W.htm", true, "Sat E", 48, true},
        {"Sat F at \xB0W.htm", true, "Sat F", 0, true},
        {"Sat G at.htm", true, "Sat G", 0, false},
        {" at 28.2\xB0"
         "E.htm",
         false, "", 0, false},
        {"Sat H 28.2E.htm", false, "", 0, false},
        {"Sat I At 28.2E.htm", false, "", 0, false},
    };
    for (const NameCase& c : cases) {
        const auto name = ParseListingFileName(c.fileName);
        ASSERT_EQ(name.has_value(), c.bFound) << c.fileName;
        if (!name)
            continue;
        EXPECT_EQ(name->strPageName, c.pageName) << c.fileName;
        EXPECT_EQ(name->ulPosition, c.position) << c.fileName;
        EXPECT_EQ(name->bWest, c.west) << c.fileName;
    }
}

class RecordingTree : public IListingTree {
public:
    explicit RecordingTree(const Database& db) : db(db) {}
    void AddSatelliteNode(int index) override
    {
        aCalls.push_back("add " + std::to_string(index) + " count " + std::to_string(db.header.sSatNumber));
    }
    void FillTransponderNodes(int index) override
    {
        aCalls.push_back("fill " + std::to_string(index) + " tps " + std::to_string(db.header.sTpNumber));
    }
    const Database& db;
    std::vector<std::string> aCalls;
};

constexpr std::string_view kCPage = "<a>3840</A> H</a> 4340 - 3/4 <a>3880</A> V</a> 27500 - 5/6";
constexpr std::string_view kKuPage = "11747 V< 27500 - 2/3";

TEST(ListingImport, PassBuildsSatelliteAndTransponderRecords)
{
    auto db = MakeEmptyDatabase();
    AppendTransponder(*db, MakeSatelliteTp(7, 0, 12000));
    db->header.sSatNumber = 1;
    RecordingTree tree(*db);
    const std::string page = std::string(kCPage) + " " + std::string(kKuPage);
    const std::string name = "A Long Satellite Name at 28.2\xB0W.htm";
    ASSERT_EQ(ImportListingPass(*db, Bytes(page), name, ListingBand::C, &tree), ImportResult::Added);
    ASSERT_EQ(ImportListingPass(*db, Bytes(page), name, ListingBand::Ku, &tree), ImportResult::Added);
    EXPECT_EQ(tree.aCalls,
              (std::vector<std::string>{"add 1 count 1", "fill 1 tps 3", "add 2 count 2", "fill 2 tps 4"}));

    ASSERT_EQ(db->header.sSatNumber, 3);
    const SatelliteRecord& c = db->SatelliteTable[1];
    const SatelliteRecord& ku = db->SatelliteTable[2];
    EXPECT_EQ(std::string_view(c.acSatName, 16), "C_A Long Satelli");
    EXPECT_EQ(std::string_view(ku.acSatName, 16), "Ku_A Long Satell");
    EXPECT_EQ(c.usLnbLow, 5150);
    EXPECT_EQ(c.usLnbHigh, 5750);
    EXPECT_EQ(ku.usLnbLow, 9750);
    EXPECT_EQ(ku.usLnbHigh, 10600);
    EXPECT_EQ(c.ulSatPos, 282u);
    EXPECT_EQ(c.ulSatFlags, 2u << 1 | 1u << 18);
    EXPECT_EQ(ku.ulSatFlags, 1u | 2u << 1 | 1u << 18);

    ASSERT_EQ(db->header.sTpNumber, 4);
    TransponderRecord expected{};
    expected.usFreq = 3880;
    expected.usSymRate = 27500;
    SetTpKind(expected, kTpSatellite);
    SetTpPolarisation(expected, 1);
    SetTpFec(expected, 5);
    SetTpSatIndex(expected, 1);
    SetTpId(expected, 1);
    EXPECT_EQ(std::memcmp(&db->TransponderTable[2], &expected, sizeof expected), 0);
    EXPECT_EQ(TpId(db->TransponderTable[1]), 0u);
    EXPECT_EQ(TpSatIndex(db->TransponderTable[3]), 2u);
    EXPECT_EQ(TpId(db->TransponderTable[3]), 2u);
}

TEST(ListingImport, ShortNameEndsWithZeroAndPositionKeepsElevenBits)
{
    auto db = MakeEmptyDatabase();
    ASSERT_EQ(ImportListingPass(*db, {}, "S at 213.5E.htm", ListingBand::Ku, nullptr), ImportResult::Added);
    EXPECT_STREQ(db->SatelliteTable[0].acSatName, "Ku_S");
    EXPECT_EQ(db->SatelliteTable[0].ulSatPos, 2135u & 0x7FF);
    EXPECT_EQ(SatDirection(db->SatelliteTable[0]), 0u);
    EXPECT_EQ(db->header.sTpNumber, 0); // a page without transponders still adds the satellite
}

TEST(ListingImport, IdentifiersFillTheGapsFirst)
{
    auto db = MakeEmptyDatabase();
    for (const uint32_t id : {0u, 1u, 3u, 4095u})
        AppendTransponder(*db, MakeSatelliteTp(id, 0, 12000));
    const std::string page = "11747 V< 27500 - 2/3 11766 H< 27500 - 2/3 11785 V< 27500 - 2/3";
    ASSERT_EQ(ImportListingPass(*db, Bytes(page), "S at 1E", ListingBand::Ku, nullptr), ImportResult::Added);
    ASSERT_EQ(db->header.sTpNumber, 7);
    EXPECT_EQ(TpId(db->TransponderTable[4]), 2u);
    EXPECT_EQ(TpId(db->TransponderTable[5]), 4u);
    EXPECT_EQ(TpId(db->TransponderTable[6]), 5u);
}

TEST(ListingImport, FullTransponderTableDropsTheRestSilently)
{
    auto db = MakeEmptyDatabase();
    for (int i = 0; i < kMaxTransponders - 2; ++i)
        AppendTransponder(*db, MakeSatelliteTp(uint32_t(i), 0, 12000));
    const std::string page = "11747 V< 27500 - 2/3 11766 H< 27500 - 2/3 11785 V< 27500 - 2/3";
    ASSERT_EQ(ImportListingPass(*db, Bytes(page), "S at 1E", ListingBand::Ku, nullptr), ImportResult::Added);
    EXPECT_EQ(db->header.sSatNumber, 1);
    ASSERT_EQ(db->header.sTpNumber, kMaxTransponders);
    EXPECT_EQ(db->TransponderTable[kMaxTransponders - 1].usFreq, 11766);
    EXPECT_EQ(TpId(db->TransponderTable[kMaxTransponders - 1]), uint32_t(kMaxTransponders - 1));
}

TEST(ListingImport, RandomPagesImportOnlyValidRecords)
{
    const std::vector<std::string> pieces = {"11747", "3840", "27500", "45001", "500",        "0",   "1234", "</A>",
                                             "</a>",  "/A>",  " ",     "  ",    "-",          " - ", "H",    "V",
                                             "L",     "R",    "x",     "<",     "<td>",       "1/2", "2/3",  "3/4",
                                             "7/8",   "5/6",  "\xB0",  "\n",    "99999999999"};
    std::mt19937 rng(20240611);
    auto db = MakeEmptyDatabase();
    for (int round = 0; round < 300; ++round) {
        std::string page;
        const int length = std::uniform_int_distribution<int>(0, 400)(rng);
        for (int i = 0; i < length; ++i) {
            if (rng() % 8 == 0)
                page += char(rng() & 0xFF);
            else
                page += pieces[rng() % pieces.size()];
        }
        ResetDatabase(*db);
        const ListingBand band = round % 2 ? ListingBand::Ku : ListingBand::C;
        ASSERT_EQ(ImportListingPass(*db, Bytes(page), "R at 1E", band, nullptr), ImportResult::Added);
        for (int t = 0; t < db->header.sTpNumber; ++t) {
            const TransponderRecord& tp = db->TransponderTable[size_t(t)];
            EXPECT_TRUE(tp.usFreq >= 501 && tp.usFreq <= 20000) << page;
            EXPECT_TRUE(tp.usSymRate >= 501 && tp.usSymRate <= 45000) << page;
            EXPECT_TRUE(TpFec(tp) >= 1 && TpFec(tp) <= 5) << page;
            EXPECT_EQ(tp.ulTpFlags & ~(0xFFFFFu << 12 | 0x3u << 5 | 0x7u << 9), 1u);
            EXPECT_EQ(TpSatIndex(tp), 0u);
            EXPECT_EQ(TpId(tp), uint32_t(t));
        }
    }
}

// A page file in a temporary folder, imported through the command.
class ListingCommand : public ::testing::Test {
protected:
    QString WritePage(const QString& name, std::string_view contents)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents.data(), qsizetype(contents.size()));
        return path;
    }
    void Run(const QString& path)
    {
        RunListingImport(*db, prompts, path, nullptr, [this] { ++iModified; });
    }

    QTemporaryDir dir;
    std::unique_ptr<Database> db = MakeEmptyDatabase();
    ScriptedPrompts prompts;
    int iModified = 0;
};

TEST_F(ListingCommand, ImportAddsTwoSatellitesEachWithItsBand)
{
    const QString path =
        WritePage(QStringLiteral("Sat A at 28.2°E.htm"), std::string(kCPage) + " " + std::string(kKuPage));
    Run(path);
    Run(path);
    EXPECT_TRUE(prompts.Messages().empty());
    EXPECT_EQ(iModified, 4);
    ASSERT_EQ(db->header.sSatNumber, 4);
    EXPECT_STREQ(db->SatelliteTable[0].acSatName, "C_Sat A");
    EXPECT_STREQ(db->SatelliteTable[1].acSatName, "Ku_Sat A");
    EXPECT_EQ(SatPosition(db->SatelliteTable[1]), 282u);
    EXPECT_EQ(db->header.sTpNumber, 6);
    EXPECT_EQ(db->TransponderTable[5].usFreq, 11747);
    EXPECT_EQ(TpSatIndex(db->TransponderTable[5]), 3u);
}

TEST_F(ListingCommand, EveryRefusalShowsItsMessagePerPass)
{
    const ShownMessage full{kMsgSatellitesFull, kAppName, MsgButtons::Ok, MsgIcon::None};
    const ShownMessage cannotOpen{kMsgCannotOpenPage, kAppName, MsgButtons::Ok, MsgIcon::Stop};
    const QString page = WritePage(QStringLiteral("S at 1E.htm"), kKuPage);
    for (int i = 0; i < 7; ++i)
        prompts.QueueAnswer(MsgAnswer::Ok);

    db->header.sSatNumber = kMaxSatellites - 1;
    Run(page);
    EXPECT_EQ(prompts.Messages(), std::vector<ShownMessage>{full});
    EXPECT_EQ(db->header.sSatNumber, kMaxSatellites);
    EXPECT_EQ(iModified, 1);

    Run(dir.filePath(QStringLiteral("missing at 1E.htm"))); // full comes before the page is opened
    EXPECT_EQ(prompts.Messages(), (std::vector<ShownMessage>{full, full, full}));

    ResetDatabase(*db);
    Run(dir.filePath(QStringLiteral("missing at 1E.htm")));
    Run(dir.path()); // a folder is no page
    EXPECT_EQ(prompts.MessagesWithoutReasons(),
              (std::vector<ShownMessage>{full, full, full, cannotOpen, cannotOpen, cannotOpen, cannotOpen}));
    Run(WritePage(QStringLiteral("no position.htm"), kKuPage));
    EXPECT_EQ(prompts.Messages().size(), 7u);
    EXPECT_EQ(db->header.sSatNumber, 0);
    EXPECT_EQ(iModified, 1);
}

// An empty page still names a satellite: both passes add it, with no
// transponders; an empty path is no page; no modified-callback is needed.
TEST_F(ListingCommand, EmptyPageAddsSatellitesWithoutTransponders)
{
    const QString page = WritePage(QStringLiteral("Empty at 19.2E.htm"), "");
    EXPECT_EQ(ImportListingFile(*db, page, nullptr),
              (std::array<ImportResult, 2>{ImportResult::Added, ImportResult::Added}));
    EXPECT_EQ(db->header.sSatNumber, 2);
    EXPECT_EQ(db->header.sTpNumber, 0);
    EXPECT_STREQ(db->SatelliteTable[1].acSatName, "Ku_Empty");

    EXPECT_EQ(ImportListingFile(*db, QString(), nullptr),
              (std::array<ImportResult, 2>{ImportResult::CannotOpen, ImportResult::CannotOpen}));
    RunListingImport(*db, prompts, page, nullptr, {});
    EXPECT_EQ(db->header.sSatNumber, 4);
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(ListingCommand, MenuItemAsksForThePageFirst)
{
    EXPECT_EQ(kMenuLoadListing, QStringLiteral("Load Satellite from html file of satellite listing site..."));
    prompts.QueueCancel();
    LoadSatelliteFromHtml(*db, prompts, nullptr, [this] { ++iModified; });
    prompts.QueueFile(WritePage(QStringLiteral("S at 1E.htm"), kKuPage));
    LoadSatelliteFromHtml(*db, prompts, nullptr, [this] { ++iModified; });
    const AskedFileDialog asked{AskedDialog::Open,
                                QStringLiteral("Select saved html file from satellite listing site "),
                                QStringLiteral("HTM Files (*.htm)|*.htm|All Files (*.*)|*.*||")};
    EXPECT_EQ(prompts.FileDialogs(), (std::vector<AskedFileDialog>{asked, asked}));
    EXPECT_EQ(db->header.sSatNumber, 2);
    EXPECT_EQ(iModified, 2);
}

} // namespace

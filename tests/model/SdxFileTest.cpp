#include "BitFields.h"
#include "DatabaseBuilders.h"
#include "DemoDatabase.h"
#include "ModelOperations.h"
#include "SdxFile.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>

namespace {

using Bytes = std::vector<uint8_t>;

void Append(Bytes& to, std::initializer_list<uint8_t> bytes) { to.insert(to.end(), bytes); }
void Append(Bytes& to, std::string_view text) { to.insert(to.end(), text.begin(), text.end()); }
template <typename T>
void AppendRaw(Bytes& to, const T& value, size_t size = sizeof(T))
{
    const auto* p = reinterpret_cast<const uint8_t*>(&value);
    to.insert(to.end(), p, p + size);
}

uint32_t Word(const Bytes& b, size_t at)
{
    uint32_t value;
    std::memcpy(&value, b.data() + at, sizeof value); // the records already require a little-endian host
    return value;
}

// Compares expected with the bytes of actual from offset at, naming the first difference.
void ExpectBytesAt(const Bytes& actual, size_t at, const Bytes& expected)
{
    ASSERT_LE(at + expected.size(), actual.size());
    const auto diff = std::mismatch(expected.begin(), expected.end(), actual.begin() + long(at));
    EXPECT_TRUE(diff.first == expected.end())
        << "first difference at offset " << at + size_t(diff.first - expected.begin());
}

Bytes ImageOf(Database& db)
{
    const int length = BuildImage(db);
    EXPECT_GE(length, 0);
    return Bytes(db.PackedImage.begin(), db.PackedImage.begin() + std::max(length, 0));
}

using Tweak = std::function<void(SdxHeader&, Bytes& image)>;

// The file of a database, with header and image edited before compression.
Bytes FileOf(Database& db, const Tweak& tweak = {})
{
    Bytes image = ImageOf(db);
    SdxHeader h = db.header;
    h.iDataLen = int32_t(image.size());
    if (tweak)
        tweak(h, image);
    return MakeFile(h, image);
}

// One satellite, two transponders with text slots, one TV and one radio
// channel, ten settings bytes, the reserved word and two favourite groups.
std::unique_ptr<Database> MakeFixtureDatabase()
{
    auto db = MakeEmptyDatabase();
    SdxHeader& h = db->header;
    std::strcpy(h.acMagic, "Receiver SDX v2");
    h.sSatSize = 0; // the writer stores 28 whatever this says
    h.sSettingsLen = 10;
    h.sFavNumber = 2;

    SatelliteRecord& sat = db->SatelliteTable[h.sSatNumber++];
    std::strcpy(sat.acSatName, "Astra 19.2E");
    sat.usLnbLow = 9750;
    sat.usLnbHigh = 10600;
    sat.ulSatPos = 192;
    sat.ulSatFlags = 0x3FC00001;

    TransponderRecord tp = MakeSatelliteTp(7, 0, 11778);
    tp.usFirst = 0xBEEF;
    tp.usNameLens = 0x405F; // slot lengths 15, 5, 0, 4
    SetTpTextSlots(tp, 6);  // only the four slots that exist are stored
    std::memcpy(tp.acTpName[0], "ABCDEFGHIJKLMNOP", 16);
    std::strcpy(tp.acTpName[1], "hello");
    std::memcpy(tp.acTpName[3], "wxyz", 4);
    AppendTransponder(*db, tp);
    TransponderRecord second = MakeSatelliteTp(8, 0, 12000);
    second.usNameLens = 0x0053; // slot 1 has a length but is not in use
    SetTpTextSlots(second, 1);
    std::strcpy(second.acTpName[0], "abc");
    std::strcpy(second.acTpName[1], "extra");
    AppendTransponder(*db, second);

    AppendChannel(*db, false, MakeChannel("Jazz", 7, 0x1234));
    AppendChannel(*db, true, MakeChannel("", 8, 0x0042));
    std::memcpy(db->ReservedWord.data(), "\xDE\xAD\xBE\xEF", 4);
    AddFavEntry(*db, 0, 0x00071234, 0);
    AddFavEntry(*db, 1, 0x00080042, 1);
    return db;
}

// Offsets of the fixture's channels in its image.
constexpr size_t kFixtureTvOffset = 28 + 40 + 16;
constexpr size_t kFixtureRadioOffset = kFixtureTvOffset + 40;

// The fixture as the reader rebuilds it from its own file.
const Database& LoadedFixture()
{
    static const std::unique_ptr<Database> loaded = [] {
        auto db = MakeFixtureDatabase();
        const Bytes file = FileOf(*db);
        auto result = MakeEmptyDatabase();
        EXPECT_EQ(LoadResult::Ok, LoadDatabase(*result, file));
        return result;
    }();
    return *loaded;
}

// ---------------------------------------------------------------------------
// Byte-exact layout

TEST(SdxFileTest, HeaderIsWrittenByteExact)
{
    auto db = MakeFixtureDatabase();
    SdxHeader& h = db->header;
    std::memcpy(h.acTag, "ABC", 3);
    h.ucTagPad = 0x7A;
    h.iDataLen = 5;
    h.sTpSize = 1234;
    h.sChannelSize = -5;
    h.usHeaderPad = 0xA55A;
    h.ulZipLen = 999;
    h.ulCheck = 0x12345678;
    Bytes file;
    ASSERT_EQ(SaveResult::Ok, SaveDatabase(*db, file));

    Bytes expected;
    Append(expected, std::string_view("CDX\x7A"
                                      "Receiver SDX v2\0\0\0\0\0\0\0\0\0",
                                      28));
    Append(expected, {0x1E, 0x0A, 0,    0,                            // iDataLen 2590
                      1,    0,    2,    0,    1,    0,    1,    0,    // satellites, transponders, TV, radio
                      28,   0,    0xD2, 0x04, 0xFB, 0xFF,             // sSatSize forced to 28; sizes carried
                      10,   0,    4,    0,    2,    0,    0xB8, 0x04, // settings, reserved, groups, group size
                      0x5A, 0xA5});
    ExpectBytesAt(file, 0, expected);
    EXPECT_EQ(file.size() - 64, Word(file, 56)) << "ulZipLen";
    EXPECT_EQ(0u, Word(file, 60)) << "ulCheck";
    EXPECT_EQ(0, std::memcmp(file.data(), &db->header, 64)) << "the header in memory is the one written";

    // The payload is what zlib's compress makes of the image at the default level.
    const Bytes image = ImageOf(*db);
    uLongf zipLen = compressBound(uLong(image.size()));
    Bytes payload(zipLen);
    ASSERT_EQ(Z_OK, compress(payload.data(), &zipLen, image.data(), uLong(image.size())));
    payload.resize(zipLen);
    EXPECT_EQ(payload, Bytes(file.begin() + 64, file.end()));
}

TEST(SdxFileTest, ImageHoldsEverySectionInOrder)
{
    auto db = MakeFixtureDatabase();
    const Bytes image = ImageOf(*db);
    ASSERT_EQ(2590u, image.size());

    Bytes expected;
    Append(expected, std::string_view("Astra 19.2E\0\0\0\0\0", 16));
    Append(expected, {0x16, 0x26, 0x68, 0x29, 0xC0, 0, 0, 0, 0x01, 0, 0xC0, 0x3F});
    // Transponder with n = 6: slots of 15, 5, 0 and 4 characters stored as 16, 8, 0 and 4 bytes.
    Append(expected, {0xEF, 0xBE, 0x5F, 0x40, 0x02, 0x2E, 0x6C, 0x6B, 0x19, 0x00, 0x70, 0x00});
    Append(expected, std::string_view("ABCDEFGHIJKLMNOPhello\0\0\0wxyz", 28));
    // Transponder with n = 1: slot 1 is not stored although it has a length.
    Append(expected, {0x00, 0x00, 0x53, 0x00, 0xE0, 0x2E, 0x6C, 0x6B, 0x05, 0x00, 0x80, 0x00});
    Append(expected, std::string_view("abc\0", 4));
    ASSERT_EQ(kFixtureTvOffset, expected.size());
    Append(expected, {0x55, 0x55, 0, 0, 4, 0, 0, 0, 101, 0, 0, 0, 0, 0, 0, 0, 0x34, 0x12, 0x07, 0});
    expected.resize(expected.size() + 16);
    Append(expected, "Jazz");
    ASSERT_EQ(kFixtureRadioOffset, expected.size());
    Append(expected, {0x55, 0x55, 0, 0, 0, 0, 0, 0, 101, 0, 0, 0, 0, 0, 0, 0, 0x42, 0x00, 0x08, 0});
    expected.resize(expected.size() + 16);
    Append(expected, {0, 0, 0, 0, 2, 20, 0, 0, 38, 1}); // settings
    Append(expected, {0xDE, 0xAD, 0xBE, 0xEF});
    AppendRaw(expected, db->FavGroupTable, 2 * sizeof(FavGroup));
    ExpectBytesAt(image, 0, expected);
}

TEST(SdxFileTest, TextSlotsReadBackAsStored)
{
    const Database& db = LoadedFixture();
    const TransponderRecord& tp = db.TransponderTable[0];
    EXPECT_EQ(6u, TpTextSlots(tp));
    EXPECT_EQ("ABCDEFGHIJKLMNO", FieldText(tp.acTpName[0])) << "16 bytes stored, 15 characters read";
    EXPECT_EQ("hello", FieldText(tp.acTpName[1]));
    EXPECT_EQ("", FieldText(tp.acTpName[2]));
    EXPECT_EQ("wxyz", FieldText(tp.acTpName[3]));
    EXPECT_EQ("abc", FieldText(db.TransponderTable[1].acTpName[0]));
    EXPECT_EQ("", FieldText(db.TransponderTable[1].acTpName[1]));
    EXPECT_EQ("Jazz", FieldText(db.TvChannelTable[0].acName));
    EXPECT_EQ(0x00080042u, db.FavGroupTable[1].aulFavKey[199]);
    EXPECT_EQ(0, std::memcmp(&db.SatelliteTable[1], "\xFF\xFF\xFF\xFF", 4)) << "unused satellite slots";
}

// ---------------------------------------------------------------------------
// Hand-made files

// Counts and section sizes of an image of bare records: satellites and
// transponders of zero bytes, channels of a marked 36-byte head only.
struct Layout {
    int sats = 1, tps = 1, tv = 1, radio = 1;
    int settings = kSettingsSize, reserved = kReservedSize, favs = kMaxFavGroups, favSize = sizeof(FavGroup);
};
constexpr Layout kChannelOnly{.sats = 0, .tps = 0, .tv = 1, .radio = 0, .settings = 0, .reserved = 0, .favs = 0};

// A file of the layout (negative numbers give no bytes), edited by tweak
// before compression.
Bytes RawFile(const Layout& l, const Tweak& tweak = {})
{
    const auto n = [](int v) { return size_t(std::max(v, 0)); };
    Bytes image(n(l.sats) * sizeof(SatelliteRecord) + n(l.tps) * 12);
    ChannelRecord bare{};
    bare.ulMarker = kChannelMarker;
    for (size_t i = 0; i < n(l.tv) + n(l.radio); ++i)
        AppendRaw(image, bare, 36);
    image.resize(image.size() + n(l.settings) + n(l.reserved) + n(l.favs) * n(l.favSize));

    SdxHeader h{};
    std::strcpy(h.acMagic, "SDX");
    h.iDataLen = int32_t(image.size());
    // The eleven 16-bit fields from sSatNumber to sFavSize, in header order.
    const int16_t fields[] = {
        int16_t(l.sats),     int16_t(l.tps),      int16_t(l.tv),   int16_t(l.radio),  28, 76, 420,
        int16_t(l.settings), int16_t(l.reserved), int16_t(l.favs), int16_t(l.favSize)};
    std::memcpy(&h.sSatNumber, fields, sizeof fields);
    if (tweak)
        tweak(h, image);
    return MakeFile(h, image);
}

using FileMaker = std::function<Bytes()>;

FileMaker Raw(Layout l, Tweak tweak = {})
{
    return [=] { return RawFile(l, tweak); };
}
FileMaker Fixture(Tweak tweak)
{
    return [=] {
        auto db = MakeFixtureDatabase();
        return FileOf(*db, tweak);
    };
}
// A file of the layout, edited after compression.
FileMaker Edited(Layout l, std::function<void(Bytes&)> edit)
{
    return [=] {
        Bytes file = RawFile(l);
        edit(file);
        return file;
    };
}

Tweak Magic(std::string_view text)
{
    return [=](SdxHeader& h, Bytes&) {
        std::memset(h.acMagic, 0, sizeof h.acMagic);
        std::memcpy(h.acMagic, text.data(), text.size());
    };
}
Tweak DataLen(int32_t value)
{
    return [=](SdxHeader& h, Bytes&) { h.iDataLen = value; };
}
Tweak DataLenShortBy(int32_t by)
{
    return [=](SdxHeader& h, Bytes& image) { h.iDataLen = int32_t(image.size()) - by; };
}
// Pads the image to size and leaves the reader to size it.
Tweak PaddedWithZeroDataLen(size_t size)
{
    return [=](SdxHeader& h, Bytes& image) {
        image.resize(size);
        h.iDataLen = 0;
    };
}
Tweak Image(Bytes bytes)
{
    return [=](SdxHeader& h, Bytes& image) {
        image = bytes;
        h.iDataLen = int32_t(image.size());
    };
}
// The stray words are inserted from the back so that offsets stay valid.
Tweak StrayWords(int beforeTv, int beforeRadio)
{
    return [=](SdxHeader& h, Bytes& image) {
        image.insert(image.begin() + long(kFixtureRadioOffset), size_t(4 * beforeRadio), 0xFF);
        image.insert(image.begin() + long(kFixtureTvOffset), size_t(4 * beforeTv), 0xFF);
        h.iDataLen = int32_t(image.size());
    };
}
// The fixture with its whole settings block and group 0 named name.
Tweak NameGroupZero(std::string_view name)
{
    return [=](SdxHeader& h, Bytes& image) {
        const size_t settings = kFixtureRadioOffset + 36;
        image.insert(image.begin() + long(settings + 10), kSettingsSize - 10, 0);
        std::copy(name.begin(), name.end(), image.begin() + long(settings + kFavNamePos));
        h.sSettingsLen = kSettingsSize;
        h.iDataLen = int32_t(image.size());
    };
}

struct FileCase {
    const char* name;
    FileMaker make;
    std::function<void(const Database&)> check = {};
};
std::string CaseName(const testing::TestParamInfo<FileCase>& info) { return info.param.name; }
void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

// Every refused file leaves a loaded database exactly as it was.
class RefusedFileTest : public testing::TestWithParam<FileCase> {
protected:
    static void SetUpTestSuite()
    {
        snapshot = MakeEmptyDatabase().release();
        BuildDemoDatabase(*snapshot, DemoSize::Typical);
        Bytes file;
        ASSERT_EQ(SaveResult::Ok, SaveDatabase(*snapshot, file));
        ASSERT_EQ(LoadResult::Ok, LoadDatabase(*snapshot, file));
    }
    static void TearDownTestSuite() { delete snapshot; }
    static inline Database* snapshot = nullptr;
};

TEST_P(RefusedFileTest, IsNotCorrectAndChangesNothing)
{
    ASSERT_NE(nullptr, snapshot);
    auto db = MakeEmptyDatabase();
    *db = *snapshot;
    EXPECT_EQ(LoadResult::NotCorrect, LoadDatabase(*db, GetParam().make()));
    ExpectSameDatabase(*snapshot, *db);
}

constexpr Layout kSettingsOnly{.sats = 0, .tps = 0, .tv = 0, .radio = 0, .settings = 16, .reserved = 0, .favs = 0};
constexpr Layout kTpOnly{.sats = 0, .tps = 1, .tv = 0, .radio = 0, .settings = 0, .reserved = 0, .favs = 0};

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFileTest,
    testing::Values(
        FileCase{"Empty", [] { return Bytes{}; }},
        FileCase{"SixtyThreeBytes", Edited({}, [](Bytes& f) { f.resize(63); })},
        FileCase{"OneByteTooLong", Edited({}, [](Bytes& f) { f.push_back(0); })},
        FileCase{"OneByteTooShort", Edited({}, [](Bytes& f) { f.pop_back(); })},
        FileCase{"NotAZlibStream", Edited({}, [](Bytes& f) { std::fill(f.begin() + 64, f.end(), 0xAB); })},
        FileCase{"MagicWithoutSdx", Raw({}, Magic("SD-X"))},
        FileCase{"SdxAfterTheMagicsNul", Raw({}, Magic({"db\0SDX", 6}))},
        // 16 distinct bytes do not compress: the stream is longer than what it inflates to.
        FileCase{"InflatesToFewerBytesThanZipLen",
                 Raw(kSettingsOnly, Image({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}))},
        FileCase{"InflatesPastDataLenPlusTen", Raw({}, DataLenShortBy(11))},
        FileCase{"DataLenAboveOneMiB", Raw({}, DataLen(kPackedImageSize + 1))},
        FileCase{"PayloadAboveOneMiBWithZeroDataLen", Raw({.tv = 8000}, PaddedWithZeroDataLen(kPackedImageSize + 1))},
        FileCase{"NegativeSatellites", Raw({.sats = -1})}, FileCase{"NegativeTransponders", Raw({.tps = -1})},
        FileCase{"NegativeTv", Raw({.tv = -1})}, FileCase{"NegativeRadio", Raw({.radio = -1})},
        FileCase{"NegativeSettingsLen", Raw({.settings = -1})}, FileCase{"Satellites101", Raw({.sats = 101})},
        FileCase{"Transponders4001", Raw({.tps = 4001})}, FileCase{"Tv8001", Raw({.tv = 8001})},
        FileCase{"Radio8001", Raw({.radio = 8001})}, FileCase{"SettingsLen1485", Raw({.settings = 1485})},
        FileCase{"ReservedLen5", Raw({.reserved = 5})}, FileCase{"NineGroups", Raw({.favs = 9})},
        FileCase{"GroupSize1207", Raw({.favSize = 1207})}, FileCase{"GroupSize1209", Raw({.favSize = 1209})},
        FileCase{"LastSectionOneByteShort", Raw({},
                                                [](SdxHeader& h, Bytes& image) {
                                                    image.pop_back();
                                                    h.iDataLen = int32_t(image.size());
                                                })},
        FileCase{"TransponderTextPastTheEnd", Raw(kTpOnly,
                                                  [](SdxHeader&, Bytes& image) {
                                                      image[2] = 0x0F; // slot 0 of 15 characters
                                                      image[8] = 0x04; // one slot in use
                                                  })},
        FileCase{"ChannelNamePastTheEnd", Raw(kChannelOnly, [](SdxHeader&, Bytes& image) { image[4] = 27; })},
        FileCase{"StrayWordThenEnd", Raw(kChannelOnly, Image({7, 0, 0, 0}))},
        FileCase{"TwoStrayWordsThenEnd", Raw(kChannelOnly, Image({7, 0, 0, 0, 7, 0, 0, 0}))}),
    CaseName);

class AcceptedFileTest : public testing::TestWithParam<FileCase> {};

TEST_P(AcceptedFileTest, Loads)
{
    auto db = MakeEmptyDatabase();
    ASSERT_EQ(LoadResult::Ok, LoadDatabase(*db, GetParam().make()));
    if (GetParam().check)
        GetParam().check(*db);
}

void ExpectFixtureTables(const Database& db) { ExpectSameTables(LoadedFixture(), db); }
std::function<void(const Database&)> ExpectGroupZeroName(std::string_view bytes)
{
    return [=](const Database& db) {
        EXPECT_EQ(0, std::memcmp(db.SettingsBlock.data() + kFavNamePos, bytes.data(), kFavNameSize));
    };
}

INSTANTIATE_TEST_SUITE_P(
    Files, AcceptedFileTest,
    testing::Values(
        FileCase{"BareRecords", Raw({}), [](const Database& db) { EXPECT_EQ(1, db.header.sRadioNumber); }},
        FileCase{"EveryTableFull", Raw({.sats = 100, .tps = 4000, .tv = 8000, .radio = 8000}),
                 [](const Database& db) { EXPECT_EQ(8000, db.header.sRadioNumber); }},
        FileCase{"LowerCaseSdxInsideAWord", Raw({}, Magic("xsdxy"))},
        FileCase{"MagicWithoutNul", Raw({}, Magic("receiver database v2 SDX"))},
        FileCase{"ArbitraryCheckValue", Edited({}, [](Bytes& f) { std::fill(f.begin() + 60, f.begin() + 64, 0xA7); }),
                 [](const Database& db) { EXPECT_EQ(0u, db.header.ulCheck); }},
        FileCase{"InflatesToDataLenPlusTen", Raw({}, DataLenShortBy(10))},
        FileCase{"NoGroupsAnyGroupSize", Raw({.favs = 0, .favSize = -3})},
        FileCase{"ZeroDataLenParsesTheInflatedLength", Fixture(DataLen(0)), ExpectFixtureTables},
        FileCase{"ExactlyOneMiBWithZeroDataLen", Raw({.tv = 8000}, PaddedWithZeroDataLen(kPackedImageSize))},
        FileCase{"OneStrayWordBeforeTvTwoBeforeRadio", Fixture(StrayWords(1, 2)), ExpectFixtureTables},
        FileCase{"TwoStrayWordsBeforeTvOneBeforeRadio", Fixture(StrayWords(2, 1)), ExpectFixtureTables},
        FileCase{"MoviesBecomesMyFav", Fixture(NameGroupZero("Movies")),
                 ExpectGroupZeroName({"MyFav\0\0\0Movies\0\0", kFavNameSize})},
        FileCase{"LowerCaseMoviesUnchanged", Fixture(NameGroupZero("movies")),
                 ExpectGroupZeroName({"movies\0\0\0\0\0\0\0\0\0\0", kFavNameSize})}),
    CaseName);

TEST(SdxFileTest, ThirdStrayWordIsTakenAsTheRecordStart)
{
    const Bytes file = RawFile(kChannelOnly, [](SdxHeader& h, Bytes& image) {
        image[12] = 0xCD; // the record's own halfword at 12 ...
        image[13] = 0xAB;
        image.insert(image.begin(), 12, 0x01); // three stray words
        h.iDataLen = int32_t(image.size());
    });
    auto db = MakeEmptyDatabase();
    ASSERT_EQ(LoadResult::Ok, LoadDatabase(*db, file));
    const ChannelRecord& c = db->TvChannelTable[0];
    EXPECT_EQ(0xABCD, c.usServiceId) << "... is read 4 bytes further on";
    EXPECT_EQ(0x55, c.ucNameLen) << "the record's marker read as its counts";
    EXPECT_EQ(kChannelMarker, c.ulMarker);
}

// ---------------------------------------------------------------------------
// Round trips

TEST(SdxRoundTripTest, RandomDatabasesSurviveSaveAndLoad)
{
    constexpr int kDatabases = 2000;
    auto source = MakeEmptyDatabase();
    auto loaded = MakeEmptyDatabase();
    Bytes file;
    std::mt19937 rng(20240611);
    for (int n = 0; n < kDatabases && !HasFailure(); ++n) {
        SCOPED_TRACE(testing::Message() << "database " << n);
        FillRandomDatabase(*source, rng);
        ASSERT_EQ(SaveResult::Ok, SaveDatabase(*source, file));
        ASSERT_EQ(LoadResult::Ok, LoadDatabase(*loaded, file));
        ASSERT_NO_FATAL_FAILURE(ExpectSameTables(*source, *loaded));
        ASSERT_EQ(0, std::memcmp(&source->header, &loaded->header, sizeof(SdxHeader)));
        // Saving what was loaded packs the same image again.
        const int length = source->header.iDataLen;
        ASSERT_EQ(length, BuildImage(*loaded));
        ASSERT_EQ(0, std::memcmp(source->PackedImage.data(), loaded->PackedImage.data(), size_t(length)));
    }
}

TEST(SdxRoundTripTest, FullDemoDatabaseFitsAndSurvives)
{
    auto demo = MakeEmptyDatabase();
    BuildDemoDatabase(*demo, DemoSize::Max);
    const SdxHeader& h = demo->header;
    EXPECT_EQ(100, h.sSatNumber);
    EXPECT_EQ(4000, h.sTpNumber);
    EXPECT_EQ(8000, h.sTVNumber);
    EXPECT_EQ(8000, h.sRadioNumber);
    Bytes file;
    ASSERT_EQ(SaveResult::Ok, SaveDatabase(*demo, file));
    auto loaded = MakeEmptyDatabase();
    ASSERT_EQ(LoadResult::Ok, LoadDatabase(*loaded, file));
    ExpectSameTables(*demo, *loaded);
}

TEST(SdxRoundTripTest, NewDatabaseSavesToAReadableFileWithEmptyGroups)
{
    auto fresh = MakeEmptyDatabase();
    Bytes file;
    ASSERT_EQ(SaveResult::Ok, SaveDatabase(*fresh, file));
    std::mt19937 rng(3);
    auto loaded = MakeRandomDatabase(rng); // favourites of an earlier file must not survive
    ASSERT_EQ(LoadResult::Ok, LoadDatabase(*loaded, file));
    ExpectSameTables(*fresh, *loaded);
    EXPECT_EQ("MyFav", FavName(*loaded, 0));
    for (const FavGroup& g : loaded->FavGroupTable) {
        EXPECT_EQ(0, g.sTvFavNum);
        EXPECT_EQ(0, g.sRadioFavNum);
        EXPECT_TRUE(
            std::all_of(std::begin(g.aulFavKey), std::end(g.aulFavKey), [](uint32_t k) { return k == kFreeFavSlot; }));
    }
}

// ---------------------------------------------------------------------------
// Image size limit

// 2470 channels of 420 bytes, one transponder of 12 + textBytes, the full
// settings, reserved word and groups: 1 MiB exactly with textBytes 12.
std::unique_ptr<Database> MakeImageOfSize(int textBytes, int settingsLen)
{
    auto db = MakeEmptyDatabase();
    ChannelRecord big = MakeChannel("ABCDEFGHIJKLMNOPQRSTUVWXYZ0", 1, 1);
    big.ucAudioNum = kMaxAudioEntries;
    big.ucAuxNum = kMaxAuxEntries;
    SetChHasExtra(big, 1);
    for (int i = 0; i < 2470; ++i)
        AppendChannel(*db, i % 2 == 1, big);
    TransponderRecord tp = MakeSatelliteTp(1, 0, 11000);
    SetTpTextSlots(tp, 1);
    tp.usNameLens = uint16_t(textBytes - 1);
    AppendTransponder(*db, tp);
    db->header.sSettingsLen = int16_t(settingsLen);
    return db;
}

TEST(SdxFileTest, ImageOfOneMiBSavesAndLoads)
{
    auto db = MakeImageOfSize(12, kSettingsSize);
    Bytes file;
    ASSERT_EQ(SaveResult::Ok, SaveDatabase(*db, file));
    EXPECT_EQ(kPackedImageSize, db->header.iDataLen);
    auto loaded = MakeEmptyDatabase();
    ASSERT_EQ(LoadResult::Ok, LoadDatabase(*loaded, file));
    ExpectSameTables(*db, *loaded);
}

TEST(SdxFileTest, ImageOverOneMiBIsNotSavedAndChangesNothing)
{
    for (const bool huge : {false, true}) {
        SCOPED_TRACE(huge ? "every channel at its largest" : "one byte over");
        auto db = MakeImageOfSize(16, kSettingsSize - 3);
        if (huge) {
            BuildDemoDatabase(*db, DemoSize::Max);
            for (const bool radio : {false, true})
                for (ChannelRecord& c : ChannelTable(*db, radio))
                    c.ucAudioNum = kMaxAudioEntries;
        }
        db->header.sSatSize = 99;
        auto before = MakeEmptyDatabase();
        *before = *db;
        Bytes file{1, 2, 3};
        EXPECT_EQ(SaveResult::TooLarge, SaveDatabase(*db, file));
        EXPECT_TRUE(file.empty());
        ExpectSameDatabase(*before, *db);
    }
}

} // namespace

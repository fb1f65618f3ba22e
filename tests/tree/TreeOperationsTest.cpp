// The satellite, transponder and favourite-name operations on plain databases.
#include "BitFields.h"
#include "DatabaseBuilders.h"
#include "FavRename.h"
#include "ModelOperations.h"
#include "SatelliteOperations.h"
#include "TransponderOperations.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

SatelliteRecord NamedSatellite(const char* name)
{
    SatelliteRecord sat{};
    std::strncpy(sat.acSatName, name, sizeof sat.acSatName);
    return sat;
}

std::vector<std::string> SatelliteNames(const Database& db)
{
    std::vector<std::string> names;
    for (int s = 0; s < db.header.sSatNumber; ++s)
        names.emplace_back(FieldText(db.SatelliteTable[s].acSatName));
    return names;
}

// The name of the satellite each satellite transponder belongs to, in table order.
std::vector<std::string> OwnerNames(const Database& db)
{
    std::vector<std::string> names;
    for (int i = 0; i < db.header.sTpNumber; ++i) {
        const TransponderRecord& tp = db.TransponderTable[i];
        if (TpKind(tp) == kTpSatellite && int(TpSatIndex(tp)) < db.header.sSatNumber)
            names.emplace_back(FieldText(db.SatelliteTable[TpSatIndex(tp)].acSatName));
    }
    return names;
}

// Satellites A, B, C with two transponders each, and a terrestrial record
// whose channel bits (0x80 + 2) would read as satellite index 130.
std::unique_ptr<Database> ThreeSatellites()
{
    auto db = MakeEmptyDatabase();
    for (const char* name : {"A", "B", "C"})
        AddSatellite(*db, NamedSatellite(name));
    for (uint32_t s = 0; s < 3; ++s)
        for (uint16_t f = 0; f < 2; ++f)
            AppendTransponder(*db, MakeSatelliteTp(2 * s + f, s, uint16_t(11000 + 10 * s + f)));
    TransponderRecord terrestrial{};
    SetTpKind(terrestrial, kTpTerrestrial);
    SetTpChannelNumber(terrestrial, 2);
    SetTpId(terrestrial, 99);
    AppendTransponder(*db, terrestrial);
    return db;
}

TEST(SatelliteOperationsTest, MoveAndSwapCarryTheTransponders)
{
    struct Case {
        const char* what;
        bool swap;
        int a, b;
        std::vector<std::string> order;
    };
    const Case cases[] = {
        {"move first to last", false, 0, 2, {"B", "C", "A"}}, {"move last to first", false, 2, 0, {"C", "A", "B"}},
        {"move middle down", false, 1, 2, {"A", "C", "B"}},   {"move onto itself", false, 1, 1, {"A", "B", "C"}},
        {"swap ends", true, 0, 2, {"C", "B", "A"}},           {"swap with itself", true, 2, 2, {"A", "B", "C"}},
    };
    for (const Case& c : cases) {
        auto db = ThreeSatellites();
        const std::vector<std::string> owners = OwnerNames(*db);
        const TransponderRecord terrestrial = db->TransponderTable[6];
        EXPECT_EQ(kSatDone, c.swap ? SwapSatellites(*db, c.a, c.b) : MoveSatellite(*db, c.a, c.b)) << c.what;
        EXPECT_EQ(c.order, SatelliteNames(*db)) << c.what;
        EXPECT_EQ(owners, OwnerNames(*db)) << c.what;
        EXPECT_EQ(0, std::memcmp(&terrestrial, &db->TransponderTable[6], sizeof terrestrial)) << c.what;
    }
}

TEST(SatelliteOperationsTest, RefusesIndicesOutsideTheTable)
{
    auto db = ThreeSatellites();
    auto before = std::make_unique<Database>(*db);
    for (const auto& [a, b] : {std::pair{-1, 0}, {0, 3}, {3, 0}, {0, -1}}) {
        EXPECT_EQ(kSatOutOfRange, MoveSatellite(*db, a, b));
        EXPECT_EQ(kSatOutOfRange, SwapSatellites(*db, a, b));
    }
    EXPECT_EQ(kSatOutOfRange, DeleteSatellite(*db, 3));
    EXPECT_EQ(kSatOutOfRange, ReplaceSatellite(*db, 3, NamedSatellite("X")));
    ExpectSameTables(*before, *db);
}

TEST(SatelliteOperationsTest, AddStopsAtOneHundred)
{
    auto db = MakeEmptyDatabase();
    for (int i = 0; i < kMaxSatellites; ++i)
        ASSERT_EQ(i, AddSatellite(*db, NamedSatellite("S")));
    EXPECT_EQ(kSatFull, AddSatellite(*db, NamedSatellite("T")));
    EXPECT_EQ(kMaxSatellites, db->header.sSatNumber);
}

TEST(SatelliteOperationsTest, DeleteTakesItsTransponderChannelsAndRenumbersTheRest)
{
    auto db = ThreeSatellites();
    // Channels on B's transponders (ids 2, 3) in both tables, between others.
    for (const uint16_t id : {0, 2, 4, 3, 99})
        AppendChannel(*db, false, MakeChannel("tv", id, id));
    for (const uint16_t id : {3, 5})
        AppendChannel(*db, true, MakeChannel("radio", id, id));
    EXPECT_EQ(2, DeleteSatellite(*db, 1));
    EXPECT_EQ((std::vector<std::string>{"A", "C"}), SatelliteNames(*db));
    EXPECT_EQ((std::vector<std::string>{"A", "A", "C", "C"}), OwnerNames(*db));
    ASSERT_EQ(3, db->header.sTVNumber);
    EXPECT_EQ(
        (std::vector<int>{0, 4, 99}),
        (std::vector<int>{db->TvChannelTable[0].usTpId, db->TvChannelTable[1].usTpId, db->TvChannelTable[2].usTpId}));
    ASSERT_EQ(1, db->header.sRadioNumber);
    EXPECT_EQ(5, db->RadioChannelTable[0].usTpId);
    EXPECT_EQ(5, db->header.sTpNumber);
    EXPECT_EQ(kTpTerrestrial, TpKind(db->TransponderTable[4]));
    EXPECT_EQ(2u, TpChannelNumber(db->TransponderTable[4]));
}

// Deleting a satellite the slow way: each of its transponders with its
// channels, one after the other, then the satellite.
void DeleteSatelliteOneByOne(Database& db, int index)
{
    for (int i = 0; i < db.header.sTpNumber;) {
        const TransponderRecord& tp = db.TransponderTable[i];
        if (TpKind(tp) == kTpSatellite && int(TpSatIndex(tp)) == index) {
            RemoveChannelsOfTp(db, uint16_t(TpId(tp)));
            RemoveTransponder(db, i);
        } else {
            ++i;
        }
    }
    for (int s = index; s + 1 < db.header.sSatNumber; ++s)
        db.SatelliteTable[s] = db.SatelliteTable[s + 1];
    --db.header.sSatNumber;
    for (int i = 0; i < db.header.sTpNumber; ++i) {
        TransponderRecord& tp = db.TransponderTable[i];
        if (TpKind(tp) == kTpSatellite && int(TpSatIndex(tp)) > index)
            SetTpSatIndex(tp, TpSatIndex(tp) - 1);
    }
}

TEST(SatelliteOperationsTest, DeleteMatchesRemovingTranspondersOneByOne)
{
    std::mt19937 rng(5);
    auto db = std::make_unique<Database>();
    auto expected = std::make_unique<Database>();
    for (int round = 0; round < 60; ++round) {
        FillRandomDatabase(*db, rng);
        db->header.sSatNumber = int16_t(1 + rng() % 6);
        // Most transponders on the few satellites, most channels on them.
        for (int i = 0; i < db->header.sTpNumber; ++i)
            if (rng() % 4)
                SetTpSatIndex(db->TransponderTable[i], rng() % 7);
        for (const bool radio : {false, true})
            for (int i = 0; i < ChannelCount(*db, radio) && db->header.sTpNumber > 0; ++i)
                ChannelTable(*db, radio)[i].usTpId =
                    uint16_t(TpId(db->TransponderTable[rng() % db->header.sTpNumber]));
        const int index = int(rng() % db->header.sSatNumber);
        *expected = *db;
        DeleteSatelliteOneByOne(*expected, index);
        DeleteSatellite(*db, index);
        ExpectSameTables(*expected, *db);
        if (HasFatalFailure())
            return;
    }
}

TEST(SatelliteOperationsTest, LnbTypeFollowsTheValuesAndTheBandFlag)
{
    struct Case {
        uint32_t ku;
        uint16_t low, high;
        int type;
    };
    const Case cases[] = {
        {1, 9750, 10600, 0},  {1, 9750, 10750, 1},  {1, 9750, 10700, 2},  {1, 5150, 10700, 2}, {1, 9750, 9750, 3},
        {1, 11475, 11475, 9}, {1, 5150, 5150, -1},  {1, 9750, 12000, -1}, {0, 5150, 5150, 10}, {0, 5750, 5750, 11},
        {0, 5150, 5750, 12},  {0, 9750, 10600, 12}, {0, 5700, 5700, 13},  {0, 9750, 9750, -1},
    };
    for (const Case& c : cases) {
        SatelliteRecord sat{};
        SetSatKuBand(sat, c.ku);
        sat.usLnbLow = c.low;
        sat.usLnbHigh = c.high;
        EXPECT_EQ(c.type, LnbTypeOfSatellite(sat)) << c.ku << " " << c.low << "/" << c.high;
    }
}

TransponderRecord Cable(uint16_t freq, uint16_t rate, uint32_t qam)
{
    TransponderRecord tp = DefaultCableTp();
    tp.usFreq = freq;
    tp.usSymRate = rate;
    SetTpQam(tp, qam);
    return tp;
}

TransponderRecord Terrestrial(uint32_t kind, uint32_t kHz, uint32_t bandwidth, uint32_t modulation)
{
    TransponderRecord tp = DefaultTerrestrialTp(kind, 4);
    SetTpUlFreq(tp, kHz);
    SetTpBandwidth(tp, bandwidth);
    SetTpModulation(tp, modulation);
    return tp;
}

TransponderRecord Satellite(uint32_t sat, uint16_t freq, uint32_t pol, uint32_t fec)
{
    TransponderRecord tp = DefaultSatelliteTp(int(sat));
    tp.usFreq = freq;
    SetTpPolarisation(tp, pol);
    SetTpFec(tp, fec);
    return tp;
}

TEST(TransponderOperationsTest, AddRefusesDuplicatesByTheRuleOfItsKind)
{
    struct Case {
        const char* what;
        TransponderRecord existing, added;
        bool refused;
    };
    const Case cases[] = {
        {"satellite, other FEC", Satellite(0, 11747, 1, 3), Satellite(0, 11747, 1, 5), true},
        {"satellite, other polarisation", Satellite(0, 11747, 1, 3), Satellite(0, 11747, 0, 3), false},
        {"satellite, other satellite", Satellite(0, 11747, 1, 3), Satellite(1, 11747, 1, 3), false},
        {"cable, same", Cable(474, 6900, 2), Cable(474, 6900, 2), true},
        {"cable, other QAM", Cable(474, 6900, 2), Cable(474, 6900, 4), false},
        {"cable, other rate", Cable(474, 6900, 2), Cable(474, 6875, 2), false},
        {"terrestrial and ISDB-T alike", Terrestrial(kTpTerrestrial, 474000, 2, 4),
         Terrestrial(kTpIsdbt, 474000, 2, 1), true},
        {"terrestrial, other bandwidth", Terrestrial(kTpTerrestrial, 474000, 2, 4),
         Terrestrial(kTpTerrestrial, 474000, 1, 4), false},
    };
    for (const Case& c : cases) {
        auto db = MakeEmptyDatabase();
        ASSERT_EQ(0, AddTransponder(*db, c.existing));
        EXPECT_EQ(c.refused ? kTpExists : 1, AddTransponder(*db, c.added)) << c.what;
        EXPECT_EQ(c.refused ? 1 : 2, db->header.sTpNumber) << c.what;
    }
}

TEST(TransponderOperationsTest, EditLeavesTheEditedRecordOutAndComparesTheFec)
{
    auto db = MakeEmptyDatabase();
    // Records 0 and 1 differ in FEC only, which adding would refuse; a
    // loaded table may hold them.
    AppendTransponder(*db, Satellite(0, 11747, 1, 3));
    AppendTransponder(*db, Satellite(0, 11747, 1, 5));
    AppendTransponder(*db, Terrestrial(kTpTerrestrial, 474000, 2, 4));
    AppendTransponder(*db, Terrestrial(kTpIsdbt, 482000, 2, 4));

    TransponderRecord edited = db->TransponderTable[0];
    EXPECT_TRUE(ValidateEditedTransponder(*db, edited, 0)) << "unchanged";
    SetTpFec(edited, 4);
    EXPECT_TRUE(ValidateEditedTransponder(*db, edited, 0)) << "FEC only";
    SetTpFec(edited, 5);
    EXPECT_FALSE(ValidateEditedTransponder(*db, edited, 0)) << "equal to record 1";

    edited = db->TransponderTable[2];
    SetTpModulation(edited, 0);
    EXPECT_TRUE(ValidateEditedTransponder(*db, edited, 2)) << "modulation only";
    SetTpUlFreq(edited, 482000);
    EXPECT_FALSE(ValidateEditedTransponder(*db, edited, 2)) << "equal to the ISDB-T record";
}

TEST(TransponderOperationsTest, AddTakesTheLowestFreeIdAndKeepsTheRestOfTheRecord)
{
    auto db = MakeEmptyDatabase();
    for (uint32_t id = 0; id < 3999; ++id) {
        TransponderRecord tp = Cable(uint16_t(1 + id % 858), uint16_t(1 + id / 858), 0);
        SetTpId(tp, id);
        AppendTransponder(*db, tp);
    }
    EXPECT_EQ(3999, LowestFreeTpId(*db));
    TransponderRecord added = Satellite(7, 12000, 0, 2);
    added.usFirst = 0xBEEF;
    std::strcpy(added.acTpName[1], "text");
    SetTpId(added, 5);
    ASSERT_EQ(3999, AddTransponder(*db, added));
    const TransponderRecord& stored = db->TransponderTable[3999];
    EXPECT_EQ(3999u, TpId(stored));
    SetTpId(added, 3999);
    EXPECT_EQ(0, std::memcmp(&added, &stored, sizeof stored));

    EXPECT_EQ(kTpFull, AddTransponder(*db, Satellite(7, 12001, 0, 2))) << "4000 records";
    DeleteTransponder(*db, 10);
    EXPECT_EQ(10, LowestFreeTpId(*db));
    ASSERT_EQ(3999, AddTransponder(*db, Satellite(7, 12001, 0, 2)));
    EXPECT_EQ(10u, TpId(db->TransponderTable[3999])) << "a freed id is reused";
}

TEST(TransponderOperationsTest, IdsPastTheRangeAreNeitherFreeNorTaken)
{
    auto db = MakeEmptyDatabase();
    for (const uint32_t id : {4000u, 0u, 4095u}) {
        TransponderRecord tp = Cable(1, uint16_t(id), 0);
        SetTpId(tp, id);
        AppendTransponder(*db, tp);
    }
    EXPECT_EQ(1, LowestFreeTpId(*db));
    for (int i = 0; i < kMaxTransponders; ++i)
        SetTpId(db->TransponderTable[i], uint32_t(i));
    db->header.sTpNumber = kMaxTransponders;
    EXPECT_EQ(-1, LowestFreeTpId(*db));
}

TEST(TransponderOperationsTest, DeleteRemovesTheChannelsOfItsIdFromBothTables)
{
    auto db = MakeEmptyDatabase();
    AddTransponder(*db, Satellite(0, 11000, 0, 0));
    AddTransponder(*db, Satellite(0, 11100, 0, 0));
    for (const uint16_t id : {1, 0, 1})
        AppendChannel(*db, false, MakeChannel("tv", id, 1));
    AppendChannel(*db, true, MakeChannel("radio", 1, 1));
    EXPECT_EQ(3, DeleteTransponder(*db, 1));
    EXPECT_EQ(1, db->header.sTVNumber);
    EXPECT_EQ(0, db->header.sRadioNumber);
    EXPECT_EQ(1, db->header.sTpNumber);
    EXPECT_EQ(kTpBadIndex, DeleteTransponder(*db, 1));
}

TEST(TransponderOperationsTest, TerrestrialDefaultsTakeTheirChannelFromThePlan)
{
    const TransponderRecord tp = DefaultTerrestrialTp(kTpIsdbt, 4);
    EXPECT_EQ(kTpIsdbt, TpKind(tp));
    EXPECT_EQ(474000u, TpUlFreq(tp));
    EXPECT_EQ(0x80u + 21, GetBits(tp.ulTpFlags, 12, 8));
    EXPECT_EQ(0x80u, GetBits(DefaultTerrestrialTp(kTpTerrestrial, 19).ulTpFlags, 12, 8)) << "no channel at 474000";
}

TEST(FavRenameTest, KeepsOnlyTheBytesTheReceiverShows)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Sport", "Sport"},
        {"\x1e\x1f\x7f\x80", "\x1f\x7f"},
        {"Caf\xe9 \xa9\xb0", "Caf\xe9 \xb0"},
        {"\xbf\xc0\xfe\xff", "\xc0\xfe"},
        {std::string("a\0b", 3), "ab"},
        {"", ""},
    };
    for (const auto& [typed, kept] : cases)
        EXPECT_EQ(kept, FilterFavName(typed)) << typed;
}

TEST(FavRenameTest, StoresAtMostFifteenBytesAndTheTerminator)
{
    auto db = MakeEmptyDatabase();
    EXPECT_EQ(1, RenameFavGroup(*db, 2, "ABCDEFGHIJKLMNOPQ"));
    EXPECT_EQ("ABCDEFGHIJKLMNO", FavName(*db, 2));
    EXPECT_EQ(1, RenameFavGroup(*db, 0, ""));
    EXPECT_EQ(0, db->SettingsBlock[kFavNamePos]);
    EXPECT_EQ(-1, RenameFavGroup(*db, 8, "x"));
    EXPECT_EQ(-1, RenameFavGroup(*db, -1, "x"));
}

} // namespace

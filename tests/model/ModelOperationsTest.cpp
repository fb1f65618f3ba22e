#include "BitFields.h"
#include "ChannelPacking.h"
#include "DatabaseBuilders.h"
#include "ModelOperations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

// Service ids of the channels in use, in table order.
std::vector<int> ServiceIds(const Database& db, bool radio)
{
    std::vector<int> ids;
    for (int i = 0; i < ChannelCount(db, radio); ++i)
        ids.push_back(ChannelTable(db, radio)[i].usServiceId);
    return ids;
}

std::vector<uint32_t> TpIds(const Database& db)
{
    std::vector<uint32_t> ids;
    for (int i = 0; i < db.header.sTpNumber; ++i)
        ids.push_back(TpId(db.TransponderTable[i]));
    return ids;
}

// TV keys in slot order, or radio keys from slot 199 down.
std::vector<uint32_t> FavKeys(const FavGroup& g, bool radio)
{
    std::vector<uint32_t> keys;
    const int count = radio ? g.sRadioFavNum : g.sTvFavNum;
    for (int p = 0; p < count; ++p)
        keys.push_back(g.aulFavKey[radio ? kFavSlots - 1 - p : p]);
    return keys;
}

TEST(RemoveChannelsOfTpTest, KeepsTheOtherChannelsInOrderInBothTables)
{
    auto db = MakeEmptyDatabase();
    const uint16_t tvTps[] = {1, 2, 1, 3, 1};
    const uint16_t radioTps[] = {2, 1, 1, 4};
    for (int i = 0; i < 5; ++i)
        AppendChannel(*db, false, MakeChannel("tv", tvTps[i], uint16_t(10 + i)));
    for (int i = 0; i < 4; ++i)
        AppendChannel(*db, true, MakeChannel("radio", radioTps[i], uint16_t(20 + i)));

    EXPECT_EQ(5, RemoveChannelsOfTp(*db, 1));
    EXPECT_EQ((std::vector<int>{11, 13}), ServiceIds(*db, false));
    EXPECT_EQ((std::vector<int>{20, 23}), ServiceIds(*db, true));
}

TEST(RemoveChannelsOfTpTest, TransponderWithoutChannelsChangesNothing)
{
    auto db = MakeEmptyDatabase();
    EXPECT_EQ(0, RemoveChannelsOfTp(*db, 1)) << "empty tables";
    AppendChannel(*db, false, MakeChannel("tv", 1, 1));
    AppendChannel(*db, true, MakeChannel("radio", 2, 2));
    auto before = MakeEmptyDatabase();
    *before = *db;
    EXPECT_EQ(0, RemoveChannelsOfTp(*db, 3));
    ExpectSameDatabase(*before, *db);
}

TEST(RemoveTransponderTest, ShiftsTheFollowingSlotsDown)
{
    const struct {
        int index;
        std::vector<uint32_t> remaining;
    } cases[] = {{3, {10, 11, 12}},     {1, {10, 12, 13}},      {0, {11, 12, 13}},
                 {4, {10, 11, 12, 13}}, {-1, {10, 11, 12, 13}}, {kMaxTransponders, {10, 11, 12, 13}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.index);
        auto db = MakeEmptyDatabase();
        for (uint32_t id : {10u, 11u, 12u, 13u})
            AppendTransponder(*db, MakeSatelliteTp(id, 0, 11000));
        EXPECT_EQ(1, RemoveTransponder(*db, c.index));
        EXPECT_EQ(c.remaining, TpIds(*db));
    }
}

// Against a plain reference: a satellite's choice names the same
// transponder after removals, none when that one goes, and one past the
// list (or none) stays as stored. Satellite 3 has no record, terrestrial
// transponders belong to no satellite.
TEST(RemoveTransponderTest, ChosenTransponderStaysTheSameOne)
{
    constexpr int kSatellites = 3;
    for (int seed = 0; seed < 300; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 rng(seed);
        auto db = MakeEmptyDatabase();
        db->header.sSatNumber = kSatellites;
        const int count = 1 + int(rng() % 12);
        for (int i = 0; i < count; ++i) {
            TransponderRecord tp = MakeSatelliteTp(uint32_t(i), rng() % (kSatellites + 1), uint16_t(11000 + i));
            if (rng() % 6 == 0)
                SetTpKind(tp, kTpTerrestrial);
            AppendTransponder(*db, tp);
        }
        for (int s = 0; s < kSatellites; ++s)
            SetSatChosenTp(db->SatelliteTable[size_t(s)], rng() % 4 == 0 ? kNoChosenTp : rng() % 6);
        const bool one = seed % 2 == 0; // one removal through RemoveTransponder, else a set
        std::vector<bool> drop(static_cast<size_t>(count));
        if (one)
            drop[rng() % size_t(count)] = true;
        else
            for (size_t i = 0; i < drop.size(); ++i)
                drop[i] = rng() % 3 == 0;

        std::vector<uint32_t> expected;
        for (int s = 0; s < kSatellites; ++s) {
            std::vector<int> listed;
            for (int i = 0; i < count; ++i)
                if (TpKind(db->TransponderTable[size_t(i)]) == kTpSatellite &&
                    int(TpSatIndex(db->TransponderTable[size_t(i)])) == s)
                    listed.push_back(i);
            const uint32_t chosen = SatChosenTp(db->SatelliteTable[size_t(s)]);
            if (chosen >= listed.size())
                expected.push_back(chosen);
            else if (drop[size_t(listed[chosen])])
                expected.push_back(kNoChosenTp);
            else
                expected.push_back(uint32_t(std::count_if(listed.begin(), listed.begin() + chosen,
                                                          [&](int slot) { return !drop[size_t(slot)]; })));
        }
        if (one)
            RemoveTransponder(*db, int(std::find(drop.begin(), drop.end(), true) - drop.begin()));
        else
            FollowChosenTransponders(std::span(db->SatelliteTable).first(kSatellites),
                                     std::span(db->TransponderTable).first(size_t(count)), drop);
        for (int s = 0; s < kSatellites; ++s)
            EXPECT_EQ(SatChosenTp(db->SatelliteTable[size_t(s)]), expected[size_t(s)]) << "satellite " << s;
    }
}

TEST(FindOfChannelTest, FirstTransponderWithTheChannelsTpId)
{
    auto db = MakeEmptyDatabase();
    AppendTransponder(*db, MakeSatelliteTp(5, 3, 11000));
    AppendTransponder(*db, MakeSatelliteTp(9, 7, 11100));
    AppendTransponder(*db, MakeSatelliteTp(9, 8, 11200)); // same id again: never found
    AppendChannel(*db, false, MakeChannel("tv", 9, 1));
    AppendChannel(*db, false, MakeChannel("orphan", 42, 2));
    AppendChannel(*db, true, MakeChannel("radio", 5, 3));

    struct Case {
        int channel;
        int tvFlag;
        int sat;
        int tp;
    };
    const Case cases[] = {
        {0, 1, 7, 1},     {0, 0, 3, 0},   {0, 0x100, 3, 0}, // only the low 8 bits say TV
        {0, 0x101, 7, 1}, {1, 1, -1, -1}, {-1, 1, -1, -1},  {kMaxChannels, 1, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "channel " << c.channel << " flag " << c.tvFlag);
        EXPECT_EQ(c.sat, FindSatOfChannel(*db, c.channel, c.tvFlag));
        EXPECT_EQ(c.tp, FindTpOfChannel(*db, c.channel, c.tvFlag));
    }
}

// ---------------------------------------------------------------------------
// Favourite groups

TEST(FavGroupTest, FullGroupRefusesAddsAndPurgesInBothDirections)
{
    auto db = MakeEmptyDatabase();
    for (uint32_t k = 0; k < 120; ++k)
        ASSERT_EQ(kFavDone, AddFavEntry(*db, 3, k, 0));
    for (uint32_t k = 0; k < 80; ++k)
        ASSERT_EQ(kFavDone, AddFavEntry(*db, 3, 1000 + k, 1));
    const FavGroup full = db->FavGroupTable[3];

    EXPECT_EQ(kFavFullOrMissing, AddFavEntry(*db, 3, 7777, 0));
    EXPECT_EQ(kFavFullOrMissing, AddFavEntry(*db, 3, 7777, 1));
    EXPECT_EQ(kFavFullOrMissing, PurgeFavGroup(*db, 3, 0));
    EXPECT_EQ(kFavFullOrMissing, PurgeFavGroup(*db, 3, 1));
    EXPECT_EQ(0, std::memcmp(&full, &db->FavGroupTable[3], sizeof full));
    EXPECT_EQ(1000u, db->FavGroupTable[3].aulFavKey[199]);
    EXPECT_EQ(1079u, db->FavGroupTable[3].aulFavKey[120]);
}

TEST(FavGroupTest, GroupOutsideZeroToSevenIsRefused)
{
    auto db = MakeEmptyDatabase();
    for (int g : {8, -1, 1000})
        for (int radio : {0, 1}) {
            EXPECT_EQ(kFavBadGroup, AddFavEntry(*db, g, 1, radio));
            EXPECT_EQ(kFavBadGroup, FindFavEntry(*db, g, 1, radio));
            EXPECT_EQ(kFavBadGroup, RemoveFavEntry(*db, g, 1, radio));
            EXPECT_EQ(kFavBadGroup, PurgeFavGroup(*db, g, radio));
        }
}

TEST(FavGroupTest, RadioPositionsCountFromSlot199)
{
    auto db = MakeEmptyDatabase();
    for (uint32_t k : {0xA1u, 0xB2u, 0xC3u})
        ASSERT_EQ(kFavDone, AddFavEntry(*db, 0, k, 1));
    EXPECT_EQ(0xC3u, db->FavGroupTable[0].aulFavKey[197]);
    EXPECT_EQ(0, FindFavEntry(*db, 0, 0xA1, 1));
    EXPECT_EQ(2, FindFavEntry(*db, 0, 0xC3, 1));
    EXPECT_EQ(kFavFullOrMissing, FindFavEntry(*db, 0, 0xC3, 0)) << "not a TV entry";
    EXPECT_EQ(1, db->FavGroupTable[0].ucFavChanged);
}

TEST(FavGroupTest, RemovingClosesTheGapAndVacatesTheLastSlot)
{
    const struct {
        bool radio;
        uint32_t removed;
        std::vector<uint32_t> remaining; // in position order
        int vacatedSlot;
    } cases[] = {{false, 0xA1, {0xB2, 0xC3}, 2},  {false, 0xB2, {0xA1, 0xC3}, 2},  {false, 0xC3, {0xA1, 0xB2}, 2},
                 {true, 0xA1, {0xB2, 0xC3}, 197}, {true, 0xB2, {0xA1, 0xC3}, 197}, {true, 0xC3, {0xA1, 0xB2}, 197}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.radio ? "radio " : "TV ") << c.removed);
        auto db = MakeEmptyDatabase();
        FavGroup& g = db->FavGroupTable[2];
        for (uint32_t k : {0xA1u, 0xB2u, 0xC3u})
            ASSERT_EQ(kFavDone, AddFavEntry(*db, 2, k, c.radio));
        g.ucFavChanged = 0;
        EXPECT_EQ(kFavDone, RemoveFavEntry(*db, 2, c.removed, c.radio));
        EXPECT_EQ(c.remaining, FavKeys(g, c.radio));
        EXPECT_EQ(kFreeFavSlot, g.aulFavKey[c.vacatedSlot]);
        EXPECT_EQ(1, g.ucFavChanged);
        EXPECT_EQ(kFavFullOrMissing, RemoveFavEntry(*db, 2, c.removed, c.radio));
    }
}

TEST(PurgeFavGroupTest, KeepsEntriesWhoseChannelCarriesTheGroupBit)
{
    for (const bool radio : {false, true}) {
        SCOPED_TRACE(radio ? "radio" : "TV");
        auto db = MakeEmptyDatabase();
        const int g = 5;
        const uint16_t bit = 1 << g;
        // Channel keys are service id | tp id << 16; tp id 0 keeps them small.
        const struct {
            uint16_t serviceId;
            uint16_t favBits;
        } channels[] = {{1, bit}, {2, 0}, {3, uint16_t(bit | 1)}, {4, 0}, {4, bit}};
        for (const auto& c : channels) {
            ChannelRecord ch = MakeChannel("c", 0, c.serviceId);
            ch.usFavBits = c.favBits;
            AppendChannel(*db, radio, ch);
        }
        // 2 lacks the bit, 9 has no channel; the second channel with key 4 has it.
        for (uint32_t k : {2u, 1u, 9u, 3u, 4u, 2u})
            ASSERT_EQ(kFavDone, AddFavEntry(*db, g, k, radio));
        db->FavGroupTable[g].ucFavChanged = 0;

        EXPECT_EQ(3, PurgeFavGroup(*db, g, radio));
        EXPECT_EQ((std::vector<uint32_t>{1, 3, 4}), FavKeys(db->FavGroupTable[g], radio));
        EXPECT_EQ(1, db->FavGroupTable[g].ucFavChanged);

        db->FavGroupTable[g].ucFavChanged = 0;
        EXPECT_EQ(0, PurgeFavGroup(*db, g, radio)) << "nothing left to drop";
        EXPECT_EQ(0, db->FavGroupTable[g].ucFavChanged);

        ChannelCount(*db, radio) = 0;
        EXPECT_EQ(3, PurgeFavGroup(*db, g, radio)) << "an empty table drops every entry";
        EXPECT_TRUE(FavKeys(db->FavGroupTable[g], radio).empty());
    }
}

// Counts read from a damaged file never make an operation reach outside the
// group's 200 key slots: the neighbouring groups hold a key that no operation
// may find or change.
TEST(FavGroupTest, DamagedCountsStayInsideTheGroup)
{
    constexpr uint32_t kOutside = 0x00C0FFEE;
    const struct {
        int16_t tv, radio;
        int addResult;
    } cases[] = {{-1, 0, kFavDone}, {0, -7, kFavDone},   {201, 0, -2},       {0, 250, -2},
                 {150, 150, -2},    {-32768, 32767, -2}, {32767, -32768, -2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tv << " TV, " << c.radio << " radio");
        auto db = MakeEmptyDatabase();
        AppendChannel(*db, false, MakeChannel("tv", 0, 1));
        AppendChannel(*db, true, MakeChannel("radio", 0, 2));
        for (const int neighbour : {0, 2})
            std::fill_n(db->FavGroupTable[neighbour].aulFavKey, kFavSlots, kOutside);
        const auto before = db->FavGroupTable;
        for (const int radio : {0, 1}) {
            db->FavGroupTable[1].sTvFavNum = c.tv;
            db->FavGroupTable[1].sRadioFavNum = c.radio;
            EXPECT_EQ(c.addResult, AddFavEntry(*db, 1, 1, radio));
            EXPECT_EQ(kFavFullOrMissing, FindFavEntry(*db, 1, kOutside, radio));
            EXPECT_EQ(kFavFullOrMissing, RemoveFavEntry(*db, 1, kOutside, radio));
            EXPECT_GE(PurgeFavGroup(*db, 1, radio), kFavFullOrMissing);
        }
        for (const int neighbour : {0, 2})
            EXPECT_EQ(0, std::memcmp(&before[neighbour], &db->FavGroupTable[neighbour], sizeof(FavGroup)));
    }
}

// ---------------------------------------------------------------------------

TEST(ResetDatabaseTest, GivesAnEmptyDatabaseThatAFileCanHold)
{
    std::mt19937 rng(7);
    auto db = MakeRandomDatabase(rng);
    db->bHasCable = db->bHasIsdbt = db->bHasTerrestrial = 1;
    ResetDatabase(*db);

    const SdxHeader& h = db->header;
    EXPECT_NE(std::string_view::npos, FieldText(h.acMagic).find("SDX"));
    EXPECT_EQ((std::vector<int>{28, 76, 420, 1484, 4, 8, 1208}),
              (std::vector<int>{h.sSatSize, h.sTpSize, h.sChannelSize, h.sSettingsLen, h.sReservedLen, h.sFavNumber,
                                h.sFavSize}));
    EXPECT_EQ(0, h.sSatNumber | h.sTpNumber | h.sTVNumber | h.sRadioNumber | h.iDataLen);
    EXPECT_EQ(0u, h.ulZipLen | h.ulCheck);

    std::array<uint8_t, kSettingsSize> settings{};
    std::memcpy(settings.data() + 76, "MyFav", 6);
    std::memcpy(settings.data() + 1100, "3917", 5);
    std::memcpy(settings.data() + 4, "\x02\x14\0\0\x26\x01", 6); // 2, 20 at 4 and 5; 38, 1 at 8 and 9
    EXPECT_EQ(settings, db->SettingsBlock);

    const auto allBytes = [](const auto& table, uint8_t value) {
        const auto* p = reinterpret_cast<const uint8_t*>(&table);
        return std::all_of(p, p + sizeof table, [value](uint8_t b) { return b == value; });
    };
    EXPECT_TRUE(allBytes(db->SatelliteTable, 0));
    EXPECT_TRUE(allBytes(db->TransponderTable, 0));
    EXPECT_TRUE(allBytes(db->TvChannelTable, 0));
    EXPECT_TRUE(allBytes(db->RadioChannelTable, 0));
    for (const FavGroup& g : db->FavGroupTable) {
        EXPECT_TRUE(allBytes(g.aulFavKey, 0xFF));
        EXPECT_EQ(0, g.sTvFavNum);
        EXPECT_EQ(0, g.sRadioFavNum);
    }
    EXPECT_EQ(0, db->bHasTerrestrial | db->bHasCable | db->bHasIsdbt);
}

} // namespace

// A name of any length up to the field's, stored and packed as a save packs
// it, reads back whole: the length never reaches the value that packs no name.
TEST(SetChannelNameTest, EveryLengthSurvivesPacking)
{
    for (size_t length = 0; length <= kChannelNameSize + 2; ++length) {
        ChannelRecord channel{};
        SetChannelName(channel, std::string(length, 'N') + std::string("\0tail", 5));
        std::array<uint8_t, sizeof(ChannelRecord)> packed{};
        PackChannel(packed.data(), channel);
        ChannelRecord read{};
        UnpackChannel(packed.data(), &read);
        EXPECT_EQ(std::string(FieldText(read.acName)), std::string(std::min<size_t>(length, kChannelNameSize), 'N'))
            << length;
    }
}

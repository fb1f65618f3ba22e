// Cell texts and the row passes of the channel list.
#include "ChannelCells.h"
#include "ChannelReference.h"
#include "DatabaseBuilders.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(ChannelCellsTest, EachColumnShowsItsField)
{
    ChannelRecord c = MakeChannel("Das Erste", 3, 7);
    c.sVideoPid = -2;
    c.sPcrPid = 8190;
    c.sTxtPid = 8191;
    SetAudioPid(c.AudioEntries[0], 101);
    SetAudioPid(c.AudioEntries[2], 303);
    SetAudioPid(c.AudioEntries[31], 3131);

    struct Case {
        const char* what;
        void (*change)(ChannelRecord&);
        int column;
        std::string text;
    };
    const Case cases[] = {
        {"name", [](ChannelRecord&) {}, kColumnName, "Das Erste"},
        {"name of 28 bytes", [](ChannelRecord& r) { std::memset(r.acName, 'N', sizeof r.acName); }, kColumnName,
         std::string(28, 'N')},
        {"free", [](ChannelRecord&) {}, kColumnCas, "FTA"},
        {"any access bit", [](ChannelRecord& r) { r.ulChFlags |= 1u << 8; }, kColumnCas, "CAS"},
        {"bit 23", [](ChannelRecord& r) { SetChScrambled(r, true); }, kColumnCas, "CAS"},
        {"bit 24 is no access bit", [](ChannelRecord& r) { r.ulChFlags |= 1u << 24; }, kColumnCas, "FTA"},
        {"unlocked", [](ChannelRecord&) {}, kColumnLock, "Unlock"},
        {"locked", [](ChannelRecord& r) { SetChLocked(r, 1); }, kColumnLock, "Lock"},
        {"video", [](ChannelRecord&) {}, kColumnVideoPid, "-2"},
        {"audio of track 0 with no tracks in use", [](ChannelRecord&) {}, kColumnAudioPid, "101"},
        {"audio of the current track", [](ChannelRecord& r) { SetChAudioIndex(r, 2); }, kColumnAudioPid, "303"},
        {"audio of track 31", [](ChannelRecord& r) { SetChAudioIndex(r, 31); }, kColumnAudioPid, "3131"},
        {"audio index 32", [](ChannelRecord& r) { SetChAudioIndex(r, 32); }, kColumnAudioPid, ""},
        {"audio index 63", [](ChannelRecord& r) { SetChAudioIndex(r, 63); }, kColumnAudioPid, ""},
        {"pcr", [](ChannelRecord&) {}, kColumnPcrPid, "8190"},
        {"teletext", [](ChannelRecord&) {}, kColumnTxtPid, "8191"},
        {"satellite", [](ChannelRecord&) {}, kColumnProgramType, "S2"},
        {"isdb-t", [](ChannelRecord& r) { SetChDelivery(r, kChIsdbt); }, kColumnProgramType, "ISDT"},
        {"terrestrial", [](ChannelRecord& r) { SetChDelivery(r, kChTerrestrial); }, kColumnProgramType, "T"},
        {"cable", [](ChannelRecord& r) { SetChDelivery(r, kChCable); }, kColumnProgramType, "C"},
        {"not in group 0", [](ChannelRecord& r) { r.usFavBits = 0xFFFE; }, kColumnMyFav, " "},
        {"in group 0", [](ChannelRecord& r) { r.usFavBits = 1; }, kColumnMyFav, "Yes"},
        {"index column", [](ChannelRecord&) {}, kColumnIndex, ""},
        {"service id", [](ChannelRecord&) {}, kColumnServiceId, "7"},
        {"no such column", [](ChannelRecord&) {}, kListColumnCount, ""},
    };
    for (const Case& test : cases) {
        ChannelRecord record = c;
        test.change(record);
        EXPECT_EQ(FormatChannelCell(test.column, record), test.text) << test.what;
    }
    EXPECT_EQ(FormatIndexCell(RowFilter::All, 0, 41), "42");
    EXPECT_EQ(FormatIndexCell(RowFilter::Satellite, 0, 41), "1");
    EXPECT_EQ(FormatIndexCell(RowFilter::FavGroup, 6, 41), "7");
}

TEST(ChannelCellsTest, FiltersChooseTheRowsInTableOrder)
{
    auto db = MakeEmptyDatabase();
    AppendTransponder(*db, MakeSatelliteTp(10, 2, 11000));
    AppendTransponder(*db, MakeSatelliteTp(11, 3, 11100));
    AppendTransponder(*db, MakeSatelliteTp(10, 5, 11200)); // a second id 10: the first one counts
    TransponderRecord cable = MakeSatelliteTp(12, 0, 346);
    SetTpKind(cable, kTpCable); // its satellite bits are 0: it is on no satellite
    AppendTransponder(*db, cable);
    const uint16_t tps[] = {10, 11, 99, 10, 12, 0};
    for (int i = 0; i < 6; ++i) {
        ChannelRecord c = MakeChannel("c", tps[i], uint16_t(i));
        c.usFavBits = uint16_t(i % 2 ? 0x0004 : 0x0100);
        AppendChannel(*db, i == 5, c);
    }
    struct Case {
        RowFilter filter;
        int value;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {RowFilter::All, 0, {0, 1, 2, 3, 4}}, {RowFilter::Satellite, 2, {0, 3}},
        {RowFilter::Satellite, 5, {}},        {RowFilter::Satellite, 0, {}}, // not the cable channel
        {RowFilter::Satellite, -1, {}},                                      // not the channels without a transponder
        {RowFilter::Transponder, 99, {2}},                                   // listed by id without a transponder
        {RowFilter::Transponder, -1, {}},     {RowFilter::FavGroup, 2, {1, 3}},
        {RowFilter::FavGroup, 8, {}},         {RowFilter::FavGroup, -1, {}},
    };
    std::vector<int> rowMap(kMaxChannels);
    for (const Case& c : cases) {
        const int n = FillRowMap(*db, false, c.filter, c.value, rowMap);
        EXPECT_EQ(std::vector<int>(rowMap.begin(), rowMap.begin() + n), c.rows) << int(c.filter) << " " << c.value;
    }
    EXPECT_EQ(FillRowMap(*db, true, RowFilter::Satellite, 0, rowMap), 0);
    EXPECT_EQ(FillRowMap(*db, true, RowFilter::Transponder, 0, rowMap), 1);
    // A short row map is filled as far as it goes.
    std::vector<int> two(2);
    EXPECT_EQ(FillRowMap(*db, false, RowFilter::All, 0, two), 2);
}

TEST(ChannelCellsTest, FullTablesKeepEveryRow)
{
    auto db = MakeEmptyDatabase();
    AppendTransponder(*db, MakeSatelliteTp(1, 0, 11000));
    for (int i = 0; i < kMaxChannels; ++i)
        AppendChannel(*db, false, MakeChannel("c", 1, uint16_t(i)));
    std::vector<int> rowMap(kMaxChannels);
    EXPECT_EQ(FillRowMap(*db, false, RowFilter::Satellite, 0, rowMap), kMaxChannels);
    EXPECT_EQ(rowMap.back(), kMaxChannels - 1);
    EXPECT_EQ(FormatRowCell(*db, false, RowFilter::All, 7999, 7999, kColumnIndex), "8000");
    EXPECT_EQ(FormatRowCell(*db, false, RowFilter::All, 0, 8000, kColumnName), "");
}

TEST(ChannelCellsTest, SatelliteRowsMatchTheTransponderLookupOnRandomDatabases)
{
    auto db = std::make_unique<Database>();
    std::vector<int> rowMap(kMaxChannels);
    for (int seed = 0; seed < 300; ++seed) {
        std::mt19937 rng(seed);
        FillRandomDatabase(*db, rng);
        for (bool radio : {false, true})
            for (int sat : {0, 1, 2, int(rng() % 100)}) {
                const int n = FillRowMap(*db, radio, RowFilter::Satellite, sat, rowMap);
                EXPECT_EQ(std::vector<int>(rowMap.begin(), rowMap.begin() + n),
                          reference::RowsOfSatellite(*db, radio, sat))
                    << "seed " << seed;
            }
    }
}

} // namespace

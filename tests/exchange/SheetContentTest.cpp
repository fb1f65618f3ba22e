#include "SheetContent.h"

#include "BitFields.h"
#include "DatabaseBuilders.h"
#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

SatelliteRecord Satellite(std::string_view name)
{
    SatelliteRecord sat{};
    std::memcpy(sat.acSatName, name.data(), std::min(name.size(), sizeof sat.acSatName));
    return sat;
}

TransponderRecord OtherTp(uint32_t kind, uint32_t tpId, uint32_t freq)
{
    TransponderRecord tp{};
    SetTpKind(tp, kind);
    SetTpId(tp, tpId);
    if (kind == kTpCable) {
        tp.usFreq = uint16_t(freq);
        tp.usSymRate = 6900;
    } else {
        SetTpUlFreq(tp, freq);
    }
    return tp;
}

TEST(SheetContent, RowsShowChannelTransponderAndSatellite)
{
    auto db = MakeEmptyDatabase();
    db->SatelliteTable[0] = Satellite("Sixteen chars 16"); // fills the field: no terminator
    db->SatelliteTable[1] = Satellite("Astra");
    db->SatelliteTable[2] = Satellite("Hidden"); // beyond the count
    db->header.sSatNumber = 2;
    TransponderRecord ver = MakeSatelliteTp(10, 0, 11747);
    SetTpPolarisation(ver, 1);
    TransponderRecord oddPol = MakeSatelliteTp(11, 1, 12000);
    SetTpPolarisation(oddPol, 3);
    AppendTransponder(*db, ver);
    AppendTransponder(*db, oddPol);
    AppendTransponder(*db, MakeSatelliteTp(12, 2, 10700));
    AppendTransponder(*db, MakeSatelliteTp(13, 1, 12500));
    AppendTransponder(*db, OtherTp(kTpCable, 20, 346));
    AppendTransponder(*db, OtherTp(kTpTerrestrial, 21, 482000));
    AppendTransponder(*db, OtherTp(kTpIsdbt, 22, 473143));

    struct Case {
        ChannelRecord channel;
        SheetRow expected;
    };
    const auto channel = [](std::string_view name, uint16_t tpId, uint32_t flags) {
        ChannelRecord c = MakeChannel(name, tpId, 1);
        c.ulChFlags = flags;
        return c;
    };
    const std::vector<Case> cases = {
        {channel("Das Erste", 10, 0),
         {"1", "Das Erste", "FTA", "MPEG-1", "Sixteen chars 16", "11747", "VER", "27500"}},
        {channel("Caf\xE9", 13, 1u << 8 | 1u << 28), {"2", "Café", "CAS", "MPEG-2", "Astra", "12500", "HOR", "27500"}},
        {channel("Scrambled", 13, 0x8000u << 8 | 2u << 28),
         {"3", "Scrambled", "CAS", "H264", "Astra", "12500", "HOR", "27500"}},
        {channel("Top CA bit", 11, 1u << 23 | 3u << 28),
         {"4", "Top CA bit", "CAS", "MPEG-4", "Astra", "12000", "", "27500"}},
        {channel("Not CA", 11, 0xFFu | 1u << 24), {"5", "Not CA", "FTA", "MPEG-1", "Astra", "12000", "", "27500"}},
        {channel("Sat past count", 12, 0), {"6", "Sat past count", "FTA", "MPEG-1", "", "10700", "HOR", "27500"}},
        {channel("No transponder", 99, 0), {"7", "No transponder", "FTA", "MPEG-1", "", "", "", ""}},
        {channel("Cable", 20, 0), {"8", "Cable", "FTA", "MPEG-1", "Cable", "346", "", "6900"}},
        {channel("Terrestrial", 21, 0), {"9", "Terrestrial", "FTA", "MPEG-1", "Terrestrial", "482000", "", ""}},
        {channel("Isdbt", 22, 0), {"10", "Isdbt", "FTA", "MPEG-1", "Isdbt", "473143", "", ""}},
        {channel("A name of all 28 bytes!!!!!!", 10, 0),
         {"11", "A name of all 28 bytes!!!!!!", "FTA", "MPEG-1", "Sixteen chars 16", "11747", "VER", "27500"}},
    };
    for (const Case& c : cases)
        AppendChannel(*db, false, c.channel);
    AppendChannel(*db, true, cases[1].channel);
    AppendChannel(*db, true, cases[0].channel);

    ASSERT_EQ(UsedChannels(*db, false), int(cases.size()));
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(ChannelRow(*db, false, int(i)), cases[i].expected) << "row " << i;
    // Each sheet counts from 1, and the radio table finds its own transponders.
    ASSERT_EQ(UsedChannels(*db, true), 2);
    SheetRow radio = cases[0].expected;
    radio[0] = "2";
    EXPECT_EQ(ChannelRow(*db, true, 1), radio);
    EXPECT_EQ(ChannelRow(*db, true, 0)[0], "1");
}

TEST(SheetContent, NamesAndHeader)
{
    EXPECT_EQ(SheetName(false), "TV Program");
    EXPECT_EQ(SheetName(true), "Radio Program");
    EXPECT_EQ(kSheetHeader,
              (SheetRow{"Index", "Service Name", "FTA/CAS", "Video Type", "SatName", "Tp Freq", "Tp Pol", "Tp Sym"}));
}

} // namespace

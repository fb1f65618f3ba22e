// Node labels and the tree outline.
#include "BitFields.h"
#include "DatabaseBuilders.h"
#include "SatelliteOperations.h"
#include "TransponderOperations.h"
#include "TreeLabels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

SatelliteRecord Sat(const char* name, uint32_t ku, uint16_t low, uint16_t high, uint32_t diseqc = 0,
                    uint32_t motor = 0)
{
    SatelliteRecord sat{};
    std::memcpy(sat.acSatName, name, std::min(std::strlen(name), sizeof sat.acSatName));
    SetSatKuBand(sat, ku);
    sat.usLnbLow = low;
    sat.usLnbHigh = high;
    SetSatDiseqc(sat, diseqc);
    SetSatMotor(sat, motor);
    return sat;
}

TEST(TreeLabelsTest, SatelliteLabels)
{
    struct Case {
        SatelliteRecord sat;
        int position;
        std::string label;
    };
    const Case cases[] = {
        {Sat("SatA", 1, 9750, 10600, 2), 0, "| 1 | SatA | Universal | LNB2 |"},
        {Sat("X", 0, 5150, 5150, 0, 1), 1, "| 2 | X | 05150 | None | Motor | "},
        {Sat("U", 1, 9750, 10750, 7, 2), 4, "| 5 | U | 9750/10750 | Auto | Usal | "},
        {Sat("O", 1, 5150, 11000, 5, 3), 0, "| 1 | O | 9750/10700 | Burst A |"},
        {Sat("K", 1, 9750, 9750), 0, "| 1 | K | 9750 | None |"},
        {Sat("K", 1, 11475, 11475), 0, "| 1 | K | 11475 | None |"},
        {Sat("name", 1, 5150, 5150), 0, "| 1 | name |  | None |"},
        {Sat("C", 0, 5150, 5750), 0, "| 1 | C | 5150/5750 | None |"},
        {Sat("C", 0, 950, 950), 0, "| 1 | C | 00950 | None |"},
        {Sat("SixteenCharsName", 1, 9750, 10600), 99, "| 100 | SixteenCharsName | Universal | None |"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.label, SatelliteLabel(c.sat, c.position));
}

TEST(TreeLabelsTest, TransponderLabelsAndDeleteQuestions)
{
    TransponderRecord sat = DefaultSatelliteTp(0);
    TransponderRecord oddPolarisation = sat;
    SetTpPolarisation(oddPolarisation, 3);
    TransponderRecord cable = DefaultCableTp();
    TransponderRecord terrestrial = DefaultTerrestrialTp(kTpTerrestrial, 4);
    SetTpBandwidth(terrestrial, 1);
    const TransponderRecord isdb = DefaultTerrestrialTp(kTpIsdbt, 4);

    EXPECT_EQ("1 | 11747 | VER | 27500 | 3/4", TransponderLabel(sat, 0, 0));
    EXPECT_EQ("2 | 11747 |  | 27500 | 3/4", TransponderLabel(oddPolarisation, 5, 1));
    EXPECT_EQ("3 | 474 | 27500", TransponderLabel(cable, kCableRow, 2));
    EXPECT_EQ("1 | 474000 | 7M", TransponderLabel(terrestrial, kTerrestrialRow, 0));
    EXPECT_EQ("4 | 474000 | 8M", TransponderLabel(isdb, kIsdbRow, 3));

    EXPECT_EQ("1 | 11747 | VER | 27500 | 3/4", DeleteQuestionLine(sat, 0, 0));
    EXPECT_EQ("3 | 474 | 27500", DeleteQuestionLine(cable, kCableRow, 2));
    EXPECT_EQ("1 | 474000 | 7 M", DeleteQuestionLine(terrestrial, kTerrestrialRow, 0));
    EXPECT_EQ("4 | 474000 | 8 M", DeleteQuestionLine(isdb, kIsdbRow, 3));
}

TEST(TreeLabelsTest, OutlineListsEachTransponderOnceUnderItsNode)
{
    auto db = MakeEmptyDatabase();
    AddSatellite(*db, Sat("A", 1, 9750, 10600));
    AddSatellite(*db, Sat("B", 0, 5150, 5150));
    AddTransponder(*db, DefaultTerrestrialTp(kTpTerrestrial, 4));
    AddTransponder(*db, DefaultSatelliteTp(1));
    AddTransponder(*db, DefaultCableTp());
    TransponderRecord isdb = DefaultTerrestrialTp(kTpIsdbt, 19);
    SetTpUlFreq(isdb, 473143);
    AddTransponder(*db, isdb);
    TransponderRecord orphan = DefaultSatelliteTp(7); // no satellite 7
    orphan.usFreq = 12000;
    AddTransponder(*db, orphan);
    TransponderRecord second = DefaultSatelliteTp(1);
    second.usFreq = 12500;
    AddTransponder(*db, second);
    db->header.sFavNumber = 3; // the groups the file holds, named or "FAV n"
    std::memcpy(db->SettingsBlock.data() + kFavNamePos + 2 * kFavNameSize, "Kids", 5);

    const auto text = [&] {
        std::string lines;
        for (const TreeLine& line : TreeOutline(*db))
            lines += std::string(size_t(2 * line.iDepth), ' ') + line.strLabel + "\n";
        return lines;
    };
    EXPECT_EQ("All Services\n"
              "Satellite\n"
              "  | 1 | A | Universal | None |\n"
              "  | 2 | B | 05150 | None |\n"
              "    1 | 11747 | VER | 27500 | 3/4\n"
              "    2 | 12500 | VER | 27500 | 3/4\n"
              "Channel List\n"
              "FAV List\n"
              "  MyFav\n"
              "  FAV 2\n"
              "  Kids\n"
              "Terrestrial\n"
              "Cable\n"
              "ISDB\n",
              text())
        << "the category branches stay empty while their flags are clear";

    db->bHasTerrestrial = db->bHasCable = db->bHasIsdbt = 1;
    EXPECT_NE(std::string::npos, text().find("Terrestrial\n  1 | 474000 | 8M\nCable\n  1 | 474 | 27500\n"
                                             "ISDB\n  1 | 473143 | 8M\n"));
    const TransponderRows rows = BuildTransponderRows(*db);
    EXPECT_EQ((std::vector<int>{1, 5}), rows[1]);
    EXPECT_EQ((std::vector<int>{0}), rows[kTerrestrialRow]);
    EXPECT_EQ((std::vector<int>{2}), rows[kCableRow]);
    EXPECT_EQ((std::vector<int>{3}), rows[kIsdbRow]);
    EXPECT_TRUE(rows[7].empty());
}

TEST(TreeLabelsTest, CategoryRootsAndRowsMapBothWays)
{
    struct Case {
        int iRoot;
        int iRow;
        uint8_t Database::*pFlag; // the delivery flag that shows the category
    };
    const Case cases[] = {{kRootTerrestrial, kTerrestrialRow, &Database::bHasTerrestrial},
                          {kRootCable, kCableRow, &Database::bHasCable},
                          {kRootIsdb, kIsdbRow, &Database::bHasIsdbt}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.iRow, CategoryRow(c.iRoot));
        EXPECT_EQ(c.iRoot, RootOfRow(c.iRow));
        auto db = MakeEmptyDatabase();
        (*db).*c.pFlag = 1;
        for (const Case& other : cases)
            EXPECT_EQ(&other == &c, CategoryShown(*db, other.iRow)) << c.iRow << " shown, asked " << other.iRow;
        for (const int row : {-1, 0})
            EXPECT_FALSE(CategoryShown(*db, row)) << row;
    }
    for (const int row : {-1, 0, 99})
        EXPECT_EQ(kRootSatellite, RootOfRow(row)) << row;
}

} // namespace

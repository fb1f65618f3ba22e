// The check's rows of transponders: the list they name and where in the tree
// each one is, or no place when its branch is hidden.
#include "BitFields.h"
#include "DatabaseBuilders.h"
#include "DatabaseCheckRows.h"
#include "TransponderOperations.h"
#include "TreeLabels.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

SatelliteRecord NamedSatellite(const char* name, uint32_t chosen)
{
    SatelliteRecord sat{};
    std::memcpy(sat.acSatName, name, std::strlen(name));
    SetSatChosenTp(sat, chosen);
    return sat;
}

TEST(DatabaseCheckRowsTest, TransponderRowsLeadToTheirNodeUnlessTheBranchIsHidden)
{
    auto db = MakeEmptyDatabase();
    db->SatelliteTable[0] = NamedSatellite("A", kNoChosenTp);
    db->SatelliteTable[1] = NamedSatellite("B", 1); // past its one transponder
    db->header.sSatNumber = 2;
    AppendTransponder(*db, MakeSatelliteTp(1, 0, 11747));
    AppendTransponder(*db, MakeSatelliteTp(2, 0, 11747)); // a copy of the first
    AppendTransponder(*db, MakeSatelliteTp(3, 5, 12000)); // satellite 6 is past the table
    TransponderRecord cable = DefaultCableTp();
    SetTpId(cable, 4);
    AppendTransponder(*db, cable); // the Cable branch stays hidden
    TransponderRecord terrestrial = DefaultTerrestrialTp(kTpTerrestrial, 4);
    SetTpId(terrestrial, 5);
    AppendTransponder(*db, terrestrial);
    AppendTransponder(*db, MakeSatelliteTp(6, 1, 12100));
    db->bHasTerrestrial = 1;

    struct Case {
        CheckKind kind;
        int iNumber;
        const char* pszList;
        const char* pszDetail;
        std::vector<int> aiPath;
    };
    const Case cases[] = {
        {CheckKind::OrphanTransponders, 3, "Satellite 6", "unused", {}},
        {CheckKind::DuplicateTransponders, 2, "A", "keeps 1", {kRootSatellite, 0, 1}},
        {CheckKind::EmptyTransponders, 1, "A", "", {kRootSatellite, 0, 0}},
        {CheckKind::EmptyTransponders, 4, "Cable", "", {}},
        {CheckKind::EmptyTransponders, 5, "Terrestrial", "", {kRootTerrestrial, 0}},
        {CheckKind::EmptyTransponders, 6, "B", "", {kRootSatellite, 1, 0}},
        {CheckKind::ChosenTransponders, 2, "Satellite", "transponder 2 chosen of 1", {kRootSatellite, 1}},
    };
    const DatabaseFindings findings = CheckDatabase(*db);
    std::vector<CheckRow> rows;
    for (const CheckKind kind : {CheckKind::OrphanTransponders, CheckKind::DuplicateTransponders,
                                 CheckKind::EmptyTransponders, CheckKind::ChosenTransponders})
        for (const CheckRow& row : CheckRows(*db, findings, kind))
            rows.push_back(row);
    ASSERT_EQ(rows.size(), std::size(cases));
    for (size_t i = 0; i < rows.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(testing::Message() << CheckKindName(c.kind).toStdString() << " " << c.iNumber);
        EXPECT_EQ(rows[i].iNumber, c.iNumber);
        EXPECT_EQ(rows[i].strList, c.pszList);
        EXPECT_EQ(rows[i].strDetail, c.pszDetail);
        EXPECT_EQ(rows[i].aiPath, c.aiPath);
    }
}

} // namespace

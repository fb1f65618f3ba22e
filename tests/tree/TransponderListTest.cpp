// Taking satellites and transponders from a transponder list: the plan
// against a plain reference over random lists and databases, a second run
// that only removes, and the rules that are easiest to read as tables.
#include "BitFields.h"
#include "DatabaseBuilders.h"
#include "ModelOperations.h"
#include "SatelliteOperations.h"
#include "TransponderListOperations.h"
#include "TransponderOperations.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>
#include <set>

namespace {

// The rules written out plainly over the tables: the entries one after the
// other, each list transponder in file order, every search a scan.
std::vector<EntryReport> ReferenceApply(Database& db, const TransponderList& list, const ListChoice& choice)
{
    std::vector<EntryReport> reports;
    for (const int e : std::set<int>(choice.aiEntries.begin(), choice.aiEntries.end())) {
        const ListEntry& entry = list.aEntries[size_t(e)];
        EntryReport r;
        r.iEntry = e;
        const bool ku = entry.strName.find("C-band") == std::string::npos;
        int64_t angle = std::abs(entry.iPosition);
        if (!ku && angle % 10 == 1)
            --angle;
        const uint32_t west = entry.iPosition < 0;
        if (angle > 1800) {
            r.bRefused = true;
            reports.push_back(r);
            continue;
        }
        for (int s = 0; s < db.header.sSatNumber && r.iSlot < 0; ++s) {
            const SatelliteRecord& sat = db.SatelliteTable[s];
            if ((sat.ulSatPos & 0x7FF) == angle && (sat.ulSatFlags >> 18 & 1) == west && (sat.ulSatFlags & 1) == ku)
                r.iSlot = s;
        }
        if (r.iSlot < 0) {
            SatelliteRecord sat = DefaultSatellite();
            std::memset(sat.acSatName, 0, sizeof sat.acSatName);
            const std::string name = ListSatelliteName(entry.strName);
            std::memcpy(sat.acSatName, name.data(), name.size());
            sat.ulSatPos = uint32_t(angle);
            sat.usLnbLow = ku ? 9750 : 5150;
            sat.usLnbHigh = ku ? 10600 : 5150;
            sat.ulSatFlags = (ku ? 1u : 0u) | west << 18;
            r.iSlot = AddSatellite(db, sat);
            r.bNewSatellite = true;
        }
        std::vector<std::pair<uint32_t, int>> taken; // polarisation, MHz
        std::set<int> matched;                       // slots
        for (const ListTransponder& in : entry.aTransponders) {
            const int64_t mhz = in.iFrequency < 0 ? -1 : (in.iFrequency + 500) / 1000;
            const int64_t ks = in.iSymbolRate < 0 ? -1 : (in.iSymbolRate + 500) / 1000;
            if (mhz < 1 || mhz > 20000 || ks < 2000 || ks > 45000) {
                ++r.iOutOfRange;
                continue;
            }
            if (in.iPolarisation < 0 || in.iPolarisation > 3) {
                ++r.iNotStorable;
                continue;
            }
            const uint32_t pol = in.iPolarisation == 1 || in.iPolarisation == 3;
            if (std::any_of(taken.begin(), taken.end(),
                            [&](auto& t) { return t.first == pol && std::abs(t.second - mhz) <= 2; })) {
                ++r.iDuplicates;
                continue;
            }
            taken.emplace_back(pol, int(mhz));
            const std::map<int64_t, uint32_t> fecs = {{1, 1}, {2, 2}, {3, 3}, {4, 5}, {5, 7}, {8, 4}, {10, 6}};
            const uint32_t fec = fecs.count(in.iFec) ? fecs.at(in.iFec) : 0;
            int best = -1;
            for (int t = 0; t < db.header.sTpNumber; ++t) {
                const TransponderRecord& tp = db.TransponderTable[t];
                if ((tp.ulTpFlags & 3) != 1 || int(tp.ulTpFlags >> 12 & 0xFF) != r.iSlot ||
                    (tp.ulTpFlags >> 5 & 3) != pol || std::abs(tp.usFreq - mhz) > 2 || matched.count(t))
                    continue;
                if (best < 0 || std::abs(tp.usFreq - mhz) < std::abs(db.TransponderTable[best].usFreq - mhz))
                    best = t;
            }
            if (best >= 0) {
                matched.insert(best);
                TransponderRecord& tp = db.TransponderTable[best];
                const TransponderRecord before = tp;
                tp.usFreq = uint16_t(mhz);
                tp.usSymRate = uint16_t(ks);
                tp.ulTpFlags = (tp.ulTpFlags & ~(7u << 9)) | fec << 9;
                ++(std::memcmp(&before, &tp, sizeof tp) ? r.iUpdated : r.iUnchanged);
                continue;
            }
            TransponderRecord tp{};
            tp.usFreq = uint16_t(mhz);
            tp.usSymRate = uint16_t(ks);
            tp.ulTpFlags = 1 | pol << 5 | fec << 9 | uint32_t(r.iSlot) << 12 | uint32_t(LowestFreeTpId(db)) << 20;
            db.TransponderTable[db.header.sTpNumber++] = tp;
            ++r.iAdded;
        }
        std::vector<int> unused;
        for (int t = 0; t < db.header.sTpNumber; ++t) {
            const TransponderRecord& tp = db.TransponderTable[t];
            if ((tp.ulTpFlags & 3) == 1 && int(tp.ulTpFlags >> 12 & 0xFF) == r.iSlot && !matched.count(t) &&
                t < db.header.sTpNumber - r.iAdded) {
                bool carried = false;
                for (const bool radio : {false, true})
                    for (int c = 0; c < ChannelCount(db, radio); ++c)
                        carried |= ChannelTable(db, radio)[c].usTpId == tp.ulTpFlags >> 20;
                ++(choice.bRemoveUnused && !carried ? r.iRemoved : r.iKept);
                if (choice.bRemoveUnused && !carried)
                    unused.insert(unused.begin(), t);
            }
        }
        for (const int t : unused)
            DeleteTransponder(db, t);
        reports.push_back(r);
    }
    return reports;
}

// A database of a few satellites at a handful of places (C and Ku at some),
// their transponders on a 4 MHz grid (so a list frequency can be as near to
// two of them), some with channels, and cable records.
void RandomDatabase(Database& db, std::mt19937& rng)
{
    ResetDatabase(db);
    const auto below = [&](uint32_t n) { return uint32_t(rng() % n); };
    for (int s = 0, n = 1 + int(below(8)); s < n; ++s) {
        SatelliteRecord sat = DefaultSatellite();
        SetSatPosition(sat, below(5) * 130 + below(2));
        SetSatDirection(sat, below(2));
        SetSatKuBand(sat, below(3) != 0);
        sat.ulSatPos |= below(2) << 25; // bits an update keeps
        AddSatellite(db, sat);
    }
    for (int t = 0, n = int(below(160)); t < n; ++t) {
        TransponderRecord tp =
            MakeSatelliteTp(below(4000), below(uint32_t(db.header.sSatNumber) + 1), uint16_t(11700 + 4 * below(30)));
        SetTpKind(tp, below(10) == 0 ? kTpCable : kTpSatellite);
        SetTpPolarisation(tp, below(2));
        SetTpFec(tp, below(8));
        tp.usSymRate = uint16_t(27500 + below(2));
        AppendTransponder(db, tp);
        if (below(3) == 0)
            AppendChannel(db, below(2), MakeChannel("C", uint16_t(TpId(tp)), uint16_t(t)));
    }
}

// Entries at distinct places, many of them the database's (so C and Ku meet
// at one position), some beyond 180 degrees, with and without a band word
// in the name; transponders near the database's on both sides of the
// rounding, of every polarisation and FEC value, duplicates and values out
// of range among them.
TransponderList RandomList(const Database& db, std::mt19937& rng)
{
    const auto below = [&](uint32_t n) { return uint32_t(rng() % n); };
    TransponderList list;
    std::set<std::tuple<int64_t, bool>> places;
    for (int e = 0, n = 1 + int(below(10)); e < n; ++e) {
        ListEntry entry;
        const bool ku = below(3) != 0;
        int64_t angle = below(5) * 130 + below(2);
        if (below(8) == 0)
            angle = 1795 + below(10);
        entry.iPosition = (below(2) ? -1 : 1) * (ku || angle % 10 != 0 ? angle : angle + 1);
        if (!places.emplace(entry.iPosition, ku).second)
            continue;
        entry.strName = std::to_string(angle) + (ku ? (below(2) ? " Sat" : " Ka-band Sat") : " C-band Sat");
        for (int t = 0, m = int(below(30)); t < m; ++t) {
            ListTransponder tp;
            const int64_t near = below(2) && db.header.sTpNumber
                                     ? db.TransponderTable[below(db.header.sTpNumber)].usFreq
                                     : 11700 + 4 * below(30);
            tp.iFrequency = near * 1000 + int64_t(below(6001)) - 3000;
            if (below(20) == 0)
                tp.iFrequency = below(2) ? -5 : 20000500;
            tp.iSymbolRate = below(20) ? 27500000 + below(2000) : 1999499;
            tp.iPolarisation = below(5);
            tp.iFec = int64_t(below(17)) - 1;
            entry.aTransponders.push_back(tp);
            if (below(10) == 0)
                entry.aTransponders.push_back(tp);
        }
        list.aEntries.push_back(entry);
    }
    return list;
}

TEST(TransponderListTest, PlanMatchesThePlainRulesAndASecondRunOnlyRemoves)
{
    std::mt19937 rng(21);
    auto db = MakeEmptyDatabase();
    auto reference = MakeEmptyDatabase();
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        RandomDatabase(*db, rng);
        const TransponderList list = RandomList(*db, rng);
        ListChoice choice{{}, rng() % 2 == 0};
        for (int e = 0; e < int(list.aEntries.size()); ++e)
            if (rng() % 4)
                choice.aiEntries.push_back(e);
        *reference = *db;
        const std::vector<EntryReport> expected = ReferenceApply(*reference, list, choice);

        const ListPlan plan = PlanTransponderList(*db, list, choice);
        ASSERT_EQ(plan.aEntries.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            const EntryReport &a = plan.aEntries[i], &b = expected[i];
            EXPECT_EQ(std::tie(a.iEntry, a.iSlot, a.bNewSatellite, a.bRefused),
                      std::tie(b.iEntry, b.iSlot, b.bNewSatellite, b.bRefused));
            EXPECT_EQ(EntrySummaryCounts(a), EntrySummaryCounts(b)) << "entry " << a.iEntry;
        }
        ASSERT_TRUE(plan.Fits());
        EXPECT_EQ(ApplyListPlan(*db, plan), plan.Changes());
        ExpectSameTables(*db, *reference);
        // A second run, now removing unused transponders, removes and nothing else.
        choice.bRemoveUnused = true;
        ReferenceApply(*reference, list, choice);
        const ListPlan again = PlanTransponderList(*db, list, choice);
        EXPECT_EQ(again.total.iAdded + again.total.iUpdated + again.iNewSatellites, 0);
        EXPECT_EQ(ApplyListPlan(*db, again), again.total.iRemoved > 0);
        ExpectSameTables(*db, *reference);
    }
}

// A new satellite's name: the entry's without its position word and a band
// word after it, Latin-1 with "?" for what it lacks, 16 bytes at most.
TEST(TransponderListTest, SatelliteNamesLeaveOutThePositionAndTheBand)
{
    const std::pair<const char*, const char*> cases[] = {
        {"19.2E Astra 1KR/1L/1M/1N", "Astra 1KR/1L/1M/"},
        {"177.0W C-band NSS 9", "NSS 9"},
        {"0.8W Ku-band Thor", "Thor"},
        {"Ka-band Sat 5.0E", "Sat 5.0E"},
        {"30.0W Hispasat Ka-band", "Hispasat Ka-band"},
        {"42.0E T\xc3\xbcrksat \xd0\x96 & Co", "T\xfcrksat ? & Co"},
    };
    for (const auto& [name, record] : cases)
        EXPECT_EQ(ListSatelliteName(name), record) << name;
}

TEST(TransponderListTest, CableAndTerrestrialRecords)
{
    auto db = MakeEmptyDatabase();
    db->SettingsBlock[kChanTablePos] = 4;
    TransponderRecord existing{};
    SetTpKind(existing, kTpCable);
    existing.usFreq = 346;
    existing.usSymRate = 6875;
    SetTpId(existing, 0);
    AppendTransponder(*db, existing);
    struct Case {
        TransponderListKind kind;
        ListTransponder in;
        int iAdded, iUpdated, iOutOfRange, iNotStorable; // of the entry's two copies
        uint32_t ulFreq, ulSecond, ulFlags;              // the last record: usFreq/usSymRate or ulFreq, and ulTpFlags
    };
    constexpr uint32_t kTerrestrial22 = 2 << 5 | 4 << 9 | (0x80 | 22) << 12 | 1 << 20;
    constexpr uint32_t kTerrestrial21 = 0 << 5 | 2 << 9 | (0x80 | 21) << 12 | 1 << 20;
    const Case cases[] = {
        // 345.6 MHz matches the 346 MHz record, which keeps its frequency.
        {TransponderListKind::Cables, {345600, 6900400, 0, -1, 5, -1}, 0, 1, 0, 0, 346, 6900, 2 | 4 << 5},
        {TransponderListKind::Cables, {354000, 6900000, 0, -1, 3, -1}, 1, 0, 0, 0, 354, 6900, 2 | 2 << 5 | 1 << 20},
        {TransponderListKind::Cables, {859000, 6900000, 0, -1, 3, -1}, 0, 0, 2, 0, 346, 6875, 2},
        {TransponderListKind::Cables, {354000, 6900000, 0, -1, 6, -1}, 0, 0, 0, 2, 346, 6875, 2},
        // 8 MHz and 256-QAM; 482 MHz is channel 22 of plan 4. The second gets the next TpId.
        {TransponderListKind::Terrestrial, {482000000, 0, 0, -1, 4, 0}, 1, 0, 0, 0, 482000, 0, kTerrestrial22},
        // 6 MHz; QPSK becomes 64-QAM; the frequency is cut to whole kHz.
        {TransponderListKind::Terrestrial, {474000999, 0, 0, -1, 0, 2}, 1, 0, 0, 0, 474000, 0, kTerrestrial21},
        {TransponderListKind::Terrestrial, {474000000, 0, 0, -1, 2, 3}, 0, 0, 0, 2, 346, 6875, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.kind) << " " << c.in.iFrequency);
        TransponderList list{c.kind, {ListEntry{"Net", "", 0, "DEU", {c.in, c.in}}}};
        const ListPlan plan = PlanTransponderList(*db, list, {{0}, false});
        const EntryReport& r = plan.aEntries.at(0);
        EXPECT_EQ(std::tie(r.iAdded, r.iUpdated, r.iOutOfRange, r.iNotStorable),
                  std::tie(c.iAdded, c.iUpdated, c.iOutOfRange, c.iNotStorable));
        EXPECT_EQ(r.iDuplicates, r.iAdded + r.iUpdated); // the second copy
        const TransponderRecord& last = plan.aTransponders.back();
        const uint32_t freq = c.kind == TransponderListKind::Terrestrial && r.iAdded ? TpUlFreq(last) : last.usFreq;
        EXPECT_EQ(freq, c.ulFreq);
        if (c.kind == TransponderListKind::Cables || !r.iAdded) {
            EXPECT_EQ(last.usSymRate, c.ulSecond);
        }
        EXPECT_EQ(last.ulTpFlags, c.ulFlags);
    }
}

TEST(TransponderListTest, CableAndTerrestrialListsNeedTheirOwnBranch)
{
    struct Case {
        TransponderListKind kind;
        uint8_t Database::*pFlag;
    };
    for (const Case& c : {Case{TransponderListKind::Cables, &Database::bHasCable},
                          Case{TransponderListKind::Terrestrial, &Database::bHasTerrestrial}}) {
        auto db = MakeEmptyDatabase();
        db->bHasTerrestrial = db->bHasCable = db->bHasIsdbt = 1;
        (*db).*c.pFlag = 0;
        EXPECT_FALSE(ListBranchShown(*db, c.kind)) << int(c.kind);
        EXPECT_TRUE(ListBranchShown(*db, TransponderListKind::Satellites));
        (*db).*c.pFlag = 1;
        EXPECT_TRUE(ListBranchShown(*db, c.kind)) << int(c.kind);
    }
}

TEST(TransponderListTest, TablesThatWouldOverflowTakeNothing)
{
    auto db = MakeEmptyDatabase();
    for (int s = 0; s < kMaxSatellites - 1; ++s)
        AddSatellite(*db, DefaultSatellite());
    for (uint32_t t = 0; t < kMaxTransponders - 2; ++t)
        AppendTransponder(*db, MakeSatelliteTp(t, 0, 10000));
    TransponderList list;
    for (const int64_t position : {100, 200})
        list.aEntries.push_back({"Sat", "", position, "", {{11000000, 27500000}, {11100000, 27500000}}});
    const ListPlan one = PlanTransponderList(*db, list, {{0}, false});
    EXPECT_TRUE(one.Fits());
    const ListPlan two = PlanTransponderList(*db, list, {{0, 1}, false});
    EXPECT_EQ(std::tie(two.iSatellitesOver, two.iTranspondersOver), std::make_tuple(1, 2));
    const auto copy = std::make_unique<Database>(*db);
    EXPECT_FALSE(ApplyListPlan(*db, two));
    ExpectSameDatabase(*db, *copy);
}

} // namespace

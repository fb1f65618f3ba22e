// The database check against a plain reference that compares every pair, on
// random databases full of debris, and the fixes against the rules they keep.
#include "DatabaseCheck.h"

#include "BitFields.h"
#include "DatabaseBuilders.h"
#include "FavGroupNames.h"
#include "ModelOperations.h"
#include "ReferenceList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <random>
#include <set>
#include <tuple>

namespace {

using Row = std::tuple<int, bool, int, int, int, bool>; // kind, radio, index, value, reason, fixable

// Satellites sharing positions, transponders close in frequency, services
// more than once, TpIds no transponder has, stale and repeated favourite
// entries, damaged counts, choices past their lists.
void FillDebris(Database& db, std::mt19937& rng)
{
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    ResetDatabase(db);
    db.header.sSatNumber = int16_t(pick(0, 3));
    for (int s = 0; s < db.header.sSatNumber; ++s) {
        SetSatPosition(db.SatelliteTable[size_t(s)], uint32_t(130 + 100 * pick(0, 1)));
        SetSatDirection(db.SatelliteTable[size_t(s)], uint32_t(pick(0, 1)));
        SetSatChosenTp(db.SatelliteTable[size_t(s)], pick(0, 3) == 0 ? kNoChosenTp : uint32_t(pick(0, 12)));
    }
    std::vector<uint32_t> ids(60);
    std::iota(ids.begin(), ids.end(), 0);
    std::shuffle(ids.begin(), ids.end(), rng);
    const int tps = pick(0, 30);
    for (int t = 0; t < tps; ++t) {
        TransponderRecord tp =
            MakeSatelliteTp(ids[size_t(t)], uint32_t(pick(0, db.header.sSatNumber)), uint16_t(10700 + pick(0, 8)));
        SetTpPolarisation(tp, uint32_t(pick(0, 1)));
        SetTpFec(tp, uint32_t(pick(0, 2)));
        tp.usSymRate = uint16_t(pick(0, 1) * 27500);
        if (const int kind = pick(0, 5); kind < 3) {
            SetTpKind(tp, uint32_t(kind == 0 ? kTpCable : kind == 1 ? kTpTerrestrial : kTpIsdbt));
            if (kind == 0)
                tp.usFreq = uint16_t(300 + pick(0, 3));
            else
                SetTpUlFreq(tp, uint32_t(474000 + 600 * pick(0, 4)));
        }
        AppendTransponder(db, tp);
    }
    const char* names[] = {"One", "Two", "", "Bad\x07"};
    for (const bool radio : {false, true})
        for (int i = pick(0, 40); i > 0; --i) {
            const uint32_t tpId =
                tps == 0 || pick(0, 5) == 0 ? ids[size_t(pick(40, 59))] : ids[size_t(pick(0, tps - 1))];
            ChannelRecord c = MakeChannel(names[pick(0, 3)], uint16_t(tpId), uint16_t(pick(1, 3)));
            c.ulHeadWord = uint32_t(rng());
            c.usFavBits = uint16_t(rng() & 0x030F);
            SetChLocked(c, pick(0, 4) == 0);
            AppendChannel(db, radio, c);
        }
    db.header.sFavNumber = int16_t(pick(0, kMaxFavGroups));
    for (int g = 0; g < db.header.sFavNumber; ++g) {
        std::array<std::vector<uint32_t>, 2> lists;
        for (const bool radio : {false, true})
            for (int e = pick(0, 12); e > 0; --e) {
                const int count = ChannelCount(db, radio);
                lists[radio ? 1 : 0].push_back(count == 0 || pick(0, 3) == 0
                                                   ? 0xABCD0000u + uint32_t(pick(0, 2))
                                                   : ChannelKey(ChannelTable(db, radio)[size_t(pick(0, count - 1))]));
            }
        FavGroup& group = db.FavGroupTable[size_t(g)];
        StoreFavGroupLists(group, lists);
        if (pick(0, 9) == 0)
            group.sTvFavNum = int16_t(pick(0, 1) ? -3 : 230);
    }
}

// Labels the groups of linked items: each item gets the smallest index it is linked to by a chain.
template <typename Linked>
std::vector<int> Components(int count, Linked linked)
{
    std::vector<int> label(static_cast<size_t>(count));
    std::iota(label.begin(), label.end(), 0);
    for (bool changed = true; changed;) {
        changed = false;
        for (int i = 0; i < count; ++i)
            for (int j = 0; j < count; ++j)
                if (linked(i, j) && label[size_t(j)] > label[size_t(i)]) {
                    label[size_t(j)] = label[size_t(i)];
                    changed = true;
                }
    }
    return label;
}

struct Reference {
    std::set<Row> rows;
    std::vector<int> tpKeeper;              // per transponder slot, -1 for none
    std::array<std::vector<int>, 2> keeper; // per channel slot, the slot kept in its place
};

Reference ReferenceCheck(const Database& db)
{
    Reference ref;
    const auto add = [&](CheckKind kind, bool radio, int index, int value, int reason = 0, bool fixable = true) {
        ref.rows.insert({int(kind), radio, index, value, reason, fixable});
    };
    const int sats = db.header.sSatNumber, tps = db.header.sTpNumber;
    const auto& tp = db.TransponderTable;
    const auto ofNoSatellite = [&](int t) { return TpKind(tp[t]) == kTpSatellite && int(TpSatIndex(tp[t])) >= sats; };
    const auto frequency = [&](int t) {
        return TpKind(tp[t]) == kTpSatellite || TpKind(tp[t]) == kTpCable ? tp[t].usFreq : TpUlFreq(tp[t]);
    };
    const std::vector<int> tpLabel = Components(tps, [&](int a, int b) {
        const uint32_t kind = TpKind(tp[a]);
        const uint32_t tolerance = kind == kTpSatellite ? 2 : kind == kTpCable ? 1 : 1000;
        const bool sameSat = kind != kTpSatellite || (TpSatIndex(tp[a]) == TpSatIndex(tp[b]) &&
                                                      TpPolarisation(tp[a]) == TpPolarisation(tp[b]));
        return !ofNoSatellite(a) && !ofNoSatellite(b) && kind == TpKind(tp[b]) && sameSat &&
               uint32_t(std::abs(int(frequency(a)) - int(frequency(b)))) <= tolerance;
    });
    TpSlotIndex index = IndexTransponders(db);
    for (int t = 0; t < tps; ++t) {
        ref.tpKeeper.push_back(tpLabel[size_t(t)] != t ? tpLabel[size_t(t)] : -1);
        int used = 0;
        for (const bool radio : {false, true})
            for (int i = 0; i < ChannelCount(db, radio); ++i)
                used += ChannelTable(db, radio)[size_t(i)].usTpId == TpId(tp[t]);
        if (ofNoSatellite(t))
            add(CheckKind::OrphanTransponders, false, t, used, 0, used == 0);
        else if (tpLabel[size_t(t)] != t)
            add(CheckKind::DuplicateTransponders, false, t, tpLabel[size_t(t)]);
        else if (used == 0)
            add(CheckKind::EmptyTransponders, false, t, 0);
        if (tpLabel[size_t(t)] != t)
            index[TpId(tp[t])] = int16_t(tpLabel[size_t(t)]);
    }
    for (const bool radio : {false, true}) {
        const auto& table = ChannelTable(db, radio);
        const int count = ChannelCount(db, radio);
        std::vector<ChannelIdentity> ids;
        for (int i = 0; i < count; ++i)
            ids.push_back(IdentityOfChannel(db, index, table[size_t(i)]));
        const std::vector<int> label =
            Components(count, [&](int a, int b) { return IdentitiesMatch(ids[size_t(a)], ids[size_t(b)]); });
        auto& keeper = ref.keeper[radio];
        keeper.assign(size_t(count), -1);
        const auto rank = [&](int c) {
            return std::make_tuple(std::popcount(table[size_t(c)].usFavBits & 0xFFu), ChLocked(table[size_t(c)]), -c);
        };
        for (int i = 0; i < count; ++i) {
            int best = i;
            for (int j = 0; j < count; ++j)
                if (label[size_t(j)] == label[size_t(i)] && rank(j) > rank(best))
                    best = j;
            keeper[size_t(i)] = best != i ? best : -1;
            if (keeper[size_t(i)] >= 0)
                add(CheckKind::DuplicateChannels, radio, i, keeper[size_t(i)]);
            if (std::none_of(tp.begin(), tp.begin() + tps,
                             [&](const auto& t) { return TpId(t) == table[size_t(i)].usTpId; }))
                add(CheckKind::OrphanChannels, radio, i, table[size_t(i)].usTpId);
            const std::string_view name = FieldText(table[size_t(i)].acName);
            if (name.empty() || std::any_of(name.begin(), name.end(), [](char c) { return uint8_t(c) < 32; }))
                add(CheckKind::BadNames, radio, i, 0, name.empty() ? kEmptyName : kControlBytes);
        }
        for (int g = 0; g < FavGroupCount(db); ++g) {
            const std::vector<uint32_t> list = FavGroupLists(db.FavGroupTable[size_t(g)])[radio];
            for (size_t p = 0; p < list.size(); ++p) {
                const auto channels = std::count_if(table.begin(), table.begin() + count,
                                                    [&](const ChannelRecord& c) { return ChannelKey(c) == list[p]; });
                if (std::count(list.begin(), list.begin() + ptrdiff_t(p), list[p]) >= channels)
                    add(CheckKind::StaleFavourites, radio, g, int(p), channels ? kRepeated : kNoChannel);
            }
        }
    }
    for (int s = 0; s < sats; ++s) {
        const uint32_t chosen = SatChosenTp(db.SatelliteTable[size_t(s)]);
        const auto listed = std::count_if(tp.begin(), tp.begin() + tps, [&](const auto& t) {
            return TpKind(t) == kTpSatellite && int(TpSatIndex(t)) == s;
        });
        if (chosen != kNoChosenTp && chosen >= uint32_t(listed))
            add(CheckKind::ChosenTransponders, false, s, int(chosen));
    }
    for (int g = 0; g < FavGroupCount(db); ++g) {
        const int tv = db.FavGroupTable[size_t(g)].sTvFavNum, radio = db.FavGroupTable[size_t(g)].sRadioFavNum;
        const int room = kFavSlots - std::clamp(tv, 0, kFavSlots);
        if (tv < 0 || tv > kFavSlots)
            add(CheckKind::DamagedCounts, false, g, tv);
        if (radio < 0 || radio > room)
            add(CheckKind::DamagedCounts, true, g, radio);
    }
    return ref;
}

std::set<Row> RowsOf(const DatabaseFindings& findings)
{
    std::set<Row> rows;
    for (int k = 0; k < kCheckKindCount; ++k)
        for (const CheckRecord& r : findings.aRecords[size_t(k)])
            rows.insert({k, r.bRadio, r.iIndex, r.iValue, r.ucReason, r.bFixable});
    return rows;
}

// Where each transponder of after stands in before, which holds them in
// order with others in between; empty when after is not such a part of it.
std::vector<int> PlacesIn(const std::vector<TransponderRecord>& after, const std::vector<TransponderRecord>& before)
{
    std::vector<int> places;
    size_t w = 0;
    for (const TransponderRecord& tp : after) {
        while (w < before.size() && std::memcmp(&tp, &before[w], sizeof tp) != 0)
            ++w;
        if (w == before.size())
            return {};
        places.push_back(int(w++));
    }
    return places;
}

// A group's list after the fixes: each duplicate's entry read as the kept
// channel's, dropped where that one has its own; then no more entries of a
// key than channels that remain with it.
std::vector<uint32_t> ExpectedList(const std::vector<uint32_t>& old, const std::vector<uint32_t>& keys,
                                   const std::vector<uint32_t>& keptKeys, const std::multiset<uint32_t>& remaining)
{
    std::vector<uint32_t> mapped;
    for (const uint32_t key : old) {
        const auto it = std::find(keys.begin(), keys.end(), key);
        const uint32_t kept = it == keys.end() ? key : keptKeys[size_t(it - keys.begin())];
        if (key == kept || std::find(old.begin(), old.end(), kept) == old.end())
            mapped.push_back(kept);
    }
    std::vector<uint32_t> list;
    for (const uint32_t key : mapped)
        if (std::count(list.begin(), list.end(), key) < ptrdiff_t(remaining.count(key)))
            list.push_back(key);
    return list;
}

TEST(DatabaseCheckTest, FindsWhatEveryPairSaysAndTheFixesLeaveNothingFixable)
{
    auto db = MakeEmptyDatabase();
    auto fixed = MakeEmptyDatabase();
    int found[kCheckKindCount] = {};
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        FillDebris(*db, rng);
        *fixed = *db;
        const DatabaseFindings findings = CheckDatabase(*db);
        const Reference ref = ReferenceCheck(*db);
        ASSERT_EQ(RowsOf(findings), ref.rows);
        for (int k = 0; k < kCheckKindCount; ++k)
            found[k] += findings.Count(CheckKind(k));

        FixDatabase(*fixed, AllFixes());
        const DatabaseFindings again = CheckDatabase(*fixed);
        for (int k = 0; k < kCheckKindCount; ++k)
            EXPECT_EQ(again.Fixable(CheckKind(k)), 0) << kCheckKinds[size_t(k)].pszName;
        EXPECT_EQ(again.Count(CheckKind::DamagedCounts), 0);

        // Every channel that stays is the one it was, on the transponder
        // kept, with the groups and lock of the duplicates it stands for.
        const auto& tps = db->TransponderTable;
        std::array<uint32_t, 4096> newId;
        std::iota(newId.begin(), newId.end(), 0u);
        for (int t = 0; t < db->header.sTpNumber; ++t)
            if (ref.tpKeeper[size_t(t)] >= 0)
                newId[TpId(tps[size_t(t)])] = TpId(tps[size_t(ref.tpKeeper[size_t(t)])]);
        const auto moved = [&](uint32_t key) {
            return key >> 16 < 4096 ? (key & 0xFFFF) | newId[key >> 16] << 16 : key;
        };
        for (const bool radio : {false, true}) {
            const auto& table = ChannelTable(*db, radio);
            std::vector<ChannelRecord> expected(table.begin(), table.begin() + ChannelCount(*db, radio));
            std::vector<uint32_t> keys, keptKeys;
            for (size_t i = 0; i < expected.size(); ++i) {
                const int keeper = ref.keeper[radio][i];
                keys.push_back(moved(ChannelKey(expected[i])));
                keptKeys.push_back(moved(ChannelKey(expected[keeper >= 0 ? size_t(keeper) : i])));
                if (keeper >= 0) {
                    expected[size_t(keeper)].usFavBits |= expected[i].usFavBits & 0xFF;
                    expected[size_t(keeper)].ulChFlags |= expected[i].ulChFlags & 0x40;
                }
            }
            std::vector<ChannelRecord> remaining;
            for (size_t i = 0; i < expected.size(); ++i) {
                const Row orphan{int(CheckKind::OrphanChannels), radio, int(i), expected[i].usTpId, 0, true};
                if (ref.keeper[radio][i] >= 0 || ref.rows.count(orphan))
                    continue;
                expected[i].usTpId = uint16_t(newId[expected[i].usTpId]);
                remaining.push_back(expected[i]);
            }
            ASSERT_EQ(ChannelCount(*fixed, radio), int(remaining.size()));
            std::multiset<uint32_t> remainingKeys;
            for (size_t i = 0; i < remaining.size(); ++i) {
                ASSERT_EQ(std::memcmp(&remaining[i], &ChannelTable(*fixed, radio)[i], sizeof(ChannelRecord)), 0) << i;
                remainingKeys.insert(ChannelKey(remaining[i]));
            }
            for (int g = 0; g < FavGroupCount(*db); ++g) {
                std::vector<uint32_t> old = FavGroupLists(db->FavGroupTable[size_t(g)])[radio];
                std::transform(old.begin(), old.end(), old.begin(), moved);
                EXPECT_EQ(FavGroupLists(fixed->FavGroupTable[size_t(g)])[radio],
                          ExpectedList(old, keys, keptKeys, remainingKeys))
                    << "group " << g;
            }
        }

        // The transponders that stay, in order, a kept one with the symbol
        // rate and FEC of its duplicates where it had none; each satellite's
        // choice stays on its transponder.
        std::vector<TransponderRecord> before(tps.begin(), tps.begin() + db->header.sTpNumber);
        for (size_t t = 0; t < before.size(); ++t)
            if (const int k = ref.tpKeeper[t]; k >= 0) {
                TransponderRecord& kept = before[size_t(k)];
                if (kept.usSymRate == 0 && TpKind(kept) != kTpTerrestrial && TpKind(kept) != kTpIsdbt)
                    kept.usSymRate = before[t].usSymRate;
                if (TpFec(kept) == 0 && TpKind(kept) == kTpSatellite)
                    SetTpFec(kept, TpFec(before[t]));
            }
        const std::vector<TransponderRecord> after(fixed->TransponderTable.begin(),
                                                   fixed->TransponderTable.begin() + fixed->header.sTpNumber);
        const std::vector<int> places = PlacesIn(after, before);
        ASSERT_EQ(places.size(), after.size());
        const auto listOf = [](const std::vector<TransponderRecord>& table, int s) {
            std::vector<int> slots;
            for (size_t t = 0; t < table.size(); ++t)
                if (TpKind(table[t]) == kTpSatellite && int(TpSatIndex(table[t])) == s)
                    slots.push_back(int(t));
            return slots;
        };
        for (int s = 0; s < db->header.sSatNumber; ++s) {
            const std::vector<int> listBefore = listOf(before, s), listAfter = listOf(after, s);
            const uint32_t chosen = SatChosenTp(db->SatelliteTable[size_t(s)]);
            int target = chosen < listBefore.size() ? listBefore[chosen] : -1;
            if (target >= 0 && ref.tpKeeper[size_t(target)] >= 0)
                target = ref.tpKeeper[size_t(target)];
            const auto it =
                std::find_if(listAfter.begin(), listAfter.end(), [&](int t) { return places[size_t(t)] == target; });
            EXPECT_EQ(SatChosenTp(fixed->SatelliteTable[size_t(s)]),
                      it == listAfter.end() ? kNoChosenTp : uint32_t(it - listAfter.begin()))
                << "satellite " << s;
        }
    }
    for (int k = 0; k < kCheckKindCount; ++k)
        EXPECT_GT(found[k], 10) << "the random databases hold " << kCheckKinds[size_t(k)].pszName;
}

} // namespace

// Reference lists: the matching against a plain all-pairs reference on
// random rescans, the order and fields applying writes, the favourite group
// rebuild, and the text form (same effect as the database it came from;
// malformed records reported by line).
#include "BitFields.h"
#include "DatabaseBuilders.h"
#include "ModelOperations.h"
#include "ReferenceCsv.h"
#include "ReferenceList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <random>

namespace {

int Uniform(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
bool OneIn(std::mt19937& rng, int n) { return Uniform(rng, 1, n) == 1; }

constexpr const char* kNames[] = {"", "News", "Sport", "Caf\xe9 Jazz", "A, \"quoted\" one", "Kids"};

void SetName(ChannelRecord& c, std::string_view name)
{
    std::memset(c.acName, 0, sizeof c.acName);
    std::memcpy(c.acName, name.data(), name.size());
    c.ucNameLen = uint8_t(name.size());
}

uint32_t DeliveryOfKind(uint32_t kind)
{
    switch (kind) {
    case kTpSatellite: return kChSatellite;
    case kTpCable: return kChCable;
    case kTpIsdbt: return kChIsdbt;
    default: return kChTerrestrial;
    }
}

// Random favourite lists for the channels' bits: most members listed in a
// random order, some only carrying the bit, now and then a stale key.
void FillRandomGroups(Database& db, std::mt19937& rng)
{
    for (int g = 0; g < kMaxFavGroups; ++g) {
        FavGroup& group = db.FavGroupTable[size_t(g)];
        std::fill(std::begin(group.aulFavKey), std::end(group.aulFavKey), kFreeFavSlot);
        group.sTvFavNum = group.sRadioFavNum = 0;
        for (const bool radio : {false, true}) {
            std::vector<uint32_t> keys;
            for (int i = 0; i < ChannelCount(db, radio); ++i)
                if ((ChannelTable(db, radio)[size_t(i)].usFavBits >> g & 1) && !OneIn(rng, 5))
                    keys.push_back(ChannelKey(ChannelTable(db, radio)[size_t(i)]));
            if (OneIn(rng, 4))
                keys.push_back(uint32_t(rng()));
            std::shuffle(keys.begin(), keys.end(), rng);
            for (const uint32_t key : keys)
                AddFavEntry(db, g, key, radio);
        }
    }
}

// An arranged database: three satellites (two at the same position east and
// west), transponders of every kind with frequencies close together, ids
// now and then used twice, polarisations beyond H and V, channels with few
// service ids and names, some on a missing transponder or of a delivery
// system their transponder does not have.
void MakeArranged(Database& db, std::mt19937& rng)
{
    ResetDatabase(db);
    const std::pair<uint32_t, uint32_t> positions[] = {{192, 0}, {192, 1}, {130, 0}};
    for (const auto& [position, west] : positions) {
        SatelliteRecord& s = db.SatelliteTable[size_t(db.header.sSatNumber++)];
        s = {};
        SetSatPosition(s, position);
        SetSatDirection(s, west);
    }
    std::vector<uint32_t> ids;
    for (int i = 0, n = Uniform(rng, 0, 24); i < n; ++i) {
        TransponderRecord tp{};
        const uint32_t kind = uint32_t(Uniform(rng, 0, 3));
        SetTpKind(tp, kind);
        SetTpId(tp, !ids.empty() && OneIn(rng, 10) ? ids[rng() % ids.size()] : uint32_t(Uniform(rng, 0, 4095)));
        if (kind == kTpSatellite) {
            SetTpSatIndex(tp, uint32_t(OneIn(rng, 8) ? 3 : Uniform(rng, 0, 2)));
            SetTpPolarisation(tp, uint32_t(OneIn(rng, 6) ? Uniform(rng, 2, 3) : Uniform(rng, 0, 1)));
        }
        if (kind == kTpSatellite || kind == kTpCable)
            tp.usFreq = uint16_t((kind == kTpSatellite ? 10700 : 300) + Uniform(rng, 0, 6));
        else
            SetTpUlFreq(tp, uint32_t(474000 + 500 * Uniform(rng, 0, 6)));
        ids.push_back(TpId(tp));
        AppendTransponder(db, tp);
    }
    for (const bool radio : {false, true}) {
        for (int i = 0, n = Uniform(rng, 0, 40); i < n; ++i) {
            const int tp = ids.empty() || OneIn(rng, 10) ? -1 : Uniform(rng, 0, int(ids.size()) - 1);
            ChannelRecord c = MakeChannel(kNames[rng() % std::size(kNames)],
                                          uint16_t(tp < 0 ? 4000 + i : ids[size_t(tp)]), uint16_t(Uniform(rng, 1, 6)));
            SetChDelivery(c, tp >= 0 && !OneIn(rng, 4) ? DeliveryOfKind(TpKind(db.TransponderTable[size_t(tp)]))
                                                       : uint32_t(Uniform(rng, 0, 3)));
            SetChLocked(c, uint32_t(Uniform(rng, 0, 1)));
            c.usFavBits = uint16_t(OneIn(rng, 3) ? rng() : 0);
            if (OneIn(rng, 20)) { // a name that fills the field, as a stored length of 25 to 27 can leave it
                std::memset(c.acName, 'Z', sizeof c.acName);
                c.ucNameLen = 27;
            }
            AppendChannel(db, radio, c);
        }
    }
    FillRandomGroups(db, rng);
}

// The same receiver after a rescan: satellites and transponders in a new
// order under new ids, some frequencies off by a little or by more than the
// tolerance, channels shuffled, some gone, some new, some renamed.
void MakeRescan(const Database& arranged, Database& db, std::mt19937& rng)
{
    ResetDatabase(db);
    std::vector<int> satOrder(size_t(arranged.header.sSatNumber));
    std::iota(satOrder.begin(), satOrder.end(), 0);
    std::shuffle(satOrder.begin(), satOrder.end(), rng);
    std::vector<uint32_t> newSat(satOrder.size());
    for (size_t s = 0; s < satOrder.size(); ++s) {
        db.SatelliteTable[s] = arranged.SatelliteTable[size_t(satOrder[s])];
        newSat[size_t(satOrder[s])] = uint32_t(s);
    }
    db.header.sSatNumber = arranged.header.sSatNumber;

    std::vector<uint32_t> idMap(4096);
    std::iota(idMap.begin(), idMap.end(), 0);
    std::shuffle(idMap.begin(), idMap.end(), rng);
    std::vector<TransponderRecord> tps(arranged.TransponderTable.begin(),
                                       arranged.TransponderTable.begin() + arranged.header.sTpNumber);
    std::shuffle(tps.begin(), tps.end(), rng);
    for (TransponderRecord tp : tps) {
        SetTpId(tp, idMap[TpId(tp)]);
        if (TpKind(tp) == kTpSatellite && TpSatIndex(tp) < newSat.size())
            SetTpSatIndex(tp, newSat[TpSatIndex(tp)]);
        if (OneIn(rng, 3)) {
            if (TpKind(tp) == kTpSatellite || TpKind(tp) == kTpCable)
                tp.usFreq = uint16_t(tp.usFreq + Uniform(rng, -3, 3));
            else
                SetTpUlFreq(tp, TpUlFreq(tp) + uint32_t(Uniform(rng, -1500, 1500)));
        }
        AppendTransponder(db, tp);
    }
    for (const bool radio : {false, true}) {
        std::vector<ChannelRecord> channels;
        for (int i = 0; i < ChannelCount(arranged, radio); ++i) {
            if (OneIn(rng, 8))
                continue;
            ChannelRecord c = ChannelTable(arranged, radio)[size_t(i)];
            c.usTpId = c.usTpId < 4096 ? uint16_t(idMap[c.usTpId]) : c.usTpId;
            if (OneIn(rng, 10))
                c.usTpId = uint16_t(4096 + i); // found again, but under no transponder
            if (OneIn(rng, 8))
                SetName(c, kNames[rng() % std::size(kNames)]);
            SetChLocked(c, 0);
            c.usFavBits = uint16_t(OneIn(rng, 4) ? rng() : 0);
            channels.push_back(c);
        }
        for (int i = 0, n = Uniform(rng, 0, 5); i < n; ++i)
            channels.push_back(
                MakeChannel(kNames[rng() % std::size(kNames)], uint16_t(rng() % 4096), uint16_t(Uniform(rng, 1, 6))));
        std::shuffle(channels.begin(), channels.end(), rng);
        for (const ChannelRecord& c : channels)
            AppendChannel(db, radio, c);
    }
    FillRandomGroups(db, rng);
}

// --- the plain reference: every reference channel against every channel ----

struct PlainIdentity {
    bool bValid = false;
    int iKind = 0; // 1 satellite, 2 cable, 0 terrestrial or ISDB-T
    uint32_t ulTpKind = 0, ulPosition = 0, ulWest = 0, ulPolarisation = 0, ulFrequency = 0;
    uint16_t usServiceId = 0;
};

PlainIdentity IdentityOf(const Database& db, const ChannelRecord& c)
{
    for (int t = 0; t < db.header.sTpNumber; ++t) {
        const TransponderRecord& tp = db.TransponderTable[size_t(t)];
        if (TpId(tp) != c.usTpId)
            continue;
        PlainIdentity id;
        id.usServiceId = c.usServiceId;
        id.ulTpKind = TpKind(tp);
        id.iKind = TpKind(tp) == kTpIsdbt ? 0 : int(TpKind(tp));
        if (id.iKind == 1) {
            if (int(TpSatIndex(tp)) >= db.header.sSatNumber)
                return {};
            const SatelliteRecord& s = db.SatelliteTable[TpSatIndex(tp)];
            id.ulPosition = SatPosition(s);
            id.ulWest = SatDirection(s);
            id.ulPolarisation = TpPolarisation(tp);
        }
        id.ulFrequency = id.iKind == 0 ? TpUlFreq(tp) : tp.usFreq;
        id.bValid = true;
        return id;
    }
    return {};
}

// How far a channel's transponder is from a reference channel's for the
// match by name: same place, else any other, else none; then the frequency
// difference in kHz.
std::pair<int, int64_t> Farness(const PlainIdentity& a, const PlainIdentity& b)
{
    if (!a.bValid || !b.bValid)
        return {2, 0};
    const auto kHz = [](const PlainIdentity& id) { return int64_t(id.ulFrequency) * (id.iKind == 0 ? 1 : 1000); };
    const bool samePlace = a.ulTpKind == b.ulTpKind && a.ulPosition == b.ulPosition && a.ulWest == b.ulWest &&
                           a.ulPolarisation == b.ulPolarisation;
    return {samePlace ? 0 : 1, std::abs(kHz(a) - kHz(b))};
}

TableMatch PlainMatch(const Database& current, const Database& reference, bool radio)
{
    const auto& cTable = ChannelTable(current, radio);
    const auto& rTable = ChannelTable(reference, radio);
    std::vector<bool> taken(size_t(ChannelCount(current, radio)));
    TableMatch match;
    match.aiPartner.assign(size_t(ChannelCount(reference, radio)), -1);
    match.aHow.assign(match.aiPartner.size(), MatchKind::None);
    for (int r = 0; r < ChannelCount(reference, radio); ++r) {
        const PlainIdentity a = IdentityOf(reference, rTable[size_t(r)]);
        int best = -1;
        int64_t bestDistance = 0;
        for (int c = 0; a.bValid && c < ChannelCount(current, radio); ++c) {
            const PlainIdentity b = IdentityOf(current, cTable[size_t(c)]);
            const int64_t distance = std::abs(int64_t(a.ulFrequency) - int64_t(b.ulFrequency));
            const int64_t tolerance = a.iKind == 1 ? 2 : a.iKind == 2 ? 1 : 1000;
            if (taken[size_t(c)] || !b.bValid || a.iKind != b.iKind || a.ulPosition != b.ulPosition ||
                a.ulWest != b.ulWest || a.ulPolarisation != b.ulPolarisation || a.usServiceId != b.usServiceId ||
                distance > tolerance)
                continue;
            if (best < 0 || distance < bestDistance)
                best = c, bestDistance = distance;
        }
        if (best >= 0) {
            taken[size_t(best)] = true;
            match.aiPartner[size_t(r)] = best;
            match.aHow[size_t(r)] = MatchKind::Identity;
        }
    }
    for (int r = 0; r < ChannelCount(reference, radio); ++r) {
        const std::string_view name = FieldText(rTable[size_t(r)].acName);
        if (match.aiPartner[size_t(r)] >= 0 || name.empty())
            continue;
        const PlainIdentity a = IdentityOf(reference, rTable[size_t(r)]);
        int best = -1;
        for (int c = 0; c < ChannelCount(current, radio); ++c)
            if (!taken[size_t(c)] && FieldText(cTable[size_t(c)].acName) == name &&
                ChDelivery(cTable[size_t(c)]) == ChDelivery(rTable[size_t(r)]) &&
                (best < 0 || Farness(a, IdentityOf(current, cTable[size_t(c)])) <
                                 Farness(a, IdentityOf(current, cTable[size_t(best)]))))
                best = c;
        if (best >= 0) {
            taken[size_t(best)] = true;
            match.aiPartner[size_t(r)] = best;
            match.aHow[size_t(r)] = MatchKind::Name;
        }
    }
    return match;
}

TEST(ReferenceListTest, MatchingAgreesWithAllPairsOnRandomRescans)
{
    std::mt19937 rng(1407);
    auto arranged = MakeEmptyDatabase();
    auto rescan = MakeEmptyDatabase();
    auto applied = MakeEmptyDatabase();
    int byIdentity = 0, byName = 0;
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        MakeArranged(*arranged, rng);
        MakeRescan(*arranged, *rescan, rng);
        const ReferenceList reference = ReferenceFromDatabase(*arranged);
        std::array<TableMatch, 2> matches;
        for (const bool radio : {false, true}) {
            const TableMatch expected = PlainMatch(*rescan, *arranged, radio);
            matches[radio] = MatchTable(*rescan, radio, reference.aTables[radio]);
            ASSERT_EQ(matches[radio].aiPartner, expected.aiPartner) << (radio ? "radio" : "TV");
            ASSERT_EQ(matches[radio].aHow, expected.aHow);
            byIdentity += int(std::count(expected.aHow.begin(), expected.aHow.end(), MatchKind::Identity));
            byName += int(std::count(expected.aHow.begin(), expected.aHow.end(), MatchKind::Name));
        }

        // Applying puts the partners first in reference order, then the rest
        // in their order; records move whole, taking only lock and low
        // favourite bits from their partner.
        *applied = *rescan;
        ApplyReference(*applied, reference, {});
        for (const bool radio : {false, true}) {
            const auto& old = ChannelTable(*rescan, radio);
            std::vector<ChannelRecord> expected;
            std::vector<bool> matched(size_t(ChannelCount(*rescan, radio)));
            for (size_t r = 0; r < matches[radio].aiPartner.size(); ++r) {
                if (const int c = matches[radio].aiPartner[r]; c >= 0) {
                    ChannelRecord record = old[size_t(c)];
                    const ChannelRecord& partner = ChannelTable(*arranged, radio)[r];
                    SetChLocked(record, ChLocked(partner));
                    record.usFavBits = uint16_t((record.usFavBits & 0xFF00) | (partner.usFavBits & 0xFF));
                    expected.push_back(record);
                    matched[size_t(c)] = true;
                }
            }
            for (size_t c = 0; c < matched.size(); ++c)
                if (!matched[c])
                    expected.push_back(old[c]);
            ASSERT_EQ(int(expected.size()), ChannelCount(*applied, radio));
            EXPECT_TRUE(expected.empty() || 0 == std::memcmp(expected.data(), ChannelTable(*applied, radio).data(),
                                                             expected.size() * sizeof(ChannelRecord)));
        }
        EXPECT_EQ(0,
                  std::memcmp(&applied->TransponderTable, &rescan->TransponderTable, sizeof rescan->TransponderTable));
    }
    // The rounds exercised both ways of matching.
    EXPECT_GT(byIdentity, 1000);
    EXPECT_GT(byName, 100);
}

// --- favourites --------------------------------------------------------------

TEST(ReferenceListTest, GroupsAreRebuiltInThePartnersOrderThenTheUnmatchedMembers)
{
    // Reference: TV channels a, b, c on one transponder; group 1 lists c
    // then a, and b carries the bit only. Radio channel r listed in group 1.
    auto arranged = MakeEmptyDatabase();
    AppendTransponder(*arranged, MakeSatelliteTp(7, 0, 11000));
    arranged->header.sSatNumber = 1;
    for (const uint16_t sid : {1, 2, 3}) {
        ChannelRecord c = MakeChannel("", 7, sid);
        c.usFavBits = 0x0002;
        AppendChannel(*arranged, false, c);
    }
    ChannelRecord r = MakeChannel("R", 7, 9);
    r.usFavBits = 0x0002;
    AppendChannel(*arranged, true, r);
    AddFavEntry(*arranged, 1, ChannelKey(arranged->TvChannelTable[2]), 0);
    AddFavEntry(*arranged, 1, ChannelKey(arranged->TvChannelTable[0]), 0);
    AddFavEntry(*arranged, 1, ChannelKey(arranged->RadioChannelTable[0]), 1);
    std::memcpy(arranged->SettingsBlock.data() + kFavNamePos + kFavNameSize, "Evening", 8);

    // Current: the same channels under transponder 3 in another order, and
    // two unmatched members of group 1: u listed, v with the bit only.
    auto current = MakeEmptyDatabase();
    current->header.sSatNumber = 1;
    AppendTransponder(*current, MakeSatelliteTp(3, 0, 11001));
    for (const uint16_t sid : {5, 3, 6, 1, 2}) {
        ChannelRecord c = MakeChannel("", 3, sid);
        c.usFavBits = sid >= 5 ? 0x0102 : 0x0100;
        AppendChannel(*current, false, c);
    }
    AddFavEntry(*current, 1, ChannelKey(current->TvChannelTable[0]), 0); // u (sid 5)
    AppendChannel(*current, true, MakeChannel("R", 3, 9));

    const ReferenceSummary summary = ApplyReference(*current, ReferenceFromDatabase(*arranged), {});
    EXPECT_TRUE(summary.bChanged);
    EXPECT_EQ(summary.aTables[0].iByIdentity, 3);
    EXPECT_EQ(summary.aTables[0].aUnmatched.size(), 2u);
    EXPECT_EQ(summary.aTables[1].iByIdentity, 1);
    const FavGroup& group = current->FavGroupTable[1];
    const auto key = [](uint16_t sid) { return uint32_t(sid) | 3u << 16; };
    ASSERT_EQ(group.sTvFavNum, 5);
    EXPECT_EQ(std::vector<uint32_t>(group.aulFavKey, group.aulFavKey + 5),
              (std::vector<uint32_t>{key(3), key(1), key(2), key(5), key(6)}));
    ASSERT_EQ(group.sRadioFavNum, 1);
    EXPECT_EQ(group.aulFavKey[199], key(9));
    EXPECT_EQ(FavName(*current, 1), "Evening");
    EXPECT_EQ(FavName(*current, 0), "MyFav");
    std::vector<uint16_t> order, bits;
    for (int i = 0; i < 5; ++i) {
        order.push_back(current->TvChannelTable[size_t(i)].usServiceId);
        bits.push_back(current->TvChannelTable[size_t(i)].usFavBits);
    }
    EXPECT_EQ(order, (std::vector<uint16_t>{1, 2, 3, 5, 6}));
    EXPECT_EQ(bits, (std::vector<uint16_t>{0x0102, 0x0102, 0x0102, 0x0102, 0x0102}));
}

TEST(ReferenceListTest, OptionsChooseWhatMatchedChannelsTakeAndFullGroupsCountWhatIsLeftOut)
{
    // 150 TV channels in group 0 in the reference, 120 radio members of group
    // 0 in the current database: 70 radio entries find no room.
    auto arranged = MakeEmptyDatabase();
    auto current = MakeEmptyDatabase();
    for (Database* db : {arranged.get(), current.get()}) {
        db->header.sSatNumber = 1;
        AppendTransponder(*db, MakeSatelliteTp(db == arranged.get() ? 1 : 2, 0, 12000));
    }
    for (int i = 0; i < 150; ++i) {
        ChannelRecord c = MakeChannel("Arranged", 1, uint16_t(i));
        SetChLocked(c, 1);
        c.usFavBits = 1;
        AppendChannel(*arranged, false, c);
        AddFavEntry(*arranged, 0, ChannelKey(c), 0);
        AppendChannel(*current, false, MakeChannel("Scanned", 2, uint16_t(149 - i)));
    }
    for (int i = 0; i < 120; ++i) {
        ChannelRecord c = MakeChannel("Radio", 2, uint16_t(i));
        c.usFavBits = 1;
        AppendChannel(*current, true, c);
        AddFavEntry(*current, 0, ChannelKey(c), 1);
    }
    const ReferenceList reference = ReferenceFromDatabase(*arranged);

    struct Case {
        ReferenceOptions options;
        uint32_t ulLocked;
        uint16_t usFavBits;
        std::string_view name;
        int iFavLeftOut;
    };
    const Case cases[] = {
        {{}, 1, 1, "Scanned", 70},
        {{.bFavourites = false}, 1, 0, "Scanned", 0},
        {{.bLocks = false}, 0, 1, "Scanned", 70},
        {{.bFavourites = true, .bLocks = true, .bNames = true}, 1, 1, "Arranged", 70},
    };
    auto applied = MakeEmptyDatabase();
    for (const Case& c : cases) {
        *applied = *current;
        const ReferenceSummary summary = ApplyReference(*applied, reference, c.options);
        const ChannelRecord& first = applied->TvChannelTable[0];
        EXPECT_EQ(first.usServiceId, 0);
        EXPECT_EQ(ChLocked(first), c.ulLocked);
        EXPECT_EQ(first.usFavBits, c.usFavBits);
        EXPECT_EQ(FieldText(first.acName), c.name);
        EXPECT_EQ(first.ucNameLen, c.name.size());
        EXPECT_EQ(summary.aTables[1].iFavLeftOut, c.iFavLeftOut);
        const FavCounts n = ClampedFavCounts(applied->FavGroupTable[0]);
        EXPECT_EQ(n.tv + n.radio, c.options.bFavourites ? 200 : 120);
    }
    // Applying what is already in place changes nothing.
    *applied = *arranged;
    EXPECT_FALSE(ApplyReference(*applied, reference, {}).bChanged);
}

// Each count lands at its own place in the summary (the pattern is shared
// with the window, which fills it in translated).
TEST(ReferenceListTest, SummaryNamesEveryCountInItsPlace)
{
    TableSummary summary{.iByIdentity = 412, .iFavLeftOut = 7};
    summary.aByName.resize(3);
    summary.aUnmatched.resize(50);
    EXPECT_EQ(DescribeTableSummary(summary),
              "412 by identity, 3 by name, 50 unmatched (placed last), 0 reference channels not found, "
              "7 favourite entries left out");
}

// --- the text form -----------------------------------------------------------

// On any database the file form holds: inconsistent arranged ones, and
// random ones with names that carry bytes after their end or fill the field.
TEST(ReferenceListTest, TextFormAppliesExactlyAsTheDatabaseItCameFrom)
{
    std::mt19937 rng(2026);
    auto arranged = MakeEmptyDatabase();
    auto rescan = MakeEmptyDatabase();
    auto fromSdx = MakeEmptyDatabase();
    auto fromCsv = MakeEmptyDatabase();
    const ReferenceOptions everything{.bFavourites = true, .bLocks = true, .bNames = true};
    for (int round = 0; round < 150; ++round) {
        SCOPED_TRACE(round);
        if (round % 3 == 0)
            FillRandomDatabase(*arranged, rng);
        else
            MakeArranged(*arranged, rng);
        MakeRescan(*arranged, *rescan, rng);
        ReferenceList sdx = ReferenceFromDatabase(*arranged);
        sdx.aacFavName = {}; // the text form carries no group names
        CsvError error;
        const std::optional<ReferenceList> csv = ReadReferenceCsv(WriteReferenceCsv(*arranged), error);
        ASSERT_TRUE(csv) << error.iLine << ": " << error.strReason;
        // Everything matching and applying read of a reference channel.
        const auto fields = [](const ReferenceChannel& c) {
            const ChannelIdentity& id = c.identity;
            return std::tuple(id.kind, id.usPosition, id.ucWest, id.ucPolarisation, id.ulFrequency, id.usServiceId,
                              id.ucTpKind, c.ulDelivery, c.Name(), c.ucLocked, c.ucFavBits, c.asFavPlace);
        };
        for (const size_t t : {0u, 1u}) {
            ASSERT_EQ(csv->aTables[t].size(), sdx.aTables[t].size());
            for (size_t i = 0; i < sdx.aTables[t].size(); ++i)
                ASSERT_EQ(fields(csv->aTables[t][i]), fields(sdx.aTables[t][i])) << t << ' ' << i;
        }
        for (const ReferenceOptions& options : {ReferenceOptions{}, everything}) {
            *fromSdx = *rescan;
            *fromCsv = *rescan;
            ApplyReference(*fromSdx, sdx, options);
            ApplyReference(*fromCsv, *csv, options);
            ExpectSameDatabase(*fromSdx, *fromCsv);
        }
    }
}

TEST(ReferenceListTest, MalformedRecordsAreReportedByTheirLine)
{
    // The cases written before the transponder column, read as they were, then the ten-column form.
    const std::string header = "list,delivery,position,frequency,polarisation,service_id,name,lock,favourites\r\n";
    const std::string current = std::string(kReferenceCsvHeader) + "\r\n";
    const std::string good = "TV,S,19.2E,11494,H,28006,News,0,1:4;3\r\n";
    const std::string earlierForm = "\xEF\xBB\xBF" + header + "TV,T,,474000,,1,Caf\xC3\xA9,0,2";
    const std::string semicolonForm =
        "\xEF\xBB\xBFlist;delivery;transponder;position;frequency;polarisation;service_id;name;lock;favourites\r\n"
        "TV;C;S;19.2E;11494;3;1;\"x;y\";0;\"1:4;3\"\r\n;;;;;;;;;\r\n";
    struct Case {
        std::string text;
        int iLine; // 0: reads
    };
    const Case cases[] = {
        {header + good + "\n" + "Radio,C,,346,,12,\"Two\nlines, \"\"quoted\"\"\",1,\r\n", 0},
        {earlierForm, 0},
        {"", 1},
        {"list,delivery\r\n" + good, 1},
        {header + good + "TV,S,19.2E,11494,H,28006,News,0\r\n", 3},
        {header + good + good + "Cable,C,,346,,12,x,0,\r\n", 4},
        {header + "TV,X,,346,,12,x,0,\r\n", 2},
        {header + "TV,S,19.2N,11494,H,1,x,0,\r\n", 2},
        {header + "TV,S,204.8E,11494,H,1,x,0,\r\n", 2},
        {header + "TV,S,19.2E,,H,1,x,0,\r\n", 2},
        {header + "TV,S,,11494,,1,x,0,\r\n", 2},
        {header + "TV,C,,346,V,1,x,0,\r\n", 2},
        {header + "TV,C,,70000,,1,x,0,\r\n", 2},
        {header + "TV,C,,346,,65536,x,0,\r\n", 2},
        {header + "TV,C,,346,,1,\xC5\x81odz,0,\r\n", 2},
        {header + "TV,C,,346,,1,A name of twenty-nine bytes..,0,\r\n", 2},
        {header + "TV,C,,346,,1,x,2,\r\n", 2},
        {header + "TV,C,,346,,1,x,0,9\r\n", 2},
        {header + "TV,C,,346,,1,x,0,1;1\r\n", 2},
        {header + good + "TV,C,,346,,1,x\"y,0,\r\n", 3},
        {header + good + "TV,C,,346,,1,\"x\"y,0,\r\n", 3},
        {header + good + "TV,C,,346,,1,\"x\n\ny,0,\r\n", 3},
        {semicolonForm, 0},
        {current + "TV,S,T,,474000,,1,x,0,\r\nTV,T,,,,,1,ZZZZZZZZZZZZZZZZZZZZZZZZZZZZ,0,\r\n", 0},
        {"list;delivery,transponder,position,frequency,polarisation,service_id,name,lock,favourites\r\n", 1},
        {current + "TV,S,S,19.2E,11494,H,1,x,0\r\n", 2},
        {current + "TV,S,X,19.2E,11494,H,1,x,0,\r\n", 2},
        {current + "TV,S,S,19.2E,11494,L,1,x,0,\r\n", 2},
        {current + "TV,S,,,11494,,1,x,0,\r\n", 2},
        {current + "TV,C,C,19.2E,346,,1,x,0,\r\n", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CsvError error;
        const std::optional<ReferenceList> list = ReadReferenceCsv(c.text, error);
        EXPECT_EQ(list.has_value(), c.iLine == 0) << error.strReason;
        if (c.iLine != 0) {
            EXPECT_EQ(error.iLine, c.iLine) << error.strReason;
        }
    }
    CsvError error;
    const std::optional<ReferenceList> list = ReadReferenceCsv(cases[0].text, error);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->aTables[1].size(), 1u);
    EXPECT_EQ(list->aTables[1][0].Name(), "Two\nlines, \"quoted\"");
    EXPECT_EQ(list->aTables[0][0].asFavPlace[0], 3);
    EXPECT_EQ(list->aTables[0][0].asFavPlace[2], kNoFavPlace);
    EXPECT_EQ(list->aTables[0][0].ucFavBits, 0b101);
    // The earlier form takes the transponder kind from the delivery system;
    // the semicolon form reads as the comma form does.
    const ChannelIdentity nine = ReadReferenceCsv(earlierForm, error).value().aTables[0][0].identity;
    EXPECT_EQ(std::pair(nine.kind, nine.ucTpKind), std::pair(IdentityKind::Terrestrial, uint8_t(kTpTerrestrial)));
    const ReferenceChannel semicolon = ReadReferenceCsv(semicolonForm, error).value().aTables[0][0];
    EXPECT_EQ(std::tuple(semicolon.Name(), semicolon.identity.ucPolarisation, semicolon.asFavPlace[0]),
              std::tuple("x;y", uint8_t(3), int16_t(3)));
}

} // namespace

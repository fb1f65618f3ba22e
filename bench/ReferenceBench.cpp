// Applying a reference list of 8000 TV and 8000 radio channels to a rescan of
// the same size (transponders renumbered and shuffled, channels shuffled,
// a few frequencies off by one), beside a naive baseline that compares every
// reference channel with every current channel and finds each channel's
// transponder by a scan of the table.
#include "BitFields.h"
#include "ModelOperations.h"
#include "ReferenceList.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <random>

namespace {

constexpr int kSatellites = 20;

struct Fixture {
    std::unique_ptr<Database> arranged = std::make_unique<Database>();
    std::unique_ptr<Database> rescan = std::make_unique<Database>();
    std::unique_ptr<Database> work = std::make_unique<Database>();

    Fixture()
    {
        std::mt19937 rng(14);
        Database& r = *arranged;
        ResetDatabase(r);
        for (int s = 0; s < kSatellites; ++s) {
            SetSatPosition(r.SatelliteTable[size_t(s)], uint32_t(50 + 30 * s));
            ++r.header.sSatNumber;
        }
        for (int t = 0; t < kMaxTransponders; ++t) {
            TransponderRecord& tp = r.TransponderTable[size_t(t)];
            SetTpKind(tp, kTpSatellite);
            SetTpId(tp, uint32_t(t));
            SetTpSatIndex(tp, uint32_t(t % kSatellites));
            SetTpPolarisation(tp, uint32_t(t / kSatellites % 2));
            tp.usFreq = uint16_t(10700 + 10 * (t / kSatellites));
        }
        r.header.sTpNumber = kMaxTransponders;
        const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ ";
        for (const bool radio : {false, true}) {
            for (int i = 0; i < kMaxChannels; ++i) {
                ChannelRecord& c = ChannelTable(r, radio)[size_t(i)];
                c.ulMarker = kChannelMarker;
                c.usTpId = uint16_t(rng() % kMaxTransponders);
                c.usServiceId = uint16_t(i);
                c.ucNameLen = uint8_t(4 + rng() % 12);
                for (int k = 0; k < c.ucNameLen; ++k)
                    c.acName[k] = letters[rng() % (sizeof letters - 1)];
                SetChLocked(c, rng() % 10 == 0);
                c.usFavBits = uint16_t(rng() % 20 == 0 ? 1u << (rng() % 8) : 0);
                if (c.usFavBits)
                    AddFavEntry(r, std::countr_zero(c.usFavBits), ChannelKey(c), radio);
            }
            ChannelCount(r, radio) = kMaxChannels;
        }

        // The rescan: new ids, shuffled tables, some frequencies off by one,
        // no locks or favourites.
        Database& c = *rescan;
        c = r;
        std::vector<uint32_t> ids(kMaxTransponders);
        std::iota(ids.begin(), ids.end(), 0);
        std::shuffle(ids.begin(), ids.end(), rng);
        for (int t = 0; t < kMaxTransponders; ++t) {
            TransponderRecord& tp = c.TransponderTable[size_t(t)];
            SetTpId(tp, ids[size_t(t)]);
            if (rng() % 4 == 0)
                ++tp.usFreq;
        }
        std::shuffle(c.TransponderTable.begin(), c.TransponderTable.begin() + kMaxTransponders, rng);
        for (const bool radio : {false, true}) {
            auto& table = ChannelTable(c, radio);
            for (ChannelRecord& channel : table) {
                channel.usTpId = uint16_t(ids[channel.usTpId]);
                SetChLocked(channel, 0);
                channel.usFavBits = 0;
            }
            std::shuffle(table.begin(), table.end(), rng);
        }
        for (int g = 0; g < kMaxFavGroups; ++g)
            c.FavGroupTable[size_t(g)].sTvFavNum = c.FavGroupTable[size_t(g)].sRadioFavNum = 0;
    }
};

Fixture& TheFixture()
{
    static Fixture fixture;
    return fixture;
}

void BM_ApplyReference16000(benchmark::State& state)
{
    Fixture& f = TheFixture();
    for (auto _ : state) {
        state.PauseTiming();
        *f.work = *f.rescan;
        state.ResumeTiming();
        // The reference list as it is read from the arranged database, then matched and applied.
        const ReferenceSummary summary = ApplyReference(*f.work, ReferenceFromDatabase(*f.arranged), {});
        benchmark::DoNotOptimize(summary);
        state.counters["matched"] = summary.aTables[0].iByIdentity + summary.aTables[1].iByIdentity;
    }
}

// Every pair compared, each channel's transponder found by a scan of the
// table; then the order as applying makes it.
int NaiveApply(Database& db, const Database& reference)
{
    const auto identity = [](const Database& d, const ChannelRecord& c) {
        const int t = [&] {
            for (int i = 0; i < d.header.sTpNumber; ++i)
                if (TpId(d.TransponderTable[size_t(i)]) == c.usTpId)
                    return i;
            return -1;
        }();
        ChannelIdentity id;
        if (t < 0)
            return id;
        const TransponderRecord& tp = d.TransponderTable[size_t(t)];
        id.kind = IdentityKind::Satellite;
        id.usPosition = uint16_t(SatPosition(d.SatelliteTable[TpSatIndex(tp)]));
        id.ucPolarisation = uint8_t(TpPolarisation(tp));
        id.ulFrequency = tp.usFreq;
        id.usServiceId = c.usServiceId;
        return id;
    };
    int matched = 0;
    for (const bool radio : {false, true}) {
        const int count = ChannelCount(db, radio);
        const auto& table = ChannelTable(db, radio);
        std::vector<ChannelIdentity> current(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            current[size_t(i)] = identity(db, table[size_t(i)]);
        std::vector<bool> taken(static_cast<size_t>(count));
        std::vector<ChannelRecord> ordered;
        for (int r = 0; r < ChannelCount(reference, radio); ++r) {
            const ChannelRecord& partner = ChannelTable(reference, radio)[size_t(r)];
            const ChannelIdentity want = identity(reference, partner);
            int best = -1;
            for (int i = 0; i < count; ++i)
                if (!taken[size_t(i)] && IdentitiesMatch(want, current[size_t(i)]) &&
                    (best < 0 || std::abs(int(current[size_t(i)].ulFrequency) - int(want.ulFrequency)) <
                                     std::abs(int(current[size_t(best)].ulFrequency) - int(want.ulFrequency))))
                    best = i;
            for (int i = 0; best < 0 && i < count; ++i)
                if (!taken[size_t(i)] && FieldText(table[size_t(i)].acName) == FieldText(partner.acName))
                    best = i;
            if (best < 0)
                continue;
            taken[size_t(best)] = true;
            ordered.push_back(table[size_t(best)]);
            SetChLocked(ordered.back(), ChLocked(partner));
            ++matched;
        }
        for (int i = 0; i < count; ++i)
            if (!taken[size_t(i)])
                ordered.push_back(table[size_t(i)]);
        std::copy(ordered.begin(), ordered.end(), ChannelTable(db, radio).begin());
    }
    return matched;
}

void BM_ApplyReference16000_AllPairsBaseline(benchmark::State& state)
{
    Fixture& f = TheFixture();
    for (auto _ : state) {
        state.PauseTiming();
        *f.work = *f.rescan;
        state.ResumeTiming();
        state.counters["matched"] = NaiveApply(*f.work, *f.arranged);
    }
}

} // namespace

BENCHMARK(BM_ApplyReference16000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplyReference16000_AllPairsBaseline)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();

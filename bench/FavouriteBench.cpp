// A favourite group against a full 8000-channel table, each beside the plain
// way as its baseline: listing a group of 200 entries (keys mapped to rows in
// one pass, beside a table scan per entry) and adding 4000 selected channels
// to an empty group, of which 200 fit (membership by the channel's bit,
// beside a search of the group's entries per channel).
#include "BitFields.h"
#include "ChannelCells.h"
#include "FavouriteOrder.h"
#include "ModelOperations.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int kGroup = 3;
constexpr uint16_t kBit = 1u << kGroup;

// 8000 TV channels with distinct keys; the group holds 200 of them in random
// order, and 100 more carry the bit without an entry.
struct Fixture {
    std::unique_ptr<Database> db = std::make_unique<Database>();
    std::vector<int> selection; // 4000 channels, every other one

    Fixture()
    {
        ResetDatabase(*db);
        std::mt19937 rnd(7);
        for (int i = 0; i < kMaxChannels; ++i) {
            ChannelRecord& c = db->TvChannelTable[size_t(i)];
            c.usTpId = uint16_t(1 + i / 100);
            c.usServiceId = uint16_t(1 + i % 100);
        }
        db->header.sTVNumber = kMaxChannels;
        std::vector<int> order(kMaxChannels);
        for (int i = 0; i < kMaxChannels; ++i)
            order[size_t(i)] = i;
        std::shuffle(order.begin(), order.end(), rnd);
        for (int k = 0; k < 300; ++k) {
            ChannelRecord& c = db->TvChannelTable[size_t(order[size_t(k)])];
            c.usFavBits = kBit;
            if (k < kFavSlots)
                AddFavEntry(*db, kGroup, ChannelKey(c), 0);
        }
        for (int i = 0; i < kMaxChannels; i += 2)
            selection.push_back(i);
    }
};

Fixture& Shared()
{
    static Fixture fixture;
    return fixture;
}

// For each entry, a scan of the table for its channel; then a scan for the
// channels with the bit that no entry showed.
int ListByScanning(const Database& db, int group, std::vector<int>& rows)
{
    const FavGroup& g = db.FavGroupTable[size_t(group)];
    const int count = db.header.sTVNumber;
    std::vector<bool> shown(size_t(count), false);
    int n = 0;
    for (int p = 0; p < g.sTvFavNum; ++p)
        for (int i = 0; i < count; ++i) {
            const ChannelRecord& c = db.TvChannelTable[size_t(i)];
            if ((c.usFavBits >> group & 1) && !shown[size_t(i)] && ChannelKey(c) == g.aulFavKey[p]) {
                shown[size_t(i)] = true;
                rows[size_t(n++)] = i;
                break;
            }
        }
    for (int i = 0; i < count; ++i)
        if ((db.TvChannelTable[size_t(i)].usFavBits >> group & 1) && !shown[size_t(i)])
            rows[size_t(n++)] = i;
    return n;
}

void BM_ListGroup(benchmark::State& state)
{
    const Database& db = *Shared().db;
    std::vector<int> rows(kMaxChannels);
    for (auto _ : state)
        benchmark::DoNotOptimize(FillRowMap(db, false, RowFilter::FavGroup, kGroup, rows));
}
BENCHMARK(BM_ListGroup)->Unit(benchmark::kMillisecond);

void BM_ListGroupBaseline(benchmark::State& state)
{
    const Database& db = *Shared().db;
    std::vector<int> rows(kMaxChannels);
    for (auto _ : state)
        benchmark::DoNotOptimize(ListByScanning(db, kGroup, rows));
}
BENCHMARK(BM_ListGroupBaseline)->Unit(benchmark::kMillisecond);

// Each run starts from an empty group 5 with no channel in it.
void ClearGroup(Database& db, int group)
{
    for (int i = 0; i < db.header.sTVNumber; ++i)
        db.TvChannelTable[size_t(i)].usFavBits = uint16_t(db.TvChannelTable[size_t(i)].usFavBits & ~(1u << group));
    db.FavGroupTable[size_t(group)].sTvFavNum = 0;
}

void BM_AddSelectionToGroup(benchmark::State& state)
{
    Fixture& f = Shared();
    for (auto _ : state) {
        state.PauseTiming();
        ClearGroup(*f.db, 5);
        state.ResumeTiming();
        const FavMembershipChange change = AddChannelsToFavGroup(*f.db, false, 5, f.selection);
        benchmark::DoNotOptimize(change);
    }
}
BENCHMARK(BM_AddSelectionToGroup)->Unit(benchmark::kMillisecond);

void BM_AddSelectionToGroupBaseline(benchmark::State& state)
{
    Fixture& f = Shared();
    for (auto _ : state) {
        state.PauseTiming();
        ClearGroup(*f.db, 5);
        state.ResumeTiming();
        int refused = 0;
        for (int i : f.selection) {
            ChannelRecord& c = f.db->TvChannelTable[size_t(i)];
            if (FindFavEntry(*f.db, 5, ChannelKey(c), 0) >= 0)
                continue;
            if (AddFavEntry(*f.db, 5, ChannelKey(c), 0) == kFavDone)
                c.usFavBits = uint16_t(c.usFavBits | (1u << 5));
            else
                ++refused;
        }
        benchmark::DoNotOptimize(refused);
    }
}
BENCHMARK(BM_AddSelectionToGroupBaseline)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

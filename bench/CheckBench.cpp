// The whole database check on full tables (100 satellites, 4000
// transponders, 8000 TV and 8000 radio channels, 8 groups of 200 entries)
// with one channel in 50 a copy of the one before, beside the plain search
// for duplicates alone as its baseline: every pair of channels of a table
// compared by identity.
#include "DatabaseCheck.h"
#include "DemoDatabase.h"
#include "ReferenceList.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

struct Fixture {
    std::unique_ptr<Database> db = std::make_unique<Database>();

    Fixture()
    {
        BuildDemoDatabase(*db, DemoSize::Max);
        for (const bool radio : {false, true})
            for (int i = 50; i < kMaxChannels; i += 50)
                ChannelTable(*db, radio)[size_t(i)] = ChannelTable(*db, radio)[size_t(i - 1)];
    }
};

const Database& Shared()
{
    static Fixture fixture;
    return *fixture.db;
}

int DuplicatesByPairs(const Database& db)
{
    const TpSlotIndex tps = IndexTransponders(db);
    int duplicates = 0;
    for (const bool radio : {false, true}) {
        std::vector<ChannelIdentity> ids;
        for (int i = 0; i < ChannelCount(db, radio); ++i)
            ids.push_back(IdentityOfChannel(db, tps, ChannelTable(db, radio)[size_t(i)]));
        for (size_t i = 0; i < ids.size(); ++i)
            for (size_t j = 0; j < i; ++j)
                if (IdentitiesMatch(ids[i], ids[j])) {
                    ++duplicates;
                    break;
                }
    }
    return duplicates;
}

void BM_CheckDatabase(benchmark::State& state)
{
    const Database& db = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckDatabase(db));
    state.counters["duplicates"] = CheckDatabase(db).Count(CheckKind::DuplicateChannels);
}
BENCHMARK(BM_CheckDatabase)->Unit(benchmark::kMillisecond);

void BM_CheckDatabaseBaseline(benchmark::State& state)
{
    const Database& db = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(DuplicatesByPairs(db));
    state.counters["duplicates"] = DuplicatesByPairs(db);
}
BENCHMARK(BM_CheckDatabaseBaseline)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

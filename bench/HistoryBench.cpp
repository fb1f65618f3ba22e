// The editing history on full tables (100 satellites of 40 transponders,
// 8000 TV channels, 20 on each transponder): undo and redo of deleting 4000
// of the 8000 channels, of an A to Z sort of them and of deleting a satellite
// with its 40 transponders and 800 channels, each beside restoring a whole
// copy of the tables as its baseline; recording a step; and the memory that
// 100 sort steps hold, beside 100 copies.
#include "BitFields.h"
#include "ChannelOperations.h"
#include "EditHistory.h"
#include "ModelOperations.h"
#include "SatelliteOperations.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <numeric>
#include <random>

namespace {

constexpr int kTpsPerSatellite = 40;

std::unique_ptr<Database> FullDatabase()
{
    auto db = std::make_unique<Database>();
    ResetDatabase(*db);
    std::mt19937 rng(2024);
    for (int s = 0; s < kMaxSatellites; ++s) {
        SatelliteRecord sat = DefaultSatellite();
        sat.acSatName[0] = char('A' + s % 26);
        AddSatellite(*db, sat);
    }
    for (int t = 0; t < kMaxTransponders; ++t) {
        TransponderRecord& tp = db->TransponderTable[size_t(t)];
        tp.usFreq = uint16_t(10700 + t % 2000);
        tp.usSymRate = 27500;
        SetTpKind(tp, kTpSatellite);
        SetTpSatIndex(tp, uint32_t(t / kTpsPerSatellite));
        SetTpId(tp, uint32_t(t));
    }
    db->header.sTpNumber = kMaxTransponders;
    const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 ";
    for (int i = 0; i < kMaxChannels; ++i) {
        ChannelRecord& c = db->TvChannelTable[size_t(i)];
        c = MakeChannelTemplate(i / (kMaxChannels / kMaxTransponders), false);
        c.ucNameLen = uint8_t(3 + rng() % 18);
        for (int k = 0; k < c.ucNameLen; ++k)
            c.acName[k] = letters[rng() % (sizeof letters - 1)];
        c.usServiceId = uint16_t(i);
    }
    db->header.sTVNumber = kMaxChannels;
    return db;
}

std::vector<int> AllRows()
{
    std::vector<int> rows(kMaxChannels);
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

// The edits measured, each turning the full database into its after state.
enum Edit { kDeleteHalf, kSortAToZ, kDeleteSatellite };

void RunEdit(Database& db, int edit)
{
    switch (edit) {
    case kDeleteHalf: {
        std::vector<int> everyOther;
        for (int i = 0; i < kMaxChannels; i += 2)
            everyOther.push_back(i);
        DeleteChannelRecords(db, false, everyOther);
        break;
    }
    case kSortAToZ: SortRowsByName(db, false, AllRows(), false); break;
    case kDeleteSatellite: DeleteSatellite(db, kMaxSatellites / 2); break;
    default: break;
    }
}

const char* EditName(int edit)
{
    switch (edit) {
    case kDeleteHalf: return "delete 4000 of 8000";
    case kSortAToZ: return "sort A to Z of 8000";
    default: return "delete satellite (40 tps, 800 channels)";
    }
}

// A full database with one step recorded: the edit is done.
struct Recorded {
    std::unique_ptr<Database> db = FullDatabase();
    EditHistory history;
    explicit Recorded(int edit)
    {
        history.Start(*db);
        RunEdit(*db, edit);
        history.Record(EditName(edit), *db);
    }
};

// Undo (redo false) or redo of the step; the other direction runs untimed in between.
void BM_HistoryStep(benchmark::State& state, bool redo)
{
    Recorded step(int(state.range(0)));
    Database& db = *step.db;
    for (auto _ : state) {
        if (redo) {
            state.PauseTiming();
            step.history.Undo(db);
            state.ResumeTiming();
            step.history.Redo(db);
        } else {
            step.history.Undo(db);
            state.PauseTiming();
            step.history.Redo(db);
            state.ResumeTiming();
        }
    }
    state.SetLabel(EditName(int(state.range(0))));
    state.counters["step_KiB"] = double(step.history.Bytes()) / 1024;
}
void BM_Undo(benchmark::State& state) { BM_HistoryStep(state, false); }
void BM_Redo(benchmark::State& state) { BM_HistoryStep(state, true); }

// Baseline: restoring the whole tables from a copy taken before the edit.
void BM_RestoreWholeCopy(benchmark::State& state)
{
    const auto copy = FullDatabase();
    auto db = std::make_unique<Database>(*copy);
    for (auto _ : state) {
        CopyFileContents(*copy, *db);
        benchmark::DoNotOptimize(db->TvChannelTable[0]);
    }
}

// What ApplyEdit adds to an edit: recording the step (the edit itself, and
// the undo that sets the next run up, are not timed).
void BM_RecordStep(benchmark::State& state)
{
    const int edit = int(state.range(0));
    Recorded step(edit);
    for (auto _ : state) {
        state.PauseTiming();
        step.history.Undo(*step.db);
        RunEdit(*step.db, edit);
        state.ResumeTiming();
        step.history.Record(EditName(edit), *step.db);
    }
    state.SetLabel(EditName(edit));
}

// 100 steps of alternating A to Z and Z to A sorts of the 8000 channels.
void BM_HistoryOf100Sorts(benchmark::State& state)
{
    auto db = FullDatabase();
    size_t bytes = 0;
    for (auto _ : state) {
        EditHistory history;
        history.Start(*db);
        for (int i = 0; i < 100; ++i) {
            SortRowsByName(*db, false, AllRows(), i % 2 == 1);
            history.Record(i % 2 ? "Sort Z to A" : "Sort A to Z", *db);
        }
        bytes = history.Bytes();
    }
    state.counters["history_MiB"] = double(bytes) / (1 << 20);
    state.counters["100_copies_MiB"] = 100.0 * double(sizeof(Database) - kPackedImageSize) / (1 << 20);
}

} // namespace

BENCHMARK(BM_RestoreWholeCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Undo)->DenseRange(kDeleteHalf, kDeleteSatellite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redo)->DenseRange(kDeleteHalf, kDeleteSatellite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordStep)->DenseRange(kDeleteHalf, kDeleteSatellite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryOf100Sorts)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();

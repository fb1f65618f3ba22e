// The editing history on full tables: 100 satellites of 40 transponders and
// 8000 TV channels, 800 of them on the 40 transponders of satellite 50 (20
// each), two on each of 3600 other transponders. What the user waits for at
// Undo and Redo of deleting 4000 of the 8000 channels, of an A to Z sort of
// them and of deleting satellite 50 with its 40 transponders and 800
// channels: the patch, the list and the tree filled again and both painted,
// in the main window under the offscreen platform, beside the same with the
// whole tables restored from a copy as the baseline. Then the patch alone
// beside the copy alone, recording a step, and the memory that 100 sort
// steps hold beside 100 copies.
#include "BitFields.h"
#include "CEditZarnApp.h"
#include "CEditZarnDoc.h"
#include "CEditZarnView.h"
#include "CLeftView.h"
#include "CMainFrame.h"
#include "ChannelOperations.h"
#include "EditHistory.h"
#include "FileAccess.h"
#include "ModelOperations.h"
#include "SatelliteOperations.h"
#include "ViewPlace.h"
#include "WidgetBenchMain.h"
#include "YesPrompts.h"

#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <numeric>
#include <random>

namespace {

constexpr int kTpsPerSatellite = 40;
constexpr int kDeletedSatellite = kMaxSatellites / 2;
constexpr int kChannelsPerDeletedTp = 20;

// The transponder of TV channel i: the deleted satellite's channels sit in
// the middle of the table, two channels per transponder before and after.
int TpOfChannel(int i)
{
    const int firstTp = kDeletedSatellite * kTpsPerSatellite;
    const int firstChannel = 2 * firstTp;
    const int own = kTpsPerSatellite * kChannelsPerDeletedTp;
    if (i < firstChannel)
        return i / 2;
    if (i < firstChannel + own)
        return firstTp + (i - firstChannel) / kChannelsPerDeletedTp;
    return firstTp + kTpsPerSatellite + (i - firstChannel - own) / 2;
}

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
        c = MakeChannelTemplate(TpOfChannel(i), false);
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

std::vector<int> EveryOther()
{
    std::vector<int> channels;
    for (int i = 0; i < kMaxChannels; i += 2)
        channels.push_back(i);
    return channels;
}

void RunEdit(Database& db, int edit)
{
    switch (edit) {
    case kDeleteHalf: DeleteChannelRecords(db, false, EveryOther()); break;
    case kSortAToZ: SortRowsByName(db, false, AllRows(), false); break;
    case kDeleteSatellite: DeleteSatellite(db, kDeletedSatellite); break;
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

// --- what the user waits for ---------------------------------------------------

// The main window on the full database, the edit done by its command: the
// channels deleted from "Channel List", the list sorted there, the satellite
// deleted from its node (whose list shows its 800 channels).
struct Window {
    YesPrompts prompts;
    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    CEditZarnApp app{settings, &prompts};
    std::unique_ptr<Database> before;
    std::unique_ptr<Database> after;
    std::vector<int> place; // where the user was when the edit was made

    explicit Window(int edit)
    {
        auto db = FullDatabase();
        SaveDatabaseFile(*db, dir.filePath("full.sdx"));
        app.InitInstance(dir.filePath("full.sdx"));
        CLeftView& tree = Tree();
        CEditZarnView& list = List();
        if (edit == kDeleteSatellite)
            tree.setCurrentItem(tree.Root(kRootSatellite)->child(kDeletedSatellite));
        if (edit == kDeleteHalf) {
            list.SelectChannels(EveryOther());
        }
        place = CaptureViewPlace(tree, list);
        before = std::make_unique<Database>(Doc().Data());
        switch (edit) {
        case kDeleteHalf: list.DeleteChannels(); break;
        case kSortAToZ: list.SortByNameAscending(); break;
        default: tree.OnDeleteAntenna(); break;
        }
        after = std::make_unique<Database>(Doc().Data());
        Paint();
    }
    CEditZarnDoc& Doc() { return app.Document(); }
    CLeftView& Tree() { return *app.MainFrame()->LeftView(); }
    CEditZarnView& List() { return *app.MainFrame()->ListView(); }
    void Paint()
    {
        Tree().viewport()->repaint();
        List().viewport()->repaint();
    }
};

// Undo (redo false) or Redo in the window, painted; the other direction runs
// untimed in between.
void BM_HistoryShown(benchmark::State& state, bool redo)
{
    Window window(int(state.range(0)));
    CEditZarnDoc& doc = window.Doc();
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (redo)
            doc.Undo();
        state.ResumeTiming();
        redo ? doc.Redo() : doc.Undo();
        window.Paint();
        state.PauseTiming();
        rows = window.List().model()->rowCount();
        if (!redo)
            doc.Redo();
        state.ResumeTiming();
    }
    state.SetLabel(EditName(int(state.range(0))));
    state.counters["rows_shown"] = rows;
}
void BM_UndoShown(benchmark::State& state) { BM_HistoryShown(state, false); }
void BM_RedoShown(benchmark::State& state) { BM_HistoryShown(state, true); }

// Baseline: the whole tables copied back from before the edit, then the
// views filled again and painted as Undo does.
void BM_RestoreWholeCopyShown(benchmark::State& state)
{
    Window window(int(state.range(0)));
    for (auto _ : state) {
        CopyFileContents(*window.before, window.Doc().Data());
        RestoreViewPlace(window.Tree(), window.List(), window.place);
        window.Paint();
        state.PauseTiming();
        CopyFileContents(*window.after, window.Doc().Data());
        state.ResumeTiming();
    }
    state.SetLabel(EditName(int(state.range(0))));
}

// --- the history alone -----------------------------------------------------------

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

// The patch of Undo (redo false) or Redo alone.
void BM_HistoryPatch(benchmark::State& state, bool redo)
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
    state.counters["step_KiB"] = double(step.history.Bytes() - EditHistory::kStateBytes) / 1024;
}
void BM_UndoPatch(benchmark::State& state) { BM_HistoryPatch(state, false); }
void BM_RedoPatch(benchmark::State& state) { BM_HistoryPatch(state, true); }

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

// 100 steps of alternating A to Z and Z to A sorts of the 8000 channels: what
// the steps hold, and all the history holds with its copy of the state.
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
    state.counters["steps_MiB"] = double(bytes - EditHistory::kStateBytes) / (1 << 20);
    state.counters["history_MiB"] = double(bytes) / (1 << 20);
    state.counters["100_copies_MiB"] = 100.0 * double(sizeof(Database) - kPackedImageSize) / (1 << 20);
}

} // namespace

BENCHMARK(BM_RestoreWholeCopyShown)->DenseRange(kDeleteHalf, kDeleteSatellite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoShown)->DenseRange(kDeleteHalf, kDeleteSatellite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoShown)->DenseRange(kDeleteHalf, kDeleteSatellite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RestoreWholeCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoPatch)->DenseRange(kDeleteHalf, kDeleteSatellite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoPatch)->DenseRange(kDeleteHalf, kDeleteSatellite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordStep)->DenseRange(kDeleteHalf, kDeleteSatellite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryOf100Sorts)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv); }

// The channel list's operations on a full 8000-channel table with random
// names, each beside the record-by-record way as its baseline: the A-Z sort
// beside a bubble sort, deleting, moving and dropping 4000 selected rows
// beside moving one row at a time, a list refresh beside filling every cell
// of every row, and a filter keystroke beside a sort-filter proxy over every
// cell. The list and the filter run with and without painting the rows on
// screen, their baselines alike, so that painted compares with painted. A
// header click's sort by Service ID and by Name beside
// std::stable_sort of the row indices with the same comparator making both
// keys at every comparison; Space and Ctrl+4 on 4000 selected rows beside
// storing each channel as Edit Channel does. These are timed alone and as
// the editing step a key makes (step 1), whose recording in the history takes
// most of the time when thousands of records change.
#include "BitFields.h"
#include "BlockMove.h"
#include "CEditZarnDoc.h"
#include "CEditZarnView.h"
#include "ChannelCells.h"
#include "ChannelOperations.h"
#include "ColumnSort.h"
#include "FavouriteOrder.h"
#include "ModelOperations.h"
#include "WidgetBenchMain.h"
#include "YesPrompts.h"

#include <QApplication>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstring>
#include <numeric>
#include <random>

namespace {

// A document holding 8000 TV channels with random names, and a copy of the
// table to start each run from.
struct Fixture {
    YesPrompts prompts;
    CEditZarnDoc doc{prompts};
    std::vector<ChannelRecord> original;
    decltype(Database::FavGroupTable) originalGroups;
    std::vector<int> allRows = std::vector<int>(kMaxChannels);
    std::vector<int> everyOtherRow;

    Fixture()
    {
        Database& db = doc.Data();
        ResetDatabase(db);
        std::mt19937 rng(2024);
        const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 ";
        for (int i = 0; i < kMaxChannels; ++i) {
            ChannelRecord& c = db.TvChannelTable[size_t(i)];
            c = MakeChannelTemplate(int(rng() % 4000), false);
            c.ucNameLen = uint8_t(3 + rng() % 18);
            for (int k = 0; k < c.ucNameLen; ++k)
                c.acName[k] = letters[rng() % (sizeof letters - 1)];
            c.usServiceId = uint16_t(rng());
        }
        db.header.sTVNumber = kMaxChannels;
        doc.bDataLoaded = 1;
        original.assign(db.TvChannelTable.begin(), db.TvChannelTable.end());
        originalGroups = db.FavGroupTable;
        std::iota(allRows.begin(), allRows.end(), 0);
        for (int r = 0; r < kMaxChannels; r += 2)
            everyOtherRow.push_back(r);
    }

    void Restore()
    {
        std::copy(original.begin(), original.end(), doc.Data().TvChannelTable.begin());
        doc.Data().header.sTVNumber = kMaxChannels;
        doc.Data().FavGroupTable = originalGroups;
    }
};
Fixture& TheFixture()
{
    static Fixture fixture;
    return fixture;
}

template <typename Setup, typename Run>
void Timed(benchmark::State& state, Setup setup, Run run)
{
    for (auto _ : state) {
        state.PauseTiming();
        setup();
        state.ResumeTiming();
        run();
    }
}

// --- A to Z ------------------------------------------------------------------

// Bubble sort over the rows: the names copied and upper-cased for every
// comparison, whole records exchanged.
void BubbleSortByName(Database& db, const std::vector<int>& rows)
{
    auto& table = db.TvChannelTable;
    const auto upper = [](const ChannelRecord& c, char* out) {
        const std::string_view name = FieldText(c.acName);
        for (size_t i = 0; i < name.size(); ++i)
            out[i] = name[i] >= 'a' && name[i] <= 'z' ? char(name[i] - 'a' + 'A') : name[i];
        out[name.size()] = 0;
    };
    const int n = int(rows.size());
    for (int i = 0; i + 1 < n; ++i)
        for (int j = 0; j < n - 1 - i; ++j) {
            char a[kChannelNameSize + 1], b[kChannelNameSize + 1];
            upper(table[size_t(rows[size_t(j)])], a);
            upper(table[size_t(rows[size_t(j) + 1])], b);
            if (std::strcmp(a, b) > 0)
                std::swap(table[size_t(rows[size_t(j)])], table[size_t(rows[size_t(j) + 1])]);
        }
}

void BM_SortAtoZ(benchmark::State& state)
{
    Fixture& f = TheFixture();
    Timed(
        state, [&] { f.Restore(); }, [&] { SortRowsByName(f.doc.Data(), false, f.allRows, false); });
}
void BM_SortAtoZ_BubbleBaseline(benchmark::State& state)
{
    Fixture& f = TheFixture();
    Timed(
        state, [&] { f.Restore(); }, [&] { BubbleSortByName(f.doc.Data(), f.allRows); });
}

// --- delete 4000 rows with the refill ----------------------------------------

void BM_Delete4000(benchmark::State& state)
{
    Fixture& f = TheFixture();
    std::vector<int> rowMap(kMaxChannels);
    Timed(
        state, [&] { f.Restore(); },
        [&] {
            DeleteChannelRecords(f.doc.Data(), false, f.everyOtherRow);
            benchmark::DoNotOptimize(FillRowMap(f.doc.Data(), false, RowFilter::All, 0, rowMap));
        });
}

// One removal at a time, each moving every later record down, the list
// refilled after each.
void BM_Delete4000_OneByOneBaseline(benchmark::State& state)
{
    Fixture& f = TheFixture();
    std::vector<int> rowMap(kMaxChannels);
    Timed(
        state, [&] { f.Restore(); },
        [&] {
            Database& db = f.doc.Data();
            std::vector<int> channels = f.everyOtherRow;
            for (size_t k = 0; k < channels.size(); ++k) {
                const int count = db.header.sTVNumber;
                for (int i = channels[k]; i + 1 < count; ++i)
                    db.TvChannelTable[size_t(i)] = db.TvChannelTable[size_t(i) + 1];
                for (int& index : channels)
                    --index;
                db.header.sTVNumber = int16_t(count - 1);
                FillRowMap(db, false, RowFilter::All, 0, rowMap);
            }
        });
}

// --- move 4000 rows ----------------------------------------------------------

void BM_Move4000(benchmark::State& state)
{
    Fixture& f = TheFixture();
    Timed(
        state, [&] { f.Restore(); },
        [&] { MoveChannelRows(f.doc.Data(), false, f.allRows, f.everyOtherRow, kMaxChannels / 2 + 1); });
}

// Each selected row moved to the target on its own, shifting the rows between.
void BM_Move4000_OneAtATimeBaseline(benchmark::State& state)
{
    Fixture& f = TheFixture();
    Timed(
        state, [&] { f.Restore(); },
        [&] {
            auto& table = f.doc.Data().TvChannelTable;
            int t = kMaxChannels / 2 + 1, adj = 0;
            bool down = false;
            for (int r : f.everyOtherRow) {
                if (r == t)
                    continue;
                if (r < t) {
                    r += adj--;
                    const ChannelRecord saved = table[size_t(r)];
                    std::copy(table.begin() + r + 1, table.begin() + t + 1, table.begin() + r);
                    table[size_t(t)] = saved;
                    down = true;
                } else {
                    t += down ? 1 : 0;
                    down = false;
                    const ChannelRecord saved = table[size_t(r)];
                    std::copy_backward(table.begin() + t, table.begin() + r, table.begin() + r + 1);
                    table[size_t(t++)] = saved;
                }
            }
        });
}

// The model part of dropping 4000 selected rows into a gap: the target row,
// the block move, the new selection and the refilled row map.
void BM_Drop4000(benchmark::State& state)
{
    Fixture& f = TheFixture();
    std::vector<int> rowMap(kMaxChannels);
    Timed(
        state, [&] { f.Restore(); },
        [&] {
            const std::vector<bool> chosen = ChosenRows(kMaxChannels, f.everyOtherRow);
            const int target = TargetForGap(chosen, kMaxChannels / 2 + 1);
            MoveChannelRows(f.doc.Data(), false, f.allRows, f.everyOtherRow, target);
            benchmark::DoNotOptimize(BlockStart(chosen, target));
            benchmark::DoNotOptimize(FillRowMap(f.doc.Data(), false, RowFilter::All, 0, rowMap));
        });
}

// --- list refresh ------------------------------------------------------------

// The list of all channels on screen.
void ShowAll(CEditZarnView& view)
{
    view.resize(800, 600);
    view.show();
    view.ShowListKind(kListAll);
    QApplication::processEvents();
}

// Every row appended with all ten cell texts.
void AppendAllCells(QStandardItemModel& model, const Database& db)
{
    for (int i = 0; i < db.header.sTVNumber; ++i) {
        QList<QStandardItem*> cells;
        for (int column = 0; column < kChannelColumnCount; ++column)
            cells << new QStandardItem(QString::fromStdString(FormatRowCell(db, false, RowFilter::All, i, i, column)));
        model.appendRow(cells);
    }
}

void BM_Refresh8000(benchmark::State& state)
{
    Fixture& f = TheFixture();
    f.Restore();
    CEditZarnView view(f.doc);
    ShowAll(view);
    const bool paint = state.range(0);
    for (auto _ : state) {
        view.RefreshChannelList(0);
        if (paint)
            view.viewport()->repaint(); // formats the rows on screen
    }
    state.counters["rows"] = view.model()->rowCount();
}

// Every row inserted with all ten cell texts.
void BM_Refresh8000_AllCellsBaseline(benchmark::State& state)
{
    Fixture& f = TheFixture();
    f.Restore();
    QStandardItemModel model(0, kChannelColumnCount);
    QTableView view;
    view.setModel(&model);
    view.resize(800, 600);
    view.show();
    const bool paint = state.range(0);
    for (auto _ : state) {
        model.setRowCount(0);
        AppendAllCells(model, f.doc.Data());
        if (paint)
            view.viewport()->repaint();
    }
}

// --- filter keystroke ---------------------------------------------------------

// One more letter typed in the filter box over 8000 listed channels: the row
// map rebuilt and filtered, the view reset (and, painted, the rows on screen
// formatted).
void BM_FilterKeystroke(benchmark::State& state)
{
    Fixture& f = TheFixture();
    f.Restore();
    CEditZarnView view(f.doc);
    ShowAll(view);
    const bool paint = state.range(0);
    ChannelFilter filter;
    int keystroke = 0;
    for (auto _ : state) {
        filter.strText = ++keystroke % 2 ? "ab" : "a";
        view.SetFilter(filter);
        if (paint)
            view.viewport()->repaint();
    }
    filter.strText = "ab"; // the rows one of the two keystrokes leaves, as below
    view.SetFilter(filter);
    state.counters["rows_ab"] = view.model()->rowCount();
}

// Every cell in an item model behind a sort-filter proxy that matches the
// name column, letter case ignored.
void BM_FilterKeystroke_ProxyBaseline(benchmark::State& state)
{
    Fixture& f = TheFixture();
    f.Restore();
    QStandardItemModel model(0, kChannelColumnCount);
    AppendAllCells(model, f.doc.Data());
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setFilterKeyColumn(kColumnName);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    QTableView view;
    view.setModel(&proxy);
    view.resize(800, 600);
    view.show();
    QApplication::processEvents();
    const bool paint = state.range(0);
    int keystroke = 0;
    for (auto _ : state) {
        proxy.setFilterFixedString(++keystroke % 2 ? "ab" : "a");
        view.scrollToTop();
        if (paint)
            view.viewport()->repaint();
    }
    proxy.setFilterFixedString("ab");
    state.counters["rows_ab"] = proxy.rowCount();
}

// --- header sort and quick edits as editing steps ----------------------------

// The edit on the table as the fixture holds it, alone or (Arg step 1) as one
// editing step, which is undone untimed.
template <typename Edit>
void TimedStep(benchmark::State& state, Edit edit)
{
    Fixture& f = TheFixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.Restore();
        state.ResumeTiming();
        if (!state.range(1)) {
            edit(f.doc.Data());
            continue;
        }
        f.doc.ApplyEdit("bench", [&](Database& db) { return edit(db); });
        state.PauseTiming();
        f.doc.Undo();
        state.ResumeTiming();
    }
}

void BM_HeaderSort(benchmark::State& state)
{
    const int column = int(state.range(0));
    TimedStep(state, [&](Database& db) {
        const std::vector<int> order = ColumnSortOrder(db, false, RowFilter::All, TheFixture().allRows, column, false);
        return ReorderRows(db, false, TheFixture().allRows, order) == kChannelDone;
    });
}
void BM_HeaderSort_StableSortBaseline(benchmark::State& state)
{
    const int column = int(state.range(0));
    TimedStep(state, [&](Database& db) {
        const TpSlotIndex tpSlots = IndexTransponders(db);
        std::vector<int> order(kMaxChannels);
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return CompareColumnKeys(MakeColumnSortKey(db, false, tpSlots, RowFilter::All, a, a, column),
                                     MakeColumnSortKey(db, false, tpSlots, RowFilter::All, b, b, column), column) < 0;
        });
        return ReorderRows(db, false, TheFixture().allRows, order) == kChannelDone;
    });
}

// Edit Channel's store, one selected channel at a time.
template <typename Change>
bool StoreEachEdited(Database& db, Change change)
{
    for (int i : TheFixture().everyOtherRow) {
        ChannelRecord edited = db.TvChannelTable[size_t(i)];
        change(edited);
        StoreEditedChannel(db, false, i, edited);
    }
    return true;
}

constexpr int kGroupFour = 3;

void BM_SpaceOn4000(benchmark::State& state)
{
    TimedStep(state, [](Database& db) {
        const std::vector<int>& rows = TheFixture().everyOtherRow;
        return SetChannelsLocked(db, false, rows, !AllLocked(db, false, rows)) > 0;
    });
}
void BM_SpaceOn4000_EachStoredBaseline(benchmark::State& state)
{
    TimedStep(state, [](Database& db) { return StoreEachEdited(db, [](ChannelRecord& c) { SetChLocked(c, 1); }); });
}

// Group 4 starts empty: 200 of the 4000 fit.
void BM_CtrlFourOn4000(benchmark::State& state)
{
    TimedStep(state, [](Database& db) {
        const std::vector<int>& rows = TheFixture().everyOtherRow;
        const FavMembershipChange change = AllInFavGroup(db, false, kGroupFour, rows)
                                               ? RemoveChannelsFromFavGroup(db, false, kGroupFour, rows)
                                               : AddChannelsToFavGroup(db, false, kGroupFour, rows);
        return change.iChanged > 0;
    });
}
void BM_CtrlFourOn4000_EachStoredBaseline(benchmark::State& state)
{
    TimedStep(state, [](Database& db) {
        return StoreEachEdited(db, [](ChannelRecord& c) { c.usFavBits |= 1u << kGroupFour; });
    });
}

void StepArguments(benchmark::internal::Benchmark* pBench, std::initializer_list<int64_t> columns)
{
    pBench->Unit(benchmark::kMillisecond)->ArgNames({"column", "step"});
    for (int64_t column : columns)
        for (int64_t step : {0, 1})
            pBench->Args({column, step});
}

} // namespace

BENCHMARK(BM_SortAtoZ)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortAtoZ_BubbleBaseline)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Delete4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Delete4000_OneByOneBaseline)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_Move4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Move4000_OneAtATimeBaseline)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_Drop4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Refresh8000)->Unit(benchmark::kMillisecond)->ArgName("painted")->Arg(0)->Arg(1);
BENCHMARK(BM_Refresh8000_AllCellsBaseline)
    ->Unit(benchmark::kMillisecond)
    ->ArgName("painted")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(5);
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond)->ArgName("painted")->Arg(0)->Arg(1);
BENCHMARK(BM_FilterKeystroke_ProxyBaseline)->Unit(benchmark::kMillisecond)->ArgName("painted")->Arg(0)->Arg(1);
BENCHMARK(BM_HeaderSort)->Apply([](auto* pBench) { StepArguments(pBench, {kColumnServiceId, kColumnName}); });
BENCHMARK(BM_HeaderSort_StableSortBaseline)->Apply([](auto* pBench) {
    StepArguments(pBench, {kColumnServiceId, kColumnName});
});
BENCHMARK(BM_SpaceOn4000)->Apply([](auto* pBench) { StepArguments(pBench, {0}); });
BENCHMARK(BM_SpaceOn4000_EachStoredBaseline)->Apply([](auto* pBench) { StepArguments(pBench, {0}); });
BENCHMARK(BM_CtrlFourOn4000)->Apply([](auto* pBench) { StepArguments(pBench, {0}); });
BENCHMARK(BM_CtrlFourOn4000_EachStoredBaseline)->Apply([](auto* pBench) { StepArguments(pBench, {0}); });

int main(int argc, char** argv) { return RunWidgetBenchmarks(argc, argv); }

// The listing-page scan beside a plain counting pass over the same bytes, and the
// spreadsheet export of two full channel tables beside writing the same cells
// straight through libxlsxwriter.
#include "BuiltinExcel.h"
#include "Database.h"
#include "DemoDatabase.h"
#include "ListingImport.h"
#include "SheetContent.h"
#include "SpreadsheetExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>

namespace {

// About 10 MB of listing rows, half in each band's form, with other markup
// between them.
const std::string& TenMegabytePage()
{
    static const std::string page = [] {
        std::string text;
        const char* const kFec[] = {"1/2", "2/3", "3/4", "5/6", "7/8"};
        std::mt19937 rng(7);
        while (text.size() < 10 * 1024 * 1024) {
            const int freq = 3400 + int(rng() % 9000), rate = 1000 + int(rng() % 30000);
            const char pol = "HVLR"[rng() % 4];
            if (rng() % 2)
                text += "<tr><td class=\"x\"><a href=\"/t/" + std::to_string(rng() % 1000) + "\">" +
                        std::to_string(freq) + "</A> " + pol + "</a></td>";
            else
                text += "<tr><td>" + std::to_string(freq) + " " + pol + "</td>";
            text += "<td>" + std::to_string(rate) + " - " + kFec[rng() % 5] + "</td><td>DVB-S2 8PSK</td></tr>\n";
        }
        return text;
    }();
    return page;
}

std::span<const uint8_t> PageBytes()
{
    const std::string& page = TenMegabytePage();
    return {reinterpret_cast<const uint8_t*>(page.data()), page.size()};
}

// One plain pass over the bytes: the floor for any byte-by-byte scan.
void BM_ByteCountBaseline(benchmark::State& state)
{
    const auto bytes = PageBytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(std::count(bytes.begin(), bytes.end(), uint8_t('<')));
}
BENCHMARK(BM_ByteCountBaseline)->Unit(benchmark::kMillisecond);

void BM_ScanListingPage(benchmark::State& state)
{
    const auto bytes = PageBytes();
    const ListingBand band = state.range(0) ? ListingBand::Ku : ListingBand::C;
    for (auto _ : state) {
        int found = 0;
        ScanListingPage(bytes, band, [&found](const ListingTransponder&) { ++found; });
        benchmark::DoNotOptimize(found);
        state.counters["transponders"] = found;
    }
}
BENCHMARK(BM_ScanListingPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The import pass with its record building, into a table that fills up.
void BM_ImportListingPass(benchmark::State& state)
{
    auto db = std::make_unique<Database>();
    for (auto _ : state) {
        db->header.sSatNumber = 0;
        db->header.sTpNumber = 0;
        ImportListingPass(*db, PageBytes(), "Bench at 19.2E.htm", ListingBand::C, nullptr);
        benchmark::DoNotOptimize(db->header.sTpNumber);
    }
}
BENCHMARK(BM_ImportListingPass)->Unit(benchmark::kMillisecond);

const Database& MaxDatabase()
{
    static const auto db = [] {
        auto full = std::make_unique<Database>();
        BuildDemoDatabase(*full, DemoSize::Max);
        return full;
    }();
    return *db;
}

void BM_XlsxWriterBaseline(benchmark::State& state)
{
    const Database& db = MaxDatabase();
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath("baseline.xlsx"));
    for (auto _ : state) {
        lxw_workbook* wb = workbook_new(path.constData());
        lxw_format* centre = workbook_add_format(wb);
        format_set_align(centre, LXW_ALIGN_CENTER);
        for (const bool radio : {false, true}) {
            lxw_worksheet* ws = workbook_add_worksheet(wb, SheetName(radio).toUtf8().constData());
            worksheet_set_column(ws, 0, 16383, LXW_DEF_COL_WIDTH, centre);
            for (int c = 0; c < kSheetColumns; ++c)
                worksheet_write_string(ws, 0, lxw_col_t(c), kSheetHeader[size_t(c)].toUtf8().constData(), centre);
            for (int i = 0; i < UsedChannels(db, radio); ++i) {
                const SheetRow row = ChannelRow(db, radio, i);
                for (int c = 0; c < kSheetColumns; ++c)
                    worksheet_write_string(ws, lxw_row_t(i + 1), lxw_col_t(c), row[size_t(c)].toUtf8().constData(),
                                           centre);
            }
        }
        workbook_add_worksheet(wb, "Sheet3");
        if (workbook_close(wb) != LXW_NO_ERROR)
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_XlsxWriterBaseline)->Unit(benchmark::kMillisecond);

void BM_ExportSpreadsheet(benchmark::State& state)
{
    const Database& db = MaxDatabase();
    QTemporaryDir dir;
    const QString path = dir.filePath("export.xlsx");
    for (auto _ : state) {
        if (ExportSpreadsheet(db, path, DefaultAutomationRegistry()).status != ExportStatus::Done)
            state.SkipWithError("export failed");
    }
    state.counters["tv"] = UsedChannels(db, false);
    state.counters["radio"] = UsedChannels(db, true);
}
BENCHMARK(BM_ExportSpreadsheet)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

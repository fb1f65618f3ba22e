// The printed channel list of a full TV table (8000 channels) to PDF, beside
// a PDF writer drawing the same number of plain lines on as many pages.
#include "ChannelCells.h"
#include "PanePrinter.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<Database> FullTvTable()
{
    auto db = std::make_unique<Database>();
    db->header.sTVNumber = kMaxChannels;
    for (int i = 0; i < kMaxChannels; ++i) {
        ChannelRecord& c = db->TvChannelTable[size_t(i)];
        std::snprintf(c.acName, sizeof c.acName, "Channel %d HD", i + 1);
        c.sVideoPid = short(100 + i % 4000);
        c.sPcrPid = c.sVideoPid;
        c.sTxtPid = short(c.sVideoPid + 3);
        c.usFavBits = uint16_t(i % 3 == 0);
    }
    return db;
}

// The rows as the list view holds them for all TV channels.
ListPrintInput AllTvRows(const Database& db)
{
    ListPrintInput input;
    for (int c = 0; c < kListColumns; ++c)
        input.titles[size_t(c)] = QString::fromLatin1(kChannelColumns[c].pTitle);
    std::vector<int> rows(kMaxChannels);
    const int count = FillRowMap(db, false, RowFilter::All, 0, rows);
    for (int r = 0; r < count; ++r) {
        ListRow& row = input.rows.emplace_back();
        for (int c = 0; c < kListColumns; ++c)
            row[size_t(c)] = QString::fromLatin1(FormatRowCell(db, false, RowFilter::All, r, rows[size_t(r)], c));
    }
    return input;
}

void BM_PrintChannelList(benchmark::State& state)
{
    const auto db = FullTvTable();
    QTemporaryDir dir;
    int pages = 0;
    for (auto _ : state) {
        ListPrintout printout(AllTvRows(*db));
        if (!PrintToPdf(printout, dir.filePath("list.pdf")).isEmpty())
            state.SkipWithError("cannot write the PDF");
        pages = printout.Layout().iPageCount;
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintChannelList)->Unit(benchmark::kMillisecond);

// The same number of lines of the same length in a fixed-pitch font, 72 a page.
void BM_PdfWriterBaseline(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString line(100, QLatin1Char('x'));
    for (auto _ : state) {
        QPdfWriter writer(dir.filePath("plain.pdf"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(1200);
        QPainter painter(&writer);
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPointSizeF(9);
        painter.setFont(font);
        for (int i = 0; i < kMaxChannels; ++i) {
            if (i > 0 && i % 72 == 0)
                writer.newPage();
            painter.drawText(QPointF(50, 200 + 160 * (i % 72)), line);
        }
    }
}
BENCHMARK(BM_PdfWriterBaseline)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "PanePrinter.h"

#include "FileAccess.h"
#include "RecordingCanvas.h"
#include "TrText.h"

#include <QAbstractItemModel>
#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <QTreeWidget>

namespace {

constexpr int kIconExtent = 16;
constexpr TrText kReasonNotDrawn{"PanePrinter", QT_TRANSLATE_NOOP("PanePrinter", "The pages could not be drawn.")};

void AppendItem(const QTreeWidgetItem& item, int depth, int iconExtent, std::vector<PrintNode>& nodes)
{
    if (item.isHidden())
        return;
    nodes.push_back({depth, item.text(0),
                     item.icon(0).pixmap(QSize(iconExtent, iconExtent), QIcon::Normal, QIcon::Off).toImage(),
                     item.isExpanded()});
    for (int i = 0; i < item.childCount(); ++i)
        AppendItem(*item.child(i), depth + 1, iconExtent, nodes);
}

// The pages first..last of printout as a PDF document laid out as on
// printer, made in memory, then written as every file the program writes;
// an empty text on success, otherwise the reason.
QString SavePdf(const QPrinter& printer, IPrintout& printout, const QString& path, int first = 1, int last = 0)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        if (PrintPages(writer, printout, first, last) < 0)
            return kReasonNotDrawn;
    }
    return SaveOutputFile(pdf.data(), path);
}

// The pages chosen in the print dialog: all, or a range.
std::pair<int, int> ChosenPages(const QPrinter& printer)
{
    if (printer.printRange() == QPrinter::PageRange)
        return {printer.fromPage(), printer.toPage()};
    return {1, 0};
}

// The pages chosen in the print dialog on printer. Print to File goes the
// way of every file the program writes, never straight onto the chosen file;
// pFailure gets the reason when that fails.
bool PrintChosenPages(QPrinter& printer, IPrintout& printout, QString* pFailure)
{
    const auto [first, last] = ChosenPages(printer);
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const QString reason = SavePdf(printer, printout, printer.outputFileName(), first, last);
        if (pFailure)
            *pFailure = reason;
        return reason.isEmpty();
    }
    return PrintPages(printer, printout, first, last) >= 0;
}

} // namespace

PanePrinter::PanePrinter(std::unique_ptr<IPrintDialogs> pDialogs) : pDialogs(std::move(pDialogs)) {}
PanePrinter::~PanePrinter() = default;

QPrinter& PanePrinter::Printer()
{
    if (!pPrinter)
        pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *pPrinter;
}

bool PanePrinter::Print(IPrintout& printout, QString* pFailure)
{
    QPrinter& printer = Printer();
    return pDialogs->RunPrintDialog(printer, CountPages(printer, printout)) &&
           PrintChosenPages(printer, printout, pFailure);
}

void PanePrinter::Preview(IPrintout& printout, QString* pFailure)
{
    QPrinter& printer = Printer();
    // The preview shows every page; a print started from it asks again.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    pDialogs->RunPreview(
        printer, printout.PreviewPages(), [&](QPrinter& target) { PrintPages(target, printout); },
        [&](QPrinter& target) { PrintChosenPages(target, printout, pFailure); });
}

void PanePrinter::PrintSetup() { pDialogs->RunPageSetup(Printer()); }

int CountPages(QPrinter& printer, IPrintout& printout)
{
    const double dpi = printer.logicalDpiY() > 0 ? printer.logicalDpiY() : 72;
    RecordingCanvas canvas(QSizeF(printer.width() / dpi, printer.height() / dpi));
    return printout.BeginPrinting(canvas);
}

QString PrintToPdf(IPrintout& printout, const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return SavePdf(printer, printout, path);
}

ListPrintInput ListInputFromModel(const QAbstractItemModel& model)
{
    ListPrintInput input;
    const int columns = std::min(model.columnCount(), kListColumns);
    for (int c = 0; c < columns; ++c)
        input.titles[size_t(c)] = model.headerData(c, Qt::Horizontal).toString();
    input.rows.resize(size_t(model.rowCount()));
    for (int r = 0; r < model.rowCount(); ++r)
        for (int c = 0; c < columns; ++c)
            input.rows[size_t(r)][size_t(c)] = model.data(model.index(r, c)).toString();
    return input;
}

TreePrintInput TreeInputFromWidget(const QTreeWidget& tree)
{
    TreePrintInput input;
    input.iIndent = tree.indentation();
    if (tree.topLevelItemCount() > 0)
        if (const int height = tree.visualItemRect(tree.topLevelItem(0)).height(); height > 0)
            input.iNodeHeight = height;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        AppendItem(*tree.topLevelItem(i), 0, kIconExtent, input.nodes);
    return input;
}

#include "ListPrintLayout.h"

#include <algorithm>

namespace {

constexpr int kBodyScale = 8012;
constexpr int kMinBodyTenths = 40;
constexpr int kMaxBodyTenths = 160;
constexpr int kTenthsPerInch = 720;
constexpr int kLineGap = 4;
constexpr int kPageMargin = 200;
// Positions on the page, logical units from the printable area's corner.
constexpr int kTitleX = 4, kTitleY = 4;
constexpr int kRuleY = 114;
constexpr int kPageFromRight = 280, kPageY = 40;
constexpr int kTextX = 10;
constexpr int kHeaderY = 146;
constexpr int kRowsY = 160;

} // namespace

std::array<int, kListColumns> ListColumnWidths(const ListPrintInput& input)
{
    std::array<int, kListColumns> widths{};
    for (int c = 0; c < kListColumns; ++c)
        widths[size_t(c)] = int(input.titles[size_t(c)].size());
    widths[kNameColumn] = 0;
    for (const ListRow& row : input.rows)
        for (int c = 0; c < kListColumns; ++c)
            widths[size_t(c)] = std::max(widths[size_t(c)], int(row[size_t(c)].size()));
    widths[kNameColumn] += widths[kNameColumn] % 2;
    return widths;
}

int BodyFontTenths(int widthSum)
{
    return widthSum <= 0 ? kMaxBodyTenths : std::clamp(kBodyScale / widthSum, kMinBodyTenths, kMaxBodyTenths);
}

int CharHeight(int tenths, int unitsPerInch) { return (tenths * unitsPerInch + kTenthsPerInch / 2) / kTenthsPerInch; }

int ListRowsPerPage(int pageHeight, int lineHeight)
{
    return std::max(1, (pageHeight - kPageMargin) / std::max(1, lineHeight) - 1);
}

int PageCount(int items, int rowsPerPage)
{
    rowsPerPage = std::max(1, rowsPerPage);
    return std::max(1, (items + rowsPerPage - 1) / rowsPerPage);
}

int RowsOnPage(int items, int rowsPerPage, int page)
{
    rowsPerPage = std::max(1, rowsPerPage);
    const int first = (page - 1) * rowsPerPage;
    return page < 1 ? 0 : std::clamp(items - first, 0, rowsPerPage);
}

QString ListHeaderLine(const ListRow& titles, const std::array<int, kListColumns>& widths)
{
    QString line = QStringLiteral("|");
    for (int c = 0; c < kListColumns; ++c) {
        const QString& title = titles[size_t(c)];
        const int d = widths[size_t(c)] - int(title.size());
        const QString blanks(d < 2 ? 0 : d / 2, QLatin1Char(' '));
        line += blanks + title + blanks + QLatin1Char('|');
    }
    return line;
}

QString ListRowLine(const ListRow& cells, const std::array<int, kListColumns>& widths)
{
    QString line;
    line.reserve(128);
    line += QLatin1Char(' ');
    for (int c = 0; c < kListColumns; ++c) {
        const QString& cell = cells[size_t(c)];
        line += cell;
        line += QString(std::max(0, widths[size_t(c)] + 1 - int(cell.size())), QLatin1Char(' '));
    }
    return line;
}

ListPrintLayout LayOutList(const ListPrintInput& input, int pageHeight)
{
    ListPrintLayout layout;
    layout.aiWidth = ListColumnWidths(input);
    int sum = 0;
    for (int w : layout.aiWidth)
        sum += w;
    layout.iBodyTenths = BodyFontTenths(sum);
    layout.iLineHeight = CharHeight(layout.iBodyTenths, kListUnitsPerInch) + kLineGap;
    layout.iRowsPerPage = ListRowsPerPage(pageHeight, layout.iLineHeight);
    layout.iPageCount = PageCount(int(input.rows.size()), layout.iRowsPerPage);
    return layout;
}

int ListPrintout::BeginPrinting(IPrintCanvas& canvas)
{
    canvas.SetUnitsPerInch(kListUnitsPerInch);
    layout = LayOutList(input, int(canvas.PageSize().height()));
    strHeader = ListHeaderLine(input.titles, layout.aiWidth);
    titleFont = {kListTitleFamily, FontHint::Cursive, double(CharHeight(kListTitleTenths, kListUnitsPerInch))};
    bodyFont = {kListBodyFamily, FontHint::FixedPitch, double(CharHeight(layout.iBodyTenths, kListUnitsPerInch))};
    return layout.iPageCount;
}

void ListPrintout::PrintPage(IPrintCanvas& canvas, int page)
{
    canvas.SetUnitsPerInch(kListUnitsPerInch);
    const PrintFont saved = canvas.Font();
    const int right = int(canvas.PageSize().width());
    canvas.SetFont(titleFont);
    canvas.DrawText(kTitleX, kTitleY, kListTitleText);
    canvas.DrawLine(0, kRuleY, right, kRuleY);
    canvas.SetFont(saved);
    canvas.DrawText(right - kPageFromRight, kPageY, kPageText.arg(page));

    canvas.SetFont(bodyFont);
    canvas.DrawText(kTextX, kHeaderY, strHeader);
    const int items = int(input.rows.size());
    const int first = (page - 1) * layout.iRowsPerPage;
    const int rows = RowsOnPage(items, layout.iRowsPerPage, page);
    for (int k = 1; k <= rows; ++k)
        canvas.DrawText(kTextX, kRowsY + layout.iLineHeight * k,
                        ListRowLine(input.rows[size_t(first + k - 1)], layout.aiWidth));
    canvas.SetFont(saved);
}

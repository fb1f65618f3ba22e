// The printed channel list: the column widths in characters, the body font
// size, the line height, the rows per page and the page count, the header
// and row lines, and the drawing of one page. Plain arithmetic over the cell
// texts and the page size; ListPrintout draws it on a canvas.
#pragma once

#include "PrintCanvas.h"
#include "TrText.h"

#include <array>
#include <vector>

inline constexpr int kListColumns = 10;
inline constexpr int kNameColumn = 1;
using ListRow = std::array<QString, kListColumns>;

// The rows the list holds, in list order, with the cell texts it shows.
struct ListPrintInput {
    ListRow titles;
    std::vector<ListRow> rows;
};

inline constexpr TrText kListTitleText{"ListPrintLayout", QT_TRANSLATE_NOOP("ListPrintLayout", "    Q.N.")};
inline constexpr TrText kPageText{"ListPrintLayout", QT_TRANSLATE_NOOP("ListPrintLayout", "PAGE %1")};
inline const QString kListTitleFamily = QStringLiteral("Monotype Corsiva");
inline const QString kListBodyFamily = QStringLiteral("Courier New");
inline constexpr int kListTitleTenths = 180;
// The list is laid out in units of 1/300 inch.
inline constexpr int kListUnitsPerInch = 300;

// Each column is as wide as its title or its longest cell, whichever is
// longer ("Unlock" under "Lock" would otherwise run into the next column);
// "Name" is as wide as its longest cell, raised to an even number, even
// when that is narrower than its title.
std::array<int, kListColumns> ListColumnWidths(const ListPrintInput& input);
// 8012 / (sum of the widths) tenths of a point, within 40 and 160.
int BodyFontTenths(int widthSum);
// Character height in logical units of a font of tenths of a point.
int CharHeight(int tenths, int unitsPerInch);
// (pageHeight - 200) / lineHeight - 1, at least 1.
int ListRowsPerPage(int pageHeight, int lineHeight);
// Pages for items rows at rowsPerPage a page; one page when there are none.
int PageCount(int items, int rowsPerPage);
// Rows on page (1-based): rowsPerPage, the last page the rest.
int RowsOnPage(int items, int rowsPerPage, int page);

// "|" then each title centred in its width, each followed by "|".
QString ListHeaderLine(const ListRow& titles, const std::array<int, kListColumns>& widths);
// " " then each cell filled with blanks to its width + 1; longer cells whole.
QString ListRowLine(const ListRow& cells, const std::array<int, kListColumns>& widths);

struct ListPrintLayout {
    std::array<int, kListColumns> aiWidth{};
    int iBodyTenths = 0;
    int iLineHeight = 0;
    int iRowsPerPage = 1;
    int iPageCount = 1;
};
ListPrintLayout LayOutList(const ListPrintInput& input, int pageHeight);

class ListPrintout : public IPrintout {
public:
    explicit ListPrintout(ListPrintInput input) : input(std::move(input)) {}

    int BeginPrinting(IPrintCanvas& canvas) override;
    void PrintPage(IPrintCanvas& canvas, int page) override;
    int PreviewPages() const override { return 2; }

    const ListPrintLayout& Layout() const { return layout; }

private:
    ListPrintInput input;
    ListPrintLayout layout;
    QString strHeader;
    PrintFont titleFont, bodyFont;
};

// The channel list's columns: their order and widths, which of them are
// shown (the header's context menu), and the sort by a column that a click
// on its header runs, with the header's sort mark.
#include "BlockMove.h"
#include "CEditZarnDoc.h"
#include "CEditZarnView.h"
#include "ChannelOperations.h"
#include "ColumnSort.h"
#include "FavouriteOrder.h"

#include <QHeaderView>

#include <algorithm>

namespace {

// Widths kept between runs are taken only within these bounds.
constexpr int kMinColumnWidth = 8;
constexpr int kMaxColumnWidth = 2000;

} // namespace

void CEditZarnView::SetUpHeader()
{
    QHeaderView* pHeader = horizontalHeader();
    pHeader->setSectionsClickable(true);
    pHeader->setSortIndicatorShown(true);
    pHeader->setContextMenuPolicy(Qt::CustomContextMenu);
    for (int column = kChannelColumnCount; column < kListColumnCount; ++column)
        setColumnHidden(column, true);
    connect(pHeader, &QHeaderView::sectionClicked, this, &CEditZarnView::SortByColumn);
    connect(pHeader, &QHeaderView::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu menu;
        FillColumnsMenu(menu);
        menu.exec(horizontalHeader()->viewport()->mapToGlobal(pos));
    });
}

void CEditZarnView::BuildColumns()
{
    // Every fill starts from the columns in their built order; the widths
    // stay as the user set them.
    QHeaderView* pHeader = horizontalHeader();
    for (int column = 0; column < kListColumnCount; ++column)
        if (pHeader->visualIndex(column) != column)
            pHeader->moveSection(pHeader->visualIndex(column), column);
}

QList<int> CEditZarnView::ColumnWidths() const
{
    QList<int> widths;
    for (int column = 0; column < kListColumnCount; ++column)
        widths << columnWidth(column);
    return widths;
}

void CEditZarnView::SetColumnWidths(const QList<int>& widths)
{
    for (int column = 0; column < kListColumnCount && column < widths.size(); ++column)
        if (widths[column] >= kMinColumnWidth && widths[column] <= kMaxColumnWidth)
            setColumnWidth(column, widths[column]);
}

QList<int> CEditZarnView::ShownColumns() const
{
    QList<int> columns;
    for (int column = 0; column < kListColumnCount; ++column)
        if (!isColumnHidden(column))
            columns << column;
    return columns;
}

void CEditZarnView::SetShownColumns(const QList<int>& columns)
{
    std::vector<bool> shown(kListColumnCount, false);
    for (int column : columns)
        if (column >= 0 && column < kListColumnCount)
            shown[size_t(column)] = true;
    if (std::find(shown.begin(), shown.end(), true) == shown.end())
        return;
    for (int column = 0; column < kListColumnCount; ++column)
        setColumnHidden(column, !shown[size_t(column)]);
}

void CEditZarnView::FillColumnsMenu(QMenu& menu)
{
    menu.clear();
    const bool lastShown = ShownColumns().size() == 1;
    for (int column = 0; column < kListColumnCount; ++column) {
        QAction* pEntry = menu.addAction(ColumnTitle(column));
        pEntry->setCheckable(true);
        pEntry->setChecked(!isColumnHidden(column));
        // The last column shown stays: a list needs one.
        pEntry->setEnabled(!lastShown || isColumnHidden(column));
        connect(pEntry, &QAction::toggled, this, [this, column](bool on) { setColumnHidden(column, !on); });
    }
}

// --- sort by a column ---------------------------------------------------------

void CEditZarnView::SortByColumn(int column)
{
    if (HasDatabase() && column >= 0 && column < kListColumnCount) {
        const bool descending = column == iSortColumn && !bSortDescending;
        const std::vector<int> order =
            ColumnSortOrder(doc.Data(), Radio(), rowFilter, ListedRows(), column, descending);
        const std::vector<bool> wasSelected = ChosenRows(iRowCount, SelectedRows());
        const QString action = kActionSortByColumn.arg(ColumnTitle(column));
        const bool sorted =
            std::is_sorted(order.begin(), order.end()) ||
            ReorderListed(
                action,
                [&](Database& db) {
                    return ReorderFavouriteRows(db, Radio(), doc.SelectedFavGroup, ListedRows(), order);
                },
                [&](Database& db) { return ReorderRows(db, Radio(), ListedRows(), order); });
        if (sorted) {
            iSortColumn = column;
            bSortDescending = descending;
            // The selection follows its channels to their new rows.
            std::vector<int> rows;
            for (size_t p = 0; p < order.size(); ++p)
                if (wasSelected[size_t(order[p])])
                    rows.push_back(int(p));
            SelectRows(rows);
        }
    }
    // A click has turned the header's own mark; it shows the sort done.
    horizontalHeader()->setSortIndicator(iSortColumn, bSortDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

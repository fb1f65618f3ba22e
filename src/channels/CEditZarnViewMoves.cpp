// The channel list's row moves and row keys: every reordering of rows goes
// through MoveSelectedRowsTo, which the Move command, the Alt keys and a drop
// call; Home and End reach the first and last row. A drag of rows shows a
// small label, so that the line where they land stays in sight.
#include "BlockMove.h"
#include "CEditZarnDoc.h"
#include "CEditZarnView.h"
#include "ChannelOperations.h"
#include "FavouriteOrder.h"

#include <QDrag>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The drag's picture: the text on a translucent rounded label.
QPixmap DragLabel(const QWidget& widget, const QString& text)
{
    constexpr int kMargin = 6;
    const QFontMetrics metrics = widget.fontMetrics();
    const QSize size(metrics.horizontalAdvance(text) + 2 * kMargin, metrics.height() + kMargin);
    const qreal ratio = widget.devicePixelRatioF();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor background = widget.palette().color(QPalette::Highlight);
    background.setAlpha(170);
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), kMargin, kMargin);
    painter.setPen(widget.palette().color(QPalette::HighlightedText));
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, text);
    return pixmap;
}

} // namespace

void CEditZarnView::startDrag(Qt::DropActions)
{
    const qsizetype count = qsizetype(SelectedRows().size());
    if (count == 0)
        return;
    auto* pDrag = new QDrag(this);
    pDrag->setMimeData(model()->mimeData({})); // the selection says which rows
    pDrag->setPixmap(DragLabel(*this, ChannelCountText(count)));
    // Below and right of the pointer, clear of the drop line.
    pDrag->setHotSpot(QPoint(-16, -8));
    // Moved within the list, copied into a favourite group of the tree.
    pDrag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

void CEditZarnView::MoveSelectedRowsTo(int targetRow)
{
    const std::vector<int> rows = SelectedRows();
    if (!HasDatabase() || rows.empty() || targetRow < 0 || targetRow >= iRowCount)
        return;
    const int count = int(rows.size());
    const int first = BlockStart(ChosenRows(iRowCount, rows), targetRow);
    // Rows that already form the block where it would land stay: no edit.
    const bool inPlace = rows.front() == first && rows.back() == first + count - 1;
    const bool moved =
        inPlace || ReorderListed(
                       kActionMoveChannels,
                       [&](Database& db) {
                           return MoveFavouriteRows(db, Radio(), doc.SelectedFavGroup, ListedRows(), rows, targetRow);
                       },
                       [&](Database& db) { return MoveChannelRows(db, Radio(), ListedRows(), rows, targetRow); });
    // A refused move leaves the rows and their selection as they were.
    if (moved)
        SelectRowBlock(first, count);
}

bool CEditZarnView::ReorderListed(const QString& strAction, const std::function<int(Database&)>& inGroup,
                                  const std::function<int(Database&)>& inTable)
{
    // The one place that knows how the list kind orders its rows: a
    // favourite group shows its own stored order, which the reorder
    // rearranges; every other kind shows table order, so the rows move
    // among the listed table positions.
    if (ShowsFavGroup())
        return ReorderFavGroup(strAction, inGroup);
    const bool changed = doc.ApplyEdit(strAction, [&](Database& db) { return inTable(db) == kChannelDone; });
    if (changed)
        RefreshChannelList(iTvRadioMode);
    return changed;
}

void CEditZarnView::SelectRowBlock(int first, int count)
{
    const QModelIndex top = model()->index(first, 0);
    const QModelIndex bottom = model()->index(first + count - 1, kListColumnCount - 1);
    selectionModel()->setCurrentIndex(top, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(top, bottom), QItemSelectionModel::ClearAndSelect);
    scrollTo(bottom.siblingAtColumn(0));
    scrollTo(top);
}

bool CEditZarnView::MoveByKey(const QKeyEvent& event)
{
    const int key = event.key();
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier ||
        (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Home && key != Qt::Key_End))
        return false;
    const std::vector<int> rows = SelectedRows();
    if (rows.empty())
        return true;
    const int gap = key == Qt::Key_Up     ? std::max(rows.front() - 1, 0)
                    : key == Qt::Key_Down ? std::min(rows.back() + 2, iRowCount)
                    : key == Qt::Key_Home ? 0
                                          : iRowCount;
    MoveSelectedRowsTo(TargetForGap(ChosenRows(iRowCount, rows), gap));
    return true;
}

void CEditZarnView::FocusFirstRow()
{
    setFocus(Qt::OtherFocusReason);
    if (iRowCount == 0)
        return;
    SelectRowBlock(0, 1);
}

QModelIndex CEditZarnView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Home and End go to the first and the last row, as in a list, also
    // when no row is current yet (after a refill).
    if (action == MoveHome || action == MoveEnd) {
        if (iRowCount == 0)
            return {};
        return model()->index(action == MoveHome ? 0 : iRowCount - 1, std::max(currentIndex().column(), 0));
    }
    return QTableView::moveCursor(action, modifiers);
}

QItemSelectionModel::SelectionFlags CEditZarnView::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* pEvent) const
{
    // Ctrl+Home and Ctrl+End select the row they go to, as Home and End do.
    if (pEvent && pEvent->type() == QEvent::KeyPress) {
        const auto* pKey = static_cast<const QKeyEvent*>(pEvent);
        if ((pKey->key() == Qt::Key_Home || pKey->key() == Qt::Key_End) &&
            (pKey->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier)
            return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    }
    return QTableView::selectionCommand(index, pEvent);
}

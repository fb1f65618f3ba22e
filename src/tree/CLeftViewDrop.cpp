// The tree as a drop target: rows dragged from the channel list onto a
// favourite group's node join that group. The node under the pointer shows
// the drop indicator while the drag is over it; the tree scrolls near its
// edges as for any drag. The list adds its selection (the dragged rows)
// when told which group.
#include "CLeftView.h"
#include "ListKind.h"

#include <QDragMoveEvent>
#include <QMimeData>
#include <QPainter>
#include <QStyleOption>

namespace {

// Only rows of this program's list.
bool CarriesChannelRows(const QDropEvent& event)
{
    return event.mimeData()->data(QString::fromLatin1(kChannelRowsMimeType)).startsWith(ChannelRowsOrigin());
}

} // namespace

int CLeftView::DropGroupOf(const QDropEvent& event) const
{
    if (!CarriesChannelRows(event))
        return -1;
    const Node node = Identify(itemAt(event.position().toPoint()));
    return Loaded() && node.kind == NodeKind::FavGroup ? node.iPosition : -1;
}

void CLeftView::ShowDropGroup(int group)
{
    if (group != iDropGroup) {
        iDropGroup = group;
        viewport()->update();
    }
}

void CLeftView::dragEnterEvent(QDragEnterEvent* pEvent)
{
    if (CarriesChannelRows(*pEvent))
        pEvent->accept();
    else
        pEvent->ignore();
}

void CLeftView::dragMoveEvent(QDragMoveEvent* pEvent)
{
    QTreeWidget::dragMoveEvent(pEvent); // scrolls near the edges
    const int group = DropGroupOf(*pEvent);
    ShowDropGroup(group);
    if (group < 0) {
        pEvent->ignore();
        return;
    }
    pEvent->setDropAction(Qt::CopyAction);
    pEvent->accept();
}

void CLeftView::dragLeaveEvent(QDragLeaveEvent* pEvent)
{
    QTreeWidget::dragLeaveEvent(pEvent);
    ShowDropGroup(-1);
}

void CLeftView::dropEvent(QDropEvent* pEvent)
{
    const int group = DropGroupOf(*pEvent);
    ShowDropGroup(-1);
    stopAutoScroll();
    if (group < 0) {
        pEvent->ignore();
        return;
    }
    pEvent->setDropAction(Qt::CopyAction);
    pEvent->accept();
    emit ChannelsDroppedOnGroup(group);
}

void CLeftView::paintEvent(QPaintEvent* pEvent)
{
    QTreeWidget::paintEvent(pEvent);
    const QTreeWidgetItem* pNode = iDropGroup >= 0 ? Root(kRootFavList)->child(iDropGroup) : nullptr;
    if (!pNode)
        return;
    QPainter painter(viewport());
    QStyleOption option;
    option.initFrom(this);
    option.rect = visualItemRect(pNode);
    style()->drawPrimitive(QStyle::PE_IndicatorItemViewItemDrop, &option, &painter, this);
}

// The channel list's mouse and keys: the right button's menu, double-click
// and Enter to edit, and the Delete keys; Alt keys move rows
// (CEditZarnViewMoves.cpp).
#include "CEditZarnView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

void CEditZarnView::mousePressEvent(QMouseEvent* pEvent)
{
    // The menu comes first, so that its command acts on the selection as it
    // was before the click. After a command the list is refilled and shows
    // other rows under the pointer: the click then selects nothing.
    if (pEvent->button() == Qt::RightButton) {
        const int id = fnTrackPopup(pEvent->globalPosition().toPoint());
        if (id && RunCommand(id))
            return;
    }
    QTableView::mousePressEvent(pEvent);
}

void CEditZarnView::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    QTableView::mouseDoubleClickEvent(pEvent);
    if (pEvent->button() == Qt::LeftButton)
        EditChannel();
}

void CEditZarnView::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter) {
        EditChannel();
        return;
    }
    if (pEvent->key() == Qt::Key_Delete && pEvent->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)) {
        RemoveFromThisGroup();
        return;
    }
    // Delete in a group's list takes the channels out of the group only;
    // elsewhere it deletes them, as the Delete command does.
    if (pEvent->key() == Qt::Key_Delete && pEvent->modifiers() == Qt::NoModifier) {
        if (ShowsFavGroup())
            RemoveFromThisGroup();
        else
            DeleteChannels();
        return;
    }
    if (MoveByKey(*pEvent))
        return;
    QTableView::keyPressEvent(pEvent);
}

void CEditZarnView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    // The right-button press has shown the menu already.
    pEvent->accept();
}

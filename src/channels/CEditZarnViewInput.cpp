// The channel list's mouse and keys: the right button's menu, double-click
// and Enter to edit, the Delete keys, and the keys of the quick edits (F2
// renames, Space locks or unlocks, Ctrl+1 ... Ctrl+8 join or leave group
// 1 ... 8); Alt keys move rows (CEditZarnViewMoves.cpp).
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
    // Keys the name editor leaves (Enter, Ctrl+1, ...) belong to the edit,
    // not to the list's commands.
    if (state() == EditingState) {
        QTableView::keyPressEvent(pEvent);
        return;
    }
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
    const Qt::KeyboardModifiers modifiers = pEvent->modifiers() & ~Qt::KeypadModifier;
    if (pEvent->key() == Qt::Key_F2 && modifiers == Qt::NoModifier) {
        StartRename();
        return;
    }
    if (pEvent->key() == Qt::Key_Space && modifiers == Qt::NoModifier) {
        ToggleLock();
        return;
    }
    if (pEvent->key() >= Qt::Key_1 && pEvent->key() < Qt::Key_1 + kMaxFavGroups && modifiers == Qt::ControlModifier) {
        ToggleFavGroup(pEvent->key() - Qt::Key_1);
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

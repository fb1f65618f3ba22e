// The tree's context menu (the entries the node under it offers) and its
// mouse and keys: the right button selects before the menu opens, Delete
// and Enter run the node's commands.
#include "CEditZarnDoc.h"
#include "CLeftView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

void CLeftView::ShowContextMenu(const QPoint& globalPos)
{
    if (!Loaded())
        return;
    const Node node = Selected();
    const Database& db = doc.Data();
    using Command = void (CLeftView::*)();
    struct Entry {
        const TrText* pText; // null: a separator
        Command command;
    };
    std::vector<Entry> entries;
    if (node.kind == NodeKind::Root && node.iRoot == kRootSatellite) {
        entries = {{&kMenuAddAntenna, &CLeftView::OnAddAntenna},
                   {&kMenuLoadListing, &CLeftView::OnLoadListing},
                   {&kMenuAddSatellitesFromList, &CLeftView::OnTransponderList}};
    } else if (node.kind == NodeKind::Satellite) {
        entries = {{&kMenuAddAntenna, &CLeftView::OnAddAntenna},
                   {&kMenuEditAntenna, &CLeftView::OnEditAntenna},
                   {&kMenuMoveAntenna, &CLeftView::OnMoveAntenna},
                   {&kMenuSwapAntenna, &CLeftView::OnSwapAntenna},
                   {&kMenuDeleteAntenna, &CLeftView::OnDeleteAntenna},
                   {nullptr, nullptr},
                   {&kMenuAddTransponder, &CLeftView::OnAddTransponder},
                   {nullptr, nullptr},
                   {&kMenuModifyTransponders, &CLeftView::OnModifyTransponders},
                   {nullptr, nullptr},
                   {&kMenuUpdateFromList, &CLeftView::OnTransponderList}};
    } else if (node.kind == NodeKind::SatTransponder) {
        entries = {{&kMenuAddTransponder, &CLeftView::OnAddTransponder},
                   {&kMenuEditTransponder, &CLeftView::OnEditTransponder},
                   {&kMenuDeleteTransponder, &CLeftView::OnDeleteTransponder}};
    } else if (node.kind == NodeKind::FavGroup) {
        entries = {{&kMenuRenameFav, &CLeftView::OnRenameFavGroup}};
    } else if (node.kind == NodeKind::Root && CategoryShown(db, CategoryRow(node.iRoot))) {
        entries = {{&kMenuAddTransponder, &CLeftView::OnAddTransponder}};
        if (node.iRoot == kRootCable)
            entries.push_back({&kMenuAddFromCables, &CLeftView::OnTransponderList});
        else if (node.iRoot == kRootTerrestrial)
            entries.push_back({&kMenuAddFromTerrestrial, &CLeftView::OnTransponderList});
    } else if (node.kind == NodeKind::CategoryTransponder) {
        entries = {{&kMenuEditTransponder, &CLeftView::OnEditTransponder},
                   {&kMenuDeleteTransponder, &CLeftView::OnDeleteTransponder}};
    }
    if (entries.empty())
        return;
    QMenu menu(this);
    std::vector<std::pair<QAction*, Command>> actions;
    for (const Entry& entry : entries) {
        if (entry.pText)
            actions.emplace_back(menu.addAction(*entry.pText), entry.command);
        else
            menu.addSeparator();
    }
    QAction* pChosen = fnRunMenu(menu, globalPos);
    for (const auto& [pAction, command] : actions)
        if (pChosen && pAction == pChosen)
            (this->*command)();
}

void CLeftView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    // The pointer's menu belongs to the node under it (the press selected
    // it); over empty space there is none. The menu key's belongs to the
    // selected node.
    pEvent->accept();
    if (pEvent->reason() == QContextMenuEvent::Mouse && !itemAt(pEvent->pos()))
        return;
    ShowContextMenu(pEvent->globalPos());
}

void CLeftView::mousePressEvent(QMouseEvent* pEvent)
{
    // The right button selects the node under the pointer, as the left one
    // does (the list follows), and its menu then acts on that node.
    if (pEvent->button() == Qt::RightButton) {
        if (QTreeWidgetItem* pItem = itemAt(pEvent->position().toPoint()))
            setCurrentItem(pItem);
        pEvent->accept();
        return;
    }
    QTreeWidget::mousePressEvent(pEvent);
}

void CLeftView::keyPressEvent(QKeyEvent* pEvent)
{
    if (!Loaded())
        return; // nothing moves while no database is open
    const Node node = Selected();
    switch (pEvent->key()) {
    case Qt::Key_Delete:
        if (node.kind == NodeKind::SatTransponder || node.kind == NodeKind::CategoryTransponder)
            OnDeleteTransponder();
        else if (node.kind == NodeKind::Satellite)
            OnDeleteAntenna();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (node.kind == NodeKind::Satellite)
            OnEditAntenna();
        return;
    default: break;
    }
    QTreeWidget::keyPressEvent(pEvent);
}

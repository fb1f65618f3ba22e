// The tree's nodes: the seven roots and the branches built from the
// database, what a node stands for, and the selection reported to the
// channel list. The commands, the context menu and keys, and drops live in
// CLeftViewCommands.cpp, CLeftViewMenu.cpp and CLeftViewDrop.cpp.
#include "CLeftView.h"

#include "BitFields.h"
#include "CEditZarnDoc.h"
#include "FavGroupNames.h"
#include "ListKind.h"
#include "RecordText.h"
#include "SatelliteOperations.h"
#include "TreeIcons.h"

#include <QHeaderView>
#include <QMenu>

#include <algorithm>

namespace {

// Images of the nodes: normal / selected.
constexpr int kImageNode = 1, kImageNodeSelected = 2, kImageSatTp = 3, kImageSatTpSelected = 4, kImageFirstRoot = 5;

int Clamped(int count, int max) { return std::clamp(count, 0, max); }

// What each root lists, by its position.
constexpr std::array<int, CLeftView::kRootCount> kRootLists = {
    kListAll, kListSatelliteTps, kListAll, kListAnyFavGroup, kListTerrestrialTps, kListCableTps, kListIsdbTps};

} // namespace

CLeftView::CLeftView(CEditZarnDoc& doc, QWidget* parent) : QTreeWidget(parent), doc(doc)
{
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    setAcceptDrops(true); // channel rows drop on group nodes (CLeftViewDrop.cpp)
    // Labels are shown whole; a pane narrower than them scrolls.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    for (int i = 0; i < kRootCount; ++i)
        iconRoot[i] = TreeNodeIcon(kImageFirstRoot + i, kImageFirstRoot + i);
    iconNode = TreeNodeIcon(kImageNode, kImageNodeSelected);
    iconSatTp = TreeNodeIcon(kImageSatTp, kImageSatTpSelected);
    fnRunMenu = [](QMenu& menu, const QPoint& pos) { return menu.exec(pos); };
    BuildRoots();
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* pCurrent) { OnCurrentItemChanged(pCurrent); });
    connect(&doc, &CEditZarnDoc::DatabaseOpened, this, &CLeftView::FillTree);
    connect(&doc, &CEditZarnDoc::DatabaseClosed, this, &CLeftView::ResetTree);
}

// --- building ------------------------------------------------------------

QTreeWidgetItem* CLeftView::MakeItem(const std::string& text, const QIcon& icon) const
{
    auto* pItem = new QTreeWidgetItem(QStringList{FromRecordText(text)});
    pItem->setIcon(0, icon);
    return pItem;
}

void CLeftView::BuildRoots()
{
    const bool wasRebuilding = std::exchange(bRebuilding, true);
    clear();
    for (int i = 0; i < kRootCount; ++i) {
        QTreeWidgetItem* pRoot = MakeItem({}, iconRoot[i]);
        pRoot->setText(0, QCoreApplication::translate("TreeLabels", kRootTexts[size_t(i)]));
        addTopLevelItem(pRoot);
    }
    bRebuilding = wasRebuilding;
}

void CLeftView::ClearChildren(QTreeWidgetItem* pParent) { qDeleteAll(pParent->takeChildren()); }

QTreeWidgetItem* CLeftView::RowNode(int row) const
{
    const int root = RootOfRow(row);
    if (root != kRootSatellite)
        return Root(root);
    return row >= 0 && row < kMaxSatellites ? Root(kRootSatellite)->child(row) : nullptr;
}

void CLeftView::AppendTransponderNodes(int row, const std::vector<int>& records)
{
    QTreeWidgetItem* pParent = RowNode(row);
    if (!pParent)
        return;
    const Database& db = doc.Data();
    std::vector<int>& entries = TpPositionTable[size_t(row)];
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(records.size()));
    for (int record : records) {
        const TransponderRecord& tp = db.TransponderTable[size_t(record)];
        items.append(
            MakeItem(TransponderLabel(tp, row, int(entries.size())), row < kMaxSatellites ? iconSatTp : iconNode));
        entries.push_back(record);
    }
    pParent->addChildren(items);
}

void CLeftView::FillSatelliteNodes()
{
    const Database& db = doc.Data();
    QList<QTreeWidgetItem*> items;
    for (int s = 0, n = Clamped(db.header.sSatNumber, kMaxSatellites); s < n; ++s)
        items.append(MakeItem(SatelliteLabel(db.SatelliteTable[size_t(s)], s), iconNode));
    Root(kRootSatellite)->addChildren(items);
}

void CLeftView::AddSatelliteNode(int index)
{
    if (index < 0 || index >= kMaxSatellites)
        return;
    SatelliteRecord& sat = doc.Data().SatelliteTable[size_t(index)];
    ClearNewSatelliteBits(sat);
    Root(kRootSatellite)->addChild(MakeItem(SatelliteLabel(sat, index), iconNode));
}

void CLeftView::FillTransponderNodes(int row)
{
    if (row < 0 || row >= kTpRowCount || !RowNode(row))
        return;
    const bool wasRebuilding = std::exchange(bRebuilding, true);
    ClearChildren(RowNode(row));
    TpPositionTable[size_t(row)].clear();
    AppendTransponderNodes(row, RowRecords(doc.Data(), row));
    bRebuilding = wasRebuilding;
}

void CLeftView::FillAllTransponderNodes()
{
    TransponderRows rows = BuildTransponderRows(doc.Data());
    for (int row = 0; row < kTpRowCount; ++row) {
        TpPositionTable[size_t(row)].clear();
        if (!rows[size_t(row)].empty())
            AppendTransponderNodes(row, rows[size_t(row)]);
    }
}

void CLeftView::FillTree()
{
    bRebuilding = true;
    BuildRoots();
    FillSatelliteNodes();
    Root(kRootSatellite)->setExpanded(true);
    FillAllTransponderNodes();
    for (int g = 0, n = FavGroupCount(doc.Data()); g < n; ++g)
        Root(kRootFavList)->addChild(MakeItem(FavGroupLabel(doc.Data(), g), iconNode));
    bRebuilding = false;
    // A new or opened database lists all its channels at once.
    SelectAndReport(Root(kRootChannelList));
}

void CLeftView::ResetTree()
{
    BuildRoots();
    emit ListCleared();
}

void CLeftView::RefreshSatelliteBranch()
{
    const bool wasRebuilding = std::exchange(bRebuilding, true);
    for (int root : {kRootSatellite, kRootTerrestrial, kRootCable, kRootIsdb})
        ClearChildren(Root(root));
    FillSatelliteNodes();
    FillAllTransponderNodes();
    bRebuilding = wasRebuilding;
}

std::vector<int> CLeftView::CurrentPath() const
{
    std::vector<int> path;
    for (const QTreeWidgetItem* pItem = currentItem(); pItem; pItem = pItem->parent())
        path.insert(path.begin(), NodePosition(pItem->parent(), pItem));
    return path;
}

bool CLeftView::RefillTree(const std::vector<int>& path)
{
    // Which roots and which of their children are open, by position.
    std::vector<std::vector<int>> openNodes;
    for (int root = 0; root < topLevelItemCount(); ++root) {
        const QTreeWidgetItem* pRoot = topLevelItem(root);
        if (pRoot->isExpanded())
            openNodes.push_back({root});
        for (int child = 0; child < pRoot->childCount(); ++child)
            if (pRoot->child(child)->isExpanded())
                openNodes.push_back({root, child});
    }
    FillTree();
    const bool wasRebuilding = std::exchange(bRebuilding, true);
    for (int root = 0; root < topLevelItemCount(); ++root)
        topLevelItem(root)->setExpanded(false);
    for (const std::vector<int>& open : openNodes) {
        QTreeWidgetItem* pItem = topLevelItem(open[0]);
        if (pItem && open.size() > 1)
            pItem = pItem->child(open[1]);
        if (pItem)
            pItem->setExpanded(true);
    }
    // Down the path as far as it goes; a position past the last child takes the last one.
    QTreeWidgetItem* pItem = nullptr;
    for (size_t depth = 0; depth < path.size(); ++depth) {
        const int count = pItem ? pItem->childCount() : topLevelItemCount();
        if (count == 0 || path[depth] < 0)
            break;
        const int position = std::min(path[depth], count - 1);
        pItem = pItem ? pItem->child(position) : topLevelItem(position);
    }
    setCurrentItem(pItem);
    bRebuilding = wasRebuilding;
    if (pItem)
        scrollToItem(pItem);
    return ReportSelection(pItem);
}

// --- identity and selection ----------------------------------------------

int CLeftView::NodePosition(const QTreeWidgetItem* parent, const QTreeWidgetItem* node) const
{
    const int count = parent ? parent->childCount() : topLevelItemCount();
    const int position = parent ? parent->indexOfChild(const_cast<QTreeWidgetItem*>(node))
                                : indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(node));
    return position < 0 ? count : position;
}

CLeftView::Node CLeftView::Identify(QTreeWidgetItem* pItem) const
{
    Node node;
    node.pItem = pItem;
    if (!pItem)
        return node;
    QTreeWidgetItem* pParent = pItem->parent();
    if (!pParent) {
        node.kind = NodeKind::Root;
        node.iRoot = NodePosition(nullptr, pItem);
        return node;
    }
    node.iPosition = NodePosition(pParent, pItem);
    QTreeWidgetItem* pGrand = pParent->parent();
    if (pGrand) {
        if (pGrand == Root(kRootSatellite) && !pGrand->parent()) {
            node.kind = NodeKind::SatTransponder;
            node.iRow = NodePosition(pGrand, pParent);
        }
        return node;
    }
    const int parentRoot = NodePosition(nullptr, pParent);
    if (parentRoot == kRootSatellite) {
        node.kind = NodeKind::Satellite;
        node.iRow = node.iPosition;
    } else if (parentRoot == kRootFavList) {
        node.kind = NodeKind::FavGroup;
    } else if (const int row = CategoryRow(parentRoot); row >= 0) {
        node.kind = NodeKind::CategoryTransponder;
        node.iRow = row;
    }
    return node;
}

int CLeftView::RecordOf(const Node& node) const
{
    if (node.kind != NodeKind::SatTransponder && node.kind != NodeKind::CategoryTransponder)
        return -1;
    if (node.iRow < 0 || node.iRow >= kTpRowCount)
        return -1;
    const std::vector<int>& row = TpPositionTable[size_t(node.iRow)];
    if (node.iPosition < 0 || node.iPosition >= int(row.size()))
        return -1;
    const int record = row[size_t(node.iPosition)];
    return record < Clamped(doc.Data().header.sTpNumber, kMaxTransponders) ? record : -1;
}

bool CLeftView::Loaded() const { return doc.bDataLoaded != 0; }

void CLeftView::OnCurrentItemChanged(QTreeWidgetItem* pCurrent)
{
    if (!bRebuilding && Loaded())
        ReportSelection(pCurrent);
}

bool CLeftView::ReportSelection(QTreeWidgetItem* pItem)
{
    const Node node = Identify(pItem);
    switch (node.kind) {
    case NodeKind::Root:
        if (node.iRoot < 0 || node.iRoot >= kRootCount)
            return false;
        doc.SelectedTpId = -1;
        doc.SelectedSatellite = -1;
        emit ListKindReported(kRootLists[size_t(node.iRoot)]);
        return true;
    case NodeKind::Satellite:
        doc.SelectedTpId = -1;
        doc.SelectedSatellite = node.iRow;
        emit ListKindReported(kListSatellite);
        return true;
    case NodeKind::SatTransponder:
    case NodeKind::CategoryTransponder: {
        const int record = RecordOf(node);
        if (record < 0)
            return false;
        doc.SelectedTpId = int(TpId(doc.Data().TransponderTable[size_t(record)]));
        doc.SelectedSatellite = node.kind == NodeKind::SatTransponder ? node.iRow : -1;
        emit ListKindReported(kListTransponder);
        return true;
    }
    case NodeKind::FavGroup:
        doc.SelectedTpId = -1;
        doc.SelectedSatellite = -1;
        doc.SelectedFavGroup = node.iPosition;
        emit ListKindReported(kListFavGroup);
        return true;
    case NodeKind::None: break;
    }
    return false;
}

void CLeftView::SelectAndReport(QTreeWidgetItem* pItem)
{
    const bool wasRebuilding = std::exchange(bRebuilding, true);
    setCurrentItem(pItem);
    if (!pItem)
        clearSelection();
    bRebuilding = wasRebuilding;
    // The channels the list showed may be gone: a node that selects nothing
    // leaves the list empty rather than showing them.
    if (!ReportSelection(pItem)) {
        doc.SelectedTpId = -1;
        doc.SelectedSatellite = -1;
        emit ListKindReported(kListNone);
    }
}

void CLeftView::SelectSatellite(int position)
{
    QTreeWidgetItem* pSatellites = Root(kRootSatellite);
    const int count = pSatellites->childCount();
    SelectAndReport(count == 0 ? nullptr : pSatellites->child(position < count ? position : 0));
}

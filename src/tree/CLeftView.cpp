#include "CLeftView.h"

#include "BitFields.h"
#include "CEditZarnDoc.h"
#include "CFavRenameDlg.h"
#include "CModifiedTpDlg.h"
#include "CMoveDlg.h"
#include "CSatelliteDlg.h"
#include "CTransponderDlg.h"
#include "FavGroupNames.h"
#include "FavRename.h"
#include "ListKind.h"
#include "RecordText.h"
#include "SatelliteOperations.h"
#include "TransponderOperations.h"
#include "TreeIcons.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <climits>

namespace {

// Images of the nodes: normal / selected.
constexpr int kImageNode = 1, kImageNodeSelected = 2, kImageSatTp = 3, kImageSatTpSelected = 4, kImageFirstRoot = 5;

int Clamped(int count, int max) { return std::clamp(count, 0, max); }

// What each root lists, by its position.
constexpr std::array<int, CLeftView::kRootCount> kRootLists = {
    kListAll, kListSatelliteTps, kListAll, kListAnyFavGroup, kListTerrestrialTps, kListCableTps, kListIsdbTps};

// A typed value plus or minus one, held within the int range.
int Plus(int value, int delta) { return int(std::clamp<int64_t>(int64_t(value) + delta, INT_MIN, INT_MAX)); }

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
    switch (row) {
    case kTerrestrialRow: return Root(kRootTerrestrial);
    case kIsdbRow: return Root(kRootIsdb);
    case kCableRow: return Root(kRootCable);
    default: return row >= 0 && row < kMaxSatellites ? Root(kRootSatellite)->child(row) : nullptr;
    }
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

// --- satellite commands --------------------------------------------------

void CLeftView::OnAddAntenna()
{
    const Node node = Selected();
    if (!Loaded() ||
        !(node.kind == NodeKind::Satellite || (node.kind == NodeKind::Root && node.iRoot == kRootSatellite)))
        return;
    Database& db = doc.Data();
    if (db.header.sSatNumber >= kMaxSatellites) {
        WindowMessage(doc.Prompts(), kMsgSatellitesFull);
        return;
    }
    CSatelliteDlg dialog(db, doc.Prompts(), DefaultSatellite(), db.header.sSatNumber, this);
    if (fnRunDialog(dialog) != QDialog::Accepted)
        return;
    doc.ApplyEdit(kActionAddSatellite, [&](Database& data) {
        const int index = AddSatellite(data, dialog.Record());
        if (index < 0)
            return false;
        AddSatelliteNode(index);
        return true;
    });
}

void CLeftView::OnEditAntenna()
{
    const Node node = Selected();
    if (!Loaded() || node.kind != NodeKind::Satellite || node.iRow >= doc.Data().header.sSatNumber)
        return;
    Database& db = doc.Data();
    CSatelliteDlg dialog(db, doc.Prompts(), db.SatelliteTable[size_t(node.iRow)], node.iRow, this);
    if (fnRunDialog(dialog) != QDialog::Accepted)
        return;
    doc.ApplyEdit(kActionEditSatellite,
                  [&](Database& data) { return ReplaceSatellite(data, node.iRow, dialog.Record()) == kSatDone; });
    node.pItem->setText(0, FromRecordText(SatelliteLabel(db.SatelliteTable[size_t(node.iRow)], node.iRow)));
}

void CLeftView::OnMoveAntenna()
{
    const Node node = Selected();
    if (!Loaded() || node.kind != NodeKind::Satellite)
        return;
    Database& db = doc.Data();
    if (iMoveTarget > db.header.sSatNumber)
        iMoveTarget = 1;
    CMoveDlg dialog(doc.Prompts(), node.iRow + 1, iMoveTarget, this);
    if (fnRunDialog(dialog) != QDialog::Accepted)
        return;
    iMoveTarget = Plus(dialog.To(), 1);
    const int to = Plus(dialog.To(), -1);
    if (to < 0 || to >= db.header.sSatNumber) {
        WindowMessage(doc.Prompts(), kMsgAntennaOutOfRange);
        return;
    }
    if (!doc.ApplyEdit(kActionMoveSatellite,
                       [&](Database& data) { return MoveSatellite(data, Plus(dialog.From(), -1), to) == kSatDone; }))
        return;
    RefreshSatelliteBranch();
    SelectSatellite(node.iRow);
}

void CLeftView::OnSwapAntenna()
{
    const Node node = Selected();
    if (!Loaded() || node.kind != NodeKind::Satellite)
        return;
    Database& db = doc.Data();
    CMoveDlg dialog(doc.Prompts(), node.iRow + 1, 1, this);
    if (fnRunDialog(dialog) != QDialog::Accepted)
        return;
    const int to = Plus(dialog.To(), -1);
    if (to < 0 || to >= db.header.sSatNumber) {
        WindowMessage(doc.Prompts(), kMsgAntennaOutOfRange);
        return;
    }
    if (!doc.ApplyEdit(kActionSwapSatellites,
                       [&](Database& data) { return SwapSatellites(data, Plus(dialog.From(), -1), to) == kSatDone; }))
        return;
    RefreshSatelliteBranch();
    SelectSatellite(node.iRow);
}

void CLeftView::OnDeleteAntenna()
{
    const Node node = Selected();
    if (!Loaded() || node.kind != NodeKind::Satellite || node.iRow >= doc.Data().header.sSatNumber)
        return;
    Database& db = doc.Data();
    const QString name = FromRecordText(FieldText(db.SatelliteTable[size_t(node.iRow)].acSatName));
    if (WindowMessage(doc.Prompts(), kMsgDeleteSatellite.arg(name), MsgButtons::YesNo, MsgIcon::Question) !=
        MsgAnswer::Yes)
        return;
    doc.ApplyEdit(kActionDeleteSatellite, [&](Database& data) { return DeleteSatellite(data, node.iRow) >= 0; });
    RefreshSatelliteBranch();
    SelectSatellite(node.iRow);
}

// --- transponder commands ------------------------------------------------

void CLeftView::OnAddTransponder()
{
    const Node node = Selected();
    if (!Loaded())
        return;
    Database& db = doc.Data();
    int row = -1;
    TransponderRecord tp{};
    if (node.kind == NodeKind::Satellite || node.kind == NodeKind::SatTransponder) {
        row = node.iRow;
        tp = DefaultSatelliteTp(row);
    } else if (node.kind == NodeKind::Root) {
        const bool offered = (node.iRoot == kRootTerrestrial && db.bHasTerrestrial) ||
                             (node.iRoot == kRootCable && db.bHasCable) || (node.iRoot == kRootIsdb && db.bHasIsdbt);
        if (!offered)
            return;
        row = CategoryRow(node.iRoot);
        tp = row == kCableRow ? DefaultCableTp()
                              : DefaultTerrestrialTp(row == kIsdbRow ? kTpIsdbt : kTpTerrestrial, ChanTable(db));
    } else {
        return;
    }
    CTransponderDlg dialog(FormOfKind(TpKind(tp)), tp, ChanTable(db), doc.Prompts(), this);
    if (fnRunDialog(dialog) != QDialog::Accepted)
        return;
    int record = -1;
    if (!doc.ApplyEdit(kActionAddTransponder, [&](Database& data) {
            record = AddTransponderReporting(data, doc.Prompts(), dialog.Record());
            return record >= 0;
        }))
        return;
    AppendTransponderNodes(row, {record});
}

void CLeftView::OnEditTransponder()
{
    const Node node = Selected();
    const int record = RecordOf(node);
    if (!Loaded() || record < 0)
        return;
    Database& db = doc.Data();
    const TpForm form = node.iRow == kCableRow                       ? TpForm::Cable
                        : node.kind == NodeKind::CategoryTransponder ? TpForm::Terrestrial
                                                                     : TpForm::Satellite;
    CTransponderDlg dialog(form, db.TransponderTable[size_t(record)], ChanTable(db), doc.Prompts(), this);
    if (fnRunDialog(dialog) != QDialog::Accepted || !ValidateEditReporting(db, doc.Prompts(), dialog.Record(), record))
        return;
    doc.ApplyEdit(kActionEditTransponder, [&](Database& data) {
        data.TransponderTable[size_t(record)] = dialog.Record();
        return true;
    });
    node.pItem->setText(0, FromRecordText(TransponderLabel(dialog.Record(), node.iRow, node.iPosition)));
}

void CLeftView::OnDeleteTransponder()
{
    const Node node = Selected();
    const int record = RecordOf(node);
    if (!Loaded() || record < 0)
        return;
    Database& db = doc.Data();
    const QString question =
        kMsgDeleteTransponder + QStringLiteral("\n") +
        FromRecordText(DeleteQuestionLine(db.TransponderTable[size_t(record)], node.iRow, node.iPosition));
    if (WindowMessage(doc.Prompts(), question, MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
        return;
    if (!doc.ApplyEdit(kActionDeleteTransponder, [&](Database& data) { return DeleteTransponder(data, record) >= 0; }))
        return;

    // The records after the deleted one have moved down one slot.
    std::vector<int>& entries = TpPositionTable[size_t(node.iRow)];
    entries.erase(entries.begin() + node.iPosition);
    for (std::vector<int>& row : TpPositionTable)
        for (int& entry : row)
            if (entry > record)
                --entry;
    // The selected node stays and shows the next transponder; the labels
    // from there on are renumbered and the last node goes.
    QTreeWidgetItem* pParent = node.pItem->parent();
    const bool wasRebuilding = std::exchange(bRebuilding, true);
    delete pParent->takeChild(pParent->childCount() - 1);
    for (int p = node.iPosition; p < int(entries.size()); ++p)
        pParent->child(p)->setText(
            0, FromRecordText(TransponderLabel(db.TransponderTable[size_t(entries[size_t(p)])], node.iRow, p)));
    bRebuilding = wasRebuilding;
    const int count = pParent->childCount();
    SelectAndReport(node.iPosition < count ? pParent->child(node.iPosition)
                    : count > 0            ? pParent->child(count - 1)
                                           : pParent);
}

void CLeftView::OnModifyTransponders()
{
    const Node node = Selected();
    if (!Loaded() || node.kind != NodeKind::Satellite)
        return;
    // The whole session is one step: what Add, Edit and Del did stays after
    // Cancel, and one Undo takes it all back.
    if (!doc.ApplyEdit(kActionModifyTransponders, [&](Database&) {
            CModifiedTpDlg dialog(doc, node.iRow, fnRunDialog, this);
            fnRunDialog(dialog);
            return dialog.IsChanged();
        }))
        return;
    RefreshSatelliteBranch();
    SelectSatellite(node.iRow);
}

// --- favourite group and import ------------------------------------------

void CLeftView::OnRenameFavGroup()
{
    const Node node = Selected();
    if (!Loaded() || node.kind != NodeKind::FavGroup || node.iPosition >= kMaxFavGroups)
        return;
    CFavRenameDlg dialog(doc.Prompts(), FromRecordText(FavName(doc.Data(), node.iPosition)), this);
    if (fnRunDialog(dialog) != QDialog::Accepted)
        return;
    const std::string name = ToRecordText(dialog.Name()).toStdString();
    doc.ApplyEdit(kActionRenameFavGroup, [&](Database& db) {
        const std::string before(FavName(db, node.iPosition));
        RenameFavGroup(db, node.iPosition, name);
        return FavName(db, node.iPosition) != before;
    });
    node.pItem->setText(0, FromRecordText(FavGroupLabel(doc.Data(), node.iPosition)));
}

void CLeftView::OnLoadListing()
{
    if (!Loaded())
        return;
    doc.ApplyEdit(kActionImportSatellites, [this](Database& data) {
        bool added = false;
        LoadSatelliteFromHtml(data, doc.Prompts(), this, [&added] { added = true; });
        return added;
    });
}

void CLeftView::OnTransponderList()
{
    const Node node = Selected();
    TransponderListRequest request{TransponderListKind::Satellites, node.kind == NodeKind::Satellite ? node.iRow : -1};
    if (node.kind == NodeKind::Root && node.iRoot == kRootCable)
        request.kind = TransponderListKind::Cables;
    else if (node.kind == NodeKind::Root && node.iRoot == kRootTerrestrial)
        request.kind = TransponderListKind::Terrestrial;
    ImportTransponderList(request);
}

void CLeftView::ImportTransponderList(const TransponderListRequest& request)
{
    if (transponderLists.Run(doc, request, fnRunDialog, this))
        RefillTree(CurrentPath());
}

// --- menu and keys -------------------------------------------------------

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
    } else if (node.kind == NodeKind::Root &&
               ((node.iRoot == kRootTerrestrial && db.bHasTerrestrial) || (node.iRoot == kRootCable && db.bHasCable) ||
                (node.iRoot == kRootIsdb && db.bHasIsdbt))) {
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

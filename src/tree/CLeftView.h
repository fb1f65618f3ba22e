// The left pane: the satellite and transponder tree under its seven fixed
// top-level categories. Nodes carry no data; a node is known by where it
// stands (its parent and its position), and the position table maps each
// transponder node to its record. Selecting a node tells the channel list
// what to show; the context menu and the Delete and Enter keys run the
// satellite, transponder and favourite-group commands.
#pragma once

#include "DialogButtons.h"
#include "ListingImport.h"
#include "TransponderListCommand.h"
#include "TreeLabels.h"
#include "TrText.h"

#include <QTreeWidget>

#include <functional>
#include <vector>

class CEditZarnDoc;
class QMenu;

// Context menu entries.
inline constexpr TrText kMenuAddAntenna{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Add Antenna")};
inline constexpr TrText kMenuEditAntenna{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Edit Antenna")};
inline constexpr TrText kMenuMoveAntenna{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Move Antenna")};
inline constexpr TrText kMenuSwapAntenna{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Swap Antenna")};
inline constexpr TrText kMenuDeleteAntenna{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Delete Antenna")};
inline constexpr TrText kMenuAddTransponder{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Add Transponder")};
inline constexpr TrText kMenuEditTransponder{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Edit Transponder")};
inline constexpr TrText kMenuDeleteTransponder{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Delete Transponder")};
inline constexpr TrText kMenuModifyTransponders{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Modify Transponders")};
inline constexpr TrText kMenuRenameFav{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Rename FAV Group Name")};

// Messages of the commands.
inline constexpr TrText kMsgAntennaOutOfRange{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Out ot range")};
inline constexpr TrText kMsgDeleteSatellite{"CLeftView",
                                            QT_TRANSLATE_NOOP("CLeftView", "Are you sure to delete (%1) satellite?")};
inline constexpr TrText kMsgDeleteTransponder{
    "CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Are you sure to delete this transponder ?")};

// Names of the commands in the editing history (Edit > Undo ...).
inline constexpr TrText kActionAddSatellite{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Add Satellite")};
inline constexpr TrText kActionEditSatellite{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Edit Satellite")};
inline constexpr TrText kActionMoveSatellite{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Move Satellite")};
inline constexpr TrText kActionSwapSatellites{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Swap Satellites")};
inline constexpr TrText kActionDeleteSatellite{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Delete Satellite")};
inline constexpr TrText kActionAddTransponder{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Add Transponder")};
inline constexpr TrText kActionEditTransponder{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Edit Transponder")};
inline constexpr TrText kActionDeleteTransponder{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Delete Transponder")};
inline constexpr TrText kActionModifyTransponders{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Modify Transponders")};
inline constexpr TrText kActionRenameFavGroup{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Rename Favourite Group")};
inline constexpr TrText kActionImportSatellites{"CLeftView", QT_TRANSLATE_NOOP("CLeftView", "Import Satellites")};

class CLeftView : public QTreeWidget, public IListingTree {
    Q_OBJECT

public:
    static constexpr int kRootCount = 7;

    explicit CLeftView(CEditZarnDoc& doc, QWidget* parent = nullptr);

    CEditZarnDoc& Document() const { return doc; }
    QTreeWidgetItem* Root(int position) const { return topLevelItem(position); }
    // The record indices listed under a satellite (row 0..99) or category row.
    const std::vector<int>& TpRow(int row) const { return TpPositionTable[size_t(row)]; }

    // Branch building.
    void FillSatelliteNodes();
    void AddSatelliteNode(int index) override;
    void FillTransponderNodes(int row) override;
    void FillAllTransponderNodes();
    void RefreshSatelliteBranch();
    // Siblings before node under parent (the top level for none); the count
    // of all children when node is not there.
    int NodePosition(const QTreeWidgetItem* parent, const QTreeWidgetItem* node) const;
    // Positions from the top level down to the current node; empty for none.
    std::vector<int> CurrentPath() const;
    // Rebuilds the branches from the database as it is now (after an undo or
    // redo), keeping the open nodes open, and makes the node at path current,
    // or the nearest one that still exists. Returns whether that node
    // reported a selection to the channel list.
    bool RefillTree(const std::vector<int>& path);

    // The commands; each works on the selected node and does nothing while
    // no database is loaded or when the node does not offer it.
    void OnAddAntenna();
    void OnEditAntenna();
    void OnMoveAntenna();
    void OnSwapAntenna();
    void OnDeleteAntenna();
    void OnAddTransponder();
    void OnEditTransponder();
    void OnDeleteTransponder();
    void OnModifyTransponders();
    void OnRenameFavGroup();
    void OnLoadListing();
    // The transponder list of the selected node's kind (satellites.xml on
    // "Satellite" and on a satellite, whose entry the dialog starts on).
    void OnTransponderList();
    // Reads a transponder list (of request's kind, or any), shows what
    // taking its entries would do and takes them on OK; the tree follows.
    void ImportTransponderList(const TransponderListRequest& request);

    // Pops up the context menu of the selected node at globalPos and runs the
    // chosen entry.
    void ShowContextMenu(const QPoint& globalPos);

    // How dialogs and the context menu are run; tests answer them here.
    DialogRunner fnRunDialog = ExecModal;
    std::function<QAction*(QMenu&, const QPoint&)> fnRunMenu;

    // The Move dialog's proposed target (1-based); kept while the program runs.
    int iMoveTarget = 1;

signals:
    // A node was selected: the document's Selected* fields are written and
    // the channel list should show listKind (a ListKind).
    void ListKindReported(int listKind);
    // The tree was rebuilt: the channel list should be emptied.
    void ListCleared();
    // Rows of the channel list were dropped on the node of favourite group
    // `group`: the list's selection should join it.
    void ChannelsDroppedOnGroup(int group);

public slots:
    // Rebuilds the branches from the open database and selects "Channel List".
    void FillTree();
    // Back to the bare top-level categories.
    void ResetTree();

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    // Channel rows dragged from the list drop on a favourite group's node,
    // which shows the drop indicator meanwhile (CLeftViewDrop.cpp).
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dragMoveEvent(QDragMoveEvent* pEvent) override;
    void dragLeaveEvent(QDragLeaveEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    enum class NodeKind { None, Root, Satellite, SatTransponder, CategoryTransponder, FavGroup };
    struct Node {
        NodeKind kind = NodeKind::None;
        int iRoot = -1;     // Root: its position
        int iRow = -1;      // Satellite: its index; transponders: their row
        int iPosition = -1; // position under the parent
        QTreeWidgetItem* pItem = nullptr;
    };
    Node Identify(QTreeWidgetItem* pItem) const;
    Node Selected() const { return Identify(currentItem()); }
    bool Loaded() const;
    // The record index of a transponder node, or -1.
    int RecordOf(const Node& node) const;
    QTreeWidgetItem* RowNode(int row) const;

    void BuildRoots();
    void ClearChildren(QTreeWidgetItem* pParent);
    void AppendTransponderNodes(int row, const std::vector<int>& records);
    QTreeWidgetItem* MakeItem(const std::string& text, const QIcon& icon) const;

    void OnCurrentItemChanged(QTreeWidgetItem* pCurrent);
    // Runs the selection steps for pItem; false when it is a node whose
    // selection changes nothing.
    bool ReportSelection(QTreeWidgetItem* pItem);
    // Makes pItem current (none for null) and reports it; a node that
    // selects nothing empties the channel list.
    void SelectAndReport(QTreeWidgetItem* pItem);
    void SelectSatellite(int position);
    // The favourite group whose node is under a drag of channel rows, or -1
    // (also for a drag of anything else).
    int DropGroupOf(const QDropEvent& event) const;
    void ShowDropGroup(int group);

    CEditZarnDoc& doc;
    std::array<std::vector<int>, kTpRowCount> TpPositionTable;
    // Set while branches are rebuilt: selection changes are not reported then.
    bool bRebuilding = false;
    TransponderListCommand transponderLists;
    // The group node a drag of channel rows is over, or -1.
    int iDropGroup = -1;
    QIcon iconRoot[kRootCount];
    QIcon iconNode;
    QIcon iconSatTp;
};

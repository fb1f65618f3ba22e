// The right pane: the report-style list of the TV or radio channels that
// belong to the node selected in the tree, and the channel commands that act
// on its rows.
#pragma once

#include "CChannelParamDlg.h"
#include "ChannelCells.h"
#include "ChannelFilter.h"
#include "ListKind.h"
#include "TrText.h"

#include <QMenu>
#include <QTableView>

#include <functional>
#include <span>
#include <optional>
#include <vector>

class CEditZarnDoc;
class ChannelRowModel;

inline constexpr TrText kMsgChannelsFull{"CEditZarnView",
                                         QT_TRANSLATE_NOOP("CEditZarnView", "Channels are full,can't append")};
inline constexpr TrText kCaptionInfomation{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Infomation")};
inline constexpr TrText kMsgFavFull{"CEditZarnView",
                                    QT_TRANSLATE_NOOP("CEditZarnView", "Favor are full,can not store more favor")};
inline constexpr TrText kMsgDeleteChannel{"CEditZarnView",
                                          QT_TRANSLATE_NOOP("CEditZarnView", "Are you sure to delete channel ?")};
inline constexpr TrText kMsgOutOfRange{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Out of Range")};
// The details below the questions and messages: how many channels go, and
// how many a full group took.
inline constexpr TrText kInfoOneChannel{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "1 channel")};
inline constexpr TrText kInfoChannels{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "%1 channels")};
// "1 channel" or "N channels", also the label of dragged rows.
inline QString ChannelCountText(qsizetype count)
{
    return count == 1 ? QString(kInfoOneChannel) : kInfoChannels.arg(count);
}
inline constexpr TrText kInfoChannelLeaves{
    "CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "1 channel leaves the database and every list.")};
inline constexpr TrText kInfoChannelsLeave{
    "CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "%1 channels leave the database and every list.")};
inline constexpr TrText kInfoAddedOf{"CEditZarnView",
                                     QT_TRANSLATE_NOOP("CEditZarnView", "%1 of %2 channels added; %3 holds %4")};

// The Favourites submenu of the Edit menu and the list's context menu: one
// checkable entry per group ("1 MyFav"), and in the favourite list the entry
// that takes the selection out of the shown group.
inline constexpr TrText kMenuFavourites{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Favourites")};
inline const QString kMenuFavGroupEntry = QStringLiteral("%1 %2");
inline constexpr TrText kMenuRemoveFromGroup{
    "CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Remove from This Group\tCtrl+Shift+Delete")};

// Names of the channel commands in the editing history (Edit > Undo ...).
inline constexpr TrText kActionAddChannel{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Add Channel")};
inline constexpr TrText kActionEditChannel{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Edit Channel")};
inline constexpr TrText kActionDeleteChannel{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Delete Channel")};
inline constexpr TrText kActionDeleteChannels{"CEditZarnView",
                                              QT_TRANSLATE_NOOP("CEditZarnView", "Delete %1 Channels")};
inline constexpr TrText kActionSwapChannels{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Swap Channels")};
inline constexpr TrText kActionMoveChannels{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Move Channels")};
inline constexpr TrText kActionSortAToZ{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Sort A to Z")};
inline constexpr TrText kActionSortZToA{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Sort Z to A")};
inline constexpr TrText kActionSortByTransponder{"CEditZarnView",
                                                 QT_TRANSLATE_NOOP("CEditZarnView", "Sort by Transponder")};
inline constexpr TrText kActionSortBySatellite{"CEditZarnView",
                                               QT_TRANSLATE_NOOP("CEditZarnView", "Sort by Satellite")};
inline constexpr TrText kActionAddToGroup{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Add to %1")};
inline constexpr TrText kActionRemoveFromGroup{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Remove from %1")};
inline constexpr TrText kActionRemoveFromThisGroup{"CEditZarnView",
                                                   QT_TRANSLATE_NOOP("CEditZarnView", "Remove from Group")};
inline constexpr TrText kActionSortByColumn{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Sort by %1")};
inline constexpr TrText kActionRenameChannel{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Rename Channel")};
inline constexpr TrText kActionLockChannels{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Lock Channels")};
inline constexpr TrText kActionUnlockChannels{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Unlock Channels")};

// A column's title as the header shows it.
inline QString ColumnTitle(int column)
{
    return QCoreApplication::translate("ChannelCells", kChannelColumns[column].pTitle);
}

class CEditZarnView : public QTableView {
    Q_OBJECT

public:
    explicit CEditZarnView(CEditZarnDoc& doc, QWidget* parent = nullptr);
    ~CEditZarnView() override;

    CEditZarnDoc& Document() const { return doc; }

    int iTvRadioMode = 0;
    // What the list shows (a ListKind); written when the tree reports a selection.
    int iListKind = kListNone;
    // Row r shows channel aiRowChannel[r] of the working table; room for a
    // whole table, rows 0 .. iRowCount-1 in use.
    std::vector<int> aiRowChannel;
    int iRowCount = 0;
    // Rows the tree's choice lists before the filter hides any.
    int iListedRows = 0;

    // The dialogs and the context menu, replaceable for tests.
    // Channel Parameters: the edited record, or nothing when cancelled.
    std::function<std::optional<ChannelRecord>(const ChannelDialogInput& input)> fnChannelDialog;
    // Move: "To" as typed, or nothing when cancelled.
    std::function<std::optional<int>(int from)> fnMoveDialog;
    // Shows the context menu at a screen position; the chosen command id, or 0.
    std::function<int(const QPoint& globalPos)> fnTrackPopup;

    // The context menu offers the items of pEditMenu (actions carry their
    // command id as data), always all of them enabled.
    void SetContextMenu(const QMenu* pEditMenu);
    const QMenu& ContextMenu() const { return contextMenu; }
    // Runs the channel command id; false for an id the list does not handle.
    bool RunCommand(int id);
    // Fills pMenu with the Favourites entries each time it opens; an entry's
    // data is its command id.
    void AttachFavouritesMenu(QMenu* pMenu);
    void FillFavouritesMenu(QMenu& menu) const;

    // Fill passes.
    void ShowAllChannels();
    void ShowChannelsOfSatellite(int satellite);
    void ShowChannelsOfTransponder(int tpId);
    void ShowChannelsOfFavGroup(int group);

    // Channel commands.
    void AddChannel();
    void EditChannel();
    void DeleteChannels();
    void SwapChannels();
    void MoveChannels();
    void SortByNameAscending();
    void SortByNameDescending();
    void SortByTransponder();
    void SortBySatellite();
    // Adds the selected channels to the group, or takes them all out when
    // every one is in it already.
    void ToggleFavGroup(int group);
    // Adds the selected channels to the group (a drop on the group's node).
    void AddToFavGroup(int group);
    // In the favourite list: takes the selected channels out of the shown group.
    void RemoveFromThisGroup();
    // Locks or unlocks the selected channels; Space toggles: all locked
    // ones are unlocked, otherwise all are locked.
    void LockChannels(bool lock);
    void ToggleLock();
    // Opens the in-place editor on the name of the current (or first
    // selected) row; Enter stores the name, Escape cancels.
    void StartRename();
    // Sorts the listed rows by the column, as a click on its header does: the
    // same column again reverses the order.
    void SortByColumn(int column);

    // The selected rows in ascending order.
    std::vector<int> SelectedRows() const;
    // Selects the listed rows of the given channels (indices into the working
    // table) and scrolls the first of them into view.
    void SelectChannels(std::span<const int> channels);

    // Every reordering of rows: moves the selected rows as a block to
    // targetRow (the rule of the Move command, listed positions only) as one
    // edit, then selects the moved rows and scrolls them into view.
    void MoveSelectedRowsTo(int targetRow);

    // The filter applied on top of the tree's choice; setting it refills the
    // list and scrolls to the top.
    const ChannelFilter& Filter() const { return channelFilter; }
    void SetFilter(const ChannelFilter& filter);
    // Focus to the list with its first row current and selected.
    void FocusFirstRow();

    // Column widths in column order, as kept between runs; widths out of
    // reason are ignored when set.
    QList<int> ColumnWidths() const;
    void SetColumnWidths(const QList<int>& widths);
    // The columns shown, in column order; the header's context menu shows
    // and hides them. Setting a list without any valid column changes nothing.
    QList<int> ShownColumns() const;
    void SetShownColumns(const QList<int>& columns);
    // The header's context menu: every column, checked when shown.
    void FillColumnsMenu(QMenu& menu);

signals:
    // The rows were refilled (iRowCount, iListedRows).
    void ListFilled();

public slots:
    // Stores the TV/Radio mode (0 TV, 1 radio) and refills the list.
    void RefreshChannelList(int mode);
    // The tree reports a selection (the document's Selected* fields are
    // written): store the list kind and refill for it.
    void ShowListKind(int listKind);
    // Deletes all rows; the columns stay.
    void ClearChannelList();

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dropEvent(QDropEvent* pEvent) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* pEvent = nullptr) const override;

protected slots:
    // Stores the name the in-place editor holds, after the checks of the
    // Channel Parameters dialog.
    void commitData(QWidget* pEditor) override;

private:
    friend class ChannelRowModel;

    void Fill(RowFilter filter, int value);
    void BuildColumns();
    void SetUpHeader();
    void SetUpRenaming();
    // Refills the list after an edit that moved no row, keeping the
    // header's sort mark, and selects the channels again.
    void RefillSelecting(std::span<const int> channels);
    // Adds the selected channels to the group or takes them out, as the
    // Favourites submenu does.
    void ChangeFavGroup(int group, bool remove);
    // Selects the rows (any order) and scrolls the first into view.
    void SelectRows(std::span<const int> rows);
    bool Radio() const { return iTvRadioMode != 0; }
    std::span<const int> ListedRows() const { return {aiRowChannel.data(), size_t(iRowCount)}; }
    // Commands act only on an open database.
    bool HasDatabase() const;
    // Refills the list after a command.
    void Finish();
    void SwapOrMove(bool move);
    // The table indices of the selected rows, in row order.
    std::vector<int> SelectedChannels() const;
    bool ShowsFavGroup() const { return iListKind == kListFavGroup; }
    // Runs a reorder of the shown favourite group as one edit and refills
    // the list; tells when the group is full. False when nothing changed:
    // the list and its selection stay as they were.
    bool ReorderFavGroup(const QString& strAction, const std::function<int(Database&)>& reorder);
    // Runs a reorder of the listed rows as one edit: inGroup on the shown
    // favourite group's entries, otherwise inTable on the table; each
    // returns kChannelDone or why it refused. The list is refilled when
    // something changed; false when nothing did.
    bool ReorderListed(const QString& strAction, const std::function<int(Database&)>& inGroup,
                       const std::function<int(Database&)>& inTable);
    // Alt+Up, Alt+Down, Alt+Home, Alt+End; false for other keys.
    bool MoveByKey(const QKeyEvent& event);
    // The gap between rows that a drop at pos (viewport coordinates) means:
    // 0 above the first row up to iRowCount below the last.
    int DropGap(const QPoint& pos) const;
    void SelectRowBlock(int first, int count);

    CEditZarnDoc& doc;
    ChannelRowModel* pRows;
    // The rows' kind as the Index column numbers them.
    RowFilter rowFilter = RowFilter::All;
    QMenu contextMenu;
    ChannelFilter channelFilter;
    // The header's sort mark: the column the listed rows were last sorted
    // by, until a refill after anything that may reorder them.
    int iSortColumn = -1;
    bool bSortDescending = false;
    bool bKeepSortMark = false;
};

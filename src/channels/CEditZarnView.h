// The right pane: the report-style list of the TV or radio channels that
// belong to the node selected in the tree, and the channel commands that act
// on its rows.
#pragma once

#include "CChannelParamDlg.h"
#include "ChannelCells.h"
#include "ListKind.h"
#include "TrText.h"

#include <QMenu>
#include <QTableView>

#include <functional>
#include <optional>
#include <vector>

class CEditZarnDoc;
class ChannelRowModel;

inline constexpr TrText kMsgChannelsFull{
    "CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Channels are full,can't append")};
inline constexpr TrText kCaptionInfomation{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Infomation")};
inline constexpr TrText kMsgFavFull{
    "CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Favor are full,can not store more favor")};
inline constexpr TrText kMsgDeleteChannel{
    "CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Are you sure to delete channel ?")};
inline constexpr TrText kMsgOutOfRange{"CEditZarnView", QT_TRANSLATE_NOOP("CEditZarnView", "Out of Range")};

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

    // The selected rows in ascending order.
    std::vector<int> SelectedRows() const;

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

private:
    friend class ChannelRowModel;

    void Fill(RowFilter filter, int value);
    void BuildColumns();
    bool Radio() const { return iTvRadioMode != 0; }
    std::span<const int> ListedRows() const { return {aiRowChannel.data(), size_t(iRowCount)}; }
    // Commands act only on an open database.
    bool HasDatabase() const;
    // Marks the document modified and refills the list.
    void Finish();
    void SwapOrMove(bool move);

    CEditZarnDoc& doc;
    ChannelRowModel* pRows;
    QMenu contextMenu;
};

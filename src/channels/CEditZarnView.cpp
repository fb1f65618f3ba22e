#include "CEditZarnView.h"

#include "CEditZarnDoc.h"
#include "ChannelOperations.h"
#include "CMoveDlg.h"
#include "CommandIds.h"
#include "ModelOperations.h"
#include "RecordText.h"

#include <QAbstractTableModel>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <bit>

// The rows of the list as a table model over the row map; cell texts are
// made when the view asks for them, so a refill costs one pass over the
// table whatever its size.
class ChannelRowModel final : public QAbstractTableModel {
public:
    explicit ChannelRowModel(CEditZarnView& view) : QAbstractTableModel(&view), view(view) {}

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : view.iRowCount; }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : kChannelColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= view.iRowCount)
            return {};
        const std::string text = FormatRowCell(view.doc.Data(), view.Radio(), filter, index.row(),
                                               view.aiRowChannel[size_t(index.row())], index.column());
        if (index.column() == kColumnLock || index.column() == kColumnMyFav) // words, not record text
            return QCoreApplication::translate("ChannelCells", text.c_str());
        return FromRecordText(text);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kChannelColumnCount)
            return QCoreApplication::translate("ChannelCells", kChannelColumns[section].pTitle);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    // Replaces the whole content: update() changes the row map in between.
    template <typename Update>
    void Reset(RowFilter newFilter, Update update)
    {
        beginResetModel();
        filter = newFilter;
        update();
        endResetModel();
    }

private:
    CEditZarnView& view;
    RowFilter filter = RowFilter::All;
};

CEditZarnView::CEditZarnView(CEditZarnDoc& doc, QWidget* parent)
    : QTableView(parent), aiRowChannel(kMaxChannels), doc(doc), pRows(new ChannelRowModel(*this))
{
    setModel(pRows);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    BuildColumns();

    fnChannelDialog = [this](const ChannelDialogInput& input) -> std::optional<ChannelRecord> {
        CChannelParamDlg dialog(this->doc.Data(), this->doc.Prompts(), input, this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.Record();
    };
    fnMoveDialog = [this](int from) -> std::optional<int> {
        CMoveDlg dialog(this->doc.Prompts(), from, 1, this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.To();
    };
    fnTrackPopup = [this](const QPoint& globalPos) {
        const QAction* pChosen = contextMenu.exec(globalPos);
        return pChosen ? pChosen->data().toInt() : 0;
    };
}

CEditZarnView::~CEditZarnView() = default;

void CEditZarnView::SetContextMenu(const QMenu* pEditMenu)
{
    const auto mirror = [](const auto& self, const QMenu* pFrom, QMenu* pTo) -> void {
        pTo->setSeparatorsCollapsible(false);
        for (const QAction* pAction : pFrom->actions()) {
            if (pAction->isSeparator())
                pTo->addSeparator();
            else if (pAction->menu())
                self(self, pAction->menu(), pTo->addMenu(pAction->menu()->title()));
            else
                pTo->addAction(pAction->text())->setData(pAction->data());
        }
    };
    contextMenu.clear();
    mirror(mirror, pEditMenu, &contextMenu);
}

bool CEditZarnView::RunCommand(int id)
{
    switch (id) {
    case ID_CHANNEL_ADD: AddChannel(); return true;
    case ID_CHANNEL_EDIT: EditChannel(); return true;
    case ID_CHANNEL_DELETE: DeleteChannels(); return true;
    case ID_CHANNEL_SWAP: SwapChannels(); return true;
    case ID_CHANNEL_MOVE: MoveChannels(); return true;
    case ID_SORT_AZ: SortByNameAscending(); return true;
    case ID_SORT_ZA: SortByNameDescending(); return true;
    case ID_SORT_TRANSPONDER: SortByTransponder(); return true;
    case ID_SORT_SATELLITE: SortBySatellite(); return true;
    default: return false;
    }
}

// --- filling ----------------------------------------------------------------

void CEditZarnView::RefreshChannelList(int mode)
{
    iTvRadioMode = mode;
    switch (iListKind) {
    case kListAll: ShowAllChannels(); break;
    case kListSatellite: ShowChannelsOfSatellite(doc.SelectedSatellite); break;
    case kListTransponder: ShowChannelsOfTransponder(doc.SelectedTpId); break;
    case kListFavGroup: ShowChannelsOfFavGroup(doc.SelectedFavGroup); break;
    default: ClearChannelList(); break;
    }
}

void CEditZarnView::ShowListKind(int listKind)
{
    iListKind = listKind;
    RefreshChannelList(iTvRadioMode);
}

void CEditZarnView::ClearChannelList()
{
    pRows->Reset(RowFilter::All, [this] { iRowCount = 0; });
}

void CEditZarnView::ShowAllChannels() { Fill(RowFilter::All, 0); }
void CEditZarnView::ShowChannelsOfSatellite(int satellite) { Fill(RowFilter::Satellite, satellite); }
void CEditZarnView::ShowChannelsOfTransponder(int tpId) { Fill(RowFilter::Transponder, tpId); }

void CEditZarnView::ShowChannelsOfFavGroup(int group)
{
    Fill(RowFilter::FavGroup, group);
    if (doc.bDataLoaded)
        PurgeFavGroup(doc.Data(), group, iTvRadioMode);
}

void CEditZarnView::Fill(RowFilter filter, int value)
{
    BuildColumns();
    pRows->Reset(filter, [&] {
        iRowCount = doc.bDataLoaded ? FillRowMap(doc.Data(), Radio(), filter, value, aiRowChannel) : 0;
    });
}

void CEditZarnView::BuildColumns()
{
    // Every fill starts from the columns as built: in their order, at their widths.
    QHeaderView* pHeader = horizontalHeader();
    for (int column = 0; column < kChannelColumnCount; ++column) {
        if (pHeader->visualIndex(column) != column)
            pHeader->moveSection(pHeader->visualIndex(column), column);
        setColumnWidth(column, kChannelColumns[column].iWidth);
    }
}

// --- commands ---------------------------------------------------------------

std::vector<int> CEditZarnView::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool CEditZarnView::HasDatabase() const { return doc.bDataLoaded != 0; }

void CEditZarnView::Finish()
{
    doc.SetModifiedFlag();
    RefreshChannelList(iTvRadioMode);
}

void CEditZarnView::AddChannel()
{
    if (!HasDatabase())
        return;
    Database& db = doc.Data();
    if (ChannelsFull(db)) {
        WindowMessage(doc.Prompts(), kMsgChannelsFull, MsgButtons::Ok, MsgIcon::Stop, kCaptionInfomation);
        return;
    }
    const ChannelDialogInput input{MakeChannelTemplate(doc.SelectedTpId, Radio()), UsedChannels(db, Radio()) + 1,
                                   iTvRadioMode, iListKind != kListTransponder};
    const std::optional<ChannelRecord> channel = fnChannelDialog(input);
    if (!channel)
        return;
    if (AddChannelRecord(db, *channel) != kChannelDone) {
        WindowMessage(doc.Prompts(), kMsgChannelsFull, MsgButtons::Ok, MsgIcon::Stop, kCaptionInfomation);
        return;
    }
    Finish();
}

void CEditZarnView::EditChannel()
{
    const std::vector<int> rows = SelectedRows();
    if (!HasDatabase() || rows.empty())
        return;
    const int index = aiRowChannel[size_t(rows.back())];
    Database& db = doc.Data();
    if (index >= UsedChannels(db, Radio()))
        return;
    const ChannelDialogInput input{ChannelTable(db, Radio())[size_t(index)], index + 1, iTvRadioMode,
                                   iListKind != kListTransponder};
    const std::optional<ChannelRecord> channel = fnChannelDialog(input);
    if (!channel)
        return;
    const int fullGroups = StoreEditedChannel(db, Radio(), index, *channel);
    for (int g = 0; g < std::popcount(unsigned(std::max(fullGroups, 0))); ++g)
        AppMessage(doc.Prompts(), kMsgFavFull);
    Finish();
}

void CEditZarnView::DeleteChannels()
{
    const std::vector<int> rows = SelectedRows();
    if (!HasDatabase() || rows.empty())
        return;
    if (WindowMessage(doc.Prompts(), kMsgDeleteChannel, MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
        return;
    std::vector<int> channels;
    for (int row : rows)
        channels.push_back(aiRowChannel[size_t(row)]);
    DeleteChannelRecords(doc.Data(), Radio(), channels);
    Finish();
}

void CEditZarnView::SwapChannels() { SwapOrMove(false); }
void CEditZarnView::MoveChannels() { SwapOrMove(true); }

void CEditZarnView::SwapOrMove(bool move)
{
    const std::vector<int> rows = SelectedRows();
    if (!HasDatabase() || rows.empty())
        return;
    const std::optional<int> to = fnMoveDialog(rows.back() + 1);
    if (!to)
        return;
    if (*to < 1 || *to > iRowCount) {
        WindowMessage(doc.Prompts(), kMsgOutOfRange);
        return;
    }
    const int target = *to - 1;
    if (move)
        MoveChannelRows(doc.Data(), Radio(), ListedRows(), rows, target);
    else
        SwapChannelRows(doc.Data(), Radio(), ListedRows(), rows.back(), target);
    Finish();
}

void CEditZarnView::SortByNameAscending()
{
    if (!HasDatabase())
        return;
    SortRowsByName(doc.Data(), Radio(), ListedRows(), false);
    Finish();
}

void CEditZarnView::SortByNameDescending()
{
    if (!HasDatabase())
        return;
    SortRowsByName(doc.Data(), Radio(), ListedRows(), true);
    Finish();
}

void CEditZarnView::SortByTransponder()
{
    if (!HasDatabase())
        return;
    SortChannelsByTransponder(doc.Data(), Radio());
    Finish();
}

void CEditZarnView::SortBySatellite()
{
    if (!HasDatabase())
        return;
    SortChannelsBySatellite(doc.Data(), Radio());
    Finish();
}

// --- input ------------------------------------------------------------------

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
    QTableView::keyPressEvent(pEvent);
}

void CEditZarnView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    // The right-button press has shown the menu already.
    pEvent->accept();
}

#include "CEditZarnView.h"

#include "BitFields.h"
#include "BlockMove.h"
#include "CEditZarnDoc.h"
#include "ChannelOperations.h"
#include "CMoveDlg.h"
#include "CommandIds.h"
#include "FavGroupNames.h"
#include "FavouriteOrder.h"
#include "RecordText.h"

#include <QAbstractTableModel>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>

#include <algorithm>
#include <bit>

namespace {

// The Name column starts wide enough for this many characters of the list font.
constexpr int kNameColumnChars = 24;
constexpr int kCellPadding = 12; // the cell's margins on both sides

} // namespace

// The rows of the list as a table model over the row map; cell texts are
// made when the view asks for them, so a refill costs one pass over the
// table whatever its size.
class ChannelRowModel final : public QAbstractTableModel {
public:
    explicit ChannelRowModel(CEditZarnView& view) : QAbstractTableModel(&view), view(view) {}

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : view.iRowCount; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kListColumnCount; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        if ((role != Qt::DisplayRole && role != Qt::EditRole) || !index.isValid() || index.row() >= view.iRowCount)
            return {};
        const int channel = view.aiRowChannel[size_t(index.row())];
        bool word = false;
        const std::string text =
            FormatRowCell(view.doc.Data(), view.Radio(), view.rowFilter, index.row(), channel, index.column(), &word);
        if (word) // not record text
            return QCoreApplication::translate("ChannelCells", text.c_str());
        return FromRecordText(text);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kListColumnCount)
            return ColumnTitle(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    // Rows are dragged and dropped between rows (never onto one): the view
    // moves the records itself, the model removes nothing. Names are edited
    // in place (the view stores them).
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        if (!index.isValid())
            return Qt::ItemIsDropEnabled;
        return QAbstractTableModel::flags(index) | Qt::ItemIsDragEnabled |
               (index.column() == kColumnName ? Qt::ItemIsEditable : Qt::NoItemFlags);
    }
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override { return {kChannelRowsMimeType}; }
    QMimeData* mimeData(const QModelIndexList&) const override
    {
        auto* pData = new QMimeData;
        pData->setData(kChannelRowsMimeType, ListIdentity());
        return pData;
    }
    QByteArray ListIdentity() const { return ChannelRowsOrigin() + QByteArray::number(quintptr(this)); }

    // Replaces the whole content: update() changes the row map in between.
    template <typename Update>
    void Reset(Update update)
    {
        beginResetModel();
        update();
        endResetModel();
    }

private:
    CEditZarnView& view;
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
    for (int column = 0; column < kListColumnCount; ++column)
        setColumnWidth(column, kChannelColumns[column].iWidth);
    setColumnWidth(kColumnName,
                   std::max(kChannelColumns[kColumnName].iWidth,
                            fontMetrics().horizontalAdvance(QString(kNameColumnChars, 'X')) + kCellPadding));
    SetUpHeader();
    BuildColumns();
    // Tab leaves the list for the next pane; it never moves between cells.
    setTabKeyNavigation(false);
    SetUpRenaming();
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDragDropOverwriteMode(false);
    setDefaultDropAction(Qt::MoveAction);

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
    const auto mirror = [this](const auto& self, const QMenu* pFrom, QMenu* pTo) -> void {
        pTo->setSeparatorsCollapsible(false);
        for (const QAction* pAction : pFrom->actions()) {
            if (pAction->isSeparator())
                pTo->addSeparator();
            else if (pAction->menu() && pAction->menu()->title() == kMenuFavourites)
                AttachFavouritesMenu(pTo->addMenu(kMenuFavourites));
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
    case ID_FAV_REMOVE_FROM_GROUP: RemoveFromThisGroup(); return true;
    case ID_CHANNEL_LOCK: LockChannels(true); return true;
    case ID_CHANNEL_UNLOCK: LockChannels(false); return true;
    default:
        if (id < ID_FAV_GROUP_FIRST || id >= ID_FAV_GROUP_FIRST + kMaxFavGroups)
            return false;
        ToggleFavGroup(id - ID_FAV_GROUP_FIRST);
        return true;
    }
}

void CEditZarnView::AttachFavouritesMenu(QMenu* pMenu)
{
    connect(pMenu, &QMenu::aboutToShow, this, [this, pMenu] { FillFavouritesMenu(*pMenu); });
}

void CEditZarnView::FillFavouritesMenu(QMenu& menu) const
{
    menu.clear();
    if (!HasDatabase())
        return;
    const Database& db = doc.Data();
    const std::vector<int> channels = SelectedChannels();
    for (int g = 0, n = FavGroupCount(db); g < n; ++g) {
        QString label = FromRecordText(FavGroupLabel(db, g));
        label.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* pEntry = menu.addAction(kMenuFavGroupEntry.arg(g + 1).arg(label));
        pEntry->setData(ID_FAV_GROUP_FIRST + g);
        pEntry->setCheckable(true);
        pEntry->setChecked(AllInFavGroup(db, Radio(), g, channels));
    }
    if (ShowsFavGroup()) {
        menu.addSeparator();
        menu.addAction(kMenuRemoveFromGroup)->setData(ID_FAV_REMOVE_FROM_GROUP);
    }
}

// --- filling ----------------------------------------------------------------

void CEditZarnView::RefreshChannelList(int mode)
{
    const bool switched = mode != iTvRadioMode;
    iTvRadioMode = mode;
    switch (iListKind) {
    case kListAll: ShowAllChannels(); break;
    case kListSatellite: ShowChannelsOfSatellite(doc.SelectedSatellite); break;
    case kListTransponder: ShowChannelsOfTransponder(doc.SelectedTpId); break;
    case kListFavGroup: ShowChannelsOfFavGroup(doc.SelectedFavGroup); break;
    case kListSatelliteTps: Fill(RowFilter::TpKind, kTpSatellite); break;
    case kListTerrestrialTps: Fill(RowFilter::TpKind, kTpTerrestrial); break;
    case kListCableTps: Fill(RowFilter::TpKind, kTpCable); break;
    case kListIsdbTps: Fill(RowFilter::TpKind, kTpIsdbt); break;
    case kListAnyFavGroup: Fill(RowFilter::AnyFavGroup, 0); break;
    default: ClearChannelList(); break;
    }
    if (switched)
        scrollToTop();
}

void CEditZarnView::ShowListKind(int listKind)
{
    iListKind = listKind;
    RefreshChannelList(iTvRadioMode);
    scrollToTop();
}

void CEditZarnView::ClearChannelList()
{
    pRows->Reset([this] {
        rowFilter = RowFilter::All;
        iRowCount = iListedRows = 0;
    });
    emit ListFilled();
}

void CEditZarnView::SetFilter(const ChannelFilter& filter)
{
    channelFilter = filter;
    RefreshChannelList(iTvRadioMode);
    scrollToTop();
}

void CEditZarnView::ShowAllChannels() { Fill(RowFilter::All, 0); }
void CEditZarnView::ShowChannelsOfSatellite(int satellite) { Fill(RowFilter::Satellite, satellite); }
void CEditZarnView::ShowChannelsOfTransponder(int tpId) { Fill(RowFilter::Transponder, tpId); }
// Listing never changes the database: the document drops stale entries
// with the change that made them stale.
void CEditZarnView::ShowChannelsOfFavGroup(int group) { Fill(RowFilter::FavGroup, group); }

void CEditZarnView::Fill(RowFilter filter, int value)
{
    BuildColumns();
    if (!bKeepSortMark)
        iSortColumn = -1;
    horizontalHeader()->setSortIndicator(iSortColumn, bSortDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
    pRows->Reset([&] {
        rowFilter = filter;
        iListedRows = doc.bDataLoaded ? FillRowMap(doc.Data(), Radio(), filter, value, aiRowChannel) : 0;
        iRowCount = FilterRowMap(doc.Data(), Radio(), channelFilter, {aiRowChannel.data(), size_t(iListedRows)});
    });
    emit ListFilled();
}

void CEditZarnView::RefillSelecting(std::span<const int> channels)
{
    bKeepSortMark = true;
    RefreshChannelList(iTvRadioMode);
    bKeepSortMark = false;
    SelectChannels(channels);
}

// --- commands ---------------------------------------------------------------

std::vector<int> CEditZarnView::SelectedRows() const
{
    // Whole rows are selected, so the ranges give the rows at once (asking
    // for each row whether it is selected walks every range: thousands of
    // scattered rows took a tenth of a second).
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

std::vector<int> CEditZarnView::SelectedChannels() const
{
    std::vector<int> channels;
    for (int row : SelectedRows())
        if (row < iRowCount)
            channels.push_back(aiRowChannel[size_t(row)]);
    return channels;
}

void CEditZarnView::SelectChannels(std::span<const int> channels)
{
    std::vector<bool> wanted(kMaxChannels, false);
    for (int channel : channels)
        if (channel >= 0 && channel < kMaxChannels)
            wanted[size_t(channel)] = true;
    std::vector<int> rows;
    for (int row = 0; row < iRowCount; ++row)
        if (wanted[size_t(aiRowChannel[size_t(row)])])
            rows.push_back(row);
    SelectRows(rows);
}

void CEditZarnView::SelectRows(std::span<const int> rows)
{
    const std::vector<bool> chosen = ChosenRows(iRowCount, rows);
    QItemSelection selection;
    int first = -1;
    for (int row = 0; row < iRowCount;) {
        if (!chosen[size_t(row)]) {
            ++row;
            continue;
        }
        const int start = row;
        while (row < iRowCount && chosen[size_t(row)])
            ++row;
        selection.select(pRows->index(start, 0), pRows->index(row - 1, kListColumnCount - 1));
        if (first < 0)
            first = start;
    }
    // The ranges span whole rows already; the Rows flag would merge each
    // range with all before it (thousands of scattered rows: quadratic).
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (first >= 0) {
        selectionModel()->setCurrentIndex(pRows->index(first, 0), QItemSelectionModel::NoUpdate);
        scrollTo(pRows->index(first, 0));
    }
}

bool CEditZarnView::HasDatabase() const { return doc.bDataLoaded != 0; }

void CEditZarnView::Finish() { RefreshChannelList(iTvRadioMode); }

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
    const int before = UsedChannels(db, Radio());
    if (!doc.ApplyEdit(kActionAddChannel,
                       [&](Database& data) { return AddChannelRecord(data, *channel) == kChannelDone; })) {
        WindowMessage(doc.Prompts(), kMsgChannelsFull, MsgButtons::Ok, MsgIcon::Stop, kCaptionInfomation);
        return;
    }
    Finish();
    // The new channel ends its table; it shows when that is the listed one.
    if (UsedChannels(db, Radio()) > before)
        SelectChannels(std::span(&before, 1));
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
    int fullGroups = 0;
    doc.ApplyEdit(kActionEditChannel, [&](Database& data) {
        fullGroups = StoreEditedChannel(data, Radio(), index, *channel);
        return fullGroups >= 0;
    });
    for (int g = 0; g < std::popcount(unsigned(std::max(fullGroups, 0))); ++g)
        AppMessage(doc.Prompts(), kMsgFavFull);
    RefillSelecting(std::span(&index, 1));
}

void CEditZarnView::DeleteChannels()
{
    const std::vector<int> channels = SelectedChannels();
    if (!HasDatabase() || channels.empty())
        return;
    // How many go; in a group's list, that they go from the database, not
    // only from the group.
    const qsizetype count = qsizetype(channels.size());
    const QString detail =
        ShowsFavGroup() ? (count == 1 ? kInfoChannelLeaves : kInfoChannelsLeave.arg(count)) : ChannelCountText(count);
    if (WindowMessage(doc.Prompts(), kMsgDeleteChannel, MsgButtons::YesNo, MsgIcon::Question, {}, detail) !=
        MsgAnswer::Yes)
        return;
    const QString action =
        channels.size() == 1 ? kActionDeleteChannel : kActionDeleteChannels.arg(qsizetype(channels.size()));
    doc.ApplyEdit(action, [&](Database& data) { return DeleteChannelRecords(data, Radio(), channels) > 0; });
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
    if (move) {
        MoveSelectedRowsTo(target);
        return;
    }
    doc.ApplyEdit(kActionSwapChannels, [&](Database& data) {
        return SwapChannelRows(data, Radio(), ListedRows(), rows.back(), target) == kChannelDone;
    });
    Finish();
}

void CEditZarnView::SortByNameAscending()
{
    if (!HasDatabase())
        return;
    if (ShowsFavGroup()) {
        ReorderFavGroup(kActionSortAToZ, [&](Database& db) {
            return SortFavouriteRowsByName(db, Radio(), doc.SelectedFavGroup, ListedRows(), false);
        });
        return;
    }
    doc.ApplyEdit(kActionSortAToZ,
                  [&](Database& data) { return SortRowsByName(data, Radio(), ListedRows(), false) == kChannelDone; });
    Finish();
}

void CEditZarnView::SortByNameDescending()
{
    if (!HasDatabase())
        return;
    if (ShowsFavGroup()) {
        ReorderFavGroup(kActionSortZToA, [&](Database& db) {
            return SortFavouriteRowsByName(db, Radio(), doc.SelectedFavGroup, ListedRows(), true);
        });
        return;
    }
    doc.ApplyEdit(kActionSortZToA,
                  [&](Database& data) { return SortRowsByName(data, Radio(), ListedRows(), true) == kChannelDone; });
    Finish();
}

void CEditZarnView::SortByTransponder()
{
    if (!HasDatabase())
        return;
    doc.ApplyEdit(kActionSortByTransponder, [&](Database& data) {
        SortChannelsByTransponder(data, Radio());
        return true;
    });
    Finish();
}

void CEditZarnView::SortBySatellite()
{
    if (!HasDatabase())
        return;
    doc.ApplyEdit(kActionSortBySatellite, [&](Database& data) {
        SortChannelsBySatellite(data, Radio());
        return true;
    });
    Finish();
}

bool CEditZarnView::ReorderFavGroup(const QString& strAction, const std::function<int(Database&)>& reorder)
{
    int result = kChannelNothing;
    if (doc.ApplyEdit(strAction, [&](Database& db) {
            result = reorder(db);
            return result == kChannelDone;
        })) {
        RefreshChannelList(iTvRadioMode);
        return true;
    }
    if (result == kFavGroupFull)
        AppMessage(doc.Prompts(), kMsgFavFull);
    return false;
}

void CEditZarnView::RemoveFromThisGroup()
{
    const std::vector<int> channels = SelectedChannels();
    if (!HasDatabase() || !ShowsFavGroup() || channels.empty())
        return;
    doc.ApplyEdit(kActionRemoveFromThisGroup, [&](Database& db) {
        return RemoveChannelsFromFavGroup(db, Radio(), doc.SelectedFavGroup, channels).iChanged > 0;
    });
    RefreshChannelList(iTvRadioMode);
}

// --- drag and drop ----------------------------------------------------------

int CEditZarnView::DropGap(const QPoint& pos) const
{
    const QModelIndex index = indexAt(pos);
    if (!index.isValid())
        return iRowCount;
    return index.row() + (pos.y() < visualRect(index).center().y() ? 0 : 1);
}

void CEditZarnView::dropEvent(QDropEvent* pEvent)
{
    // Only rows of this list are dropped here, between two rows (the
    // indicator line of the drag shows where).
    setState(NoState);
    viewport()->update();
    const std::vector<int> rows = SelectedRows();
    if (pEvent->mimeData()->data(kChannelRowsMimeType) != pRows->ListIdentity() || rows.empty()) {
        pEvent->ignore();
        return;
    }
    pEvent->setDropAction(Qt::MoveAction);
    pEvent->accept();
    MoveSelectedRowsTo(TargetForGap(ChosenRows(iRowCount, rows), DropGap(pEvent->position().toPoint())));
}

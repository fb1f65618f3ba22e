// The channel list's quick edits, each one step of the editing history on
// the selected rows: the name edited in place (F2, or a slow second click on
// a name), lock and unlock, and joining or leaving a favourite group (the
// Favourites submenu, Ctrl+1 ... Ctrl+8, a drop on a group's node).
#include "CEditZarnDoc.h"
#include "CEditZarnView.h"
#include "ChannelOperations.h"
#include "DataExchange.h"
#include "FavGroupNames.h"
#include "FavouriteOrder.h"
#include "ModelOperations.h"
#include "RecordText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace {

// The editor's property that holds the row whose name it edits.
constexpr char kEditedRow[] = "editedRow";

// The in-place editor of the Name column: a line edit that takes as many
// characters as the dialog's name field. Enter stores only a name the checks
// accept; otherwise their message shows and the editor stays open.
class NameDelegate final : public QStyledItemDelegate {
public:
    NameDelegate(std::function<bool(QLineEdit&)> check, QObject* parent)
        : QStyledItemDelegate(parent), fnCheck(std::move(check))
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* pEdit = new QLineEdit(parent);
        LimitTyping(pEdit, CChannelParamDlg::kMaxNameChars);
        pEdit->setProperty(kEditedRow, index.row());
        return pEdit;
    }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        auto* pEdit = qobject_cast<QLineEdit*>(pObject);
        if (pEdit && pEvent->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(pEvent)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                bChecking = true;
                const bool accepted = fnCheck(*pEdit);
                bChecking = false;
                if (!accepted)
                    return true;
            }
        }
        // The focus going to the message about the name neither stores nor
        // closes the editor.
        if (bChecking && pEvent->type() == QEvent::FocusOut)
            return false;
        return QStyledItemDelegate::eventFilter(pObject, pEvent);
    }

private:
    std::function<bool(QLineEdit&)> fnCheck;
    bool bChecking = false;
};

} // namespace

void CEditZarnView::SetUpRenaming()
{
    setEditTriggers(QAbstractItemView::SelectedClicked);
    setItemDelegateForColumn(
        kColumnName,
        new NameDelegate(
            [this](QLineEdit& edit) { return CChannelParamDlg::ReadName(doc.Prompts(), &edit).has_value(); }, this));
}

void CEditZarnView::StartRename()
{
    const std::vector<int> rows = SelectedRows();
    if (!HasDatabase() || rows.empty() || isColumnHidden(kColumnName))
        return;
    const int current = currentIndex().row();
    const int row = std::binary_search(rows.begin(), rows.end(), current) ? current : rows.front();
    const QModelIndex name = model()->index(row, kColumnName);
    selectionModel()->setCurrentIndex(name, QItemSelectionModel::NoUpdate);
    scrollTo(name);
    edit(name);
}

void CEditZarnView::commitData(QWidget* pEditor)
{
    auto* pEdit = qobject_cast<QLineEdit*>(pEditor);
    const int row = pEdit ? pEdit->property(kEditedRow).toInt() : -1;
    if (!HasDatabase() || row < 0 || row >= iRowCount)
        return;
    const std::optional<QByteArray> name = CChannelParamDlg::ReadName(doc.Prompts(), pEdit);
    if (!name)
        return;
    const int channel = aiRowChannel[size_t(row)];
    if (channel >= UsedChannels(doc.Data(), Radio()))
        return;
    // No row moves: the row shows the new name where it is. The same name
    // again changes nothing and leaves no step.
    if (doc.ApplyEdit(kActionRenameChannel, [&](Database& db) {
            SetChannelName(ChannelTable(db, Radio())[size_t(channel)],
                           std::string_view(name->constData(), size_t(name->size())));
            return true;
        }))
        emit model()->dataChanged(model()->index(row, 0), model()->index(row, kListColumnCount - 1));
}

void CEditZarnView::LockChannels(bool lock)
{
    const std::vector<int> channels = SelectedChannels();
    if (!HasDatabase() || channels.empty())
        return;
    doc.ApplyEdit(lock ? kActionLockChannels : kActionUnlockChannels,
                  [&](Database& db) { return SetChannelsLocked(db, Radio(), channels, lock) > 0; });
    RefillSelecting(channels);
}

void CEditZarnView::ToggleLock()
{
    if (HasDatabase())
        LockChannels(!AllLocked(doc.Data(), Radio(), SelectedChannels()));
}

void CEditZarnView::ToggleFavGroup(int group)
{
    if (HasDatabase())
        ChangeFavGroup(group, AllInFavGroup(doc.Data(), Radio(), group, SelectedChannels()));
}

void CEditZarnView::AddToFavGroup(int group) { ChangeFavGroup(group, false); }

void CEditZarnView::ChangeFavGroup(int group, bool remove)
{
    const std::vector<int> channels = SelectedChannels();
    if (!HasDatabase() || channels.empty() || group < 0 || group >= FavGroupCount(doc.Data()))
        return;
    const QString label = FromRecordText(FavGroupLabel(doc.Data(), group));
    FavMembershipChange change;
    const bool changed =
        doc.ApplyEdit((remove ? kActionRemoveFromGroup : kActionAddToGroup).arg(label), [&](Database& db) {
            change = remove ? RemoveChannelsFromFavGroup(db, Radio(), group, channels)
                            : AddChannelsToFavGroup(db, Radio(), group, channels);
            return change.iChanged > 0;
        });
    if (change.iRefused > 0)
        AppMessage(doc.Prompts(), kMsgFavFull, MsgButtons::Ok, MsgIcon::None,
                   kInfoAddedOf.arg(QString::number(change.iChanged),
                                    QString::number(change.iChanged + change.iRefused), label,
                                    QString::number(kFavSlots)));
    if (changed) // a refused addition leaves the list as it was
        RefillSelecting(channels);
}

// The tree's commands: satellites (add, edit, move, swap, delete),
// transponders (add, edit, delete, the Modify Transponders session), the
// favourite group's name and the imports. Each runs on the selected node,
// changes the database through one history step and brings the branch it
// touched up to date.
#include "BitFields.h"
#include "CEditZarnDoc.h"
#include "CFavRenameDlg.h"
#include "CLeftView.h"
#include "CModifiedTpDlg.h"
#include "CMoveDlg.h"
#include "CSatelliteDlg.h"
#include "CTransponderDlg.h"
#include "FavGroupNames.h"
#include "FavRename.h"
#include "RecordText.h"
#include "SatelliteOperations.h"
#include "TransponderOperations.h"

#include <algorithm>
#include <climits>

namespace {

// A typed value plus or minus one, held within the int range.
int Plus(int value, int delta) { return int(std::clamp<int64_t>(int64_t(value) + delta, INT_MIN, INT_MAX)); }

} // namespace

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
        row = CategoryRow(node.iRoot);
        if (!CategoryShown(db, row))
            return;
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

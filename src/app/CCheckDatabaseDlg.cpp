#include "CCheckDatabaseDlg.h"

#include "CEditZarnDoc.h"
#include "ViewPlace.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { kColumnFinding, kColumnNumber, kColumnList, kColumnDetail };
constexpr int kRowRole = Qt::UserRole; // a record's index among its kind's rows
constexpr QSize kInitialSize(760, 440);

} // namespace

CCheckDatabaseDlg::CCheckDatabaseDlg(CEditZarnDoc& doc, QWidget* parent)
    : QDialog(parent), pFindings(new QTreeWidget), pSummary(new QLabel), pFix(new QPushButton(kCheckFixSelected)),
      doc(doc)
{
    setWindowTitle(kCheckTitle);
    pFindings->setObjectName("findings");
    pFindings->setHeaderLabels({kCheckColumnFinding, kCheckColumnNumber, kCheckColumnList, kCheckColumnDetail});
    pFindings->setUniformRowHeights(true);
    const FixSelection defaults = DefaultFixes();
    for (int k = 0; k < kCheckKindCount; ++k) {
        auto* pItem = new QTreeWidgetItem(pFindings, {CheckKindName(CheckKind(k))});
        if (HasFix(CheckKind(k))) {
            pItem->setFlags(pItem->flags() | Qt::ItemIsUserCheckable);
            pItem->setCheckState(kColumnFinding, defaults.test(size_t(k)) ? Qt::Checked : Qt::Unchecked);
        } else {
            pItem->setText(kColumnDetail, kCheckListedOnly);
        }
    }
    pSummary->setObjectName("summary");
    pFix->setObjectName("fixSelected");
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Close);
    pButtons->addButton(pFix, QDialogButtonBox::ActionRole);
    // Enter on a record shows it; no button takes the key from the list.
    for (QAbstractButton* pButton : pButtons->buttons())
        if (auto* pPush = qobject_cast<QPushButton*>(pButton))
            pPush->setAutoDefault(false);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pFix, &QPushButton::clicked, this, &CCheckDatabaseDlg::OnFixSelected);
    connect(pFindings, &QTreeWidget::itemActivated, this, &CCheckDatabaseDlg::OnActivated);
    connect(pFindings, &QTreeWidget::itemChanged, this, &CCheckDatabaseDlg::UpdateFixButton);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pSummary);
    pLayout->addWidget(pFindings);
    pLayout->addWidget(pButtons);
    resize(kInitialSize);
    Check();
    pFindings->resizeColumnToContents(kColumnFinding);
}

QTreeWidgetItem* CCheckDatabaseDlg::KindItem(CheckKind kind) const { return pFindings->topLevelItem(int(kind)); }

FixSelection CCheckDatabaseDlg::Selection() const
{
    FixSelection selection;
    for (int k = 0; k < kCheckKindCount; ++k)
        Select(selection, CheckKind(k), HasFix(CheckKind(k)) && KindItem(CheckKind(k))->checkState(0) == Qt::Checked);
    return selection;
}

void CCheckDatabaseDlg::Check()
{
    const QSignalBlocker blocker(pFindings);
    findings = CheckDatabase(doc.Data());
    for (int k = 0; k < kCheckKindCount; ++k) {
        const CheckKind kind = CheckKind(k);
        QTreeWidgetItem* pItem = KindItem(kind);
        qDeleteAll(pItem->takeChildren());
        pItem->setText(kColumnNumber, QString::number(findings.Count(kind)));
        aRows[size_t(k)] = CheckRows(doc.Data(), findings, kind);
        QList<QTreeWidgetItem*> children;
        for (size_t i = 0; i < aRows[size_t(k)].size(); ++i) {
            const CheckRow& row = aRows[size_t(k)][i];
            auto* pChild =
                new QTreeWidgetItem({row.strName, QString::number(row.iNumber), row.strList, row.strDetail});
            pChild->setData(kColumnFinding, kRowRole, int(i));
            children << pChild;
        }
        pItem->addChildren(children);
    }
    pSummary->setText(findings.Empty() ? kCheckNothingFound : kCheckHint);
    UpdateFixButton();
}

void CCheckDatabaseDlg::UpdateFixButton()
{
    const FixSelection selection = Selection();
    bool any = false;
    for (int k = 0; k < kCheckKindCount; ++k)
        any = any || (Selected(selection, CheckKind(k)) && findings.Fixable(CheckKind(k)) > 0);
    pFix->setEnabled(any);
}

void CCheckDatabaseDlg::OnFixSelected()
{
    const FixSelection selection = Selection();
    // The views go back to the node they show; the selected channels may be gone.
    const std::vector<int> place = PlaceWithoutSelection(doc.CapturePlace());
    const bool changed =
        doc.ApplyEdit(kActionCleanDatabase, [&](Database& db) { return FixDatabase(db, selection).Changed(); });
    if (changed && fnShowPlace)
        fnShowPlace(place);
    Check();
}

void CCheckDatabaseDlg::OnActivated(QTreeWidgetItem* pItem)
{
    if (!pItem || !pItem->parent() || !fnShowPlace)
        return;
    const int kind = pFindings->indexOfTopLevelItem(pItem->parent());
    const CheckRow& row = aRows[size_t(kind)][size_t(pItem->data(kColumnFinding, kRowRole).toInt())];
    if (row.aiPath.empty())
        return;
    const std::vector<int> now = doc.CapturePlace();
    fnShowPlace(row.Place(now.empty() ? 0 : now[0]));
}

#include "CTransponderListDlg.h"

#include "DialogButtons.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { kColumnName, kColumnPlace, kColumnTransponders, kColumnInDatabase, kColumnCount };

constexpr QSize kInitialSize(820, 620);

} // namespace

CTransponderListDlg::CTransponderListDlg(const Database& db, const TransponderList& list, const QString& title,
                                         int preselectSatellite, QWidget* parent)
    : QDialog(parent), pFilter(new QLineEdit), pEntries(new QTreeWidget),
      pRemoveUnused(new QCheckBox(kListRemoveUnused)), pPreview(new QPlainTextEdit), db(db), list(list),
      aRows(ListRows(db, list))
{
    setWindowTitle(title);
    pFilter->setPlaceholderText(kListFilterPrompt);
    pFilter->setClearButtonEnabled(true);
    const bool satellites = list.kind == TransponderListKind::Satellites;
    pEntries->setHeaderLabels(
        {tr("Name"), satellites ? tr("Position") : tr("Country"), tr("Transponders"), tr("In database")});
    pEntries->setRootIsDecorated(false);
    pEntries->setUniformRowHeights(true);
    pEntries->header()->setSectionResizeMode(kColumnName, QHeaderView::Stretch);
    pEntries->header()->setStretchLastSection(false);
    QList<QTreeWidgetItem*> items;
    QTreeWidgetItem* pPreselected = nullptr;
    for (const ListRow& row : aRows) {
        auto* pItem = new QTreeWidgetItem(
            QStringList{row.strName, row.strPlace, QString::number(row.iTransponders), row.strInDatabase});
        pItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        pItem->setCheckState(kColumnName, StartsChecked(row) ? Qt::Checked : Qt::Unchecked);
        pItem->setTextAlignment(kColumnTransponders, Qt::AlignRight | Qt::AlignVCenter);
        if (!pPreselected && preselectSatellite >= 0 && row.iSlot == preselectSatellite)
            pPreselected = pItem;
        items << pItem;
    }
    pEntries->addTopLevelItems(items);
    for (int column = kColumnPlace; column < kColumnCount; ++column)
        pEntries->resizeColumnToContents(column);
    pPreview->setReadOnly(true);
    pPreview->setObjectName("preview");

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pFilter);
    pLayout->addWidget(pEntries, 3);
    pLayout->addWidget(pRemoveUnused);
    pLayout->addWidget(pPreview, 2);
    const QDialogButtonBox* pButtons = AddDialogButtons(this, pLayout);
    for (QAbstractButton* pButton : pButtons->buttons())
        if (pButtons->buttonRole(pButton) == QDialogButtonBox::AcceptRole)
            pOkButton = pButton;
    resize(kInitialSize);

    connect(pFilter, &QLineEdit::textChanged, this, &CTransponderListDlg::ApplyFilter);
    connect(pEntries, &QTreeWidget::itemChanged, this, &CTransponderListDlg::UpdatePreview);
    connect(pRemoveUnused, &QCheckBox::toggled, this, &CTransponderListDlg::UpdatePreview);
    UpdatePreview();
    if (pPreselected) {
        pEntries->setCurrentItem(pPreselected);
        pEntries->scrollToItem(pPreselected, QAbstractItemView::PositionAtCenter);
    }
    pEntries->setFocus();
}

void CTransponderListDlg::SetChecked(int index, bool checked)
{
    if (QTreeWidgetItem* pItem = pEntries->topLevelItem(index))
        pItem->setCheckState(kColumnName, checked ? Qt::Checked : Qt::Unchecked);
}

ListChoice CTransponderListDlg::Choice() const
{
    ListChoice choice;
    for (int i = 0; i < pEntries->topLevelItemCount(); ++i)
        if (pEntries->topLevelItem(i)->checkState(kColumnName) == Qt::Checked)
            choice.aiEntries.push_back(i);
    choice.bRemoveUnused = pRemoveUnused->isChecked();
    return choice;
}

void CTransponderListDlg::ApplyFilter()
{
    for (int i = 0; i < pEntries->topLevelItemCount(); ++i)
        pEntries->topLevelItem(i)->setHidden(!RowMatchesFilter(aRows[size_t(i)], pFilter->text()));
}

void CTransponderListDlg::UpdatePreview()
{
    plan = PlanTransponderList(db, list, Choice());
    pPreview->setPlainText(PreviewText(aRows, plan));
    pOkButton->setEnabled(plan.Fits()); // OK is offered only for a plan that fits
}

void CTransponderListDlg::keyPressEvent(QKeyEvent* pEvent)
{
    const int key = pEvent->key();
    if (pFilter->hasFocus() && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down)) {
        for (int i = 0; i < pEntries->topLevelItemCount(); ++i) {
            if (!pEntries->topLevelItem(i)->isHidden()) {
                pEntries->setCurrentItem(pEntries->topLevelItem(i));
                break;
            }
        }
        pEntries->setFocus();
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

void CTransponderListDlg::OnOK()
{
    if (plan.Fits())
        accept();
}

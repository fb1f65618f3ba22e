#include "CReferenceDlg.h"

#include "DialogButtons.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QString TableSummaryText(const TableSummary& summary)
{
    QString text = QCoreApplication::translate("ReferenceList", kTableSummaryPattern);
    for (const int count : TableSummaryCounts(summary))
        text = text.arg(count);
    return text;
}

} // namespace

CReferenceDlg::CReferenceDlg(const QString& path, const ReferenceSummary& summary, QWidget* parent)
    : QDialog(parent), pSummary(new QLabel), pFavourites(new QCheckBox(kReferenceFavourites)),
      pLocks(new QCheckBox(kReferenceLocks)), pNames(new QCheckBox(kReferenceNames))
{
    setWindowTitle(kReferenceTitle);
    const ReferenceOptions defaults;
    pFavourites->setChecked(defaults.bFavourites);
    pLocks->setChecked(defaults.bLocks);
    pNames->setChecked(defaults.bNames);
    QStringList lines = {kReferenceFromLabel.arg(QFileInfo(path).fileName())};
    const QString tables[] = {kReferenceTv, kReferenceRadio};
    for (size_t t = 0; t < summary.aTables.size(); ++t)
        lines << kReferenceTableLine.arg(tables[t], TableSummaryText(summary.aTables[t]));
    lines << kReferenceOrderNote;
    pSummary->setText(lines.join(QLatin1Char('\n')));
    pSummary->setObjectName("summary");

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pSummary);
    for (QCheckBox* pBox : {pFavourites, pLocks, pNames})
        pLayout->addWidget(pBox);
    AddDialogButtons(this, pLayout);
}

ReferenceOptions CReferenceDlg::Options() const
{
    return {pFavourites->isChecked(), pLocks->isChecked(), pNames->isChecked()};
}

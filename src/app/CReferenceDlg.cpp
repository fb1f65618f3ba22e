#include "CReferenceDlg.h"

#include "DialogButtons.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString TableSummaryText(const TableSummary& summary)
{
    QString text = QCoreApplication::translate("ReferenceList", kTableSummaryPattern);
    for (const int count : TableSummaryCounts(summary))
        text = text.arg(count);
    return text;
}

// Each table's sections headed like its summary line ("TV: Reference
// channels not found:"), a channel a line below.
QString DetailsText(const ReferenceSummary& summary)
{
    QStringList lines;
    const QString tables[] = {kReferenceTv, kReferenceRadio};
    for (size_t t = 0; t < summary.aTables.size(); ++t) {
        for (const DetailSection& section : TableDetails(summary.aTables[t])) {
            lines << kReferenceTableLine.arg(tables[t],
                                             QCoreApplication::translate("ReferenceList", section.pszHeading));
            for (const std::string& line : section.astrLines)
                lines << QStringLiteral("  ") + QString::fromStdString(line);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

CReferenceDlg::CReferenceDlg(const QString& path, const ReferenceSummary& summary, QWidget* parent)
    : QDialog(parent), pSummary(new QLabel), pFavourites(new QCheckBox(kReferenceFavourites)),
      pLocks(new QCheckBox(kReferenceLocks)), pNames(new QCheckBox(kReferenceNames)),
      pDetailsButton(new QPushButton(kReferenceDetails)), pDetails(new QPlainTextEdit(DetailsText(summary)))
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

    pDetails->setReadOnly(true);
    pDetails->setLineWrapMode(QPlainTextEdit::NoWrap);
    pDetails->setMinimumWidth(pDetails->fontMetrics().averageCharWidth() * 80);
    pDetails->hide();
    pDetailsButton->setEnabled(!pDetails->toPlainText().isEmpty());
    connect(pDetailsButton, &QPushButton::clicked, this, [this] { pDetails->setVisible(pDetails->isHidden()); });

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pSummary);
    for (QCheckBox* pBox : {pFavourites, pLocks, pNames})
        pLayout->addWidget(pBox);
    pLayout->addWidget(pDetails);
    AddDialogButtons(this, pLayout)->addButton(pDetailsButton, QDialogButtonBox::ActionRole);
}

ReferenceOptions CReferenceDlg::Options() const
{
    return {pFavourites->isChecked(), pLocks->isChecked(), pNames->isChecked()};
}

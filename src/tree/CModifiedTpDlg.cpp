#include "CModifiedTpDlg.h"

#include "BitFields.h"
#include "CEditZarnDoc.h"
#include "CTransponderDlg.h"
#include "OptionNames.h"
#include "RecordText.h"
#include "TransponderOperations.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace {

QString TransponderLine(int number, const TransponderRecord& tp)
{
    char line[96];
    std::snprintf(line, sizeof line, "%02d    %05u    %s     %05u   %s", number, unsigned(tp.usFreq),
                  std::string(OptionName(kPolarisationNames, TpPolarisation(tp))).c_str(), unsigned(tp.usSymRate),
                  std::string(OptionName(kFecNames, TpFec(tp))).c_str());
    return QString::fromLatin1(line);
}

} // namespace

CModifiedTpDlg::CModifiedTpDlg(CEditZarnDoc& doc, int satIndex, DialogRunner runDialog, QWidget* parent)
    : QDialog(parent), pList(new QListWidget), pAddButton(new QPushButton(tr("Add"))),
      pEditButton(new QPushButton(tr("Edit"))), pDelButton(new QPushButton(tr("Del"))), doc(doc), iSatIndex(satIndex),
      runDialog(std::move(runDialog))
{
    setWindowTitle(kCaptionModifiedTp);
    if (satIndex >= 0 && satIndex < kMaxSatellites)
        setWindowTitle(kCaptionTransponderList.arg(
            FromRecordText(FieldText(doc.Data().SatelliteTable[size_t(satIndex)].acSatName))));
    pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* pOk = new QPushButton(kButtonOk);
    auto* pCancel = new QPushButton(kButtonCancel);
    auto* pButtons = new QHBoxLayout;
    for (QPushButton* pButton : {pAddButton, pEditButton, pDelButton, pOk, pCancel})
        pButtons->addWidget(pButton);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pList);
    pLayout->addLayout(pButtons);
    connect(pAddButton, &QPushButton::clicked, this, &CModifiedTpDlg::OnAdd);
    connect(pEditButton, &QPushButton::clicked, this, &CModifiedTpDlg::OnEdit);
    connect(pDelButton, &QPushButton::clicked, this, &CModifiedTpDlg::OnDel);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);
    FillList();
}

void CModifiedTpDlg::FillList()
{
    pList->clear();
    aiLineRecord.clear();
    for (int record : SatelliteTransponders(doc.Data(), iSatIndex))
        AddLine(record);
}

void CModifiedTpDlg::AddLine(int record)
{
    aiLineRecord.push_back(record);
    pList->addItem(TransponderLine(int(aiLineRecord.size()), doc.Data().TransponderTable[size_t(record)]));
}

std::vector<int> CModifiedTpDlg::SelectedLines() const
{
    std::vector<int> lines;
    for (int line = 0; line < pList->count(); ++line)
        if (pList->item(line)->isSelected())
            lines.push_back(line);
    return lines;
}

void CModifiedTpDlg::OnAdd()
{
    Database& db = doc.Data();
    CTransponderDlg dialog(TpForm::Satellite, DefaultSatelliteTp(iSatIndex), ChanTable(db), doc.Prompts(), this);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    const int record = AddTransponderReporting(db, doc.Prompts(), dialog.Record());
    if (record < 0)
        return;
    AddLine(record);
    bChanged = true;
}

void CModifiedTpDlg::OnDel()
{
    const std::vector<int> lines = SelectedLines();
    if (lines.empty())
        return;
    for (int line : lines) {
        const int record = aiLineRecord[size_t(line)];
        DeleteTransponder(doc.Data(), record);
        for (int& other : aiLineRecord)
            if (other > record)
                --other;
    }
    FillList();
    bChanged = true;
}

void CModifiedTpDlg::OnEdit()
{
    const std::vector<int> lines = SelectedLines();
    if (lines.empty())
        return;
    Database& db = doc.Data();
    for (int line : lines) {
        const int record = aiLineRecord[size_t(line)];
        CTransponderDlg dialog(TpForm::Satellite, db.TransponderTable[size_t(record)], ChanTable(db), doc.Prompts(),
                               this);
        if (runDialog(dialog) != QDialog::Accepted ||
            !ValidateEditReporting(db, doc.Prompts(), dialog.Record(), record))
            continue;
        db.TransponderTable[size_t(record)] = dialog.Record();
    }
    FillList();
    bChanged = true;
}

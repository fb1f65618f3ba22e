#include "CSatelliteDlg.h"

#include "BitFields.h"
#include "DataExchange.h"
#include "DialogButtons.h"
#include "OptionNames.h"
#include "RecordText.h"
#include "SatelliteOperations.h"
#include "TransponderOperations.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include <array>
#include <cmath>
#include <cstring>
#include <span>

namespace {

QComboBox* MakeList(std::span<const char* const> names, int selected)
{
    auto* pList = new QComboBox;
    for (const char* name : names)
        pList->addItem(QString::fromLatin1(name));
    pList->setCurrentIndex(selected >= 0 && selected < int(names.size()) ? selected : -1);
    return pList;
}

std::array<const char*, kLnbTypes.size()> LnbTypeNames()
{
    std::array<const char*, kLnbTypes.size()> names{};
    for (size_t i = 0; i < names.size(); ++i)
        names[i] = kLnbTypes[i].pszName;
    return names;
}

// The stored value of a list: its choice, 0 when nothing is chosen.
uint32_t Chosen(const QComboBox* pList) { return uint32_t(std::max(pList->currentIndex(), 0)); }

} // namespace

CSatelliteDlg::CSatelliteDlg(const Database& db, IPrompts& prompts, const SatelliteRecord& sat, int satIndex,
                             QWidget* parent)
    : QDialog(parent), prompts(prompts), sat(sat)
{
    setWindowTitle(kCaptionSatellite);
    pNameEdit = new QLineEdit(FromRecordText(FieldText(sat.acSatName)));
    LimitTyping(pNameEdit, kSatNameMaxChars);

    pTransponderList = new QComboBox;
    const std::vector<int> records = SatelliteTransponders(db, satIndex);
    for (size_t p = 0; p < records.size() && p < kNoChosenTp; ++p) {
        const TransponderRecord& tp = db.TransponderTable[size_t(records[p])];
        pTransponderList->addItem(QStringLiteral("| %1 | %2 | %3 | %4 |")
                                      .arg(p + 1)
                                      .arg(tp.usFreq)
                                      .arg(QString::fromLatin1(OptionName(kPolarisationNames, TpPolarisation(tp))))
                                      .arg(tp.usSymRate));
    }
    const int chosenTp = int(SatChosenTp(sat));
    pTransponderList->setCurrentIndex(chosenTp < pTransponderList->count() ? chosenTp : -1);

    pLnbTypeList = MakeList(LnbTypeNames(), LnbTypeOfSatellite(sat));
    p22kHzList = MakeList(k22kHzNames, int(Sat22kHz(sat)));
    pTunerSelectList = MakeList(kLnbPowerNames, int(SatLnbPower(sat)));
    pMotorList = MakeList(kMotorNames, SatMotor(sat) < 3 ? int(SatMotor(sat)) : 0);
    pDiseqcList = MakeList(kDiseqcNames, int(SatDiseqc(sat)));
    const uint32_t tenths = SatPosition(sat);
    pAngleEdit = new QLineEdit(FormatNumber(double(tenths / 10) + (tenths % 10) * 0.1));
    pDirectionList = MakeList(kDirectionNames, int(SatDirection(sat)));
    connect(pLnbTypeList, &QComboBox::currentIndexChanged, this, &CSatelliteDlg::OnLnbTypeChanged);

    auto* pForm = new QFormLayout(this);
    pForm->addRow(tr("Satellite Name"), pNameEdit);
    pForm->addRow(tr("Transponder"), pTransponderList);
    pForm->addRow(tr("LNB Type"), pLnbTypeList);
    pForm->addRow(tr("22KHz"), p22kHzList);
    pForm->addRow(tr("TunerSelect"), pTunerSelectList);
    pForm->addRow(tr("Motor"), pMotorList);
    pForm->addRow(tr("DiSEqC"), pDiseqcList);
    pForm->addRow(tr("Satellite Angle"), pAngleEdit);
    pForm->addRow(tr("Satellite direction"), pDirectionList);
    AddDialogButtons(this, pForm);
}

void CSatelliteDlg::OnLnbTypeChanged(int index)
{
    if (index < 0 || index >= kUserDefinedLnb)
        return;
    sat.usLnbLow = kLnbTypes[size_t(index)].usLnbLow;
    sat.usLnbHigh = kLnbTypes[size_t(index)].usLnbHigh;
}

void CSatelliteDlg::OnOK()
{
    const std::optional<QString> name = ReadRecordText(prompts, pNameEdit, kSatNameMaxChars);
    if (!name)
        return;
    const std::optional<double> angle = ReadNumberInRange(prompts, pAngleEdit, 0, 180);
    if (!angle)
        return;
    const QByteArray bytes = ToRecordText(name->left(int(sizeof sat.acSatName)));
    std::memset(sat.acSatName, 0, sizeof sat.acSatName);
    std::memcpy(sat.acSatName, bytes.constData(), std::min(size_t(bytes.size()), sizeof sat.acSatName));
    SetSatChosenTp(sat,
                   pTransponderList->currentIndex() >= 0 ? uint32_t(pTransponderList->currentIndex()) : kNoChosenTp);
    if (const int type = pLnbTypeList->currentIndex(); type >= 0 && type < kUserDefinedLnb) {
        sat.usLnbLow = kLnbTypes[size_t(type)].usLnbLow;
        sat.usLnbHigh = kLnbTypes[size_t(type)].usLnbHigh;
        SetSatKuBand(sat, kLnbTypes[size_t(type)].ucKuBand);
    }
    SetSat22kHz(sat, Chosen(p22kHzList));
    SetSatLnbPower(sat, Chosen(pTunerSelectList));
    SetSatDiseqc(sat, Chosen(pDiseqcList));
    SetSatMotor(sat, Chosen(pMotorList));
    SetSatPosition(sat, uint32_t(std::trunc(*angle * 10)) & 0x7FF);
    SetSatDirection(sat, Chosen(pDirectionList));
    accept();
}

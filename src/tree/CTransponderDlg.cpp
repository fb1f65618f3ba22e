#include "CTransponderDlg.h"

#include "BitFields.h"
#include "DataExchange.h"
#include "DialogButtons.h"
#include "OptionNames.h"
#include "TransponderOperations.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include <span>

namespace {

struct IntRange {
    int iMin;
    int iMax;
};
constexpr IntRange kSatFrequency{1, 20000};
constexpr IntRange kSatSymbolRate{2000, 45000};
constexpr IntRange kCableFrequency{1, 858};
constexpr IntRange kCableSymbolRate{1, 65535}; // the field holds 16 bits
constexpr IntRange kTerrestrialFrequency{1, 900000};

QComboBox* MakeList(std::span<const char* const> names, uint32_t selected)
{
    auto* pList = new QComboBox;
    for (const char* name : names)
        pList->addItem(QString::fromLatin1(name));
    pList->setCurrentIndex(selected < names.size() ? int(selected) : -1);
    return pList;
}

std::optional<int> ReadField(IPrompts& prompts, QLineEdit* pEdit, IntRange range)
{
    return ReadIntInRange(prompts, pEdit, range.iMin, range.iMax);
}

// Writes a list's choice through set; a list without a choice leaves the bits.
template <typename Set>
void StoreChoice(const QComboBox* pList, TransponderRecord& tp, Set set)
{
    if (pList->currentIndex() >= 0)
        set(tp, uint32_t(pList->currentIndex()));
}

} // namespace

TpForm FormOfKind(uint32_t kind)
{
    switch (kind) {
    case kTpSatellite: return TpForm::Satellite;
    case kTpCable: return TpForm::Cable;
    default: return TpForm::Terrestrial;
    }
}

CTransponderDlg::CTransponderDlg(TpForm form, const TransponderRecord& tp, uint8_t ucChanTable, IPrompts& prompts,
                                 QWidget* parent)
    : QDialog(parent), form(form), ucChanTable(ucChanTable), prompts(prompts), tp(tp)
{
    setWindowTitle(kCaptionTransponder);
    auto* pForm = new QFormLayout(this);
    const auto qamOf = [](uint32_t value) { return value < kModulationNames.size() ? value : 0; };
    switch (form) {
    case TpForm::Satellite:
        pFrequencyEdit = new QLineEdit(QString::number(tp.usFreq));
        pPolarisationList = MakeList(kPolarisationNames, TpPolarisation(tp));
        pSymbolRateEdit = new QLineEdit(QString::number(tp.usSymRate));
        pFecList = MakeList(kFecNames, TpFec(tp));
        pForm->addRow(tr("Frequency"), pFrequencyEdit);
        pForm->addRow(tr("Polarisation"), pPolarisationList);
        pForm->addRow(tr("Symbol rate"), pSymbolRateEdit);
        pForm->addRow(tr("FEC"), pFecList);
        break;
    case TpForm::Cable:
        pFrequencyEdit = new QLineEdit(QString::number(tp.usFreq));
        pQamList = MakeList(kModulationNames, qamOf(TpQam(tp)));
        pSymbolRateEdit = new QLineEdit(QString::number(tp.usSymRate));
        pForm->addRow(tr("Frequency"), pFrequencyEdit);
        pForm->addRow(tr("QAM"), pQamList);
        pForm->addRow(tr("Symbol rate"), pSymbolRateEdit);
        break;
    case TpForm::Terrestrial:
        pFrequencyEdit = new QLineEdit(QString::number(TpUlFreq(tp)));
        pBandwidthList = MakeList(kBandwidthNames, TpBandwidth(tp));
        pQamList = MakeList(kModulationNames, qamOf(TpModulation(tp)));
        pForm->addRow(tr("Frequency"), pFrequencyEdit);
        pForm->addRow(tr("BandWidth"), pBandwidthList);
        pForm->addRow(tr("QAM"), pQamList);
        break;
    }
    AddDialogButtons(this, pForm);
}

void CTransponderDlg::OnOK()
{
    switch (form) {
    case TpForm::Satellite: {
        const auto freq = ReadField(prompts, pFrequencyEdit, kSatFrequency);
        const auto rate = freq ? ReadField(prompts, pSymbolRateEdit, kSatSymbolRate) : std::nullopt;
        if (!rate)
            return;
        tp.usFreq = uint16_t(*freq);
        tp.usSymRate = uint16_t(*rate);
        StoreChoice(pPolarisationList, tp, SetTpPolarisation);
        StoreChoice(pFecList, tp, SetTpFec);
        break;
    }
    case TpForm::Cable: {
        const auto freq = ReadField(prompts, pFrequencyEdit, kCableFrequency);
        const auto rate = freq ? ReadField(prompts, pSymbolRateEdit, kCableSymbolRate) : std::nullopt;
        if (!rate)
            return;
        tp.usFreq = uint16_t(*freq);
        tp.usSymRate = uint16_t(*rate);
        SetTpKind(tp, kTpCable);
        StoreChoice(pQamList, tp, SetTpQam);
        break;
    }
    case TpForm::Terrestrial: {
        const auto freq = ReadField(prompts, pFrequencyEdit, kTerrestrialFrequency);
        if (!freq)
            return;
        SetTpUlFreq(tp, uint32_t(*freq));
        StoreChoice(pBandwidthList, tp, SetTpBandwidth);
        StoreChoice(pQamList, tp, SetTpModulation);
        SetTerrestrialChannel(tp, ucChanTable);
        break;
    }
    }
    accept();
}

int AddTransponderReporting(Database& db, IPrompts& prompts, const TransponderRecord& tp)
{
    const int result = AddTransponder(db, tp);
    if (result == kTpFull)
        WindowMessage(prompts, kMsgTpFull, MsgButtons::Ok, MsgIcon::Stop, kCaptionAddTp);
    else if (result == kTpExists)
        WindowMessage(prompts, kMsgTpExists, MsgButtons::Ok, MsgIcon::Stop, kCaptionAddTp);
    return result >= 0 ? result : -1;
}

bool ValidateEditReporting(const Database& db, IPrompts& prompts, const TransponderRecord& tp, int index)
{
    if (ValidateEditedTransponder(db, tp, index))
        return true;
    WindowMessage(prompts, kMsgTpExists, MsgButtons::Ok, MsgIcon::Stop, kCaptionEditTp);
    return false;
}

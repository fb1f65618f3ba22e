#include "CChannelParamDlg.h"

#include "BitFields.h"
#include "ChannelDialogs.h"
#include "ChannelOperations.h"
#include "DataExchange.h"
#include "FavGroupNames.h"
#include "ModelOperations.h"
#include "OptionNames.h"
#include "RecordText.h"
#include "TrText.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <algorithm>
#include <bitset>

namespace {

constexpr TrText kNumberLabel{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "No.")};
constexpr TrText kNameLabel{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Name")};
constexpr TrText kVideoPidLabel{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Video PID")};
constexpr TrText kAudioGroupTitle{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Audio PID")};
constexpr TrText kAudioAddLabel{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Add")};
constexpr TrText kAudioEditLabel{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Edit")};
constexpr TrText kAudioDelLabel{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Del")};
constexpr TrText kPcrPidLabel{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "PCR PID")};
constexpr TrText kTxtPidLabel{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "TXT PID")};
constexpr TrText kSatelliteLabel{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Satellite Name")};
constexpr TrText kTransponderLabel{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Transponder")};
constexpr TrText kFavoritesTitle{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Favorites")};
constexpr TrText kStateTitle{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "State")};
constexpr TrText kScrambleLabel{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Scramble")};
constexpr TrText kLockLabel{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Lock")};
constexpr TrText kTerrestrialEntry{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Terrestrial")};
constexpr TrText kCableEntry{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Cable")};
constexpr TrText kIsdbtEntry{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Isdbt")};
constexpr TrText kDefaultMark{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", " Default")};

constexpr int kMinPid = 1;
constexpr int kMaxPid = 8191;

QString SatelliteTpLabel(const TransponderRecord& tp)
{
    return QStringLiteral("%1/%2/%3/%4")
        .arg(tp.usFreq)
        .arg(FromRecordText(OptionName(kPolarisationNames, TpPolarisation(tp))))
        .arg(tp.usSymRate)
        .arg(FromRecordText(OptionName(kFecNames, TpFec(tp))));
}

QString TerrestrialTpLabel(const TransponderRecord& tp)
{
    return QStringLiteral("%1 / %2M").arg(TpUlFreq(tp)).arg(TpBandwidth(tp) + 6);
}

QString CableTpLabel(const TransponderRecord& tp)
{
    return QStringLiteral("%1 / %2").arg(tp.usFreq).arg(tp.usSymRate);
}

QComboBox* MakeDropDown()
{
    auto* pBox = new QComboBox;
    pBox->setEditable(true);
    pBox->setInsertPolicy(QComboBox::NoInsert);
    // Qt makes an entry whose text was typed current when the box loses the
    // focus (clicking OK), changing the satellite under a transponder the
    // user never saw. Typed text is no choice: only picking an entry from the
    // list, or Enter on a completion, commits one.
    QObject::disconnect(pBox->lineEdit(), SIGNAL(editingFinished()), pBox, nullptr);
    return pBox;
}

} // namespace

CChannelParamDlg::CChannelParamDlg(const Database& db, IPrompts& prompts, const ChannelDialogInput& input,
                                   QWidget* parent)
    : QDialog(parent), pNumberEdit(new QLineEdit(QString::number(input.iNumber))), pNameEdit(new QLineEdit),
      pVideoPidEdit(new QLineEdit(QString::number(input.record.sVideoPid))), pAudioList(new QListWidget),
      pAudioAddButton(new QPushButton(kAudioAddLabel)), pAudioEditButton(new QPushButton(kAudioEditLabel)),
      pAudioDelButton(new QPushButton(kAudioDelLabel)),
      pPcrPidEdit(new QLineEdit(QString::number(input.record.sPcrPid))),
      pTxtPidEdit(new QLineEdit(QString::number(input.record.sTxtPid))), pSatelliteBox(MakeDropDown()),
      pTransponderBox(MakeDropDown()), pScrambleCheck(new QCheckBox(kScrambleLabel)),
      pLockCheck(new QCheckBox(kLockLabel)),
      apAudioModeButtons{new QRadioButton(QCoreApplication::translate("OptionNames", kAudioModeNames[0])),
                         new QRadioButton(QCoreApplication::translate("OptionNames", kAudioModeNames[1])),
                         new QRadioButton(QCoreApplication::translate("OptionNames", kAudioModeNames[2]))},
      db(db), prompts(prompts), record(input.record)
{
    setWindowTitle(kChannelParamTitle);
    fnAudioDialog = [this](AudioParams& params) {
        CAudioParamDlg dialog(this->prompts, params, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        params = dialog.Params();
        return true;
    };

    // A stored name longer than the box takes is shown whole; OK then asks
    // for a shorter one.
    pNameEdit->setText(FromRecordText(FieldText(record.acName)));
    LimitTyping(pNameEdit, kMaxNameChars);
    pNumberEdit->setReadOnly(true);
    // One box per group, labelled as the tree names the group.
    for (int g = 0; g < kMaxFavGroups; ++g) {
        apFavChecks[size_t(g)] = new QCheckBox(FromRecordText(FavGroupLabel(db, g)));
        apFavChecks[size_t(g)]->setChecked(record.usFavBits & (1u << g));
        connect(apFavChecks[size_t(g)], &QCheckBox::clicked, this, &CChannelParamDlg::OnFavClicked);
    }
    for (QLineEdit* pPid : {pVideoPidEdit, pPcrPidEdit, pTxtPidEdit})
        AcceptDigitsOnly(pPid);
    pLockCheck->setChecked(ChLocked(record));
    pScrambleCheck->setChecked(ChCas(record) != 0);

    iDefaultAudio = int(ChAudioIndex(record));
    iAudioMode = iDefaultAudio < kMaxAudioEntries ? int(AudioMode(record.AudioEntries[size_t(iDefaultAudio)])) : 0;
    if (iAudioMode < int(std::size(apAudioModeButtons)))
        apAudioModeButtons[iAudioMode]->setChecked(true);
    for (int k = 0; k < std::min<int>(record.ucAudioNum, kMaxAudioEntries); ++k) {
        const AudioEntry& entry = record.AudioEntries[size_t(k)];
        aAudioTracks.push_back({int(AudioPid(entry)), int(AudioLanguage(entry))});
    }
    FillAudioList();

    FillSatelliteBox();
    const int satellite = SatelliteEntryOfChannel();
    pSatelliteBox->setCurrentIndex(satellite);
    FillTransponderBox(satellite);
    connect(pSatelliteBox, &QComboBox::currentIndexChanged, this, &CChannelParamDlg::FillTransponderBox);

    pVideoPidEdit->setEnabled(input.iMode == 0);
    pSatelliteBox->setEnabled(input.bTpChoiceEnabled);
    pTransponderBox->setEnabled(input.bTpChoiceEnabled);

    connect(pAudioAddButton, &QPushButton::clicked, this, &CChannelParamDlg::OnAudioAdd);
    connect(pAudioEditButton, &QPushButton::clicked, this, &CChannelParamDlg::OnAudioEdit);
    connect(pAudioDelButton, &QPushButton::clicked, this, &CChannelParamDlg::OnAudioDel);
    BuildLayout();
}

void CChannelParamDlg::BuildLayout()
{
    auto* pAudioGroup = new QGroupBox(kAudioGroupTitle);
    auto* pAudioLayout = new QGridLayout(pAudioGroup);
    pAudioLayout->addWidget(pAudioList, 0, 0, 3, 1);
    pAudioLayout->addWidget(pAudioAddButton, 0, 1);
    pAudioLayout->addWidget(pAudioEditButton, 1, 1);
    pAudioLayout->addWidget(pAudioDelButton, 2, 1);
    pAudioList->setMaximumHeight(90);
    pAudioList->setMinimumWidth(200);

    auto* pFavGroup = new QGroupBox(kFavoritesTitle);
    auto* pFavLayout = new QGridLayout(pFavGroup);
    for (int g = 0; g < kMaxFavGroups; ++g)
        pFavLayout->addWidget(apFavChecks[size_t(g)], g % (kMaxFavGroups / 2), g / (kMaxFavGroups / 2));

    auto* pStateGroup = new QGroupBox(kStateTitle);
    auto* pStateLayout = new QGridLayout(pStateGroup);
    pStateLayout->addWidget(pScrambleCheck, 0, 0);
    pStateLayout->addWidget(pLockCheck, 1, 0);
    for (int i = 0; i < 3; ++i)
        pStateLayout->addWidget(apAudioModeButtons[i], i, 1);

    auto* pLeft = new QFormLayout;
    pLeft->addRow(kNumberLabel, pNumberEdit);
    pLeft->addRow(kNameLabel, pNameEdit);
    pLeft->addRow(kVideoPidLabel, pVideoPidEdit);
    pLeft->addRow(pAudioGroup);
    pLeft->addRow(kPcrPidLabel, pPcrPidEdit);
    pLeft->addRow(kTxtPidLabel, pTxtPidEdit);

    auto* pRight = new QFormLayout;
    pRight->addRow(kSatelliteLabel, pSatelliteBox);
    pRight->addRow(kTransponderLabel, pTransponderBox);
    pRight->addRow(pFavGroup);
    pRight->addRow(pStateGroup);
    pTransponderBox->setMinimumContentsLength(16);

    auto* pColumns = new QHBoxLayout;
    pColumns->addLayout(pLeft);
    pColumns->addLayout(pRight);
    auto* pMain = new QVBoxLayout(this);
    pMain->addLayout(pColumns);
    AddDialogButtons(this, pMain);
}

void CChannelParamDlg::FillSatelliteBox()
{
    const int satellites = SatelliteCount(db);
    int number = 0;
    const auto add = [&](const QString& name) {
        pSatelliteBox->addItem(QStringLiteral("%1-%2").arg(++number).arg(name));
        return pSatelliteBox->count() - 1;
    };
    for (int i = 0; i < satellites; ++i)
        add(FromRecordText(FieldText(db.SatelliteTable[size_t(i)].acSatName)));
    if (db.bHasTerrestrial)
        iTerrestrialEntry = add(kTerrestrialEntry);
    if (db.bHasCable)
        iCableEntry = add(kCableEntry);
    if (db.bHasIsdbt)
        iIsdbtEntry = add(kIsdbtEntry);
}

int CChannelParamDlg::SatelliteEntryOfChannel() const
{
    if (pSatelliteBox->count() == 0)
        return -1;
    const int tps = TransponderCount(db);
    for (int t = 0; t < tps; ++t) {
        const TransponderRecord& tp = db.TransponderTable[size_t(t)];
        if (TpId(tp) != record.usTpId)
            continue;
        int entry = 0;
        switch (TpKind(tp)) {
        case kTpSatellite: entry = int(TpSatIndex(tp)) < db.header.sSatNumber ? int(TpSatIndex(tp)) : 0; break;
        case kTpTerrestrial: entry = iTerrestrialEntry; break;
        case kTpCable: entry = iCableEntry; break;
        case kTpIsdbt: entry = iIsdbtEntry; break;
        }
        return std::max(entry, 0);
    }
    return 0;
}

void CChannelParamDlg::FillTransponderBox(int entry)
{
    pTransponderBox->clear();
    aTpIds.clear();
    const int satellites = SatelliteCount(db);
    const int tps = TransponderCount(db);
    int selected = -1;
    for (int t = 0; t < tps && entry >= 0; ++t) {
        const TransponderRecord& tp = db.TransponderTable[size_t(t)];
        QString label;
        if (entry < satellites) {
            if (int(TpSatIndex(tp)) == entry)
                label = SatelliteTpLabel(tp);
        } else if ((entry == iTerrestrialEntry && TpKind(tp) == kTpTerrestrial) ||
                   (entry == iIsdbtEntry && TpKind(tp) == kTpIsdbt)) {
            label = TerrestrialTpLabel(tp);
        } else if (entry == iCableEntry && TpKind(tp) == kTpCable) {
            label = CableTpLabel(tp);
        }
        if (label.isNull())
            continue;
        if (selected < 0 && TpId(tp) == record.usTpId)
            selected = int(aTpIds.size());
        pTransponderBox->addItem(label);
        aTpIds.push_back(uint16_t(TpId(tp)));
    }
    pTransponderBox->setCurrentIndex(aTpIds.empty() ? -1 : std::max(selected, 0));
}

void CChannelParamDlg::FillAudioList()
{
    pAudioList->clear();
    for (size_t k = 0; k < aAudioTracks.size(); ++k) {
        QString line = QStringLiteral("%1  %2  %3")
                           .arg(k + 1)
                           .arg(aAudioTracks[k].iPid)
                           .arg(FromRecordText(OptionName(AudioLanguageTable, uint32_t(aAudioTracks[k].iLanguage))));
        if (int(k) == iDefaultAudio)
            line += kDefaultMark;
        pAudioList->addItem(line);
    }
}

int CChannelParamDlg::SelectedAudioTrack() const
{
    const QListWidgetItem* pItem = pAudioList->currentItem();
    return pItem && pItem->isSelected() ? pAudioList->row(pItem) : -1;
}

void CChannelParamDlg::OnAudioAdd()
{
    if (aAudioTracks.size() >= size_t(kMaxAudioEntries)) {
        WindowMessage(prompts, kMsgAudioFull);
        return;
    }
    AudioParams params;
    if (!fnAudioDialog(params))
        return;
    aAudioTracks.push_back({params.iPid, params.iLanguage});
    if (params.bDefault)
        iDefaultAudio = int(aAudioTracks.size()) - 1;
    FillAudioList();
}

void CChannelParamDlg::OnAudioEdit()
{
    const int k = SelectedAudioTrack();
    if (k < 0) {
        WindowMessage(prompts, kMsgSelectItemFirst);
        return;
    }
    AudioTrack& track = aAudioTracks[size_t(k)];
    AudioParams params{track.iPid, track.iLanguage, k == iDefaultAudio};
    if (!fnAudioDialog(params))
        return;
    track = {params.iPid, params.iLanguage};
    if (params.bDefault)
        iDefaultAudio = k;
    FillAudioList();
}

void CChannelParamDlg::OnAudioDel()
{
    const int k = SelectedAudioTrack();
    if (k < 0) {
        WindowMessage(prompts, kMsgSelectItemFirst);
        return;
    }
    aAudioTracks.erase(aAudioTracks.begin() + k);
    // The default stays on the same track when one before it goes.
    if (k < iDefaultAudio)
        --iDefaultAudio;
    if (iDefaultAudio >= int(aAudioTracks.size()))
        iDefaultAudio = 0;
    FillAudioList();
}

void CChannelParamDlg::OnFavClicked() { ReadFields(); }

std::optional<QByteArray> CChannelParamDlg::ReadName(IPrompts& prompts, QLineEdit* pEdit)
{
    const std::optional<QString> name = ReadRecordText(prompts, pEdit, kMaxNameChars);
    return name ? std::optional(ToRecordText(*name)) : std::nullopt;
}

std::optional<CChannelParamDlg::Fields> CChannelParamDlg::ReadFields()
{
    const std::optional<QByteArray> name = ReadName(prompts, pNameEdit);
    if (!name)
        return std::nullopt;
    const std::optional<int> video = ReadIntInRange(prompts, pVideoPidEdit, kMinPid, kMaxPid);
    if (!video)
        return std::nullopt;
    const std::optional<int> pcr = ReadIntInRange(prompts, pPcrPidEdit, kMinPid, kMaxPid);
    if (!pcr)
        return std::nullopt;
    const std::optional<int> txt = ReadIntInRange(prompts, pTxtPidEdit, kMinPid, kMaxPid);
    if (!txt)
        return std::nullopt;
    return Fields{*name, *video, *pcr, *txt};
}

uint16_t CChannelParamDlg::FreeServiceId(uint16_t tpId) const
{
    int highest = 0;
    std::bitset<65536> used;
    for (bool radio : {false, true}) {
        const auto& table = ChannelTable(db, radio);
        for (int i = 0; i < UsedChannels(db, radio); ++i)
            if (table[size_t(i)].usTpId == tpId) {
                highest = std::max<int>(highest, table[size_t(i)].usServiceId);
                used.set(table[size_t(i)].usServiceId);
            }
    }
    if (highest < 65535)
        return uint16_t(highest + 1);
    // Past the highest id: the lowest one still free.
    for (int id = 1; id < 65536; ++id)
        if (!used.test(size_t(id)))
            return uint16_t(id);
    return 0;
}

void CChannelParamDlg::OnOK()
{
    const std::optional<Fields> fields = ReadFields();
    if (!fields)
        return;
    SetChannelName(record, std::string_view(fields->name.constData(), size_t(fields->name.size())));
    record.sVideoPid = int16_t(fields->iVideoPid);
    record.sPcrPid = int16_t(fields->iPcrPid);
    record.sTxtPid = int16_t(fields->iTxtPid);
    record.usFavBits = 0; // bits 8-15 are cleared
    for (int g = 0; g < kMaxFavGroups; ++g)
        if (apFavChecks[size_t(g)]->isChecked())
            record.usFavBits = uint16_t(record.usFavBits | (1u << g));
    SetChLocked(record, pLockCheck->isChecked());
    SetChScrambled(record, pScrambleCheck->isChecked());

    // Without a transponder or satellite choice the dialog stays open with
    // everything typed, the box to correct in focus.
    const int tpEntry = ChosenEntry(pTransponderBox);
    if (tpEntry < 0 || tpEntry >= int(aTpIds.size())) {
        WindowMessage(prompts, kMsgNoTransponder, MsgButtons::Ok, MsgIcon::Stop, kCaptionError,
                      FieldDetail(pTransponderBox));
        pTransponderBox->setFocus();
        return;
    }
    const int satEntry = ChosenEntry(pSatelliteBox);
    if (satEntry < 0) {
        WindowMessage(prompts, kMsgNoSatellite, MsgButtons::Ok, MsgIcon::Stop, kCaptionError,
                      FieldDetail(pSatelliteBox));
        pSatelliteBox->setFocus();
        return;
    }
    record.usTpId = aTpIds[size_t(tpEntry)];
    SetChDelivery(record, satEntry == iTerrestrialEntry ? kChTerrestrial
                          : satEntry == iCableEntry     ? kChCable
                          : satEntry == iIsdbtEntry     ? kChIsdbt
                                                        : kChSatellite);
    if (record.usServiceId == 0)
        record.usServiceId = FreeServiceId(record.usTpId);

    record.ucAudioNum = uint8_t(aAudioTracks.size());
    if (iDefaultAudio >= int(aAudioTracks.size()))
        iDefaultAudio = 0;
    SetChAudioIndex(record, uint32_t(iDefaultAudio));
    for (int mode = 0; mode < int(std::size(apAudioModeButtons)); ++mode)
        if (apAudioModeButtons[mode]->isChecked())
            iAudioMode = mode;
    SetAudioMode(record.AudioEntries[size_t(iDefaultAudio)], uint32_t(iAudioMode));
    for (size_t k = 0; k < aAudioTracks.size(); ++k) {
        SetAudioPid(record.AudioEntries[k], uint32_t(aAudioTracks[k].iPid));
        SetAudioLanguage(record.AudioEntries[k], uint32_t(aAudioTracks[k].iLanguage));
    }
    SetChNoVideo(record, record.sVideoPid == kNoVideoPid);
    accept();
}

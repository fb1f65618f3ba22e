#include "CAudioParamDlg.h"

#include "ChannelDialogs.h"
#include "DataExchange.h"
#include "OptionNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace {

constexpr int kMinPid = 1;
constexpr int kMaxPid = 8191;

} // namespace

CAudioParamDlg::CAudioParamDlg(IPrompts& prompts, const AudioParams& params, QWidget* parent)
    : QDialog(parent), pPidEdit(new QLineEdit(QString::number(params.iPid))), pLanguageBox(new QComboBox),
      pDefaultCheck(new QCheckBox(kAudioDefaultLabel)), prompts(prompts), params(params)
{
    setWindowTitle(kAudioParamTitle);
    pLanguageBox->setEditable(true);
    pLanguageBox->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 0; i < kOfferedLanguages; ++i)
        pLanguageBox->addItem(QString::fromLatin1(AudioLanguageTable[size_t(i)]));
    pLanguageBox->setCurrentIndex(params.iLanguage >= 0 && params.iLanguage < kOfferedLanguages ? params.iLanguage
                                                                                                : -1);
    pDefaultCheck->setChecked(params.bDefault);
    // Typing replaces the PID shown, so that "101" gives 101.
    AcceptDigitsOnly(pPidEdit);
    pPidEdit->selectAll();

    auto* pForm = new QFormLayout(this);
    pForm->addRow(kAudioPidLabel, pPidEdit);
    pForm->addRow(kAudioLanguageLabel, pLanguageBox);
    pForm->addRow(QString(), pDefaultCheck);
    AddDialogButtons(this, pForm);
}

void CAudioParamDlg::OnOK()
{
    const std::optional<int> pid = ReadIntInRange(prompts, pPidEdit, kMinPid, kMaxPid);
    if (!pid)
        return;
    const int language = ChosenEntry(pLanguageBox);
    if (language >= 0)
        params.iLanguage = language;
    params.iPid = *pid;
    params.bDefault = pDefaultCheck->isChecked();
    accept();
}

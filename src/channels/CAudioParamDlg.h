// "Audio Parameters": the PID and language of one audio track, and whether
// it is the channel's default track.
#pragma once

#include "TrText.h"

#include <QDialog>

class IPrompts;
class QCheckBox;
class QComboBox;
class QLineEdit;

inline constexpr TrText kAudioParamTitle{"CAudioParamDlg", QT_TRANSLATE_NOOP("CAudioParamDlg", "Audio Parameters")};
inline constexpr TrText kAudioPidLabel{"CAudioParamDlg", QT_TRANSLATE_NOOP("CAudioParamDlg", "Audio PID")};
inline constexpr TrText kAudioLanguageLabel{"CAudioParamDlg", QT_TRANSLATE_NOOP("CAudioParamDlg", "Audio Language")};
inline constexpr TrText kAudioDefaultLabel{"CAudioParamDlg", QT_TRANSLATE_NOOP("CAudioParamDlg", "Default")};

struct AudioParams {
    int iPid = 1;
    int iLanguage = 0; // index into AudioLanguageTable
    bool bDefault = false;
};

class CAudioParamDlg : public QDialog {
    Q_OBJECT

public:
    CAudioParamDlg(IPrompts& prompts, const AudioParams& params, QWidget* parent = nullptr);

    // Reads the fields; a PID outside 1..8191 is reported and the dialog stays
    // open, otherwise it ends with OK. A language typed that names no entry of
    // the list keeps the language the track had.
    void OnOK();
    const AudioParams& Params() const { return params; }

    QLineEdit* pPidEdit;
    QComboBox* pLanguageBox;
    QCheckBox* pDefaultCheck;

private:
    IPrompts& prompts;
    AudioParams params;
};

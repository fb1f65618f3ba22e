// "Channel Parameters": edits a copy of one channel record (name, PIDs, audio
// tracks, transponder, delivery type, favourite groups, scrambling, lock and
// audio mode). The caller decides what to do with the record on OK; the
// dialog itself never writes the database.
#pragma once

#include "CAudioParamDlg.h"
#include "Database.h"
#include "TrText.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class IPrompts;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

inline constexpr TrText kChannelParamTitle{"CChannelParamDlg",
                                           QT_TRANSLATE_NOOP("CChannelParamDlg", "Channel Parameters")};
inline constexpr TrText kMsgNoTransponder{"CChannelParamDlg",
                                          QT_TRANSLATE_NOOP("CChannelParamDlg", "Do not find the transponder")};
inline constexpr TrText kMsgNoSatellite{"CChannelParamDlg",
                                        QT_TRANSLATE_NOOP("CChannelParamDlg", "Do not select right sat or type")};
inline constexpr TrText kCaptionError{"CChannelParamDlg", QT_TRANSLATE_NOOP("CChannelParamDlg", "Error")};
inline constexpr TrText kMsgAudioFull{"CChannelParamDlg",
                                      QT_TRANSLATE_NOOP("CChannelParamDlg", "Audio Languages are full")};
inline constexpr TrText kMsgSelectItemFirst{"CChannelParamDlg",
                                            QT_TRANSLATE_NOOP("CChannelParamDlg", "Please select item first")};

// What the caller hands the dialog.
struct ChannelDialogInput {
    ChannelRecord record; // the copy to edit
    int iNumber = 1;      // shown in "No."
    int iMode = 0;        // 0 TV, 1 radio
    bool bTpChoiceEnabled = true;
};

struct AudioTrack {
    int iPid;
    int iLanguage;
};

class CChannelParamDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaxNameChars = 20;
    // The name typed in pEdit as the dialog reads it: its record bytes, or
    // nothing when the checks refuse it (their message shown).
    static std::optional<QByteArray> ReadName(IPrompts& prompts, QLineEdit* pEdit);

    CChannelParamDlg(const Database& db, IPrompts& prompts, const ChannelDialogInput& input,
                     QWidget* parent = nullptr);

    // Reads and checks every field and writes the record. A bad field, or a
    // missing transponder or satellite choice, is reported and the dialog
    // stays open with what was typed; otherwise it ends with OK.
    void OnOK();
    const ChannelRecord& Record() const { return record; }

    void OnAudioAdd();
    void OnAudioEdit();
    void OnAudioDel();
    // Ticking a favourite box reads the fields back, with their messages.
    void OnFavClicked();
    // Fills the transponder box for satellite entry entry.
    void FillTransponderBox(int entry);

    // Opens "Audio Parameters" on params; true and params updated on OK.
    std::function<bool(AudioParams& params)> fnAudioDialog;

    QLineEdit* pNumberEdit;
    QLineEdit* pNameEdit;
    QLineEdit* pVideoPidEdit;
    QListWidget* pAudioList;
    QPushButton* pAudioAddButton;
    QPushButton* pAudioEditButton;
    QPushButton* pAudioDelButton;
    QLineEdit* pPcrPidEdit;
    QLineEdit* pTxtPidEdit;
    QComboBox* pSatelliteBox;
    QComboBox* pTransponderBox;
    std::array<QCheckBox*, kMaxFavGroups> apFavChecks; // group g's box
    QCheckBox* pScrambleCheck;
    QCheckBox* pLockCheck;
    QRadioButton* apAudioModeButtons[3];

    // Working state.
    std::vector<AudioTrack> aAudioTracks;
    int iDefaultAudio = 0;
    std::vector<uint16_t> aTpIds; // TpId of each transponder box entry
    int iTerrestrialEntry = -1;
    int iCableEntry = -1;
    int iIsdbtEntry = -1;

private:
    struct Fields {
        QByteArray name;
        int iVideoPid, iPcrPid, iTxtPid;
    };
    std::optional<Fields> ReadFields();
    void BuildLayout();
    void FillSatelliteBox();
    int SatelliteEntryOfChannel() const;
    void FillAudioList();
    int SelectedAudioTrack() const;
    uint16_t FreeServiceId(uint16_t tpId) const;

    const Database& db;
    IPrompts& prompts;
    ChannelRecord record;
    int iAudioMode = 0;
};

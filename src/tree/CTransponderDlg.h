// The Transponder Parameters dialogs (satellite, cable, terrestrial / ISDB-T)
// on a copy of one record, and the messages of adding and editing.
#pragma once

#include "Database.h"
#include "TrText.h"

#include <QDialog>

class IPrompts;
class QComboBox;
class QLineEdit;

inline constexpr TrText kCaptionTransponder{"CTransponderDlg",
                                            QT_TRANSLATE_NOOP("CTransponderDlg", "Transponder Parameters")};
inline constexpr TrText kCaptionAddTp{"CTransponderDlg", QT_TRANSLATE_NOOP("CTransponderDlg", "Add Transponder")};
inline constexpr TrText kCaptionEditTp{"CTransponderDlg", QT_TRANSLATE_NOOP("CTransponderDlg", "Edit Transponder")};
inline constexpr TrText kMsgTpFull{"CTransponderDlg", QT_TRANSLATE_NOOP("CTransponderDlg", "Transponder are full")};
inline constexpr TrText kMsgTpExists{"CTransponderDlg", QT_TRANSLATE_NOOP("CTransponderDlg", "Tp is already exist")};

enum class TpForm { Satellite, Cable, Terrestrial };
// The dialog form of a transponder kind (ISDB-T uses the terrestrial one).
TpForm FormOfKind(uint32_t kind);

class CTransponderDlg : public QDialog {
    Q_OBJECT

public:
    // ucChanTable chooses the channel plan of terrestrial frequencies.
    CTransponderDlg(TpForm form, const TransponderRecord& tp, uint8_t ucChanTable, IPrompts& prompts,
                    QWidget* parent = nullptr);

    // Validates the fields, writes them into the copy and closes with OK.
    void OnOK();
    const TransponderRecord& Record() const { return tp; }

    QLineEdit* pFrequencyEdit;
    QLineEdit* pSymbolRateEdit = nullptr;   // satellite, cable
    QComboBox* pPolarisationList = nullptr; // satellite
    QComboBox* pFecList = nullptr;          // satellite
    QComboBox* pQamList = nullptr;          // cable, terrestrial
    QComboBox* pBandwidthList = nullptr;    // terrestrial

private:
    TpForm form;
    uint8_t ucChanTable;
    IPrompts& prompts;
    TransponderRecord tp;
};

// AddTransponder with its messages; returns the new slot, or -1 after the message.
int AddTransponderReporting(Database& db, IPrompts& prompts, const TransponderRecord& tp);
// ValidateEditedTransponder with its message; true when the edit may be stored.
bool ValidateEditReporting(const Database& db, IPrompts& prompts, const TransponderRecord& tp, int index);

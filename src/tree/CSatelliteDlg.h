// The Satellite Parameters dialog: edits a copy of one satellite record. The
// LNB type is not stored; the dialog derives it from the oscillator values,
// and choosing a type writes that type's values into the copy at once.
#pragma once

#include "Database.h"
#include "TrText.h"

#include <QDialog>

class IPrompts;
class QComboBox;
class QLineEdit;

inline constexpr TrText kCaptionSatellite{"CSatelliteDlg", QT_TRANSLATE_NOOP("CSatelliteDlg", "Satellite Parameters")};
inline constexpr int kSatNameMaxChars = 23;

class CSatelliteDlg : public QDialog {
    Q_OBJECT

public:
    // satIndex is the satellite's slot: the transponder list shows its transponders.
    CSatelliteDlg(const Database& db, IPrompts& prompts, const SatelliteRecord& sat, int satIndex,
                  QWidget* parent = nullptr);

    // Validates the fields, writes them into the copy and closes with OK;
    // a refused field keeps the dialog open.
    void OnOK();
    const SatelliteRecord& Record() const { return sat; }

    QLineEdit* pNameEdit;
    QComboBox* pTransponderList;
    QComboBox* pLnbTypeList;
    QComboBox* p22kHzList;
    QComboBox* pTunerSelectList;
    QComboBox* pMotorList;
    QComboBox* pDiseqcList;
    QLineEdit* pAngleEdit;
    QComboBox* pDirectionList;

private:
    void OnLnbTypeChanged(int index);

    IPrompts& prompts;
    SatelliteRecord sat;
};

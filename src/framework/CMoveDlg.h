// "Move": asks where a channel, a block of channels or a satellite goes.
// "From" shows where the command starts and cannot be edited; both fields
// hold integers, their ranges are the caller's.
#pragma once

#include "TrText.h"

#include <QDialog>

class IPrompts;
class QLineEdit;

inline constexpr TrText kMoveTitle{"CMoveDlg", QT_TRANSLATE_NOOP("CMoveDlg", "Move")};
inline constexpr TrText kMoveFromLabel{"CMoveDlg", QT_TRANSLATE_NOOP("CMoveDlg", "From")};
inline constexpr TrText kMoveToLabel{"CMoveDlg", QT_TRANSLATE_NOOP("CMoveDlg", "To")};

class CMoveDlg : public QDialog {
    Q_OBJECT

public:
    CMoveDlg(IPrompts& prompts, int from, int to, QWidget* parent = nullptr);

    // Reads both fields; a value that is not an integer is reported and the
    // dialog stays open, otherwise it ends with OK.
    void OnOK();
    int From() const { return iFrom; }
    int To() const { return iTo; }

    QLineEdit* pFromEdit;
    QLineEdit* pToEdit;

private:
    IPrompts& prompts;
    int iFrom;
    int iTo;
};

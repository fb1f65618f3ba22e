// The Move dialog of the satellite commands: "From" is shown but cannot be
// edited, "To" takes the target. Both hold integers; ranges are the caller's.
#pragma once

#include <QDialog>

class IPrompts;
class QLineEdit;

inline const QString kCaptionMove = QStringLiteral("Move");

class CMoveAntennaDlg : public QDialog {
    Q_OBJECT

public:
    CMoveAntennaDlg(IPrompts& prompts, int from, int to, QWidget* parent = nullptr);

    // Reads both fields; a value that is not an integer keeps the dialog open.
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

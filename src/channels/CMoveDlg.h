// "Move": asks for the row a channel or a block of channels goes to. "From"
// shows the row the command starts from and cannot be edited.
#pragma once

#include <QDialog>

class IPrompts;
class QLineEdit;

inline const QString kMoveTitle = QStringLiteral("Move");
inline const QString kMoveFromLabel = QStringLiteral("From");
inline const QString kMoveToLabel = QStringLiteral("To");

class CMoveDlg : public QDialog {
    Q_OBJECT

public:
    CMoveDlg(IPrompts& prompts, int from, int to, QWidget* parent = nullptr);

    // Reads "To"; a value that is not an integer is reported and the dialog
    // stays open, otherwise it ends with OK.
    void OnOK();
    int To() const { return iTo; }

    QLineEdit* pFromEdit;
    QLineEdit* pToEdit;

private:
    IPrompts& prompts;
    int iTo;
};

// The favourite group rename dialog: one edit for the name, 15 characters.
#pragma once

#include "TrText.h"

#include <QDialog>

class IPrompts;
class QLineEdit;

inline constexpr TrText kCaptionRenameFav{"CFavRenameDlg",
                                          QT_TRANSLATE_NOOP("CFavRenameDlg", "Rename FAV group name")};

class CFavRenameDlg : public QDialog {
    Q_OBJECT

public:
    CFavRenameDlg(IPrompts& prompts, const QString& name, QWidget* parent = nullptr);

    // A name longer than 15 characters is refused and the dialog stays open.
    void OnOK();
    const QString& Name() const { return strName; }

    QLineEdit* pNameEdit;

private:
    IPrompts& prompts;
    QString strName;
};

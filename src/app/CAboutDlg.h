// The About box: application icon, product name and date, OK.
#pragma once

#include "TrText.h"

#include <QDialog>

inline constexpr TrText kAboutTitle{"CAboutDlg", QT_TRANSLATE_NOOP("CAboutDlg", "About")};
inline const QString kAboutProduct = QStringLiteral("Drun-Channel Editor v2.2");
inline constexpr TrText kAboutDate{"CAboutDlg", QT_TRANSLATE_NOOP("CAboutDlg", "Data: 06/03/2015")};
inline constexpr TrText kAboutOk{"CAboutDlg", QT_TRANSLATE_NOOP("CAboutDlg", "OK")};

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

// The About box: application icon, product name and date, OK.
#pragma once

#include <QDialog>

inline const QString kAboutTitle = QStringLiteral("About");
inline const QString kAboutProduct = QStringLiteral("Drun-Channel Editor v2.2");
inline const QString kAboutDate = QStringLiteral("Data: 06/03/2015");
inline const QString kAboutOk = QStringLiteral("OK");

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

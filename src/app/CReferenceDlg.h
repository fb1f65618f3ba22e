// "Apply Reference List": what applying the chosen reference list would do,
// and which of its settings the matched channels take over. The title also
// names the file dialog before it and the editing step after it.
#pragma once

#include "ReferenceList.h"

#include <QDialog>

class QCheckBox;
class QLabel;

inline const QString kReferenceTitle = QStringLiteral("Apply Reference List");
inline const QString kReferenceFromLabel = QStringLiteral("Reference list: %1");
inline const QString kReferenceTableLine = QStringLiteral("%1: %2");
inline const QString kReferenceTv = QStringLiteral("TV");
inline const QString kReferenceRadio = QStringLiteral("Radio");
inline const QString kReferenceOrderNote =
    QStringLiteral("The matched channels come first in the reference list's order, the others after them.");
inline const QString kReferenceFavourites = QStringLiteral("Favourites");
inline const QString kReferenceLocks = QStringLiteral("Locks");
inline const QString kReferenceNames = QStringLiteral("Names");

class CReferenceDlg : public QDialog {
    Q_OBJECT

public:
    CReferenceDlg(const QString& path, const ReferenceSummary& summary, QWidget* parent = nullptr);

    void OnOK() { accept(); }
    ReferenceOptions Options() const;

    QLabel* pSummary;
    QCheckBox* pFavourites;
    QCheckBox* pLocks;
    QCheckBox* pNames;
};

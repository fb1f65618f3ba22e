// "Apply Reference List": what applying the chosen reference list would do,
// with the channels behind the counts on request, and which of its settings
// the matched channels take over. The title also
// names the file dialog before it and the editing step after it.
#pragma once

#include "ReferenceList.h"
#include "TrText.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

inline constexpr TrText kReferenceTitle{"CReferenceDlg", QT_TRANSLATE_NOOP("CReferenceDlg", "Apply Reference List")};
inline constexpr TrText kReferenceFromLabel{"CReferenceDlg", QT_TRANSLATE_NOOP("CReferenceDlg", "Reference list: %1")};
inline const QString kReferenceTableLine = QStringLiteral("%1: %2");
inline constexpr TrText kReferenceTv{"CReferenceDlg", QT_TRANSLATE_NOOP("CReferenceDlg", "TV")};
inline constexpr TrText kReferenceRadio{"CReferenceDlg", QT_TRANSLATE_NOOP("CReferenceDlg", "Radio")};
inline constexpr TrText kReferenceOrderNote{
    "CReferenceDlg",
    QT_TRANSLATE_NOOP("CReferenceDlg",
                      "The matched channels come first in the reference list's order, the others after them.")};
inline constexpr TrText kReferenceFavourites{"CReferenceDlg", QT_TRANSLATE_NOOP("CReferenceDlg", "Favourites")};
inline constexpr TrText kReferenceLocks{"CReferenceDlg", QT_TRANSLATE_NOOP("CReferenceDlg", "Locks")};
inline constexpr TrText kReferenceNames{"CReferenceDlg", QT_TRANSLATE_NOOP("CReferenceDlg", "Names")};
inline constexpr TrText kReferenceDetails{"CReferenceDlg", QT_TRANSLATE_NOOP("CReferenceDlg", "&Details…")};

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
    // "Details…" shows and hides the channels behind the counts (matched by
    // name, not found, unmatched) as text that can be selected and copied.
    QPushButton* pDetailsButton;
    QPlainTextEdit* pDetails;
};

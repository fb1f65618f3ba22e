// The transponder-list dialog: the list's entries with a check box each and
// a filter above them, the option to remove what the list does not hold, and
// a live preview of what taking the checked entries does. The plan behind
// the preview is the one OK applies.
#pragma once

#include "TransponderListRules.h"
#include "TrText.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QAbstractButton;
class QTreeWidget;

inline constexpr TrText kListFilterPrompt{"CTransponderListDlg",
                                          QT_TRANSLATE_NOOP("CTransponderListDlg", "Filter by name or position")};
inline constexpr TrText kListRemoveUnused{
    "CTransponderListDlg",
    QT_TRANSLATE_NOOP("CTransponderListDlg", "Remove transponders that are not in the list and carry no channel")};

class CTransponderListDlg : public QDialog {
    Q_OBJECT

public:
    // The dialog reads db and list while it is open; preselectSatellite (a
    // database slot, -1 for none) makes that satellite's entry current.
    CTransponderListDlg(const Database& db, const TransponderList& list, const QString& title, int preselectSatellite,
                        QWidget* parent = nullptr);

    void OnOK();
    // Checks or unchecks the entry at index (as a click on its box does).
    void SetChecked(int index, bool checked);
    // What OK applies, for the entries checked now.
    const ListPlan& Plan() const { return plan; }

    QLineEdit* pFilter;
    QTreeWidget* pEntries;
    QCheckBox* pRemoveUnused;
    QPlainTextEdit* pPreview;
    QAbstractButton* pOkButton = nullptr;

protected:
    // Enter or Down in the filter goes to the first entry it keeps (Enter
    // does not end the dialog there).
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    ListChoice Choice() const;
    void ApplyFilter();
    void UpdatePreview();

    const Database& db;
    const TransponderList& list;
    std::vector<ListRow> aRows;
    ListPlan plan;
};

// Tools > "Check Database…": one row per kind of debris with its count and,
// where there is a fix, a check box (ticked as the fixes run by default);
// each row opens to the records it names, and a double-click (or Enter) on
// one shows it in the main window. "Fix Selected" runs the ticked fixes as
// one step of the editing history, then the check runs again.
#pragma once

#include "DatabaseCheckRows.h"
#include "TrText.h"

#include <QDialog>

#include <array>
#include <functional>
#include <vector>

class CEditZarnDoc;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

inline constexpr TrText kCheckTitle{"CCheckDatabaseDlg", QT_TRANSLATE_NOOP("CCheckDatabaseDlg", "Check Database")};
// The name of the editing step.
inline constexpr TrText kActionCleanDatabase{"CCheckDatabaseDlg",
                                             QT_TRANSLATE_NOOP("CCheckDatabaseDlg", "Clean Database")};
inline constexpr TrText kCheckHint{
    "CCheckDatabaseDlg",
    QT_TRANSLATE_NOOP("CCheckDatabaseDlg", "Tick what to fix. Double-click a record to show it in the main window.")};
inline constexpr TrText kCheckNothingFound{"CCheckDatabaseDlg",
                                           QT_TRANSLATE_NOOP("CCheckDatabaseDlg", "The check found nothing.")};
inline constexpr TrText kCheckListedOnly{"CCheckDatabaseDlg", QT_TRANSLATE_NOOP("CCheckDatabaseDlg", "listed only")};
inline constexpr TrText kCheckFixSelected{"CCheckDatabaseDlg", QT_TRANSLATE_NOOP("CCheckDatabaseDlg", "Fix Selected")};
inline constexpr TrText kCheckColumnFinding{"CCheckDatabaseDlg", QT_TRANSLATE_NOOP("CCheckDatabaseDlg", "Finding")};
inline constexpr TrText kCheckColumnNumber{"CCheckDatabaseDlg", QT_TRANSLATE_NOOP("CCheckDatabaseDlg", "Number")};
inline constexpr TrText kCheckColumnList{"CCheckDatabaseDlg", QT_TRANSLATE_NOOP("CCheckDatabaseDlg", "List")};
inline constexpr TrText kCheckColumnDetail{"CCheckDatabaseDlg", QT_TRANSLATE_NOOP("CCheckDatabaseDlg", "Detail")};

class CCheckDatabaseDlg : public QDialog {
    Q_OBJECT

public:
    explicit CCheckDatabaseDlg(CEditZarnDoc& doc, QWidget* parent = nullptr);

    // Runs the ticked fixes as one editing step, shows the database as it
    // is then and checks again; the ticks stay.
    void OnFixSelected();
    // The row of a kind.
    QTreeWidgetItem* KindItem(CheckKind kind) const;

    // Shows a place (ViewPlace's layout) in the main window; set by the frame.
    std::function<void(const std::vector<int>& place)> fnShowPlace;

    QTreeWidget* pFindings;
    QLabel* pSummary;
    QPushButton* pFix;

private:
    // The fixes whose rows are ticked.
    FixSelection Selection() const;
    // Runs the check and fills the rows.
    void Check();
    void OnActivated(QTreeWidgetItem* pItem);
    void UpdateFixButton();

    CEditZarnDoc& doc;
    DatabaseFindings findings;
    std::array<std::vector<CheckRow>, kCheckKindCount> aRows;
};

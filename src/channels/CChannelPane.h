// The right pane: the filter bar above the channel list. The bar narrows
// the rows the tree's choice lists (name text, FTA or CAS only, locked
// only); Ctrl+F reaches its text box from anywhere in the window.
#pragma once

#include "ChannelFilter.h"
#include "TrText.h"

#include <QWidget>

class CEditZarnDoc;
class CEditZarnView;
class QCheckBox;
class QLineEdit;

inline constexpr TrText kFilterPlaceholder{"CChannelPane", QT_TRANSLATE_NOOP("CChannelPane", "Filter by name")};
inline constexpr TrText kFilterFtaOnly{"CChannelPane", QT_TRANSLATE_NOOP("CChannelPane", "FTA only")};
inline constexpr TrText kFilterCasOnly{"CChannelPane", QT_TRANSLATE_NOOP("CChannelPane", "CAS only")};
inline constexpr TrText kFilterLockedOnly{"CChannelPane", QT_TRANSLATE_NOOP("CChannelPane", "Locked only")};
// Status bar text while a filter hides rows: shown rows of listed rows.
inline constexpr TrText kFilterCount{"CChannelPane", QT_TRANSLATE_NOOP("CChannelPane", "%1 of %2 channels")};
// Status bar text while more than one row is selected.
inline constexpr TrText kSelectedCount{"CChannelPane", QT_TRANSLATE_NOOP("CChannelPane", "%1 selected")};

class CChannelPane : public QWidget {
    Q_OBJECT

public:
    explicit CChannelPane(CEditZarnDoc& doc, QWidget* parent = nullptr);

    CEditZarnView* View() const { return pView; }
    QLineEdit* FilterBox() const { return pText; }
    QCheckBox* FtaOnly() const { return pFtaOnly; }
    QCheckBox* CasOnly() const { return pCasOnly; }
    QCheckBox* LockedOnly() const { return pLockedOnly; }

    // Empties the box and clears the toggles: every listed row shows.
    void ClearFilter();

signals:
    // "N of M channels" while a filter is active, empty otherwise.
    void CountTextChanged(const QString& text);
    // "N selected" while more than one row is selected, empty otherwise.
    void SelectionTextChanged(const QString& text);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    // The controls' state as the list's filter.
    ChannelFilter ReadFilter() const;
    void ApplyFilter();
    void ReportCount();
    void ReportSelection();

    QLineEdit* pText;
    QCheckBox* pFtaOnly;
    QCheckBox* pCasOnly;
    QCheckBox* pLockedOnly;
    CEditZarnView* pView;
};

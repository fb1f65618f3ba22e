// The right pane: the filter bar above the channel list. The bar narrows
// the rows the tree's choice lists (name text, FTA or CAS only, locked
// only); Ctrl+F reaches its text box from anywhere in the window.
#pragma once

#include "ChannelFilter.h"

#include <QWidget>

class CEditZarnDoc;
class CEditZarnView;
class QCheckBox;
class QLineEdit;

inline const QString kFilterPlaceholder = QStringLiteral("Filter by name");
inline const QString kFilterFtaOnly = QStringLiteral("FTA only");
inline const QString kFilterCasOnly = QStringLiteral("CAS only");
inline const QString kFilterLockedOnly = QStringLiteral("Locked only");
// Status bar text while a filter hides rows: shown rows of listed rows.
inline const QString kFilterCount = QStringLiteral("%1 of %2 channels");

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

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    // The controls' state as the list's filter.
    ChannelFilter ReadFilter() const;
    void ApplyFilter();
    void ReportCount();

    QLineEdit* pText;
    QCheckBox* pFtaOnly;
    QCheckBox* pCasOnly;
    QCheckBox* pLockedOnly;
    CEditZarnView* pView;
};

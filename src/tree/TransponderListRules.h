// The rules of the transponder-list dialog, apart from its widgets: what
// each entry's row says, which rows the filter keeps and which start
// checked, the preview of the checked ones, and the status-bar report.
#pragma once

#include "TransponderListOperations.h"
#include "TrText.h"

#include <QString>

#include <vector>

// The file each kind of list is known by.
QString ListFileName(TransponderListKind kind);

struct ListRow {
    QString strName;
    QString strPlace; // satellites: "19.2E Ku", "177.0W C"; cables and terrestrial: the country code
    int iTransponders = 0;
    QString strInDatabase; // satellites: "slot 4" (as the tree counts), "new" or "refused"
    int iSlot = -1;        // the database satellite the entry updates, or -1
};
std::vector<ListRow> ListRows(const Database& db, const TransponderList& list);

// Satellites already in the database start checked; cable networks and
// terrestrial regions are chosen by the user.
bool StartsChecked(const ListRow& row);
// The filter keeps the rows whose name or place contains its text, letter
// case ignored; an empty filter keeps every row.
bool RowMatchesFilter(const ListRow& row, const QString& filter);

// One line per chosen entry, the total, and why nothing can be applied
// when the tables would overflow.
QString PreviewText(const std::vector<ListRow>& rows, const ListPlan& plan);
// The status-bar report after OK.
QString StatusReport(const ListPlan& plan);

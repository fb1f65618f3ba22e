#include "TransponderListRules.h"

#include "ReferenceList.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr TrText kInDatabaseSlot{"TransponderListRules", QT_TRANSLATE_NOOP("TransponderListRules", "slot %1")};
constexpr TrText kInDatabaseNew{"TransponderListRules", QT_TRANSLATE_NOOP("TransponderListRules", "new")};
constexpr TrText kInDatabaseRefused{"TransponderListRules", QT_TRANSLATE_NOOP("TransponderListRules", "refused")};
constexpr TrText kNewSlot{"TransponderListRules", QT_TRANSLATE_NOOP("TransponderListRules", "new slot %1")};
constexpr TrText kPreviewLine{"TransponderListRules", QT_TRANSLATE_NOOP("TransponderListRules", "%1 [%2]: %3")};
constexpr TrText kPreviewLineBare{"TransponderListRules", QT_TRANSLATE_NOOP("TransponderListRules", "%1: %2")};
constexpr TrText kPreviewTotal{"TransponderListRules",
                               QT_TRANSLATE_NOOP("TransponderListRules", "In total: %1 new satellites, %2")};
constexpr TrText kPreviewNothing{"TransponderListRules",
                                 QT_TRANSLATE_NOOP("TransponderListRules", "No entry is checked.")};
constexpr TrText kStatusChanged{
    "TransponderListRules",
    QT_TRANSLATE_NOOP("TransponderListRules",
                      "Transponder list: %1 satellites and %2 transponders added, %3 updated, %4 removed")};
constexpr TrText kStatusNothing{
    "TransponderListRules", QT_TRANSLATE_NOOP("TransponderListRules", "Transponder list: nothing added or updated")};

// The model's summary pattern, translated and filled.
QString SummaryText(const EntryReport& report)
{
    if (report.bRefused)
        return QCoreApplication::translate("TransponderList", kEntryRefusedText);
    QString text = QCoreApplication::translate("TransponderList", kEntrySummaryPattern);
    for (const int count : EntrySummaryCounts(report))
        text = text.arg(count);
    return text;
}

} // namespace

QString ListFileName(TransponderListKind kind)
{
    switch (kind) {
    case TransponderListKind::Satellites: return QStringLiteral("satellites.xml");
    case TransponderListKind::Cables: return QStringLiteral("cables.xml");
    case TransponderListKind::Terrestrial: return QStringLiteral("terrestrial.xml");
    }
    return {};
}

std::vector<ListRow> ListRows(const Database& db, const TransponderList& list)
{
    std::vector<ListRow> rows;
    rows.reserve(list.aEntries.size());
    for (const ListEntry& entry : list.aEntries) {
        ListRow& row = rows.emplace_back();
        row.strName = QString::fromStdString(entry.strName);
        row.iTransponders = int(entry.aTransponders.size());
        if (list.kind != TransponderListKind::Satellites) {
            row.strPlace = QString::fromStdString(entry.strCountry);
            continue;
        }
        const ListSatellitePlace place = PlaceOfEntry(entry);
        if (place.bRefused) {
            row.strPlace = QString::fromStdString(entry.strPosition);
            row.strInDatabase = kInDatabaseRefused;
            continue;
        }
        row.strPlace = QString::fromStdString(PositionText(uint16_t(place.ulAngle), uint8_t(place.bWest))) +
                       (place.bKu ? QStringLiteral(" Ku") : QStringLiteral(" C"));
        row.iSlot = MatchListSatellite(db, entry);
        row.strInDatabase = row.iSlot >= 0 ? kInDatabaseSlot.arg(row.iSlot + 1) : QString(kInDatabaseNew);
    }
    return rows;
}

bool StartsChecked(const ListRow& row) { return row.iSlot >= 0; }

bool RowMatchesFilter(const ListRow& row, const QString& filter)
{
    const QString text = filter.trimmed();
    return row.strName.contains(text, Qt::CaseInsensitive) || row.strPlace.contains(text, Qt::CaseInsensitive);
}

QString PreviewText(const std::vector<ListRow>& rows, const ListPlan& plan)
{
    if (plan.aEntries.empty())
        return kPreviewNothing;
    QStringList lines;
    for (const EntryReport& report : plan.aEntries) {
        const ListRow& row = rows[size_t(report.iEntry)];
        QStringList where;
        if (!row.strPlace.isEmpty())
            where << row.strPlace;
        if (report.iSlot >= 0)
            where << (report.bNewSatellite ? kNewSlot.arg(report.iSlot + 1) : kInDatabaseSlot.arg(report.iSlot + 1));
        lines << (where.isEmpty()
                      ? kPreviewLineBare.arg(row.strName, SummaryText(report))
                      : kPreviewLine.arg(row.strName, where.join(QStringLiteral(", ")), SummaryText(report)));
    }
    lines << kPreviewTotal.arg(QString::number(plan.iNewSatellites), SummaryText(plan.total));
    if (!plan.Fits())
        lines << QCoreApplication::translate("TransponderList", kPlanOverPattern)
                     .arg(plan.iSatellitesOver)
                     .arg(plan.iTranspondersOver);
    return lines.join(QLatin1Char('\n'));
}

QString StatusReport(const ListPlan& plan)
{
    if (!plan.Changes())
        return kStatusNothing;
    return kStatusChanged.arg(plan.iNewSatellites)
        .arg(plan.total.iAdded)
        .arg(plan.total.iUpdated)
        .arg(plan.total.iRemoved);
}

#include "DatabaseCheckRows.h"

#include "BitFields.h"
#include "FavGroupNames.h"
#include "ModelOperations.h"
#include "RecordText.h"
#include "TrText.h"
#include "TreeLabels.h"

#include <QCoreApplication>

#include <map>

namespace {

constexpr TrText kListTv{"DatabaseCheckRows", QT_TRANSLATE_NOOP("DatabaseCheckRows", "TV")};
constexpr TrText kListRadio{"DatabaseCheckRows", QT_TRANSLATE_NOOP("DatabaseCheckRows", "Radio")};
constexpr TrText kListSatellite{"DatabaseCheckRows", QT_TRANSLATE_NOOP("DatabaseCheckRows", "Satellite")};
constexpr TrText kListMissingSatellite{"DatabaseCheckRows", QT_TRANSLATE_NOOP("DatabaseCheckRows", "Satellite %1")};
constexpr TrText kKeeps{"DatabaseCheckRows", QT_TRANSLATE_NOOP("DatabaseCheckRows", "keeps %1")};
constexpr TrText kMissingTransponder{"DatabaseCheckRows",
                                     QT_TRANSLATE_NOOP("DatabaseCheckRows", "transponder id %1 is missing")};
constexpr TrText kNoChannelKey{"DatabaseCheckRows", QT_TRANSLATE_NOOP("DatabaseCheckRows", "no channel with key %1")};
constexpr TrText kRepeatedKey{"DatabaseCheckRows", QT_TRANSLATE_NOOP("DatabaseCheckRows", "repeated key %1")};
constexpr TrText kUsedBy{"DatabaseCheckRows", QT_TRANSLATE_NOOP("DatabaseCheckRows", "used by %1 channels")};
constexpr TrText kUnused{"DatabaseCheckRows", QT_TRANSLATE_NOOP("DatabaseCheckRows", "unused")};
constexpr TrText kChosenOf{"DatabaseCheckRows", QT_TRANSLATE_NOOP("DatabaseCheckRows", "transponder %1 chosen of %2")};
constexpr TrText kEmptyNameText{"DatabaseCheckRows", QT_TRANSLATE_NOOP("DatabaseCheckRows", "empty name")};
constexpr TrText kControlBytesText{"DatabaseCheckRows", QT_TRANSLATE_NOOP("DatabaseCheckRows", "control bytes")};
constexpr TrText kStoredCount{"DatabaseCheckRows", QT_TRANSLATE_NOOP("DatabaseCheckRows", "count %1")};

constexpr char16_t kShownForControlByte = u'\uFFFD';

QString TableName(bool radio) { return radio ? kListRadio : kListTv; }

// A stored name as the views show it, control bytes as replacement
// characters so that no line or cell breaks.
QString ShownName(std::string_view bytes)
{
    QString name = FromRecordText(bytes);
    for (QChar& c : name)
        if (c.unicode() < 0x20)
            c = QChar(kShownForControlByte);
    return name;
}

QString KeyText(uint32_t key) { return QStringLiteral("0x%1").arg(key, 8, 16, QLatin1Char('0')); }

// Each transponder's position in its tree row and the rows the tree shows;
// left empty for the kinds whose rows name no transponder.
struct TransponderPlaces {
    std::vector<int> aiPosition;
    TransponderRows shown;

    TransponderPlaces() = default;
    explicit TransponderPlaces(const Database& db) : shown(BuildTransponderRows(db))
    {
        std::map<int, int> counts;
        for (int slot = 0, n = TransponderCount(db); slot < n; ++slot)
            aiPosition.push_back(counts[TransponderRow(db.TransponderTable[size_t(slot)])]++);
    }
};

// The kinds whose rows are transponders or count a satellite's transponders.
bool NamesTransponders(CheckKind kind)
{
    switch (kind) {
    case CheckKind::OrphanTransponders:
    case CheckKind::DuplicateTransponders:
    case CheckKind::EmptyTransponders:
    case CheckKind::ChosenTransponders: return true;
    default: return false;
    }
}

CheckRow ChannelRow(const Database& db, bool radio, int slot)
{
    CheckRow row;
    row.strName = ShownName(FieldText(ChannelTable(db, radio)[size_t(slot)].acName));
    row.strList = TableName(radio);
    row.iNumber = slot + 1;
    row.iMode = radio ? 1 : 0;
    row.aiPath = {kRootChannelList};
    row.iChannel = slot;
    return row;
}

CheckRow TransponderRowOf(const Database& db, const TransponderPlaces& places, int slot)
{
    const TransponderRecord& tp = db.TransponderTable[size_t(slot)];
    const int row = TransponderRow(tp);
    const int position = places.aiPosition[size_t(slot)];
    CheckRow result;
    result.strName = QString::fromStdString(TransponderLabel(tp, row, position));
    result.iNumber = slot + 1;
    const int root = RootOfRow(row);
    if (root != kRootSatellite)
        result.strList = QCoreApplication::translate("TreeLabels", kRootTexts[size_t(root)]);
    else if (row >= 0 && row < db.header.sSatNumber)
        result.strList = FromRecordText(FieldText(db.SatelliteTable[size_t(row)].acSatName));
    else
        result.strList = kListMissingSatellite.arg(TpSatIndex(tp) + 1);
    // A row the tree shows lists all its records, one it hides none.
    if (row >= 0 && !places.shown[size_t(row)].empty())
        result.aiPath =
            root == kRootSatellite ? std::vector<int>{root, row, position} : std::vector<int>{root, position};
    return result;
}

CheckRow GroupRow(const Database& db, bool radio, int group, int number)
{
    CheckRow row;
    row.strName = FromRecordText(FavGroupLabel(db, group));
    row.strList = TableName(radio);
    row.iNumber = number;
    row.iMode = radio ? 1 : 0;
    row.aiPath = {kRootFavList, group};
    return row;
}

CheckRow RowOf(const Database& db, const TransponderPlaces& places, CheckKind kind, const CheckRecord& record)
{
    switch (kind) {
    case CheckKind::DuplicateChannels: {
        CheckRow row = ChannelRow(db, record.bRadio, record.iIndex);
        row.strDetail = kKeeps.arg(record.iValue + 1);
        return row;
    }
    case CheckKind::OrphanChannels: {
        CheckRow row = ChannelRow(db, record.bRadio, record.iIndex);
        row.strDetail = kMissingTransponder.arg(record.iValue);
        return row;
    }
    case CheckKind::BadNames: {
        CheckRow row = ChannelRow(db, record.bRadio, record.iIndex);
        row.strDetail = record.ucReason == kEmptyName ? kEmptyNameText : kControlBytesText;
        return row;
    }
    case CheckKind::StaleFavourites: {
        CheckRow row = GroupRow(db, record.bRadio, record.iIndex, record.iValue + 1);
        const uint32_t key =
            FavGroupLists(db.FavGroupTable[size_t(record.iIndex)])[record.bRadio ? 1 : 0][size_t(record.iValue)];
        row.strDetail = (record.ucReason == kNoChannel ? kNoChannelKey : kRepeatedKey).arg(KeyText(key));
        return row;
    }
    case CheckKind::DamagedCounts: {
        CheckRow row = GroupRow(db, record.bRadio, record.iIndex, record.iIndex + 1);
        row.strDetail = kStoredCount.arg(record.iValue);
        return row;
    }
    case CheckKind::OrphanTransponders: {
        CheckRow row = TransponderRowOf(db, places, record.iIndex);
        row.strDetail = record.iValue > 0 ? kUsedBy.arg(record.iValue) : QString(kUnused);
        return row;
    }
    case CheckKind::DuplicateTransponders: {
        CheckRow row = TransponderRowOf(db, places, record.iIndex);
        row.strDetail = kKeeps.arg(record.iValue + 1);
        return row;
    }
    case CheckKind::EmptyTransponders: return TransponderRowOf(db, places, record.iIndex);
    case CheckKind::ChosenTransponders: {
        CheckRow row;
        const SatelliteRecord& sat = db.SatelliteTable[size_t(record.iIndex)];
        row.strName = FromRecordText(FieldText(sat.acSatName));
        row.strList = kListSatellite;
        row.iNumber = record.iIndex + 1;
        row.aiPath = {kRootSatellite, record.iIndex};
        row.strDetail = kChosenOf.arg(record.iValue + 1).arg(places.shown[size_t(record.iIndex)].size());
        return row;
    }
    }
    return {};
}

} // namespace

std::vector<int> CheckRow::Place(int currentMode) const
{
    std::vector<int> place{iMode < 0 ? currentMode : iMode, int(aiPath.size())};
    place.insert(place.end(), aiPath.begin(), aiPath.end());
    if (iChannel >= 0)
        place.push_back(iChannel);
    return place;
}

QString CheckKindName(CheckKind kind) { return QCoreApplication::translate("DatabaseCheck", KindInfo(kind).pszName); }

std::vector<CheckRow> CheckRows(const Database& db, const DatabaseFindings& findings, CheckKind kind)
{
    const std::vector<CheckRecord>& records = findings.Of(kind);
    if (records.empty())
        return {};
    const TransponderPlaces places = NamesTransponders(kind) ? TransponderPlaces(db) : TransponderPlaces();
    std::vector<CheckRow> rows;
    for (const CheckRecord& record : records)
        rows.push_back(RowOf(db, places, kind, record));
    return rows;
}

QString CheckRecordLine(CheckKind kind, const CheckRow& row)
{
    return QStringList{QString::fromLatin1(KindInfo(kind).pszTag), row.strList, QString::number(row.iNumber),
                       row.strName, row.strDetail}
        .join(QLatin1Char('\t'));
}

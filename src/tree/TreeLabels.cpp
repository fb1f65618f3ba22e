#include "TreeLabels.h"

#include "BitFields.h"
#include "FavGroupNames.h"
#include "OptionNames.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {

__attribute__((format(printf, 1, 2))) std::string Format(const char* format, ...)
{
    char buffer[160];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return std::string(buffer, size_t(std::clamp(length, 0, int(sizeof buffer) - 1)));
}

std::string Name(std::span<const char* const> names, uint32_t index) { return std::string(OptionName(names, index)); }

} // namespace

int TransponderRow(const TransponderRecord& tp)
{
    switch (TpKind(tp)) {
    case kTpSatellite: return TpSatIndex(tp) < uint32_t(kMaxSatellites) ? int(TpSatIndex(tp)) : -1;
    case kTpTerrestrial: return kTerrestrialRow;
    case kTpIsdbt: return kIsdbRow;
    default: return kCableRow;
    }
}

int CategoryRow(int rootPosition)
{
    switch (rootPosition) {
    case kRootTerrestrial: return kTerrestrialRow;
    case kRootCable: return kCableRow;
    case kRootIsdb: return kIsdbRow;
    default: return -1;
    }
}

int RootOfRow(int row)
{
    switch (row) {
    case kTerrestrialRow: return kRootTerrestrial;
    case kCableRow: return kRootCable;
    case kIsdbRow: return kRootIsdb;
    default: return kRootSatellite;
    }
}

bool CategoryShown(const Database& db, int row)
{
    switch (row) {
    case kTerrestrialRow: return db.bHasTerrestrial != 0;
    case kIsdbRow: return db.bHasIsdbt != 0;
    case kCableRow: return db.bHasCable != 0;
    default: return false;
    }
}

TransponderRows BuildTransponderRows(const Database& db)
{
    TransponderRows rows;
    const int satellites = SatelliteCount(db);
    for (int i = 0, n = TransponderCount(db); i < n; ++i) {
        const int row = TransponderRow(db.TransponderTable[size_t(i)]);
        if ((row >= 0 && row < satellites) || CategoryShown(db, row))
            rows[size_t(row)].push_back(i);
    }
    return rows;
}

std::vector<int> RowRecords(const Database& db, int row)
{
    std::vector<int> records;
    for (int i = 0, n = TransponderCount(db); i < n; ++i)
        if (TransponderRow(db.TransponderTable[size_t(i)]) == row)
            records.push_back(i);
    return records;
}

std::string LnbText(const SatelliteRecord& sat)
{
    const unsigned low = sat.usLnbLow, high = sat.usLnbHigh;
    if (!SatKuBand(sat)) {
        if (low == high)
            return Format("%05u", low);
        return Format("%04u/%04u", low, high);
    }
    if (low != high)
        return high == 10600 ? "Universal" : high == 10750 ? "9750/10750" : "9750/10700";
    for (unsigned single : {9750u, 10600u, 10700u, 10750u, 11250u, 11300u, 11475u})
        if (low == single)
            return std::to_string(low);
    return {};
}

std::string SatelliteLabel(const SatelliteRecord& sat, int position)
{
    std::string label = Format("| %d | ", position + 1);
    label += FieldText(sat.acSatName);
    label += " | " + LnbText(sat) + " | " + Name(kDiseqcNames, SatDiseqc(sat)) + " |";
    switch (SatMotor(sat)) {
    case 1: label += " Motor | "; break;
    case 2: label += " Usal | "; break;
    default: break;
    }
    return label;
}

std::string SatTransponderLabel(const TransponderRecord& tp, int position)
{
    return Format("%d | %u | %s | %u | %s", position + 1, unsigned(tp.usFreq),
                  Name(kPolarisationNames, TpPolarisation(tp)).c_str(), unsigned(tp.usSymRate),
                  Name(kFecNames, TpFec(tp)).c_str());
}

std::string TerrestrialLabel(const TransponderRecord& tp, int position)
{
    return Format("%d | %u | %uM", position + 1, TpUlFreq(tp), 6 + TpBandwidth(tp));
}

std::string CableLabel(const TransponderRecord& tp, int position)
{
    return Format("%d | %u | %u", position + 1, unsigned(tp.usFreq), unsigned(tp.usSymRate));
}

std::string TransponderLabel(const TransponderRecord& tp, int row, int position)
{
    if (row == kCableRow)
        return CableLabel(tp, position);
    if (row == kTerrestrialRow || row == kIsdbRow)
        return TerrestrialLabel(tp, position);
    return SatTransponderLabel(tp, position);
}

std::string DeleteQuestionLine(const TransponderRecord& tp, int row, int position)
{
    if (row == kTerrestrialRow || row == kIsdbRow)
        return Format("%d | %u | %u M", position + 1, TpUlFreq(tp), 6 + TpBandwidth(tp));
    return TransponderLabel(tp, row, position);
}

std::vector<TreeLine> TreeOutline(const Database& db)
{
    const TransponderRows rows = BuildTransponderRows(db);
    std::vector<TreeLine> lines;
    const auto addRow = [&](int row, int depth) {
        const std::vector<int>& records = rows[size_t(row)];
        for (size_t p = 0; p < records.size(); ++p)
            lines.push_back({depth, TransponderLabel(db.TransponderTable[size_t(records[p])], row, int(p))});
    };
    for (int root = 0; root < int(kRootTexts.size()); ++root) {
        lines.push_back({0, kRootTexts[size_t(root)]});
        if (root == kRootSatellite) {
            for (int s = 0, n = SatelliteCount(db); s < n; ++s) {
                lines.push_back({1, SatelliteLabel(db.SatelliteTable[size_t(s)], s)});
                addRow(s, 2);
            }
        } else if (root == kRootFavList) {
            for (int g = 0, n = FavGroupCount(db); g < n; ++g)
                lines.push_back({1, FavGroupLabel(db, g)});
        } else if (const int row = CategoryRow(root); row >= 0) {
            addRow(row, 1);
        }
    }
    return lines;
}

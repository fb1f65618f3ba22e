// The channel operations written the plain, slow way: record by record, as
// the list's commands were first described. Tests compare the real
// operations with them; benchmarks run them as the baseline.
#pragma once

#include "BitFields.h"
#include "ChannelOperations.h"
#include "ModelOperations.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace reference {

inline ChannelRecord& RowRecord(Database& db, bool radio, const std::vector<int>& rowMap, int row)
{
    return ChannelTable(db, radio)[size_t(rowMap[size_t(row)])];
}

// Bubble sort over the listed rows: names with their letter case folded,
// compared as unsigned bytes up to their end.
inline void BubbleSortByName(Database& db, bool radio, const std::vector<int>& rowMap, bool descending)
{
    const auto upper = [](const ChannelRecord& c) {
        std::string name(FieldText(c.acName));
        for (char& ch : name)
            ch = char(FoldLetterCase(static_cast<unsigned char>(ch)));
        return name;
    };
    const int n = int(rowMap.size());
    for (int i = 0; i + 1 < n; ++i)
        for (int j = 0; j < n - 1 - i; ++j) {
            ChannelRecord& a = RowRecord(db, radio, rowMap, j);
            ChannelRecord& b = RowRecord(db, radio, rowMap, j + 1);
            const int c = upper(a).compare(upper(b)); // std::string compares bytes unsigned
            if (descending ? c < 0 : c > 0)
                std::swap(a, b);
        }
}

// One pass over the table per transponder id (or satellite index); the
// channels no pass collects follow in their order.
template <typename KeyOf>
void PassSort(Database& db, bool radio, int keys, KeyOf keyOf)
{
    auto& table = ChannelTable(db, radio);
    const int count = ChannelCount(db, radio);
    std::vector<ChannelRecord> sorted;
    for (int v = 0; v < keys; ++v)
        for (int i = 0; i < count; ++i)
            if (keyOf(i) == v)
                sorted.push_back(table[size_t(i)]);
    for (int i = 0; i < count; ++i)
        if (keyOf(i) < 0 || keyOf(i) >= keys)
            sorted.push_back(table[size_t(i)]);
    std::copy(sorted.begin(), sorted.end(), table.begin());
}

inline void SortByTransponder(Database& db, bool radio)
{
    PassSort(db, radio, kSortedTpIds, [&](int i) { return int(ChannelTable(db, radio)[size_t(i)].usTpId); });
}

inline void SortBySatellite(Database& db, bool radio)
{
    PassSort(db, radio, kSortedSatellites, [&](int i) { return FindSatOfChannel(db, i, radio ? 0 : 1); });
}

// Removes the channels one by one, each time moving all later records down.
inline void DeleteOneByOne(Database& db, bool radio, std::vector<int> channels)
{
    auto& table = ChannelTable(db, radio);
    for (size_t k = 0; k < channels.size(); ++k) {
        const int count = ChannelCount(db, radio);
        for (int i = channels[k]; i + 1 < count; ++i)
            table[size_t(i)] = table[size_t(i) + 1];
        for (int& index : channels)
            --index;
        ChannelCount(db, radio) = int16_t(count - 1);
    }
}

// Moves the selected rows (ascending) to row t one at a time, shifting the
// rows between; the target follows the block. Returns false where this way
// of moving breaks up the block: a selected row equal to the current target
// is skipped without the target moving on, so it does not stay in place and
// rows moved after it land before it.
inline bool MoveRows(Database& db, bool radio, const std::vector<int>& rowMap, const std::vector<int>& selected, int t)
{
    int adj = 0;
    bool down = false;
    bool skipped = false;
    for (int s : selected) {
        int r = s;
        if (r == t) {
            skipped = true;
            continue;
        }
        if (r < t) {
            r += adj;
            --adj;
            if (r < 0)
                r = 0;
            const ChannelRecord saved = RowRecord(db, radio, rowMap, r);
            for (int p = r; p < t; ++p)
                RowRecord(db, radio, rowMap, p) = RowRecord(db, radio, rowMap, p + 1);
            RowRecord(db, radio, rowMap, t) = saved;
            down = true;
        } else {
            if (down) {
                ++t;
                down = false;
            }
            const ChannelRecord saved = RowRecord(db, radio, rowMap, r);
            for (int p = r; p > t; --p)
                RowRecord(db, radio, rowMap, p) = RowRecord(db, radio, rowMap, p - 1);
            RowRecord(db, radio, rowMap, t) = saved;
            ++t;
        }
    }
    return !skipped || selected.size() == 1;
}

// The list's rows for a satellite, looking up each channel's transponder.
inline std::vector<int> RowsOfSatellite(const Database& db, bool radio, int satellite)
{
    const auto onSatelliteTp = [&](int i) {
        const uint16_t tpId = ChannelTable(db, radio)[size_t(i)].usTpId;
        for (int t = 0; t < db.header.sTpNumber; ++t)
            if (TpId(db.TransponderTable[size_t(t)]) == tpId)
                return TpKind(db.TransponderTable[size_t(t)]) == kTpSatellite;
        return false;
    };
    std::vector<int> rows;
    for (int i = 0; i < ChannelCount(db, radio); ++i)
        if (FindSatOfChannel(db, i, radio ? 0 : 1) == satellite && onSatelliteTp(i))
            rows.push_back(i);
    return rows;
}

} // namespace reference

#include "ColumnSort.h"

#include "ChannelOperations.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

void SetText(ColumnSortKey& key, std::string_view text)
{
    key.ucLength = uint8_t(std::min(text.size(), key.acText.size()));
    for (size_t k = 0; k < key.ucLength; ++k)
        key.acText[k] = FoldLetterCase(static_cast<unsigned char>(text[k]));
}

// The natural order of two folded texts (see the header).
int CompareNatural(const ColumnSortKey& a, const ColumnSortKey& b)
{
    const unsigned char* pa = a.acText.data();
    const unsigned char* pb = b.acText.data();
    const size_t na = a.ucLength, nb = b.ucLength;
    size_t i = 0, j = 0;
    while (i < na && j < nb) {
        if (!IsDigit(pa[i]) || !IsDigit(pb[j])) {
            if (pa[i] != pb[j])
                return pa[i] < pb[j] ? -1 : 1;
            ++i, ++j;
            continue;
        }
        // Two runs of digits: the one with more digits after its leading
        // zeros is the larger number; with as many, the first digit that
        // differs decides.
        while (i < na && pa[i] == '0')
            ++i;
        while (j < nb && pb[j] == '0')
            ++j;
        size_t ei = i, ej = j;
        while (ei < na && IsDigit(pa[ei]))
            ++ei;
        while (ej < nb && IsDigit(pb[ej]))
            ++ej;
        if (ei - i != ej - j)
            return ei - i < ej - j ? -1 : 1;
        if (const int c = std::memcmp(pa + i, pb + j, ei - i))
            return c < 0 ? -1 : 1;
        i = ei, j = ej;
    }
    return int(i < na) - int(j < nb);
}

} // namespace

ColumnSortKey MakeColumnSortKey(const Database& db, bool radio, const TpSlotIndex& tpSlots, RowFilter filter, int row,
                                int channel, int column)
{
    ColumnSortKey key;
    if (column == kColumnIndex) {
        key.iNumber = IndexNumber(filter, row, channel);
        return key;
    }
    if (channel < 0 || channel >= UsedChannels(db, radio))
        return key;
    const ChannelRecord& record = ChannelTable(db, radio)[size_t(channel)];
    if (IsNumberColumn(column))
        key.iNumber = ChannelNumber(column, record);
    else if (column == kColumnSatellite)
        SetText(key, SatelliteCell(db, TpIdEntry(tpSlots, record.usTpId)));
    else
        SetText(key, FormatRowCell(db, radio, filter, row, channel, column));
    return key;
}

int CompareColumnKeys(const ColumnSortKey& a, const ColumnSortKey& b, int column)
{
    if (IsNumberColumn(column))
        return a.iNumber < b.iNumber ? -1 : a.iNumber > b.iNumber ? 1 : 0;
    return CompareNatural(a, b);
}

std::vector<int> ColumnSortOrder(const Database& db, bool radio, RowFilter filter, std::span<const int> rowMap,
                                 int column, bool descending)
{
    const TpSlotIndex tpSlots = IndexTransponders(db);
    std::vector<ColumnSortKey> keys(rowMap.size());
    for (size_t p = 0; p < rowMap.size(); ++p)
        keys[p] = MakeColumnSortKey(db, radio, tpSlots, filter, int(p), rowMap[p], column);
    std::vector<int> order(rowMap.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = CompareColumnKeys(keys[size_t(a)], keys[size_t(b)], column);
        return descending ? c > 0 : c < 0;
    });
    return order;
}

// The sort by a column against a plain reference: random tables whose names
// mix letter case, Latin-1 letters, runs of digits with and without leading
// zeros; every column; the list of all channels, a satellite's list and a
// favourite group's list, each also shortened by a filter.
#include "BitFields.h"
#include "ChannelCells.h"
#include "ChannelFilter.h"
#include "ChannelOperations.h"
#include "ColumnSort.h"
#include "DatabaseBuilders.h"
#include "ModelOperations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <random>
#include <string>

namespace {

// A text as natural order sees it: single bytes (folded), and runs of
// digits, each one piece holding the number without its leading zeros and
// the run's first byte.
struct Piece {
    bool bNumber;
    std::string strDigits;
    unsigned char ucFirst;
};

std::vector<Piece> Pieces(const std::string& text)
{
    std::vector<Piece> pieces;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!std::isdigit(c)) {
            pieces.push_back({false, {}, FoldLetterCase(c)});
            ++i;
            continue;
        }
        const size_t end = text.find_first_not_of("0123456789", i);
        std::string digits = text.substr(i, end - i);
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
        pieces.push_back({true, digits, c});
        i = end == std::string::npos ? text.size() : end;
    }
    return pieces;
}

int Sign(int v) { return (v > 0) - (v < 0); }

int ReferenceCompare(const std::string& a, const std::string& b)
{
    const std::vector<Piece> pa = Pieces(a), pb = Pieces(b);
    for (size_t k = 0; k < pa.size() && k < pb.size(); ++k) {
        if (pa[k].bNumber && pb[k].bNumber) {
            if (pa[k].strDigits.size() != pb[k].strDigits.size())
                return pa[k].strDigits.size() < pb[k].strDigits.size() ? -1 : 1;
            if (const int c = pa[k].strDigits.compare(pb[k].strDigits))
                return Sign(c);
        } else if (pa[k].ucFirst != pb[k].ucFirst) {
            return pa[k].ucFirst < pb[k].ucFirst ? -1 : 1;
        }
    }
    return Sign(int(pa.size()) - int(pb.size()));
}

// The order of the listed rows by the texts the list shows: numbers parsed
// back from the cells, a stable sort that keeps equal rows in order.
std::vector<int> ReferenceOrder(const Database& db, bool radio, RowFilter filter, const std::vector<int>& rows,
                                int column, bool descending)
{
    const std::vector<int> numberColumns = {kColumnIndex,  kColumnVideoPid, kColumnAudioPid,
                                            kColumnPcrPid, kColumnTxtPid,   kColumnServiceId};
    const bool number = std::find(numberColumns.begin(), numberColumns.end(), column) != numberColumns.end();
    std::vector<std::string> texts;
    for (size_t p = 0; p < rows.size(); ++p)
        texts.push_back(FormatRowCell(db, radio, filter, int(p), rows[p], column));
    const auto compare = [&](int a, int b) {
        const std::string &ta = texts[size_t(a)], &tb = texts[size_t(b)];
        if (!number)
            return ReferenceCompare(ta, tb);
        const long long na = ta.empty() ? -1 : std::stoll(ta), nb = tb.empty() ? -1 : std::stoll(tb);
        return (na > nb) - (na < nb);
    };
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return descending ? compare(a, b) > 0 : compare(a, b) < 0; });
    return order;
}

// Names that natural order and the letter case folding tell apart.
std::string RandomName(std::mt19937& rng)
{
    static const char* const kWords[] = {"Cinema",    "cinema", "CINEMA", "\xC9t\xE9",
                                         "\xE9T\xC9", "Zoo",    "zo",     "Sport-"};
    static const char* const kNumbers[] = {"2", "10", "007", "7", "0", "00", "123456789012345678901", "9"};
    std::string name = kWords[rng() % std::size(kWords)];
    for (int k = int(rng() % 3); k > 0; --k)
        name += std::string(rng() % 2 ? " " : "") + kNumbers[rng() % std::size(kNumbers)];
    return name.substr(0, kChannelNameSize);
}

TEST(ColumnSortTest, ListedRowsTakeTheOrderOfThePlainReference)
{
    auto db = std::make_unique<Database>();
    auto before = std::make_unique<Database>();
    std::vector<int> rowMap(kMaxChannels);
    for (int seed = 0; seed < 150; ++seed) {
        std::mt19937 rng(seed);
        FillRandomDatabase(*db, rng);
        for (bool radio : {false, true})
            for (int i = 0; i < ChannelCount(*db, radio); ++i)
                SetChannelName(ChannelTable(*db, radio)[size_t(i)], RandomName(rng));
        for (int s = 0; s < db->header.sSatNumber; ++s)
            std::strncpy(db->SatelliteTable[size_t(s)].acSatName, RandomName(rng).c_str(), 16);
        const bool radio = rng() % 2;
        const int column = int(rng() % kListColumnCount);
        const bool descending = rng() % 2;
        struct List {
            RowFilter filter;
            int value;
        };
        const List list = std::array<List, 3>{{{RowFilter::All, 0},
                                               {RowFilter::Satellite, int(rng() % 3)},
                                               {RowFilter::FavGroup, int(rng() % kMaxFavGroups)}}}[rng() % 3];
        ChannelFilter filter;
        if (rng() % 2)
            filter.strText = rng() % 2 ? "C" : "\xE9";
        int rows = FillRowMap(*db, radio, list.filter, list.value, rowMap);
        rows = FilterRowMap(*db, radio, filter, {rowMap.data(), size_t(rows)});
        const std::vector<int> listed(rowMap.begin(), rowMap.begin() + rows);
        std::vector<int> whole(kMaxChannels);
        whole.resize(size_t(FillRowMap(*db, radio, list.filter, list.value, whole)));
        *before = *db;

        const std::vector<int> order = ColumnSortOrder(*db, radio, list.filter, listed, column, descending);
        ASSERT_EQ(order, ReferenceOrder(*before, radio, list.filter, listed, column, descending))
            << "seed " << seed << " column " << column;
        if (list.filter == RowFilter::FavGroup)
            continue; // a group's list takes an order as the favourite order test checks
        // The listed rows take the places the listed rows held; the others keep theirs.
        std::vector<int> expected = whole;
        for (size_t p = 0, k = 0; p < whole.size(); ++p)
            if (k < listed.size() && whole[p] == listed[k])
                expected[p] = listed[size_t(order[k++])];
        ReorderRows(*db, radio, listed, order);
        for (size_t p = 0; p < whole.size(); ++p)
            EXPECT_EQ(0, std::memcmp(&ChannelTable(*db, radio)[size_t(whole[p])],
                                     &ChannelTable(*before, radio)[size_t(expected[p])], sizeof(ChannelRecord)))
                << "seed " << seed << " row " << p;
    }
}

} // namespace

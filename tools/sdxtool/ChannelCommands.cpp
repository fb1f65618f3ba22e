// The commands that sort and list the channels of a database as the
// editor's channel list does.
#include "ToolCommand.h"
#include "ToolFiles.h"

#include "ChannelCells.h"
#include "ChannelOperations.h"
#include "RecordText.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <memory>
#include <numeric>
#include <optional>
#include <vector>

namespace {

std::optional<int> IntArg(const std::string& text, int min, int max)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < min || value > max)
        return std::nullopt;
    return value;
}

struct ListFilter {
    RowFilter filter = RowFilter::All;
    int iValue = 0;
};

// The one filter of list (--satellite N, --transponder ID or --fav G) as the
// row map takes it; false (with the reason printed) for a second filter or a
// value out of range.
bool ReadFilter(const ToolArgs& args, ListFilter& result)
{
    struct ValueOption {
        const char* pszName;
        RowFilter filter;
        int min, max, offset; // the typed value minus offset is stored
    };
    static constexpr ValueOption kFilters[] = {
        {"satellite", RowFilter::Satellite, 1, kMaxSatellites, 1},
        {"transponder", RowFilter::Transponder, 0, 65535, 0},
        {"fav", RowFilter::FavGroup, 1, kMaxFavGroups, 1},
    };
    bool filtered = false;
    for (const ValueOption& option : kFilters) {
        if (!args.IsSet(option.pszName))
            continue;
        if (filtered) {
            std::fprintf(stderr, "sdxtool list: give only one of --satellite, --transponder and --fav\n");
            return false;
        }
        const std::optional<int> value = IntArg(args.Value(option.pszName), option.min, option.max);
        if (!value) {
            std::fprintf(stderr, "sdxtool list: --%s needs a number from %d to %d\n", option.pszName, option.min,
                         option.max);
            return false;
        }
        filtered = true;
        result = {option.filter, *value - option.offset};
    }
    return true;
}

int RunSort(const ToolArgs& args)
{
    static const std::string kKeys[] = {"name-az", "name-za", "tp", "sat"};
    const auto key = std::find(std::begin(kKeys), std::end(kKeys), args.Value("by"));
    if (key == std::end(kKeys)) {
        std::fprintf(stderr, "sdxtool sort: give IN, OUT and --by name-az, name-za, tp or sat\n");
        return kExitBadInput;
    }
    auto db = std::make_unique<Database>();
    if (const int rc = LoadOrReport(*db, args[0]))
        return rc;
    const bool radio = args.IsSet("radio");
    std::vector<int> allRows(size_t(UsedChannels(*db, radio)));
    std::iota(allRows.begin(), allRows.end(), 0);
    switch (key - std::begin(kKeys)) {
    case 0: SortRowsByName(*db, radio, allRows, false); break;
    case 1: SortRowsByName(*db, radio, allRows, true); break;
    case 2: SortChannelsByTransponder(*db, radio); break;
    case 3: SortChannelsBySatellite(*db, radio); break;
    }
    return SaveOrReport(*db, args[1]);
}

int RunList(const ToolArgs& args)
{
    ListFilter filter;
    if (!ReadFilter(args, filter))
        return kExitBadInput;
    auto db = std::make_unique<Database>();
    if (const int rc = LoadOrReport(*db, args[0]))
        return rc;
    if (filter.filter == RowFilter::Satellite && filter.iValue >= db->header.sSatNumber) {
        std::fprintf(stderr, "sdxtool list: there is no satellite %d; %s has %d\n", filter.iValue + 1, args[0].c_str(),
                     int(db->header.sSatNumber));
        return kExitBadInput;
    }
    const bool radio = args.IsSet("radio");
    std::vector<int> rowMap(kMaxChannels);
    const int rows = FillRowMap(*db, radio, filter.filter, filter.iValue, rowMap);
    for (int row = 0; row < rows; ++row) {
        QString line;
        for (int column = 0; column < kChannelColumnCount; ++column) {
            const std::string cell = FormatRowCell(*db, radio, filter.filter, row, rowMap[size_t(row)], column);
            if (column > 0)
                line += QLatin1Char('\t');
            line += FromRecordText(cell);
        }
        std::printf("%s\n", line.toUtf8().constData());
    }
    return kExitOk;
}

} // namespace

std::vector<ToolCommand> ChannelToolCommands()
{
    return {
        {"sort", "sort IN --by name-az|name-za|tp|sat [--radio] OUT",
         "Sorts the TV (or, with --radio, the radio) channels of IN as the editor's sort commands do on the list "
         "of all channels: by name A to Z or Z to A (letter case ignored, equal names keep their order), by "
         "transponder id or by satellite (channels without one come last); then writes OUT as Save As does.",
         RunSort},
        {"list", "list IN [--radio] [--satellite N | --transponder ID | --fav G]",
         "Prints the rows the editor's channel list shows for IN, one line each, the ten cells separated by tabs "
         "(names as UTF-8, each byte read as Latin-1): all TV (or radio) channels, or those of satellite N "
         "(numbered from 1 as in the tree), of transponder id ID, or of favourite group G (1 to 8) in the order the "
         "group keeps them.",
         RunList},
    };
}

#include "FavGroupNames.h"

#include <algorithm>

namespace {

constexpr char kUnnamedGroup[] = "FAV ";

} // namespace

int FavGroupCount(const Database& db) { return std::clamp<int>(db.header.sFavNumber, 0, kMaxFavGroups); }

std::string FavGroupLabel(const Database& db, int g)
{
    const std::string_view name = FavName(db, g);
    return name.empty() ? kUnnamedGroup + std::to_string(g + 1) : std::string(name);
}

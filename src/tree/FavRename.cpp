#include "FavRename.h"

#include <algorithm>
#include <cstring>

std::string FilterFavName(std::string_view text)
{
    std::string kept;
    for (const char c : text) {
        const auto byte = uint8_t(c);
        if ((byte >= 0x1F && byte <= 0x7F) || byte == 0xB0 || (byte >= 0xC0 && byte <= 0xFE))
            kept += c;
    }
    return kept;
}

int RenameFavGroup(Database& db, int group, std::string_view text)
{
    if (group < 0 || group >= kMaxFavGroups)
        return -1;
    const std::string name = FilterFavName(text).substr(0, kFavNameMaxChars);
    char* slot = reinterpret_cast<char*>(db.SettingsBlock.data() + kFavNamePos + kFavNameSize * group);
    std::memcpy(slot, name.data(), name.size());
    slot[name.size()] = 0;
    return 1;
}

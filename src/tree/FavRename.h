// Renaming a favourite group: the typed name is kept only in the bytes the
// receiver can show and stored NUL-terminated in the group's name slot.
#pragma once

#include "Database.h"

#include <string>
#include <string_view>

inline constexpr int kFavNameMaxChars = kFavNameSize - 1;

// The bytes of text the receiver shows: 0x1F-0x7F, 0xB0 and 0xC0-0xFE.
std::string FilterFavName(std::string_view text);

// Stores the filtered text (at most 15 bytes) with its NUL in group's slot.
// Returns 1, or -1 for a group outside 0..7.
int RenameFavGroup(Database& db, int group, std::string_view text);

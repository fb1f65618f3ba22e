// The favourite groups as the editor names them: the groups the file holds
// and the label each one shows in the tree, the menus and the channel dialog.
#pragma once

#include "Database.h"

#include <string>

// Groups held by the database (sFavNumber, clipped to 0..8).
int FavGroupCount(const Database& db);

// The stored name of group g (bytes up to the first NUL, at most 16), or
// "FAV n" (n = g + 1) where the name is empty.
std::string FavGroupLabel(const Database& db, int g);

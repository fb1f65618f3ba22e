// Marks a text of the Qt-free libraries that the window shows translated.
// The text stays exactly as written (sdxtool and the files use it so);
// lupdate collects it under context (scripts/update-translations), and the
// view that shows it looks it up with QCoreApplication::translate(context, text).
#pragma once

#include <span>
#include <string>
#include <string_view>

#define TRANSLATABLE(context, text) text

// A marked pattern whose %1 .. %9 stand for counts, filled as the window's
// QString::arg fills the translated one: for the untranslated form.
std::string FillCountPattern(std::string_view pattern, std::span<const int> counts);

// Marks a text of the Qt-free libraries that the window shows translated.
// The text stays exactly as written (sdxtool and the files use it so);
// lupdate collects it under context (scripts/update-translations), and the
// view that shows it looks it up with QCoreApplication::translate(context, text).
#pragma once

#define TRANSLATABLE(context, text) text

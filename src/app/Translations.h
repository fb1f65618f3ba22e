// The translations of the window: the editor's own texts, compiled into the
// program as a resource, and Qt's texts (standard buttons, file and print
// dialogs) from Qt's translation folder, both chosen by the locale.
#pragma once

#include <QLocale>

class QCoreApplication;

// The resource folder the editor's .qm files are compiled into.
inline constexpr char kTranslationResourceDir[] = ":/translations";

// Walks locale's languages in order of preference and installs on app the
// translators of the first one the editor is translated into. English, the
// language of the source texts, ends the walk with none installed, so a
// user who prefers English over German sees English.
void InstallTranslators(QCoreApplication& app, const QLocale& locale = QLocale());

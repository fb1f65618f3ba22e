// The main window's layout kept in the settings between runs, in a group of
// its own: window size and position, splitter position and the channel
// list's column widths and shown columns. Values that do not fit are ignored
// on restore.
#pragma once

#include <QString>

class CMainFrame;
class QSettings;

inline const QString kLayoutGroup = QStringLiteral("Window Layout");

void RestoreWindowLayout(QSettings& settings, CMainFrame& frame);
void SaveWindowLayout(QSettings& settings, const CMainFrame& frame);

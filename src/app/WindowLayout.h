// The main window's layout kept in the settings between runs, in a group of
// its own: window size and position, splitter position and the channel
// list's column widths and shown columns. Values that do not fit are ignored
// on restore.
#pragma once

#include <QMargins>
#include <QRect>
#include <QString>

class CMainFrame;
class QSettings;

inline const QString kLayoutGroup = QStringLiteral("Window Layout");

void RestoreWindowLayout(QSettings& settings, CMainFrame& frame);
void SaveWindowLayout(QSettings& settings, const CMainFrame& frame);

// The window of a first start: about 80% of the screen's free area, centred.
QRect FirstStartGeometry(const QRect& available);
// A window geometry (inside a window frame of the given margins) fitted into
// the screen's free area: shrunk where it is larger (a geometry kept on a
// larger screen or at a smaller scale factor), then moved inside it.
QRect FittedGeometry(const QRect& geometry, const QRect& available, const QMargins& frame);

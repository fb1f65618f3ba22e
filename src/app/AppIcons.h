// The toolbar, menu and application icons, drawn in code on a 16 x 16 grid.
#pragma once

#include <QIcon>

// The icon of a toolbar command; null for a command without one.
QIcon CommandIcon(int id);
QIcon ApplicationIcon();

// The toolbar, menu and application icons, drawn in code on a 16 x 16 grid.
#pragma once

#include <QIcon>
#include <QImage>

// The icon of a toolbar command; null for a command without one.
QIcon CommandIcon(int id);
QIcon ApplicationIcon();

// The application picture at size x size pixels, for the icon files the
// desktop uses (data/editzarn.svg is the same picture by hand); a null image
// for a size outside 1..kMaxApplicationImageSize.
inline constexpr int kMaxApplicationImageSize = 1024;
QImage ApplicationImage(int size);

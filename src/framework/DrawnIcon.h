// Icons drawn in code on a 16 x 16 grid. They are rendered at the size and
// device pixel ratio they are shown at, so they stay sharp on a screen scaled
// to 2x (QT_SCALE_FACTOR=2) as at 1x.
#pragma once

#include <QIcon>
#include <QImage>

#include <functional>

class QPainter;

using IconDrawing = std::function<void(QPainter&)>;

// The drawing at size x size pixels on a transparent ground.
QImage RenderDrawing(const IconDrawing& draw, int size);

// An icon that renders draw at each size asked of it, and selectedDraw (when
// given) while its item is selected; the disabled form is derived from it
// as for any icon.
QIcon DrawnIcon(const IconDrawing& draw, const IconDrawing& selectedDraw = {});

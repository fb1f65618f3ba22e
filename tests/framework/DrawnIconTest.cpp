// Drawn icons at every size and pixel ratio they are asked for: the pixels are
// those of the drawing rendered at that many device pixels, not an enlarged
// smaller picture.
#include "DrawnIcon.h"

#include "TestApplication.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A diagonal line of one unit on the 16 grid: its edges show any scaling.
void DrawDiagonal(QPainter& p)
{
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(1, 1), QPointF(15, 15));
}

void DrawBlock(QPainter& p) { p.fillRect(QRectF(4, 4, 8, 8), Qt::red); }

QImage Pixels(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); }

TEST(DrawnIcon, RendersAtTheDevicePixelsOfEachSizeAndRatio)
{
    EnsureApplication();
    const QIcon icon = DrawnIcon(DrawDiagonal, DrawBlock);
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 22, 32})
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            const int pixels = qRound(size * ratio);
            const QPixmap normal = icon.pixmap(QSize(size, size), ratio);
            EXPECT_EQ(QSize(pixels, pixels), normal.size()) << size << " " << ratio;
            EXPECT_DOUBLE_EQ(ratio, normal.devicePixelRatio()) << size << " " << ratio;
            EXPECT_EQ(RenderDrawing(DrawDiagonal, pixels), Pixels(normal)) << size << " " << ratio;
            EXPECT_EQ(RenderDrawing(DrawBlock, pixels), Pixels(icon.pixmap(QSize(size, size), ratio, QIcon::Selected)))
                << size << " " << ratio;
            EXPECT_NE(Pixels(normal), Pixels(icon.pixmap(QSize(size, size), ratio, QIcon::Disabled)));
        }
}

// Painted into a 2x image, as a widget on a scaled screen paints it.
TEST(DrawnIcon, PaintsAtThePainterDevicesRatio)
{
    EnsureApplication();
    QImage target(64, 64, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(2.0);
    target.fill(Qt::transparent);
    QPainter painter(&target);
    DrawnIcon(DrawDiagonal).paint(&painter, QRect(0, 0, 32, 32));
    painter.end();
    target.setDevicePixelRatio(1.0);
    EXPECT_EQ(RenderDrawing(DrawDiagonal, 64), target);
}

} // namespace

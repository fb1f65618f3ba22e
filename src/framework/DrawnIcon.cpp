#include "DrawnIcon.h"

#include <QIconEngine>
#include <QMap>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <utility>

namespace {

class DrawnIconEngine : public QIconEngine {
public:
    DrawnIconEngine(IconDrawing draw, IconDrawing selectedDraw)
        : drawNormal(std::move(draw)), drawSelected(std::move(selectedDraw))
    {
    }

    // Drawn at the device pixels the painter's device has for rect.
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const int side = std::min(rect.width(), rect.height());
        const QRect square(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side, side);
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap pixmap = this->pixmap(square.size() * ratio, mode, state);
        pixmap.setDevicePixelRatio(ratio);
        painter->drawPixmap(square, pixmap);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    // QIcon asks for the size times the screen's pixel ratio and marks the
    // pixmap with the ratio itself.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        if (side < 1)
            return {};
        const std::pair<int, int> key(side, int(mode));
        QPixmap pixmap = cache.value(key);
        if (pixmap.isNull()) {
            const IconDrawing& draw = mode == QIcon::Selected && drawSelected ? drawSelected : drawNormal;
            pixmap = QPixmap::fromImage(RenderDrawing(draw, side));
            // Qt's own engine derives the greyed-out form the style asks for.
            if (mode == QIcon::Disabled)
                pixmap = QIcon(pixmap).pixmap(pixmap.size(), 1.0, QIcon::Disabled);
            cache.insert(key, pixmap);
        }
        return pixmap;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(*this); }
    QString key() const override { return QStringLiteral("DrawnIconEngine"); }
    bool isNull() override { return false; }

private:
    IconDrawing drawNormal, drawSelected;
    QMap<std::pair<int, int>, QPixmap> cache; // (device pixels, mode) -> pixmap
};

} // namespace

QImage RenderDrawing(const IconDrawing& draw, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    draw(painter);
    painter.end();
    return image;
}

QIcon DrawnIcon(const IconDrawing& draw, const IconDrawing& selectedDraw)
{
    return QIcon(new DrawnIconEngine(draw, selectedDraw));
}

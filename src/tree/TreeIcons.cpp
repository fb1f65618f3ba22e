#include "TreeIcons.h"

#include "DrawnIcon.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace {

const QColor kOutline(0x30, 0x30, 0x30);
const QColor kDish(0xb8, 0xb8, 0xc0);
const QColor kHighlight(0xf0, 0xc0, 0x40);
const QColor kBlue(0x20, 0x60, 0xc0);
const QColor kGreen(0x20, 0x90, 0x30);
const QColor kRed(0xd0, 0x20, 0x20);

QPen Pen(const QColor& color, qreal width = 1.0)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A receiving dish on its foot; the selected form has a lit face.
void DrawDish(QPainter& p, const QColor& face)
{
    p.setPen(Pen(kOutline));
    p.setBrush(face);
    QPainterPath bowl;
    bowl.moveTo(2.5, 1.5);
    bowl.cubicTo(0.5, 7, 5, 12, 12.5, 11);
    bowl.closeSubpath();
    p.drawPath(bowl);
    p.drawLine(QPointF(7.5, 6.5), QPointF(12.5, 2.5));
    p.drawLine(QPointF(7, 11.5), QPointF(5, 15.5));
    p.drawLine(QPointF(3, 15.5), QPointF(10, 15.5));
}

// Signal bars of a transponder.
void DrawBars(QPainter& p, const QColor& bars)
{
    p.setPen(Pen(kOutline));
    p.setBrush(bars);
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(1.5 + 3.5 * i, 12.5 - 3 * i, 2.5, 3 + 3 * i));
}

void DrawGlobe(QPainter& p)
{
    p.setPen(Pen(kBlue.darker(140)));
    p.setBrush(kBlue.lighter(150));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4.5, 0.5, 7, 15));
    p.drawLine(QPointF(0.5, 8), QPointF(15.5, 8));
    p.drawLine(QPointF(8, 0.5), QPointF(8, 15.5));
}

void DrawSatellite(QPainter& p)
{
    p.setPen(Pen(kOutline));
    p.setBrush(kBlue);
    p.drawRect(QRectF(0.5, 5.5, 5, 5));
    p.drawRect(QRectF(10.5, 5.5, 5, 5));
    p.setBrush(kHighlight);
    p.drawRect(QRectF(6, 5, 4, 6));
    p.drawLine(QPointF(5.5, 8), QPointF(6, 8));
    p.drawLine(QPointF(10, 8), QPointF(10.5, 8));
    p.drawLine(QPointF(8, 11), QPointF(8, 14.5));
}

void DrawList(QPainter& p)
{
    p.setPen(Pen(kOutline));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 0.5, 13, 15));
    for (int i = 0; i < 5; ++i) {
        p.fillRect(QRectF(3, 2.5 + 2.5 * i, 2, 1.5), kBlue);
        p.fillRect(QRectF(6, 2.5 + 2.5 * i, 7, 1.5), kOutline);
    }
}

void DrawStar(QPainter& p)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 ? 3.2 : 7.5, angle = M_PI / 5 * i - M_PI / 2;
        star << QPointF(8 + radius * std::cos(angle), 8.5 + radius * std::sin(angle));
    }
    p.setPen(Pen(kOutline));
    p.setBrush(kHighlight);
    p.drawPolygon(star);
}

// A transmitting mast; mark colours the waves at its top.
void DrawMast(QPainter& p, const QColor& mark)
{
    p.setPen(Pen(kOutline));
    p.drawLine(QPointF(8, 6.5), QPointF(4, 15.5));
    p.drawLine(QPointF(8, 6.5), QPointF(12, 15.5));
    p.drawLine(QPointF(5.8, 11.5), QPointF(10.2, 11.5));
    p.setPen(Pen(mark, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 3.5, 6, 6), 35 * 16, 110 * 16);
    p.drawArc(QRectF(2, 0.8, 12, 11), 45 * 16, 90 * 16);
}

void DrawCable(QPainter& p)
{
    p.setPen(Pen(kOutline));
    p.setBrush(kDish);
    p.drawRect(QRectF(4.5, 0.5, 7, 7));
    p.setBrush(kHighlight);
    p.drawRect(QRectF(7, 7.5, 2, 2));
    p.setPen(Pen(kOutline, 2));
    QPainterPath lead;
    lead.moveTo(8, 9.5);
    lead.cubicTo(8, 15, 2, 11, 2, 15.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(lead);
}

using Drawing = void (*)(QPainter&);
const std::array<Drawing, kTreeImageCount> kDrawings = {
    [](QPainter& p) { DrawDish(p, kDish.darker(120)); },
    [](QPainter& p) { DrawDish(p, kDish); },
    [](QPainter& p) { DrawDish(p, kHighlight); },
    [](QPainter& p) { DrawBars(p, kGreen); },
    [](QPainter& p) { DrawBars(p, kHighlight); },
    DrawGlobe,
    DrawSatellite,
    DrawList,
    DrawStar,
    [](QPainter& p) { DrawMast(p, kGreen); },
    DrawCable,
    [](QPainter& p) { DrawMast(p, kRed); },
};

} // namespace

QPixmap TreeImage(int index)
{
    if (index < 0 || index >= kTreeImageCount) {
        QPixmap blank(kTreeImageSize, kTreeImageSize);
        blank.fill(Qt::transparent);
        return blank;
    }
    return QPixmap::fromImage(RenderDrawing(kDrawings[size_t(index)], kTreeImageSize));
}

QIcon TreeNodeIcon(int image, int selectedImage)
{
    const auto drawing = [](int index) -> IconDrawing {
        if (index < 0 || index >= kTreeImageCount)
            return [](QPainter&) {};
        return kDrawings[size_t(index)];
    };
    return DrawnIcon(drawing(image), drawing(selectedImage));
}

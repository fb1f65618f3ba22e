#include "AppIcons.h"

#include "CommandIds.h"
#include "DrawnIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kOutline(0x30, 0x30, 0x30);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kFolder(0xf0, 0xc0, 0x40);
const QColor kBlue(0x20, 0x60, 0xc0);
const QColor kGreen(0x20, 0x90, 0x30);
const QColor kRed(0xd0, 0x20, 0x20);
const QColor kScreen(0x40, 0x80, 0xd0);
const QColor kCabinet(0x70, 0x70, 0x70);

QPen Pen(const QColor& color, qreal width = 1.0)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A TV set with a screen of the given colour: the channel commands draw on it.
void DrawTvSet(QPainter& p, const QColor& screen = kScreen)
{
    p.setPen(Pen(kOutline));
    p.setBrush(kCabinet);
    p.drawRoundedRect(QRectF(0.5, 3.5, 15, 10), 1.5, 1.5);
    p.setBrush(screen);
    p.drawRect(QRectF(2.5, 5.5, 11, 6));
    p.drawLine(QPointF(5.5, 0.5), QPointF(8, 3.5));
    p.drawLine(QPointF(10.5, 0.5), QPointF(8, 3.5));
    p.drawLine(QPointF(4, 13.5), QPointF(3, 15.5));
    p.drawLine(QPointF(12, 13.5), QPointF(13, 15.5));
}

void DrawNew(QPainter& p)
{
    QPainterPath page;
    page.moveTo(2.5, 0.5);
    page.lineTo(9.5, 0.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 15.5);
    page.lineTo(2.5, 15.5);
    page.closeSubpath();
    p.setPen(Pen(kOutline));
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(9.5, 0.5), QPointF(9.5, 4.5), QPointF(13.5, 4.5)}));
}

void DrawOpen(QPainter& p)
{
    p.setPen(Pen(kOutline));
    p.setBrush(kFolder.darker(115));
    p.drawPolygon(QPolygonF({QPointF(0.5, 2.5), QPointF(5.5, 2.5), QPointF(7, 4.5), QPointF(13.5, 4.5),
                             QPointF(13.5, 14.5), QPointF(0.5, 14.5)}));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({QPointF(3, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 14.5), QPointF(0.5, 14.5)}));
}

void DrawSave(QPainter& p)
{
    p.setPen(Pen(kOutline));
    p.setBrush(kBlue);
    p.drawPolygon(
        QPolygonF({QPointF(0.5, 0.5), QPointF(13, 0.5), QPointF(15.5, 3), QPointF(15.5, 15.5), QPointF(0.5, 15.5)}));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 0.5, 9, 6));
    p.setBrush(QColor(0xc0, 0xc0, 0xc0));
    p.drawRect(QRectF(3.5, 9.5, 9, 6));
    p.fillRect(QRectF(9, 1.5, 2, 4), kOutline);
}

void DrawAdd(QPainter& p)
{
    DrawTvSet(p);
    p.setPen(Pen(QColor(Qt::white), 2));
    p.drawLine(QPointF(8, 6.5), QPointF(8, 10.5));
    p.drawLine(QPointF(6, 8.5), QPointF(10, 8.5));
}

void DrawEdit(QPainter& p)
{
    DrawTvSet(p);
    // A pencil across the screen.
    p.setPen(Pen(kOutline));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({QPointF(14, 5), QPointF(15.5, 6.5), QPointF(8, 14), QPointF(6.5, 12.5)}));
    p.setBrush(kOutline);
    p.drawPolygon(QPolygonF({QPointF(6.5, 12.5), QPointF(8, 14), QPointF(5.5, 15)}));
}

void DrawMove(QPainter& p)
{
    p.setPen(Pen(kBlue, 2));
    p.drawLine(QPointF(8, 2), QPointF(8, 14));
    p.setPen(Pen(kBlue, 1));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({QPointF(8, 0.5), QPointF(12.5, 5), QPointF(3.5, 5)}));
    p.drawPolygon(QPolygonF({QPointF(8, 15.5), QPointF(12.5, 11), QPointF(3.5, 11)}));
}

void DrawDelete(QPainter& p)
{
    DrawTvSet(p, QColor(0xe8, 0xe8, 0xe8));
    p.setPen(Pen(kRed, 2));
    p.drawLine(QPointF(5, 6.5), QPointF(11, 10.5));
    p.drawLine(QPointF(11, 6.5), QPointF(5, 10.5));
}

void DrawAbout(QPainter& p)
{
    p.setPen(Pen(kBlue.darker(130)));
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Pen(QColor(Qt::white), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(5.5, 5.5);
    hook.cubicTo(5.5, 2.5, 10.5, 2.5, 10.5, 5.5);
    hook.cubicTo(10.5, 7.5, 8, 7.5, 8, 9.5);
    p.drawPath(hook);
    p.drawPoint(QPointF(8, 12.5));
}

// Two letters, one above the other, with an arrow pointing down beside them.
void DrawSort(QPainter& p, QChar top, QChar bottom)
{
    QFont font;
    font.setPixelSize(7);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kOutline);
    p.drawText(QRectF(0, 0, 9, 8), Qt::AlignCenter, top);
    p.drawText(QRectF(0, 8, 9, 8), Qt::AlignCenter, bottom);
    p.setPen(Pen(kGreen, 1.5));
    p.drawLine(QPointF(12.5, 1.5), QPointF(12.5, 12));
    p.setPen(Pen(kGreen));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({QPointF(12.5, 15.5), QPointF(15.5, 11), QPointF(9.5, 11)}));
}

void DrawTv(QPainter& p) { DrawTvSet(p); }

void DrawRadio(QPainter& p)
{
    p.setPen(Pen(kOutline));
    p.drawLine(QPointF(3.5, 5.5), QPointF(13.5, 0.5));
    p.setBrush(QColor(0xa0, 0x60, 0x30));
    p.drawRoundedRect(QRectF(0.5, 5.5, 15, 9.5), 1.5, 1.5);
    p.setBrush(QColor(0xe0, 0xd0, 0xb0));
    p.drawEllipse(QRectF(2.5, 7.5, 6, 6));
    p.setPen(Pen(kOutline.lighter(150)));
    p.drawLine(QPointF(3.5, 10.5), QPointF(7.5, 10.5));
    p.drawLine(QPointF(5.5, 8.5), QPointF(5.5, 12.5));
    p.setPen(Pen(kOutline));
    p.setBrush(kFolder);
    p.drawRect(QRectF(10.5, 8.5, 3, 2));
    p.drawEllipse(QRectF(11, 11.5, 2, 2));
}

// A TV set receiving a signal, on a blue tile.
void DrawApplication(QPainter& p)
{
    p.setPen(Pen(kBlue.darker(150)));
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    p.setPen(Pen(kOutline));
    p.setBrush(QColor(0xf0, 0xf0, 0xf0));
    p.drawRoundedRect(QRectF(2.5, 7.5, 11, 7), 1, 1);
    p.setBrush(kScreen.lighter(140));
    p.drawRect(QRectF(4, 9, 8, 4));
    p.setPen(Pen(QColor(Qt::white), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 3.5, 8, 8), 45 * 16, 90 * 16);
    p.drawArc(QRectF(1.5, 1, 13, 13), 50 * 16, 80 * 16);
}

} // namespace

QIcon CommandIcon(int id)
{
    switch (id) {
    case ID_FILE_NEW: return DrawnIcon(DrawNew);
    case ID_FILE_OPEN: return DrawnIcon(DrawOpen);
    case ID_FILE_SAVE: return DrawnIcon(DrawSave);
    case ID_CHANNEL_ADD: return DrawnIcon(DrawAdd);
    case ID_CHANNEL_EDIT: return DrawnIcon(DrawEdit);
    case ID_CHANNEL_MOVE: return DrawnIcon(DrawMove);
    case ID_CHANNEL_DELETE: return DrawnIcon(DrawDelete);
    case ID_APP_ABOUT: return DrawnIcon(DrawAbout);
    case ID_SORT_AZ: return DrawnIcon([](QPainter& p) { DrawSort(p, 'A', 'Z'); });
    case ID_SORT_ZA: return DrawnIcon([](QPainter& p) { DrawSort(p, 'Z', 'A'); });
    case ID_VIEW_TV: return DrawnIcon(DrawTv);
    case ID_VIEW_RADIO: return DrawnIcon(DrawRadio);
    }
    return {};
}

QIcon ApplicationIcon() { return DrawnIcon(DrawApplication); }

QImage ApplicationImage(int size)
{
    if (size < 1 || size > kMaxApplicationImageSize)
        return {};
    return RenderDrawing(DrawApplication, size);
}

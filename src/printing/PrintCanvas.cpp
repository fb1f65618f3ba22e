#include "PrintCanvas.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

constexpr double kPointsPerInch = 72;
// Installed with the build's dependencies, for a system without a
// fixed-pitch font of its own.
const QString kLastFixedFamily = QStringLiteral("DejaVu Sans Mono");
// Lines are 1/300 inch wide on every device.
constexpr double kLinesPerInch = 300;

QFont::StyleHint QtHint(FontHint hint)
{
    switch (hint) {
    case FontHint::Cursive: return QFont::Cursive;
    case FontHint::FixedPitch: return QFont::TypeWriter;
    case FontHint::SansSerif: return QFont::SansSerif;
    case FontHint::Any: break;
    }
    return QFont::AnyStyle;
}

// QFontInfo reads the pitch from the font's description, which some
// monospaced fonts leave out; equal advances of a narrow and a wide letter
// settle it.
bool IsFixedPitch(const QFont& font)
{
    if (QFontInfo(font).fixedPitch())
        return true;
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(QLatin1Char('i')) == metrics.horizontalAdvance(QLatin1Char('W'));
}

} // namespace

QFont ResolvePrintFont(const PrintFont& font, double pointSize)
{
    QFont qfont(font.strFamily);
    qfont.setStyleHint(QtHint(font.hint));
    if (font.hint == FontHint::FixedPitch) {
        qfont.setFixedPitch(true);
        if (!IsFixedPitch(qfont))
            qfont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        if (!IsFixedPitch(qfont))
            qfont = QFont(kLastFixedFamily);
    }
    qfont.setBold(font.bBold);
    if (font.bCellHeight) {
        // The em that gives the resolved family a cell of pointSize, measured
        // at a size where hinting does not matter, on a 72 dpi surface (a
        // pixel there is a point).
        constexpr double kMeasuredPoints = 100;
        QImage surface(1, 1, QImage::Format_Mono);
        surface.setDotsPerMeterX(qRound(kPointsPerInch / 0.0254));
        surface.setDotsPerMeterY(qRound(kPointsPerInch / 0.0254));
        qfont.setPointSizeF(kMeasuredPoints);
        const QFontMetricsF metrics(qfont, &surface);
        if (const double cell = metrics.ascent() + metrics.descent(); cell > 0)
            pointSize *= kMeasuredPoints / cell;
    }
    qfont.setPointSizeF(std::max(pointSize, 0.1));
    return qfont;
}

QPainterCanvas::QPainterCanvas(QPainter& painter)
    : painter(painter), dDeviceDpi(painter.device()->logicalDpiY()), dUnits(dDeviceDpi)
{
    const QFont initial = painter.font();
    const double height = initial.pointSizeF() > 0 ? initial.pointSizeF() * dUnits / kPointsPerInch
                                                   : initial.pixelSize() * dUnits / dDeviceDpi;
    font = {initial.family(), FontHint::Any, height, initial.bold()};
    dAscent = QFontMetricsF(initial, painter.device()).ascent();
    painter.setPen(QPen(Qt::black, std::max(1.0, dDeviceDpi / kLinesPerInch)));
}

void QPainterCanvas::SetUnitsPerInch(double units)
{
    const double height = font.dHeight / dUnits; // inches, kept across the change
    dUnits = units > 0 ? units : dDeviceDpi;
    dScale = dDeviceDpi / dUnits;
    font.dHeight = height * dUnits;
}

QSizeF QPainterCanvas::PageSize() const
{
    return QSizeF(painter.device()->width() / dScale, painter.device()->height() / dScale);
}

void QPainterCanvas::SetFont(const PrintFont& newFont)
{
    font = newFont;
    const QFont qfont = ResolvePrintFont(font, font.dHeight * kPointsPerInch / dUnits);
    painter.setFont(qfont);
    dAscent = QFontMetricsF(qfont, painter.device()).ascent();
}

void QPainterCanvas::DrawText(double x, double y, const QString& text)
{
    painter.drawText(QPointF(x * dScale, y * dScale + dAscent), text);
}

void QPainterCanvas::DrawLine(double x1, double y1, double x2, double y2)
{
    painter.drawLine(QPointF(x1 * dScale, y1 * dScale), QPointF(x2 * dScale, y2 * dScale));
}

void QPainterCanvas::DrawImage(double x, double y, const QImage& image)
{
    const QSizeF size = image.deviceIndependentSize();
    painter.drawImage(QRectF(x * dScale, y * dScale, size.width() * dScale, size.height() * dScale), image);
}

int PrintPages(QPagedPaintDevice& device, IPrintout& printout, int first, int last)
{
    QPainter painter;
    if (!painter.begin(&device))
        return -1;
    QPainterCanvas canvas(painter);
    const int pages = printout.BeginPrinting(canvas);
    first = std::max(first, 1);
    last = last <= 0 ? pages : std::min(last, pages);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device.newPage();
        printout.PrintPage(canvas, page);
    }
    painter.end();
    return pages;
}

// The surface a printout draws on. Coordinates and font heights count in
// logical units of 1/UnitsPerInch() inch from the top-left corner of the
// printable area, whatever the device's own resolution, so a page looks the
// same on paper, in the preview and in a PDF.
#pragma once

#include <QFont>
#include <QImage>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

enum class FontHint { Any, Cursive, FixedPitch, SansSerif };

struct PrintFont {
    QString strFamily;
    FontHint hint = FontHint::Any;
    double dHeight = 0; // character (em) height in logical units
    bool bBold = false;
    // dHeight is the cell height (ascent + descent, the em and the internal
    // leading), as a positive font height asks of the printing device.
    bool bCellHeight = false;
    bool operator==(const PrintFont&) const = default;
};

class IPrintCanvas {
public:
    virtual ~IPrintCanvas() = default;

    // Logical units per inch from now on; the page size follows.
    virtual void SetUnitsPerInch(double units) = 0;
    virtual double UnitsPerInch() const = 0;
    // The printable area in logical units.
    virtual QSizeF PageSize() const = 0;

    virtual PrintFont Font() const = 0;
    virtual void SetFont(const PrintFont& font) = 0;
    // text with the top of its line at y.
    virtual void DrawText(double x, double y, const QString& text) = 0;
    virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
    // image at its size in (device-independent) pixels, one per logical unit.
    virtual void DrawImage(double x, double y, const QImage& image) = 0;
};

// What a pane prints. BeginPrinting lays the job out for the canvas and
// returns the page count; PrintPage draws page 1..count.
class IPrintout {
public:
    virtual ~IPrintout() = default;
    virtual int BeginPrinting(IPrintCanvas& canvas) = 0;
    virtual void PrintPage(IPrintCanvas& canvas, int page) = 0;
    // Pages the preview shows side by side.
    virtual int PreviewPages() const = 0;
};

// The canvas over a painter that is active on a printer, a PDF writer or
// the preview. A fixed-pitch font that the system resolves to a proportional
// one is replaced by the system's fixed-pitch font.
class QPainterCanvas : public IPrintCanvas {
public:
    explicit QPainterCanvas(QPainter& painter);

    void SetUnitsPerInch(double units) override;
    double UnitsPerInch() const override { return dUnits; }
    QSizeF PageSize() const override;
    PrintFont Font() const override { return font; }
    void SetFont(const PrintFont& newFont) override;
    void DrawText(double x, double y, const QString& text) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawImage(double x, double y, const QImage& image) override;

private:
    QPainter& painter;
    double dDeviceDpi;
    double dUnits;
    double dScale = 1;  // device pixels per logical unit
    double dAscent = 0; // of the current font, device pixels
    PrintFont font;
};

// The Qt font for a print font at pointSize (the cell height in points for
// a font with bCellHeight). With FontHint::FixedPitch the result is always
// fixed-pitch.
QFont ResolvePrintFont(const PrintFont& font, double pointSize);

// Draws pages first..last of printout on device (1-based, clamped to the
// page count; last 0 means to the end), a new device page between two.
// Returns the page count, or -1 when the device cannot be painted on.
int PrintPages(QPagedPaintDevice& device, IPrintout& printout, int first = 1, int last = 0);

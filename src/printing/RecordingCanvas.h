// A canvas that draws nothing and records every call, for tests and for
// laying a job out before a dialog shows its page range.
#pragma once

#include "PrintCanvas.h"

#include <vector>

class RecordingCanvas : public IPrintCanvas {
public:
    enum class Kind { Text, Line, Image };
    struct Item {
        Kind kind;
        double dX, dY;
        QString strText; // Text
        double dX2, dY2; // Line
        QImage image;    // Image
        PrintFont font;  // the font selected when it was drawn
    };

    // pageInches: the printable area; units: the logical units per inch at
    // the start; initial: the font selected at the start.
    explicit RecordingCanvas(QSizeF pageInches, double units = 300, PrintFont initial = {"Default", FontHint::Any, 40})
        : pageInches(pageInches), dUnits(units), font(initial)
    {
    }

    void SetUnitsPerInch(double units) override
    {
        font.dHeight = font.dHeight / dUnits * units;
        dUnits = units;
    }
    double UnitsPerInch() const override { return dUnits; }
    QSizeF PageSize() const override { return pageInches * dUnits; }
    PrintFont Font() const override { return font; }
    void SetFont(const PrintFont& newFont) override { font = newFont; }
    void DrawText(double x, double y, const QString& text) override
    {
        items.push_back({Kind::Text, x, y, text, 0, 0, {}, font});
    }
    void DrawLine(double x1, double y1, double x2, double y2) override
    {
        items.push_back({Kind::Line, x1, y1, {}, x2, y2, {}, font});
    }
    void DrawImage(double x, double y, const QImage& image) override
    {
        items.push_back({Kind::Image, x, y, {}, 0, 0, image, font});
    }

    std::vector<Item> items;

private:
    QSizeF pageInches;
    double dUnits;
    PrintFont font;
};

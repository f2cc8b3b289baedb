// A canvas that draws through cairo onto any cairo surface (image, SVG, PDF). SheetView maps
// sheet coordinates (y up) onto the device (y down) by one uniform scale. Lines are lineWidth
// device units wide with round joins; texts are DejaVu Sans. The canvas does not own the cairo
// context; an SVG picture's text layer (when given) hears of every text drawn.
#pragma once
#include "render/Canvas.h"
#include "render/TextMetrics.h"

namespace vthost {

class SvgTextLayer;

struct SheetView {
    double scale = 1.0;
    double offsetX = 0.0, offsetY = 0.0;  // where the sheet's (0,0) lands on the device

    AcGePoint2d toDevice(const AcGePoint2d& p) const { return {offsetX + p.x * scale, offsetY - p.y * scale}; }
    // min..max fitted into width x height with a margin on every side (a fraction of each
    // side), centred; a box without width or height counts as one unit wide and high.
    static SheetView fitting(const AcGePoint2d& min, const AcGePoint2d& max, double width, double height,
                             double margin);
};

class CairoCanvas : public Canvas {
public:
    CairoCanvas(cairo_t* cr, const SheetView& view, const TextMetrics& metrics, double lineWidth,
                SvgTextLayer* textLayer = nullptr);

    void stroke(const Outline& points, bool closed, Rgb color) override;
    void fill(const Outline& polygon, Rgb color) override;
    void text(const TextRun& run, Rgb color) override;
    void clip(const AcGePoint2d& min, const AcGePoint2d& max) override;
    void unclip() override;

private:
    void setColor(Rgb color);
    // The points as a path; false when there are none or one is not a finite number.
    bool tracePath(const Outline& points, bool closed);

    cairo_t* m_cr;
    SheetView m_view;
    const TextMetrics& m_metrics;
    SvgTextLayer* m_textLayer;
    bool m_clipped = false;
};

}  // namespace vthost

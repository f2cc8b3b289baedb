#include "render/CairoCanvas.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "render/SvgTextLayer.h"

namespace vthost {

namespace {

// Texts smaller than this (in device units) cannot be read and are left out; far larger ones
// would only fill the picture with one glyph's corner.
constexpr double kSmallestFont = 0.5;
constexpr double kLargestFont = 100000.0;

double fitScale(double extent, double room) { return extent > 0.0 ? room / extent : room; }

}  // namespace

SheetView SheetView::fitting(const AcGePoint2d& min, const AcGePoint2d& max, double width, double height,
                             double margin) {
    double roomX = width * (1.0 - 2.0 * margin), roomY = height * (1.0 - 2.0 * margin);
    double extentX = max.x - min.x, extentY = max.y - min.y;
    if (extentX <= 0.0 && extentY <= 0.0) extentX = extentY = 1.0;
    SheetView view;
    view.scale = std::min(fitScale(extentX, roomX), fitScale(extentY, roomY));
    double centreX = (min.x + max.x) / 2.0, centreY = (min.y + max.y) / 2.0;
    view.offsetX = width / 2.0 - centreX * view.scale;
    view.offsetY = height / 2.0 + centreY * view.scale;
    return view;
}

CairoCanvas::CairoCanvas(cairo_t* cr, const SheetView& view, const TextMetrics& metrics, double lineWidth,
                         SvgTextLayer* textLayer)
    : m_cr(cr), m_view(view), m_metrics(metrics), m_textLayer(textLayer) {
    cairo_set_line_width(m_cr, lineWidth > 0.0 && std::isfinite(lineWidth) ? lineWidth : 1.0);
    cairo_set_line_join(m_cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(m_cr, CAIRO_LINE_CAP_ROUND);
    usePictureFont(m_cr);
}

void CairoCanvas::setColor(Rgb color) {
    cairo_set_source_rgb(m_cr, color.r / 255.0, color.g / 255.0, color.b / 255.0);
}

bool CairoCanvas::tracePath(const Outline& points, bool closed) {
    if (points.empty()) return false;
    for (const AcGePoint2d& p : points)
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    cairo_new_path(m_cr);
    AcGePoint2d first = m_view.toDevice(points.front());
    cairo_move_to(m_cr, first.x, first.y);
    for (std::size_t i = 1; i < points.size(); ++i) {
        AcGePoint2d p = m_view.toDevice(points[i]);
        cairo_line_to(m_cr, p.x, p.y);
    }
    if (points.size() == 1) cairo_line_to(m_cr, first.x, first.y);  // a spot: round caps draw it
    if (closed) cairo_close_path(m_cr);
    return true;
}

void CairoCanvas::stroke(const Outline& points, bool closed, Rgb color) {
    if (!tracePath(points, closed)) return;
    setColor(color);
    cairo_stroke(m_cr);
}

void CairoCanvas::fill(const Outline& polygon, Rgb color) {
    if (polygon.size() < 3 || !tracePath(polygon, true)) return;
    setColor(color);
    cairo_fill(m_cr);
}

void CairoCanvas::text(const TextRun& run, Rgb color) {
    PlacedText placed;
    if (!m_metrics.place(run, placed)) return;
    double fontSize = placed.fontSize * m_view.scale;
    if (!(fontSize >= kSmallestFont) || fontSize > kLargestFont) return;
    AcGePoint2d origin = m_view.toDevice(placed.origin);
    cairo_save(m_cr);
    cairo_translate(m_cr, origin.x, origin.y);
    cairo_rotate(m_cr, -placed.rotation);  // the device's y runs down
    cairo_matrix_t stretch;
    cairo_matrix_init(&stretch, placed.xScale, 0.0, -std::tan(placed.oblique), 1.0, 0.0, 0.0);
    cairo_transform(m_cr, &stretch);
    cairo_set_font_size(m_cr, fontSize);
    setColor(color);
    cairo_new_path(m_cr);
    cairo_move_to(m_cr, 0.0, 0.0);
    cairo_show_text(m_cr, placed.text.c_str());
    cairo_restore(m_cr);
    if (m_textLayer) m_textLayer->add(placed.text, origin, fontSize, placed.rotation, placed.xScale);
}

void CairoCanvas::clip(const AcGePoint2d& min, const AcGePoint2d& max) {
    unclip();
    AcGePoint2d a = m_view.toDevice(min), b = m_view.toDevice(max);
    cairo_save(m_cr);
    cairo_new_path(m_cr);
    cairo_rectangle(m_cr, std::min(a.x, b.x), std::min(a.y, b.y), std::fabs(b.x - a.x), std::fabs(b.y - a.y));
    cairo_clip(m_cr);
    m_clipped = true;
}

void CairoCanvas::unclip() {
    if (!m_clipped) return;
    cairo_restore(m_cr);
    m_clipped = false;
}

}  // namespace vthost

#include "render/ExtentsCanvas.h"

#include <algorithm>
#include <cmath>

namespace vthost {

void ExtentsCanvas::stroke(const Outline& points, bool, Rgb) {
    for (const AcGePoint2d& p : points) add(p);
}

void ExtentsCanvas::fill(const Outline& polygon, Rgb) {
    for (const AcGePoint2d& p : polygon) add(p);
}

void ExtentsCanvas::text(const TextRun& run, Rgb) {
    PlacedText placed;
    if (!m_metrics.place(run, placed)) return;
    for (const AcGePoint2d& corner : boxOf(placed)) add(corner);
}

void ExtentsCanvas::clip(const AcGePoint2d& min, const AcGePoint2d& max) {
    m_clipped = true;
    m_clipMin = AcGePoint2d(std::min(min.x, max.x), std::min(min.y, max.y));
    m_clipMax = AcGePoint2d(std::max(min.x, max.x), std::max(min.y, max.y));
}

void ExtentsCanvas::add(AcGePoint2d p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    if (m_clipped) {
        p.x = std::clamp(p.x, m_clipMin.x, m_clipMax.x);
        p.y = std::clamp(p.y, m_clipMin.y, m_clipMax.y);
    }
    if (m_empty) {
        m_min = m_max = p;
        m_empty = false;
        return;
    }
    m_min = AcGePoint2d(std::min(m_min.x, p.x), std::min(m_min.y, p.y));
    m_max = AcGePoint2d(std::max(m_max.x, p.x), std::max(m_max.y, p.y));
}

}  // namespace vthost

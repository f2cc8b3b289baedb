// A canvas that draws nothing and keeps the extents of everything it was given (texts by their
// box), cut to the clip while one is set. Points that are not finite numbers are left out.
#pragma once
#include "render/Canvas.h"
#include "render/TextMetrics.h"

namespace vthost {

class ExtentsCanvas : public Canvas {
public:
    explicit ExtentsCanvas(const TextMetrics& metrics) : m_metrics(metrics) {}

    bool empty() const { return m_empty; }
    AcGePoint2d min() const { return m_min; }
    AcGePoint2d max() const { return m_max; }

    void stroke(const Outline& points, bool closed, Rgb color) override;
    void fill(const Outline& polygon, Rgb color) override;
    void text(const TextRun& run, Rgb color) override;
    void clip(const AcGePoint2d& min, const AcGePoint2d& max) override;
    void unclip() override { m_clipped = false; }

private:
    void add(AcGePoint2d p);

    const TextMetrics& m_metrics;
    bool m_empty = true;
    AcGePoint2d m_min, m_max;
    bool m_clipped = false;
    AcGePoint2d m_clipMin, m_clipMax;
};

}  // namespace vthost

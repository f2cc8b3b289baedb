#include "ent/EntityGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCurve.h"
#include "ent/AcDbDimension.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbRegion.h"
#include "ent/AcDbViewport.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbText.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

int samplesPerParameter(const AcDbCurve* curve) {
    if (AcDbLine::cast(curve)) return 0;  // one segment whatever its length
    if (AcDbPolyline::cast(curve)) return 16;
    return 12;  // angles: about 75 samples around a full turn
}

Stroke curveStroke(const AcDbCurve* curve) {
    double start = 0.0, end = 0.0;
    if (curve->getStartParam(start) != Acad::eOk || curve->getEndParam(end) != Acad::eOk) return {};
    int perUnit = samplesPerParameter(curve);
    int steps = perUnit == 0 ? 1 : std::clamp(static_cast<int>(std::ceil((end - start) * perUnit)), 1, 4096);
    Stroke stroke;
    for (int i = 0; i <= steps; ++i) {
        AcGePoint3d p;
        if (curve->getPointAtParam(start + (end - start) * i / steps, p) == Acad::eOk) stroke.push_back(p);
    }
    return stroke;
}

Stroke textBox(const AcDbText* text) {
    char* string = text->textString();
    std::size_t characters = string ? std::strlen(string) : 0;
    acutDelString(string);
    double width = 0.6 * text->height() * text->widthFactor() * static_cast<double>(std::max<std::size_t>(characters, 1));
    double height = text->height();
    double c = std::cos(text->rotation()), s = std::sin(text->rotation());
    AcGePoint3d origin = text->position();
    auto corner = [&](double u, double v) {
        return AcGePoint3d(origin.x + u * c - v * s, origin.y + u * s + v * c, origin.z);
    };
    return {corner(0, 0), corner(width, 0), corner(width, height), corner(0, height), corner(0, 0)};
}

double segmentDistance(const AcGePoint3d& p, const AcGePoint3d& a, const AcGePoint3d& b) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double length2 = dx * dx + dy * dy;
    double t = length2 > 0.0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool segmentsIntersect(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& c, const AcGePoint3d& d) {
    auto cross = [](const AcGePoint3d& o, const AcGePoint3d& p, const AcGePoint3d& q) {
        return (p.x - o.x) * (q.y - o.y) - (p.y - o.y) * (q.x - o.x);
    };
    double d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
}

bool segmentCrossesWindow(const AcGePoint3d& a, const AcGePoint3d& b, const Extents& w) {
    if (w.contains(a) || w.contains(b)) return true;
    AcGePoint3d c[4] = {{w.min.x, w.min.y, 0}, {w.max.x, w.min.y, 0}, {w.max.x, w.max.y, 0}, {w.min.x, w.max.y, 0}};
    for (int i = 0; i < 4; ++i)
        if (segmentsIntersect(a, b, c[i], c[(i + 1) % 4])) return true;
    return false;
}

// A viewport's frame: its rectangle in paper space, closed.
Stroke viewportFrame(const AcDbViewport* viewport) {
    AcGePoint3d c = viewport->centerPoint();
    double w = viewport->width() / 2, h = viewport->height() / 2;
    return {AcGePoint3d(c.x - w, c.y - h, c.z), AcGePoint3d(c.x + w, c.y - h, c.z),
            AcGePoint3d(c.x + w, c.y + h, c.z), AcGePoint3d(c.x - w, c.y + h, c.z),
            AcGePoint3d(c.x - w, c.y - h, c.z)};
}

// A region's sampled outline, closed.
// The image's frame, closed.
Stroke imageFrame(const AcDbRasterImage* image) {
    AcGePoint3d origin;
    AcGeVector3d u, v;
    image->getOrientation(origin, u, v);
    return {origin, origin + u, origin + u + v, origin + v, origin};
}

Stroke regionBoundary(const AcDbRegion* region) {
    Stroke stroke = region->outline();
    if (!stroke.empty()) stroke.push_back(stroke.front());
    return stroke;
}

}  // namespace

std::vector<Stroke> entityOutline(const AcDbEntity* entity) {
    if (const AcDbCurve* curve = AcDbCurve::cast(entity)) return {curveStroke(curve)};
    if (const AcDbText* text = AcDbText::cast(entity)) return {textBox(text)};
    if (const AcDbMText* mtext = AcDbMText::cast(entity)) return {{mtext->location()}};
    if (const AcDbBlockReference* reference = AcDbBlockReference::cast(entity)) return {{reference->position()}};
    if (const AcDbDimension* dimension = AcDbDimension::cast(entity)) return {{dimension->textPosition()}};
    if (const AcDbViewport* viewport = AcDbViewport::cast(entity)) return {viewportFrame(viewport)};
    if (const AcDbRegion* region = AcDbRegion::cast(entity)) return {regionBoundary(region)};
    if (const AcDbRasterImage* image = AcDbRasterImage::cast(entity)) return {imageFrame(image)};
    return {};
}

bool entityExtents(const AcDbEntity* entity, Extents& extents) {
    bool any = false;
    for (const Stroke& stroke : entityOutline(entity)) {
        for (const AcGePoint3d& p : stroke) {
            if (!any) extents.min = extents.max = p;
            any = true;
            extents.min = AcGePoint3d(std::min(extents.min.x, p.x), std::min(extents.min.y, p.y), std::min(extents.min.z, p.z));
            extents.max = AcGePoint3d(std::max(extents.max.x, p.x), std::max(extents.max.y, p.y), std::max(extents.max.z, p.z));
        }
    }
    return any;
}

double distanceToEntity(const AcDbEntity* entity, const AcGePoint3d& p) {
    double best = std::numeric_limits<double>::max();
    for (const Stroke& stroke : entityOutline(entity)) {
        if (stroke.size() == 1) best = std::min(best, std::hypot(p.x - stroke[0].x, p.y - stroke[0].y));
        for (std::size_t i = 1; i < stroke.size(); ++i)
            best = std::min(best, segmentDistance(p, stroke[i - 1], stroke[i]));
    }
    return best;
}

Extents windowOf(const AcGePoint3d& a, const AcGePoint3d& b) {
    return Extents{AcGePoint3d(std::min(a.x, b.x), std::min(a.y, b.y), 0.0),
                   AcGePoint3d(std::max(a.x, b.x), std::max(a.y, b.y), 0.0)};
}

bool insideWindow(const AcDbEntity* entity, const Extents& window) {
    Extents extents;
    return entityExtents(entity, extents) && window.contains(extents.min) && window.contains(extents.max);
}

bool crossesWindow(const AcDbEntity* entity, const Extents& window) {
    for (const Stroke& stroke : entityOutline(entity)) {
        if (stroke.size() == 1 && window.contains(stroke[0])) return true;
        for (std::size_t i = 1; i < stroke.size(); ++i)
            if (segmentCrossesWindow(stroke[i - 1], stroke[i], window)) return true;
    }
    return false;
}

}  // namespace vthost

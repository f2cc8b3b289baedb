#include "render/CurveShapes.h"

#include <algorithm>
#include <cmath>

namespace vthost {

namespace {

constexpr double kStep = 3.14159265358979323846 / 90.0;  // two degrees
constexpr int kMostSegments = 720;

int segmentsFor(double sweep) {
    if (!std::isfinite(sweep)) return 2;
    return std::clamp(static_cast<int>(std::ceil(std::fabs(sweep) / kStep)), 2, kMostSegments);
}

}  // namespace

Points arcPoints(const AcGePoint3d& center, double radius, double startAngle, double sweep) {
    Points points;
    int segments = segmentsFor(sweep);
    for (int i = 0; i <= segments; ++i) {
        double angle = startAngle + sweep * i / segments;
        points.emplace_back(center.x + radius * std::cos(angle), center.y + radius * std::sin(angle), center.z);
    }
    return points;
}

void appendBulgedSegment(Points& points, const AcGePoint3d& from, const AcGePoint3d& to, double bulge) {
    double dx = to.x - from.x, dy = to.y - from.y, chord = std::hypot(dx, dy);
    if (bulge == 0.0 || !std::isfinite(bulge) || chord == 0.0) {
        points.push_back(to);
        return;
    }
    double sweep = 4.0 * std::atan(bulge);
    // The centre lies on the chord's perpendicular bisector, to the left for a positive bulge.
    double fromMid = chord / 2.0 * (1.0 - bulge * bulge) / (2.0 * bulge);
    AcGePoint3d center((from.x + to.x) / 2.0 - dy / chord * fromMid, (from.y + to.y) / 2.0 + dx / chord * fromMid,
                       from.z);
    double radius = std::hypot(from.x - center.x, from.y - center.y);
    Points arc = arcPoints(center, radius, std::atan2(from.y - center.y, from.x - center.x), sweep);
    arc.back() = to;
    points.insert(points.end(), arc.begin() + 1, arc.end());
}

Points ellipsePoints(const AcGePoint3d& center, const AcGeVector3d& major, const AcGeVector3d& minor,
                     double start, double end) {
    Points points;
    int segments = segmentsFor(end - start);
    for (int i = 0; i <= segments; ++i) {
        double t = start + (end - start) * i / segments;
        AcGeVector3d offset = major * std::cos(t) + minor * std::sin(t);
        points.emplace_back(center.x + offset.x, center.y + offset.y, center.z + offset.z);
    }
    return points;
}

}  // namespace vthost

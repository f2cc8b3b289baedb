#include "ent/CurveGeometry.h"

#include <algorithm>
#include <cmath>

namespace vthost {

namespace {
constexpr double kParamTolerance = 1e-10;
constexpr int kMaxSimpsonDepth = 32;

double simpson(const std::function<double(double)>& f, double a, double fa, double b, double fb,
               double m, double fm, double whole, double tolerance, int depth) {
    double lm = (a + m) / 2, rm = (m + b) / 2;
    double flm = f(lm), frm = f(rm);
    double left = (m - a) / 6 * (fa + 4 * flm + fm);
    double right = (b - m) / 6 * (fm + 4 * frm + fb);
    double delta = left + right - whole;
    if (depth <= 0 || std::fabs(delta) <= 15 * tolerance) return left + right + delta / 15;
    return simpson(f, a, fa, m, fm, lm, flm, left, tolerance / 2, depth - 1) +
           simpson(f, m, fm, b, fb, rm, frm, right, tolerance / 2, depth - 1);
}

// The centre of the arc from p to q with the given (non-zero) bulge, in the XY plane.
AcGePoint3d arcCenter(const AcGePoint3d& p, const AcGePoint3d& q, double bulge) {
    double dx = q.x - p.x, dy = q.y - p.y;
    double k = (bulge * bulge - 1.0) / (4.0 * bulge);
    return {(p.x + q.x) / 2 + dy * k, (p.y + q.y) / 2 - dx * k, 0.0};
}
}  // namespace

double normalizeAngle(double angle) {
    if (!std::isfinite(angle)) return 0.0;
    double a = std::fmod(angle, kTwoPi);
    if (a < 0) a += kTwoPi;
    return a >= kTwoPi ? 0.0 : a;
}

double circularSegmentArea(double radius, double includedAngle) {
    return radius * radius / 2 * (includedAngle - std::sin(includedAngle));
}

bool paramInRange(double param, double start, double end) {
    double slack = kParamTolerance * std::max({1.0, std::fabs(start), std::fabs(end)});
    return param >= start - slack && param <= end + slack;
}

double integrate(const std::function<double(double)>& f, double a, double b, double tolerance) {
    if (b == a) return 0.0;
    double fa = f(a), fb = f(b), m = (a + b) / 2, fm = f(m);
    double whole = (b - a) / 6 * (fa + 4 * fm + fb);
    return simpson(f, a, fa, b, fb, m, fm, whole, tolerance, kMaxSimpsonDepth);
}

double planarRotation(const AcGeMatrix3d& xform) {
    AcGeVector3d x = xform.apply(AcGeVector3d::kXAxis);
    return std::atan2(x.y, x.x);
}

bool isPlanarMirror(const AcGeMatrix3d& xform) {
    return xform.entry[0][0] * xform.entry[1][1] - xform.entry[0][1] * xform.entry[1][0] < 0;
}

double readableRotation(double rotation, const AcGeMatrix3d& xform, bool& flipped) {
    flipped = false;
    if (!isPlanarMirror(xform)) return normalizeAngle(rotation + planarRotation(xform));
    AcGeVector3d along(std::cos(rotation), std::sin(rotation), 0.0);
    AcGeVector3d mirrored = xform.apply(along);
    // The mirror line runs closer to the baseline than across it when the mirrored baseline still
    // points the same way; the text is then upside down, else back to front.
    flipped = mirrored.dotProduct(along) < 0.0;
    double angle = std::atan2(mirrored.y, mirrored.x);
    return normalizeAngle(flipped ? angle + kPi : angle);
}

SegmentChain::SegmentChain(std::vector<ChainVertex> vertices, bool closed)
    : m_vertices(std::move(vertices)), m_closed(closed) {}

int SegmentChain::numSegments() const {
    int n = static_cast<int>(m_vertices.size());
    if (n < 2) return 0;
    return m_closed ? n : n - 1;
}

const ChainVertex& SegmentChain::vertex(int i) const {
    return m_vertices[static_cast<std::size_t>(i) % m_vertices.size()];
}

double SegmentChain::segmentLength(int segment) const {
    const ChainVertex& from = vertex(segment);
    const AcGePoint3d& to = vertex(segment + 1).point;
    if (from.bulge == 0.0) return from.point.distanceTo(to);
    double chord = std::hypot(to.x - from.point.x, to.y - from.point.y);
    double angle = 4.0 * std::atan(std::fabs(from.bulge));
    return chord / (2.0 * std::sin(angle / 2)) * angle;
}

AcGePoint3d SegmentChain::pointOnSegment(int segment, double fraction) const {
    const ChainVertex& from = vertex(segment);
    const AcGePoint3d& to = vertex(segment + 1).point;
    if (from.bulge == 0.0 || from.point.isEqualTo(to)) return from.point + (to - from.point) * fraction;
    double z = from.point.z + (to.z - from.point.z) * fraction;
    AcGePoint3d center = arcCenter(from.point, to, from.bulge);
    double radius = std::hypot(from.point.x - center.x, from.point.y - center.y);
    double angle = std::atan2(from.point.y - center.y, from.point.x - center.x) +
                   fraction * 4.0 * std::atan(from.bulge);
    return {center.x + radius * std::cos(angle), center.y + radius * std::sin(angle), z};
}

Acad::ErrorStatus SegmentChain::distAtParam(double param, double& dist) const {
    if (m_vertices.empty()) return Acad::eNotApplicable;
    int segments = numSegments();
    if (!paramInRange(param, 0.0, segments)) return Acad::eInvalidInput;
    param = std::clamp(param, 0.0, static_cast<double>(segments));
    double total = 0.0;
    int whole = static_cast<int>(std::floor(param));
    for (int i = 0; i < whole && i < segments; ++i) total += segmentLength(i);
    if (whole < segments) total += (param - whole) * segmentLength(whole);
    dist = total;
    return Acad::eOk;
}

Acad::ErrorStatus SegmentChain::pointAtParam(double param, AcGePoint3d& point) const {
    if (m_vertices.empty()) return Acad::eNotApplicable;
    int segments = numSegments();
    if (!paramInRange(param, 0.0, segments)) return Acad::eInvalidInput;
    if (segments == 0) {
        point = m_vertices.front().point;
        return Acad::eOk;
    }
    param = std::clamp(param, 0.0, static_cast<double>(segments));
    int segment = std::min(static_cast<int>(std::floor(param)), segments - 1);
    point = pointOnSegment(segment, param - segment);
    return Acad::eOk;
}

double SegmentChain::length() const {
    double total = 0.0;
    for (int i = 0; i < numSegments(); ++i) total += segmentLength(i);
    return total;
}

double SegmentChain::signedArcArea(int segment) const {
    const ChainVertex& from = vertex(segment);
    if (from.bulge == 0.0) return 0.0;
    const AcGePoint3d& to = vertex(segment + 1).point;
    double chord = std::hypot(to.x - from.point.x, to.y - from.point.y);
    double angle = 4.0 * std::atan(std::fabs(from.bulge));
    double radius = chord / (2.0 * std::sin(angle / 2));
    double area = circularSegmentArea(radius, angle);
    return from.bulge > 0 ? area : -area;
}

// Shoelace over the vertices (which closes the chain with a chord) plus, for every arc, the
// signed area between its chord and the arc. A positive bulge swells to the right of the direction
// of travel, outwards for a counter-clockwise outline, so it adds; a negative one takes away.
double SegmentChain::area() const {
    std::size_t n = m_vertices.size();
    double twice = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const AcGePoint3d& p = m_vertices[i].point;
        const AcGePoint3d& q = m_vertices[(i + 1) % n].point;
        twice += p.x * q.y - q.x * p.y;
    }
    double area = twice / 2;
    for (int i = 0; i < numSegments(); ++i) area += signedArcArea(i);
    return std::fabs(area);
}

}  // namespace vthost

// Host-internal geometry shared by the entities: angles, circular segments, adaptive integration
// (ellipse lengths), what a transformation does in the XY plane, and SegmentChain, the chain of
// straight and bulged segments behind the lightweight polyline and the leader. Not for modules.
#pragma once
#include <functional>
#include <vector>

#include "ge/AcGeMatrix3d.h"
#include "rx/AcadErrorStatus.h"

namespace vthost {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

// The same angle in [0, 2pi).
double normalizeAngle(double angle);
// The area between a circular arc of the given radius and included angle (radians, 0..2pi) and
// its chord.
double circularSegmentArea(double radius, double includedAngle);
// True when param lies in [start, end], allowing for rounding.
bool paramInRange(double param, double start, double end);
// The integral of f over [a, b] by adaptive Simpson quadrature to the given absolute tolerance.
double integrate(const std::function<double(double)>& f, double a, double b, double tolerance);

// The angle by which xform turns the x axis, seen in the XY plane.
double planarRotation(const AcGeMatrix3d& xform);
// True when xform mirrors the XY plane (turns counter-clockwise into clockwise).
bool isPlanarMirror(const AcGeMatrix3d& xform);
// The direction of a text at rotation after xform, kept readable when xform mirrors (the host's
// default, MIRRTEXT 0): a mirror that flips the text upside down keeps the mirrored baseline, one
// that flips it back to front turns the baseline round by half a turn. flipped tells which.
double readableRotation(double rotation, const AcGeMatrix3d& xform, bool& flipped);

struct ChainVertex {
    AcGePoint3d point;
    double bulge = 0.0;
};

// Segments from each vertex to the next, and from the last back to the first when closed. A
// vertex's bulge (the tangent of a quarter of the included angle; positive turns counter-clockwise)
// makes its segment a circular arc in the XY plane. Parameter i + f is the fraction f of segment
// i, measured along the segment, so that distances grow linearly within a segment.
class SegmentChain {
public:
    SegmentChain(std::vector<ChainVertex> vertices, bool closed);

    int numSegments() const;
    // eInvalidInput outside [0, numSegments()]; eNotApplicable for a chain without vertices.
    Acad::ErrorStatus distAtParam(double param, double& dist) const;
    Acad::ErrorStatus pointAtParam(double param, AcGePoint3d& point) const;
    double length() const;
    // The XY area the chain encloses once closed by a chord from its last vertex to its first,
    // arcs included; never negative.
    double area() const;

private:
    const ChainVertex& vertex(int i) const;
    double segmentLength(int segment) const;
    AcGePoint3d pointOnSegment(int segment, double fraction) const;
    double signedArcArea(int segment) const;

    std::vector<ChainVertex> m_vertices;
    bool m_closed;
};

}  // namespace vthost

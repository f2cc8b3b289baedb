// The host's commands for curved entities beyond CIRCLE: ARC through three points (start, a point
// on the arc, end) and ELLIPSE from the two endpoints of one axis and the distance from the centre
// to the other. Points on one line make no arc: the end point is asked again (a script stops).
#include <cmath>
#include <utility>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "ed/CommandLine.h"
#include "ed/CommandRunner.h"
#include "ed/UserInput.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbEllipse.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

constexpr double kTwoPi = 6.283185307179586;

double angleOf(const AcGePoint3d& center, const AcGePoint3d& p) { return std::atan2(p.y - center.y, p.x - center.x); }

// The angle from start to p counterclockwise, in [0, 2pi).
double sweepTo(double start, double p) {
    double sweep = std::fmod(p - start, kTwoPi);
    return sweep < 0 ? sweep + kTwoPi : sweep;
}

// The centre of the circle through a, b and c (in the XY plane); false when they are on a line.
bool circleThrough(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& c, AcGePoint3d& center) {
    double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
    if (std::abs(d) < 1e-12) return false;
    double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
    center = AcGePoint3d((a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
                         (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d, a.z);
    return true;
}

void arcCommand() {
    AcGePoint3d start, second, end, center;
    if (askPoint("\nSpecify start point of arc: ", start) != RTNORM) return;
    if (askPoint("\nSpecify second point of arc: ", second, &start) != RTNORM) return;
    for (;;) {
        if (askPoint("\nSpecify end point of arc: ", end, &second) != RTNORM) return;
        if (circleThrough(start, second, end, center)) break;
        if (commandLine().reject("The three points are on one line.")) return;
    }
    double from = angleOf(center, start), to = angleOf(center, end);
    // Arcs run counterclockwise: when the second point is not on the way from start to end, the
    // arc runs from end to start.
    if (sweepTo(from, angleOf(center, second)) > sweepTo(from, to)) std::swap(from, to);
    addEntity(new AcDbArc(center, center.distanceTo(start), from, to));
}

void ellipseCommand() {
    AcGePoint3d first, second;
    if (askPoint("\nSpecify axis endpoint of ellipse: ", first) != RTNORM) return;
    if (askPoint("\nSpecify other endpoint of axis: ", second, &first) != RTNORM) return;
    AcGePoint3d center((first.x + second.x) / 2, (first.y + second.y) / 2, (first.z + second.z) / 2);
    AcGeVector3d axis = second - center;
    if (axis.length() == 0) return failCommand("The axis endpoints are the same point.");
    double other = 0;
    if (askDistance("\nSpecify distance to other axis: ", other, &center, RSG_NONULL | RSG_NOZERO | RSG_NONEG) != RTNORM)
        return;
    AcGeVector3d major = axis;
    double ratio = other / axis.length();
    if (ratio > 1) {
        // The other axis is the longer: it becomes the major one, perpendicular to the first.
        major = AcGeVector3d(-axis.y, axis.x, 0) * (other / axis.length());
        ratio = 1 / ratio;
    }
    auto* ellipse = new AcDbEllipse();
    if (ellipse->set(center, AcGeVector3d(0, 0, 1), major, ratio) != Acad::eOk) {
        delete ellipse;
        return failCommand("That ellipse cannot be drawn.");
    }
    addEntity(ellipse);
}

}  // namespace

void registerCurveCommands() {
    addHostCommand("ARC", arcCommand);
    addHostCommand("ELLIPSE", ellipseCommand);
}

}  // namespace vthost

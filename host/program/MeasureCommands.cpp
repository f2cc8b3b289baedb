// The host's DIST command: the distance between two points, the angle of the line between them in
// the XY plane and from it, and the deltas, in the drawing's units (angles in whole degrees, as
// with AUNITS 0 and AUPREC 0). It changes nothing, so it leaves no undo group.
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

std::string degreesText(double radians) {
    double degrees = radians * 180.0 / std::numbers::pi;
    if (degrees < 0) degrees += 360.0;
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", degrees >= 359.5 ? 0.0 : degrees);
    return text;
}

void distCommand() {
    AcGePoint3d a, b;
    if (askPoint("\nSpecify first point: ", a) != RTNORM) return;
    if (askPoint("\nSpecify second point: ", b, &a) != RTNORM) return;
    double dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
    double planar = std::hypot(dx, dy);
    acutPrintf("\nDistance = %s,  Angle in XY Plane = %s,  Angle from XY Plane = %s",
               distanceText(a.distanceTo(b)).c_str(), degreesText(std::atan2(dy, dx)).c_str(),
               degreesText(std::atan2(dz, planar)).c_str());
    acutPrintf("\nDelta X = %s,  Delta Y = %s,  Delta Z = %s", distanceText(dx).c_str(),
               distanceText(dy).c_str(), distanceText(dz).c_str());
}

}  // namespace

void registerMeasureCommands() { addHostCommand("DIST", distCommand); }

}  // namespace vthost

// Curves as chains of points for drawing: circular arcs, the bulged segments of polylines and
// ellipses, with a point every two degrees of their angle or parameter (at least two segments).
#pragma once
#include <vector>

#include "ge/AcGePoint3d.h"

namespace vthost {

using Points = std::vector<AcGePoint3d>;

// From startAngle through sweep radians (negative runs clockwise), in the plane z = center.z.
Points arcPoints(const AcGePoint3d& center, double radius, double startAngle, double sweep);
// Appends the segment from `from` to `to` (to included, from not): straight for bulge 0, else
// the arc whose included angle is 4 atan(bulge), positive counter-clockwise.
void appendBulgedSegment(Points& points, const AcGePoint3d& from, const AcGePoint3d& to, double bulge);
// center + major cos t + minor sin t for t from start to end.
Points ellipsePoints(const AcGePoint3d& center, const AcGeVector3d& major, const AcGeVector3d& minor,
                     double start, double end);

}  // namespace vthost

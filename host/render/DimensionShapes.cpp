#include "render/DimensionShapes.h"

#include <algorithm>
#include <cmath>

#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbRotatedDimension.h"

namespace vthost {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct MeasuredPoints {
    AcGePoint3d xLine1, xLine2, dimLine;
    double angle = 0.0;
};

bool measuredPoints(const AcDbEntity& entity, MeasuredPoints& m) {
    if (auto* aligned = AcDbAlignedDimension::cast(&entity)) {
        m.xLine1 = aligned->xLine1Point();
        m.xLine2 = aligned->xLine2Point();
        m.dimLine = aligned->dimLinePoint();
        double dx = m.xLine2.x - m.xLine1.x, dy = m.xLine2.y - m.xLine1.y;
        m.angle = dx == 0.0 && dy == 0.0 ? 0.0 : std::atan2(dy, dx);
        return true;
    }
    if (auto* rotated = AcDbRotatedDimension::cast(&entity)) {
        m.xLine1 = rotated->xLine1Point();
        m.xLine2 = rotated->xLine2Point();
        m.dimLine = rotated->dimLinePoint();
        m.angle = rotated->rotation();
        return true;
    }
    return false;
}

// The foot of p on the line through `on` in direction (ux, uy).
AcGePoint3d foot(const AcGePoint3d& p, const AcGePoint3d& on, double ux, double uy) {
    double t = (p.x - on.x) * ux + (p.y - on.y) * uy;
    return AcGePoint3d(on.x + t * ux, on.y + t * uy, on.z);
}

AcGePoint3d along(const AcGePoint3d& p, double ux, double uy, double distance) {
    return AcGePoint3d(p.x + ux * distance, p.y + uy * distance, p.z);
}

// From the measured point towards the dimension line: off by gap, on past it by extension.
void addExtensionLine(DimensionShape& shape, const AcGePoint3d& measured, const AcGePoint3d& onLine,
                      double gap, double extension) {
    double dx = onLine.x - measured.x, dy = onLine.y - measured.y, length = std::hypot(dx, dy);
    if (length == 0.0) return;
    double ux = dx / length, uy = dy / length;
    shape.lines.emplace_back(along(measured, ux, uy, std::min(gap, length)), along(onLine, ux, uy, extension));
}

// The angle turned by half a turn where needed so that text reads from below or from the right.
double readable(double angle) {
    double a = std::remainder(angle, 2.0 * kPi);
    if (a > kPi / 2.0 + 1e-9) a -= kPi;
    if (a <= -kPi / 2.0 + 1e-9) a += kPi;
    return a;
}

}  // namespace

Points arrowhead(const AcGePoint3d& tip, const AcGePoint3d& tail, double size) {
    double dx = tip.x - tail.x, dy = tip.y - tail.y, length = std::hypot(dx, dy);
    if (length == 0.0 || !(size > 0.0)) return {};
    double ux = dx / length, uy = dy / length, half = size / 6.0;
    AcGePoint3d back = along(tip, ux, uy, -size);
    return {tip, AcGePoint3d(back.x - uy * half, back.y + ux * half, tip.z),
            AcGePoint3d(back.x + uy * half, back.y - ux * half, tip.z)};
}

bool dimensionShape(const AcDbEntity& entity, double textHeight, DimensionShape& shape) {
    MeasuredPoints m;
    if (!measuredPoints(entity, m)) return false;
    double ux = std::cos(m.angle), uy = std::sin(m.angle);
    AcGePoint3d line1 = foot(m.xLine1, m.dimLine, ux, uy), line2 = foot(m.xLine2, m.dimLine, ux, uy);
    addExtensionLine(shape, m.xLine1, line1, textHeight / 4.0, textHeight / 2.0);
    addExtensionLine(shape, m.xLine2, line2, textHeight / 4.0, textHeight / 2.0);
    shape.lines.emplace_back(line1, line2);
    double length = std::hypot(line2.x - line1.x, line2.y - line1.y);
    double size = std::min(textHeight, length / 3.0);
    for (const Points& head : {arrowhead(line1, line2, size), arrowhead(line2, line1, size)})
        if (!head.empty()) shape.arrowheads.push_back(head);
    const AcDbDimension& dimension = *AcDbDimension::cast(&entity);
    shape.text = dimension.formattedText();
    shape.textRotation = readable(m.angle);
    AcGePoint3d at = dimension.textPosition();
    double gap = textHeight / 4.0;
    shape.textAnchor = AcGePoint3d(at.x - std::sin(shape.textRotation) * gap, at.y + std::cos(shape.textRotation) * gap,
                                   at.z);
    return true;
}

}  // namespace vthost

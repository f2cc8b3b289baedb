#include "dxf/DxfDimensionBlock.h"

#include <cmath>

#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbRotatedDimension.h"

namespace vthost {

namespace {

constexpr double kTextHeight = 2.5;  // the DIMTXT of the "Standard" dimension style written

// The foot of p on the line through on in direction (ux, uy).
AcGePoint3d foot(const AcGePoint3d& p, const AcGePoint3d& on, double ux, double uy) {
    double t = (p.x - on.x) * ux + (p.y - on.y) * uy;
    return AcGePoint3d(on.x + t * ux, on.y + t * uy, on.z);
}

// The dimension line runs through dimLine in direction angle; the extension lines meet it at
// right angles.
void placeLines(DxfDimensionGeometry& g, const AcGePoint3d& dimLine) {
    double ux = std::cos(g.angle), uy = std::sin(g.angle);
    g.line1 = foot(g.xLine1, dimLine, ux, uy);
    g.line2 = foot(g.xLine2, dimLine, ux, uy);
}

void writeLine(DL_Dxf& dxf, DL_WriterA& writer, const AcGePoint3d& a, const AcGePoint3d& b,
               const DL_Attributes& attributes) {
    dxf.writeLine(writer, DL_LineData(a.x, a.y, a.z, b.x, b.y, b.z), attributes);
}

}  // namespace

bool dimensionGeometry(const AcDbEntity& entity, DxfDimensionGeometry& g) {
    AcGePoint3d dimLine;
    if (auto* aligned = AcDbAlignedDimension::cast(&entity)) {
        g.xLine1 = aligned->xLine1Point();
        g.xLine2 = aligned->xLine2Point();
        dimLine = aligned->dimLinePoint();
        double dx = g.xLine2.x - g.xLine1.x, dy = g.xLine2.y - g.xLine1.y;
        g.angle = dx == 0.0 && dy == 0.0 ? 0.0 : std::atan2(dy, dx);
    } else if (auto* rotated = AcDbRotatedDimension::cast(&entity)) {
        g.xLine1 = rotated->xLine1Point();
        g.xLine2 = rotated->xLine2Point();
        dimLine = rotated->dimLinePoint();
        g.angle = rotated->rotation();
    } else {
        return false;
    }
    placeLines(g, dimLine);
    auto& dimension = *AcDbDimension::cast(&entity);
    g.textPosition = dimension.textPosition();
    g.text = dimension.formattedText();
    return true;
}

void writeDimensionBlock(DL_Dxf& dxf, DL_WriterA& writer, const std::string& name,
                         const std::string& layer, const DxfDimensionGeometry& g) {
    DL_Attributes attributes(layer, 256, -1, "BYLAYER", 1.0);
    dxf.writeBlock(writer, DL_BlockData(name, 1, 0.0, 0.0, 0.0));
    writeLine(dxf, writer, g.line1, g.line2, attributes);
    writeLine(dxf, writer, g.xLine1, g.line1, attributes);
    writeLine(dxf, writer, g.xLine2, g.line2, attributes);
    if (!g.text.empty()) {
        const AcGePoint3d& t = g.textPosition;
        dxf.writeText(writer,
                      DL_TextData(t.x, t.y, t.z, t.x, t.y, t.z, kTextHeight, 1.0, 0, 1, 2, g.text,
                                  "Standard", g.angle * 180.0 / 3.14159265358979323846),
                      attributes);
    }
    dxf.writeEndBlock(writer, name);
}

}  // namespace vthost

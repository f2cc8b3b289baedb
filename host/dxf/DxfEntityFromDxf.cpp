#include "dxf/DxfEntityFromDxf.h"

#include <cmath>

namespace vthost {

namespace {

constexpr double kPi = 3.14159265358979323846;
double radians(double degrees) { return degrees * kPi / 180.0; }

AcGePoint3d point(double x, double y, double z) {
    return {std::isfinite(x) ? x : 0.0, std::isfinite(y) ? y : 0.0, std::isfinite(z) ? z : 0.0};
}

AcDb::TextHorzMode horizontal(int mode) {
    return mode >= 0 && mode <= 5 ? static_cast<AcDb::TextHorzMode>(mode) : AcDb::kTextLeft;
}

AcDb::TextVertMode vertical(int mode) {
    return mode >= 0 && mode <= 3 ? static_cast<AcDb::TextVertMode>(mode) : AcDb::kTextBase;
}

// Text whose alignment point was not written (old files) is placed by its first point.
AcGePoint3d alignmentOf(const DL_TextData& data) {
    if (std::isfinite(data.apx) && std::isfinite(data.apy)) return point(data.apx, data.apy, data.apz);
    return point(data.ipx, data.ipy, data.ipz);
}

}  // namespace

std::unique_ptr<AcDbLine> lineFromDxf(const DL_LineData& data) {
    return std::make_unique<AcDbLine>(point(data.x1, data.y1, data.z1),
                                      point(data.x2, data.y2, data.z2));
}

std::unique_ptr<AcDbCircle> circleFromDxf(const DL_CircleData& data) {
    if (!(data.radius > 0.0)) return nullptr;
    return std::make_unique<AcDbCircle>(point(data.cx, data.cy, data.cz), data.radius);
}

std::unique_ptr<AcDbArc> arcFromDxf(const DL_ArcData& data) {
    if (!(data.radius > 0.0)) return nullptr;
    return std::make_unique<AcDbArc>(point(data.cx, data.cy, data.cz), data.radius,
                                     radians(data.angle1), radians(data.angle2));
}

std::unique_ptr<AcDbEllipse> ellipseFromDxf(const DL_EllipseData& data,
                                            const AcGeVector3d& normal) {
    auto ellipse = std::make_unique<AcDbEllipse>();
    AcGeVector3d major(data.mx, data.my, data.mz);
    if (ellipse->set(point(data.cx, data.cy, data.cz), normal, major, data.ratio, data.angle1,
                     data.angle2) != Acad::eOk)
        return nullptr;
    return ellipse;
}

void textFromDxf(const DL_TextData& data, AcDbText& text) {
    text.setTextString(data.text.c_str());
    if (data.height > 0.0) text.setHeight(data.height);
    if (data.xScaleFactor > 0.0) text.setWidthFactor(data.xScaleFactor);
    if (std::isfinite(data.angle)) text.setRotation(data.angle);
    text.setPosition(point(data.ipx, data.ipy, data.ipz));
    text.setHorizontalMode(horizontal(data.hJustification));
    text.setVerticalMode(vertical(data.vJustification));
    if (!text.isDefaultAlignment()) text.setAlignmentPoint(alignmentOf(data));
}

std::unique_ptr<AcDbMText> mtextFromDxf(const DL_MTextData& data, const std::string& contents) {
    auto mtext = std::make_unique<AcDbMText>();
    mtext->setLocation(point(data.ipx, data.ipy, data.ipz));
    mtext->setContents(contents.c_str());
    if (data.height > 0.0) mtext->setTextHeight(data.height);
    if (data.width > 0.0) mtext->setWidth(data.width);
    if (std::isfinite(data.angle)) mtext->setRotation(data.angle);
    return mtext;
}

std::unique_ptr<AcDbBlockReference> insertFromDxf(const DL_InsertData& data) {
    auto reference = std::make_unique<AcDbBlockReference>();
    reference->setPosition(point(data.ipx, data.ipy, data.ipz));
    auto factor = [](double f) { return std::isfinite(f) && f != 0.0 ? f : 1.0; };
    reference->setScaleFactors(AcGeScale3d(factor(data.sx), factor(data.sy), factor(data.sz)));
    if (std::isfinite(data.angle)) reference->setRotation(radians(data.angle));
    return reference;
}

std::unique_ptr<AcDbAttributeDefinition> attdefFromRecord(const DxfRawRecord& record) {
    auto attdef = std::make_unique<AcDbAttributeDefinition>();
    std::string tag = record.text(2);
    if (attdef->setTag(tag.c_str()) != Acad::eOk) return nullptr;
    DL_TextData data(record.real(10, 0.0), record.real(20, 0.0), record.real(30, 0.0),
                     record.real(11, NAN), record.real(21, NAN), record.real(31, 0.0),
                     record.real(40, 0.0), record.real(41, 1.0), record.integer(71, 0),
                     record.integer(72, 0), record.integer(74, 0), record.text(1), "",
                     radians(record.real(50, 0.0)));
    textFromDxf(data, *attdef);
    attdef->setPrompt(record.text(3).c_str());
    int flags = record.integer(70, 0);
    attdef->setInvisible((flags & 1) != 0);
    attdef->setConstant((flags & 2) != 0);
    return attdef;
}

std::unique_ptr<AcDbAlignedDimension> alignedFromDxf(const DL_DimensionData& data,
                                                     const DL_DimAlignedData& aligned) {
    auto dimension = std::make_unique<AcDbAlignedDimension>(
        point(aligned.epx1, aligned.epy1, aligned.epz1),
        point(aligned.epx2, aligned.epy2, aligned.epz2), point(data.dpx, data.dpy, data.dpz));
    dimension->setDimensionText(data.text.c_str());
    dimension->setTextPosition(point(data.mpx, data.mpy, data.mpz));
    return dimension;
}

std::unique_ptr<AcDbRotatedDimension> rotatedFromDxf(const DL_DimensionData& data,
                                                     const DL_DimLinearData& linear) {
    auto dimension = std::make_unique<AcDbRotatedDimension>(
        std::isfinite(linear.angle) ? radians(linear.angle) : 0.0,
        point(linear.dpx1, linear.dpy1, linear.dpz1), point(linear.dpx2, linear.dpy2, linear.dpz2),
        point(data.dpx, data.dpy, data.dpz));
    dimension->setDimensionText(data.text.c_str());
    dimension->setTextPosition(point(data.mpx, data.mpy, data.mpz));
    return dimension;
}

std::unique_ptr<AcDbRasterImage> imageFromDxf(const DL_ImageData& data) {
    auto image = std::make_unique<AcDbRasterImage>();
    AcGeVector3d u(data.ux * data.width, data.uy * data.width, data.uz * data.width);
    AcGeVector3d v(data.vx * data.height, data.vy * data.height, data.vz * data.height);
    if (!image->setOrientation(point(data.ipx, data.ipy, data.ipz), u, v)) return nullptr;
    return image;
}

}  // namespace vthost

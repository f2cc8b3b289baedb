// Record: dimension; Int16 version (1); Point3d first extension-line origin; Point3d second
// extension-line origin; Point3d dimension-line point; Double rotation.
#include "ent/AcDbRotatedDimension.h"

#include <cmath>

#include "db/AcDbDwgFiler.h"
#include "ent/CurveGeometry.h"
#include "ent/EntitySupport.h"

ACRX_DEFINE_MEMBERS(AcDbRotatedDimension)

namespace {
constexpr Adesk::Int16 kVersion = 1;
}

AcGePoint3d AcDbRotatedDimension::xLine1Point() const {
    assertReadEnabled();
    return m_points.xLine1;
}

Acad::ErrorStatus AcDbRotatedDimension::setXLine1Point(const AcGePoint3d& point) {
    assertWriteEnabled();
    m_points.xLine1 = point;
    return Acad::eOk;
}

AcGePoint3d AcDbRotatedDimension::xLine2Point() const {
    assertReadEnabled();
    return m_points.xLine2;
}

Acad::ErrorStatus AcDbRotatedDimension::setXLine2Point(const AcGePoint3d& point) {
    assertWriteEnabled();
    m_points.xLine2 = point;
    return Acad::eOk;
}

AcGePoint3d AcDbRotatedDimension::dimLinePoint() const {
    assertReadEnabled();
    return m_points.dimLine;
}

Acad::ErrorStatus AcDbRotatedDimension::setDimLinePoint(const AcGePoint3d& point) {
    assertWriteEnabled();
    m_points.dimLine = point;
    return Acad::eOk;
}

double AcDbRotatedDimension::rotation() const {
    assertReadEnabled();
    return m_rotation;
}

Acad::ErrorStatus AcDbRotatedDimension::setRotation(double rotation) {
    if (!std::isfinite(rotation)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_rotation = rotation;
    return Acad::eOk;
}

double AcDbRotatedDimension::measurement() const {
    assertReadEnabled();
    AcGeVector3d between = m_points.xLine2 - m_points.xLine1;
    return std::fabs(between.x * std::cos(m_rotation) + between.y * std::sin(m_rotation));
}

// The measuring direction turns with the drawing; under a mirror it is reflected.
Acad::ErrorStatus AcDbRotatedDimension::transformBy(const AcGeMatrix3d& xform) {
    Acad::ErrorStatus status = AcDbDimension::transformBy(xform);
    if (status != Acad::eOk) return status;
    m_points.transformBy(xform);
    double turn = vthost::planarRotation(xform);
    m_rotation = vthost::isPlanarMirror(xform) ? turn - m_rotation : m_rotation + turn;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRotatedDimension::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbDimension::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    m_points.write(filer);
    filer->writeDouble(m_rotation);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbRotatedDimension::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbDimension::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    vthost::DimensionLinePoints points;
    double rotation = 0.0;
    points.read(filer);
    filer->readDouble(&rotation);
    vthost::requireFinite(filer, rotation);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_points = points;
    m_rotation = rotation;
    return Acad::eOk;
}


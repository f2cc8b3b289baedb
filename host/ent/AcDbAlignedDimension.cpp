// Record: dimension; Int16 version (1); Point3d first extension-line origin; Point3d second
// extension-line origin; Point3d dimension-line point.
#include "ent/AcDbAlignedDimension.h"

#include "db/AcDbDwgFiler.h"
#include "ent/EntitySupport.h"

ACRX_DEFINE_MEMBERS(AcDbAlignedDimension)

namespace {
constexpr Adesk::Int16 kVersion = 1;
}

AcGePoint3d AcDbAlignedDimension::xLine1Point() const {
    assertReadEnabled();
    return m_points.xLine1;
}

Acad::ErrorStatus AcDbAlignedDimension::setXLine1Point(const AcGePoint3d& point) {
    assertWriteEnabled();
    m_points.xLine1 = point;
    return Acad::eOk;
}

AcGePoint3d AcDbAlignedDimension::xLine2Point() const {
    assertReadEnabled();
    return m_points.xLine2;
}

Acad::ErrorStatus AcDbAlignedDimension::setXLine2Point(const AcGePoint3d& point) {
    assertWriteEnabled();
    m_points.xLine2 = point;
    return Acad::eOk;
}

AcGePoint3d AcDbAlignedDimension::dimLinePoint() const {
    assertReadEnabled();
    return m_points.dimLine;
}

Acad::ErrorStatus AcDbAlignedDimension::setDimLinePoint(const AcGePoint3d& point) {
    assertWriteEnabled();
    m_points.dimLine = point;
    return Acad::eOk;
}

double AcDbAlignedDimension::measurement() const {
    assertReadEnabled();
    return m_points.xLine1.distanceTo(m_points.xLine2);
}

Acad::ErrorStatus AcDbAlignedDimension::transformBy(const AcGeMatrix3d& xform) {
    Acad::ErrorStatus status = AcDbDimension::transformBy(xform);
    if (status != Acad::eOk) return status;
    m_points.transformBy(xform);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbAlignedDimension::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbDimension::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    m_points.write(filer);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbAlignedDimension::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbDimension::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    vthost::DimensionLinePoints points;
    points.read(filer);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_points = points;
    return Acad::eOk;
}

// Record: curve; Int16 version (1); Point3d centre; Double radius (positive).
#include "ent/AcDbCircle.h"

#include <cmath>

#include "db/AcDbDwgFiler.h"
#include "ent/CurveGeometry.h"
#include "ent/EntitySupport.h"

ACRX_DEFINE_MEMBERS(AcDbCircle)

namespace {
constexpr Adesk::Int16 kVersion = 1;
}

AcGePoint3d AcDbCircle::center() const {
    assertReadEnabled();
    return m_center;
}

Acad::ErrorStatus AcDbCircle::setCenter(const AcGePoint3d& center) {
    assertWriteEnabled();
    m_center = center;
    return Acad::eOk;
}

double AcDbCircle::radius() const {
    assertReadEnabled();
    return m_radius;
}

Acad::ErrorStatus AcDbCircle::setRadius(double radius) {
    if (!(radius > 0.0) || !std::isfinite(radius)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_radius = radius;
    return Acad::eOk;
}

Adesk::Boolean AcDbCircle::isClosed() const {
    assertReadEnabled();
    return true;
}

Acad::ErrorStatus AcDbCircle::getStartParam(double& param) const {
    assertReadEnabled();
    param = 0.0;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getEndParam(double& param) const {
    assertReadEnabled();
    param = vthost::kTwoPi;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getDistAtParam(double param, double& dist) const {
    assertReadEnabled();
    if (!vthost::paramInRange(param, 0.0, vthost::kTwoPi)) return Acad::eInvalidInput;
    dist = m_radius * param;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getPointAtParam(double param, AcGePoint3d& point) const {
    assertReadEnabled();
    if (!vthost::paramInRange(param, 0.0, vthost::kTwoPi)) return Acad::eInvalidInput;
    point = m_center + AcGeVector3d(std::cos(param), std::sin(param), 0.0) * m_radius;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getArea(double& area) const {
    assertReadEnabled();
    area = vthost::kPi * m_radius * m_radius;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::transformBy(const AcGeMatrix3d& xform) {
    assertWriteEnabled();
    m_center.transformBy(xform);
    m_radius *= xform.scale();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbCurve::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    filer->writePoint3d(m_center);
    filer->writeDouble(m_radius);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbCircle::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbCurve::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    AcGePoint3d center;
    double radius = 0.0;
    filer->readPoint3d(&center);
    filer->readDouble(&radius);
    vthost::requireFinite(filer, center);
    vthost::requirePositive(filer, radius);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_center = center;
    m_radius = radius;
    return Acad::eOk;
}

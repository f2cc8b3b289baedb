// Record: curve; Int16 version (1); Point3d centre; Double radius (positive); Double start angle;
// Double end angle (both in [0, 2pi)).
#include "ent/AcDbArc.h"

#include <cmath>

#include "db/AcDbDwgFiler.h"
#include "ent/CurveGeometry.h"
#include "ent/EntitySupport.h"

ACRX_DEFINE_MEMBERS(AcDbArc)

namespace {
constexpr Adesk::Int16 kVersion = 1;
}

AcDbArc::AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle)
    : m_center(center),
      m_radius(radius),
      m_startAngle(vthost::normalizeAngle(startAngle)),
      m_endAngle(vthost::normalizeAngle(endAngle)) {}

AcGePoint3d AcDbArc::center() const {
    assertReadEnabled();
    return m_center;
}

Acad::ErrorStatus AcDbArc::setCenter(const AcGePoint3d& center) {
    assertWriteEnabled();
    m_center = center;
    return Acad::eOk;
}

double AcDbArc::radius() const {
    assertReadEnabled();
    return m_radius;
}

Acad::ErrorStatus AcDbArc::setRadius(double radius) {
    if (!(radius > 0.0) || !std::isfinite(radius)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_radius = radius;
    return Acad::eOk;
}

double AcDbArc::startAngle() const {
    assertReadEnabled();
    return m_startAngle;
}

Acad::ErrorStatus AcDbArc::setStartAngle(double angle) {
    assertWriteEnabled();
    m_startAngle = vthost::normalizeAngle(angle);
    return Acad::eOk;
}

double AcDbArc::endAngle() const {
    assertReadEnabled();
    return m_endAngle;
}

Acad::ErrorStatus AcDbArc::setEndAngle(double angle) {
    assertWriteEnabled();
    m_endAngle = vthost::normalizeAngle(angle);
    return Acad::eOk;
}

double AcDbArc::endParam() const {
    return m_endAngle < m_startAngle ? m_endAngle + vthost::kTwoPi : m_endAngle;
}

AcGePoint3d AcDbArc::pointAt(double angle) const {
    return m_center + AcGeVector3d(std::cos(angle), std::sin(angle), 0.0) * m_radius;
}

Adesk::Boolean AcDbArc::isClosed() const {
    assertReadEnabled();
    return false;
}

Acad::ErrorStatus AcDbArc::getStartParam(double& param) const {
    assertReadEnabled();
    param = m_startAngle;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getEndParam(double& param) const {
    assertReadEnabled();
    param = endParam();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getDistAtParam(double param, double& dist) const {
    assertReadEnabled();
    if (!vthost::paramInRange(param, m_startAngle, endParam())) return Acad::eInvalidInput;
    dist = m_radius * (param - m_startAngle);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getPointAtParam(double param, AcGePoint3d& point) const {
    assertReadEnabled();
    if (!vthost::paramInRange(param, m_startAngle, endParam())) return Acad::eInvalidInput;
    point = pointAt(param);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getArea(double& area) const {
    assertReadEnabled();
    area = vthost::circularSegmentArea(m_radius, endParam() - m_startAngle);
    return Acad::eOk;
}

// The end points are carried through the transformation and the angles read off them again; a
// mirror reverses the direction of travel, so start and end trade places.
Acad::ErrorStatus AcDbArc::transformBy(const AcGeMatrix3d& xform) {
    assertWriteEnabled();
    AcGePoint3d start = xform.apply(pointAt(m_startAngle));
    AcGePoint3d end = xform.apply(pointAt(m_endAngle));
    m_center.transformBy(xform);
    m_radius *= xform.scale();
    double startAngle = vthost::normalizeAngle(std::atan2(start.y - m_center.y, start.x - m_center.x));
    double endAngle = vthost::normalizeAngle(std::atan2(end.y - m_center.y, end.x - m_center.x));
    bool mirrored = vthost::isPlanarMirror(xform);
    m_startAngle = mirrored ? endAngle : startAngle;
    m_endAngle = mirrored ? startAngle : endAngle;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbCurve::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    filer->writePoint3d(m_center);
    filer->writeDouble(m_radius);
    filer->writeDouble(m_startAngle);
    filer->writeDouble(m_endAngle);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbArc::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbCurve::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    AcGePoint3d center;
    double radius = 0.0, startAngle = 0.0, endAngle = 0.0;
    filer->readPoint3d(&center);
    filer->readDouble(&radius);
    filer->readDouble(&startAngle);
    filer->readDouble(&endAngle);
    vthost::requireFinite(filer, center);
    vthost::requirePositive(filer, radius);
    vthost::requireFinite(filer, startAngle);
    vthost::requireFinite(filer, endAngle);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_center = center;
    m_radius = radius;
    m_startAngle = vthost::normalizeAngle(startAngle);
    m_endAngle = vthost::normalizeAngle(endAngle);
    return Acad::eOk;
}

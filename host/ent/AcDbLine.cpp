// Record: curve; Int16 version (1); Point3d start point; Point3d end point.
#include "ent/AcDbLine.h"

#include "db/AcDbDwgFiler.h"
#include "ent/CurveGeometry.h"
#include "ent/EntitySupport.h"
#include "ge/AcGeMatrix3d.h"

ACRX_DEFINE_MEMBERS(AcDbLine)

namespace {
constexpr Adesk::Int16 kVersion = 1;
}

AcGePoint3d AcDbLine::startPoint() const {
    assertReadEnabled();
    return m_start;
}

Acad::ErrorStatus AcDbLine::setStartPoint(const AcGePoint3d& point) {
    assertWriteEnabled();
    m_start = point;
    return Acad::eOk;
}

AcGePoint3d AcDbLine::endPoint() const {
    assertReadEnabled();
    return m_end;
}

Acad::ErrorStatus AcDbLine::setEndPoint(const AcGePoint3d& point) {
    assertWriteEnabled();
    m_end = point;
    return Acad::eOk;
}

Adesk::Boolean AcDbLine::isClosed() const {
    assertReadEnabled();
    return false;
}

Acad::ErrorStatus AcDbLine::getStartParam(double& param) const {
    assertReadEnabled();
    param = 0.0;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getEndParam(double& param) const {
    assertReadEnabled();
    param = m_start.distanceTo(m_end);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getDistAtParam(double param, double& dist) const {
    assertReadEnabled();
    if (!vthost::paramInRange(param, 0.0, m_start.distanceTo(m_end))) return Acad::eInvalidInput;
    dist = param;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getPointAtParam(double param, AcGePoint3d& point) const {
    assertReadEnabled();
    double length = m_start.distanceTo(m_end);
    if (!vthost::paramInRange(param, 0.0, length)) return Acad::eInvalidInput;
    point = length > 0.0 ? m_start + (m_end - m_start) * (param / length) : m_start;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getArea(double& area) const {
    assertReadEnabled();
    area = 0.0;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::transformBy(const AcGeMatrix3d& xform) {
    assertWriteEnabled();
    m_start.transformBy(xform);
    m_end.transformBy(xform);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbCurve::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    filer->writePoint3d(m_start);
    filer->writePoint3d(m_end);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbLine::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbCurve::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    AcGePoint3d start, end;
    filer->readPoint3d(&start);
    filer->readPoint3d(&end);
    vthost::requireFinite(filer, start);
    vthost::requireFinite(filer, end);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_start = start;
    m_end = end;
    return Acad::eOk;
}

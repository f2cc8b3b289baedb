// Record: entity; Int16 version (1). The curve level has no data of its own yet; the version word
// lets it grow.
#include "ent/AcDbCurve.h"

#include "db/AcDbDwgFiler.h"
#include "ent/EntitySupport.h"

ACRX_DEFINE_MEMBERS(AcDbCurve)

namespace {
constexpr Adesk::Int16 kVersion = 1;
}

Adesk::Boolean AcDbCurve::isClosed() const {
    assertReadEnabled();
    return false;
}

Acad::ErrorStatus AcDbCurve::getStartParam(double&) const {
    assertReadEnabled();
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getEndParam(double&) const {
    assertReadEnabled();
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getDistAtParam(double, double&) const {
    assertReadEnabled();
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getPointAtParam(double, AcGePoint3d&) const {
    assertReadEnabled();
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getArea(double&) const {
    assertReadEnabled();
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbCurve::getStartPoint(AcGePoint3d& point) const {
    double param = 0.0;
    Acad::ErrorStatus status = getStartParam(param);
    return status == Acad::eOk ? getPointAtParam(param, point) : status;
}

Acad::ErrorStatus AcDbCurve::getEndPoint(AcGePoint3d& point) const {
    double param = 0.0;
    Acad::ErrorStatus status = getEndParam(param);
    return status == Acad::eOk ? getPointAtParam(param, point) : status;
}

Acad::ErrorStatus AcDbCurve::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbCurve::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    vthost::readClassVersion(filer, kVersion);
    return filer->filerStatus();
}

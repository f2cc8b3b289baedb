// Record: entity; Int16 version (1); Int32 number (-1 or above); Point3d centre; Double width;
// Double height (both not negative); Boolean on.
#include "ent/AcDbViewport.h"

#include <cmath>

#include "db/AcDbDwgFiler.h"
#include "ent/EntitySupport.h"
#include "ge/AcGeMatrix3d.h"

ACRX_DEFINE_MEMBERS(AcDbViewport)

namespace {
constexpr Adesk::Int16 kVersion = 1;

bool size(double value) { return value >= 0.0 && std::isfinite(value); }
}  // namespace

int AcDbViewport::number() const {
    assertReadEnabled();
    return m_number;
}

Acad::ErrorStatus AcDbViewport::setNumber(int number) {
    if (number < -1) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_number = number;
    return Acad::eOk;
}

AcGePoint3d AcDbViewport::centerPoint() const {
    assertReadEnabled();
    return m_center;
}

Acad::ErrorStatus AcDbViewport::setCenterPoint(const AcGePoint3d& center) {
    assertWriteEnabled();
    m_center = center;
    return Acad::eOk;
}

double AcDbViewport::width() const {
    assertReadEnabled();
    return m_width;
}

Acad::ErrorStatus AcDbViewport::setWidth(double width) {
    if (!size(width)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_width = width;
    return Acad::eOk;
}

double AcDbViewport::height() const {
    assertReadEnabled();
    return m_height;
}

Acad::ErrorStatus AcDbViewport::setHeight(double height) {
    if (!size(height)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_height = height;
    return Acad::eOk;
}

Adesk::Boolean AcDbViewport::isOn() const {
    assertReadEnabled();
    return m_on;
}

Acad::ErrorStatus AcDbViewport::setOn() {
    assertWriteEnabled();
    m_on = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbViewport::setOff() {
    assertWriteEnabled();
    m_on = false;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbViewport::transformBy(const AcGeMatrix3d& xform) {
    assertWriteEnabled();
    m_center.transformBy(xform);
    m_width *= xform.scale();
    m_height *= xform.scale();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbViewport::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    filer->writeInt32(m_number);
    filer->writePoint3d(m_center);
    filer->writeDouble(m_width);
    filer->writeDouble(m_height);
    filer->writeBoolean(m_on);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbViewport::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    Adesk::Int32 number = 0;
    AcGePoint3d center;
    double width = 0.0, height = 0.0;
    Adesk::Boolean on = true;
    filer->readInt32(&number);
    filer->readPoint3d(&center);
    filer->readDouble(&width);
    filer->readDouble(&height);
    filer->readBoolean(&on);
    vthost::requireFinite(filer, center);
    if (number < -1 || !size(width) || !size(height)) filer->setFilerStatus(Acad::eFilerError);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_number = number;
    m_center = center;
    m_width = width;
    m_height = height;
    m_on = on;
    return Acad::eOk;
}

// Record: entity; Int16 version (1); String text; Point3d location.
#include "ent/AcDbFcf.h"

#include "db/AcDbDwgFiler.h"
#include "ent/EntitySupport.h"
#include "ge/AcGeMatrix3d.h"

ACRX_DEFINE_MEMBERS(AcDbFcf)

namespace {
constexpr Adesk::Int16 kVersion = 1;
}

char* AcDbFcf::text() const {
    assertReadEnabled();
    return vthost::newStringCopy(m_text);
}

Acad::ErrorStatus AcDbFcf::setText(const char* text) {
    assertWriteEnabled();
    m_text = text != nullptr ? text : "";
    return Acad::eOk;
}

AcGePoint3d AcDbFcf::location() const {
    assertReadEnabled();
    return m_location;
}

Acad::ErrorStatus AcDbFcf::setLocation(const AcGePoint3d& location) {
    assertWriteEnabled();
    m_location = location;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbFcf::transformBy(const AcGeMatrix3d& xform) {
    assertWriteEnabled();
    m_location.transformBy(xform);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbFcf::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    vthost::writeString(filer, m_text);
    filer->writePoint3d(m_location);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbFcf::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    std::string text;
    AcGePoint3d location;
    vthost::readString(filer, text);
    filer->readPoint3d(&location);
    vthost::requireFinite(filer, location);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_text = std::move(text);
    m_location = location;
    return Acad::eOk;
}

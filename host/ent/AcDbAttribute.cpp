// Record: text; Int16 version (1); String tag; Boolean invisible.
#include "ent/AcDbAttribute.h"

#include "db/AcDbDwgFiler.h"
#include "ent/EntitySupport.h"

ACRX_DEFINE_MEMBERS(AcDbAttribute)

namespace {
constexpr Adesk::Int16 kVersion = 1;
}

char* AcDbAttribute::tag() const {
    assertReadEnabled();
    return vthost::newStringCopy(m_tag);
}

Acad::ErrorStatus AcDbAttribute::setTag(const char* tag) {
    if (tag == nullptr || *tag == '\0') return Acad::eInvalidInput;
    assertWriteEnabled();
    m_tag = tag;
    return Acad::eOk;
}

Adesk::Boolean AcDbAttribute::isInvisible() const {
    assertReadEnabled();
    return m_invisible;
}

Acad::ErrorStatus AcDbAttribute::setInvisible(Adesk::Boolean invisible) {
    assertWriteEnabled();
    m_invisible = invisible;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbAttribute::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbText::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    vthost::writeString(filer, m_tag);
    filer->writeBoolean(m_invisible);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttribute::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbText::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    std::string tag;
    Adesk::Boolean invisible = false;
    vthost::readString(filer, tag);
    filer->readBoolean(&invisible);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_tag = std::move(tag);
    m_invisible = invisible;
    return Acad::eOk;
}

// Record: text; Int16 version (1); String tag; Boolean invisible.
#include "ent/AcDbAttribute.h"

#include "db/AcDbDwgFiler.h"
#include "ent/AcDbAttributeDefinition.h"
#include "ge/AcGeMatrix3d.h"
#include "ent/EntitySupport.h"
#include "ut/AcUtil.h"

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

Acad::ErrorStatus AcDbAttribute::setAttributeFromBlock(const AcDbAttributeDefinition* attdef,
                                                       const AcGeMatrix3d& blkXform) {
    if (attdef == nullptr) return Acad::eNullObjectPointer;
    assertWriteEnabled();
    char* tag = attdef->tag();
    char* value = attdef->textString();
    char* layer = attdef->layer();
    if (tag && *tag) m_tag = tag;
    m_invisible = attdef->isInvisible();
    setColorIndex(attdef->colorIndex());
    setLayer(layer);
    setHorizontalMode(attdef->horizontalMode());
    setVerticalMode(attdef->verticalMode());
    setHeight(attdef->height());
    setRotation(attdef->rotation());
    setWidthFactor(attdef->widthFactor());
    setOblique(attdef->oblique());
    setTextString(value);
    setPosition(attdef->position());
    if (!attdef->isDefaultAlignment()) setAlignmentPoint(attdef->alignmentPoint());
    acutDelString(tag);
    acutDelString(value);
    acutDelString(layer);
    return transformBy(blkXform);
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

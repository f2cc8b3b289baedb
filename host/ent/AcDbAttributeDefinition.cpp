// Record: text; Int16 version (1); String tag; String prompt; Boolean constant; Boolean invisible.
#include "ent/AcDbAttributeDefinition.h"

#include "db/AcDbDwgFiler.h"
#include "ent/EntitySupport.h"

ACRX_DEFINE_MEMBERS(AcDbAttributeDefinition)

namespace {
constexpr Adesk::Int16 kVersion = 1;
}

char* AcDbAttributeDefinition::tag() const {
    assertReadEnabled();
    return vthost::newStringCopy(m_tag);
}

Acad::ErrorStatus AcDbAttributeDefinition::setTag(const char* tag) {
    if (tag == nullptr || *tag == '\0') return Acad::eInvalidInput;
    assertWriteEnabled();
    m_tag = tag;
    return Acad::eOk;
}

char* AcDbAttributeDefinition::prompt() const {
    assertReadEnabled();
    return vthost::newStringCopy(m_prompt);
}

Acad::ErrorStatus AcDbAttributeDefinition::setPrompt(const char* prompt) {
    assertWriteEnabled();
    m_prompt = prompt != nullptr ? prompt : "";
    return Acad::eOk;
}

Adesk::Boolean AcDbAttributeDefinition::isConstant() const {
    assertReadEnabled();
    return m_constant;
}

Acad::ErrorStatus AcDbAttributeDefinition::setConstant(Adesk::Boolean constant) {
    assertWriteEnabled();
    m_constant = constant;
    return Acad::eOk;
}

Adesk::Boolean AcDbAttributeDefinition::isInvisible() const {
    assertReadEnabled();
    return m_invisible;
}

Acad::ErrorStatus AcDbAttributeDefinition::setInvisible(Adesk::Boolean invisible) {
    assertWriteEnabled();
    m_invisible = invisible;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbAttributeDefinition::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbText::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    vthost::writeString(filer, m_tag);
    vthost::writeString(filer, m_prompt);
    filer->writeBoolean(m_constant);
    filer->writeBoolean(m_invisible);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttributeDefinition::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbText::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    std::string tag, prompt;
    Adesk::Boolean constant = false, invisible = false;
    vthost::readString(filer, tag);
    vthost::readString(filer, prompt);
    filer->readBoolean(&constant);
    filer->readBoolean(&invisible);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_tag = std::move(tag);
    m_prompt = std::move(prompt);
    m_constant = constant;
    m_invisible = invisible;
    return Acad::eOk;
}

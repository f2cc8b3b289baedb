#include "modifiers/ContentModifiers.h"

#include <strings.h>

#include <cctype>
#include <climits>
#include <memory>

#include "ut/AcUtil.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbDimension.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbObjectIterator.h"
#include "ent/AcDbText.h"
#include "module/OpenedObject.h"

VT_DEFINE_CONCRETE(AcTextModifier, AcContentModifier)
VT_DEFINE_CONCRETE(AcMTextModifier, AcContentModifier)
VT_DEFINE_CONCRETE(AcDimensionModifier, AcContentModifier)
VT_DEFINE_CONCRETE(AcLeaderModifier, AcContentModifier)
VT_DEFINE_CONCRETE(AcColorModifier, AcContentModifier)

// The block modifier files a field of its own, so it defines its filing itself.
VT_DEFINE_SHORT_MEMBERS(AcBlockModifier, "AcContentModifier")

AcRxClass* AcTextModifier::supportedEntityKind() const {
    return AcDbText::desc();
}
AcRxClass* AcMTextModifier::supportedEntityKind() const {
    return AcDbMText::desc();
}
AcRxClass* AcDimensionModifier::supportedEntityKind() const {
    return AcDbDimension::desc();
}
AcRxClass* AcLeaderModifier::supportedEntityKind() const {
    return AcDbLeader::desc();
}
AcRxClass* AcColorModifier::supportedEntityKind() const {
    return AcDbEntity::desc();
}
AcRxClass* AcBlockModifier::supportedEntityKind() const {
    return AcDbBlockReference::desc();
}

void AcTextModifier::updateContent(AcDbEntity* label, const char* text) {
    auto* target = AcDbText::cast(label);
    if (target == nullptr || !target->isWriteEnabled()) return;
    target->setTextString(text);
}

void AcMTextModifier::updateContent(AcDbEntity* label, const char* text) {
    auto* target = AcDbMText::cast(label);
    if (target == nullptr || !target->isWriteEnabled()) return;
    target->setContents(text);
}

void AcDimensionModifier::updateContent(AcDbEntity* label, const char* text) {
    if (auto* dimension = AcDbDimension::cast(label)) dimension->setDimensionText(text);
}

void AcLeaderModifier::updateContent(AcDbEntity* label, const char* text) {
    auto* leader = AcDbLeader::cast(label);
    if (leader == nullptr) return;
    vantorell::OpenedObject<AcDbMText> annotation(leader->annotationObjId(), AcDb::kForWrite);
    if (annotation) annotation->setContents(text);
}

namespace vantorell {

bool parseColorNumber(const char* text, long& value) {
    const char* p = text;
    while (std::isspace(static_cast<unsigned char>(*p))) ++p;
    bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    long magnitude = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > static_cast<long>(INT_MAX) + 1) return false;
    }
    value = negative ? -magnitude : magnitude;
    return value >= INT_MIN && value <= INT_MAX;
}

}  // namespace vantorell

void AcColorModifier::updateContent(AcDbEntity* label, const char* text) {
    if (label == nullptr || !label->isWriteEnabled()) return;
    long number = 0;
    if (!vantorell::parseColorNumber(text, number)) return;
    if (number < 0 || number > 256) return;
    label->setColorIndex(static_cast<Adesk::UInt16>(number), true);
}

Acad::ErrorStatus AcBlockModifier::setAttribName(const char* name) {
    assertWriteEnabled();
    m_attribName = name ? name : "";
    return Acad::eOk;
}

void AcBlockModifier::updateContent(AcDbEntity* label, const char* text) {
    auto* reference = AcDbBlockReference::cast(label);
    if (reference == nullptr) return;
    std::unique_ptr<AcDbObjectIterator> it(reference->attributeIterator());
    if (!it) return;
    for (it->start(false); !it->done(); it->step(false, true)) {
        vantorell::OpenedObject<AcDbAttribute> attribute(it->objectId(), AcDb::kForWrite);
        if (!attribute) continue;
        char* tag = attribute->tag();
        if (tag != nullptr && strcasecmp(m_attribName.c_str(), tag) == 0)
            attribute->setTextString(text);
        acutDelString(tag);
    }
}

Acad::ErrorStatus AcBlockModifier::audit(AcDbAuditInfo* info) {
    return AcContentModifier::audit(info);
}

Acad::ErrorStatus AcBlockModifier::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = vantorell::writeVersionLevel(
        filer, AcContentModifier::dwgOutFields(filer), m_versionAcBlockModifier);
    if (status != Acad::eOk) return status;
    filer->writeString(m_attribName.c_str());
    return filer->filerStatus();
}

Acad::ErrorStatus AcBlockModifier::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    Acad::ErrorStatus status = vantorell::readVersionLevel(
        filer, AcContentModifier::dwgInFields(filer), m_versionAcBlockModifier);
    if (status != Acad::eOk) return status;
    char* name = nullptr;
    filer->readString(&name);
    if (filer->filerStatus() == Acad::eOk) m_attribName = name ? name : "";
    acutDelString(name);
    return filer->filerStatus();
}

Acad::ErrorStatus AcBlockModifier::dxfInFields(AcDbDxfFiler* filer) {
    return AcContentModifier::dxfInFields(filer);
}

Acad::ErrorStatus AcBlockModifier::dxfOutFields(AcDbDxfFiler* filer) const {
    return AcContentModifier::dxfOutFields(filer);
}

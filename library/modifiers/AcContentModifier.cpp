#include "modifiers/AcContentModifier.h"

#include "db/AcDbDwgFiler.h"
#include "db/AcDbEntity.h"

VT_DEFINE_SHORT_MEMBERS(AcContentModifier, "AcDbObject")
VT_DEFINE_CLASS_VERSION(AcContentModifier)

AcContentModifier::~AcContentModifier() = default;

Acad::ErrorStatus AcContentModifier::audit(AcDbAuditInfo* info) {
    return AcDbObject::audit(info);
}

// Record: base object; Int16 version (1).
Acad::ErrorStatus AcContentModifier::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    return vantorell::writeVersionLevel(filer, AcDbObject::dwgOutFields(filer),
                                        m_versionAcContentModifier);
}

Acad::ErrorStatus AcContentModifier::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    return vantorell::readVersionLevel(filer, AcDbObject::dwgInFields(filer),
                                       m_versionAcContentModifier);
}

Acad::ErrorStatus AcContentModifier::dxfInFields(AcDbDxfFiler*) {
    assertWriteEnabled();
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcContentModifier::dxfOutFields(AcDbDxfFiler*) const {
    assertReadEnabled();
    return Acad::eNotImplementedYet;
}

const char* AcContentModifier::displayName() const {
    return "Generic modifier";
}
bool AcContentModifier::hasOptions() const {
    return false;
}
bool AcContentModifier::hasOptionsCorrect() const {
    return true;
}
AcRxClass* AcContentModifier::supportedEntityKind() const {
    return AcDbEntity::desc();
}
void AcContentModifier::updateContent(AcDbEntity*, const char*) {}

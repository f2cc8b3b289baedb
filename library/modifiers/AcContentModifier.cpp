#include "modifiers/AcContentModifier.h"

#include "db/AcDbDwgFiler.h"
#include "db/AcDbEntity.h"

VT_DEFINE_SHORT_MEMBERS(AcContentModifier, "AcDbObject")

AcContentModifier::~AcContentModifier() = default;

Acad::ErrorStatus AcContentModifier::audit(AcDbAuditInfo* info) { return AcDbObject::audit(info); }

// Record: base object; Int16 version (1).
Acad::ErrorStatus AcContentModifier::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeInt16(m_versionAcContentModifier);
    return filer->filerStatus();
}

Acad::ErrorStatus AcContentModifier::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    Acad::ErrorStatus status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::Int16 version = 0;
    filer->readInt16(&version);
    if (version > m_versionAcContentModifier) return Acad::eMakeMeProxy;
    return filer->filerStatus();
}

Acad::ErrorStatus AcContentModifier::dxfInFields(AcDbDxfFiler*) {
    assertWriteEnabled();
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcContentModifier::dxfOutFields(AcDbDxfFiler*) const {
    assertReadEnabled();
    return Acad::eNotImplementedYet;
}

const char* AcContentModifier::displayName() const { return "Generic modifier"; }
bool AcContentModifier::hasOptions() const { return false; }
bool AcContentModifier::hasOptionsCorrect() const { return true; }
AcRxClass* AcContentModifier::supportedEntityKind() const { return AcDbEntity::desc(); }
void AcContentModifier::updateContent(AcDbEntity*, const char*) {}

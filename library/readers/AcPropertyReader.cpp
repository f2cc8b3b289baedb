#include "readers/AcPropertyReader.h"

#include "db/AcDbDwgFiler.h"

VT_DEFINE_SHORT_MEMBERS(AcPropertyReader, "AcDbObject")

AcPropertyReader::~AcPropertyReader() = default;

Acad::ErrorStatus AcPropertyReader::audit(AcDbAuditInfo* info) { return AcDbObject::audit(info); }

// Record: base object; Int16 version (1).
Acad::ErrorStatus AcPropertyReader::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeInt16(m_versionAcPropertyReader);
    return filer->filerStatus();
}

Acad::ErrorStatus AcPropertyReader::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    Acad::ErrorStatus status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::Int16 version = 0;
    filer->readInt16(&version);
    if (version > m_versionAcPropertyReader) return Acad::eMakeMeProxy;
    return filer->filerStatus();
}

Acad::ErrorStatus AcPropertyReader::dxfInFields(AcDbDxfFiler*) {
    assertWriteEnabled();
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcPropertyReader::dxfOutFields(AcDbDxfFiler*) const {
    assertReadEnabled();
    return Acad::eNotImplementedYet;
}

const char* AcPropertyReader::displayName() const { return "Generic reader"; }

char* AcPropertyReader::readProperty(const AcDbEntity*) { return nullptr; }

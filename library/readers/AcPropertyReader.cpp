#include "readers/AcPropertyReader.h"

#include "db/AcDbDwgFiler.h"

VT_DEFINE_SHORT_MEMBERS(AcPropertyReader, "AcDbObject")
VT_DEFINE_CLASS_VERSION(AcPropertyReader)

AcPropertyReader::~AcPropertyReader() = default;

Acad::ErrorStatus AcPropertyReader::audit(AcDbAuditInfo* info) {
    return AcDbObject::audit(info);
}

// Record: base object; Int16 version (1).
Acad::ErrorStatus AcPropertyReader::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    return vantorell::writeVersionLevel(filer, AcDbObject::dwgOutFields(filer),
                                        m_versionAcPropertyReader);
}

Acad::ErrorStatus AcPropertyReader::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    return vantorell::readVersionLevel(filer, AcDbObject::dwgInFields(filer),
                                       m_versionAcPropertyReader);
}

Acad::ErrorStatus AcPropertyReader::dxfInFields(AcDbDxfFiler*) {
    assertWriteEnabled();
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcPropertyReader::dxfOutFields(AcDbDxfFiler*) const {
    assertReadEnabled();
    return Acad::eNotImplementedYet;
}

const char* AcPropertyReader::displayName() const {
    return "Generic reader";
}

char* AcPropertyReader::readProperty(const AcDbEntity*) {
    return nullptr;
}

#include "db/AcDbEntity.h"

#include "db/AcDbDwgFiler.h"
#include "ut/AcUtil.h"

ACRX_DEFINE_MEMBERS(AcDbEntity)

Adesk::UInt16 AcDbEntity::colorIndex() const {
    assertReadEnabled();
    return m_color;
}

Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk::UInt16 color, Adesk::Boolean doSubents) {
    if (color > 256) return Acad::eOutOfRange;
    assertWriteEnabled();
    m_color = color;
    if (doSubents) setSubentColorIndex(color);
    return Acad::eOk;
}

void AcDbEntity::setSubentColorIndex(Adesk::UInt16) {}

char* AcDbEntity::layer() const {
    assertReadEnabled();
    char* copy = nullptr;
    acutNewString(m_layer.c_str(), copy);
    return copy;
}

Acad::ErrorStatus AcDbEntity::setLayer(const char* newLayer) {
    if (newLayer == nullptr || *newLayer == '\0') return Acad::eInvalidInput;
    assertWriteEnabled();
    m_layer = newLayer;
    return Acad::eOk;
}

void AcDbEntity::recordGraphicsModified(Adesk::Boolean setModified) {
    if (setModified) assertWriteEnabled(false, true);
}

Acad::ErrorStatus AcDbEntity::transformBy(const AcGeMatrix3d&) { return Acad::eNotApplicable; }

// Record: base object; UInt16 colour index; String layer.
Acad::ErrorStatus AcDbEntity::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeUInt16(m_color);
    filer->writeString(m_layer.c_str());
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbEntity::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    Acad::ErrorStatus status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::UInt16 color = 256;
    char* layer = nullptr;
    filer->readUInt16(&color);
    filer->readString(&layer);
    if (filer->filerStatus() == Acad::eOk) {
        m_color = color > 256 ? 256 : color;
        m_layer = layer && *layer ? layer : "0";
    }
    acutDelString(layer);
    return filer->filerStatus();
}

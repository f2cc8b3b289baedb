// Record (after the base object's fields):
//   Int16        class version (1)
//   HardPointer  style
//   SoftPointer  label (null for a self link)
// The within-delayed-modification flag is never filed.
#include "link/AcPropertyLink.h"

#include "db/AcDbDwgFiler.h"
#include "db/AcDbEntity.h"
#include "link/StyleManagerService.h"
#include "module/AppDescription.h"
#include "module/OpenedObject.h"
#include "style/AcPropertyLinkStyle.h"

VT_DEFINE_MEMBERS(AcPropertyLink, "AcDbObject", true, 23, 13, 0,
                  vantorell::createInstance<AcPropertyLink>, "ACPROPERTYLINK",
                  vantorell::kAppDescription)
VT_DEFINE_CLASS_VERSION(AcPropertyLink)

AcPropertyLink::AcPropertyLink() = default;
AcPropertyLink::~AcPropertyLink() = default;

AcDbObjectId AcPropertyLink::style() const {
    assertReadEnabled();
    return m_style;
}

Acad::ErrorStatus AcPropertyLink::setStyle(const AcDbObjectId& id) {
    assertWriteEnabled();
    m_style = id;
    return Acad::eOk;
}

AcDbObjectId AcPropertyLink::linkedObj() const {
    assertReadEnabled();
    return m_linkedObject;
}

Acad::ErrorStatus AcPropertyLink::setLinkedObj(const AcDbObjectId& id) {
    assertWriteEnabled();
    m_linkedObject = id;
    return Acad::eOk;
}

bool AcPropertyLink::isWithinDelayedModification() const {
    assertReadEnabled();
    return m_withinDelayedModification;
}

Acad::ErrorStatus AcPropertyLink::setIsWithinDelayedModification(bool value) {
    assertWriteEnabled();
    m_withinDelayedModification = value;
    return Acad::eOk;
}

void AcPropertyLink::modified(const AcDbObject* dbObj) {
    assertReadEnabled();
    if (m_linkedObject.isNull())
        queueSelfLink();
    else
        updateLabel(dbObj);
}

// Every failure is normal here (a label erased or open elsewhere, a style gone): the label simply
// keeps its text.
void AcPropertyLink::updateLabel(const AcDbObject* source) const {
    vantorell::OpenedObject<AcDbEntity> label(m_linkedObject, AcDb::kForWrite);
    if (!label) return;
    vantorell::OpenedObject<AcPropertyLinkStyle> style(m_style, AcDb::kForRead);
    if (!style) return;
    style->update(AcDbEntity::cast(source), label.get());
    label.reset();  // the label first, then the style
}

void AcPropertyLink::queueSelfLink() const {
    if (m_withinDelayedModification) return;
    vantorell::StyleManagerInterface* service = vantorell::findStyleManager();
    if (service == nullptr || service->isProcessingQueue()) return;
    service->queueLink(objectId());
}

Acad::ErrorStatus AcPropertyLink::audit(AcDbAuditInfo* info) {
    return AcDbObject::audit(info);
}

Acad::ErrorStatus AcPropertyLink::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = vantorell::writeVersionLevel(filer, AcDbObject::dwgOutFields(filer),
                                                            m_versionAcPropertyLink);
    if (status != Acad::eOk) return status;
    filer->writeHardPointerId(m_style);
    filer->writeSoftPointerId(m_linkedObject);
    return filer->filerStatus();
}

Acad::ErrorStatus AcPropertyLink::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    Acad::ErrorStatus status =
        vantorell::readVersionLevel(filer, AcDbObject::dwgInFields(filer), m_versionAcPropertyLink);
    if (status != Acad::eOk) return status;
    AcDbHardPointerId style;
    AcDbSoftPointerId label;
    filer->readHardPointerId(&style);
    filer->readSoftPointerId(&label);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_style = style;
    m_linkedObject = label;
    return Acad::eOk;
}

Acad::ErrorStatus AcPropertyLink::dxfInFields(AcDbDxfFiler*) {
    assertWriteEnabled();
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcPropertyLink::dxfOutFields(AcDbDxfFiler*) const {
    assertReadEnabled();
    return Acad::eNotImplementedYet;
}

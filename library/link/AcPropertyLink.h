// AcPropertyLink: makes a label live. Stored in the extension dictionary of its source entity and
// registered as the source's persistent reactor; on every change of the source it opens its label
// (soft pointer) and its style (hard pointer) and lets the style rewrite the label. A link with a
// null label is a self link: its label is the source itself, which the editor application's
// style-manager service updates after the command (the link only queues itself there).
#pragma once
#include "db/AcDbObject.h"
#include "module/ClassVersion.h"
#include "module/RuntimeClass.h"

class AcPropertyLink : public AcDbObject {
public:
    VT_DECLARE_MEMBERS(AcPropertyLink);
    VT_NO_ARRAYS

    VT_DECLARE_CLASS_VERSION(AcPropertyLink, 1)

    AcPropertyLink();
    ~AcPropertyLink() override;

    AcDbObjectId style() const;
    Acad::ErrorStatus setStyle(const AcDbObjectId& id);
    // The label's id; null for a self link.
    AcDbObjectId linkedObj() const;
    Acad::ErrorStatus setLinkedObj(const AcDbObjectId& id);
    // Set by the service while it performs this self link's deferred update; never filed.
    bool isWithinDelayedModification() const;
    Acad::ErrorStatus setIsWithinDelayedModification(bool value);

    // The source (the notifying object) changed.
    void modified(const AcDbObject* dbObj) override;

    Acad::ErrorStatus audit(AcDbAuditInfo* info) override;
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
    void updateLabel(const AcDbObject* source) const;
    void queueSelfLink() const;

    AcDbObjectId m_style;
    AcDbObjectId m_linkedObject;
    bool m_withinDelayedModification = false;
};

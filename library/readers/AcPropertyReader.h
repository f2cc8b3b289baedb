// AcPropertyReader: base of the property readers, the strategy that turns one property of a
// source entity into text. A reader lives inside one link style, which owns it; it never enters
// a database. readProperty returns a new string (global operator new[]) that the caller releases
// with the global operator delete[]; null means no value. The generic reader reads nothing.
#pragma once
#include "db/AcDbObject.h"
#include "module/ClassVersion.h"
#include "module/RuntimeClass.h"

class AcDbEntity;

class AcPropertyReader : public AcDbObject {
public:
    VT_DECLARE_MEMBERS(AcPropertyReader);
    VT_NO_ARRAYS

    VT_DECLARE_CLASS_VERSION(AcPropertyReader, 1)

    AcPropertyReader() = default;
    ~AcPropertyReader() override;

    Acad::ErrorStatus audit(AcDbAuditInfo* info) override;
    // Base level of every reader's record: the object's fields and the version word 1.
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    // Readers cannot be filed to DXF: nothing is filed and the answer is eNotImplementedYet.
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

    // The user-visible name of the reader kind; static text, distinct for every class.
    virtual const char* displayName() const;
    // The property of entity (open for at least read; not changed), or null.
    virtual char* readProperty(const AcDbEntity* entity);
};

// AcContentModifier: base of the content modifiers, the strategy that writes a text into a label
// entity. A modifier lives inside one link style, which owns it; it never enters a database.
// The generic modifier accepts every entity as label and changes nothing.
#pragma once
#include "db/AcDbObject.h"
#include "module/ClassVersion.h"
#include "module/RuntimeClass.h"

class AcDbEntity;

class AcContentModifier : public AcDbObject {
public:
    VT_DECLARE_MEMBERS(AcContentModifier);
    VT_NO_ARRAYS

    VT_DECLARE_CLASS_VERSION(AcContentModifier, 1)

    AcContentModifier() = default;
    ~AcContentModifier() override;

    Acad::ErrorStatus audit(AcDbAuditInfo* info) override;
    // Base level of every modifier's record: the object's fields and the version word 1.
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    // Modifiers cannot be filed to DXF: nothing is filed and the answer is eNotImplementedYet.
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

    // The user-visible name of the modifier kind; static text, distinct for every class.
    virtual const char* displayName() const;
    // True when the kind has settings the user edits in an options dialog.
    virtual bool hasOptions() const;
    // False while those settings are incomplete.
    virtual bool hasOptionsCorrect() const;
    // The class a label must be a kind of.
    virtual AcRxClass* supportedEntityKind() const;
    // Writes text (never null) into label, which is open for write. Failures are silent.
    virtual void updateContent(AcDbEntity* label, const char* text);
};

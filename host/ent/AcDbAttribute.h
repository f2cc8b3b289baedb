// AcDbAttribute: a tagged text value owned by a block reference (see
// AcDbBlockReference::appendAttribute). Its text string is the value; tag() returns a copy that
// the caller frees with acutDelString. Tags are stored as given.
#pragma once
#include "ent/AcDbText.h"

class AcDbAttributeDefinition;
class AcGeMatrix3d;

class AcDbAttribute : public AcDbText {
public:
    ACRX_DECLARE_MEMBERS(AcDbAttribute);
    AcDbAttribute() = default;

    char* tag() const;
    // A null or empty tag answers eInvalidInput.
    Acad::ErrorStatus setTag(const char* tag);
    Adesk::Boolean isInvisible() const;
    Acad::ErrorStatus setInvisible(Adesk::Boolean invisible);
    // Takes the definition's tag, invisibility, default value, colour, layer and text placement,
    // then moves the placement from block coordinates into the drawing by blkXform (a block
    // reference's blockTransform). eNullObjectPointer for a null definition.
    Acad::ErrorStatus setAttributeFromBlock(const AcDbAttributeDefinition* attdef, const AcGeMatrix3d& blkXform);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    std::string m_tag;
    bool m_invisible = false;
};

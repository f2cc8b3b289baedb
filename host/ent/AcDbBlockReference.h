// AcDbBlockReference: an insertion of a block table record at a position, with rotation and scale
// factors, owning its attributes. The attributes are database objects of their own, owned by the
// reference (hard ownership): they are erased, moved and coloured with it. appendAttribute needs
// the reference database-resident and open for write; the attribute (new, not in a database) is
// added to the reference's database and stays open for write for the caller to close.
#pragma once
#include <vector>

#include "db/AcDbEntity.h"
#include "ge/AcGeMatrix3d.h"
#include "ge/AcGeScale3d.h"

class AcDbAttribute;
class AcDbObjectIterator;

class AcDbBlockReference : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockReference);
    AcDbBlockReference() = default;
    AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord)
        : m_block(blockTableRecord), m_position(position) {}

    AcDbObjectId blockTableRecord() const;
    Acad::ErrorStatus setBlockTableRecord(AcDbObjectId id);
    AcGePoint3d position() const;
    Acad::ErrorStatus setPosition(const AcGePoint3d& position);
    AcGeScale3d scaleFactors() const;
    // A zero or non-finite factor answers eInvalidInput.
    Acad::ErrorStatus setScaleFactors(const AcGeScale3d& scale);
    double rotation() const;
    Acad::ErrorStatus setRotation(double rotation);
    // Block coordinates to world: scale, then rotate about z, then move to the position.
    AcGeMatrix3d blockTransform() const;

    Acad::ErrorStatus appendAttribute(AcDbAttribute* attribute);
    Acad::ErrorStatus appendAttribute(AcDbObjectId& id, AcDbAttribute* attribute);
    Acad::ErrorStatus openAttribute(AcDbAttribute*& attribute, AcDbObjectId id, AcDb::OpenMode mode,
                                    bool openErased = false);
    // A new iterator over the attributes; the caller deletes it.
    AcDbObjectIterator* attributeIterator() const;

    // Moves the attributes too (each opened for write; ones that cannot be opened stay put).
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
    // Erases or unerases the attributes with the reference.
    Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    // Colours each attribute that can be opened for write.
    void setSubentColorIndex(Adesk::UInt16 color) override;

private:
    // Opens each attribute for write (erased ones too when asked), runs fn on it and closes it.
    template <class F>
    void forEachAttribute(bool openErased, F fn);

    AcDbObjectId m_block;
    AcGePoint3d m_position;
    AcGeScale3d m_scale;
    double m_rotation = 0.0;
    std::vector<AcDbObjectId> m_attributes;
};

// AcDbEntity: base of everything drawn in a block (model space, paper space, block definitions).
// Adds the colour index (0 BYBLOCK, 1..255, 256 BYLAYER) and the layer name to the object.
#pragma once
#include <string>

#include "db/AcDbObject.h"

class AcGeMatrix3d;

class AcDbEntity : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbEntity);
    ~AcDbEntity() override = default;

    AcDbObjectId blockId() const { return ownerId(); }
    Adesk::UInt16 colorIndex() const;
    // doSubents also colours what the entity owns (a block reference's attributes).
    // Values above 256 answer eOutOfRange.
    Acad::ErrorStatus setColorIndex(Adesk::UInt16 color, Adesk::Boolean doSubents = true);
    // An allocated copy; the caller frees it with acutDelString.
    char* layer() const;
    Acad::ErrorStatus setLayer(const char* newLayer);
    void recordGraphicsModified(Adesk::Boolean setModified = true);
    virtual Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform);

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    AcDbEntity() = default;
    // Called by setColorIndex with doSubents; entities that own others override it.
    virtual void setSubentColorIndex(Adesk::UInt16 color);

private:
    std::string m_layer = "0";
    Adesk::UInt16 m_color = 256;
};

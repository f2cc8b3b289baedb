// AcDbFcf: a geometric tolerance (feature control frame), kept here as its text string and
// location; a leader can carry one as its annotation. text() returns a copy that the caller frees
// with acutDelString.
#pragma once
#include <string>

#include "db/AcDbEntity.h"
#include "ge/AcGePoint3d.h"

class AcDbFcf : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbFcf);
    AcDbFcf() = default;

    char* text() const;
    // Copies the text; null stores an empty one.
    Acad::ErrorStatus setText(const char* text);
    AcGePoint3d location() const;
    Acad::ErrorStatus setLocation(const AcGePoint3d& location);

    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    std::string m_text;
    AcGePoint3d m_location;
};

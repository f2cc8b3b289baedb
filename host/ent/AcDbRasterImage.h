// AcDbRasterImage: a picture placed in the drawing. Its orientation is the lower-left corner
// (origin, WCS), u along the bottom edge (its length is the image width) and v along the left
// edge (its length is the image height). The image file's name is recorded as it was given; the
// file is neither opened nor required to exist.
#pragma once
#include <string>

#include "db/AcDbEntity.h"
#include "ge/AcGePoint3d.h"

class AcDbRasterImage : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbRasterImage);
    AcDbRasterImage() = default;

    void getOrientation(AcGePoint3d& origin, AcGeVector3d& u, AcGeVector3d& v) const;
    // False (nothing changed) when u or v is zero or the two are parallel.
    Adesk::Boolean setOrientation(const AcGePoint3d& origin, const AcGeVector3d& u,
                                  const AcGeVector3d& v);

    // The image file's name; the pointer is valid until the name changes or the entity goes.
    const char* sourceFileName() const;
    // Null stores an empty name.
    Acad::ErrorStatus setSourceFileName(const char* name);

    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    AcGePoint3d m_origin;
    AcGeVector3d m_u{1.0, 0.0, 0.0};
    AcGeVector3d m_v{0.0, 1.0, 0.0};
    std::string m_fileName;
};

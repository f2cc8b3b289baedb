// AcDbRotatedDimension: the distance between two extension-line origins measured along a fixed
// direction, rotation radians from the x axis (0 gives a horizontal dimension, pi/2 a vertical one).
#pragma once
#include "ent/AcDbDimension.h"
#include "ent/DimensionLinePoints.h"

class AcDbRotatedDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbRotatedDimension);
    AcDbRotatedDimension() = default;
    AcDbRotatedDimension(double rotation, const AcGePoint3d& xLine1, const AcGePoint3d& xLine2,
                         const AcGePoint3d& dimLine)
        : m_points{xLine1, xLine2, dimLine}, m_rotation(rotation) {}

    AcGePoint3d xLine1Point() const;
    Acad::ErrorStatus setXLine1Point(const AcGePoint3d& point);
    AcGePoint3d xLine2Point() const;
    Acad::ErrorStatus setXLine2Point(const AcGePoint3d& point);
    AcGePoint3d dimLinePoint() const;
    Acad::ErrorStatus setDimLinePoint(const AcGePoint3d& point);
    double rotation() const;
    Acad::ErrorStatus setRotation(double rotation);

    using AcDbDimension::measurement;
    double measurement() const override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    vthost::DimensionLinePoints m_points;
    double m_rotation = 0.0;
};

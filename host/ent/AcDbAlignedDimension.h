// AcDbAlignedDimension: the distance between two extension-line origins, measured along the line
// through them; dimLinePoint is a point on the dimension line.
#pragma once
#include "ent/AcDbDimension.h"
#include "ent/DimensionLinePoints.h"

class AcDbAlignedDimension : public AcDbDimension {
public:
    ACRX_DECLARE_MEMBERS(AcDbAlignedDimension);
    AcDbAlignedDimension() = default;
    AcDbAlignedDimension(const AcGePoint3d& xLine1, const AcGePoint3d& xLine2,
                         const AcGePoint3d& dimLine)
        : m_points{xLine1, xLine2, dimLine} {}

    AcGePoint3d xLine1Point() const;
    Acad::ErrorStatus setXLine1Point(const AcGePoint3d& point);
    AcGePoint3d xLine2Point() const;
    Acad::ErrorStatus setXLine2Point(const AcGePoint3d& point);
    AcGePoint3d dimLinePoint() const;
    Acad::ErrorStatus setDimLinePoint(const AcGePoint3d& point);

    using AcDbDimension::measurement;
    double measurement() const override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    vthost::DimensionLinePoints m_points;
};

// AcDbRegion: a flat area bounded by a closed curve. The stand-in keeps what it needs to answer
// for the area: the enclosed area and the perimeter taken from the curve when the region was made,
// and an outline of points sampled along that curve (for display and transformations).
#pragma once
#include <vector>

#include "db/AcDbEntity.h"
#include "ge/AcGePoint3d.h"
#include "rx/AcArray.h"

using AcDbVoidPtrArray = AcArray<void*>;

class AcDbRegion : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbRegion);
    AcDbRegion() = default;

    // Makes one new region from each curve in curveSegments (AcDbCurve pointers, open for read or
    // not yet in a database) and appends it to regions; the caller owns the new regions until it
    // adds them to a database. A null entry, a non-curve or an open curve answers eInvalidInput and
    // makes no region at all.
    static Acad::ErrorStatus createFromCurves(const AcDbVoidPtrArray& curveSegments,
                                              AcDbVoidPtrArray& regions);

    Acad::ErrorStatus getArea(double& regionArea) const;
    Acad::ErrorStatus getPerimeter(double& perimeter) const;
    // The sampled outline, closed implicitly from the last point back to the first.
    const std::vector<AcGePoint3d>& outline() const;
    // Meant for similarity transformations: area and perimeter scale with xform.scale().
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    double m_area = 0.0;
    double m_perimeter = 0.0;
    std::vector<AcGePoint3d> m_outline;
};

// AcDbCurve: base of the entities that run along a parameter (lines, arcs, circles, ellipses,
// polylines, leaders). A curve runs from getStartParam to getEndParam; getDistAtParam is the length
// along the curve from its start, getArea the area it encloses (an open curve as if closed by a
// chord). These virtuals answer eNotImplementedYet here; a parameter outside the curve answers
// eInvalidInput in the concrete classes. All members need the curve open for read.
#pragma once
#include "db/AcDbEntity.h"
#include "ge/AcGePoint3d.h"

class AcDbCurve : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbCurve);
    ~AcDbCurve() override = default;

    virtual Adesk::Boolean isClosed() const;
    virtual Acad::ErrorStatus getStartParam(double& param) const;
    virtual Acad::ErrorStatus getEndParam(double& param) const;
    virtual Acad::ErrorStatus getDistAtParam(double param, double& dist) const;
    virtual Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const;
    virtual Acad::ErrorStatus getArea(double& area) const;
    // The points at the start and end parameters.
    Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const;
    Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    AcDbCurve() = default;
};

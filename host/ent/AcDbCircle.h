// AcDbCircle: a full circle about center in the XY plane. Its parameter is the angle from the x
// axis (0 .. 2pi), so the distance at parameter p is radius * p; it is closed and encloses
// pi * radius^2.
#pragma once
#include "ent/AcDbCurve.h"

class AcDbCircle : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDbCircle);
    AcDbCircle() = default;
    AcDbCircle(const AcGePoint3d& center, double radius) : m_center(center), m_radius(radius) {}

    AcGePoint3d center() const;
    Acad::ErrorStatus setCenter(const AcGePoint3d& center);
    double radius() const;
    // A radius that is not a positive number answers eInvalidInput.
    Acad::ErrorStatus setRadius(double radius);

    Adesk::Boolean isClosed() const override;
    Acad::ErrorStatus getStartParam(double& param) const override;
    Acad::ErrorStatus getEndParam(double& param) const override;
    Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
    Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
    Acad::ErrorStatus getArea(double& area) const override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    AcGePoint3d m_center;
    double m_radius = 1.0;
};

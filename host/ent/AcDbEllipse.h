// AcDbEllipse: an ellipse or elliptical arc. The major axis vector runs from the centre to the
// ellipse (its length is the major radius a); the minor axis is normal x majorAxis scaled to
// b = a * radiusRatio. The point at parameter t is center + majorAxis cos t + minorAxis sin t; the
// curve runs from startParam to endParam, or to endParam + 2pi when the end is not above the start
// (0 .. 2pi is the full ellipse). Lengths come from numerical integration; the area of a full
// ellipse is pi a b, that of an arc the segment closed by its chord.
#pragma once
#include "ent/AcDbCurve.h"

class AcDbEllipse : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDbEllipse);
    AcDbEllipse() = default;

    AcGePoint3d center() const;
    Acad::ErrorStatus setCenter(const AcGePoint3d& center);
    AcGeVector3d normal() const;
    AcGeVector3d majorAxis() const;
    AcGeVector3d minorAxis() const;
    double radiusRatio() const;
    // A ratio outside (0, 1] answers eInvalidInput.
    Acad::ErrorStatus setRadiusRatio(double ratio);
    // Parameters are kept in [0, 2pi); see getEndParam for where the curve ends.
    double startParam() const;
    Acad::ErrorStatus setStartParam(double param);
    double endParam() const;
    Acad::ErrorStatus setEndParam(double param);
    // Everything at once. eInvalidInput (nothing changed) for a zero major axis or normal, a normal
    // not perpendicular to the major axis, or a ratio outside (0, 1].
    Acad::ErrorStatus set(const AcGePoint3d& center, const AcGeVector3d& unitNormal,
                          const AcGeVector3d& majorAxis, double radiusRatio, double startParam = 0.0,
                          double endParam = 6.283185307179586 /* 2pi */);

    Adesk::Boolean isClosed() const override;
    Acad::ErrorStatus getStartParam(double& param) const override;
    Acad::ErrorStatus getEndParam(double& param) const override;
    Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
    Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
    Acad::ErrorStatus getArea(double& area) const override;
    // Meant for similarity transformations (moves, rotations, uniform scaling, mirrors): the axes
    // are carried through and the ratio kept.
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    double curveEndParam() const;
    AcGeVector3d minor() const;

    AcGePoint3d m_center;
    AcGeVector3d m_normal{0.0, 0.0, 1.0};
    AcGeVector3d m_majorAxis{1.0, 0.0, 0.0};
    double m_radiusRatio = 1.0;
    double m_startParam = 0.0;
    double m_endParam = 0.0;
};

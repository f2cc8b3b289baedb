// AcDbPolyline: the lightweight polyline, a chain of 2D vertices at an elevation, each with a bulge
// for the segment that leaves it (the tangent of a quarter of the segment's included angle;
// positive turns counter-clockwise, 0 is straight). Parameter i is vertex i; an open polyline runs
// 0 .. n-1, a closed one 0 .. n (its last segment returns to vertex 0). Lengths follow the arcs;
// the area counts the arcs and closes an open polyline with a chord. A vertex index outside the
// polyline answers eInvalidInput.
#pragma once
#include <vector>

#include "ent/AcDbCurve.h"
#include "ge/AcGePoint2d.h"

namespace vthost {
class SegmentChain;
}

class AcDbPolyline : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDbPolyline);
    AcDbPolyline() = default;

    unsigned int numVerts() const;
    // Inserts before index (index == numVerts() appends).
    Acad::ErrorStatus addVertexAt(unsigned int index, const AcGePoint2d& pt, double bulge = 0.);
    Acad::ErrorStatus removeVertexAt(unsigned int index);
    // The 3D form is at the polyline's elevation.
    Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint3d& pt) const;
    Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint2d& pt) const;
    Acad::ErrorStatus setPointAt(unsigned int index, const AcGePoint2d& pt);
    Acad::ErrorStatus getBulgeAt(unsigned int index, double& bulge) const;
    Acad::ErrorStatus setBulgeAt(unsigned int index, double bulge);
    void setClosed(Adesk::Boolean closed);
    double elevation() const;
    void setElevation(double elevation);

    Adesk::Boolean isClosed() const override;
    // A polyline without vertices has no parameters: eNotApplicable.
    Acad::ErrorStatus getStartParam(double& param) const override;
    Acad::ErrorStatus getEndParam(double& param) const override;
    Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
    Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
    Acad::ErrorStatus getArea(double& area) const override;
    // Meant for transformations that keep the polyline's plane; a mirror reverses the bulges.
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    struct Vertex {
        AcGePoint2d point;
        double bulge = 0.0;
    };
    vthost::SegmentChain chain() const;
    bool has(unsigned int index) const { return index < m_vertices.size(); }

    std::vector<Vertex> m_vertices;
    double m_elevation = 0.0;
    bool m_closed = false;
};

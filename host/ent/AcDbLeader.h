// AcDbLeader: a line of straight segments through its vertices, usually ending at an annotation
// (multiline text, a tolerance or a block reference) whose id it keeps as a hard pointer. As a
// curve its parameter is the vertex index (0 .. n-1) and its area that of the chord-closed chain.
#pragma once
#include <vector>

#include "ent/AcDbCurve.h"

class AcDbLeader : public AcDbCurve {
public:
    ACRX_DECLARE_MEMBERS(AcDbLeader);
    AcDbLeader() = default;

    // Answers false (nothing appended) for a non-finite point.
    Adesk::Boolean appendVertex(const AcGePoint3d& point);
    Adesk::Boolean removeLastVertex();
    int numVertices() const;
    // The origin for an index outside the leader.
    AcGePoint3d vertexAt(int index) const;
    Adesk::Boolean setVertexAt(int index, const AcGePoint3d& point);

    // Null when nothing is attached.
    AcDbObjectId annotationObjId() const;
    // A null id answers eNullObjectId.
    Acad::ErrorStatus attachAnnotation(AcDbObjectId annotationId);
    Acad::ErrorStatus detachAnnotation();

    Adesk::Boolean isClosed() const override;
    // A leader without vertices has no parameters: eNotApplicable.
    Acad::ErrorStatus getStartParam(double& param) const override;
    Acad::ErrorStatus getEndParam(double& param) const override;
    Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
    Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
    Acad::ErrorStatus getArea(double& area) const override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    bool has(int index) const { return index >= 0 && index < static_cast<int>(m_vertices.size()); }
    std::vector<AcGePoint3d> m_vertices;
    AcDbObjectId m_annotation;
};

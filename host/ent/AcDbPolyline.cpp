// Record: curve; Int16 version (1); Boolean closed; Double elevation; Int32 vertex count; per
// vertex Double x, Double y, Double bulge.
#include "ent/AcDbPolyline.h"

#include <cmath>

#include "db/AcDbDwgFiler.h"
#include "ent/CurveGeometry.h"
#include "ent/EntitySupport.h"

ACRX_DEFINE_MEMBERS(AcDbPolyline)

namespace {
constexpr Adesk::Int16 kVersion = 1;
constexpr Adesk::Int32 kMaxFiledVertices = 1 << 24;
}  // namespace

unsigned int AcDbPolyline::numVerts() const {
    assertReadEnabled();
    return static_cast<unsigned int>(m_vertices.size());
}

Acad::ErrorStatus AcDbPolyline::addVertexAt(unsigned int index, const AcGePoint2d& pt, double bulge) {
    if (index > m_vertices.size() || !std::isfinite(bulge)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_vertices.insert(m_vertices.begin() + index, Vertex{pt, bulge});
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::removeVertexAt(unsigned int index) {
    if (!has(index)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_vertices.erase(m_vertices.begin() + index);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint3d& pt) const {
    assertReadEnabled();
    if (!has(index)) return Acad::eInvalidInput;
    pt = AcGePoint3d(m_vertices[index].point.x, m_vertices[index].point.y, m_elevation);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint2d& pt) const {
    assertReadEnabled();
    if (!has(index)) return Acad::eInvalidInput;
    pt = m_vertices[index].point;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setPointAt(unsigned int index, const AcGePoint2d& pt) {
    if (!has(index)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_vertices[index].point = pt;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getBulgeAt(unsigned int index, double& bulge) const {
    assertReadEnabled();
    if (!has(index)) return Acad::eInvalidInput;
    bulge = m_vertices[index].bulge;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setBulgeAt(unsigned int index, double bulge) {
    if (!has(index) || !std::isfinite(bulge)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_vertices[index].bulge = bulge;
    return Acad::eOk;
}

void AcDbPolyline::setClosed(Adesk::Boolean closed) {
    assertWriteEnabled();
    m_closed = closed;
}

double AcDbPolyline::elevation() const {
    assertReadEnabled();
    return m_elevation;
}

void AcDbPolyline::setElevation(double elevation) {
    assertWriteEnabled();
    m_elevation = elevation;
}

Adesk::Boolean AcDbPolyline::isClosed() const {
    assertReadEnabled();
    return m_closed;
}

vthost::SegmentChain AcDbPolyline::chain() const {
    std::vector<vthost::ChainVertex> vertices;
    vertices.reserve(m_vertices.size());
    for (const Vertex& v : m_vertices)
        vertices.push_back({AcGePoint3d(v.point.x, v.point.y, m_elevation), v.bulge});
    return vthost::SegmentChain(std::move(vertices), m_closed);
}

Acad::ErrorStatus AcDbPolyline::getStartParam(double& param) const {
    assertReadEnabled();
    if (m_vertices.empty()) return Acad::eNotApplicable;
    param = 0.0;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getEndParam(double& param) const {
    assertReadEnabled();
    if (m_vertices.empty()) return Acad::eNotApplicable;
    param = chain().numSegments();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getDistAtParam(double param, double& dist) const {
    assertReadEnabled();
    return chain().distAtParam(param, dist);
}

Acad::ErrorStatus AcDbPolyline::getPointAtParam(double param, AcGePoint3d& point) const {
    assertReadEnabled();
    return chain().pointAtParam(param, point);
}

Acad::ErrorStatus AcDbPolyline::getArea(double& area) const {
    assertReadEnabled();
    area = chain().area();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::transformBy(const AcGeMatrix3d& xform) {
    assertWriteEnabled();
    bool mirrored = vthost::isPlanarMirror(xform);
    for (Vertex& v : m_vertices) {
        AcGePoint3d p = xform.apply(AcGePoint3d(v.point.x, v.point.y, m_elevation));
        v.point = AcGePoint2d(p.x, p.y);
        if (mirrored) v.bulge = -v.bulge;
    }
    m_elevation = xform.apply(AcGePoint3d(0.0, 0.0, m_elevation)).z;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbCurve::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    filer->writeBoolean(m_closed);
    filer->writeDouble(m_elevation);
    filer->writeInt32(static_cast<Adesk::Int32>(m_vertices.size()));
    for (const Vertex& v : m_vertices) {
        vthost::writePoint2d(filer, v.point);
        filer->writeDouble(v.bulge);
    }
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbPolyline::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbCurve::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    Adesk::Boolean closed = false;
    double elevation = 0.0;
    filer->readBoolean(&closed);
    filer->readDouble(&elevation);
    vthost::requireFinite(filer, elevation);
    Adesk::Int32 count = vthost::readCount(filer, kMaxFiledVertices);
    std::vector<Vertex> vertices;
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
        Vertex v;
        vthost::readPoint2d(filer, v.point);
        filer->readDouble(&v.bulge);
        vthost::requireFinite(filer, v.bulge);
        vertices.push_back(v);
    }
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_closed = closed;
    m_elevation = elevation;
    m_vertices = std::move(vertices);
    return Acad::eOk;
}

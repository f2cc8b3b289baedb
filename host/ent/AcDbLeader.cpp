// Record: curve; Int16 version (1); Int32 vertex count; Point3d per vertex; HardPointer
// annotation.
#include "ent/AcDbLeader.h"

#include "db/AcDbDwgFiler.h"
#include "ent/CurveGeometry.h"
#include "ent/EntitySupport.h"

ACRX_DEFINE_MEMBERS(AcDbLeader)

namespace {
constexpr Adesk::Int16 kVersion = 1;
constexpr Adesk::Int32 kMaxFiledVertices = 1 << 20;

vthost::SegmentChain chainOf(const std::vector<AcGePoint3d>& points) {
    std::vector<vthost::ChainVertex> vertices;
    vertices.reserve(points.size());
    for (const AcGePoint3d& p : points) vertices.push_back({p, 0.0});
    return vthost::SegmentChain(std::move(vertices), false);
}
}  // namespace

Adesk::Boolean AcDbLeader::appendVertex(const AcGePoint3d& point) {
    if (!vthost::isFinite(point)) return false;
    assertWriteEnabled();
    m_vertices.push_back(point);
    return true;
}

Adesk::Boolean AcDbLeader::removeLastVertex() {
    if (m_vertices.empty()) return false;
    assertWriteEnabled();
    m_vertices.pop_back();
    return true;
}

int AcDbLeader::numVertices() const {
    assertReadEnabled();
    return static_cast<int>(m_vertices.size());
}

AcGePoint3d AcDbLeader::vertexAt(int index) const {
    assertReadEnabled();
    return has(index) ? m_vertices[static_cast<std::size_t>(index)] : AcGePoint3d();
}

Adesk::Boolean AcDbLeader::setVertexAt(int index, const AcGePoint3d& point) {
    if (!has(index) || !vthost::isFinite(point)) return false;
    assertWriteEnabled();
    m_vertices[static_cast<std::size_t>(index)] = point;
    return true;
}

AcDbObjectId AcDbLeader::annotationObjId() const {
    assertReadEnabled();
    return m_annotation;
}

Acad::ErrorStatus AcDbLeader::attachAnnotation(AcDbObjectId annotationId) {
    if (annotationId.isNull()) return Acad::eNullObjectId;
    assertWriteEnabled();
    m_annotation = annotationId;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::detachAnnotation() {
    assertWriteEnabled();
    m_annotation.setNull();
    return Acad::eOk;
}

Adesk::Boolean AcDbLeader::isClosed() const {
    assertReadEnabled();
    return false;
}

Acad::ErrorStatus AcDbLeader::getStartParam(double& param) const {
    assertReadEnabled();
    if (m_vertices.empty()) return Acad::eNotApplicable;
    param = 0.0;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::getEndParam(double& param) const {
    assertReadEnabled();
    if (m_vertices.empty()) return Acad::eNotApplicable;
    param = static_cast<double>(m_vertices.size() - 1);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::getDistAtParam(double param, double& dist) const {
    assertReadEnabled();
    return chainOf(m_vertices).distAtParam(param, dist);
}

Acad::ErrorStatus AcDbLeader::getPointAtParam(double param, AcGePoint3d& point) const {
    assertReadEnabled();
    return chainOf(m_vertices).pointAtParam(param, point);
}

Acad::ErrorStatus AcDbLeader::getArea(double& area) const {
    assertReadEnabled();
    area = chainOf(m_vertices).area();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::transformBy(const AcGeMatrix3d& xform) {
    assertWriteEnabled();
    for (AcGePoint3d& p : m_vertices) p.transformBy(xform);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLeader::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbCurve::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    filer->writeInt32(static_cast<Adesk::Int32>(m_vertices.size()));
    for (const AcGePoint3d& p : m_vertices) filer->writePoint3d(p);
    filer->writeHardPointerId(m_annotation);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbLeader::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbCurve::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    Adesk::Int32 count = vthost::readCount(filer, kMaxFiledVertices);
    std::vector<AcGePoint3d> vertices;
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
        AcGePoint3d p;
        filer->readPoint3d(&p);
        vthost::requireFinite(filer, p);
        vertices.push_back(p);
    }
    AcDbHardPointerId annotation;
    filer->readHardPointerId(&annotation);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_vertices = std::move(vertices);
    m_annotation = annotation;
    return Acad::eOk;
}

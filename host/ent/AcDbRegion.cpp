// Record: entity; Int16 version (1); Double area; Double perimeter; Int32 outline point count;
// Point3d per outline point.
#include "ent/AcDbRegion.h"

#include <algorithm>
#include <cmath>

#include "db/AcDbDwgFiler.h"
#include "ent/AcDbCurve.h"
#include "ent/EntitySupport.h"
#include "ge/AcGeMatrix3d.h"

ACRX_DEFINE_MEMBERS(AcDbRegion)

namespace {
constexpr Adesk::Int16 kVersion = 1;
constexpr Adesk::Int32 kMaxFiledPoints = 1 << 24;
// Outline samples: eight per unit of parameter (so a polyline's vertices are among them), within
// these bounds.
constexpr int kMinSamples = 8;
constexpr int kMaxSamples = 4096;

const AcDbCurve* closedCurve(void* entry) {
    const AcDbCurve* curve = entry ? AcDbCurve::cast(static_cast<AcDbEntity*>(entry)) : nullptr;
    return curve != nullptr && curve->isClosed() ? curve : nullptr;
}

// Fills a region from a closed curve; false when the curve cannot say its area, length or points.
bool describe(const AcDbCurve* curve, double& area, double& perimeter,
              std::vector<AcGePoint3d>& outline) {
    double start = 0.0, end = 0.0;
    if (curve->getStartParam(start) != Acad::eOk || curve->getEndParam(end) != Acad::eOk ||
        curve->getArea(area) != Acad::eOk || curve->getDistAtParam(end, perimeter) != Acad::eOk)
        return false;
    double span = end - start;
    int samples = std::clamp(static_cast<int>(std::ceil(span)) * 8, kMinSamples, kMaxSamples);
    for (int i = 0; i < samples; ++i) {
        AcGePoint3d point;
        if (curve->getPointAtParam(start + span * i / samples, point) != Acad::eOk) return false;
        outline.push_back(point);
    }
    return true;
}
}  // namespace

Acad::ErrorStatus AcDbRegion::createFromCurves(const AcDbVoidPtrArray& curveSegments,
                                               AcDbVoidPtrArray& regions) {
    for (void* entry : curveSegments)
        if (closedCurve(entry) == nullptr) return Acad::eInvalidInput;
    std::vector<AcDbRegion*> made;
    for (void* entry : curveSegments) {
        auto* region = new AcDbRegion();
        made.push_back(region);
        if (!describe(closedCurve(entry), region->m_area, region->m_perimeter, region->m_outline)) {
            for (AcDbRegion* r : made) delete r;
            return Acad::eInvalidInput;
        }
    }
    for (AcDbRegion* region : made) regions.append(region);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::getArea(double& regionArea) const {
    assertReadEnabled();
    regionArea = m_area;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::getPerimeter(double& perimeter) const {
    assertReadEnabled();
    perimeter = m_perimeter;
    return Acad::eOk;
}

const std::vector<AcGePoint3d>& AcDbRegion::outline() const {
    assertReadEnabled();
    return m_outline;
}

Acad::ErrorStatus AcDbRegion::transformBy(const AcGeMatrix3d& xform) {
    assertWriteEnabled();
    double scale = xform.scale();
    for (AcGePoint3d& point : m_outline) point.transformBy(xform);
    m_area *= scale * scale;
    m_perimeter *= scale;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRegion::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    filer->writeDouble(m_area);
    filer->writeDouble(m_perimeter);
    filer->writeInt32(static_cast<Adesk::Int32>(m_outline.size()));
    for (const AcGePoint3d& point : m_outline) filer->writePoint3d(point);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbRegion::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    double area = 0.0, perimeter = 0.0;
    filer->readDouble(&area);
    filer->readDouble(&perimeter);
    vthost::requireFinite(filer, area);
    vthost::requireFinite(filer, perimeter);
    Adesk::Int32 count = vthost::readCount(filer, kMaxFiledPoints);
    std::vector<AcGePoint3d> outline;
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
        AcGePoint3d point;
        filer->readPoint3d(&point);
        vthost::requireFinite(filer, point);
        outline.push_back(point);
    }
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_area = area;
    m_perimeter = perimeter;
    m_outline = std::move(outline);
    return Acad::eOk;
}

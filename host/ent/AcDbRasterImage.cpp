// Record: entity; Int16 version (2); Point3d origin; Vector3d u; Vector3d v (neither zero nor
// parallel); String image file name. Version 1 records end before the name (read as empty).
#include "ent/AcDbRasterImage.h"

#include <cmath>
#include <utility>

#include "db/AcDbDwgFiler.h"
#include "ent/EntitySupport.h"
#include "ge/AcGeMatrix3d.h"

ACRX_DEFINE_MEMBERS(AcDbRasterImage)

namespace {
constexpr Adesk::Int16 kVersion = 2;
constexpr Adesk::Int16 kFirstVersionWithFileName = 2;

bool spansPlane(const AcGeVector3d& u, const AcGeVector3d& v) {
    double area = u.crossProduct(v).length();
    return area > 0.0 && std::isfinite(area) && area > 1e-12 * u.length() * v.length();
}
}  // namespace

void AcDbRasterImage::getOrientation(AcGePoint3d& origin, AcGeVector3d& u, AcGeVector3d& v) const {
    assertReadEnabled();
    origin = m_origin;
    u = m_u;
    v = m_v;
}

Adesk::Boolean AcDbRasterImage::setOrientation(const AcGePoint3d& origin, const AcGeVector3d& u,
                                               const AcGeVector3d& v) {
    if (!spansPlane(u, v)) return false;
    assertWriteEnabled();
    m_origin = origin;
    m_u = u;
    m_v = v;
    return true;
}

const char* AcDbRasterImage::sourceFileName() const {
    assertReadEnabled();
    return m_fileName.c_str();
}

Acad::ErrorStatus AcDbRasterImage::setSourceFileName(const char* name) {
    assertWriteEnabled();
    m_fileName = name ? name : "";
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRasterImage::transformBy(const AcGeMatrix3d& xform) {
    AcGeVector3d u = xform.apply(m_u), v = xform.apply(m_v);
    if (!spansPlane(u, v)) return Acad::eInvalidInput;
    assertWriteEnabled();
    m_origin.transformBy(xform);
    m_u = u;
    m_v = v;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbRasterImage::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    filer->writePoint3d(m_origin);
    filer->writeVector3d(m_u);
    filer->writeVector3d(m_v);
    vthost::writeString(filer, m_fileName);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbRasterImage::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::Int16 version = 0;
    if (!vthost::readClassVersion(filer, kVersion, version)) return filer->filerStatus();
    AcGePoint3d origin;
    AcGeVector3d u, v;
    std::string fileName;
    filer->readPoint3d(&origin);
    filer->readVector3d(&u);
    filer->readVector3d(&v);
    if (version >= kFirstVersionWithFileName) vthost::readString(filer, fileName);
    vthost::requireFinite(filer, origin);
    if (!spansPlane(u, v)) filer->setFilerStatus(Acad::eFilerError);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_origin = origin;
    m_u = u;
    m_v = v;
    m_fileName = std::move(fileName);
    return Acad::eOk;
}

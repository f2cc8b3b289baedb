// Record: entity; Int16 version (1); HardPointer block table record; Point3d position; Double x, y
// and z scale factors; Double rotation; Int32 attribute count; HardOwnership id per attribute.
#include "ent/AcDbBlockReference.h"

#include <cmath>

#include "db/AcDbDatabase.h"
#include "db/AcDbDwgFiler.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbObjectIterator.h"
#include "ent/CurveGeometry.h"
#include "ent/EntitySupport.h"

ACRX_DEFINE_MEMBERS(AcDbBlockReference)

namespace {
constexpr Adesk::Int16 kVersion = 1;
constexpr Adesk::Int32 kMaxFiledAttributes = 1 << 20;

bool usableFactor(double f) { return f != 0.0 && std::isfinite(f); }
}  // namespace

AcDbObjectId AcDbBlockReference::blockTableRecord() const {
    assertReadEnabled();
    return m_block;
}

Acad::ErrorStatus AcDbBlockReference::setBlockTableRecord(AcDbObjectId id) {
    assertWriteEnabled();
    m_block = id;
    return Acad::eOk;
}

AcGePoint3d AcDbBlockReference::position() const {
    assertReadEnabled();
    return m_position;
}

Acad::ErrorStatus AcDbBlockReference::setPosition(const AcGePoint3d& position) {
    assertWriteEnabled();
    m_position = position;
    return Acad::eOk;
}

AcGeScale3d AcDbBlockReference::scaleFactors() const {
    assertReadEnabled();
    return m_scale;
}

Acad::ErrorStatus AcDbBlockReference::setScaleFactors(const AcGeScale3d& scale) {
    if (!usableFactor(scale.sx) || !usableFactor(scale.sy) || !usableFactor(scale.sz))
        return Acad::eInvalidInput;
    assertWriteEnabled();
    m_scale = scale;
    return Acad::eOk;
}

double AcDbBlockReference::rotation() const {
    assertReadEnabled();
    return m_rotation;
}

Acad::ErrorStatus AcDbBlockReference::setRotation(double rotation) {
    assertWriteEnabled();
    m_rotation = vthost::normalizeAngle(rotation);
    return Acad::eOk;
}

AcGeMatrix3d AcDbBlockReference::blockTransform() const {
    assertReadEnabled();
    AcGeMatrix3d scale;
    scale.entry[0][0] = m_scale.sx;
    scale.entry[1][1] = m_scale.sy;
    scale.entry[2][2] = m_scale.sz;
    return AcGeMatrix3d::translation(m_position - AcGePoint3d::kOrigin) *
           AcGeMatrix3d::rotation(m_rotation, AcGeVector3d::kZAxis) * scale;
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbAttribute* attribute) {
    AcDbObjectId id;
    return appendAttribute(id, attribute);
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbObjectId& id, AcDbAttribute* attribute) {
    assertWriteEnabled();
    if (attribute == nullptr) return Acad::eNullObjectPointer;
    AcDbDatabase* db = database();
    if (db == nullptr) return Acad::eNotInDatabase;
    Acad::ErrorStatus status = db->addAcDbObject(id, attribute);
    if (status != Acad::eOk) return status;
    attribute->setOwnerId(objectId());
    m_attributes.push_back(id);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::openAttribute(AcDbAttribute*& attribute, AcDbObjectId id,
                                                    AcDb::OpenMode mode, bool openErased) {
    assertReadEnabled();
    return acdbOpenObject(attribute, id, mode, openErased);
}

AcDbObjectIterator* AcDbBlockReference::attributeIterator() const {
    assertReadEnabled();
    return new AcDbObjectIterator(m_attributes);
}

template <class F>
void AcDbBlockReference::forEachAttribute(bool openErased, F fn) {
    for (const AcDbObjectId& id : m_attributes) {
        AcDbAttribute* attribute = nullptr;
        if (acdbOpenObject(attribute, id, AcDb::kForWrite, openErased) != Acad::eOk) continue;
        fn(attribute);
        attribute->close();
    }
}

void AcDbBlockReference::setSubentColorIndex(Adesk::UInt16 color) {
    forEachAttribute(false, [color](AcDbAttribute* a) { a->setColorIndex(color); });
}

// The new block transform is xform times the old one. A mirror (rotation by theta after a flip of
// the y axis) turns rotation r into theta - r and flips the y scale.
Acad::ErrorStatus AcDbBlockReference::transformBy(const AcGeMatrix3d& xform) {
    assertWriteEnabled();
    double turn = vthost::planarRotation(xform);
    m_position.transformBy(xform);
    if (vthost::isPlanarMirror(xform)) {
        m_rotation = vthost::normalizeAngle(turn - m_rotation);
        m_scale.sy = -m_scale.sy;
    } else {
        m_rotation = vthost::normalizeAngle(m_rotation + turn);
    }
    m_scale = m_scale * xform.scale();
    forEachAttribute(false, [&xform](AcDbAttribute* a) { a->transformBy(xform); });
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::subErase(Adesk::Boolean erasing) {
    forEachAttribute(true, [erasing](AcDbAttribute* a) { a->erase(erasing); });
    return AcDbEntity::subErase(erasing);
}

Acad::ErrorStatus AcDbBlockReference::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbEntity::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    vthost::writeClassVersion(filer, kVersion);
    filer->writeHardPointerId(m_block);
    filer->writePoint3d(m_position);
    filer->writeDouble(m_scale.sx);
    filer->writeDouble(m_scale.sy);
    filer->writeDouble(m_scale.sz);
    filer->writeDouble(m_rotation);
    vthost::writeOwnedIds(filer, m_attributes);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockReference::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    vthost::RecordReadGuard guard(this, desc(), filer);
    Acad::ErrorStatus status = AcDbEntity::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    if (!vthost::readClassVersion(filer, kVersion)) return filer->filerStatus();
    AcDbHardPointerId block;
    AcGePoint3d position;
    AcGeScale3d scale;
    double rotation = 0.0;
    std::vector<AcDbObjectId> attributes;
    filer->readHardPointerId(&block);
    filer->readPoint3d(&position);
    for (double* value : {&scale.sx, &scale.sy, &scale.sz, &rotation}) filer->readDouble(value);
    vthost::readOwnedIds(filer, attributes, kMaxFiledAttributes);
    vthost::requireFinite(filer, position);
    vthost::requireFinite(filer, rotation);
    if (!usableFactor(scale.sx) || !usableFactor(scale.sy) || !usableFactor(scale.sz))
        filer->setFilerStatus(Acad::eFilerError);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_block = block;
    m_position = position;
    m_scale = scale;
    m_rotation = rotation;
    m_attributes = std::move(attributes);
    return Acad::eOk;
}

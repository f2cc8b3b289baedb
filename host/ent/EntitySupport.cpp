#include "ent/EntitySupport.h"

#include <cmath>

#include "db/AcDbDwgFiler.h"
#include "db/ObjectAccess.h"
#include "ut/AcUtil.h"

namespace vthost {

char* newStringCopy(const std::string& text) {
    char* copy = nullptr;
    acutNewString(text.c_str(), copy);
    return copy;
}

void writeClassVersion(AcDbDwgFiler* filer, Adesk::Int16 version) { filer->writeInt16(version); }

bool readClassVersion(AcDbDwgFiler* filer, Adesk::Int16 current) {
    Adesk::Int16 version = 0;
    return readClassVersion(filer, current, version);
}

bool readClassVersion(AcDbDwgFiler* filer, Adesk::Int16 current, Adesk::Int16& version) {
    version = 0;
    filer->readInt16(&version);
    if (filer->filerStatus() != Acad::eOk) return false;
    if (version > current) filer->setFilerStatus(Acad::eMakeMeProxy);
    if (version < 1) filer->setFilerStatus(Acad::eFilerError);
    return filer->filerStatus() == Acad::eOk;
}

void writePoint2d(AcDbDwgFiler* filer, const AcGePoint2d& point) {
    filer->writeDouble(point.x);
    filer->writeDouble(point.y);
}

void readPoint2d(AcDbDwgFiler* filer, AcGePoint2d& point) {
    AcGePoint2d read;
    filer->readDouble(&read.x);
    filer->readDouble(&read.y);
    requireFinite(filer, read.x);
    requireFinite(filer, read.y);
    if (filer->filerStatus() == Acad::eOk) point = read;
}

void writeString(AcDbDwgFiler* filer, const std::string& value) { filer->writeString(value.c_str()); }

void readString(AcDbDwgFiler* filer, std::string& value) {
    char* read = nullptr;
    filer->readString(&read);
    if (filer->filerStatus() == Acad::eOk) value = read != nullptr ? read : "";
    acutDelString(read);
}

Adesk::Int32 readCount(AcDbDwgFiler* filer, Adesk::Int32 limit) {
    Adesk::Int32 count = 0;
    filer->readInt32(&count);
    if (filer->filerStatus() != Acad::eOk) return 0;
    if (count >= 0 && count <= limit) return count;
    filer->setFilerStatus(Acad::eFilerError);
    return 0;
}

void writeOwnedIds(AcDbDwgFiler* filer, const std::vector<AcDbObjectId>& ids) {
    filer->writeInt32(static_cast<Adesk::Int32>(ids.size()));
    for (const AcDbObjectId& id : ids) filer->writeHardOwnershipId(id);
}

void readOwnedIds(AcDbDwgFiler* filer, std::vector<AcDbObjectId>& ids, Adesk::Int32 limit) {
    Adesk::Int32 count = readCount(filer, limit);
    std::vector<AcDbObjectId> read;
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
        AcDbHardOwnershipId id;
        filer->readHardOwnershipId(&id);
        read.push_back(id);
    }
    if (filer->filerStatus() == Acad::eOk) ids = std::move(read);
}

void requireFinite(AcDbDwgFiler* filer, double value) {
    if (!std::isfinite(value)) filer->setFilerStatus(Acad::eFilerError);
}

bool isFinite(const AcGePoint3d& point) {
    return std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z);
}

void requireFinite(AcDbDwgFiler* filer, const AcGePoint3d& value) {
    if (!isFinite(value)) filer->setFilerStatus(Acad::eFilerError);
}

void requireFinite(AcDbDwgFiler* filer, const AcGeVector3d& value) {
    for (double v : {value.x, value.y, value.z}) requireFinite(filer, v);
}

void requirePositive(AcDbDwgFiler* filer, double value) {
    if (!(value > 0.0) || !std::isfinite(value)) filer->setFilerStatus(Acad::eFilerError);
}

RecordReadGuard::RecordReadGuard(AcDbObject* object, const AcRxClass* level,
                                 const AcDbDwgFiler* filer)
    : m_object(object), m_filer(filer) {
    if (object->isA() == level && !object->isUndoing())
        m_before = ObjectAccess::takeSnapshot(object);
}

RecordReadGuard::~RecordReadGuard() {
    if (m_before && m_filer->filerStatus() != Acad::eOk)
        ObjectAccess::restoreSnapshot(m_object, m_before);
}

}  // namespace vthost

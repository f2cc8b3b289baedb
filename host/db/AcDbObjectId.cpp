#include "db/DatabaseAccess.h"
#include "db/AcDbObjectId.h"

#include "db/AcDbDatabase.h"

const AcDbObjectId AcDbObjectId::kNull;

AcDbDatabase* AcDbObjectId::database() const {
    return isNull() ? nullptr : vthost::databaseBySerial(m_database);
}

bool AcDbObjectId::isValid() const {
    AcDbDatabase* db = database();
    return db != nullptr && (vthost::DatabaseAccess::objectAt(*db, m_handle) != nullptr || db->isPermanentlyErased(m_handle));
}

bool AcDbObjectId::isErased() const {
    AcDbDatabase* db = database();
    if (db == nullptr) return false;
    AcDbObject* object = vthost::DatabaseAccess::objectAt(*db, m_handle);
    return object == nullptr ? db->isPermanentlyErased(m_handle) : object->isErased();
}

bool AcDbObjectId::isEffectivelyErased() const {
    AcDbObjectId id = *this;
    for (int depth = 0; depth < 64 && !id.isNull(); ++depth) {
        if (id.isErased()) return true;
        AcDbDatabase* db = id.database();
        AcDbObject* object = db ? vthost::DatabaseAccess::objectAt(*db, id.m_handle) : nullptr;
        if (object == nullptr) return false;
        id = object->ownerId();
    }
    return false;
}

long AcDbObjectId::asOldId() const {
    return static_cast<long>((static_cast<unsigned long>(m_database) << 32) | m_handle);
}

AcDbObjectId& AcDbObjectId::setFromOldId(long oldId) {
    auto raw = static_cast<unsigned long>(oldId);
    m_database = static_cast<std::uint32_t>(raw >> 32);
    m_handle = static_cast<std::uint32_t>(raw & 0xFFFFFFFFu);
    if (m_handle == 0) m_database = 0;
    return *this;
}

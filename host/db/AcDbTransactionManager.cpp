#include "db/DatabaseAccess.h"
#include "db/AcDbTransactionManager.h"

#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "db/AcDbDatabase.h"
#include "db/ObjectAccess.h"
#include "db/UndoRecord.h"

ACRX_DEFINE_MEMBERS(AcTransaction)
ACRX_DEFINE_MEMBERS(AcDbTransactionManager)

struct AcDbTransactionManager::Frame {
    std::unique_ptr<AcTransaction> transaction;
    std::uint32_t stamp;
    std::unordered_map<std::uint32_t, vthost::UndoRecordPtr> records;
    std::vector<std::uint32_t> added;  // in order, for removal newest first
    std::unordered_set<std::uint32_t> addedSet;
    std::vector<AcDbObject*> resident;
};

Acad::ErrorStatus AcTransaction::getObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                           bool openErased) {
    return m_manager->getObject(obj, id, mode, openErased);
}

AcDbTransactionManager::AcDbTransactionManager(AcDbDatabase* db) : m_database(db) {}

AcDbTransactionManager::~AcDbTransactionManager() {
    while (!m_frames.empty()) abortTransaction();
}

AcTransaction* AcDbTransactionManager::startTransaction() {
    Frame frame{std::make_unique<AcTransaction>(this), m_nextStamp++, {}, {}, {}, {}};
    m_frames.push_back(std::move(frame));
    return m_frames.back().transaction.get();
}

int AcDbTransactionManager::numActiveTransactions() const {
    return static_cast<int>(m_frames.size());
}

AcTransaction* AcDbTransactionManager::topTransaction() const {
    return m_frames.empty() ? nullptr : m_frames.back().transaction.get();
}

// The first change of an object within the top transaction keeps its state as it is now, just
// before that change: changes made before the transaction began (in the same write open, or in an
// enclosing transaction) are not the top transaction's to undo. Objects the top transaction added
// need nothing: its abort removes them.
bool AcDbTransactionManager::needsRecord(AcDbObject* object) {
    if (m_frames.empty()) return false;
    Frame& top = m_frames.back();
    if (vthost::ObjectAccess::undoStamp(object) == top.stamp) return false;
    vthost::ObjectAccess::setUndoStamp(object, top.stamp);
    std::uint32_t handle = object->objectId().rawHandle();
    return !top.records.count(handle) && !top.addedSet.count(handle);
}

void AcDbTransactionManager::keepRecord(AcDbObject* object, vthost::UndoRecordPtr record) {
    m_frames.back().records.emplace(object->objectId().rawHandle(), std::move(record));
}

const vthost::UndoRecord* AcDbTransactionManager::recordOf(const AcDbObject* object) const {
    if (m_frames.empty()) return nullptr;
    auto it = m_frames.back().records.find(object->objectId().rawHandle());
    return it == m_frames.back().records.end() ? nullptr : it->second.get();
}

// An added object is the top transaction's to remove, never to restore: its stamp says so
// before the object's first change.
void AcDbTransactionManager::recordAdded(std::uint32_t handle) {
    if (m_frames.empty()) return;
    Frame& top = m_frames.back();
    top.added.push_back(handle);
    top.addedSet.insert(handle);
    if (AcDbObject* object = vthost::DatabaseAccess::objectAt(*m_database, handle))
        vthost::ObjectAccess::setUndoStamp(object, top.stamp);
}

Acad::ErrorStatus AcDbTransactionManager::endTransaction() {
    if (m_frames.empty()) return Acad::eNoActiveTransactions;
    Frame frame = std::move(m_frames.back());
    m_frames.pop_back();
    if (!m_frames.empty()) {
        mergeIntoParent(frame, m_frames.back());
        return Acad::eOk;
    }
    for (AcDbObject* object : frame.resident) vthost::ObjectAccess::releaseTransactionOpen(object, true);
    return Acad::eOk;
}

void AcDbTransactionManager::mergeIntoParent(Frame& child, Frame& parent) {
    for (auto& [handle, record] : child.records)
        if (!parent.addedSet.count(handle)) parent.records.emplace(handle, record);
    parent.added.insert(parent.added.end(), child.added.begin(), child.added.end());
    parent.addedSet.insert(child.added.begin(), child.added.end());
    parent.resident.insert(parent.resident.end(), child.resident.begin(), child.resident.end());
}

Acad::ErrorStatus AcDbTransactionManager::abortTransaction() {
    if (m_frames.empty()) return Acad::eNoActiveTransactions;
    Frame frame = std::move(m_frames.back());
    m_frames.pop_back();
    rollBack(frame);
    return Acad::eOk;
}

void AcDbTransactionManager::rollBack(Frame& frame) {
    for (AcDbObject* object : frame.resident) {
        if (!frame.addedSet.count(object->objectId().rawHandle()))
            vthost::ObjectAccess::releaseTransactionOpen(object, false);
    }
    std::vector<AcDbObject*> restored;
    for (auto& [handle, record] : frame.records) {
        AcDbObject* object = vthost::DatabaseAccess::objectAt(*m_database, handle);
        if (object == nullptr) continue;
        vthost::ObjectAccess::restoreRecord(object, *record);
        vthost::ObjectAccess::setUndoStamp(object, 0);
        restored.push_back(object);
    }
    for (auto it = frame.added.rbegin(); it != frame.added.rend(); ++it) vthost::DatabaseAccess::uncreate(*m_database, *it);
    for (AcDbObject* object : restored) vthost::ObjectAccess::sendModifyUndone(object);
}

Acad::ErrorStatus AcDbTransactionManager::getObject(AcDbObject*& obj, AcDbObjectId id,
                                                    AcDb::OpenMode mode, bool openErased) {
    if (m_frames.empty()) return Acad::eNoActiveTransactions;
    return getObjectIn(m_frames.back(), obj, id, mode, openErased);
}

Acad::ErrorStatus AcDbTransactionManager::getObjectIn(Frame& frame, AcDbObject*& obj,
                                                      AcDbObjectId id, AcDb::OpenMode mode,
                                                      bool openErased) {
    AcDbDatabase* db = id.database();
    AcDbObject* object = db ? vthost::DatabaseAccess::objectAt(*db, id.rawHandle()) : nullptr;
    if (object != nullptr && object->isTransactionResident()) {
        if (object->isErased() && !openErased) return Acad::eWasErased;
        if (mode == AcDb::kForWrite && !object->isWriteEnabled()) {
            Acad::ErrorStatus status = object->upgradeOpen();
            if (status != Acad::eOk) return status;
        }
        obj = object;
        return Acad::eOk;
    }
    Acad::ErrorStatus status = acdbOpenAcDbObject(object, id, mode, openErased);
    if (status != Acad::eOk) return status;
    vthost::ObjectAccess::addTransactionRead(object);
    frame.resident.push_back(object);
    obj = object;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbTransactionManager::addNewlyCreatedDBRObject(AcDbObject* obj, bool add) {
    if (obj == nullptr) return Acad::eNullObjectPointer;
    if (m_frames.empty()) return Acad::eNoActiveTransactions;
    if (!add) return Acad::eOk;
    if (!obj->isNewObject()) return Acad::eNotNewlyCreated;
    vthost::ObjectAccess::addTransactionRead(obj);
    m_frames.back().resident.push_back(obj);
    return Acad::eOk;
}

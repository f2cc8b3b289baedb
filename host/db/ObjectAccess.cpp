#include "db/DatabaseAccess.h"
#include "db/ObjectAccess.h"

#include "db/AcDbDatabase.h"
#include "db/AcDbObjectReactor.h"
#include "db/DwgStreamFiler.h"
#include "db/UndoRecord.h"

namespace vthost {

namespace {
constexpr std::uint16_t kMaxReaders = 256;

Acad::ErrorStatus checkRead(const AcDbObject* o) {
    if (o->isNotifyEnabled()) return Acad::eWasOpenForNotify;
    if (o->isUndoing()) return Acad::eWasOpenForUndo;
    if (ObjectAccess::isOpenForWrite(o)) return Acad::eWasOpenForWrite;
    if (ObjectAccess::readers(o) >= kMaxReaders) return Acad::eAtMaxReaders;
    return Acad::eOk;
}

Acad::ErrorStatus checkWrite(const AcDbObject* o) {
    if (o->isNotifyEnabled()) return Acad::eWasOpenForNotify;
    if (o->isNotifying()) return Acad::eWasNotifying;
    if (o->isUndoing()) return Acad::eWasOpenForUndo;
    if (ObjectAccess::isOpenForWrite(o)) return Acad::eWasOpenForWrite;
    if (ObjectAccess::readers(o) > 0) return Acad::eWasOpenForRead;
    return Acad::eOk;
}

Acad::ErrorStatus checkNotify(const AcDbObject* o) {
    if (o->isNotifyEnabled()) return Acad::eWasOpenForNotify;
    if (o->isNotifying()) return Acad::eWasNotifying;
    return Acad::eOk;
}
}  // namespace

Acad::ErrorStatus ObjectAccess::open(AcDbObject* object, AcDb::OpenMode mode) {
    Acad::ErrorStatus status = Acad::eInvalidInput;
    switch (mode) {
        case AcDb::kForRead:
            status = checkRead(object);
            if (status == Acad::eOk) ++object->m_readers;
            break;
        case AcDb::kForWrite:
            status = checkWrite(object);
            if (status == Acad::eOk) object->m_writer = true;
            break;
        case AcDb::kForNotify:
            status = checkNotify(object);
            if (status == Acad::eOk) object->m_notifyOpen = true;
            break;
    }
    return status;
}

void ObjectAccess::closeNotify(AcDbObject* object) {
    if (object->m_writableFromNotify) {
        object->m_writer = false;
        object->m_writableFromNotify = false;
        object->m_modifiedInOpen = false;
        object->m_openRecord.reset();
    }
    object->m_notifyOpen = false;
}

void ObjectAccess::attach(AcDbObject* object, AcDbObjectId id) {
    object->m_id = id;
    object->m_writer = true;
}

void ObjectAccess::markLoaded(AcDbObject* object) {
    object->m_writer = false;
    object->m_new = false;
    object->m_modifiedInOpen = false;
}

Snapshot ObjectAccess::takeSnapshot(const AcDbObject* object) {
    DwgStreamFiler filer(AcDb::kUndoFiler, object->database());
    return takeSnapshot(object, filer);
}

Snapshot ObjectAccess::takeSnapshot(const AcDbObject* object, DwgStreamFiler& filer) {
    filer.writeBoolean(object->m_erased);
    withReadAccess(object, [&] { object->dwgOutFields(&filer); });
    return std::make_shared<const std::vector<unsigned char>>(filer.takeBuffer());
}

void ObjectAccess::restoreSnapshot(AcDbObject* object, const Snapshot& snapshot) {
    DwgStreamFiler filer(AcDb::kUndoFiler, object->database());
    restoreSnapshot(object, snapshot, filer);
}

void ObjectAccess::restoreSnapshot(AcDbObject* object, const Snapshot& snapshot,
                                   DwgStreamFiler& filer) {
    if (!snapshot) return;
    filer.setBuffer(*snapshot);
    bool erased = false;
    filer.readBoolean(&erased);
    bool wasUndoing = object->m_undoing;
    object->m_undoing = true;
    object->dwgInFields(&filer);
    object->m_undoing = wasUndoing;
    object->m_erased = erased;
}

void ObjectAccess::restoreRecord(AcDbObject* object, const UndoRecord& record) {
    bool wasUndoing = object->m_undoing;
    object->m_undoing = true;
    record.restore(object);
    object->m_undoing = wasUndoing;
}

std::shared_ptr<UndoRecord> ObjectAccess::newUndoRecord(AcDbObject* object) {
    return object->newUndoRecord();
}

std::shared_ptr<UndoRecord> ObjectAccess::restoreForRedo(AcDbObject* object,
                                                          const UndoRecord& record) {
    bool wasUndoing = object->m_undoing;
    object->m_undoing = true;
    std::shared_ptr<UndoRecord> redo = record.restoreForRedo(object);
    object->m_undoing = wasUndoing;
    return redo;
}

void ObjectAccess::sendModifyUndone(AcDbObject* object) {
    object->notifyReactors(AcDbObject::Event::kModifyUndone);
}

void ObjectAccess::sendGoodbye(AcDbObject* object) {
    object->notifyReactors(AcDbObject::Event::kGoodbye);
}

void ObjectAccess::releaseTransactionOpen(AcDbObject* object, bool commit) {
    if (object->m_transactionReads > 0) --object->m_transactionReads;
    if (commit) {
        object->close();
        return;
    }
    if (object->m_writer) {
        object->m_writer = false;
        object->m_new = false;
        object->m_modifiedInOpen = false;
        object->m_openRecord.reset();
        object->notifyReactors(AcDbObject::Event::kCancelled);
    } else if (object->m_readers > 0) {
        --object->m_readers;
    }
}

}  // namespace vthost

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased) {
    pObj = nullptr;
    if (id.isNull()) return Acad::eNullObjectId;
    AcDbDatabase* db = id.database();
    if (db == nullptr) return Acad::ePermanentlyErased;
    AcDbObject* object = vthost::DatabaseAccess::objectAt(*db, id.rawHandle());
    if (object == nullptr) return Acad::ePermanentlyErased;
    if (object->isErased() && !openErased) return Acad::eWasErased;
    Acad::ErrorStatus status = vthost::ObjectAccess::open(object, mode);
    if (status == Acad::eOk) pObj = object;
    return status;
}

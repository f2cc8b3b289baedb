// vthost::ObjectAccess: the host's own access to an object's open state, used by the database, the
// transaction manager and the filers. Not for modules.
#pragma once
#include <memory>
#include <vector>

#include "db/AcDbObject.h"

class AcDbDwgFiler;

namespace vthost {

class UndoRecord;
class DwgStreamFiler;
using Snapshot = std::shared_ptr<const std::vector<unsigned char>>;  // as in UndoRecord.h

class ObjectAccess {
public:
    // Applies the open matrix and records the open; the object must be database-resident.
    static Acad::ErrorStatus open(AcDbObject* object, AcDb::OpenMode mode);
    // Ends a kForNotify open made by the host for a notification.
    static void closeNotify(AcDbObject* object);
    // Makes a new object database-resident under id; it stays open for write.
    static void attach(AcDbObject* object, AcDbObjectId id);
    // An object read from a drawing file and just attached: closed, not new, unchanged.
    static void markLoaded(AcDbObject* object);
    static void setErasedFlag(AcDbObject* object, bool erased) { object->m_erased = erased; }
    // The object's whole record (undo filer), erased flag included.
    static Snapshot takeSnapshot(const AcDbObject* object);
    // The same through a given empty undo filer (a container's head filer files less).
    static Snapshot takeSnapshot(const AcDbObject* object, DwgStreamFiler& filer);
    // Puts a recorded state back without recording undo; sends no notification.
    static void restoreSnapshot(AcDbObject* object, const Snapshot& snapshot);
    static void restoreSnapshot(AcDbObject* object, const Snapshot& snapshot, DwgStreamFiler& filer);
    // The record the object's current write open took at its first change (null before one).
    static const UndoRecord* openRecord(const AcDbObject* object) { return object->m_openRecord.get(); }
    // Puts the object back from a record: undo mode, no record taken, no notification sent.
    static void restoreRecord(AcDbObject* object, const UndoRecord& record);
    // A new record of the object as it is now (a container's copies only its own fields).
    static std::shared_ptr<UndoRecord> newUndoRecord(AcDbObject* object);
    // restoreRecord that also answers the record that makes the change again (for redo).
    static std::shared_ptr<UndoRecord> restoreForRedo(AcDbObject* object, const UndoRecord& record);
    // Runs fn with the object readable, whatever its open state (used by the database's scans).
    template <class F>
    static void withReadAccess(const AcDbObject* object, F fn) {
        auto* o = const_cast<AcDbObject*>(object);
        bool grant = !o->isReadEnabled();
        if (grant) ++o->m_readers;
        fn();
        if (grant) --o->m_readers;
    }
    static void sendModifyUndone(AcDbObject* object);
    static void sendGoodbye(AcDbObject* object);
    static std::uint32_t undoStamp(const AcDbObject* object) { return object->m_undoStamp; }
    static void setUndoStamp(AcDbObject* object, std::uint32_t stamp) { object->m_undoStamp = stamp; }
    // Transaction-resident opens: counted separately so that end/abort can release them.
    static void addTransactionRead(AcDbObject* object) { ++object->m_transactionReads; }
    static void releaseTransactionOpen(AcDbObject* object, bool commit);
    static bool isOpenForWrite(const AcDbObject* object) { return object->m_writer; }
    static int readers(const AcDbObject* object) { return object->m_readers; }
};

}  // namespace vthost

// vthost::TransactionAccess: how the database and its objects tell the transaction manager what
// changed (an object about to be modified, an object added), so that an abort can undo it. The
// database's undo recorder, when one is attached, hears the same. Host-internal.
#pragma once
#include <cstdint>
#include <utility>

#include "db/AcDbTransactionManager.h"
#include "db/UndoRecord.h"
#include "db/UndoRecorder.h"

namespace vthost {
class TransactionAccess {
public:
    // Whether the top transaction wants a record of the object before its change (asked once per
    // change); if so, the caller hands it one with keepRecord.
    static bool needsRecord(AcDbTransactionManager* manager, AcDbObject* object) {
        return manager && manager->needsRecord(object);
    }
    static void keepRecord(AcDbTransactionManager* manager, AcDbObject* object,
                           UndoRecordPtr record) {
        manager->keepRecord(object, std::move(record));
    }
    // The top transaction's record of the object, or null; for tests.
    static const UndoRecord* recordOf(const AcDbTransactionManager* manager,
                                      const AcDbObject* object) {
        return manager->recordOf(object);
    }
    // Tells the database's undo recorder, if one is attached, that the object is about to change
    // (at every write assert that records undo).
    static void aboutToChange(AcDbTransactionManager* manager, AcDbObject* object) {
        if (UndoRecorder* recorder = undoRecorderOf(manager)) recorder->aboutToChange(object);
    }
    static void recordAdded(AcDbTransactionManager* manager, std::uint32_t handle) {
        if (manager) manager->recordAdded(handle);
        if (UndoRecorder* recorder = undoRecorderOf(manager)) recorder->added(handle);
    }
};
}  // namespace vthost

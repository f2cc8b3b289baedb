// vthost::TransactionAccess: how the database and its objects tell the transaction manager what
// changed (an object about to be modified, an object added), so that an abort can undo it. The
// database's undo recorder, when one is attached, hears the same. Host-internal.
#pragma once
#include <cstdint>

#include "db/AcDbTransactionManager.h"
#include "db/UndoRecorder.h"

namespace vthost {
class TransactionAccess {
public:
    static void recordUndo(AcDbTransactionManager* manager, AcDbObject* object) {
        if (manager) manager->recordUndo(object);
        if (UndoRecorder* recorder = undoRecorderOf(manager)) recorder->aboutToChange(object);
    }
    static void recordAdded(AcDbTransactionManager* manager, std::uint32_t handle) {
        if (manager) manager->recordAdded(handle);
        if (UndoRecorder* recorder = undoRecorderOf(manager)) recorder->added(handle);
    }
};
}  // namespace vthost

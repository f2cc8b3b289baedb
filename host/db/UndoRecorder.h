// vthost::UndoRecorder: a listener that the editor attaches to one database to learn, exactly when
// the transaction manager learns it, which objects are about to change and which were just added.
// The editor's undo history builds its per-command groups on it. The database does not own the
// recorder; whoever attaches it detaches it (setUndoRecorder(db, nullptr)) before either goes.
#pragma once
#include <cstdint>

class AcDbDatabase;
class AcDbObject;
class AcDbTransactionManager;

namespace vthost {

class UndoRecorder {
public:
    virtual ~UndoRecorder() = default;
    // The object is open for write and about to change (called at every write assert).
    virtual void aboutToChange(AcDbObject* object) = 0;
    // A new object was made resident under handle.
    virtual void added(std::uint32_t handle) = 0;
};

// At most one recorder per database; null detaches.
void setUndoRecorder(AcDbDatabase* db, UndoRecorder* recorder);
// The recorder attached to the database whose transaction manager this is, or null.
UndoRecorder* undoRecorderOf(const AcDbTransactionManager* manager);

}  // namespace vthost

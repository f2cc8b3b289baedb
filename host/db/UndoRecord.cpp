#include "db/UndoRecord.h"

#include "db/DwgStreamFiler.h"
#include "db/ObjectAccess.h"

namespace vthost {

namespace {
// An undo filer whose containers leave their entries out; only its type matters.
class HeadFiler : public DwgStreamFiler {
public:
    explicit HeadFiler(AcDbDatabase* db) : DwgStreamFiler(AcDb::kUndoFiler, db) {}
};
}  // namespace

SnapshotRecord::SnapshotRecord(const AcDbObject* object)
    : m_snapshot(ObjectAccess::takeSnapshot(object)) {}

void SnapshotRecord::restore(AcDbObject* object) const {
    ObjectAccess::restoreSnapshot(object, m_snapshot);
}

bool SnapshotRecord::unchanged(const AcDbObject* object) const {
    return m_snapshot && *ObjectAccess::takeSnapshot(object) == *m_snapshot;
}

UndoRecordPtr SnapshotRecord::restoreForRedo(AcDbObject* object) const {
    auto redo = std::make_shared<SnapshotRecord>(object);
    restore(object);
    return redo;
}

bool headUnchanged(const AcDbObject* container, const Snapshot& head) {
    return head && *takeHeadSnapshot(container) == *head;
}

Snapshot takeHeadSnapshot(const AcDbObject* container) {
    HeadFiler filer(container->database());
    return ObjectAccess::takeSnapshot(container, filer);
}

void restoreHeadSnapshot(AcDbObject* container, const Snapshot& head) {
    HeadFiler filer(container->database());
    ObjectAccess::restoreSnapshot(container, head, filer);
}

bool isHeadFiler(const AcDbDwgFiler* filer) {
    return dynamic_cast<const HeadFiler*>(filer) != nullptr;
}

}  // namespace vthost

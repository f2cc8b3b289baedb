// vthost::UndoRecord: what it takes to put one object back as it was just before a change. An
// object takes one at its first change in a write open, and that one record serves both the
// open's cancel() and the abort of the transaction that was on top at that change; a transaction
// that first sees the object changed later in the open takes its own. Records are shared
// (std::shared_ptr) by the open and the transactions that hold them; restoring one needs the
// object it was taken from. Host internals: public only because the container classes hold their
// entry logs (EntryLog.h) by value; not for modules.
//
// Ordinary objects keep a whole copy of their record (SnapshotRecord). Containers (dictionaries,
// symbol tables, block table records) copy only their own fields and keep a log of the entry
// changes made since (EntryLogRecord in EntryLog.h), so that the record costs the same whatever
// the container holds.
#pragma once
#include <cstddef>
#include <memory>
#include <vector>

#include "db/AcDbObject.h"

class AcDbDwgFiler;

namespace vthost {

// An object's record as an undo filer wrote it.
using Snapshot = std::shared_ptr<const std::vector<unsigned char>>;

class UndoRecord {
public:
    virtual ~UndoRecord() = default;
    // Puts the object back; called with the object in undo mode (no records, no notifications).
    virtual void restore(AcDbObject* object) const = 0;
    // Bytes of object data the record copied when it was taken (entry changes logged later are
    // not counted): what the write open cost.
    virtual std::size_t copiedBytes() const = 0;
    // True when the object is still as the record has it (nothing to put back).
    virtual bool unchanged(const AcDbObject* object) const = 0;
    // Puts the object back like restore() and answers a record that puts back again what this
    // one took away (the command-level redo); same preconditions as restore().
    virtual std::shared_ptr<UndoRecord> restoreForRedo(AcDbObject* object) const = 0;
};

using UndoRecordPtr = std::shared_ptr<UndoRecord>;

// The whole object: its erased flag and everything it files to an undo filer.
class SnapshotRecord : public UndoRecord {
public:
    explicit SnapshotRecord(const AcDbObject* object);
    void restore(AcDbObject* object) const override;
    std::size_t copiedBytes() const override { return m_snapshot ? m_snapshot->size() : 0; }
    bool unchanged(const AcDbObject* object) const override;
    UndoRecordPtr restoreForRedo(AcDbObject* object) const override;

private:
    Snapshot m_snapshot;
};

// A container's own fields without its entries, taken and restored through a head filer: an undo
// filer that a container recognises with isHeadFiler() and then neither writes nor reads its
// entries.
Snapshot takeHeadSnapshot(const AcDbObject* container);
void restoreHeadSnapshot(AcDbObject* container, const Snapshot& head);
// True when the container's own fields are as head has them.
bool headUnchanged(const AcDbObject* container, const Snapshot& head);
bool isHeadFiler(const AcDbDwgFiler* filer);

}  // namespace vthost

// vthost::UndoHistory: the undo record of one drawing. Attached to the database as its undo
// recorder, it keeps, for the group that is open, the state every object had before its first
// change and the handles of the objects added. The editor opens a group when a command starts and
// closes it once the command's commandEnded reactors have run. Undoing a group puts every changed
// object back (modifyUndone, never a second modified) and takes the objects it added out of the
// drawing; REDO reapplies the groups the last undo took back. Marks stop UNDO Back. Groups that
// changed nothing are dropped. Nothing is recorded while a group is being undone or redone.
// Each changed object keeps the database's own undo record of it (AcDbObject::newUndoRecord): a
// whole copy of an ordinary object, but only the own fields and an entry-log mark of a container
// (model space, a dictionary, a table), so a command, its undo and its redo cost what the command
// changed, not what the containers it touched hold. The drawing's header variables (TEXTSIZE that
// TEXT sets, ...) are a handful of values: a group keeps them before and after when they changed.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "db/HeaderVariables.h"
#include "db/UndoRecord.h"
#include "db/UndoRecorder.h"

class AcDbDatabase;

namespace vthost {

class UndoHistory : public UndoRecorder {
public:
    explicit UndoHistory(AcDbDatabase* db);
    ~UndoHistory() override;
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // Opens a group named after the command; a group already open is closed first.
    void beginGroup(const std::string& name);
    void endGroup();
    bool groupOpen() const { return m_open; }
    // Undoes the newest group (closing an open one first); its name, or false when none is left.
    bool undoOne(std::string& name);
    // Undoes up to count groups, newest first, as one operation: a REDO after it redoes them all.
    // Names of the groups undone, newest first (fewer than count when the history ran out).
    std::vector<std::string> undoMany(std::size_t count);
    // Puts a mark on the history; UNDO Back undoes back to it.
    void mark();
    // Undoes back to the newest mark (which goes too); names of the groups undone, newest first.
    std::vector<std::string> undoToMark(bool& hitMark);
    // Redoes what the last undo took back; false when the last operation was not an undo.
    bool redo(std::vector<std::string>& names);
    std::size_t groupCount() const;
    // Bytes of object data the history copied to record its groups (the open one included): what
    // keeping the undo cost, which grows with what commands changed, not with the drawing.
    std::size_t recordedBytes() const;
    // True when a change was made, undone or redone since the last markSaved.
    bool hasUnsavedChanges() const { return m_dirty; }
    void markSaved() { m_dirty = false; }

    void aboutToChange(AcDbObject* object) override;
    void added(std::uint32_t handle) override;

private:
    struct Change {
        std::uint32_t handle;
        UndoRecordPtr before;  // puts the object back as it was before the group
        UndoRecordPtr after;   // made by the undo: puts the group's change back for redo
    };
    struct Group {
        std::string name;
        bool isMark = false;
        std::vector<Change> changes;
        std::vector<std::uint32_t> added;
        std::unordered_set<std::uint32_t> seen;
        HeaderVariables headerBefore;  // as the group began
        HeaderVariables headerAfter;   // as it ended (equal when the group left them alone)
    };
    bool isEmpty(const Group& group) const;
    void applyUndo(Group& group);
    void applyRedo(Group& group);
    void discardRedo();
    void applyHeaderChanges(const HeaderVariables& from, const HeaderVariables& to);
    void undoNewest(std::string& name);

    AcDbDatabase* m_database;
    std::vector<Group> m_groups;
    std::vector<Group> m_redo;
    Group m_current;
    bool m_open = false;
    bool m_applying = false;
    bool m_dirty = false;
};

}  // namespace vthost

#include "ap/UndoHistory.h"

#include <algorithm>

#include "db/DatabaseAccess.h"
#include "db/AcDbDatabase.h"
#include "db/ObjectAccess.h"

namespace vthost {

UndoHistory::UndoHistory(AcDbDatabase* db) : m_database(db) { setUndoRecorder(db, this); }

UndoHistory::~UndoHistory() {
    setUndoRecorder(m_database, nullptr);
}

void UndoHistory::beginGroup(const std::string& name) {
    if (m_open) endGroup();
    m_current = Group{name, false, {}, {}, {}, m_database->headerVariables(), {}};
    m_open = true;
}

bool UndoHistory::isEmpty(const Group& group) const {
    if (!group.added.empty()) return false;
    if (group.headerAfter.all() != group.headerBefore.all()) return false;
    for (const Change& change : group.changes) {
        AcDbObject* object = DatabaseAccess::objectAt(*m_database, change.handle);
        if (object != nullptr && !change.before->unchanged(object)) return false;
    }
    return true;
}

void UndoHistory::endGroup() {
    if (!m_open) return;
    m_open = false;
    m_current.headerAfter = m_database->headerVariables();
    if (isEmpty(m_current)) return;
    discardRedo();
    m_current.seen.clear();
    m_groups.push_back(std::move(m_current));
    m_dirty = true;
}

// The first change of an object within the group keeps its state from before that change.
void UndoHistory::aboutToChange(AcDbObject* object) {
    if (!m_open || m_applying) return;
    std::uint32_t handle = object->objectId().rawHandle();
    if (!m_current.seen.insert(handle).second) return;
    m_current.changes.push_back(Change{handle, ObjectAccess::newUndoRecord(object), nullptr});
}

void UndoHistory::added(std::uint32_t handle) {
    if (!m_open || m_applying) return;
    m_current.seen.insert(handle);
    std::erase_if(m_current.changes, [&](const Change& c) { return c.handle == handle; });
    m_current.added.push_back(handle);
}

// Sets the variables whose values differ between from and to to their values in to; others (a
// SETVAR made outside any group since) are left alone.
void UndoHistory::applyHeaderChanges(const HeaderVariables& from, const HeaderVariables& to) {
    for (const auto& [name, value] : to.all()) {
        const HeaderValue* old = from.find(name);
        if (old == nullptr || *old != value) m_database->headerVariables().put(name, value);
    }
}

// Restores every changed object (keeping its present state for redo), then takes the added
// objects out of the drawing by erasing them, then tells the reactors. An object that an aborted
// transaction already put back is left alone.
void UndoHistory::applyUndo(Group& group) {
    m_applying = true;
    std::vector<AcDbObject*> restored;
    for (Change& change : group.changes) {
        AcDbObject* object = DatabaseAccess::objectAt(*m_database, change.handle);
        if (object == nullptr) continue;
        change.after = nullptr;
        if (change.before->unchanged(object)) continue;
        change.after = ObjectAccess::restoreForRedo(object, *change.before);
        restored.push_back(object);
    }
    for (std::uint32_t handle : group.added)
        if (AcDbObject* object = DatabaseAccess::objectAt(*m_database, handle)) ObjectAccess::setErasedFlag(object, true);
    applyHeaderChanges(group.headerAfter, group.headerBefore);
    for (AcDbObject* object : restored) ObjectAccess::sendModifyUndone(object);
    m_applying = false;
    m_dirty = true;
}

void UndoHistory::applyRedo(Group& group) {
    m_applying = true;
    std::vector<AcDbObject*> restored;
    for (std::uint32_t handle : group.added)
        if (AcDbObject* object = DatabaseAccess::objectAt(*m_database, handle)) ObjectAccess::setErasedFlag(object, false);
    for (Change& change : group.changes) {
        AcDbObject* object = DatabaseAccess::objectAt(*m_database, change.handle);
        if (object == nullptr || !change.after) continue;
        ObjectAccess::restoreRecord(object, *change.after);
        change.after = nullptr;
        restored.push_back(object);
    }
    applyHeaderChanges(group.headerBefore, group.headerAfter);
    for (AcDbObject* object : restored) ObjectAccess::sendModifyUndone(object);
    m_applying = false;
    m_dirty = true;
}

// Once nothing can be redone, the objects that undone groups had added are removed for good.
void UndoHistory::discardRedo() {
    for (Group& group : m_redo)
        for (std::uint32_t handle : group.added) DatabaseAccess::uncreate(*m_database, handle);
    m_redo.clear();
}

bool UndoHistory::undoOne(std::string& name) {
    std::vector<std::string> names = undoMany(1);
    if (names.empty()) return false;
    name = names.front();
    return true;
}

std::vector<std::string> UndoHistory::undoMany(std::size_t count) {
    if (m_open) endGroup();
    std::vector<std::string> names;
    std::string name;
    bool first = true;
    while (names.size() < count) {
        while (!m_groups.empty() && m_groups.back().isMark) m_groups.pop_back();
        if (m_groups.empty()) break;
        if (first) discardRedo(), first = false;
        undoNewest(name);
        names.push_back(name);
    }
    return names;
}

// Undoes the newest group (not a mark) and keeps it for redo.
void UndoHistory::undoNewest(std::string& name) {
    Group group = std::move(m_groups.back());
    m_groups.pop_back();
    applyUndo(group);
    name = group.name;
    m_redo.push_back(std::move(group));
}

void UndoHistory::mark() {
    if (m_open) endGroup();
    Group markGroup;
    markGroup.name = "Mark";
    markGroup.isMark = true;
    m_groups.push_back(std::move(markGroup));
}

std::vector<std::string> UndoHistory::undoToMark(bool& hitMark) {
    if (m_open) endGroup();
    discardRedo();
    std::vector<std::string> names;
    hitMark = false;
    while (!m_groups.empty()) {
        Group group = std::move(m_groups.back());
        m_groups.pop_back();
        if (group.isMark) {
            hitMark = true;
            break;
        }
        applyUndo(group);
        names.push_back(group.name);
        m_redo.push_back(std::move(group));
    }
    return names;
}

bool UndoHistory::redo(std::vector<std::string>& names) {
    if (m_open) endGroup();
    if (m_redo.empty()) return false;
    // Redo in the order the groups were first done: the last undone is the oldest.
    while (!m_redo.empty()) {
        Group group = std::move(m_redo.back());
        m_redo.pop_back();
        applyRedo(group);
        names.push_back(group.name);
        m_groups.push_back(std::move(group));
    }
    return true;
}

std::size_t UndoHistory::groupCount() const {
    return static_cast<std::size_t>(
        std::count_if(m_groups.begin(), m_groups.end(), [](const Group& g) { return !g.isMark; }));
}

std::size_t UndoHistory::recordedBytes() const {
    std::size_t bytes = 0;
    auto add = [&](const Group& group) {
        for (const Change& change : group.changes) bytes += change.before->copiedBytes();
    };
    for (const Group& group : m_groups) add(group);
    for (const Group& group : m_redo) add(group);
    if (m_open) add(m_current);
    return bytes;
}

}  // namespace vthost

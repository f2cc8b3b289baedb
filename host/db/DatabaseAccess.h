// vthost::DatabaseAccess: the host's own way into a database, past the open rules: an object by
// handle without opening it, every resident object in handle order, and the setters that give a
// drawing read from a file its handles and well-known ids, or take back an object an aborted
// transaction had added. Host-internal; modules reach objects only by opening them.
#pragma once
#include <cstdint>
#include <functional>

#include "db/AcDbDatabase.h"

namespace vthost {

class DatabaseAccess {
public:
    // The resident object under handle, or null; it is not opened.
    static AcDbObject* objectAt(const AcDbDatabase& db, std::uint32_t handle) {
        return db.objectAt(handle);
    }
    // Calls fn for every resident object in handle order (erased ones included).
    static void forEachObject(const AcDbDatabase& db,
                              const std::function<void(AcDbObject*)>& fn) {
        db.forEachObject(fn);
    }
    // Removes an object created since an aborted transaction began; its id is then gone for good.
    static void uncreate(AcDbDatabase& db, std::uint32_t handle) { db.uncreate(handle); }
    // Reading a drawing: puts an object under the handle the file gives.
    static Acad::ErrorStatus addWithHandle(AcDbDatabase& db, AcDbObject* object,
                                           std::uint32_t handle) {
        return db.addWithHandle(object, handle);
    }
    static void setHandseed(AcDbDatabase& db, std::uint32_t next) { db.setHandseed(next); }
    // Reading a drawing: every handle below `below` that holds no object counts as permanently
    // erased (its object was erased, or undone, before the drawing was saved).
    static void setHandlesGoneBelow(AcDbDatabase& db, std::uint32_t below) {
        db.setHandlesGoneBelow(below);
    }
    static void setWellKnownIds(AcDbDatabase& db, AcDbObjectId namedObjects,
                                AcDbObjectId blockTable, AcDbObjectId modelSpace,
                                AcDbObjectId paperSpace) {
        db.setWellKnownIds(namedObjects, blockTable, modelSpace, paperSpace);
    }
};

}  // namespace vthost

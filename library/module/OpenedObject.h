// vantorell::OpenedObject<T>: holds one object opened by id (acdbOpenObject, with the class check)
// and closes it when the holder is reset or leaves scope, on every path. An object that never
// entered a database is deleted instead of closed. A close that fails means a broken database and
// stops the host with "Failed AcDbObject::close()". Used wherever the modules open objects.
#pragma once
#include "db/AcDbObject.h"

namespace vantorell {

// Ends the holder's access to object: close() for a database-resident object (a failing close is
// fatal), delete for one that never entered a database. Null is ignored.
void closeOrDelete(AcDbObject* object);

template <class T>
class OpenedObject {
public:
    OpenedObject() = default;
    OpenedObject(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
        open(id, mode, openErased);
    }
    // Holds an object the caller has open already (or a new one, not yet in a database).
    explicit OpenedObject(T* object) : m_object(object) {}
    ~OpenedObject() { reset(); }
    OpenedObject(const OpenedObject&) = delete;
    OpenedObject& operator=(const OpenedObject&) = delete;

    // Lets go of what it holds, then opens id as a T; the status of the open (eNotThatKindOfClass
    // for an object of another class, which is closed again at once).
    Acad::ErrorStatus open(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
        reset();
        T* object = nullptr;
        m_status = acdbOpenObject(object, id, mode, openErased);
        if (m_status == Acad::eOk) m_object = object;
        return m_status;
    }
    // Closes (or deletes) the held object now.
    void reset(T* object = nullptr) {
        if (m_object != nullptr) closeOrDelete(m_object);
        m_object = object;
    }
    // Gives the object up without closing it; the caller now ends the access.
    T* release() {
        T* object = m_object;
        m_object = nullptr;
        return object;
    }

    T* get() const { return m_object; }
    T* operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    Acad::ErrorStatus status() const { return m_status; }

private:
    T* m_object = nullptr;
    Acad::ErrorStatus m_status = Acad::eOk;
};

}  // namespace vantorell

// Template open of a database object with a class check (included by AcDbObject.h).
#pragma once
#include "rx/Fatal.h"

template <class T>
Acad::ErrorStatus acdbOpenObject(T*& pObj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
    AcDbObject* object = nullptr;
    Acad::ErrorStatus status = acdbOpenAcDbObject(object, id, mode, openErased);
    if (status != Acad::eOk) return status;
    pObj = T::cast(object);
    if (pObj != nullptr) return Acad::eOk;
    if (object->close() != Acad::eOk) acrx_abort("Failed AcDbObject::close()");
    return Acad::eNotThatKindOfClass;
}

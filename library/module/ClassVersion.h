// The class-version word that every persistent class of the library files first in its own level
// of a DWG record. Each class declares it with VT_DECLARE_CLASS_VERSION in its header (a static
// constant m_version<Class> and version()) and defines the constant once with
// VT_DEFINE_CLASS_VERSION in its .cpp, so the constant has one address like any other object.
// A record carrying a newer version than the class knows is refused with eMakeMeProxy, which lets
// the host keep the object as a proxy.
#pragma once
#include "db/AcDbDwgFiler.h"

#define VT_DECLARE_CLASS_VERSION(CLASS, VERSION)          \
    static const Adesk::Int16 m_version##CLASS = VERSION; \
    short version() const {                               \
        return m_version##CLASS;                          \
    }

#define VT_DEFINE_CLASS_VERSION(CLASS) const Adesk::Int16 CLASS::m_version##CLASS;

namespace vantorell {

// After the base's level (whose status is passed in): the version word.
inline Acad::ErrorStatus writeVersionLevel(AcDbDwgFiler* filer, Acad::ErrorStatus baseStatus,
                                           Adesk::Int16 version) {
    if (baseStatus != Acad::eOk) return baseStatus;
    filer->writeInt16(version);
    return filer->filerStatus();
}

// eOk when the record may be read on; the base's failure, or eMakeMeProxy for a newer version.
// stored, when given, receives the version the record carries.
inline Acad::ErrorStatus readVersionLevel(AcDbDwgFiler* filer, Acad::ErrorStatus baseStatus,
                                          Adesk::Int16 version, Adesk::Int16* stored = nullptr) {
    if (baseStatus != Acad::eOk) return baseStatus;
    Adesk::Int16 found = 0;
    filer->readInt16(&found);
    if (stored != nullptr) *stored = found;
    if (found > version) return Acad::eMakeMeProxy;
    return filer->filerStatus();
}

}  // namespace vantorell

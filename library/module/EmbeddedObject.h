// Embedded-object records: how a link style files the reader and modifier it owns inside its own
// record. Record: Boolean (an object follows); when true, the runtime class name as a String and
// then the object's own record. The class name alone selects the class on reading.
#pragma once
#include "db/AcDbObject.h"

class AcRxClass;

namespace vantorell {

extern const char* const kUnregisteredWriteMessage;
extern const char* const kUnregisteredReadMessage;

// Writes the record of object, which may be null. An object whose class was never registered is
// an internal error that stops the host.
Acad::ErrorStatus writeObject(AcDbDwgFiler* filer, const AcDbObject* object);

// Reads a record and creates the object it describes; *object receives it (or null) and the caller
// owns it, also when its own record failed part-way. A class name that is not registered here,
// names no runtime class, or (when expectedBase is given) names a class outside that family
// cannot be skipped, since its record has no length: *object stays null, the filer is put into
// the eMakeMeProxy state and that status is returned, so the whole enclosing record fails and the
// host keeps it as a proxy.
Acad::ErrorStatus readObject(AcDbDwgFiler* filer, AcDbObject** object,
                             const AcRxClass* expectedBase = nullptr);

}  // namespace vantorell

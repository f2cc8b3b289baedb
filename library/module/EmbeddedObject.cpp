#include "module/EmbeddedObject.h"

#include "db/AcDbDwgFiler.h"
#include "ut/AcUtil.h"
#include "rx/AcRxClass.h"
#include "rx/AcRxSysRegistry.h"
#include "rx/Fatal.h"

namespace vantorell {

const char* const kUnregisteredWriteMessage =
    "writeObject() attempts to write class, that hasn't been registered via rxInit()!";
const char* const kUnregisteredReadMessage =
    "readObject() attempts to read class, that hasn't been registered via rxInit()!";

namespace {
AcRxClass* registeredClass(const char* name) {
    auto* classes = AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY));
    return classes && name ? AcRxClass::cast(classes->at(name)) : nullptr;
}

Acad::ErrorStatus refuseUnknownClass(AcDbDwgFiler* filer) {
    acutPrintf("\n%s\n", kUnregisteredReadMessage);
    filer->setFilerStatus(Acad::eMakeMeProxy);
    return filer->filerStatus();
}
}  // namespace

Acad::ErrorStatus writeObject(AcDbDwgFiler* filer, const AcDbObject* object) {
    if (object == nullptr) {
        filer->writeBoolean(false);
        return Acad::eOk;
    }
    filer->writeBoolean(true);
    const AcRxClass* cls = object->isA();
    if (cls == nullptr) acrx_abort("%s", kUnregisteredWriteMessage);
    filer->writeString(cls->name());
    return object->dwgOutFields(filer);
}

Acad::ErrorStatus readObject(AcDbDwgFiler* filer, AcDbObject** object,
                             const AcRxClass* expectedBase) {
    *object = nullptr;
    Adesk::Boolean present = false;
    filer->readBoolean(&present);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    if (!present) return Acad::eOk;
    char* className = nullptr;
    filer->readString(&className);
    if (filer->filerStatus() != Acad::eOk) {
        acutDelString(className);
        return filer->filerStatus();
    }
    AcRxClass* cls = registeredClass(className);
    acutDelString(className);
    if (cls == nullptr || (expectedBase != nullptr && !cls->isDerivedFrom(expectedBase)))
        return refuseUnknownClass(filer);
    AcRxObject* created = cls->create();
    AcDbObject* dbObject = AcDbObject::cast(created);
    if (dbObject == nullptr) {
        delete created;
        return refuseUnknownClass(filer);
    }
    *object = dbObject;
    return dbObject->dwgInFields(filer);
}

}  // namespace vantorell

#include "module/RuntimeClass.h"

#include "rx/AcRxSysRegistry.h"
#include "rx/Fatal.h"

namespace vantorell {

namespace {
AcRxClass* lookUp(const char* name) {
    auto* classes = AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY));
    return classes ? AcRxClass::cast(classes->at(name)) : nullptr;
}
}  // namespace

AcRxClass* findClass(AcRxClass*& gpDesc, const char* name) {
    if (gpDesc == nullptr) gpDesc = lookUp(name);
    return gpDesc;
}

void registerClass(AcRxClass*& gpDesc, const ClassDescription& d) {
    if (gpDesc != nullptr) {
        AcRxClass* registered = lookUp(d.name);
        if (registered == gpDesc) return;
        if (registered != nullptr) acrx_abort("Class mismatch");
    }
    gpDesc = d.longForm ? newAcRxClass(d.name, d.parentName, d.dwgVersion, d.maintenanceVersion,
                                       d.proxyFlags, d.constructor, d.dxfName, d.appName)
                        : newAcRxClass(d.name, d.parentName, d.proxyFlags, d.constructor, nullptr,
                                       nullptr);
}

}  // namespace vantorell

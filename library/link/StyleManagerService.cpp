#include "link/StyleManagerService.h"

#include "rx/AcRxClass.h"
#include "rx/AcRxSysRegistry.h"

namespace vantorell {

// The service's class is looked up on every call: the editor application can be unloaded and
// loaded again, which replaces that class.
StyleManagerInterface* findStyleManager() {
    if (!acrxServiceIsRegistered(kStyleManagerServiceName)) return nullptr;
    auto* services = AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_SERVICE_DICTIONARY));
    if (services == nullptr) return nullptr;
    AcRxObject* service = services->at(kStyleManagerServiceName);
    if (service == nullptr) return nullptr;
    auto* classes = AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY));
    AcRxClass* serviceClass =
        classes ? AcRxClass::cast(classes->at(kStyleManagerServiceName)) : nullptr;
    if (serviceClass == nullptr || service->isA() == nullptr || !service->isKindOf(serviceClass))
        return nullptr;
    return static_cast<StyleManagerInterface*>(service);
}

}  // namespace vantorell

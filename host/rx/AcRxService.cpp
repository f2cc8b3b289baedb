#include "rx/AcRxService.h"

#include "rx/AcRxSysRegistry.h"

ACRX_DEFINE_MEMBERS(AcRxService)

AcRxService::~AcRxService() = default;

Adesk::Boolean acrxServiceIsRegistered(const char* serviceName) {
    AcRxDictionary* services = vthost::serviceDictionary();
    return services != nullptr && services->has(serviceName);
}

AcRxObject* acrxRegisterService(const char* serviceName) {
    AcRxDictionary* services = vthost::serviceDictionary();
    if (services == nullptr || serviceName == nullptr) return nullptr;
    auto* service = new AcRxService();
    delete services->atPut(serviceName, service);
    return service;
}

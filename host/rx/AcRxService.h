// AcRxService: a named rendezvous between modules, kept in "ServiceDictionary". Registering a
// service hands it to the host; the dictionary does not delete replaced or removed services.
#pragma once
#include "rx/AcRxObject.h"

class AcRxService : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxService);

    AcRxService() = default;
    ~AcRxService() override;

    AcRxObject* getSysInfo() const { return m_sysInfo; }
    void setSysInfo(AcRxObject* info) { m_sysInfo = info; }
    void addDependency() { ++m_dependencies; }
    void removeDependency() {
        if (m_dependencies > 0) --m_dependencies;
    }
    // A service that other modules depend on cannot be unloaded.
    Adesk::Boolean unloadable() const { return m_dependencies == 0; }

private:
    AcRxObject* m_sysInfo = nullptr;
    int m_dependencies = 0;
};

Adesk::Boolean acrxServiceIsRegistered(const char* serviceName);
// Registers a new plain service under the name and returns it.
AcRxObject* acrxRegisterService(const char* serviceName);

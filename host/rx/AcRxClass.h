// AcRxClass: the runtime class of host and module classes. Created by newAcRxClass, which enters
// it in "ClassDictionary" under its name; the dictionary owns it until deleteAcRxClass.
// The parent is known by name until acrxBuildClassHierarchy links it.
#pragma once
#include <string>

#include "rx/AcRxObject.h"

using AcRxPseudoConstructor = AcRxObject* (*)();

class AcRxClass : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxClass);

    AcRxClass(const char* name, const char* parentName, int dwgVersion, int maintenanceVersion,
              int proxyFlags, AcRxPseudoConstructor constructor, const char* dxfName,
              const char* appName);
    ~AcRxClass() override;

    const char* name() const { return m_name.c_str(); }
    // Null when the class has no DXF name or no application name.
    const char* dxfName() const { return m_dxfName.empty() ? nullptr : m_dxfName.c_str(); }
    const char* appName() const { return m_appName.empty() ? nullptr : m_appName.c_str(); }
    int proxyFlags() const { return m_proxyFlags; }
    void getClassVersion(int& dwgVersion, int& maintenanceVersion) const;
    AcRxClass* myParent() const { return m_parent; }
    const char* parentName() const { return m_parentName.c_str(); }

    // A new instance, or null when the class has no pseudo-constructor.
    AcRxObject* create() const;
    bool isDerivedFrom(const AcRxClass* other) const;

    // Used by acrxBuildClassHierarchy.
    void setParent(AcRxClass* parent) { m_parent = parent; }

private:
    std::string m_name;
    std::string m_parentName;
    std::string m_dxfName;
    std::string m_appName;
    int m_dwgVersion;
    int m_maintenanceVersion;
    int m_proxyFlags;
    AcRxPseudoConstructor m_constructor;
    AcRxClass* m_parent = nullptr;
};

// Short form: no DWG version. Both forms keep an existing class of the same name and return it.
AcRxClass* newAcRxClass(const char* className, const char* parentClassName, int proxyFlags = 0,
                        AcRxPseudoConstructor pseudoCtor = nullptr, const char* dxfName = nullptr,
                        const char* appName = nullptr);
AcRxClass* newAcRxClass(const char* className, const char* parentClassName, int dwgVer,
                        int maintVer, int proxyFlags = 0,
                        AcRxPseudoConstructor pseudoCtor = nullptr, const char* dxfName = nullptr,
                        const char* appName = nullptr);

extern "C" void acrxBuildClassHierarchy();
// Removes the class from "ClassDictionary" (when it is the registered one) and deletes it.
extern "C" void deleteAcRxClass(AcRxClass* pClass);

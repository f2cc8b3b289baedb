#include "rx/AcRxClass.h"

#include <set>

#include "rx/AcRxDictionary.h"
#include "rx/AcRxSysRegistry.h"

ACRX_DEFINE_MEMBERS(AcRxClass)

namespace {
// Every class object alive, so that deleting a stale pointer (a module deleting a class it
// registered before and never registered again) is recognised and ignored.
std::set<const AcRxClass*>& liveClasses() {
    static std::set<const AcRxClass*> live;
    return live;
}

std::string orEmpty(const char* text) { return text == nullptr ? std::string() : text; }
unsigned g_classGeneration = 1;
}  // namespace

unsigned vthost::classGeneration() { return g_classGeneration; }

AcRxClass::AcRxClass(const char* name, const char* parentName, int dwgVersion,
                     int maintenanceVersion, int proxyFlags, AcRxPseudoConstructor constructor,
                     const char* dxfName, const char* appName)
    : m_name(orEmpty(name)),
      m_parentName(orEmpty(parentName)),
      m_dxfName(orEmpty(dxfName)),
      m_appName(orEmpty(appName)),
      m_dwgVersion(dwgVersion),
      m_maintenanceVersion(maintenanceVersion),
      m_proxyFlags(proxyFlags),
      m_constructor(constructor) {
    liveClasses().insert(this);
}

AcRxClass::~AcRxClass() { liveClasses().erase(this); }

void AcRxClass::getClassVersion(int& dwgVersion, int& maintenanceVersion) const {
    dwgVersion = m_dwgVersion;
    maintenanceVersion = m_maintenanceVersion;
}

AcRxObject* AcRxClass::create() const { return m_constructor ? m_constructor() : nullptr; }

bool AcRxClass::isDerivedFrom(const AcRxClass* other) const {
    if (other == nullptr) return false;
    // The hop limit guards against a parent cycle made by a badly named registration.
    int hops = 0;
    for (const AcRxClass* cls = this; cls != nullptr && hops < 1024; cls = cls->m_parent, ++hops)
        if (cls == other) return true;
    return false;
}

AcRxClass* acrxFindClass(const char* name) {
    AcRxDictionary* classes = vthost::classDictionary();
    return classes ? dynamic_cast<AcRxClass*>(classes->at(name)) : nullptr;
}

AcRxClass* newAcRxClass(const char* className, const char* parentClassName, int proxyFlags,
                        AcRxPseudoConstructor pseudoCtor, const char* dxfName,
                        const char* appName) {
    return newAcRxClass(className, parentClassName, 0, 0, proxyFlags, pseudoCtor, dxfName,
                        appName);
}

AcRxClass* newAcRxClass(const char* className, const char* parentClassName, int dwgVer,
                        int maintVer, int proxyFlags, AcRxPseudoConstructor pseudoCtor,
                        const char* dxfName, const char* appName) {
    AcRxDictionary* classes = vthost::classDictionary();
    if (className == nullptr || classes == nullptr) return nullptr;
    if (AcRxClass* existing = dynamic_cast<AcRxClass*>(classes->at(className))) return existing;
    auto* cls = new AcRxClass(className, parentClassName, dwgVer, maintVer, proxyFlags,
                              pseudoCtor, dxfName, appName);
    cls->setParent(acrxFindClass(parentClassName));
    classes->atPut(className, cls);
    return cls;
}

extern "C" void acrxBuildClassHierarchy() {
    AcRxDictionary* classes = vthost::classDictionary();
    if (classes == nullptr) return;
    AcRxDictionaryIterator* it = classes->newIterator();
    for (; !it->done(); it->next()) {
        AcRxClass* cls = dynamic_cast<AcRxClass*>(it->object());
        if (cls != nullptr) cls->setParent(acrxFindClass(cls->parentName()));
    }
    delete it;
}

extern "C" void deleteAcRxClass(AcRxClass* pClass) {
    if (pClass == nullptr || liveClasses().count(pClass) == 0) return;
    AcRxDictionary* classes = vthost::classDictionary();
    if (classes != nullptr && classes->at(pClass->name()) == pClass) classes->remove(pClass->name());
    // Children registered by other modules lose their parent link rather than keep a dangling one.
    if (classes != nullptr) {
        AcRxDictionaryIterator* it = classes->newIterator();
        for (; !it->done(); it->next()) {
            AcRxClass* cls = dynamic_cast<AcRxClass*>(it->object());
            if (cls != nullptr && cls->myParent() == pClass) cls->setParent(nullptr);
        }
        delete it;
    }
    delete pClass;
    ++g_classGeneration;
}

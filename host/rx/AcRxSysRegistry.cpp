#include "rx/AcRxSysRegistry.h"

#include "rx/AcRxClass.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxService.h"

namespace {
AcRxDictionary* g_registry = nullptr;

AcRxObject* newDictionary() { return new AcRxDictionary(); }

void registerRuntimeClasses() {
    newAcRxClass("AcRxObject", "", 0, nullptr);
    newAcRxClass("AcRxClass", "AcRxObject");
    newAcRxClass("AcRxDictionary", "AcRxObject", 0, newDictionary);
    newAcRxClass("AcRxService", "AcRxObject");
    newAcRxClass("AcRxDynamicLinker", "AcRxObject");
    acrxBuildClassHierarchy();
}

void deleteAllClasses(AcRxDictionary* classes) {
    while (classes->numEntries() > 0) {
        AcRxDictionaryIterator* it = classes->newIterator();
        AcRxObject* cls = it->object();
        delete it;
        deleteAcRxClass(static_cast<AcRxClass*>(cls));
    }
}
}  // namespace

AcRxDictionary* acrxSysRegistry() {
    vthost::initRuntime();
    return g_registry;
}

namespace vthost {

void initRuntime() {
    if (g_registry != nullptr) return;
    g_registry = new AcRxDictionary(/*deletesObjects=*/true);
    g_registry->atPut(ACRX_CLASS_DICTIONARY, new AcRxDictionary(false));
    g_registry->atPut(ACRX_SERVICE_DICTIONARY, new AcRxDictionary(false));
    g_registry->atPut(ACRX_DYNAMIC_LINKER, new AcRxDynamicLinker());
    registerRuntimeClasses();
}

void shutdownRuntime() {
    if (g_registry == nullptr) return;
    AcRxDictionary* services = serviceDictionary();
    while (services->numEntries() > 0) {
        AcRxDictionaryIterator* it = services->newIterator();
        std::string key = it->key();
        delete it;
        delete services->remove(key.c_str());
    }
    deleteAllClasses(classDictionary());
    delete g_registry;
    g_registry = nullptr;
}

AcRxDictionary* classDictionary() {
    return g_registry ? static_cast<AcRxDictionary*>(g_registry->at(ACRX_CLASS_DICTIONARY))
                      : nullptr;
}

AcRxDictionary* serviceDictionary() {
    return g_registry ? static_cast<AcRxDictionary*>(g_registry->at(ACRX_SERVICE_DICTIONARY))
                      : nullptr;
}

}  // namespace vthost

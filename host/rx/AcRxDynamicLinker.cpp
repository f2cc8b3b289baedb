#include "rx/AcRxDynamicLinker.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "rx/AcRxService.h"
#include "rx/AcRxSysRegistry.h"

ACRX_DEFINE_MEMBERS(AcRxDynamicLinker)

namespace {

void (*g_printer)(const char*) = nullptr;

std::vector<vthost::ModuleUnloadObserver>& unloadObservers() {
    static std::vector<vthost::ModuleUnloadObserver> observers;
    return observers;
}

std::string canonical(const std::string& path) {
    char resolved[4096];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

AcRxEntryPointFunction entryPointOf(HMODULE handle) {
    return vthost::procAddress<AcRxEntryPointFunction>(handle, "acrxEntryPoint");
}

enum class Candidate { kAbsent, kRefused, kNotAModule };

// Why a candidate that exists cannot be loaded, when it is not the module refusing.
Candidate examine(const std::string& path, std::string& reason) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return Candidate::kAbsent;
    if (S_ISREG(info.st_mode)) return Candidate::kRefused;
    reason = "not a regular file";
    return Candidate::kNotAModule;
}

void reportLoadFailure(bool printit, const std::string& path, const char* reason) {
    if (!printit) return;
    std::string text = "\nUnable to load " + path + ": " + reason + "\n";
    vthost::runtimePrint(text.c_str());
}

}  // namespace

AcRxDynamicLinker::~AcRxDynamicLinker() = default;

AcRxDynamicLinker::Module* AcRxDynamicLinker::findByPath(const std::string& path) {
    for (Module& module : m_modules)
        if (module.path == path) return &module;
    return nullptr;
}

AcRxDynamicLinker::Module* AcRxDynamicLinker::findByAppId(void* appId) const {
    for (Module& module : m_modules)
        if (module.handle == appId) return &module;
    return nullptr;
}

const AcRxDynamicLinker::Module* AcRxDynamicLinker::findByName(const char* name) const {
    if (name == nullptr) return nullptr;
    std::string wanted = name;
    for (const Module& module : m_modules) {
        std::string base = module.path.substr(module.path.rfind('/') + 1);
        if (module.path == wanted || base == wanted) return &module;
    }
    return nullptr;
}

__attribute__((noinline)) Adesk::Boolean AcRxDynamicLinker::loadModule(const char* fileName,
                                                                       Adesk::Boolean printit,
                                                                       Adesk::Boolean) {
    return loadModuleRequestedBy(fileName, printit, __builtin_return_address(0));
}

// Candidates that are missing are passed over; one that cannot be loaded as a module (not a
// regular file, not a shared object) is reported and passed over; the first that loads is
// started, and a module that refuses (DllMain, no entry point, initialisation) ends the search.
Adesk::Boolean AcRxDynamicLinker::loadModuleRequestedBy(const char* fileName,
                                                        Adesk::Boolean printit,
                                                        const void* requester) {
    if (fileName == nullptr || *fileName == '\0') return false;
    for (const std::string& candidate : vthost::moduleCandidates(fileName, requester)) {
        std::string path = canonical(candidate), reason;
        if (Module* known = findByPath(path)) return noteLoadedDuringInit(known->handle), true;
        Candidate found = examine(path, reason);
        if (found == Candidate::kAbsent) continue;
        HMODULE handle = found == Candidate::kRefused ? LoadLibraryA(path.c_str()) : nullptr;
        if (handle != nullptr) return start(path, handle, printit);
        if (reason.empty()) reason = vthost::lastModuleLoadError();
        reportLoadFailure(printit, path, reason.empty() ? "the module cannot be loaded" : reason.c_str());
        if (found == Candidate::kRefused && vthost::lastModuleLoadError().empty()) return false;
    }
    reportLoadFailure(printit, fileName,
                      "not found beside the requesting module, beside the host program or on "
                      "the module search path");
    return false;
}

Adesk::Boolean AcRxDynamicLinker::start(const std::string& path, HMODULE handle,
                                        Adesk::Boolean printit) {
    AcRxEntryPointFunction entry = entryPointOf(handle);
    if (entry == nullptr) {
        FreeLibrary(handle);
        reportLoadFailure(printit, path, "no acrxEntryPoint");
        return false;
    }
    vthost::shareModuleSymbols(handle);
    noteLoadedDuringInit(handle);
    m_modules.push_back(Module{path, handle, true, false, {}});
    m_initialising.push_back(handle);
    AcRx::AppRetCode answer = entry(AcRx::kInitAppMsg, handle);
    m_initialising.pop_back();
    if (answer == AcRx::kRetError) {
        forget(handle);
        vthost::notifyModuleUnload(handle);
        FreeLibrary(handle);
        reportLoadFailure(printit, path, "initialisation failed");
        return false;
    }
    return true;
}

bool AcRxDynamicLinker::sendUnload(Module& module, bool force) {
    AcRxEntryPointFunction entry = entryPointOf(module.handle);
    bool refused = entry != nullptr && entry(AcRx::kUnloadAppMsg, module.handle) == AcRx::kRetError;
    return force || !refused;
}

Adesk::Boolean AcRxDynamicLinker::unloadModule(const char* fileName, Adesk::Boolean) {
    const Module* found = findByName(fileName);
    if (found == nullptr && fileName != nullptr) found = findByPath(canonical(fileName));
    if (found == nullptr || found->locked || hasDependants(found->handle)) return false;
    Module module = *found;
    if (!sendUnload(module, false)) return false;
    forget(module.handle);
    vthost::notifyModuleUnload(module.handle);
    FreeLibrary(module.handle);
    return true;
}

bool AcRxDynamicLinker::hasDependants(HMODULE handle) const {
    for (const Module& module : m_modules)
        if (std::find(module.loadedDuringInit.begin(), module.loadedDuringInit.end(), handle) !=
            module.loadedDuringInit.end())
            return true;
    return false;
}

// Drops the module from the list and from every other module's dependencies.
void AcRxDynamicLinker::forget(HMODULE handle) {
    std::erase_if(m_modules, [&](const Module& m) { return m.handle == handle; });
    for (Module& module : m_modules) std::erase(module.loadedDuringInit, handle);
}

void AcRxDynamicLinker::noteLoadedDuringInit(HMODULE handle) {
    if (m_initialising.empty() || m_initialising.back() == handle) return;
    if (Module* parent = findByAppId(m_initialising.back())) {
        auto& loaded = parent->loadedDuringInit;
        if (std::find(loaded.begin(), loaded.end(), handle) == loaded.end()) loaded.push_back(handle);
    }
}

void AcRxDynamicLinker::unloadAll() {
    while (!m_modules.empty()) {
        auto next = std::find_if(m_modules.rbegin(), m_modules.rend(),
                                 [&](const Module& m) { return !hasDependants(m.handle); });
        Module module = next != m_modules.rend() ? *next : m_modules.back();
        sendUnload(module, true);
        forget(module.handle);
        vthost::notifyModuleUnload(module.handle);
        FreeLibrary(module.handle);
    }
}

void AcRxDynamicLinker::sendToAll(AcRx::AppMsgCode message, void* argument) {
    std::vector<Module> modules = m_modules;
    for (const Module& module : modules)
        if (AcRxEntryPointFunction entry = entryPointOf(module.handle)) entry(message, argument);
}

std::vector<std::string> AcRxDynamicLinker::loadedModuleNames() const {
    std::vector<std::string> names;
    for (const Module& module : m_modules) names.push_back(module.path);
    return names;
}

AcRxObject* AcRxDynamicLinker::registerService(const char* serviceName, AcRxService* service) {
    AcRxDictionary* services = vthost::serviceDictionary();
    if (services == nullptr || serviceName == nullptr || service == nullptr) return nullptr;
    return services->atPut(serviceName, service);
}

Adesk::Boolean AcRxDynamicLinker::unlockApplication(void* appId) const {
    Module* module = findByAppId(appId);
    if (module == nullptr) return false;
    module->locked = false;
    return true;
}

Adesk::Boolean AcRxDynamicLinker::lockApplication(void* appId) const {
    Module* module = findByAppId(appId);
    if (module == nullptr) return false;
    module->locked = true;
    return true;
}

Adesk::Boolean AcRxDynamicLinker::isApplicationLocked(const char* name) const {
    const Module* module = findByName(name);
    return module != nullptr && module->locked;
}

Adesk::Boolean AcRxDynamicLinker::registerAppMDIAware(void* appId) const {
    Module* module = findByAppId(appId);
    if (module == nullptr) return false;
    module->mdiAware = true;
    return true;
}

Adesk::Boolean AcRxDynamicLinker::registerAppNotMDIAware(void* appId) const {
    Module* module = findByAppId(appId);
    if (module == nullptr) return false;
    module->mdiAware = false;
    return true;
}

Adesk::Boolean AcRxDynamicLinker::isAppMDIAware(const char* name) const {
    const Module* module = findByName(name);
    return module != nullptr && module->mdiAware;
}

const char* AcRxDynamicLinker::ProductKey() const { return vthost::kProductKey; }

AcRxDynamicLinker* acrxDynamicLinker() {
    return static_cast<AcRxDynamicLinker*>(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER));
}

__attribute__((noinline)) Adesk::Boolean acrxLoadModule(const char* moduleName,
                                                        Adesk::Boolean printit, Adesk::Boolean) {
    return acrxDynamicLinker()->loadModuleRequestedBy(moduleName, printit,
                                                      __builtin_return_address(0));
}

Adesk::Boolean acrxUnloadModule(const char* moduleName, Adesk::Boolean asCmd) {
    return acrxDynamicLinker()->unloadModule(moduleName, asCmd);
}

Adesk::Boolean acrxUnlockApplication(void* appId) {
    return acrxDynamicLinker()->unlockApplication(appId);
}

const char* acrxProductKey() { return acrxDynamicLinker()->ProductKey(); }

namespace vthost {
void setRuntimePrinter(void (*printer)(const char* text)) { g_printer = printer; }
void runtimePrint(const char* text) {
    if (g_printer != nullptr) {
        g_printer(text);
        return;
    }
    std::fputs(text, stdout);
}

void addModuleUnloadObserver(ModuleUnloadObserver observer) {
    auto& observers = unloadObservers();
    if (std::find(observers.begin(), observers.end(), observer) == observers.end())
        observers.push_back(observer);
}

void notifyModuleUnload(HMODULE module) {
    for (ModuleUnloadObserver observer : unloadObservers()) observer(module);
}
}  // namespace vthost

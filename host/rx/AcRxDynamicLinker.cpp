#include "rx/AcRxDynamicLinker.h"

#include <unistd.h>

#include <cstdio>
#include <string>

#include "rx/AcRxService.h"
#include "rx/AcRxSysRegistry.h"

ACRX_DEFINE_MEMBERS(AcRxDynamicLinker)

namespace {

void (*g_printer)(const char*) = nullptr;

std::string folderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string hostProgramFolder() {
    char path[MAX_PATH * 4];
    if (GetModuleFileNameA(nullptr, path, sizeof path) == 0) return ".";
    return folderOf(path);
}

bool fileExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

// A bare file name is looked for in the current folder, then beside the host program.
std::string resolveModulePath(const char* fileName) {
    std::string name = fileName;
    if (name.find('/') != std::string::npos || fileExists(name)) return name;
    std::string besideHost = hostProgramFolder() + "/" + name;
    return fileExists(besideHost) ? besideHost : name;
}

std::string canonical(const std::string& path) {
    char resolved[4096];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

AcRxEntryPointFunction entryPointOf(HMODULE handle) {
    return vthost::procAddress<AcRxEntryPointFunction>(handle, "acrxEntryPoint");
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

Adesk::Boolean AcRxDynamicLinker::loadModule(const char* fileName, Adesk::Boolean printit,
                                             Adesk::Boolean) {
    if (fileName == nullptr) return false;
    std::string path = canonical(resolveModulePath(fileName));
    if (findByPath(path) != nullptr) return true;
    HMODULE handle = LoadLibraryA(path.c_str());
    if (handle == nullptr) {
        reportLoadFailure(printit, path, "the module cannot be loaded");
        return false;
    }
    AcRxEntryPointFunction entry = entryPointOf(handle);
    if (entry == nullptr) {
        FreeLibrary(handle);
        reportLoadFailure(printit, path, "no acrxEntryPoint");
        return false;
    }
    m_modules.push_back(Module{path, handle});
    if (entry(AcRx::kInitAppMsg, handle) == AcRx::kRetError) {
        std::erase_if(m_modules, [&](const Module& m) { return m.handle == handle; });
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
    if (found == nullptr || found->locked) return false;
    Module module = *found;
    if (!sendUnload(module, false)) return false;
    std::erase_if(m_modules, [&](const Module& m) { return m.handle == module.handle; });
    FreeLibrary(module.handle);
    return true;
}

void AcRxDynamicLinker::unloadAll() {
    while (!m_modules.empty()) {
        Module module = m_modules.back();
        sendUnload(module, true);
        m_modules.pop_back();
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

const char* AcRxDynamicLinker::ProductKey() const { return "Software\\Vthost\\R15.0\\VTHOST-1:409"; }

AcRxDynamicLinker* acrxDynamicLinker() {
    return static_cast<AcRxDynamicLinker*>(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER));
}

Adesk::Boolean acrxLoadModule(const char* moduleName, Adesk::Boolean printit, Adesk::Boolean asCmd) {
    return acrxDynamicLinker()->loadModule(moduleName, printit, asCmd);
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
}  // namespace vthost

#include "ut/Win32.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>

namespace {

struct LoadedModule {
    std::string path;
    int count = 0;
};

std::map<void*, LoadedModule>& loadedModules() {
    static std::map<void*, LoadedModule> modules;
    return modules;
}

std::set<std::string>& hiddenExports() {
    static std::set<std::string> hidden;
    return hidden;
}

void* hostProgram() {
    static void* self = dlopen(nullptr, RTLD_NOW);
    return self;
}

std::string absolutePath(const char* fileName) {
    char resolved[PATH_MAX];
    return realpath(fileName, resolved) ? std::string(resolved) : std::string(fileName);
}

DllMainFunction dllMainOf(void* handle) {
    return reinterpret_cast<DllMainFunction>(dlsym(handle, "DllMain"));
}

std::string pathOf(void* handle) {
    auto it = loadedModules().find(handle);
    if (it != loadedModules().end()) return it->second.path;
    link_map* map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name && *map->l_name)
        return absolutePath(map->l_name);
    return {};
}

}  // namespace

extern "C" {

HMODULE LoadLibraryA(const char* fileName) {
    if (fileName == nullptr || *fileName == '\0') return nullptr;
    std::string path = absolutePath(fileName);
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return nullptr;
    LoadedModule& module = loadedModules()[handle];
    if (module.count++ > 0) return handle;
    module.path = path;
    DllMainFunction dllMain = dllMainOf(handle);
    if (dllMain != nullptr && !dllMain(handle, DLL_PROCESS_ATTACH, nullptr)) {
        loadedModules().erase(handle);
        dlclose(handle);
        return nullptr;
    }
    return handle;
}

BOOL FreeLibrary(HMODULE module) {
    auto it = loadedModules().find(module);
    if (it == loadedModules().end()) return FALSE;
    if (--it->second.count == 0) {
        if (DllMainFunction dllMain = dllMainOf(module)) dllMain(module, DLL_PROCESS_DETACH, nullptr);
        loadedModules().erase(it);
    }
    dlclose(module);
    return TRUE;
}

HMODULE GetModuleHandleA(const char* moduleName) {
    if (moduleName == nullptr) return hostProgram();
    for (auto& [handle, module] : loadedModules()) {
        const std::string& path = module.path;
        std::size_t slash = path.rfind('/');
        std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
        if (base == moduleName || path == moduleName) return handle;
    }
    return nullptr;
}

FARPROC GetProcAddress(HMODULE module, const char* procName) {
    if (module == nullptr || procName == nullptr) return nullptr;
    if (hiddenExports().count(procName)) return nullptr;
    void* symbol = dlsym(module, procName);
    return reinterpret_cast<FARPROC>(symbol);
}

DWORD GetModuleFileNameA(HMODULE module, char* fileName, DWORD size) {
    if (fileName == nullptr || size == 0) return 0;
    std::string path;
    if (module == nullptr || module == hostProgram()) {
        char buffer[PATH_MAX];
        ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
        if (length <= 0) return 0;
        path.assign(buffer, static_cast<std::size_t>(length));
    } else {
        path = pathOf(module);
    }
    if (path.empty()) return 0;
    std::size_t copied = path.size() < size ? path.size() : size - 1;
    std::memcpy(fileName, path.data(), copied);
    fileName[copied] = '\0';
    return path.size() < size ? static_cast<DWORD>(copied) : size;
}

}  // extern "C"

namespace vthost {
void hideExport(const char* name) { hiddenExports().insert(name); }
void unhideExport(const char* name) { hiddenExports().erase(name); }
void unhideAllExports() { hiddenExports().clear(); }
}  // namespace vthost

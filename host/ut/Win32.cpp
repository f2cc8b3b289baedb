#include "ut/Win32.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
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

thread_local std::string t_lastError;

std::vector<std::string>& searchPath() {
    static std::vector<std::string> folders;
    return folders;
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

// Only handles the loader gave out have a path: anything else is not followed into the dynamic
// loader, which would take whatever it points to for one of its module records.
std::string pathOf(void* handle) {
    auto it = loadedModules().find(handle);
    return it != loadedModules().end() ? it->second.path : std::string();
}

std::string folderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash == 0 ? 1 : slash);
}

// The folder of the shared object that holds `address`; empty when that is not known by a full
// path (the main program names itself as it was started).
std::string folderOfCode(const void* address) {
    Dl_info info{};
    if (address == nullptr || dladdr(address, &info) == 0 || info.dli_fname == nullptr ||
        info.dli_fname[0] != '/')
        return {};
    return folderOf(absolutePath(info.dli_fname));
}

std::string hostProgramFolder() {
    char path[PATH_MAX];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return length > 0 && length < sizeof path ? folderOf(path) : std::string();
}

// Lazily bound; modules (acrxLoadModule) are then made global with shareModuleSymbols, while
// resource and helper modules stay local, each with its own copy of the same exported names.
HMODULE loadFile(const std::string& path) {
    void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = dlerror();
        t_lastError = reason != nullptr ? reason : "the dynamic loader refused it";
        return nullptr;
    }
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

// dlsym, except that the host program's handle answers only for the host's own code: modules are
// loaded globally, and dlsym on the program would otherwise find their symbols too.
void* exportOf(void* module, const char* name) {
    void* symbol = dlsym(module, name);
    if (symbol != nullptr && module == hostProgram() && vthost::moduleContaining(symbol) != nullptr)
        return nullptr;
    return symbol;
}

// The ordinal table's entries up to the one with ordinal 0 (at most kMaxOrdinals are looked at).
FARPROC procByOrdinal(void* module, unsigned ordinal) {
    constexpr int kMaxOrdinals = 4096;
    auto* table = reinterpret_cast<const VthostOrdinal*>(exportOf(module, VTHOST_ORDINAL_TABLE_SYMBOL));
    for (int i = 0; table != nullptr && ordinal != 0 && i < kMaxOrdinals && table[i].ordinal != 0; ++i)
        if (table[i].ordinal == ordinal) return table[i].function;
    return nullptr;
}

}  // namespace

extern "C" {

// A name without a folder is the first candidate that exists (loaded or refused), as the
// requesting code's folder, the host's and the search path have it.
__attribute__((noinline)) HMODULE LoadLibraryA(const char* fileName) {
    t_lastError.clear();
    if (fileName == nullptr || *fileName == '\0') return nullptr;
    for (const std::string& candidate :
         vthost::moduleCandidates(fileName, __builtin_return_address(0))) {
        if (access(candidate.c_str(), F_OK) == 0) return loadFile(absolutePath(candidate.c_str()));
    }
    t_lastError = std::string(fileName) + ": no such module";
    return nullptr;
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
    auto ordinal = reinterpret_cast<std::uintptr_t>(procName);
    if (ordinal < 0x10000) return procByOrdinal(module, static_cast<unsigned>(ordinal));
    if (hiddenExports().count(procName)) return nullptr;
    return reinterpret_cast<FARPROC>(exportOf(module, procName));
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

void setModuleSearchPath(const char* folders) {
    searchPath().clear();
    std::string all = folders != nullptr ? folders : "";
    for (std::size_t start = 0; start <= all.size();) {
        std::size_t end = std::min(all.find(':', start), all.size());
        if (end > start) searchPath().push_back(all.substr(start, end - start));
        start = end + 1;
    }
}

std::vector<std::string> moduleCandidates(const char* fileName, const void* requester) {
    std::string name = fileName != nullptr ? fileName : "";
    if (name.empty()) return {};
    if (name.find('/') != std::string::npos) return {name};
    std::vector<std::string> folders{folderOfCode(requester), hostProgramFolder(), systemFolder()};
    folders.insert(folders.end(), searchPath().begin(), searchPath().end());
    std::vector<std::string> candidates;
    std::set<std::string> seen;
    for (const std::string& folder : folders)
        if (!folder.empty() && seen.insert(folder).second)
            candidates.push_back(folder == "/" ? "/" + name : folder + "/" + name);
    return candidates;
}

std::string lastModuleLoadError() { return t_lastError; }

void shareModuleSymbols(HMODULE module) {
    if (pathOf(module).empty()) return;
    if (void* again = dlopen(pathOf(module).c_str(), RTLD_LAZY | RTLD_NOLOAD | RTLD_GLOBAL)) dlclose(again);
}

namespace {
std::string& windowsFolderOverride() {
    static std::string folder;
    return folder;
}
}  // namespace

std::string windowsFolder() {
    if (!windowsFolderOverride().empty()) return windowsFolderOverride();
    std::string host = hostProgramFolder();
    return host.empty() ? std::string() : (host == "/" ? "/windows" : host + "/windows");
}

void setWindowsFolder(const char* folder) { windowsFolderOverride() = folder != nullptr ? folder : ""; }

std::string systemFolder() {
    std::string host = hostProgramFolder();
    return host.empty() ? std::string() : (host == "/" ? "/system" : host + "/system");
}

HMODULE moduleContaining(const void* address) {
    Dl_info info{};
    if (address == nullptr || dladdr(address, &info) == 0 || info.dli_fname == nullptr) return nullptr;
    std::string path = absolutePath(info.dli_fname);
    for (auto& [handle, module] : loadedModules())
        if (module.path == path) return handle;
    return nullptr;
}

void hideExport(const char* name) { hiddenExports().insert(name); }
void unhideExport(const char* name) { hiddenExports().erase(name); }
void unhideAllExports() { hiddenExports().clear(); }
}  // namespace vthost

extern "C" unsigned GetWindowsDirectoryA(char* buffer, unsigned size) {
    std::string folder = vthost::windowsFolder();
    if (folder.empty()) return 0;
    if (buffer == nullptr || size <= folder.size()) return static_cast<unsigned>(folder.size() + 1);
    folder.copy(buffer, folder.size());
    buffer[folder.size()] = '\0';
    return static_cast<unsigned>(folder.size());
}

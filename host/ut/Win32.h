// The operating-system calls that modules use to find themselves and the host: module loading
// and lookup by name. Modules are shared objects; a module may export DllMain, which is called
// with process attach after loading (FALSE refuses the load) and process detach before unloading.
// GetModuleHandleA(nullptr) names the host program; GetProcAddress finds the host's exported
// functions by name (C functions by plain name, C++ functions by their decorated name).
// A module named without a folder is looked for beside the module that asks, beside the host
// program, in the host's folder of helper modules ("system" beside the host program) and on the
// host's module search path, in that order; never in the current folder.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

using BOOL = int;
using DWORD = std::uint32_t;
using HINSTANCE = void*;
using HMODULE = HINSTANCE;
using FARPROC = void (*)();
using LPVOID = void*;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
#define MAX_PATH 260
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1

// GetProcAddress takes a name, or an ordinal: a "name" below 0x10000 is an ordinal, looked up in
// the table the module exports under VTHOST_ORDINAL_TABLE_SYMBOL (entries end with ordinal 0).
#define MAKEINTRESOURCEA(i) (reinterpret_cast<const char*>(static_cast<std::uintptr_t>(static_cast<unsigned short>(i))))
#define VTHOST_ORDINAL_TABLE_SYMBOL "vthost_ordinals"
struct VthostOrdinal {
    unsigned ordinal;
    FARPROC function;
};

// The signature a module's DllMain must have.
using DllMainFunction = BOOL (*)(HINSTANCE instance, DWORD reason, LPVOID reserved);

extern "C" {
HMODULE LoadLibraryA(const char* fileName);
BOOL FreeLibrary(HMODULE module);
HMODULE GetModuleHandleA(const char* moduleName);
FARPROC GetProcAddress(HMODULE module, const char* procName);
// Copies the module's full path (at most size - 1 characters and a terminator); 0 on failure.
// Only the host program and handles that LoadLibraryA gave out (and not yet freed) have one.
DWORD GetModuleFileNameA(HMODULE module, char* fileName, DWORD size);
// The host's "Windows folder" (windowsFolder() below): copies it with a terminator when it fits
// in size and answers its length; when it does not fit, answers the size needed (terminator
// included) and copies nothing; 0 when the host's folder is unknown.
unsigned GetWindowsDirectoryA(char* buffer, unsigned size);
}

namespace vthost {
// The host's module search path: folders searched after the requesting module's and the host
// program's, separated by ':'. Null or empty clears it.
void setModuleSearchPath(const char* folders);
// Where a module named `fileName` is looked for when `requester` (an address in the code that
// asks; null for the host) loads it: the name itself when it has a folder, else the candidate
// paths in search order, each folder once.
std::vector<std::string> moduleCandidates(const char* fileName, const void* requester);
// Makes a loaded module's symbols visible to modules loaded after it (their calls of its functions
// bind lazily, when first made). acrxLoadModule does this for every module it loads.
void shareModuleSymbols(HMODULE module);
// The host's folder of helper modules: "system" beside the host program.
std::string systemFolder();
// The host's "Windows folder": "windows" beside the host program, holding the host's stand-ins
// of the system's programs (winhlp32.exe with its cursors). Test switch: setWindowsFolder points
// it elsewhere; null or empty goes back to the default.
std::string windowsFolder();
void setWindowsFolder(const char* folder);
// Why the last LoadLibraryA on this thread failed: the dynamic loader's reason, or empty when the
// file loaded and its DllMain refused (or when it succeeded).
std::string lastModuleLoadError();
// The handle LoadLibraryA gave out for the module whose code holds address; null for the host
// program, libacad.so, a test program or an address in no module.
HMODULE moduleContaining(const void* address);

// Test switch: GetProcAddress answers null for a hidden name, as a host that lacks it would.
void hideExport(const char* name);
void unhideExport(const char* name);
void unhideAllExports();
// Resolves a function pointer of type F by name; null when missing or hidden.
template <class F>
F procAddress(HMODULE module, const char* name) {
    return reinterpret_cast<F>(GetProcAddress(module, name));
}
}  // namespace vthost

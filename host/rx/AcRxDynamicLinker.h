// AcRxDynamicLinker: loads and unloads modules and talks to them through their acrxEntryPoint.
// The app id a module receives with its messages is its module handle.
#pragma once
#include <string>
#include <vector>

#include "rx/AcRx.h"
#include "rx/AcRxObject.h"
#include "ut/Win32.h"

class AcRxService;

class AcRxDynamicLinker : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxDynamicLinker);

    AcRxDynamicLinker() = default;
    ~AcRxDynamicLinker() override;

    // Loads the module and sends kInitAppMsg; true when it is loaded (or already was).
    // A name with a folder is that file; a name without one is looked for beside the module that
    // calls, beside the host program, then on the module search path (never in the current
    // folder; see vthost::moduleCandidates). printit prints, on the command line, why each
    // candidate that exists was refused, or that none was found.
    Adesk::Boolean loadModule(const char* fileName, Adesk::Boolean printit,
                              Adesk::Boolean asCmd = false);
    // loadModule on behalf of the code at `requester` (an address in it; null for the host), for
    // the host's own entry points that load for their caller.
    Adesk::Boolean loadModuleRequestedBy(const char* fileName, Adesk::Boolean printit,
                                         const void* requester);
    // Sends kUnloadAppMsg and unloads; false when unknown, locked, the module refuses, or a module
    // that loaded it during its own initialisation is still loaded (dependants go first).
    Adesk::Boolean unloadModule(const char* fileName, Adesk::Boolean asCmd = false);
    // Returns the object previously registered under the name (the caller owns it), or null.
    AcRxObject* registerService(const char* serviceName, AcRxService* service);
    Adesk::Boolean unlockApplication(void* appId) const;
    Adesk::Boolean lockApplication(void* appId) const;
    Adesk::Boolean isApplicationLocked(const char* name) const;
    Adesk::Boolean registerAppMDIAware(void* appId) const;
    Adesk::Boolean registerAppNotMDIAware(void* appId) const;
    Adesk::Boolean isAppMDIAware(const char* name) const;
    const char* ProductKey() const;

    // Sends a message to every loaded module, in load order; used for drawing and quit messages.
    void sendToAll(AcRx::AppMsgCode message, void* argument);
    // Unloads every module, whether locked or not (host shutdown): last loaded first, except that
    // a module loaded during another's initialisation goes after that one.
    void unloadAll();
    std::vector<std::string> loadedModuleNames() const;

private:
    struct Module {
        std::string path;
        HMODULE handle;
        mutable bool locked = true;
        mutable bool mdiAware = false;
        std::vector<HMODULE> loadedDuringInit;  // modules it loaded while initialising
    };
    bool hasDependants(HMODULE handle) const;
    void forget(HMODULE handle);
    void noteLoadedDuringInit(HMODULE handle);
    Module* findByPath(const std::string& path);
    Module* findByAppId(void* appId) const;
    const Module* findByName(const char* name) const;
    bool sendUnload(Module& module, bool force);
    Adesk::Boolean start(const std::string& path, HMODULE handle, Adesk::Boolean printit);

    mutable std::vector<Module> m_modules;
    std::vector<HMODULE> m_initialising;  // modules inside their kInitAppMsg, innermost last
};

AcRxDynamicLinker* acrxDynamicLinker();
Adesk::Boolean acrxLoadModule(const char* moduleName, Adesk::Boolean printit,
                              Adesk::Boolean asCmd = false);
Adesk::Boolean acrxUnloadModule(const char* moduleName, Adesk::Boolean asCmd = false);
Adesk::Boolean acrxUnlockApplication(void* appId);
const char* acrxProductKey();

// A module's entry point, looked up by its plain name.
using AcRxEntryPointFunction = AcRx::AppRetCode (*)(AcRx::AppMsgCode message, void* appId);

namespace vthost {
// The running product's registry key, what acrxProductKey answers (usable before the host starts).
constexpr const char* kProductKey = "Software\\Vthost\\R15.0\\VTHOST-1:409";
// Where acutPrintf-style messages of the runtime go until the editor installs its command line.
void setRuntimePrinter(void (*printer)(const char* text));
void runtimePrint(const char* text);
// Observers told of every module that leaves, after its kUnloadAppMsg and before it is freed, so
// that the layers above can drop what the module registered with them (its LISP functions).
using ModuleUnloadObserver = void (*)(HMODULE module);
void addModuleUnloadObserver(ModuleUnloadObserver observer);
void notifyModuleUnload(HMODULE module);
}  // namespace vthost

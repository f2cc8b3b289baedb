// A module for the loader tests. It reports every call it gets on the command line, one line
// each ("attach", "init", "unload", "detach", "message <n>"), and follows these environment
// variables, read at each call so that a test can change them while the module is loaded:
//   VT_TESTMODULE_ATTACH=refuse  DllMain refuses process attach
//   VT_TESTMODULE_INIT=error     kInitAppMsg answers kRetError
//   VT_TESTMODULE_UNLOAD=error   kUnloadAppMsg answers kRetError
//   VT_TESTMODULE_UNLOCK=1       kInitAppMsg unlocks the application, so that it can be unloaded
#include <cstdlib>
#include <cstring>

#include "ut/AcUtil.h"
#include "rx/AcRxDynamicLinker.h"

namespace {
bool environmentSays(const char* name, const char* value) {
    const char* set = std::getenv(name);
    return set != nullptr && std::strcmp(set, value) == 0;
}
}  // namespace

extern "C" BOOL DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_DETACH) {
        acutPrintf("detach\n");
        return TRUE;
    }
    acutPrintf("attach\n");
    return environmentSays("VT_TESTMODULE_ATTACH", "refuse") ? FALSE : TRUE;
}

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
    switch (message) {
        case AcRx::kInitAppMsg:
            acutPrintf("init\n");
            if (environmentSays("VT_TESTMODULE_INIT", "error")) return AcRx::kRetError;
            if (environmentSays("VT_TESTMODULE_UNLOCK", "1")) acrxUnlockApplication(appId);
            acrxDynamicLinker()->registerAppMDIAware(appId);
            return AcRx::kRetOK;
        case AcRx::kUnloadAppMsg:
            acutPrintf("unload\n");
            return environmentSays("VT_TESTMODULE_UNLOAD", "error") ? AcRx::kRetError
                                                                    : AcRx::kRetOK;
        default:
            acutPrintf("message %d\n", static_cast<int>(message));
            return AcRx::kRetOK;
    }
}

extern "C" const char* testmoduleName() {
    return "testmodule";
}

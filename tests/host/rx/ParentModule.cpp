// A module that loads childmodule.arx during its own initialisation and calls the child's
// function without being linked to it: the call binds when first made. It unlocks itself at init
// and prints "parent unload" when unloaded.
#include "rx/AcRxDynamicLinker.h"
#include "ut/AcUtil.h"

extern "C" int childCounter();  // childmodule.arx's, bound lazily

extern "C" int parentCallsChild() { return childCounter(); }

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
    if (message == AcRx::kInitAppMsg) {
        acrxUnlockApplication(appId);
        return acrxLoadModule("childmodule.arx", true) ? AcRx::kRetOK : AcRx::kRetError;
    }
    if (message == AcRx::kUnloadAppMsg) acutPrintf("parent unload\n");
    return AcRx::kRetOK;
}

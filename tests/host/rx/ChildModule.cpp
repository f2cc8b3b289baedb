// The module parentmodule.arx loads. childCounter counts its calls in the static of an inline
// function, the kind of static a compiler may make process-unique: unloading and loading the
// module again must start the count afresh.
#include "rx/AcRxDynamicLinker.h"
#include "ut/AcUtil.h"

inline int& calls() {
    static int count = 0;
    return count;
}

extern "C" int childCounter() { return ++calls(); }

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
    if (message == AcRx::kInitAppMsg) acrxUnlockApplication(appId);
    if (message == AcRx::kUnloadAppMsg) acutPrintf("child unload\n");
    return AcRx::kRetOK;
}

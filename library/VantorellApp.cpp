// The object library's module entry: its application object registers the library's runtime
// classes when the host initialises the module and deletes them when it unloads it.
#include "LibraryClasses.h"
#include "module/ModuleApplication.h"

namespace {

class VantorellApp : public ModuleApplication {
public:
    void registerClasses() override { vantorell::registerLibraryClasses(); }
    void unregisterClasses() override { vantorell::unregisterLibraryClasses(); }
};

VantorellApp g_app;

}  // namespace

extern "C" {

__attribute__((visibility("default"))) AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg,
                                                                       void* appId) {
    return ModuleApplication::current()->dispatch(msg, appId);
}

__attribute__((visibility("default"))) int acrxGetApiVersion() {
    return 15;
}

// Process attach hands the module's instance to the application object.
__attribute__((visibility("default"))) BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) ModuleApplication::current()->setInstance(instance);
    return TRUE;
}

}  // extern "C"

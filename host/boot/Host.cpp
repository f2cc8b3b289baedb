#include "boot/Host.h"

#include "db/HostClasses.h"
#include "ent/EntityClasses.h"
#include "rx/AcRxClass.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxSysRegistry.h"

namespace vthost {

namespace {
bool g_started = false;
}

void startHost() {
    if (g_started) return;
    g_started = true;
    initRuntime();
    registerDatabaseClasses();
    registerEntityClasses();
    acrxBuildClassHierarchy();
}

void stopHost() {
    if (!g_started) return;
    acrxDynamicLinker()->unloadAll();
    shutdownRuntime();
    g_started = false;
}

}  // namespace vthost

#include "boot/Host.h"

#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "db/HostClasses.h"
#include "ed/AcEditor.h"
#include "ent/EntityClasses.h"
#include "render/TextMetrics.h"
#include "rx/AcRxClass.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxSysRegistry.h"
#include "uipicture/PictureAction.h"

namespace vthost {

namespace {
bool g_started = false;

// Each drawing closes as the CLOSE command would, so modules hear kUnloadDwgMsg while loaded.
void closeAllDrawings() {
    while (acDocManager != nullptr && acDocManager->documentCount() > 0)
        closeDrawing(acDocManager->documents().back());
}
}

void startHost() {
    if (g_started) return;
    g_started = true;
    initRuntime();
    registerDatabaseClasses();
    registerEntityClasses();
    acrxBuildClassHierarchy();
    registerEditorObjects();
    createDocumentManager();
    ui::installDialogPictureAction();
}

void stopHost() {
    if (!g_started) return;
    closeAllDrawings();
    acrxDynamicLinker()->unloadAll();
    deleteDocumentManager();
    shutdownRuntime();
    releasePictureFonts();
    g_started = false;
}

}  // namespace vthost

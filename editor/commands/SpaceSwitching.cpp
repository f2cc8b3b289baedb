#include "commands/SpaceSwitching.h"

#include "app/MessageFormat.h"
#include "app/ResourceIds.h"
#include "app/VantorellUiApp.h"
#include "db/AcDbHostApplicationServices.h"
#include "ed/Selection.h"
#include "ed/SystemVariables.h"
#include "ent/AcDbViewport.h"
#include "ut/AcUtil.h"
#include "ut/AdsCodes.h"
#include "ut/Win32.h"

namespace vantorell {

namespace {

using SpaceSwitch = Acad::ErrorStatus (*)(AcDbDatabase*);

// The host program's export under its decorated name, looked up at each use.
void switchSpace(const char* decoratedName) {
    auto function = reinterpret_cast<SpaceSwitch>(GetProcAddress(GetModuleHandleA(nullptr),
                                                                 decoratedName));
    if (function != nullptr) function(acdbHostApplicationServices()->workingDatabase());
}

// The viewport under an entity name, open in mode; null when it is something else (printed)
// or cannot be opened (printed).
AcDbViewport* openViewport(const ads_name name, AcDb::OpenMode mode, bool& notAViewport) {
    notAViewport = false;
    AcDbObjectId id;
    if (acdbGetObjectId(id, name) != Acad::eOk) return nullptr;
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, mode) != Acad::eOk) {
        CVantorellApp& app = vantorellApp();
        CString purpose = app.loadResString(mode == AcDb::kForRead ? res::kForReading
                                                                   : res::kForWriting);
        acutPrintf("%s", formatWithString(app.loadResString(res::kViewportNotOpened), purpose)
                             .GetString());
        return nullptr;
    }
    if (AcDbViewport* viewport = AcDbViewport::cast(entity)) return viewport;
    entity->close();
    notAViewport = true;
    acutPrintf("%s", vantorellApp().loadResString(res::kNotAViewport).GetString());
    return nullptr;
}

}  // namespace

bool paperSpaceActive() {
    resbuf value{};
    return acedGetVar("tilemode", &value) == RTNORM && value.restype == RTSHORT &&
           value.resval.rint == 0;
}

AcDbViewport* pickViewport(const char* prompt, AcDb::OpenMode mode) {
    for (;;) {
        ads_name name;
        ads_point point;
        if (acedEntSel(prompt, name, point) != RTNORM) return nullptr;
        bool notAViewport = false;
        AcDbViewport* viewport = openViewport(name, mode, notAViewport);
        if (viewport != nullptr || !notAViewport) return viewport;
    }
}

void switchToModelSpace() {
    switchSpace("_Z10acedMspaceP12AcDbDatabase");
}

void switchToPaperSpace() {
    switchSpace("_Z10acedPspaceP12AcDbDatabase");
}

}  // namespace vantorell

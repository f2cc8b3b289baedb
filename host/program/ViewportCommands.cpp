// The host's layout commands: MVIEW (a floating viewport from two corners, or viewports turned ON
// or OFF), MSPACE (model space through the first viewport that is on) and PSPACE (back to paper
// space), and the functions acedMspace / acedPspace that switch the same way. Those two are C++
// functions of the host program that no header declares: modules find them with
// GetProcAddress(GetModuleHandleA(nullptr), ...) under their decorated names, so vthost exports
// its symbols. All of it needs a layout (TILEMODE 0); viewports are numbered 2, 3, ... as they
// are made or turned on, and an off viewport has no number.
#include <algorithm>
#include <cmath>
#include <vector>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "ap/AcApDocManager.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbSymbolTable.h"
#include "ed/CommandRunner.h"
#include "ed/CurrentSpace.h"
#include "ed/UserInput.h"
#include "ed/Viewports.h"
#include "ent/AcDbViewport.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

bool inLayout(AcDbDatabase* db) { return db->headerVariables().getShort("TILEMODE", 1) == 0; }

// The numbers of the paper-space viewports that are on, in drawing order.
std::vector<int> activeViewports(AcDbDatabase* db) {
    std::vector<int> numbers;
    AcDbBlockTableRecord* paper = nullptr;
    if (acdbOpenObject(paper, db->paperSpaceId(), AcDb::kForRead) != Acad::eOk) return numbers;
    std::vector<AcDbObjectId> ids = paper->entityIds();
    paper->close();
    for (const AcDbObjectId& id : ids) {
        AcDbViewport* viewport = nullptr;
        if (acdbOpenObject(viewport, id, AcDb::kForRead) != Acad::eOk) continue;
        if (viewport->isOn() && viewport->number() >= 2) numbers.push_back(viewport->number());
        viewport->close();
    }
    return numbers;
}

int nextViewportNumber(AcDbDatabase* db) {
    std::vector<int> numbers = activeViewports(db);
    return numbers.empty() ? 2 : *std::max_element(numbers.begin(), numbers.end()) + 1;
}

// eWrongDatabase unless db is the current drawing's; eNotApplicable outside a layout.
Acad::ErrorStatus checkSpaceSwitch(AcDbDatabase* db) {
    if (db == nullptr) return Acad::eNullObjectPointer;
    AcApDocument* doc = acDocManager ? acDocManager->curDocument() : nullptr;
    if (doc == nullptr || doc->database() != db) return Acad::eWrongDatabase;
    return inLayout(db) ? Acad::eOk : Acad::eNotApplicable;
}

bool reportSwitch(Acad::ErrorStatus status) {
    if (status == Acad::eNotApplicable && !inLayout(currentDrawing()->database()))
        failCommand("** Command not allowed unless TILEMODE is set to 0 **");
    else if (status == Acad::eNotApplicable)
        failCommand("There are no active model space viewports.");
    return status == Acad::eOk;
}

void mspaceCommand() { reportSwitch(acedMspace(currentDrawing()->database())); }
void pspaceCommand() { reportSwitch(acedPspace(currentDrawing()->database())); }

void switchViewports(bool on) {
    std::vector<AcDbObjectId> ids;
    if (!selectObjects(ids)) return;
    AcDbDatabase* db = currentDrawing()->database();
    forEachEntity(ids, AcDb::kForWrite, [&](AcDbEntity* e) {
        auto* viewport = AcDbViewport::cast(e);
        if (viewport == nullptr || viewport->isOn() == on) return;
        if (on) {
            viewport->setOn();
            viewport->setNumber(nextViewportNumber(db));
        } else {
            viewport->setOff();
            viewport->setNumber(-1);
        }
    });
}

void addViewport(const AcGePoint3d& corner) {
    AcGePoint3d opposite;
    if (askPoint("\nSpecify opposite corner: ", opposite, &corner) != RTNORM) return;
    auto* viewport = new AcDbViewport();
    viewport->setCenterPoint(AcGePoint3d((corner.x + opposite.x) / 2, (corner.y + opposite.y) / 2, 0));
    viewport->setWidth(std::abs(opposite.x - corner.x));
    viewport->setHeight(std::abs(opposite.y - corner.y));
    viewport->setNumber(nextViewportNumber(currentDrawing()->database()));
    addEntity(viewport);
}

// Viewports are made and switched in paper space: from model space, MVIEW goes there first.
void mviewCommand() {
    AcDbDatabase* db = currentDrawing()->database();
    if (!inLayout(db)) return failCommand("** Command not allowed unless TILEMODE is set to 0 **");
    if (currentViewport() != 1) acedSetCurrentVPort(1);
    AcGePoint3d corner;
    acedInitGet(0, "ON OFF");
    int status = askPoint("\nSpecify corner of viewport or [ON/OFF]: ", corner);
    if (status == RTKWORD) return switchViewports(keywordAnswer() == "ON");
    if (status == RTNORM) addViewport(corner);
}

}  // namespace

void registerViewportCommands() {
    addHostCommand("MVIEW", mviewCommand);
    addHostCommand("MSPACE", mspaceCommand);
    addHostCommand("PSPACE", pspaceCommand);
}

}  // namespace vthost

// Model space through the current viewport if one is current, else through the first that is on.
Acad::ErrorStatus acedMspace(AcDbDatabase* db) {
    Acad::ErrorStatus status = vthost::checkSpaceSwitch(db);
    if (status != Acad::eOk) return status;
    if (vthost::currentViewport() >= 2) return Acad::eOk;
    std::vector<int> numbers = vthost::activeViewports(db);
    if (numbers.empty()) return Acad::eNotApplicable;
    return acedSetCurrentVPort(numbers.front());
}

Acad::ErrorStatus acedPspace(AcDbDatabase* db) {
    Acad::ErrorStatus status = vthost::checkSpaceSwitch(db);
    if (status != Acad::eOk) return status;
    return acedSetCurrentVPort(1);
}

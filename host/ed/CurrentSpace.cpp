#include "ed/CurrentSpace.h"

#include "ap/AcApDocManager.h"
#include "ap/DocumentState.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbSymbolTable.h"

namespace vthost {

namespace {
AcApDocument* currentDocument() { return acDocManager ? acDocManager->curDocument() : nullptr; }
}  // namespace

AcDbObjectId currentSpaceId() {
    AcApDocument* doc = currentDocument();
    if (doc == nullptr) return AcDbObjectId::kNull;
    AcDbDatabase* db = doc->database();
    bool paper = db->headerVariables().getShort("TILEMODE", 1) == 0 && doc->state().cvport == 1;
    return paper ? db->paperSpaceId() : db->modelSpaceId();
}

std::vector<AcDbObjectId> currentSpaceEntities() {
    std::vector<AcDbObjectId> ids;
    AcDbBlockTableRecord* space = nullptr;
    if (acdbOpenObject(space, currentSpaceId(), AcDb::kForRead) != Acad::eOk) return ids;
    for (const AcDbObjectId& id : space->entityIds())
        if (!id.isErased()) ids.push_back(id);
    space->close();
    return ids;
}

AcDbObjectId lastEntity() {
    std::vector<AcDbObjectId> ids = currentSpaceEntities();
    return ids.empty() ? AcDbObjectId::kNull : ids.back();
}

short currentViewport() {
    AcApDocument* doc = currentDocument();
    return doc ? doc->state().cvport : short{2};
}

void setCurrentViewport(short number) {
    if (AcApDocument* doc = currentDocument()) doc->state().cvport = number;
}

}  // namespace vthost

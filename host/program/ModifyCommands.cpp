// The host's editing commands: MOVE, COPY, ERASE, OOPS (brings back what the last ERASE took),
// STRETCH (a crossing window: vertices inside it
// move, entities wholly inside move), DDEDIT (the command-line form: new text for a text, an
// attribute or a multiline text).
#include <string>
#include <vector>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "ap/AcApDocument.h"
#include "db/AcDbSymbolTable.h"
#include "ed/CommandLine.h"
#include "ed/CurrentSpace.h"
#include "ed/Selection.h"
#include "ed/SystemVariables.h"
#include "ed/UserInput.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbText.h"
#include "ent/EntityGeometry.h"
#include "ge/AcGeMatrix3d.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

// "Specify base point or displacement:" and the second point; false when cancelled.
bool askDisplacement(AcGeVector3d& displacement) {
    AcGePoint3d base, second;
    if (askPoint("\nSpecify base point or displacement: ", base) != RTNORM) return false;
    int status = askPoint("\nSpecify second point of displacement or <use first point as displacement>: ", second, &base);
    if (status == RTNONE) {
        displacement = base - AcGePoint3d::kOrigin;
        return true;
    }
    if (status != RTNORM) return false;
    displacement = second - base;
    return true;
}

void moveCommand() {
    std::vector<AcDbObjectId> ids;
    AcGeVector3d displacement;
    if (!selectObjects(ids) || !askDisplacement(displacement)) return;
    AcGeMatrix3d move = AcGeMatrix3d::translation(displacement);
    forEachEntity(ids, AcDb::kForWrite, [&](AcDbEntity* e) { e->transformBy(move); });
}

void copyCommand() {
    std::vector<AcDbObjectId> ids;
    AcGeVector3d displacement;
    if (!selectObjects(ids) || !askDisplacement(displacement)) return;
    AcGeMatrix3d move = AcGeMatrix3d::translation(displacement);
    AcDbBlockTableRecord* space = nullptr;
    if (acdbOpenObject(space, currentSpaceId(), AcDb::kForWrite) != Acad::eOk) return;
    forEachEntity(ids, AcDb::kForRead, [&](AcDbEntity* e) { appendCopy(space, e, move); });
    space->close();
}

// What the last ERASE took, in whichever drawing it ran; OOPS empties it.
std::vector<AcDbObjectId>& lastErased() {
    static std::vector<AcDbObjectId> ids;
    return ids;
}

void eraseCommand() {
    std::vector<AcDbObjectId> ids;
    if (!selectObjects(ids)) return;
    forEachEntity(ids, AcDb::kForWrite, [](AcDbEntity* e) { e->erase(); });
    lastErased() = ids;
}

// Unerases the entities of the last ERASE that are still erased and belong to the current drawing.
void oopsCommand() {
    AcDbDatabase* db = currentDrawing()->database();
    long restored = 0;
    for (const AcDbObjectId& id : lastErased()) {
        AcDbEntity* entity = nullptr;
        if (id.database() != db || acdbOpenObject(entity, id, AcDb::kForWrite, true) != Acad::eOk) continue;
        if (entity->isErased() && entity->erase(false) == Acad::eOk) ++restored;
        entity->close();
    }
    lastErased().clear();
    acutPrintf("\n%ld restored", restored);
}

void stretchEntity(AcDbEntity* entity, const Extents& window, const AcGeVector3d& d) {
    if (insideWindow(entity, window)) {
        entity->transformBy(AcGeMatrix3d::translation(d));
    } else if (auto* pline = AcDbPolyline::cast(entity)) {
        for (unsigned i = 0; i < pline->numVerts(); ++i) {
            AcGePoint3d p;
            pline->getPointAt(i, p);
            if (window.contains(p)) pline->setPointAt(i, AcGePoint2d(p.x + d.x, p.y + d.y));
        }
    } else if (auto* line = AcDbLine::cast(entity)) {
        if (window.contains(line->startPoint())) line->setStartPoint(line->startPoint() + d);
        if (window.contains(line->endPoint())) line->setEndPoint(line->endPoint() + d);
    }
}

void stretchCommand() {
    AcGePoint3d a, b;
    acutPrintf("\nSelect objects to stretch by crossing-window...");
    if (askPoint("\nSpecify first corner: ", a) != RTNORM) return;
    if (askPoint("\nSpecify opposite corner: ", b, &a) != RTNORM) return;
    ads_name set;
    if (acedSSGet("C", &a.x, &b.x, nullptr, set) != RTNORM) { acutPrintf("\n0 found"); return; }
    long length = 0;
    acedSSLength(set, &length);
    std::vector<AcDbObjectId> ids;
    for (long i = 0; i < length; ++i) {
        ads_name name;
        AcDbObjectId id;
        if (acedSSName(set, i, name) == RTNORM && acdbGetObjectId(id, name) == Acad::eOk) ids.push_back(id);
    }
    acedSSFree(set);
    acutPrintf("\n%ld found", length);
    AcGeVector3d displacement;
    if (!askDisplacement(displacement)) return;
    Extents window = windowOf(a, b);
    forEachEntity(ids, AcDb::kForWrite, [&](AcDbEntity* e) { stretchEntity(e, window, displacement); });
}

// The text of a text or attribute, or the contents of a multiline text; false for other kinds.
bool annotationText(AcDbEntity* entity, std::string& text) {
    char* value = nullptr;
    if (auto* t = AcDbText::cast(entity)) value = t->textString();
    else if (auto* m = AcDbMText::cast(entity)) value = m->contents();
    else return false;
    text = value ? value : "";
    acutDelString(value);
    return true;
}

void setAnnotationText(AcDbEntity* entity, const char* text) {
    if (auto* t = AcDbText::cast(entity)) t->setTextString(text);
    else if (auto* m = AcDbMText::cast(entity)) m->setContents(text);
}

void ddeditCommand() {
    for (;;) {
        ads_name name;
        ads_point at;
        int status = acedEntSel("\nSelect an annotation object: ", name, at);
        if (status == RTERROR) {
            resbuf errnoValue{};
            if (acedGetVar("ERRNO", &errnoValue) == RTNORM && errnoValue.resval.rint == 52) return;
            if (commandLine().reject("Nothing found there.")) return;
            continue;
        }
        if (status != RTNORM) return;
        AcDbObjectId id;
        AcDbEntity* entity = nullptr;
        if (acdbGetObjectId(id, name) != Acad::eOk || acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) continue;
        std::string old;
        bool isText = annotationText(entity, old);
        entity->close();
        if (!isText) {
            if (commandLine().reject("That is not a text, attribute or multiline text.")) return;
            continue;
        }
        char text[132] = "";
        std::string prompt = "\nEnter new text <" + old + ">: ";
        if (acedGetString(1, prompt.c_str(), text) != RTNORM) return;
        if (text[0] == '\0') continue;
        if (acdbOpenObject(entity, id, AcDb::kForWrite) != Acad::eOk) continue;
        setAnnotationText(entity, text);
        entity->close();
    }
}

}  // namespace

void registerModifyCommands() {
    addHostCommand("MOVE", moveCommand);
    addHostCommand("COPY", copyCommand);
    addHostCommand("ERASE", eraseCommand);
    addHostCommand("OOPS", oopsCommand);
    addHostCommand("STRETCH", stretchCommand);
    addHostCommand("DDEDIT", ddeditCommand);
}

}  // namespace vthost

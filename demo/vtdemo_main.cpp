// vtdemo: the main job. It starts the host, loads vantorell.dbx through the host's module loader,
// lists the runtime classes the library registered, then shows a live label at work: a closed
// polyline carries two area links, and moving one of its vertices rewrites both labels, one with
// the raw value and one through a DIESEL macro. The drawing is then saved and opened again, and
// the labels still follow their source.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "boot/Host.h"
#include "SampleLinks.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbHostApplicationServices.h"
#include "db/AcDbSymbolTable.h"
#include "ut/AcUtil.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbText.h"
#include "link/AcPropertyLink.h"
#include "modifiers/ContentModifiers.h"
#include "readers/PropertyReaders.h"
#include "rx/AcRxClass.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxSysRegistry.h"
#include "style/AcPropertyLinkStyle.h"

namespace {

std::vector<std::string> classNames() {
    std::vector<std::string> names;
    AcRxDictionaryIterator* it = vthost::classDictionary()->newIterator();
    for (; !it->done(); it->next()) names.emplace_back(it->key());
    delete it;
    return names;
}

void listNewClasses(const std::vector<std::string>& before) {
    std::printf("Runtime classes registered by the library:\n");
    for (const std::string& name : classNames()) {
        if (std::find(before.begin(), before.end(), name) != before.end()) continue;
        AcRxClass* cls = acrxFindClass(name.c_str());
        std::printf("  %-22s parent %-18s%s%s\n", name.c_str(), cls->parentName(),
                    cls->dxfName() ? "  DXF " : "", cls->dxfName() ? cls->dxfName() : "");
    }
}

AcDbObjectId append(AcDbDatabase& db, AcDbEntity* entity) {
    AcDbBlockTableRecord* space = nullptr;
    acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite);
    AcDbObjectId id;
    space->appendAcDbEntity(id, entity);
    entity->close();
    space->close();
    return id;
}

std::string textOf(AcDbObjectId id) {
    AcDbText* text = nullptr;
    if (acdbOpenObject(text, id, AcDb::kForRead) != Acad::eOk) return "?";
    char* value = text->textString();
    std::string result = value ? value : "";
    acutDelString(value);
    text->close();
    return result;
}

void showLabels(AcDbObjectId plain, AcDbObjectId macro) {
    std::printf("  label without macro: \"%s\"\n", textOf(plain).c_str());
    std::printf("  label with macro:    \"%s\"\n", textOf(macro).c_str());
}

void moveVertex(AcDbObjectId roomId, double y) {
    AcDbPolyline* open = nullptr;
    acdbOpenObject(open, roomId, AcDb::kForWrite);
    open->setPointAt(2, AcGePoint2d(8, y));
    open->close();
}

// The drawing is saved, opened again in a new database, and its links still work there.
void reopen(const char* path, AcDbObjectId roomId, AcDbObjectId plainLabel, AcDbObjectId macroLabel) {
    AcDbDatabase reopened(false);
    if (reopened.readDwgFile(path) != Acad::eOk) {
        std::printf("The saved drawing could not be opened\n");
        return;
    }
    acdbHostApplicationServices()->setWorkingDatabase(&reopened);
    auto inReopened = [&](AcDbObjectId id) {
        AcDbObjectId found;
        reopened.getAcDbObjectId(found, false, id.handle());
        return found;
    };
    moveVertex(inReopened(roomId), 12);
    std::printf("Saved to %s, opened again, vertex 2 moved to (8,12):\n", path);
    showLabels(inReopened(plainLabel), inReopened(macroLabel));
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}

void liveLabels() {
    AcDbDatabase db;
    acdbHostApplicationServices()->setWorkingDatabase(&db);
    auto* room = new AcDbPolyline();
    const double corners[4][2] = {{0, 0}, {8, 0}, {8, 5}, {0, 5}};
    for (unsigned i = 0; i < 4; ++i) room->addVertexAt(i, AcGePoint2d(corners[i][0], corners[i][1]));
    room->setClosed(true);
    AcDbObjectId roomId = append(db, room);
    AcDbObjectId plainLabel = append(db, new AcDbText());
    AcDbObjectId macroLabel = append(db, new AcDbText());
    vtsample::storeLink(roomId, plainLabel, vtsample::addAreaTextStyle(db, "Area", ""));
    vtsample::storeLink(roomId, macroLabel,
                        vtsample::addAreaTextStyle(db, "Area m2", "Room: $(rtos,%PROPERTY,2,2) m2"));
    std::printf("\nA closed polyline 8 x 5 with two area labels:\n");
    showLabels(plainLabel, macroLabel);

    moveVertex(roomId, 9.5);
    std::printf("Vertex 2 moved from (8,5) to (8,9.5); closing the polyline rewrote both labels:\n");
    showLabels(plainLabel, macroLabel);
    const char* path = "vtdemo-room.vtdwg";
    Acad::ErrorStatus saved = db.saveAs(path);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    if (saved == Acad::eOk) reopen(path, roomId, plainLabel, macroLabel);
    std::remove(path);
}

}  // namespace

int main() {
    vthost::startHost();
    std::vector<std::string> before = classNames();
    std::printf("Loading vantorell.dbx\n");
    if (!acrxLoadModule("vantorell.dbx", true)) return 1;
    listNewClasses(before);
    liveLabels();
    bool unloaded = acrxUnloadModule("vantorell.dbx");
    std::printf("\nUnloaded vantorell.dbx: %s; library classes left: %zu\n", unloaded ? "yes" : "no",
                classNames().size() - before.size());
    vthost::stopHost();
    return unloaded ? 0 : 1;
}

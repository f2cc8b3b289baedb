// vtdemo: the main job. It starts the host, loads vantorell.dbx through the host's module loader,
// lists the runtime classes the library registered, then shows a live label at work: a closed
// polyline carries two area links, and moving one of its vertices rewrites both labels, one with
// the raw value and one through a DIESEL macro. The drawing is then saved and opened again, and
// the labels still follow their source. The drawing goes to a new folder under $TMPDIR (or /tmp),
// removed at the end; any step that fails is reported on stderr and the demo exits with 1.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
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

// Reports a failed step; false, so that callers can return it.
bool failed(const char* step, Acad::ErrorStatus status = Acad::eOk) {
    if (status != Acad::eOk)
        std::fprintf(stderr, "vtdemo: %s failed (status %d)\n", step, static_cast<int>(status));
    else
        std::fprintf(stderr, "vtdemo: %s failed\n", step);
    return false;
}

// A new private folder for the saved drawing, removed with its contents when this goes.
class ScratchFolder {
public:
    ScratchFolder() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base != nullptr && *base ? base : "/tmp") + "/vtdemo-XXXXXX";
        if (mkdtemp(pattern.data()) != nullptr) m_path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    bool made() const { return !m_path.empty(); }
    std::string file(const char* name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

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

// The new entity's id; null (and the entity deleted) when it could not be added.
AcDbObjectId append(AcDbDatabase& db, AcDbEntity* entity) {
    AcDbBlockTableRecord* space = nullptr;
    AcDbObjectId id;
    Acad::ErrorStatus status = acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite);
    if (status == Acad::eOk) {
        status = space->appendAcDbEntity(id, entity);
        space->close();
    }
    if (status != Acad::eOk) {
        delete entity;
        failed("adding an entity to model space", status);
        return AcDbObjectId();
    }
    entity->close();
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

bool moveVertex(AcDbObjectId roomId, double y) {
    AcDbPolyline* open = nullptr;
    Acad::ErrorStatus status = acdbOpenObject(open, roomId, AcDb::kForWrite);
    if (status != Acad::eOk) return failed("opening the polyline", status);
    open->setPointAt(2, AcGePoint2d(8, y));
    open->close();
    return true;
}

// The drawing is saved, opened again in a new database, and its links still work there.
bool reopen(const std::string& path, AcDbObjectId roomId, AcDbObjectId plainLabel,
            AcDbObjectId macroLabel) {
    AcDbDatabase reopened(false);
    Acad::ErrorStatus status = reopened.readDwgFile(path.c_str());
    if (status != Acad::eOk) return failed("opening the saved drawing", status);
    acdbHostApplicationServices()->setWorkingDatabase(&reopened);
    auto inReopened = [&](AcDbObjectId id) {
        AcDbObjectId found;
        reopened.getAcDbObjectId(found, false, id.handle());
        return found;
    };
    bool moved = moveVertex(inReopened(roomId), 12);
    if (moved) {
        std::printf("Saved to %s, opened again, vertex 2 moved to (8,12):\n", path.c_str());
        showLabels(inReopened(plainLabel), inReopened(macroLabel));
    }
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    return moved;
}

// Links the label to the source's area through a new style.
bool link(AcDbDatabase& db, AcDbObjectId source, AcDbObjectId label, const char* style,
          const char* macro) {
    AcDbObjectId styleId = vtsample::addAreaTextStyle(db, style, macro);
    if (styleId.isNull()) return failed("adding a link style");
    if (vtsample::storeLink(source, label, styleId).isNull()) return failed("storing a link");
    return true;
}

bool liveLabels(const ScratchFolder& folder) {
    AcDbDatabase db;
    acdbHostApplicationServices()->setWorkingDatabase(&db);
    AcDbObjectId roomId = vtsample::addRoom(db, 8, 5);
    AcDbObjectId plainLabel = append(db, new AcDbText());
    AcDbObjectId macroLabel = append(db, new AcDbText());
    bool ok = !roomId.isNull() && !plainLabel.isNull() && !macroLabel.isNull();
    ok = ok && link(db, roomId, plainLabel, "Area", "") &&
         link(db, roomId, macroLabel, "Area m2", "Room: $(rtos,%PROPERTY,2,2) m2");
    if (ok) {
        std::printf("\nA closed polyline 8 x 5 with two area labels:\n");
        showLabels(plainLabel, macroLabel);
        ok = moveVertex(roomId, 9.5);
    }
    if (ok) {
        std::printf("Vertex 2 moved from (8,5) to (8,9.5); closing the polyline rewrote both labels:\n");
        showLabels(plainLabel, macroLabel);
    }
    std::string path = folder.file("room.vtdwg");
    Acad::ErrorStatus saved = ok ? db.saveAs(path.c_str()) : Acad::eOk;
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    if (saved != Acad::eOk) return failed("saving the drawing", saved);
    return ok && reopen(path, roomId, plainLabel, macroLabel);
}

}  // namespace

int main() {
    ScratchFolder folder;
    if (!folder.made()) return failed("making a temporary folder"), 1;
    vthost::startHost();
    std::vector<std::string> before = classNames();
    std::printf("Loading vantorell.dbx\n");
    if (!acrxLoadModule("vantorell.dbx", true)) {
        vthost::stopHost();
        return failed("loading vantorell.dbx"), 1;
    }
    listNewClasses(before);
    bool shown = liveLabels(folder);
    bool unloaded = acrxUnloadModule("vantorell.dbx");
    std::printf("\nUnloaded vantorell.dbx: %s; library classes left: %zu\n", unloaded ? "yes" : "no",
                classNames().size() - before.size());
    vthost::stopHost();
    if (!unloaded) failed("unloading vantorell.dbx");
    return shown && unloaded ? 0 : 1;
}

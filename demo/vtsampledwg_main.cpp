// vtsampledwg: writes the sample drawing that vthost's shipped script and the transcript tests
// open. The host loads vantorell.dbx, and the drawing is built through the library's API: a room
// (a closed polyline 8 x 5) and a column (a circle of radius 1) in model space, each with a
// single-line text label that shows its area through a DIESEL macro; the room also shows its
// perimeter (length), the column its X, and a schedule line copies the room's name (a text).
// A marker text labels itself with its own X coordinate (a self link): the editor application
// rewrites it after every command that moves it.
//
//   vtsampledwg <output drawing>
#include <cstdio>

#include "SampleLinks.h"
#include "boot/Host.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbHostApplicationServices.h"
#include "db/AcDbSymbolTable.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbText.h"
#include "modifiers/ContentModifiers.h"
#include "readers/PropertyReaders.h"
#include "rx/AcRxDynamicLinker.h"

namespace {

AcDbObjectId append(AcDbDatabase& db, AcDbEntity* entity) {
    AcDbBlockTableRecord* space = nullptr;
    acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite);
    AcDbObjectId id;
    space->appendAcDbEntity(id, entity);
    entity->close();
    space->close();
    return id;
}

AcDbObjectId label(AcDbDatabase& db, double x, double y, const char* contents = "") {
    auto* text = new AcDbText();
    text->setPosition(AcGePoint3d(x, y, 0));
    text->setHeight(0.5);
    text->setTextString(contents);
    return append(db, text);
}

AcDbObjectId textStyle(AcDbDatabase& db, const char* name, AcPropertyReader* reader,
                       const char* macro) {
    return vtsample::addStyle(db, name, reader, new AcTextModifier(), macro);
}

bool writeSample(const char* path) {
    AcDbDatabase db;
    acdbHostApplicationServices()->setWorkingDatabase(&db);
    AcDbObjectId roomId = vtsample::addRoom(db, 8, 5);
    AcDbObjectId column = append(db, new AcDbCircle(AcGePoint3d(12, 2, 0), 1.0));
    AcDbObjectId style = vtsample::addAreaTextStyle(db, "Area m2", "$(rtos,%PROPERTY,2,2) m2");
    vtsample::storeLink(roomId, label(db, 1, 2), style);
    vtsample::storeLink(column, label(db, 11, 4), style);
    AcDbObjectId name = label(db, 1, 6, "Office");
    vtsample::storeLink(roomId, label(db, 1, 3.5),
                        textStyle(db, "Perimeter", new AcLengthReader(), "$(rtos,%PROPERTY,2,2) m"));
    vtsample::storeLink(column, label(db, 11, -2.5),
                        textStyle(db, "X", new AcXCoordReader(), "X $(rtos,%PROPERTY,2,2)"));
    vtsample::storeLink(name, label(db, 16, 6),
                        textStyle(db, "Schedule", new AcTextReader(), "Room: %PROPERTY"));
    AcDbObjectId marker = label(db, 20, 0, "X=20.00");
    vtsample::storeLink(marker, AcDbObjectId::kNull,
                        textStyle(db, "Own X", new AcXCoordReader(), "X=$(rtos,%PROPERTY,2,2)"));
    Acad::ErrorStatus status = db.saveAs(path);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    return status == Acad::eOk;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vtsampledwg <output drawing>\n");
        return 2;
    }
    vthost::startHost();
    bool ok = acrxLoadModule("vantorell.dbx", true) && writeSample(argv[1]);
    vthost::stopHost();
    if (!ok) std::fprintf(stderr, "vtsampledwg: cannot write %s\n", argv[1]);
    return ok ? 0 : 1;
}

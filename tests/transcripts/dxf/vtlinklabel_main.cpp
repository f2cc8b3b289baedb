// vtlinklabel: links a label to a source's area in a saved drawing, as the add-on's editor would,
// so that the DXF transcript can label an imported drawing live before the command line has a
// command for it. The host loads vantorell.dbx; the link's style writes the area with two
// decimals and " m2".
//
//   vtlinklabel <drawing> <source handle> <label handle>     (handles in hex, as LIST shows them)
#include <cstdio>
#include <cstdlib>

#include "SampleLinks.h"
#include "boot/Host.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbHandle.h"
#include "db/AcDbHostApplicationServices.h"
#include "rx/AcRxDynamicLinker.h"

namespace {

bool idOf(AcDbDatabase& db, const char* hex, AcDbObjectId& id) {
    char* end = nullptr;
    unsigned long value = std::strtoul(hex, &end, 16);
    return end != hex && *end == '\0' && db.getAcDbObjectId(id, false, AcDbHandle(value)) == Acad::eOk;
}

bool link(const char* path, const char* sourceHandle, const char* labelHandle) {
    AcDbDatabase db(false);
    if (db.readDwgFile(path) != Acad::eOk) return false;
    acdbHostApplicationServices()->setWorkingDatabase(&db);
    AcDbObjectId source, label;
    bool ok = idOf(db, sourceHandle, source) && idOf(db, labelHandle, label);
    AcDbObjectId style = ok ? vtsample::addAreaTextStyle(db, "Area m2", "$(rtos,%PROPERTY,2,2) m2")
                            : AcDbObjectId();
    ok = ok && !style.isNull() && !vtsample::storeLink(source, label, style).isNull();
    ok = ok && db.saveAs(path) == Acad::eOk;
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: vtlinklabel <drawing> <source handle> <label handle>\n");
        return 2;
    }
    vthost::startHost();
    bool ok = acrxLoadModule("vantorell.dbx", true) && link(argv[1], argv[2], argv[3]);
    vthost::stopHost();
    if (!ok) std::fprintf(stderr, "vtlinklabel: cannot link %s in %s\n", argv[3], argv[1]);
    return ok ? 0 : 1;
}

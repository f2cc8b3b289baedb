// The host's commands that turn and size a selection about a base point: ROTATE (an angle in
// degrees, counterclockwise) and SCALE (a factor typed, or the distance of a point from the base).
// Labels linked to the entities follow, as with MOVE, because each entity is changed through an
// open for write and closed.
#include <numbers>
#include <vector>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "ed/UserInput.h"
#include "ge/AcGeMatrix3d.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

// "Select objects:" and "Specify base point:"; false when either was cancelled or empty.
bool selectionAndBase(std::vector<AcDbObjectId>& ids, AcGePoint3d& base) {
    return selectObjects(ids) && askPoint("\nSpecify base point: ", base) == RTNORM;
}

void transformAll(const std::vector<AcDbObjectId>& ids, const AcGeMatrix3d& xform) {
    forEachEntity(ids, AcDb::kForWrite, [&](AcDbEntity* e) { e->transformBy(xform); });
}

void rotateCommand() {
    acutPrintf("\nCurrent positive angle: ANGDIR=counterclockwise  ANGBASE=0");
    std::vector<AcDbObjectId> ids;
    AcGePoint3d base;
    if (!selectionAndBase(ids, base)) return;
    double degrees = 0;
    acedInitGet(RSG_NONULL, nullptr);
    if (acedGetReal("\nSpecify rotation angle: ", &degrees) != RTNORM) return;
    double radians = degrees * std::numbers::pi / 180.0;
    transformAll(ids, AcGeMatrix3d::rotation(radians, AcGeVector3d(0, 0, 1), base));
}

void scaleCommand() {
    std::vector<AcDbObjectId> ids;
    AcGePoint3d base;
    if (!selectionAndBase(ids, base)) return;
    double factor = 1;
    if (askDistance("\nSpecify scale factor: ", factor, &base, RSG_NONULL | RSG_NOZERO | RSG_NONEG) != RTNORM)
        return;
    transformAll(ids, AcGeMatrix3d::scaling(factor, base));
}

}  // namespace

void registerTransformCommands() {
    addHostCommand("ROTATE", rotateCommand);
    addHostCommand("SCALE", scaleCommand);
}

}  // namespace vthost

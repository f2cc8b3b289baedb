// The host's commands that turn and size a selection about a base point: ROTATE (an angle in
// degrees, counterclockwise) and SCALE (a factor typed, or the distance of a point from the base);
// and MIRROR, which reflects a selection in a line (copies, or the entities themselves when the
// source objects are erased). Texts stay readable (the host's default, MIRRTEXT 0).
// Labels linked to the entities follow, as with MOVE, because each entity is changed through an
// open for write and closed.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "program/CommandSupport.h"
#include "db/AcDbSymbolTable.h"
#include "ed/CommandLine.h"
#include "ed/CurrentSpace.h"
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

// The second point of the mirror line, asked again while it is the first one.
bool askSecondMirrorPoint(const AcGePoint3d& first, AcGePoint3d& second) {
    for (;;) {
        if (askPoint("\nSpecify second point of mirror line: ", second, &first) != RTNORM) return false;
        if (std::hypot(second.x - first.x, second.y - first.y) > 0.0) return true;
        if (commandLine().reject("The mirror line needs two different points.")) return false;
    }
}

void mirrorCommand() {
    std::vector<AcDbObjectId> ids;
    AcGePoint3d first, second;
    if (!selectObjects(ids) || askPoint("\nSpecify first point of mirror line: ", first) != RTNORM) return;
    if (!askSecondMirrorPoint(first, second)) return;
    acedInitGet(0, "Yes No");
    char answer[132] = "";
    int status = acedGetKword("\nErase source objects? [Yes/No] <N>: ", answer);
    if (status != RTNORM && status != RTNONE) return;
    // The plane through the mirror line and the Z axis: a reflection in the XY plane.
    AcGeMatrix3d mirror = AcGeMatrix3d::mirroring(first, AcGeVector3d(first.y - second.y, second.x - first.x, 0.0));
    if (std::string(answer) == "Yes") return transformAll(ids, mirror);
    AcDbBlockTableRecord* space = nullptr;
    if (acdbOpenObject(space, currentSpaceId(), AcDb::kForWrite) != Acad::eOk) return;
    forEachEntity(ids, AcDb::kForRead, [&](AcDbEntity* e) { appendCopy(space, e, mirror); });
    space->close();
}

}  // namespace

void registerTransformCommands() {
    addHostCommand("MIRROR", mirrorCommand);
    addHostCommand("ROTATE", rotateCommand);
    addHostCommand("SCALE", scaleCommand);
}

}  // namespace vthost

// What the host's own commands share: the current drawing, adding entities to the current space,
// opening every entity of a selection, asking for points and numbers with a default shown in
// <angle brackets>, and writing numbers in the drawing's units.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "db/AcDbEntity.h"
#include "ge/AcGePoint3d.h"
#include "ut/AdsCodes.h"

class AcApDocument;
class AcDbBlockTableRecord;
class AcGeMatrix3d;

namespace vthost {

AcApDocument* currentDrawing();
// A new entity that a drawing command made: takes the drawing's current colour (CECOLOR), is
// appended to the current space of the current drawing and closed; null id on failure (the entity
// is then deleted).
AcDbObjectId addEntity(AcDbEntity* entity);
// Appends an entity as it is (a copy keeps its colour) and closes it; null id on failure (deleted).
AcDbObjectId appendEntity(AcDbEntity* entity);
// Appends a copy of source (open for read) to owner (open for write), moved by xform, and closes
// it. A block reference's attributes are copied with it: a plain clone would share them with the
// source. Null id on failure.
AcDbObjectId appendCopy(AcDbBlockTableRecord* owner, const AcDbEntity* source, const AcGeMatrix3d& xform);
// The drawing's distance text (LUNITS, LUPREC).
std::string distanceText(double value);
std::string pointText(const AcGePoint3d& p);

// RTNORM with the point, RTNONE for Enter, RTKWORD, RTCAN.
int askPoint(const std::string& prompt, AcGePoint3d& point, const AcGePoint3d* base = nullptr);
// A distance (or a point's distance from base); Enter keeps value. RTNORM or RTCAN / RTKWORD.
int askDistance(const std::string& prompt, double& value, const AcGePoint3d* base = nullptr,
                int flags = 0, const char* keywords = nullptr);
// "Select objects:" into a list of ids; false when nothing was selected or it was cancelled.
bool selectObjects(std::vector<AcDbObjectId>& ids);
// Appends the ids of a selection set's entities and frees the set.
void takeSelectionSet(ads_name set, std::vector<AcDbObjectId>& ids);
// Opens each entity in the mode and calls fn; entities that cannot be opened are skipped.
void forEachEntity(const std::vector<AcDbObjectId>& ids, AcDb::OpenMode mode,
                   const std::function<void(AcDbEntity*)>& fn);
// A keyword answer after RTKWORD (acedGetInput).
std::string keywordAnswer();
// Registers a host command in the host's group.
void addHostCommand(const char* name, void (*function)(), bool session = false);

}  // namespace vthost

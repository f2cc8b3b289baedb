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

namespace vthost {

AcApDocument* currentDrawing();
// Appends to the current space of the current drawing and closes the entity; null id on failure
// (the entity is then deleted).
AcDbObjectId addEntity(AcDbEntity* entity);
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
// Opens each entity in the mode and calls fn; entities that cannot be opened are skipped.
void forEachEntity(const std::vector<AcDbObjectId>& ids, AcDb::OpenMode mode,
                   const std::function<void(AcDbEntity*)>& fn);
// A keyword answer after RTKWORD (acedGetInput).
std::string keywordAnswer();
// Registers a host command in the host's group.
void addHostCommand(const char* name, void (*function)(), bool session = false);

}  // namespace vthost

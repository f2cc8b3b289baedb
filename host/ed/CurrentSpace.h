// vthost current space: which block the user works in. TILEMODE 1 is model space; with TILEMODE 0,
// CVPORT 1 is paper space and CVPORT 2 or more is model space seen through that viewport. Picks,
// selections and new entities all go to the current space of the current drawing. Host-internal.
#pragma once
#include <vector>

#include "db/AcDbObjectId.h"

class AcDbDatabase;

namespace vthost {

// The current drawing's current space, or null without a drawing.
AcDbObjectId currentSpaceId();
// Its entities that are not erased, in drawing order.
std::vector<AcDbObjectId> currentSpaceEntities();
// The newest entity of the current space that is not erased, or null.
AcDbObjectId lastEntity();
// CVPORT of the current drawing (2 without one).
short currentViewport();
void setCurrentViewport(short number);

}  // namespace vthost

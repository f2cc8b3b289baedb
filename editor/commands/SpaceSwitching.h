// Switching between model space and paper space while picking, as link creation's Model and
// Paper keywords do: the host's MSPACE and PSPACE are reached through the host program's exports
// (a host that lacks them leaves the space as it is).
#pragma once
#include "db/AcDb.h"

class AcDbViewport;

namespace vantorell {
// True when TILEMODE is 0 (a layout is shown).
bool paperSpaceActive();
// Asks for a viewport with prompt; the viewport open in mode, or null (having said why).
AcDbViewport* pickViewport(const char* prompt, AcDb::OpenMode mode);
void switchToModelSpace();
void switchToPaperSpace();
}  // namespace vantorell

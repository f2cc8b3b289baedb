// acedSetCurrentVPort: makes a viewport of the current drawing current, as the host does for
// MSPACE and PSPACE. In a layout (TILEMODE 0), 1 is paper space itself and 2 and up are the
// floating viewports that are on; with TILEMODE 1 only 2, model space. The change goes through
// CVPORT, so editor reactors hear sysVarWillChange / sysVarChanged. eOutOfRange for a number that
// names no viewport or one that is off, and without a current drawing.
#pragma once
#include "rx/AcadErrorStatus.h"

class AcDbViewport;

Acad::ErrorStatus acedSetCurrentVPort(int vpnumber);
// The viewport must be open for read; null answers eNullObjectPointer.
Acad::ErrorStatus acedSetCurrentVPort(const AcDbViewport* pVp);

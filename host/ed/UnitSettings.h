// Number formatting in the working drawing's units: acdbRToS, and the settings that DIESEL's
// $(rtos) and $(angtos) use. Without a working drawing the defaults of a new drawing apply.
#pragma once
#include "units/AngularFormat.h"
#include "units/LinearFormat.h"

extern "C" {
// Formats val as a distance into str (the caller's buffer; at most 400 characters with the
// terminator). unit and prec -1 mean the drawing's LUNITS and LUPREC. RTNORM or RTERROR.
int acdbRToS(double val, int unit, int prec, char* str);
}

namespace vthost {
LinearUnitSettings currentLinearSettings();
AngularUnitSettings currentAngularSettings();
}  // namespace vthost

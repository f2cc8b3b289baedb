#include "ed/Viewports.h"

#include "ed/SystemVariables.h"
#include "ent/AcDbViewport.h"
#include "ut/AdsCodes.h"

Acad::ErrorStatus acedSetCurrentVPort(int vpnumber) {
    if (vpnumber < 1 || vpnumber > 32767) return Acad::eOutOfRange;
    resbuf value{};
    value.restype = RTSHORT;
    value.resval.rint = static_cast<short>(vpnumber);
    return acedSetVar("CVPORT", &value) == RTNORM ? Acad::eOk : Acad::eOutOfRange;
}

Acad::ErrorStatus acedSetCurrentVPort(const AcDbViewport* pVp) {
    if (pVp == nullptr) return Acad::eNullObjectPointer;
    return acedSetCurrentVPort(pVp->number());
}

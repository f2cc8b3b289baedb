// The host's REGION command: each closed curve of the selection (a closed polyline, a circle, an
// ellipse) becomes a region in its place, the curve itself erased, as with DELOBJ 1. Open curves
// and other entities are left alone and counted out.
#include <vector>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "ent/AcDbCurve.h"
#include "ent/AcDbRegion.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

// A region made from curve, or null when it is not a closed curve.
AcDbRegion* regionOf(const AcDbCurve* curve) {
    AcDbVoidPtrArray curves, regions;
    curves.append(const_cast<AcDbCurve*>(curve));
    if (AcDbRegion::createFromCurves(curves, regions) != Acad::eOk || regions.length() != 1) return nullptr;
    return static_cast<AcDbRegion*>(regions[0]);
}

void regionCommand() {
    std::vector<AcDbObjectId> ids;
    if (!selectObjects(ids)) return;
    long made = 0;
    forEachEntity(ids, AcDb::kForWrite, [&](AcDbEntity* e) {
        auto* curve = AcDbCurve::cast(e);
        AcDbRegion* region = curve != nullptr && curve->isClosed() ? regionOf(curve) : nullptr;
        if (region == nullptr) return;
        region->setColorIndex(e->colorIndex());
        char* layer = e->layer();
        region->setLayer(layer);
        acutDelString(layer);
        if (addEntity(region).isNull()) return;
        e->erase();
        ++made;
    });
    acutPrintf("\n%ld loop%s extracted.", made, made == 1 ? "" : "s");
    acutPrintf("\n%ld Region%s created.", made, made == 1 ? "" : "s");
}

}  // namespace

void registerRegionCommands() { addHostCommand("REGION", regionCommand); }

}  // namespace vthost

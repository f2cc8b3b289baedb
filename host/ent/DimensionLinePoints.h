// Host-internal: the three points that place a linear dimension (the two extension-line origins
// and a point on the dimension line), shared by the aligned and the rotated dimension, with their
// part of the record (three Point3d). Not for modules.
#pragma once
#include "db/AcDbDwgFiler.h"
#include "ent/EntitySupport.h"
#include "ge/AcGeMatrix3d.h"

namespace vthost {

struct DimensionLinePoints {
    AcGePoint3d xLine1;
    AcGePoint3d xLine2;
    AcGePoint3d dimLine;

    void write(AcDbDwgFiler* filer) const {
        filer->writePoint3d(xLine1);
        filer->writePoint3d(xLine2);
        filer->writePoint3d(dimLine);
    }
    // Reads the three points (callers read into a copy and keep it when the whole level read).
    void read(AcDbDwgFiler* filer) {
        for (AcGePoint3d* p : {&xLine1, &xLine2, &dimLine}) {
            filer->readPoint3d(p);
            requireFinite(filer, *p);
        }
    }
    void transformBy(const AcGeMatrix3d& xform) {
        for (AcGePoint3d* p : {&xLine1, &xLine2, &dimLine}) p->transformBy(xform);
    }
};

}  // namespace vthost

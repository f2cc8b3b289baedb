#include "ent/DimensionLinePoints.h"

#include "db/AcDbDwgFiler.h"
#include "ent/EntitySupport.h"

namespace vthost {

void DimensionLinePoints::write(AcDbDwgFiler* filer) const {
    filer->writePoint3d(xLine1);
    filer->writePoint3d(xLine2);
    filer->writePoint3d(dimLine);
}

void DimensionLinePoints::read(AcDbDwgFiler* filer) {
    for (AcGePoint3d* p : {&xLine1, &xLine2, &dimLine}) {
        filer->readPoint3d(p);
        requireFinite(filer, *p);
    }
}

void DimensionLinePoints::transformBy(const AcGeMatrix3d& xform) {
    for (AcGePoint3d* p : {&xLine1, &xLine2, &dimLine}) p->transformBy(xform);
}

}  // namespace vthost

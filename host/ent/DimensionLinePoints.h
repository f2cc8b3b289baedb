// The three points that place a linear dimension (the two extension-line origins and a point on
// the dimension line), shared by the aligned and the rotated dimension, with their part of the
// record (three Point3d). A member of those classes; modules have no use for it on its own.
#pragma once
#include "ge/AcGeMatrix3d.h"

class AcDbDwgFiler;

namespace vthost {

struct DimensionLinePoints {
    AcGePoint3d xLine1;
    AcGePoint3d xLine2;
    AcGePoint3d dimLine;

    void write(AcDbDwgFiler* filer) const;
    // Reads the three points (callers read into a copy and keep it when the whole level read).
    void read(AcDbDwgFiler* filer);
    void transformBy(const AcGeMatrix3d& xform);
};

}  // namespace vthost

// The graphics block of an exported dimension. Readers that do not rebuild dimensions draw the
// block a DIMENSION names (group 2), and some drop a dimension whose block is missing, so every
// aligned and rotated dimension goes out with an anonymous block "*D<n>" holding what it shows:
// the dimension line, the two extension lines and the text (as it reads now). The geometry is
// computed from the dimension, which must be open for read; nothing here is kept or owned.
#pragma once
#include <string>

#include "db/AcDbEntity.h"
#include "dxf/DxfLibrary.h"
#include "ge/AcGePoint3d.h"

namespace vthost {

struct DxfDimensionGeometry {
    AcGePoint3d xLine1, xLine2;      // where the extension lines start (the measured points)
    AcGePoint3d line1, line2;        // the dimension line's ends, on the extension lines
    AcGePoint3d textPosition;
    double angle = 0.0;              // the dimension line's direction, radians
    std::string text;                // what the dimension shows
};

// False for an entity that is not an aligned or rotated dimension.
bool dimensionGeometry(const AcDbEntity& entity, DxfDimensionGeometry& geometry);

// Writes BLOCK name ... ENDBLK with the dimension's lines and text on the dimension's layer.
void writeDimensionBlock(DL_Dxf& dxf, DL_WriterA& writer, const std::string& name,
                         const std::string& layer, const DxfDimensionGeometry& geometry);

}  // namespace vthost

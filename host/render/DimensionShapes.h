// What an aligned or rotated dimension shows, worked out from the dimension (open for read): the
// two extension lines (a small gap off the measured points, a little past the dimension line),
// the dimension line between them, a filled arrowhead at each end and the text centred at the
// text position with its baseline a gap above the dimension line, turned to read from below or
// from the right. Sizes
// follow the text height: arrows as long as the text is high (but no more than a third of the
// dimension line), gaps a quarter of it.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "render/CurveShapes.h"

class AcDbEntity;

namespace vthost {

struct DimensionShape {
    std::vector<std::pair<AcGePoint3d, AcGePoint3d>> lines;
    std::vector<Points> arrowheads;
    std::string text;
    AcGePoint3d textAnchor;  // the centre of the text's baseline
    double textRotation = 0.0;
};

// False for an entity that is not an aligned or rotated dimension.
bool dimensionShape(const AcDbEntity& entity, double textHeight, DimensionShape& shape);
// A filled triangle size long, a third of that wide, its tip at tip, pointing away from tail.
Points arrowhead(const AcGePoint3d& tip, const AcGePoint3d& tail, double size);

}  // namespace vthost

// Host entities made from what dxflib read. Each function answers a new entity that is in no
// database (the caller owns it), or null when the values cannot make one (a zero radius, an
// ellipse ratio outside (0, 1]); angles come in as dxflib gives them (degrees for arcs, inserts
// and rotated dimensions, radians for texts and ellipses).
#pragma once
#include <memory>

#include "dxf/DxfGroupFeed.h"
#include "dxf/DxfLibrary.h"
#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbAttributeDefinition.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbEllipse.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbRotatedDimension.h"
#include "ent/AcDbText.h"

namespace vthost {

std::unique_ptr<AcDbLine> lineFromDxf(const DL_LineData& data);
std::unique_ptr<AcDbCircle> circleFromDxf(const DL_CircleData& data);
std::unique_ptr<AcDbArc> arcFromDxf(const DL_ArcData& data);
// normal is the ellipse's extrusion (group 210).
std::unique_ptr<AcDbEllipse> ellipseFromDxf(const DL_EllipseData& data,
                                            const AcGeVector3d& normal);
// Fills a text (or attribute) from single-line text data, justification included.
void textFromDxf(const DL_TextData& data, AcDbText& text);
std::unique_ptr<AcDbMText> mtextFromDxf(const DL_MTextData& data, const std::string& contents);
std::unique_ptr<AcDbBlockReference> insertFromDxf(const DL_InsertData& data);
// ATTDEF, which dxflib does not read, from its raw groups.
std::unique_ptr<AcDbAttributeDefinition> attdefFromRecord(const DxfRawRecord& record);
std::unique_ptr<AcDbAlignedDimension> alignedFromDxf(const DL_DimensionData& data,
                                                     const DL_DimAlignedData& aligned);
std::unique_ptr<AcDbRotatedDimension> rotatedFromDxf(const DL_DimensionData& data,
                                                     const DL_DimLinearData& linear);
std::unique_ptr<AcDbRasterImage> imageFromDxf(const DL_ImageData& data);

}  // namespace vthost

#include "ent/EntityClasses.h"

#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbAttributeDefinition.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbEllipse.h"
#include "ent/AcDbFcf.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbMInsertBlock.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbObjectIterator.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbRegion.h"
#include "ent/AcDbRotatedDimension.h"
#include "ent/AcDbText.h"
#include "ent/AcDbViewport.h"
#include "rx/AcRxClass.h"

namespace vthost {

namespace {
template <class T>
AcRxObject* construct() {
    return new T();
}

template <class T>
void concrete(const char* name, const char* parent, const char* dxfName) {
    newAcRxClass(name, parent, 0, construct<T>, dxfName);
}
}  // namespace

// Parents before children, each concrete class with its DXF name. The bases AcDbCurve and
// AcDbDimension cannot be created on their own.
void registerEntityClasses() {
    newAcRxClass("AcDbCurve", "AcDbEntity");
    concrete<AcDbLine>("AcDbLine", "AcDbCurve", "LINE");
    concrete<AcDbArc>("AcDbArc", "AcDbCurve", "ARC");
    concrete<AcDbCircle>("AcDbCircle", "AcDbCurve", "CIRCLE");
    concrete<AcDbEllipse>("AcDbEllipse", "AcDbCurve", "ELLIPSE");
    concrete<AcDbPolyline>("AcDbPolyline", "AcDbCurve", "LWPOLYLINE");
    concrete<AcDbLeader>("AcDbLeader", "AcDbCurve", "LEADER");
    concrete<AcDbRegion>("AcDbRegion", "AcDbEntity", "REGION");
    concrete<AcDbText>("AcDbText", "AcDbEntity", "TEXT");
    concrete<AcDbAttributeDefinition>("AcDbAttributeDefinition", "AcDbText", "ATTDEF");
    concrete<AcDbAttribute>("AcDbAttribute", "AcDbText", "ATTRIB");
    concrete<AcDbBlockReference>("AcDbBlockReference", "AcDbEntity", "INSERT");
    concrete<AcDbMInsertBlock>("AcDbMInsertBlock", "AcDbBlockReference", "INSERT");
    concrete<AcDbMText>("AcDbMText", "AcDbEntity", "MTEXT");
    newAcRxClass("AcDbDimension", "AcDbEntity", 0, nullptr, "DIMENSION");
    concrete<AcDbAlignedDimension>("AcDbAlignedDimension", "AcDbDimension", "DIMENSION");
    concrete<AcDbRotatedDimension>("AcDbRotatedDimension", "AcDbDimension", "DIMENSION");
    concrete<AcDbFcf>("AcDbFcf", "AcDbEntity", "TOLERANCE");
    concrete<AcDbRasterImage>("AcDbRasterImage", "AcDbEntity", "IMAGE");
    concrete<AcDbViewport>("AcDbViewport", "AcDbEntity", "VIEWPORT");
    newAcRxClass("AcDbObjectIterator", "AcRxObject");
}

}  // namespace vthost

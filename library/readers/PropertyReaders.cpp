// Each reader's record is the base reader's record followed by its own version word (1).
#include "readers/PropertyReaders.h"

#include <cstring>
#include <optional>

#include "ut/AcUtil.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbCurve.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbRegion.h"
#include "ent/AcDbText.h"
#include "readers/NumberFormat.h"

VT_DEFINE_CONCRETE(AcAreaReader, AcPropertyReader)
VT_DEFINE_CONCRETE(AcLengthReader, AcPropertyReader)
VT_DEFINE_CONCRETE(AcTextReader, AcPropertyReader)
VT_DEFINE_CONCRETE(AcXCoordReader, AcPropertyReader)
VT_DEFINE_CONCRETE(AcYCoordReader, AcPropertyReader)
VT_DEFINE_CONCRETE(AcZCoordReader, AcPropertyReader)

namespace {

// The point the coordinate readers report, by the first class test that holds.
std::optional<AcGePoint3d> referencePoint(const AcDbEntity* entity) {
    if (auto* arc = AcDbArc::cast(entity)) return arc->center();
    if (auto* reference = AcDbBlockReference::cast(entity)) return reference->position();
    if (auto* circle = AcDbCircle::cast(entity)) return circle->center();
    if (auto* text = AcDbText::cast(entity)) {
        if (text->verticalMode() != AcDb::kTextBase) return text->alignmentPoint();
        AcDb::TextHorzMode mode = text->horizontalMode();
        bool atPosition =
            mode == AcDb::kTextLeft || mode == AcDb::kTextAlign || mode == AcDb::kTextFit;
        return atPosition ? text->position() : text->alignmentPoint();
    }
    if (auto* mtext = AcDbMText::cast(entity)) return mtext->location();
    if (auto* image = AcDbRasterImage::cast(entity)) {
        AcGePoint3d origin(0, 0, 0);
        AcGeVector3d u(0, 0, 0), v(0, 0, 0);
        image->getOrientation(origin, u, v);
        return origin;
    }
    return std::nullopt;
}

template <double AcGePoint3d::*Component>
char* readCoordinate(const AcDbEntity* entity) {
    if (entity == nullptr || !entity->isReadEnabled()) return nullptr;
    std::optional<AcGePoint3d> point = referencePoint(entity);
    return point ? vantorell::newFormattedValue((*point).*Component) : nullptr;
}

}  // namespace

char* AcAreaReader::readProperty(const AcDbEntity* entity) {
    if (entity == nullptr) return nullptr;
    double area = 0.0;
    if (auto* curve = AcDbCurve::cast(entity); curve && curve->getArea(area) != Acad::eOk)
        return nullptr;
    if (auto* region = AcDbRegion::cast(entity); region && region->getArea(area) != Acad::eOk)
        return nullptr;
    return vantorell::newFormattedValue(area);
}

char* AcLengthReader::readProperty(const AcDbEntity* entity) {
    auto* curve = AcDbCurve::cast(entity);
    if (curve == nullptr) return nullptr;
    double startParam = 0, endParam = 0, startDist = 0, endDist = 0;
    if (curve->getStartParam(startParam) != Acad::eOk) return nullptr;
    if (curve->getEndParam(endParam) != Acad::eOk) return nullptr;
    if (curve->getDistAtParam(startParam, startDist) != Acad::eOk) return nullptr;
    if (curve->getDistAtParam(endParam, endDist) != Acad::eOk) return nullptr;
    return vantorell::newFormattedValue(endDist - startDist);
}

char* AcTextReader::readProperty(const AcDbEntity* entity) {
    auto* text = AcDbText::cast(entity);
    if (text == nullptr) return nullptr;
    char* stored = text->textString();
    if (stored == nullptr) return nullptr;
    std::size_t size = std::strlen(stored) + 1;
    char* value = new char[size];
    std::memcpy(value, stored, size);
    acutDelString(stored);
    return value;
}

char* AcXCoordReader::readProperty(const AcDbEntity* entity) {
    return readCoordinate<&AcGePoint3d::x>(entity);
}
char* AcYCoordReader::readProperty(const AcDbEntity* entity) {
    return readCoordinate<&AcGePoint3d::y>(entity);
}
char* AcZCoordReader::readProperty(const AcDbEntity* entity) {
    return readCoordinate<&AcGePoint3d::z>(entity);
}

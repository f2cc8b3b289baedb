#include "EntitySamples.h"

#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbAttributeDefinition.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbEllipse.h"
#include "ent/AcDbFcf.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbMInsertBlock.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbRegion.h"
#include "ent/AcDbRotatedDimension.h"
#include "ent/AcDbText.h"
#include "ent/AcDbViewport.h"

namespace enttest {

AcDbObjectId foreignId(std::uint32_t handle) { return AcDbObjectId(0xFFFFFFu, handle); }

namespace {

template <class T, class Parent>
EntitySample sample(const char* name, std::function<void(T&)> fill) {
    return {name,
            [fill] {
                auto entity = std::make_unique<T>();
                fill(*entity);
                entity->setColorIndex(3);
                entity->setLayer("Walls");
                return std::unique_ptr<AcDbEntity>(std::move(entity));
            },
            [] { return std::unique_ptr<AcDbEntity>(std::make_unique<T>()); },
            [](const AcDbEntity* entity, AcDbDwgFiler* filer) {
                return static_cast<const T*>(entity)->Parent::dwgOutFields(filer);
            }};
}

void fillText(AcDbText& t) {
    t.setTextString("Room 12");
    t.setHorizontalMode(AcDb::kTextCenter);
    t.setVerticalMode(AcDb::kTextTop);
    t.setHeight(2.5);
    t.setRotation(0.5);
    t.setWidthFactor(0.8);
    t.setOblique(0.1);
    t.setAlignmentPoint(AcGePoint3d(4, 5, 6));
}

void fillBlockReference(AcDbBlockReference& b) {
    b.setBlockTableRecord(foreignId(0x40));
    b.setPosition(AcGePoint3d(1, 2, 3));
    b.setScaleFactors(AcGeScale3d(2, 3, 4));
    b.setRotation(1.25);
}

std::vector<EntitySample> makeSamples() {
    std::vector<EntitySample> all;
    all.push_back(sample<AcDbLine, AcDbCurve>("AcDbLine", [](AcDbLine& e) {
        e.setStartPoint(AcGePoint3d(1, 2, 3));
        e.setEndPoint(AcGePoint3d(4, 6, 3));
    }));
    all.push_back(sample<AcDbArc, AcDbCurve>("AcDbArc", [](AcDbArc& e) {
        e.setCenter(AcGePoint3d(1, 1, 0));
        e.setRadius(2.5);
        e.setStartAngle(0.25);
        e.setEndAngle(2.0);
    }));
    all.push_back(sample<AcDbCircle, AcDbCurve>("AcDbCircle", [](AcDbCircle& e) {
        e.setCenter(AcGePoint3d(-1, 7, 2));
        e.setRadius(4.0);
    }));
    all.push_back(sample<AcDbEllipse, AcDbCurve>("AcDbEllipse", [](AcDbEllipse& e) {
        e.set(AcGePoint3d(3, 4, 0), AcGeVector3d(0, 0, 1), AcGeVector3d(0, 5, 0), 0.4, 0.5, 4.0);
    }));
    all.push_back(sample<AcDbPolyline, AcDbCurve>("AcDbPolyline", [](AcDbPolyline& e) {
        e.addVertexAt(0, AcGePoint2d(0, 0), 0.5);
        e.addVertexAt(1, AcGePoint2d(10, 0));
        e.addVertexAt(2, AcGePoint2d(10, 5), -0.25);
        e.setClosed(true);
        e.setElevation(7.0);
    }));
    all.push_back(sample<AcDbLeader, AcDbCurve>("AcDbLeader", [](AcDbLeader& e) {
        e.appendVertex(AcGePoint3d(0, 0, 0));
        e.appendVertex(AcGePoint3d(3, 4, 0));
        e.appendVertex(AcGePoint3d(8, 4, 0));
        e.attachAnnotation(foreignId(0x31));
    }));
    all.push_back(sample<AcDbRegion, AcDbEntity>("AcDbRegion", [](AcDbRegion& e) {
        AcDbCircle circle(AcGePoint3d(1, 1, 0), 2.0);
        AcDbVoidPtrArray curves, regions;
        curves.append(&circle);
        AcDbRegion::createFromCurves(curves, regions);
        std::unique_ptr<AcDbRegion> made(static_cast<AcDbRegion*>(regions[0]));
        e.copyFrom(made.get());
    }));
    all.push_back(sample<AcDbText, AcDbEntity>("AcDbText", fillText));
    all.push_back(sample<AcDbAttributeDefinition, AcDbText>(
        "AcDbAttributeDefinition", [](AcDbAttributeDefinition& e) {
            fillText(e);
            e.setTag("ROOM");
            e.setPrompt("Room number");
            e.setConstant(true);
            e.setInvisible(true);
        }));
    all.push_back(sample<AcDbAttribute, AcDbText>("AcDbAttribute", [](AcDbAttribute& e) {
        fillText(e);
        e.setTag("ROOM");
        e.setInvisible(true);
    }));
    all.push_back(sample<AcDbBlockReference, AcDbEntity>("AcDbBlockReference", fillBlockReference));
    all.push_back(sample<AcDbMInsertBlock, AcDbBlockReference>("AcDbMInsertBlock",
                                                              [](AcDbMInsertBlock& e) {
        fillBlockReference(e);
        e.setColumns(3);
        e.setRows(2);
        e.setColumnSpacing(10.0);
        e.setRowSpacing(-4.0);
    }));
    all.push_back(sample<AcDbMText, AcDbEntity>("AcDbMText", [](AcDbMText& e) {
        e.setLocation(AcGePoint3d(2, 3, 0));
        e.setContents("{\\fArial;Area}\\P12 m\xC2\xB2");
        e.setWidth(30.0);
        e.setHeight(8.0);
        e.setTextHeight(1.5);
        e.setRotation(0.3);
    }));
    all.push_back(sample<AcDbAlignedDimension, AcDbDimension>(
        "AcDbAlignedDimension", [](AcDbAlignedDimension& e) {
            e.setDimensionText("<> mm");
            e.setTextPosition(AcGePoint3d(5, 6, 0));
            e.setXLine1Point(AcGePoint3d(0, 0, 0));
            e.setXLine2Point(AcGePoint3d(3, 4, 0));
            e.setDimLinePoint(AcGePoint3d(1, 5, 0));
        }));
    all.push_back(sample<AcDbRotatedDimension, AcDbDimension>(
        "AcDbRotatedDimension", [](AcDbRotatedDimension& e) {
            e.setDimensionText("L = <>");
            e.setTextPosition(AcGePoint3d(5, 6, 0));
            e.setXLine1Point(AcGePoint3d(0, 0, 0));
            e.setXLine2Point(AcGePoint3d(3, 4, 0));
            e.setDimLinePoint(AcGePoint3d(1, 5, 0));
            e.setRotation(0.7);
        }));
    all.push_back(sample<AcDbFcf, AcDbEntity>("AcDbFcf", [](AcDbFcf& e) {
        e.setText("{\\Fgdt;j}%%v0.2");
        e.setLocation(AcGePoint3d(9, 8, 0));
    }));
    all.push_back(sample<AcDbRasterImage, AcDbEntity>("AcDbRasterImage", [](AcDbRasterImage& e) {
        e.setOrientation(AcGePoint3d(1, 1, 0), AcGeVector3d(640, 0, 0), AcGeVector3d(0, 480, 0));
        e.setSourceFileName("plans/site photo.png");
    }));
    all.push_back(sample<AcDbViewport, AcDbEntity>("AcDbViewport", [](AcDbViewport& e) {
        e.setNumber(2);
        e.setCenterPoint(AcGePoint3d(100, 50, 0));
        e.setWidth(120.0);
        e.setHeight(80.0);
        e.setOff();
    }));
    return all;
}

}  // namespace

const std::vector<EntitySample>& entitySamples() {
    static const std::vector<EntitySample> samples = makeSamples();
    return samples;
}

}  // namespace enttest

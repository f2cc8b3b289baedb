#include "DxfTestDrawing.h"

#include <gtest/gtest.h>

#include "db/AcDbSymbolTable.h"
#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbAttributeDefinition.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbEllipse.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbRegion.h"
#include "ent/AcDbRotatedDimension.h"
#include "ent/AcDbText.h"
#include "ut/AcUtil.h"

namespace dxftest {

namespace {

AcDbObjectId blockId(AcDbDatabase& db, const char* name) {
    if (name == nullptr) return db.modelSpaceId();
    AcDbBlockTable* table = nullptr;
    AcDbObjectId id;
    if (db.getBlockTable(table, AcDb::kForRead) != Acad::eOk) return id;
    table->getAt(name, id);
    table->close();
    return id;
}

void defineBlock(AcDbDatabase& db, const char* name) {
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(db.getBlockTable(table, AcDb::kForWrite), Acad::eOk);
    auto* record = new AcDbBlockTableRecord();
    record->setName(name);
    ASSERT_EQ(table->add(record), Acad::eOk);
    record->close();
    table->close();
}

AcDbPolyline* bulgedSquare() {
    auto* polyline = new AcDbPolyline();
    polyline->addVertexAt(0, AcGePoint2d(0, 0), 0.5);
    polyline->addVertexAt(1, AcGePoint2d(10, 0), 0.0);
    polyline->addVertexAt(2, AcGePoint2d(10, 10), -0.3);
    polyline->addVertexAt(3, AcGePoint2d(0, 10), 0.0);
    polyline->setClosed(true);
    return polyline;
}

void addBlockWithAttribute(AcDbDatabase& db) {
    defineBlock(db, "TAG");
    append(db, new AcDbCircle(AcGePoint3d(0, 0, 0), 1.0), "TAG");
    auto* attdef = new AcDbAttributeDefinition();
    attdef->setTag("ROOM");
    attdef->setPrompt("Room?");
    attdef->setTextString("R0");
    attdef->setHeight(0.5);
    append(db, attdef, "TAG");
    auto* reference = new AcDbBlockReference(AcGePoint3d(20, 20, 0), blockId(db, "TAG"));
    reference->setRotation(0.25);
    AcDbBlockTableRecord* space = nullptr;
    ASSERT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    space->appendAcDbEntity(reference);
    auto* attribute = new AcDbAttribute();
    attribute->setTag("ROOM");
    attribute->setTextString("Kitchen");
    attribute->setPosition(AcGePoint3d(20, 20, 0));
    reference->appendAttribute(attribute);
    attribute->close();
    reference->close();
    space->close();
}

void addTexts(AcDbDatabase& db) {
    auto* text = new AcDbText();
    text->setTextString("Hello");
    text->setHeight(2.5);
    text->setHorizontalMode(AcDb::kTextCenter);
    text->setVerticalMode(AcDb::kTextVertMid);
    text->setAlignmentPoint(AcGePoint3d(3, 4, 0));
    text->setRotation(0.5);
    append(db, text);
    auto* mtext = new AcDbMText();
    mtext->setLocation(AcGePoint3d(5, 5, 0));
    mtext->setContents("Line1\\PLine2");
    mtext->setTextHeight(1.5);
    append(db, mtext);
}

void addAnnotations(AcDbDatabase& db) {
    auto* aligned = new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 5, 0),
                                             AcGePoint3d(-1, 2, 0));
    aligned->setDimensionText("<> m");
    append(db, aligned);
    auto* rotated = new AcDbRotatedDimension(0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0),
                                             AcGePoint3d(0, 8, 0));
    rotated->setDimensionText("W");
    append(db, rotated);
    auto* note = new AcDbMText();
    note->setLocation(AcGePoint3d(30, 30, 0));
    note->setContents("note");
    AcDbObjectId noteId = append(db, note);
    auto* leader = new AcDbLeader();
    leader->appendVertex(AcGePoint3d(20, 20, 0));
    leader->appendVertex(AcGePoint3d(30, 30, 0));
    leader->attachAnnotation(noteId);
    append(db, leader);
}

void addImageAndRegion(AcDbDatabase& db) {
    auto* image = new AcDbRasterImage();
    image->setOrientation(AcGePoint3d(1, 2, 0), AcGeVector3d(6.4, 0, 0), AcGeVector3d(0, 4.8, 0));
    append(db, image);
    AcDbCircle circle(AcGePoint3d(50, 50, 0), 2.0);
    AcDbVoidPtrArray curves, regions;
    curves.append(&circle);
    ASSERT_EQ(AcDbRegion::createFromCurves(curves, regions), Acad::eOk);
    append(db, static_cast<AcDbRegion*>(regions[0]));
}

}  // namespace

AcDbObjectId append(AcDbDatabase& db, AcDbEntity* entity, const char* blockName) {
    AcDbBlockTableRecord* record = nullptr;
    AcDbObjectId id;
    EXPECT_EQ(acdbOpenObject(record, blockId(db, blockName), AcDb::kForWrite), Acad::eOk);
    if (record == nullptr) return id;
    EXPECT_EQ(record->appendAcDbEntity(id, entity), Acad::eOk);
    entity->close();
    record->close();
    return id;
}

void buildEveryKind(AcDbDatabase& db) {
    auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 5, 0));
    line->setLayer("WALLS");
    line->setColorIndex(1);
    append(db, line);
    append(db, bulgedSquare());
    append(db, new AcDbCircle(AcGePoint3d(1, 2, 0), 3.0));
    append(db, new AcDbArc(AcGePoint3d(1, 2, 0), 3.0, 0.2, 1.7));
    auto* ellipse = new AcDbEllipse();
    ellipse->set(AcGePoint3d(0, 0, 0), AcGeVector3d(0, 0, 1), AcGeVector3d(4, 1, 0), 0.5, 0.1, 2.0);
    append(db, ellipse);
    addTexts(db);
    addBlockWithAttribute(db);
    addAnnotations(db);
    addImageAndRegion(db);
}

std::vector<AcDbObjectId> entityIds(AcDbDatabase& db, const char* blockName) {
    AcDbBlockTableRecord* record = nullptr;
    std::vector<AcDbObjectId> ids;
    if (acdbOpenObject(record, blockId(db, blockName), AcDb::kForRead) != Acad::eOk) return ids;
    ids = record->entityIds();
    record->close();
    return ids;
}

void withEntity(AcDbObjectId id, const std::function<void(const AcDbEntity&)>& fn) {
    AcDbEntity* entity = nullptr;
    ASSERT_EQ(acdbOpenObject(entity, id, AcDb::kForRead), Acad::eOk);
    fn(*entity);
    entity->close();
}

std::string take(char* text) {
    std::string out = text ? text : "";
    acutDelString(text);
    return out;
}

}  // namespace dxftest

// Reflections: the mirroring matrix, curves reflected in a slanted line (lengths, areas, ends and
// the side of their normal), texts that stay readable, attributes placed from their definitions
// by a block transform, and the image entity's file name in its record, old records included.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "EntTestSupport.h"
#include "db/DwgStreamFiler.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbAttributeDefinition.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbEllipse.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbText.h"
#include "ge/AcGeMatrix3d.h"
#include "ut/AcUtil.h"

namespace enttest {
namespace {

constexpr double kPi = 3.14159265358979323846;

double degrees(double radians) {
    double d = std::fmod(radians * 180.0 / kPi, 360.0);
    return d < 0 ? d + 360.0 : d;
}

void expectNear(const AcGePoint3d& actual, const AcGePoint3d& expected, double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// The reflection in the vertical plane through the line from a at the angle (as MIRROR makes it).
AcGeMatrix3d mirrorLine(const AcGePoint3d& a, double angle) {
    return AcGeMatrix3d::mirroring(a, AcGeVector3d(-std::sin(angle), std::cos(angle), 0.0));
}

TEST(Mirroring, ReflectsInThePlaneAndUndoesItself) {
    AcGeMatrix3d m = mirrorLine(AcGePoint3d(2, 1, 0), kPi / 6);
    EXPECT_NEAR(m.det(), -1.0, 1e-12);
    EXPECT_NEAR(m.scale(), 1.0, 1e-12);
    // Points of the line (at any height) stay; a point off it lands as far on the other side.
    for (double t : {-3.0, 0.0, 5.0}) {
        AcGePoint3d on(2 + t * std::cos(kPi / 6), 1 + t * std::sin(kPi / 6), t);
        expectNear(m.apply(on), on);
    }
    AcGePoint3d off(0, 5, 1);
    AcGePoint3d image = m.apply(off);
    expectNear(m.apply(image), off);
    AcGePoint3d middle((off.x + image.x) / 2, (off.y + image.y) / 2, (off.z + image.z) / 2);
    EXPECT_NEAR(std::fabs(-(middle.x - 2) * std::sin(kPi / 6) + (middle.y - 1) * std::cos(kPi / 6)), 0.0, 1e-12);
    EXPECT_NEAR(image.z, 1.0, 1e-12);
    // A zero normal reflects nothing.
    AcGeMatrix3d none = AcGeMatrix3d::mirroring(AcGePoint3d(1, 1, 1), AcGeVector3d(0, 0, 0));
    EXPECT_NEAR(none.det(), 1.0, 1e-15);
    expectNear(none.apply(off), off);
}

TEST(Mirroring, CurvesKeepLengthAreaAndTheirNormalAndRunTheOtherWay) {
    AcGeMatrix3d m = mirrorLine(AcGePoint3d(2, 1, 0), 0.5);
    AcDbArc arc(AcGePoint3d(1, 2, 0), 3.0, 0.3, 2.0);
    AcGePoint3d arcStart, arcEnd;
    arc.getStartPoint(arcStart), arc.getEndPoint(arcEnd);
    AcDbEllipse ellipse;
    ASSERT_EQ(ellipse.set(AcGePoint3d(1, 2, 0), AcGeVector3d::kZAxis, AcGeVector3d(3, 1, 0), 0.4, 1.0, 4.0), Acad::eOk);
    AcGePoint3d ellipseStart, ellipseEnd;
    ellipse.getStartPoint(ellipseStart), ellipse.getEndPoint(ellipseEnd);
    AcDbPolyline pline;
    pline.addVertexAt(0, AcGePoint2d(0, 0), 0.5);
    pline.addVertexAt(1, AcGePoint2d(4, 0), -0.25);
    pline.addVertexAt(2, AcGePoint2d(4, 3), 0.0);
    pline.setClosed(true);
    for (AcDbCurve* curve : std::initializer_list<AcDbCurve*>{&arc, &ellipse, &pline}) {
        SCOPED_TRACE(curve->isA()->name());
        double end = 0, lengthBefore = 0, areaBefore = 0, lengthAfter = 0, areaAfter = 0;
        curve->getEndParam(end), curve->getDistAtParam(end, lengthBefore), curve->getArea(areaBefore);
        ASSERT_EQ(curve->transformBy(m), Acad::eOk);
        curve->getEndParam(end), curve->getDistAtParam(end, lengthAfter), curve->getArea(areaAfter);
        EXPECT_NEAR(lengthAfter, lengthBefore, 1e-9 * lengthBefore);
        EXPECT_NEAR(areaAfter, areaBefore, 1e-9 * areaBefore);
    }
    // Counter-clockwise arcs: the mirrored start is where the old end went.
    AcGePoint3d start, finish;
    arc.getStartPoint(start), arc.getEndPoint(finish);
    expectNear(start, m.apply(arcEnd));
    expectNear(finish, m.apply(arcStart));
    ellipse.getStartPoint(start), ellipse.getEndPoint(finish);
    expectNear(start, m.apply(ellipseEnd));
    expectNear(finish, m.apply(ellipseStart));
    EXPECT_NEAR(ellipse.normal().z, 1.0, 1e-12);
    double bulge = 0;
    pline.getBulgeAt(0, bulge);
    EXPECT_DOUBLE_EQ(bulge, -0.5);
    pline.getBulgeAt(1, bulge);
    EXPECT_DOUBLE_EQ(bulge, 0.25);
}

TEST(Mirroring, TextsStayReadable) {
    struct Case {
        double rotation, lineAngle, expected;  // degrees
    };
    // Across the baseline: flipped upside down, kept on the mirrored baseline. Across the text:
    // back to front, turned round. Twice the same mirror gives the text back.
    for (Case c : {Case{0, 0, 0}, Case{0, 90, 0}, Case{30, 90, 330}, Case{30, 0, 330}, Case{100, 0, 80},
                   Case{0, 45, 90}}) {
        SCOPED_TRACE(std::to_string(c.rotation) + " in a line at " + std::to_string(c.lineAngle));
        AcGeMatrix3d m = mirrorLine(AcGePoint3d(40, 0, 0), c.lineAngle * kPi / 180);
        AcDbText text;
        text.setPosition(AcGePoint3d(30, 2, 0));
        text.setRotation(c.rotation * kPi / 180);
        text.setHeight(2.0);
        ASSERT_EQ(text.transformBy(m), Acad::eOk);
        EXPECT_NEAR(degrees(text.rotation()), c.expected, 1e-9);
        expectNear(text.position(), m.apply(AcGePoint3d(30, 2, 0)));
        EXPECT_DOUBLE_EQ(text.height(), 2.0);
        text.transformBy(m);
        EXPECT_NEAR(std::cos(text.rotation() - c.rotation * kPi / 180), 1.0, 1e-12);

        AcDbMText mtext;
        mtext.setRotation(c.rotation * kPi / 180);
        mtext.transformBy(m);
        EXPECT_NEAR(degrees(mtext.rotation()), c.expected, 1e-9);
    }
    // Aligned text turned back to front runs between the mirrored ends, left to right.
    AcDbText aligned;
    aligned.setTextString("ABCD");
    aligned.setHorizontalMode(AcDb::kTextAlign);
    aligned.setPosition(AcGePoint3d(0, 0, 0));
    aligned.setAlignmentPoint(AcGePoint3d(10, 0, 0));
    aligned.transformBy(mirrorLine(AcGePoint3d(20, 0, 0), kPi / 2));
    expectNear(aligned.position(), AcGePoint3d(30, 0, 0));
    expectNear(aligned.alignmentPoint(), AcGePoint3d(40, 0, 0));
}

TEST(Attribute, PlacedFromItsDefinitionByTheBlockTransform) {
    AcDbAttributeDefinition definition;
    definition.setTag("ROOM");
    definition.setPrompt("Room name?");
    definition.setTextString("Office");
    definition.setPosition(AcGePoint3d(1, 2, 0));
    definition.setHeight(0.5);
    definition.setInvisible(true);
    definition.setColorIndex(3);
    definition.setLayer("Text");
    AcDbBlockReference reference(AcGePoint3d(10, 20, 0), AcDbObjectId());
    reference.setRotation(kPi / 2);
    reference.setScaleFactors(AcGeScale3d(2, 2, 2));

    AcDbAttribute attribute;
    ASSERT_EQ(attribute.setAttributeFromBlock(&definition, reference.blockTransform()), Acad::eOk);
    expectNear(attribute.position(), AcGePoint3d(6, 22, 0));
    EXPECT_DOUBLE_EQ(attribute.height(), 1.0);
    EXPECT_NEAR(degrees(attribute.rotation()), 90.0, 1e-9);
    EXPECT_TRUE(attribute.isInvisible());
    EXPECT_EQ(attribute.colorIndex(), 3);
    char* tag = attribute.tag();
    char* value = attribute.textString();
    char* layer = attribute.layer();
    EXPECT_STREQ(tag, "ROOM");
    EXPECT_STREQ(value, "Office");
    EXPECT_STREQ(layer, "Text");
    acutDelString(tag), acutDelString(value), acutDelString(layer);

    EXPECT_EQ(attribute.setAttributeFromBlock(nullptr, reference.blockTransform()), Acad::eNullObjectPointer);
}

TEST(RasterImage, FileNameIsKeptAndOlderRecordsWithoutItStillRead) {
    AcDbRasterImage image;
    EXPECT_STREQ(image.sourceFileName(), "");
    image.setSourceFileName("plans/site photo.png");
    EXPECT_STREQ(image.sourceFileName(), "plans/site photo.png");
    image.setSourceFileName(nullptr);
    EXPECT_STREQ(image.sourceFileName(), "");

    // A record of the first level: the entity's part, version 1, origin, u and v, no name.
    AcDbRasterImage plain;
    vthost::DwgStreamFiler filer(AcDb::kFileFiler);
    plain.AcDbEntity::dwgOutFields(&filer);
    filer.writeInt16(1);
    filer.writePoint3d(AcGePoint3d(5, 5, 0));
    filer.writeVector3d(AcGeVector3d(2, 0, 0));
    filer.writeVector3d(AcGeVector3d(0, 2, 0));
    AcDbRasterImage old;
    old.setSourceFileName("stale.png");
    ASSERT_EQ(readRecord(&old, filer.buffer()), Acad::eOk);
    EXPECT_STREQ(old.sourceFileName(), "");
    AcGePoint3d origin;
    AcGeVector3d u, v;
    old.getOrientation(origin, u, v);
    expectNear(origin, AcGePoint3d(5, 5, 0));
    EXPECT_DOUBLE_EQ(u.x, 2.0);
}

}  // namespace
}  // namespace enttest

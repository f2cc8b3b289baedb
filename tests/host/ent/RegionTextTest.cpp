// Regions made from closed curves, and where single-line text sits for each justification.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "EntTestSupport.h"
#include "ut/AcUtil.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbRegion.h"
#include "ent/AcDbText.h"
#include "ge/AcGeMatrix3d.h"

namespace enttest {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::unique_ptr<AcDbPolyline> squareOutline(bool closed) {
    auto p = std::make_unique<AcDbPolyline>();
    AcGePoint2d corners[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    for (unsigned i = 0; i < 4; ++i) p->addVertexAt(i, corners[i]);
    p->setClosed(closed);
    return p;
}

// Takes ownership of the regions a call made.
std::vector<std::unique_ptr<AcDbRegion>> own(const AcDbVoidPtrArray& regions) {
    std::vector<std::unique_ptr<AcDbRegion>> owned;
    for (void* r : regions) owned.emplace_back(static_cast<AcDbRegion*>(r));
    return owned;
}

TEST(Region, OneRegionPerClosedCurve) {
    auto outline = squareOutline(true);
    AcDbCircle circle(AcGePoint3d(5, 5, 0), 2.0);
    AcDbVoidPtrArray curves, regions;
    curves.append(outline.get());
    curves.append(&circle);
    ASSERT_EQ(AcDbRegion::createFromCurves(curves, regions), Acad::eOk);
    auto made = own(regions);
    ASSERT_EQ(made.size(), 2u);
    double area = 0.0, perimeter = 0.0;
    ASSERT_EQ(made[0]->getArea(area), Acad::eOk);
    ASSERT_EQ(made[0]->getPerimeter(perimeter), Acad::eOk);
    EXPECT_DOUBLE_EQ(area, 100.0);
    EXPECT_DOUBLE_EQ(perimeter, 40.0);
    EXPECT_EQ(made[0]->outline().front(), AcGePoint3d(0, 0, 0));
    ASSERT_EQ(made[1]->getArea(area), Acad::eOk);
    EXPECT_NEAR(area, 4 * kPi, 1e-12);

    // The region is a copy: changing the curve afterwards does not change it.
    outline->setPointAt(2, AcGePoint2d(20, 20));
    made[0]->getArea(area);
    EXPECT_DOUBLE_EQ(area, 100.0);

    made[0]->transformBy(AcGeMatrix3d::scaling(3.0));
    made[0]->getArea(area);
    EXPECT_NEAR(area, 900.0, 1e-9);
}

TEST(Region, OpenOrForeignInputMakesNoRegionAtAll) {
    auto closed = squareOutline(true);
    auto open = squareOutline(false);
    AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
    AcDbText text;
    for (void* bad : std::initializer_list<void*>{open.get(), &line, &text, nullptr}) {
        AcDbVoidPtrArray curves, regions;
        curves.append(closed.get());
        curves.append(bad);
        EXPECT_EQ(AcDbRegion::createFromCurves(curves, regions), Acad::eInvalidInput);
        EXPECT_EQ(regions.length(), 0);
    }
}

TEST(Text, LeftBaselineTextIsPlacedByItsPosition) {
    AcDbText text;
    EXPECT_TRUE(text.isDefaultAlignment());
    text.setPosition(AcGePoint3d(3, 4, 0));
    text.setAlignmentPoint(AcGePoint3d(50, 50, 0));
    text.setTextString("Longer text now");
    EXPECT_EQ(text.position(), AcGePoint3d(3, 4, 0));
    EXPECT_EQ(text.alignmentPoint(), AcGePoint3d(50, 50, 0));
}

TEST(Text, OtherJustificationsDerivePositionFromAlignmentPoint) {
    AcDbText text;
    text.setTextString("ABCD");
    text.setHeight(2.0);
    text.setHorizontalMode(AcDb::kTextCenter);
    EXPECT_FALSE(text.isDefaultAlignment());
    text.setAlignmentPoint(AcGePoint3d(10, 0, 0));
    AcGePoint3d centred = text.position();
    EXPECT_LT(centred.x, 10.0);
    EXPECT_EQ(centred.y, 0.0);  // still on the baseline

    text.setHorizontalMode(AcDb::kTextRight);
    AcGePoint3d right = text.position();
    EXPECT_NEAR(10.0 - right.x, 2 * (10.0 - centred.x), 1e-12);
    text.setTextString("ABCDEFGH");
    EXPECT_NEAR(10.0 - text.position().x, 2 * (10.0 - right.x), 1e-12);

    // Setting the position of such text does not hold: the next change derives it again.
    text.setPosition(AcGePoint3d(-7, -7, 0));
    text.setHeight(2.0);
    EXPECT_NE(text.position(), AcGePoint3d(-7, -7, 0));
    EXPECT_EQ(text.alignmentPoint(), AcGePoint3d(10, 0, 0));

    text.setHorizontalMode(AcDb::kTextLeft);
    text.setVerticalMode(AcDb::kTextTop);
    EXPECT_NEAR(text.position().y, -2.0, 1e-12);  // a text height below the top
    EXPECT_NEAR(text.position().x, 10.0, 1e-12);

    text.setRotation(kPi / 2);  // the baseline now points up; the top is to the left
    EXPECT_NEAR(text.position().x, 12.0, 1e-12);
    EXPECT_NEAR(text.position().y, 0.0, 1e-12);
}

TEST(Text, AlignedAndFitTextKeepBothPoints) {
    for (AcDb::TextHorzMode mode : {AcDb::kTextAlign, AcDb::kTextFit}) {
        AcDbText text;
        text.setHorizontalMode(mode);
        text.setPosition(AcGePoint3d(1, 1, 0));
        text.setAlignmentPoint(AcGePoint3d(9, 1, 0));
        text.setTextString("Fitted");
        EXPECT_EQ(text.position(), AcGePoint3d(1, 1, 0));
        EXPECT_EQ(text.alignmentPoint(), AcGePoint3d(9, 1, 0));
    }
}

TEST(Text, StringIsCopiedInAndOut) {
    AcDbText text;
    std::string longText(1000, 'x');
    text.setTextString(longText.c_str());
    char* copy = text.textString();
    EXPECT_EQ(std::string(copy), longText);
    copy[0] = 'y';  // the caller's copy
    acutDelString(copy);
    copy = text.textString();
    EXPECT_EQ(copy[0], 'x');
    acutDelString(copy);
    text.setTextString(nullptr);
    copy = text.textString();
    EXPECT_STREQ(copy, "");
    acutDelString(copy);

    EXPECT_EQ(text.setHorizontalMode(static_cast<AcDb::TextHorzMode>(6)), Acad::eInvalidInput);
    EXPECT_EQ(text.setVerticalMode(static_cast<AcDb::TextVertMode>(-1)), Acad::eInvalidInput);
    EXPECT_EQ(text.setHeight(0.0), Acad::eInvalidInput);
}

}  // namespace
}  // namespace enttest

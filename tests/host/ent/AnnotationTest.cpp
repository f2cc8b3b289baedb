// Dimension text, leaders and their annotations, multiline text, and the registration of every
// entity class with the host.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "EntTestSupport.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbSymbolTable.h"
#include "ut/AcUtil.h"
#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbFcf.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbRotatedDimension.h"
#include "rx/AcRxClass.h"

namespace enttest {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::string shown(AcDbDimension& dimension, const char* override) {
    dimension.setDimensionText(override);
    return dimension.formattedText();
}

TEST(Dimension, OverrideTextAndTheMeasuredValue) {
    AcDbAlignedDimension dimension(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0), AcGePoint3d(0, 5, 0));
    double value = 0.0;
    ASSERT_EQ(dimension.measurement(value), Acad::eOk);
    EXPECT_DOUBLE_EQ(value, 5.0);
    EXPECT_EQ(shown(dimension, ""), "5.0000");
    EXPECT_EQ(shown(dimension, nullptr), "5.0000");
    EXPECT_EQ(shown(dimension, "<> m\xC2\xB2"), "5.0000 m\xC2\xB2");
    EXPECT_EQ(shown(dimension, "A <> B <>"), "A 5.0000 B <>");  // only the first is replaced
    EXPECT_EQ(shown(dimension, " "), "");                       // suppressed
    EXPECT_EQ(shown(dimension, "  "), "  ");
    EXPECT_EQ(shown(dimension, "fixed"), "fixed");
    EXPECT_EQ(shown(dimension, "<"), "<");
    char* text = dimension.dimensionText();
    EXPECT_STREQ(text, "<");
    acutDelString(text);
}

TEST(Dimension, RotatedDimensionMeasuresAlongItsDirection) {
    AcDbRotatedDimension dimension(0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0), AcGePoint3d());
    EXPECT_NEAR(dimension.measurement(), 3.0, 1e-12);
    dimension.setRotation(kPi / 2);
    EXPECT_NEAR(dimension.measurement(), 4.0, 1e-12);
    dimension.setXLine2Point(AcGePoint3d(-3, -4, 0));
    EXPECT_NEAR(dimension.measurement(), 4.0, 1e-12);
    EXPECT_EQ(dimension.formattedText(), "4.0000");
    EXPECT_FALSE(dimension.isKindOf(AcDbAlignedDimension::desc()));
}

// A leader carries a tolerance; the annotation is a hard reference, so it is counted while
// attached and no longer once detached.
TEST(Leader, AnnotationIdIsKeptAsHardReference) {
    AcDbDatabase db;
    AcDbBlockTableRecord* space = nullptr;
    ASSERT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    auto* tolerance = new AcDbFcf();
    tolerance->setText("%%v0.1");
    AcDbObjectId toleranceId, leaderId;
    space->appendAcDbEntity(toleranceId, tolerance);
    tolerance->close();
    auto* leader = new AcDbLeader();
    leader->appendVertex(AcGePoint3d(0, 0, 0));
    leader->appendVertex(AcGePoint3d(5, 5, 0));
    EXPECT_EQ(leader->attachAnnotation(AcDbObjectId()), Acad::eNullObjectId);
    ASSERT_EQ(leader->attachAnnotation(toleranceId), Acad::eOk);
    space->appendAcDbEntity(leaderId, leader);
    leader->close();
    space->close();

    auto hardReferences = [&] {
        AcDbObjectIdArray ids;
        ids.append(toleranceId);
        Adesk::UInt32 count = 0;
        db.countHardReferences(ids, &count);
        return count;
    };
    EXPECT_EQ(hardReferences(), 2u);  // model space owns it, the leader points to it
    ASSERT_EQ(acdbOpenObject(leader, leaderId, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(leader->annotationObjId(), toleranceId);
    leader->detachAnnotation();
    EXPECT_TRUE(leader->annotationObjId().isNull());
    leader->close();
    EXPECT_EQ(hardReferences(), 1u);
}

TEST(MText, ContentsAreCopiedWithTheirFormatCodes) {
    AcDbMText mtext;
    EXPECT_EQ(mtext.setContents("{\\fArial;A}\\Pline"), 17);
    char* contents = mtext.contents();
    EXPECT_STREQ(contents, "{\\fArial;A}\\Pline");
    acutDelString(contents);
    EXPECT_EQ(mtext.setContents(nullptr), 0);
    EXPECT_EQ(mtext.setTextHeight(-1.0), Acad::eInvalidInput);
    EXPECT_EQ(mtext.setWidth(-1.0), Acad::eInvalidInput);
}

TEST(EntityClasses, EveryClassIsRegisteredUnderItsParent) {
    struct Expected {
        const char* name;
        const char* parent;
        bool creatable;
    };
    const Expected classes[] = {
        {"AcDbCurve", "AcDbEntity", false},
        {"AcDbLine", "AcDbCurve", true},
        {"AcDbArc", "AcDbCurve", true},
        {"AcDbCircle", "AcDbCurve", true},
        {"AcDbEllipse", "AcDbCurve", true},
        {"AcDbPolyline", "AcDbCurve", true},
        {"AcDbLeader", "AcDbCurve", true},
        {"AcDbRegion", "AcDbEntity", true},
        {"AcDbText", "AcDbEntity", true},
        {"AcDbAttributeDefinition", "AcDbText", true},
        {"AcDbAttribute", "AcDbText", true},
        {"AcDbBlockReference", "AcDbEntity", true},
        {"AcDbMInsertBlock", "AcDbBlockReference", true},
        {"AcDbMText", "AcDbEntity", true},
        {"AcDbDimension", "AcDbEntity", false},
        {"AcDbAlignedDimension", "AcDbDimension", true},
        {"AcDbRotatedDimension", "AcDbDimension", true},
        {"AcDbFcf", "AcDbEntity", true},
        {"AcDbRasterImage", "AcDbEntity", true},
        {"AcDbViewport", "AcDbEntity", true},
        {"AcDbObjectIterator", "AcRxObject", false},
    };
    for (const Expected& e : classes) {
        SCOPED_TRACE(e.name);
        AcRxClass* cls = acrxFindClass(e.name);
        ASSERT_NE(cls, nullptr);
        ASSERT_NE(cls->myParent(), nullptr);
        EXPECT_STREQ(cls->myParent()->name(), e.parent);
        std::unique_ptr<AcRxObject> made(cls->create());
        EXPECT_EQ(made != nullptr, e.creatable);
        if (made) {
            EXPECT_EQ(made->isA(), cls);
        }
    }
    AcDbMText mtext;
    EXPECT_FALSE(mtext.isKindOf(acrxFindClass("AcDbText")));
    EXPECT_TRUE(mtext.isKindOf(AcDbEntity::desc()));
}

}  // namespace
}  // namespace enttest

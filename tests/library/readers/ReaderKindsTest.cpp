// Every reader on every entity kind it reads, and on kinds it does not, in a drawing whose units
// give two decimals.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "DrawingTestSupport.h"
#include "LibraryTestEnvironment.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbEllipse.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbMInsertBlock.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbRegion.h"
#include "ent/AcDbText.h"
#include "readers/PropertyReaders.h"

namespace {

struct Sample {
    const char* kind;
    std::function<AcDbEntity*()> make;
    const char* area;
    const char* length;
    const char* x;  // of the reference point; "" when the coordinate readers give null
};

AcDbPolyline* newTriangle(bool closed) {
    auto* triangle = new AcDbPolyline();
    triangle->addVertexAt(0, AcGePoint2d(0, 0));
    triangle->addVertexAt(1, AcGePoint2d(4, 0));
    triangle->addVertexAt(2, AcGePoint2d(4, 3));
    triangle->setClosed(closed);
    return triangle;
}

AcDbRegion* newRegion() {
    std::unique_ptr<AcDbPolyline> outline(newTriangle(true));
    AcDbVoidPtrArray curves, regions;
    curves.append(outline.get());
    EXPECT_EQ(AcDbRegion::createFromCurves(curves, regions), Acad::eOk);
    return static_cast<AcDbRegion*>(regions[0]);
}

AcDbEllipse* newEllipse() {
    auto* ellipse = new AcDbEllipse();
    ellipse->set(AcGePoint3d(1, 1, 0), AcGeVector3d(0, 0, 1), AcGeVector3d(3, 0, 0), 0.5);
    return ellipse;
}

AcDbText* newText(AcDb::TextHorzMode mode) {
    auto* text = new AcDbText();
    text->setTextString("t");
    text->setPosition(AcGePoint3d(6, 1, 0));
    text->setHorizontalMode(mode);
    text->setAlignmentPoint(AcGePoint3d(7, 1, 0));
    return text;
}

const Sample kSamples[] = {
    {"line", [] { return new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0)); }, "0.00", "5.00", ""},
    {"arc", [] { return new AcDbArc(AcGePoint3d(2, 0, 0), 1.0, 0.0, M_PI); }, "1.57", "3.14", "2.00"},
    {"arc across zero", [] { return new AcDbArc(AcGePoint3d(0, 0, 0), 2.0, 1.5 * M_PI, 0.5 * M_PI); },
     "6.28", "6.28", "0.00"},
    {"circle", [] { return new AcDbCircle(AcGePoint3d(3, 0, 0), 1.0); }, "3.14", "6.28", "3.00"},
    {"ellipse", [] { return newEllipse(); }, "14.14", "14.53", ""},
    {"open polyline", [] { return newTriangle(false); }, "6.00", "7.00", ""},
    {"closed polyline", [] { return newTriangle(true); }, "6.00", "12.00", ""},
    {"region", [] { return newRegion(); }, "6.00", "", ""},
    {"left text", [] { return newText(AcDb::kTextLeft); }, "0.00", "", "6.00"},
    {"fit text", [] { return newText(AcDb::kTextFit); }, "0.00", "", "6.00"},
    {"right text", [] { return newText(AcDb::kTextRight); }, "0.00", "", "7.00"},
    {"block reference", [] { return new AcDbBlockReference(AcGePoint3d(9, 0, 0), AcDbObjectId()); },
     "0.00", "", "9.00"},
    {"multiple insert", [] {
         auto* insert = new AcDbMInsertBlock();
         insert->setPosition(AcGePoint3d(8, 0, 0));
         return insert;
     }, "0.00", "", "8.00"},
    {"multiline text", [] {
         auto* mtext = new AcDbMText();
         mtext->setLocation(AcGePoint3d(5, 0, 0));
         return mtext;
     }, "0.00", "", "5.00"},
};

class ReaderKinds : public vttest::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        db->headerVariables().set("LUPREC", short{2});
    }
    std::string readWith(AcPropertyReader& reader, AcDbObjectId id) {
        return read<AcDbEntity, std::string>(id, [&](const AcDbEntity* e) {
            char* value = reader.readProperty(e);
            std::string result = value ? value : "";
            delete[] value;
            return result;
        });
    }
};

TEST_F(ReaderKinds, EachReaderGivesItsValueOrNothingForEveryKind) {
    AcAreaReader area;
    AcLengthReader length;
    AcXCoordReader x;
    for (const Sample& sample : kSamples) {
        AcDbObjectId id = add(sample.make());
        EXPECT_EQ(readWith(area, id), sample.area) << sample.kind;
        EXPECT_EQ(readWith(length, id), sample.length) << sample.kind;
        EXPECT_EQ(readWith(x, id), sample.x) << sample.kind;
    }
}

TEST_F(ReaderKinds, AttributesReadLikeTextsAndCoordinatesComeFromOnePoint) {
    auto* attribute = new AcDbAttribute();
    attribute->setTag("ROOM");
    attribute->setTextString("101");
    attribute->setPosition(AcGePoint3d(1.5, 2.5, 3.5));
    AcDbObjectId id = add(attribute);
    AcTextReader text;
    AcXCoordReader x;
    AcYCoordReader y;
    AcZCoordReader z;
    EXPECT_EQ(readWith(text, id), "101");
    EXPECT_EQ(readWith(x, id) + " " + readWith(y, id) + " " + readWith(z, id), "1.50 2.50 3.50");
}

}  // namespace

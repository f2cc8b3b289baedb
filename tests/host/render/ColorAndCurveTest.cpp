// Colours as the picture shows them (the index table, BYLAYER through the layers' colours, BYBLOCK
// through the reference, colour 7 on white paper) and curves drawn where their geometry lies.
#include <cmath>

#include "RenderTestSupport.h"
#include "db/AcDbSymbolTable.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbEllipse.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbPolyline.h"
#include "render/AciColors.h"

namespace rendertest {
namespace {

using vthost::Rgb;

constexpr double kPi = 3.14159265358979323846;

TEST(AciColors, StandardColoursShadesAndGreys) {
    EXPECT_EQ(vthost::aciColor(1), (Rgb{255, 0, 0}));
    EXPECT_EQ(vthost::aciColor(7), (Rgb{255, 255, 255}));
    EXPECT_EQ(vthost::aciColor(8), (Rgb{128, 128, 128}));
    EXPECT_EQ(vthost::aciColor(10), (Rgb{255, 0, 0}));     // first hue, full
    EXPECT_EQ(vthost::aciColor(11), (Rgb{255, 127, 127}));  // half saturated
    EXPECT_EQ(vthost::aciColor(12), (Rgb{165, 0, 0}));     // next shade down
    EXPECT_EQ(vthost::aciColor(90), (Rgb{0, 255, 0}));     // 120 degrees
    EXPECT_EQ(vthost::aciColor(170), (Rgb{0, 0, 255}));    // 240 degrees
    EXPECT_EQ(vthost::aciColor(250), (Rgb{51, 51, 51}));
    EXPECT_EQ(vthost::aciColor(255), (Rgb{255, 255, 255}));
    // White is drawn black on the paper; indexes that are no colour give black.
    EXPECT_EQ(vthost::paperColor(7), (Rgb{0, 0, 0}));
    EXPECT_EQ(vthost::paperColor(1), (Rgb{255, 0, 0}));
    for (int notAColor : {-1, 0, 256, 1000}) EXPECT_EQ(vthost::aciColor(notAColor), (Rgb{0, 0, 0}));
}

class ColorPicture : public PictureTest {};

TEST_F(ColorPicture, EmptySpacesArePlainWhite) {
    for (auto space : {vthost::RenderSpace::kModel, vthost::RenderSpace::kLayout}) {
        vthost::RenderOptions options;
        options.space = space;
        options.width = 320, options.height = 200;
        vthost::RenderedImage image = picture(options);
        ASSERT_EQ(image.pixels.size(), 320u * 200u);
        EXPECT_TRUE(inkBox(image, [](Pixel p) { return !isWhite(p); }).empty);
    }
}

TEST_F(ColorPicture, EntityLayerAndBlockColours) {
    addFrame();
    auto line = [&](double y, int color, const char* layer) {
        auto* entity = new AcDbLine(AcGePoint3d(-8, y, 0), AcGePoint3d(8, y, 0));
        entity->setColorIndex(static_cast<Adesk::UInt16>(color));
        entity->setLayer(layer);
        add(entity);
    };
    line(6, 1, "0");          // red
    line(3, 256, "Walls");    // BYLAYER: the layer is blue
    line(0, 256, "Unknown");  // BYLAYER on a layer with no colour given: 7, black
    line(-3, 7, "0");         // white, drawn black
    vthost::RenderOptions options = square();
    options.layerColors["WALLS"] = 5;  // layer names match in any case
    vthost::RenderedImage image = picture(options);
    for (double x : {-6.0, 0.0, 6.0}) {
        EXPECT_TRUE(near(image, x, 6, isRed)) << x;
        EXPECT_TRUE(near(image, x, 3, isBlue)) << x;
        EXPECT_TRUE(near(image, x, 0, isBlack)) << x;
        EXPECT_TRUE(near(image, x, -3, isBlack)) << x;
        EXPECT_FALSE(near(image, x, 4.5, [](Pixel p) { return !isWhite(p); }, 3)) << "between the lines";
    }
}

TEST_F(ColorPicture, ByBlockTakesTheReferencesColourAndBlocksNestSafely) {
    addFrame();
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(db.getBlockTable(table, AcDb::kForWrite), Acad::eOk);
    auto* block = new AcDbBlockTableRecord();
    block->setName("MARK");
    AcDbObjectId blockId;
    ASSERT_EQ(table->add(blockId, block), Acad::eOk);
    table->close();
    auto* inner = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0));
    inner->setColorIndex(0);  // BYBLOCK
    block->appendAcDbEntity(inner);
    inner->close();
    // The block also holds a reference to itself: drawing must stop somewhere.
    auto* self = new AcDbBlockReference(AcGePoint3d(0, -1, 0), blockId);
    self->setColorIndex(0);  // BYBLOCK as well: the colour passes down the nesting
    block->appendAcDbEntity(self);
    self->close();
    block->close();

    auto* reference = new AcDbBlockReference(AcGePoint3d(-4, 5, 0), blockId);
    reference->setScaleFactors(AcGeScale3d(3, 3, 3));
    reference->setColorIndex(1);
    add(reference);
    vthost::RenderedImage image = picture(square());
    // The block's line runs from the insertion point 2 units, scaled by 3: -4 .. 2 at y 5.
    EXPECT_TRUE(near(image, -3, 5, isRed));
    EXPECT_TRUE(near(image, 1.5, 5, isRed));
    EXPECT_FALSE(near(image, 3, 5, isRed, 3));
    EXPECT_TRUE(near(image, -1, 2, isRed));  // the nested copy, 3 units lower
    EXPECT_TRUE(near(image, -1, -1, isRed));  // and its own copy below
}

class CurvePicture : public PictureTest {
protected:
    void SetUp() override { addFrame(); }
    bool inked(const vthost::RenderedImage& image, double x, double y) {
        return near(image, x, y, isBlack);
    }
    bool blank(const vthost::RenderedImage& image, double x, double y) {
        return !near(image, x, y, [](Pixel p) { return !isWhite(p); }, 3);
    }
};

TEST_F(CurvePicture, CircleInkLiesOnItsRadius) {
    add(new AcDbCircle(AcGePoint3d(1, 2, 0), 5));
    vthost::RenderedImage image = picture(square());
    for (int step = 0; step < 12; ++step) {
        double a = step * kPi / 6;
        EXPECT_TRUE(inked(image, 1 + 5 * std::cos(a), 2 + 5 * std::sin(a))) << step;
        EXPECT_TRUE(blank(image, 1 + 4.6 * std::cos(a), 2 + 4.6 * std::sin(a))) << step;
        EXPECT_TRUE(blank(image, 1 + 5.4 * std::cos(a), 2 + 5.4 * std::sin(a))) << step;
    }
    EXPECT_TRUE(blank(image, 1, 2));
}

TEST_F(CurvePicture, PolylineArcsFollowTheirBulge) {
    auto* polyline = new AcDbPolyline();
    polyline->addVertexAt(0, AcGePoint2d(-5, 0), 1.0);   // a half circle, counter-clockwise: below
    polyline->addVertexAt(1, AcGePoint2d(5, 0), -1.0);   // then clockwise: to the left of its chord
    polyline->addVertexAt(2, AcGePoint2d(5, 6));
    add(polyline);
    vthost::RenderedImage image = picture(square());
    EXPECT_TRUE(inked(image, 0, -5));                      // the first half circle's lowest point
    EXPECT_TRUE(inked(image, -5 * std::cos(kPi / 4), -5 * std::sin(kPi / 4)));
    EXPECT_TRUE(blank(image, 0, 0));                       // no chord
    EXPECT_TRUE(blank(image, 0, 5));                       // not the other way round
    EXPECT_TRUE(inked(image, 2, 3));                       // the second half circle's leftmost point
    EXPECT_TRUE(blank(image, 8, 3));
}

TEST_F(CurvePicture, ArcsAndEllipsesRunOnlyWhereTheyAre) {
    add(new AcDbArc(AcGePoint3d(0, 0, 0), 5, 0, kPi / 2));
    auto* ellipse = new AcDbEllipse();
    ASSERT_EQ(ellipse->set(AcGePoint3d(0, -4, 0), AcGeVector3d(0, 0, 1), AcGeVector3d(6, 0, 0), 0.5), Acad::eOk);
    add(ellipse);
    vthost::RenderedImage image = picture(square());
    EXPECT_TRUE(inked(image, 5 * std::cos(kPi / 4), 5 * std::sin(kPi / 4)));
    EXPECT_TRUE(blank(image, -5 * std::cos(kPi / 4), 5 * std::sin(kPi / 4)));
    EXPECT_TRUE(inked(image, 6, -4));
    EXPECT_TRUE(inked(image, 0, -1));   // minor radius 3 above the centre
    EXPECT_TRUE(inked(image, -6, -4));
    EXPECT_TRUE(blank(image, 0, -8.5));
}

}  // namespace
}  // namespace rendertest

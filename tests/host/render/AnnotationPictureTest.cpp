// Annotations and frames in the picture: attributes of block references, dimensions with their
// lines, arrowheads and text, leaders' arrowheads, regions, image frames; the layout with model
// space seen through its viewports; and pictures of only some entities.
#include <cmath>

#include "RenderTestSupport.h"
#include "db/AcDbSymbolTable.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbAttributeDefinition.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbRegion.h"
#include "ent/AcDbRotatedDimension.h"
#include "ent/AcDbViewport.h"

namespace rendertest {
namespace {

class AnnotationPicture : public PictureTest {
protected:
    void SetUp() override {
        addFrame();
        db.headerVariables().set("TEXTSIZE", 1.0);
    }
    bool blank(const vthost::RenderedImage& image, double x, double y) {
        return !near(image, x, y, [](Pixel p) { return !isWhite(p); }, 1);
    }
    AcDbObjectId emptyBlock(const char* name) {
        AcDbBlockTable* table = nullptr;
        EXPECT_EQ(db.getBlockTable(table, AcDb::kForWrite), Acad::eOk);
        auto* block = new AcDbBlockTableRecord();
        block->setName(name);
        AcDbObjectId id;
        EXPECT_EQ(table->add(id, block), Acad::eOk);
        table->close();
        auto* definition = new AcDbAttributeDefinition();  // a template: not drawn in references
        definition->setTag("NAME");
        definition->setTextString("DEFAULT");
        definition->setHeight(1.0);
        definition->setPosition(AcGePoint3d(0, -5, 0));
        block->appendAcDbEntity(definition);
        definition->close();
        block->close();
        return id;
    }
};

TEST_F(AnnotationPicture, VisibleAttributesShowWhereTheyLie) {
    auto* reference = new AcDbBlockReference(AcGePoint3d(0, 0, 0), emptyBlock("TAG"));
    add(reference);
    AcDbBlockReference* open = nullptr;
    ASSERT_EQ(acdbOpenObject(open, reference->objectId(), AcDb::kForWrite), Acad::eOk);
    for (bool invisible : {false, true}) {
        auto* attribute = new AcDbAttribute();
        attribute->setTag(invisible ? "HIDDEN" : "NAME");
        attribute->setTextString(invisible ? "SECRET" : "HALL");
        attribute->setHeight(1.0);
        attribute->setPosition(AcGePoint3d(invisible ? -8 : 2, invisible ? -8 : 2, 0));
        attribute->setInvisible(invisible);
        ASSERT_EQ(open->appendAttribute(attribute), Acad::eOk);
        attribute->close();
    }
    open->close();
    InkBox ink = inkBox(picture(square()), isBlack);
    ASSERT_FALSE(ink.empty);
    EXPECT_NEAR(ink.left, 2, 0.2);
    EXPECT_NEAR(ink.bottom, 2, 0.15);
    EXPECT_NEAR(ink.top, 3, 0.15);  // neither the hidden one nor the definition's default
}

TEST_F(AnnotationPicture, DimensionLinesArrowheadsAndText) {
    auto* dimension = new AcDbRotatedDimension(0.0, AcGePoint3d(-5, 0, 0), AcGePoint3d(5, 0, 0), AcGePoint3d(0, -3, 0));
    dimension->setTextPosition(AcGePoint3d(0, -3, 0));
    dimension->setColorIndex(1);
    add(dimension);
    vthost::RenderedImage image = picture(square());
    EXPECT_TRUE(near(image, -2, -3, isRed));     // the dimension line
    EXPECT_TRUE(near(image, 5, -1.5, isRed));    // an extension line
    EXPECT_TRUE(near(image, -5, -3.4, isRed));   // runs on past the dimension line
    EXPECT_TRUE(blank(image, 5, -0.1));          // and leaves a gap at the measured point
    // Filled arrowheads, wider than the line, pointing outwards.
    EXPECT_TRUE(near(image, -4.3, -3.08, isRed, 0));
    EXPECT_TRUE(near(image, 4.3, -2.92, isRed, 0));
    EXPECT_TRUE(blank(image, -5.3, -3.08));
    // "10.0000" centred above the dimension line at the text position.
    InkBox above = inkBox(image, isRed, [](double x, double y) { return y > -2.8 && std::fabs(x) < 4.8; });
    ASSERT_FALSE(above.empty);
    EXPECT_NEAR(above.centerX(), 0, 0.15);
    EXPECT_NEAR(above.bottom, -2.75, 0.1);  // digits sit on the baseline, a quarter height up
    EXPECT_NEAR(above.top, -1.75, 0.1);
}

TEST_F(AnnotationPicture, LeaderArrowheadRegionOutlineAndImageFrame) {
    auto* leader = new AcDbLeader();
    leader->appendVertex(AcGePoint3d(-6, 6, 0));
    leader->appendVertex(AcGePoint3d(-2, 6, 0));
    add(leader);
    AcDbCircle circle(AcGePoint3d(5, 5, 0), 2);
    AcDbVoidPtrArray curves, regions;
    curves.append(&circle);
    ASSERT_EQ(AcDbRegion::createFromCurves(curves, regions), Acad::eOk);
    add(static_cast<AcDbRegion*>(regions[0]));
    auto* image = new AcDbRasterImage();
    ASSERT_TRUE(image->setOrientation(AcGePoint3d(2, -8, 0), AcGeVector3d(4, 0, 0), AcGeVector3d(0, 3, 0)));
    add(image);
    vthost::RenderedImage picture = this->picture(square());
    EXPECT_TRUE(near(picture, -4, 6, isBlack));
    EXPECT_TRUE(near(picture, -5.3, 6.09, isBlack, 0));  // the arrowhead at the start
    EXPECT_TRUE(blank(picture, -3, 6.3));
    EXPECT_TRUE(near(picture, 7, 5, isBlack));           // the region's outline
    EXPECT_TRUE(blank(picture, 5, 5));
    EXPECT_TRUE(near(picture, 4, -8, isBlack));          // the image's frame
    EXPECT_TRUE(near(picture, 2, -6.5, isBlack));
    EXPECT_TRUE(near(picture, 6, -5, isBlack));
    EXPECT_TRUE(blank(picture, 4, -6.5));
}

class LayoutPicture : public PictureTest {};

TEST_F(LayoutPicture, ViewportsShowModelSpaceFittedIntoThem) {
    auto* circle = new AcDbCircle(AcGePoint3d(100, 100, 0), 10);
    circle->setColorIndex(1);
    add(circle);
    auto* viewport = new AcDbViewport();
    viewport->setCenterPoint(AcGePoint3d(0, 0, 0));
    viewport->setWidth(20);
    viewport->setHeight(10);
    AcDbObjectId viewportId = add(viewport, true);
    add(new AcDbLine(AcGePoint3d(-10, -8, 0), AcGePoint3d(10, -8, 0)), true);  // on the paper
    vthost::RenderOptions options = square();
    options.space = vthost::RenderSpace::kLayout;
    vthost::RenderedImage image = picture(options);
    // The circle (20 across) fills 95% of the viewport's height of 10: radius 4.75 on the paper.
    EXPECT_TRUE(near(image, 4.75, 0, isRed));
    EXPECT_TRUE(near(image, 0, -4.75, isRed));
    EXPECT_FALSE(near(image, 0, 0, isRed, 3));
    EXPECT_TRUE(near(image, 10, 0, isBlack));   // the viewport's frame
    EXPECT_TRUE(near(image, 0, -8, isBlack));   // paper space's own line
    // A viewport that is off shows its frame but no model space.
    AcDbViewport* open = nullptr;
    ASSERT_EQ(acdbOpenObject(open, viewportId, AcDb::kForWrite), Acad::eOk);
    open->setOff();
    open->close();
    image = picture(options);
    EXPECT_TRUE(inkBox(image, isRed).empty);
    EXPECT_TRUE(near(image, 10, 0, isBlack));
    // Model space itself still shows the circle.
    EXPECT_FALSE(inkBox(picture(square()), isRed).empty);
}

TEST_F(LayoutPicture, OnlyTheEntitiesAskedForAreDrawnAndFitted) {
    auto* circle = new AcDbCircle(AcGePoint3d(0, 0, 0), 1);
    circle->setColorIndex(1);
    AcDbObjectId circleId = add(circle);
    auto* far = new AcDbLine(AcGePoint3d(50, 50, 0), AcGePoint3d(60, 50, 0));
    far->setColorIndex(5);
    add(far);
    vthost::RenderOptions options = square();
    options.only = {circleId};
    vthost::RenderedImage image = picture(options);
    EXPECT_TRUE(inkBox(image, isBlue).empty);
    InkBox red = inkBox(image, isRed);
    // The circle alone fills the picture but its margins.
    EXPECT_NEAR(red.right - red.left, 2.0, 0.1);
    EXPECT_NEAR(image.scale, 800 * 0.9 / 2.0, 3.0);
}

}  // namespace
}  // namespace rendertest

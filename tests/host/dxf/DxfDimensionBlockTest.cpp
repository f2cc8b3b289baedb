// The geometry block written for each dimension: where its lines go for rotated and aligned
// dimensions (horizontal, vertical, slanted, and with both measured points the same, where no
// direction can be taken from them), and what its text shows.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "dxf/DxfDimensionBlock.h"
#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbRotatedDimension.h"

namespace {

void expectPoint(const AcGePoint3d& p, double x, double y) {
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
}

TEST(DxfDimensionBlock, VerticalRotatedDimensionMeetsItsExtensionLinesAtRightAngles) {
    AcDbRotatedDimension dimension(std::numbers::pi / 2, AcGePoint3d(0, 0, 0),
                                   AcGePoint3d(3, 10, 0), AcGePoint3d(-4, 5, 0));
    vthost::DxfDimensionGeometry g;
    ASSERT_TRUE(vthost::dimensionGeometry(dimension, g));
    expectPoint(g.line1, -4, 0);
    expectPoint(g.line2, -4, 10);
    EXPECT_EQ(g.text, "10.0000");  // the vertical distance, not the slanted one
}

TEST(DxfDimensionBlock, AlignedDimensionRunsParallelToItsMeasuredPoints) {
    AcDbAlignedDimension dimension(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0),
                                   AcGePoint3d(-4, 3, 0));
    dimension.setDimensionText("<> m");
    vthost::DxfDimensionGeometry g;
    ASSERT_TRUE(vthost::dimensionGeometry(dimension, g));
    expectPoint(g.line1, -4, 3);
    expectPoint(g.line2, -1, 7);
    EXPECT_NEAR(g.angle, std::atan2(4.0, 3.0), 1e-12);
    EXPECT_EQ(g.text, "5.0000 m");
}

TEST(DxfDimensionBlock, AlignedDimensionOfOnePointStaysFinite) {
    AcDbAlignedDimension dimension(AcGePoint3d(2, 2, 0), AcGePoint3d(2, 2, 0),
                                   AcGePoint3d(2, 5, 0));
    vthost::DxfDimensionGeometry g;
    ASSERT_TRUE(vthost::dimensionGeometry(dimension, g));
    EXPECT_TRUE(std::isfinite(g.line1.x) && std::isfinite(g.line1.y));
    expectPoint(g.line1, 2, 5);
    expectPoint(g.line2, 2, 5);
}

TEST(DxfDimensionBlock, OtherEntitiesHaveNone) {
    AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
    vthost::DxfDimensionGeometry g;
    EXPECT_FALSE(vthost::dimensionGeometry(line, g));
}

}  // namespace

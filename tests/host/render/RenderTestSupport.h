// Shared by the picture tests: a fresh drawing to put entities in, its picture in memory, and
// ways to look at the pixels — where the ink of a colour lies, in drawing units, and whether a
// colour shows near a point of the drawing.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "db/AcDbDatabase.h"
#include "db/AcDbEntity.h"
#include "render/RenderDrawing.h"

namespace rendertest {

using Pixel = std::uint32_t;
using PixelTest = std::function<bool(Pixel)>;

bool isWhite(Pixel p);
bool isBlack(Pixel p);  // dark grey or black: text and colour 7
bool isRed(Pixel p);
bool isGreen(Pixel p);
bool isBlue(Pixel p);

// The box (drawing units) around every pixel that passes the test; empty when none does.
struct InkBox {
    bool empty = true;
    double left = 0, right = 0, bottom = 0, top = 0;
    double centerX() const { return (left + right) / 2; }
    double centerY() const { return (bottom + top) / 2; }
};

class PictureTest : public ::testing::Test {
protected:
    // Adds to model space (or paper space) and closes it; the id.
    AcDbObjectId add(AcDbEntity* entity, bool paper = false);
    // A green square from (-10,-10) to (10,10) that fixes the picture's view for the tests that
    // look at where things land: 36 pixels a unit in an 800 x 800 picture.
    void addFrame();
    vthost::RenderedImage picture(vthost::RenderOptions options = {});
    // In a square picture: options with width and height 800.
    static vthost::RenderOptions square();

    // Only pixels whose centre (drawing units) lies within `where`, when given, count.
    InkBox inkBox(const vthost::RenderedImage& image, const PixelTest& test,
                  const std::function<bool(double x, double y)>& where = {}) const;
    // Whether a pixel within `radius` pixels of the drawing point passes the test.
    bool near(const vthost::RenderedImage& image, double x, double y, const PixelTest& test, int radius = 1) const;

    AcDbDatabase db;
};

}  // namespace rendertest

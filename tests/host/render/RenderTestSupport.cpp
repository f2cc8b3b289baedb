#include "RenderTestSupport.h"

#include <algorithm>
#include <cmath>

#include "db/AcDbSymbolTable.h"
#include "ent/AcDbPolyline.h"

namespace rendertest {

namespace {
int red(Pixel p) { return static_cast<int>(p >> 16 & 0xFF); }
int green(Pixel p) { return static_cast<int>(p >> 8 & 0xFF); }
int blue(Pixel p) { return static_cast<int>(p & 0xFF); }
}  // namespace

bool isWhite(Pixel p) { return p == 0xFFFFFF; }
bool isBlack(Pixel p) { return red(p) < 110 && green(p) < 110 && blue(p) < 110; }
bool isRed(Pixel p) { return red(p) > 190 && green(p) < 110 && blue(p) < 110; }
bool isGreen(Pixel p) { return green(p) > 190 && red(p) < 110 && blue(p) < 110; }
bool isBlue(Pixel p) { return blue(p) > 190 && red(p) < 110 && green(p) < 110; }

AcDbObjectId PictureTest::add(AcDbEntity* entity, bool paper) {
    AcDbBlockTableRecord* space = nullptr;
    AcDbObjectId id;
    EXPECT_EQ(acdbOpenObject(space, paper ? db.paperSpaceId() : db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(space->appendAcDbEntity(id, entity), Acad::eOk);
    entity->close();
    space->close();
    return id;
}

void PictureTest::addFrame() {
    auto* frame = new AcDbPolyline();
    const double corners[4][2] = {{-10, -10}, {10, -10}, {10, 10}, {-10, 10}};
    for (unsigned i = 0; i < 4; ++i) frame->addVertexAt(i, AcGePoint2d(corners[i][0], corners[i][1]));
    frame->setClosed(true);
    frame->setColorIndex(3);
    add(frame);
}

vthost::RenderOptions PictureTest::square() {
    vthost::RenderOptions options;
    options.width = options.height = 800;
    return options;
}

vthost::RenderedImage PictureTest::picture(vthost::RenderOptions options) {
    vthost::RenderedImage image;
    EXPECT_EQ(vthost::renderImage(db, options, image), Acad::eOk);
    return image;
}

InkBox PictureTest::inkBox(const vthost::RenderedImage& image, const PixelTest& test,
                           const std::function<bool(double x, double y)>& where) const {
    InkBox box;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (!test(image.at(x, y))) continue;
            double sx = (x + 0.5 - image.originX) / image.scale, sy = (image.originY - y - 0.5) / image.scale;
            if (where && !where(sx, sy)) continue;
            if (box.empty) box = InkBox{false, sx, sx, sy, sy};
            box.left = std::min(box.left, sx), box.right = std::max(box.right, sx);
            box.bottom = std::min(box.bottom, sy), box.top = std::max(box.top, sy);
        }
    }
    return box;
}

bool PictureTest::near(const vthost::RenderedImage& image, double x, double y, const PixelTest& test, int radius) const {
    AcGePoint2d p = image.pixelOf(x, y);
    int cx = static_cast<int>(std::floor(p.x)), cy = static_cast<int>(std::floor(p.y));
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (test(image.at(cx + dx, cy + dy))) return true;
    return false;
}

}  // namespace rendertest

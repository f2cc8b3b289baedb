// Import of files another program (ezdxf) wrote, in the DXF versions R12, R2000 and R2010: every
// kind the host holds comes in with the values ezdxf wrote; what it cannot hold is counted.
#include <gtest/gtest.h>

#include <cmath>

#include "DxfTestDrawing.h"
#include "EzdxfRunner.h"
#include "HostTestSupport.h"
#include "dxf/DxfImport.h"
#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbAttributeDefinition.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbEllipse.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbObjectIterator.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbRotatedDimension.h"
#include "ent/AcDbText.h"

using namespace dxftest;

namespace {

// Writes every kind in the given version and prints the area and length of the bulged
// polylines, computed by ezdxf from the arcs.
const char* kWriteScript = R"PY(
import sys, math, ezdxf
from ezdxf.math import bulge_to_arc, Vec2
ver, path = sys.argv[1], sys.argv[2]
doc = ezdxf.new(ver)
msp = doc.modelspace()
doc.layers.add("WALLS", color=3)
msp.add_line((0, 0), (10, 5), dxfattribs={"layer": "WALLS", "color": 1})
pts = [(0, 0, 0.5), (10, 0, 0), (10, 10, -0.3), (0, 10, 0)]
if ver != "R12":
    msp.add_lwpolyline(pts, format="xyb", close=True)
p = msp.add_polyline2d([(x, y) for x, y, b in pts], close=True)
for v, (x, y, b) in zip(p.vertices, pts): v.dxf.bulge = b
msp.add_circle((1, 2), 3, dxfattribs={"color": 5})
msp.add_arc((1, 2), 3, 10, 100)
if ver != "R12":
    msp.add_ellipse((0, 0), major_axis=(4, 1), ratio=0.5, start_param=0.1, end_param=2.0)
t = msp.add_text("Hello", dxfattribs={"height": 2.5, "rotation": 30})
t.set_pos((3, 4), align="MIDDLE_CENTER")
if ver != "R12":
    msp.add_mtext("Line1\\PLine2", dxfattribs={"insert": (5, 5, 0), "char_height": 1.5})
blk = doc.blocks.new("TAG")
blk.add_circle((0, 0), 1)
blk.add_attdef("ROOM", (0, 0), dxfattribs={"height": 0.5, "prompt": "Room?"}).dxf.text = "R0"
ref = msp.add_blockref("TAG", (20, 20), dxfattribs={"rotation": 15})
ref.add_auto_attribs({"ROOM": "Kitchen"})
d = msp.add_aligned_dim(p1=(0, 0), p2=(10, 5), distance=2); d.dimension.dxf.text = "<> m"; d.render()
d2 = msp.add_linear_dim(base=(0, 8), p1=(0, 0), p2=(10, 0), angle=0); d2.dimension.dxf.text = "W"; d2.render()
if ver != "R12":
    mt = msp.add_mtext("note", dxfattribs={"insert": (30, 30, 0)})
    ld = msp.add_leader([(20, 20), (30, 30)]); ld.dxf.annotation_handle = mt.dxf.handle
    img_def = doc.add_image_def(filename="pic.png", size_in_pixel=(640, 480))
    msp.add_image(img_def, insert=(1, 2), size_in_units=(6.4, 4.8), rotation=0)
    msp.add_spline([(0, 0), (1, 1), (2, 0)])
doc.header["$LUNITS"] = 2; doc.header["$LUPREC"] = 3
if ver != "R12": doc.header["$INSUNITS"] = 4
doc.saveas(path)
area, length = 0.0, 0.0
n = len(pts)
for i in range(n):
    (x1, y1, b), (x2, y2, _) = pts[i], pts[(i + 1) % n]
    area += (x1 * y2 - x2 * y1) / 2
    if b == 0:
        length += math.hypot(x2 - x1, y2 - y1); continue
    c, s, e, r = bulge_to_arc(Vec2(x1, y1), Vec2(x2, y2), b)
    theta = 4 * math.atan(b)
    area += math.copysign(r * r * (abs(theta) - math.sin(abs(theta))) / 2, b)
    length += r * abs(theta)
print("area %.12f" % abs(area))
print("length %.12f" % length)
)PY";

class DxfImportFromEzdxf : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        SKIP_WITHOUT_EZDXF();
        path = tempPath(std::string("ezdxf-") + GetParam() + ".dxf");
        bool ok = false;
        std::string output = runPython(kWriteScript, std::string(GetParam()) + " " + path, ok);
        ASSERT_TRUE(ok) << output;
        expected = keyValues(output);
        ASSERT_EQ(vthost::importDxf(path.c_str(), db, report), Acad::eOk) << report.message;
    }
    bool r12() const { return std::string(GetParam()) == "R12"; }

    std::string path;
    std::map<std::string, std::string> expected;
    AcDbDatabase db;
    vthost::DxfImportReport report;
};

TEST_P(DxfImportFromEzdxf, CurvesKeepCoordinatesLayersAndColours) {
    withEntity(idsOf<AcDbLine>(db)[0], [](const AcDbEntity& e) {
        auto& line = static_cast<const AcDbLine&>(e);
        EXPECT_TRUE(line.endPoint().isEqualTo(AcGePoint3d(10, 5, 0)));
        EXPECT_EQ(line.colorIndex(), 1);
        EXPECT_EQ(take(line.layer()), "WALLS");
    });
    withEntity(idsOf<AcDbArc>(db)[0], [](const AcDbEntity& e) {
        auto& arc = static_cast<const AcDbArc&>(e);
        EXPECT_NEAR(arc.startAngle(), 10 * M_PI / 180, 1e-12);
        EXPECT_NEAR(arc.endAngle(), 100 * M_PI / 180, 1e-12);
    });
    if (!r12()) {
        withEntity(idsOf<AcDbEllipse>(db)[0], [](const AcDbEntity& e) {
            auto& ellipse = static_cast<const AcDbEllipse&>(e);
            EXPECT_NEAR(ellipse.radiusRatio(), 0.5, 1e-12);
            EXPECT_NEAR(ellipse.majorAxis().x, 4.0, 1e-12);
            EXPECT_NEAR(ellipse.majorAxis().y, 1.0, 1e-12);
        });
    }
}

TEST_P(DxfImportFromEzdxf, BulgedPolylinesMatchTheOtherReadersAreaAndLength) {
    auto polylines = idsOf<AcDbPolyline>(db);
    ASSERT_EQ(polylines.size(), r12() ? 1u : 2u);  // LWPOLYLINE and old-style POLYLINE
    for (AcDbObjectId id : polylines)
        withEntity(id, [&](const AcDbEntity& e) {
            auto& p = static_cast<const AcDbPolyline&>(e);
            double area = 0, end = 0, length = 0;
            ASSERT_EQ(p.getArea(area), Acad::eOk);
            p.getEndParam(end);
            p.getDistAtParam(end, length);
            EXPECT_NEAR(area, std::stod(expected["area"]), 1e-9);
            EXPECT_NEAR(length, std::stod(expected["length"]), 1e-9);
            EXPECT_TRUE(p.isClosed());
        });
}

TEST_P(DxfImportFromEzdxf, TextsAttributesAndDimensionOverridesComeIn) {
    withEntity(idsOf<AcDbText>(db)[0], [](const AcDbEntity& e) {
        auto& text = static_cast<const AcDbText&>(e);
        EXPECT_EQ(take(text.textString()), "Hello");
        EXPECT_EQ(text.horizontalMode(), AcDb::kTextCenter);
        EXPECT_EQ(text.verticalMode(), AcDb::kTextVertMid);
        EXPECT_TRUE(text.alignmentPoint().isEqualTo(AcGePoint3d(3, 4, 0)));
        EXPECT_NEAR(text.rotation(), M_PI / 6, 1e-12);
    });
    withEntity(idsOf<AcDbAttributeDefinition>(db, "TAG")[0], [](const AcDbEntity& e) {
        auto& attdef = static_cast<const AcDbAttributeDefinition&>(e);
        EXPECT_EQ(take(attdef.tag()), "ROOM");
        EXPECT_EQ(take(attdef.prompt()), "Room?");
        EXPECT_EQ(take(attdef.textString()), "R0");
    });
    withEntity(idsOf<AcDbBlockReference>(db)[0], [](const AcDbEntity& e) {
        auto& ref = static_cast<const AcDbBlockReference&>(e);
        EXPECT_NEAR(ref.rotation(), 15 * M_PI / 180, 1e-12);
        std::unique_ptr<AcDbObjectIterator> it(ref.attributeIterator());
        ASSERT_FALSE(it->done());
        withEntity(it->objectId(), [](const AcDbEntity& a) {
            EXPECT_EQ(take(static_cast<const AcDbAttribute&>(a).textString()), "Kitchen");
        });
    });
    std::vector<std::string> overrides;
    for (AcDbObjectId id : entityIds(db))
        withEntity(id, [&](const AcDbEntity& e) {
            if (auto* d = AcDbDimension::cast(&e)) overrides.push_back(take(d->dimensionText()));
        });
    EXPECT_EQ(overrides, (std::vector<std::string>{"<> m", "W"}));
    EXPECT_EQ(db.headerVariables().getShort("LUPREC", -1), 3);
}

TEST_P(DxfImportFromEzdxf, LeaderFindsItsNoteAndTheRestIsCounted) {
    if (r12()) {
        EXPECT_EQ(report.notCarried.count("SPLINE"), 0u);
        return;
    }
    withEntity(idsOf<AcDbLeader>(db)[0], [](const AcDbEntity& e) {
        AcDbObjectId note = static_cast<const AcDbLeader&>(e).annotationObjId();
        ASSERT_FALSE(note.isNull());
        withEntity(note, [](const AcDbEntity& n) {
            EXPECT_EQ(take(static_cast<const AcDbMText&>(n).contents()), "note");
        });
    });
    EXPECT_EQ(idsOf<AcDbRasterImage>(db).size(), 1u);
    EXPECT_EQ(report.notCarried["SPLINE"], 1) << report.describe();
    EXPECT_EQ(report.notCarried["IMAGE picture (only its frame is kept)"], 1);
    EXPECT_EQ(db.headerVariables().getShort("INSUNITS", -1), 4);
    EXPECT_GT(vthost::totalOf(report.objectsNotCarried), 0);
}

INSTANTIATE_TEST_SUITE_P(Versions, DxfImportFromEzdxf, ::testing::Values("R12", "R2000", "R2010"));

}  // namespace

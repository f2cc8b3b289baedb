// Export: what another program's reader (ezdxf) finds in our files, and what our own import finds
// when a drawing goes out and comes back.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "DxfTestDrawing.h"
#include "EzdxfRunner.h"
#include "HostTestSupport.h"
#include "dxf/DxfExport.h"
#include "dxf/DxfImport.h"
#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbEllipse.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbObjectIterator.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbRotatedDimension.h"
#include "ent/AcDbText.h"

using namespace dxftest;

namespace {

// Audits the file and prints what it holds, one "key value" line per fact.
const char* kDumpScript = R"PY(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
# Dimensions are read after the audit, which drops a dimension whose geometry block is missing
# or broken; each block must show the dimension's lines and its text.
auditor = doc.audit()
print("audit_errors", len(auditor.errors))
for e in auditor.errors: print("audit_error_" + str(e.code), e.message)
dims = sorted(doc.modelspace().query("DIMENSION"), key=lambda d: d.dxf.text)
print("dimtexts", "|".join(d.dxf.text for d in dims))
for i, d in enumerate(dims):
    block = doc.blocks.get(d.dxf.geometry)
    lines = ["%g,%g-%g,%g" % (l.dxf.start.x, l.dxf.start.y, l.dxf.end.x, l.dxf.end.y) for l in block.query("LINE")]
    print("dimblock_%d" % i, d.dxf.geometry, " ".join(lines), "|".join(t.dxf.text for t in block.query("TEXT")))
msp = doc.modelspace()
kinds = {}
for e in msp:
    kinds[e.dxftype()] = kinds.get(e.dxftype(), 0) + 1
for k, n in kinds.items(): print("count_" + k, n)
line = msp.query("LINE")[0]
print("line", line.dxf.start.x, line.dxf.start.y, line.dxf.end.x, line.dxf.end.y, line.dxf.color, line.dxf.layer)
pl = msp.query("LWPOLYLINE")[0]
print("lwpolyline", pl.closed, " ".join("%g,%g,%g" % (x, y, b) for x, y, s, e, b in pl.get_points()))
t = msp.query("TEXT")[0]
print("text", t.dxf.text, t.dxf.halign, t.dxf.valign, round(t.dxf.rotation, 6))
print("mtexts", "|".join(sorted(m.text for m in msp.query("MTEXT"))))
ins = msp.query("INSERT")[0]
print("insert", ins.dxf.name, " ".join(a.dxf.tag + "=" + a.dxf.text for a in ins.attribs))
attdef = doc.blocks.get("TAG").query("ATTDEF")[0]
print("attdef", attdef.dxf.tag, attdef.dxf.text, attdef.dxf.prompt)
ld = msp.query("LEADER")[0]
note = doc.entitydb.get(ld.dxf.annotation_handle)
print("leader", len(ld.vertices), note.text if note else "none")
print("header", doc.header.get("$LUNITS"), doc.header.get("$LUPREC"))
)PY";

class DxfExportTest : public ::testing::Test {
protected:
    void SetUp() override { buildEveryKind(db); }
    AcDbDatabase db;
    vthost::DxfExportReport report;
};

TEST_F(DxfExportTest, AnotherReaderAuditsTheFileCleanAndFindsTheSameValues) {
    SKIP_WITHOUT_EZDXF();
    std::string path = tempPath("every-kind.dxf");
    ASSERT_EQ(vthost::exportDxf(db, path.c_str(), report), Acad::eOk) << report.message;
    bool ok = false;
    std::string output = runPython(kDumpScript, path, ok);
    ASSERT_TRUE(ok) << output;
    auto values = keyValues(output);
    EXPECT_EQ(values["audit_errors"], "0") << output;
    EXPECT_EQ(values["line"], "0.0 0.0 10.0 5.0 1 WALLS");
    EXPECT_EQ(values["lwpolyline"], "True 0,0,0.5 10,0,0 10,10,-0.3 0,10,0");
    EXPECT_EQ(values["text"], "Hello 1 2 28.64789");
    EXPECT_EQ(values["mtexts"], "Line1\\PLine2|note");
    EXPECT_EQ(values["insert"], "TAG ROOM=Kitchen");
    EXPECT_EQ(values["attdef"], "ROOM R0 Room?");
    EXPECT_EQ(values["dimtexts"], "<> m|W");
    // Dimension line, then the extension lines from the measured points to it, then the text.
    EXPECT_EQ(values["dimblock_0"], "*D1 -1,2-9,7 0,0--1,2 10,5-9,7 11.1803 m");
    EXPECT_EQ(values["dimblock_1"], "*D2 0,8-10,8 0,0-0,8 10,0-10,8 W");
    EXPECT_EQ(values["leader"], "2 note");
    EXPECT_EQ(values["count_LWPOLYLINE"], "2");  // the polyline and the region's outline
    EXPECT_EQ(values["count_ELLIPSE"], "1");
    EXPECT_EQ(values["count_IMAGE"], "1");
    EXPECT_EQ(values["header"], "2 4");
}

TEST_F(DxfExportTest, ReportCountsWhatWasWritten) {
    std::string path = tempPath("counts.dxf");
    ASSERT_EQ(vthost::exportDxf(db, path.c_str(), report), Acad::eOk);
    EXPECT_EQ(report.written["LINE"], 1);
    EXPECT_EQ(report.written["ATTDEF"], 1);
    EXPECT_EQ(report.written["ATTRIB"], 1);
    EXPECT_EQ(report.written["DIMENSION"], 2);
    EXPECT_EQ(report.written["LWPOLYLINE (region outline)"], 1);
    EXPECT_EQ(report.blocksWritten, 1);
    EXPECT_TRUE(report.notCarried.empty()) << report.describe();
}

TEST_F(DxfExportTest, DrawingThatGoesOutAndComesBackKeepsGeometryAndTexts) {
    std::string path = tempPath("round-trip.dxf");
    ASSERT_EQ(vthost::exportDxf(db, path.c_str(), report), Acad::eOk);
    AcDbDatabase back;
    vthost::DxfImportReport in;
    ASSERT_EQ(vthost::importDxf(path.c_str(), back, in), Acad::eOk) << in.message;
    // The image's picture, and the dimensions' graphics blocks (the host draws its own).
    EXPECT_EQ(in.notCarried.size(), 2u) << in.describe();
    EXPECT_EQ(in.notCarried["BLOCK *D (dimension graphics; the host draws its own)"], 2);
    EXPECT_EQ(in.imported["DIMENSION"], 2);
    EXPECT_EQ(in.imported["ATTRIB"], 1);

    auto polylines = idsOf<AcDbPolyline>(back);
    ASSERT_EQ(polylines.size(), 2u);
    withEntity(polylines[0], [](const AcDbEntity& e) {
        double area = 0, original = 0, length = 0;
        auto& p = static_cast<const AcDbPolyline&>(e);
        p.getArea(area);
        std::unique_ptr<AcDbPolyline> square(new AcDbPolyline());
        square->addVertexAt(0, AcGePoint2d(0, 0), 0.5);
        square->addVertexAt(1, AcGePoint2d(10, 0), 0.0);
        square->addVertexAt(2, AcGePoint2d(10, 10), -0.3);
        square->addVertexAt(3, AcGePoint2d(0, 10), 0.0);
        square->setClosed(true);
        square->getArea(original);
        EXPECT_NEAR(area, original, 1e-9);
        double end = 0;
        p.getEndParam(end);
        p.getDistAtParam(end, length);
        EXPECT_GT(length, 40.0);
    });
    withEntity(idsOf<AcDbText>(back)[0], [](const AcDbEntity& e) {
        auto& t = static_cast<const AcDbText&>(e);
        EXPECT_EQ(take(t.textString()), "Hello");
        EXPECT_EQ(t.horizontalMode(), AcDb::kTextCenter);
        EXPECT_EQ(t.verticalMode(), AcDb::kTextVertMid);
        EXPECT_TRUE(t.alignmentPoint().isEqualTo(AcGePoint3d(3, 4, 0), 1e-9));
        EXPECT_NEAR(t.rotation(), 0.5, 1e-9);
    });
    withEntity(idsOf<AcDbEllipse>(back)[0], [](const AcDbEntity& e) {
        auto& el = static_cast<const AcDbEllipse&>(e);
        EXPECT_NEAR(el.radiusRatio(), 0.5, 1e-12);
        EXPECT_NEAR(el.startParam(), 0.1, 1e-12);
        EXPECT_NEAR(el.endParam(), 2.0, 1e-12);
    });
    withEntity(idsOf<AcDbAlignedDimension>(back)[0], [](const AcDbEntity& e) {
        EXPECT_EQ(take(static_cast<const AcDbDimension&>(e).dimensionText()), "<> m");
    });
    withEntity(idsOf<AcDbBlockReference>(back)[0], [](const AcDbEntity& e) {
        auto& ref = static_cast<const AcDbBlockReference&>(e);
        EXPECT_NEAR(ref.rotation(), 0.25, 1e-12);
        std::unique_ptr<AcDbObjectIterator> it(ref.attributeIterator());
        ASSERT_FALSE(it->done());
        AcDbAttribute* attribute = nullptr;
        ASSERT_EQ(acdbOpenObject(attribute, it->objectId(), AcDb::kForRead), Acad::eOk);
        EXPECT_EQ(take(attribute->textString()), "Kitchen");
        attribute->close();
    });
    withEntity(idsOf<AcDbLeader>(back)[0], [](const AcDbEntity& e) {
        AcDbObjectId note = static_cast<const AcDbLeader&>(e).annotationObjId();
        ASSERT_FALSE(note.isNull());
        withEntity(note, [](const AcDbEntity& n) {
            EXPECT_EQ(take(static_cast<const AcDbMText&>(n).contents()), "note");
        });
    });
}

TEST_F(DxfExportTest, FailedExportLeavesThePreviousFileAsItWas) {
    std::string path = tempPath("kept.dxf");
    std::ofstream(path) << "previous";
    std::string folder = tempPath("no-such-folder/x.dxf");
    EXPECT_EQ(vthost::exportDxf(db, folder.c_str(), report), Acad::eFilerError);
    EXPECT_FALSE(report.message.empty());
    EXPECT_EQ(vthost::exportDxf(db, nullptr, report), Acad::eInvalidInput);
    std::ifstream in(path);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "previous");
}

}  // namespace

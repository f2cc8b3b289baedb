// The whole round: a drawing another program wrote is imported, a label is linked live to a
// closed polyline's area through the object library, the polyline is changed, the drawing is
// exported, and the other program reads the updated label; the links and styles stay out of the
// file and are counted.
#include <gtest/gtest.h>

#include "DxfTestDrawing.h"
#include "EzdxfRunner.h"
#include "LibraryTestEnvironment.h"
#include "SampleLinks.h"
#include "dxf/DxfExport.h"
#include "dxf/DxfImport.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbText.h"

using namespace dxftest;

namespace {

const char* kWriteScript = R"PY(
import sys, ezdxf
doc = ezdxf.new("R2000")
msp = doc.modelspace()
msp.add_lwpolyline([(0, 0), (4, 0), (4, 3), (0, 3)], close=True)
msp.add_text("label", dxfattribs={"insert": (1, 1), "height": 0.5})
doc.saveas(sys.argv[1])
)PY";

const char* kReadScript = R"PY(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print("audit_errors", len(doc.audit().errors))
print("label", doc.modelspace().query("TEXT")[0].dxf.text)
print("polyline", " ".join("%g,%g" % p[:2] for p in doc.modelspace().query("LWPOLYLINE")[0].get_points()))
)PY";

TEST(DxfLiveLabels, ImportedPolylineDrivesALabelThatTheExportCarries) {
    SKIP_WITHOUT_EZDXF();
    std::string in = tempPath("story-in.dxf"), out = tempPath("story-out.dxf");
    bool ok = false;
    std::string output = runPython(kWriteScript, in, ok);
    ASSERT_TRUE(ok) << output;
    AcDbDatabase db;
    vthost::DxfImportReport imported;
    ASSERT_EQ(vthost::importDxf(in.c_str(), db, imported), Acad::eOk) << imported.message;
    AcDbObjectId polyline = idsOf<AcDbPolyline>(db)[0];
    AcDbObjectId label = idsOf<AcDbText>(db)[0];

    AcDbObjectId style = vtsample::addAreaTextStyle(db, "Area", "%PROPERTY m2");
    ASSERT_FALSE(vtsample::storeLink(polyline, label, style).isNull());
    AcDbPolyline* source = nullptr;
    ASSERT_EQ(acdbOpenObject(source, polyline, AcDb::kForWrite), Acad::eOk);
    source->setPointAt(2, AcGePoint2d(4, 5));
    source->setPointAt(3, AcGePoint2d(0, 5));
    source->close();
    std::string shown;
    withEntity(label, [&](const AcDbEntity& e) {
        shown = take(static_cast<const AcDbText&>(e).textString());
    });
    ASSERT_NE(shown, "label");

    vthost::DxfExportReport exported;
    ASSERT_EQ(vthost::exportDxf(db, out.c_str(), exported), Acad::eOk) << exported.message;
    EXPECT_GE(vthost::totalOf(exported.notCarried), 2) << exported.describe();
    for (const auto& [kind, count] : exported.notCarried)
        EXPECT_EQ(kind.find("(no DXF form here)"), std::string::npos) << kind;
    output = runPython(kReadScript, out, ok);
    ASSERT_TRUE(ok) << output;
    auto values = keyValues(output);
    EXPECT_EQ(values["audit_errors"], "0") << output;
    EXPECT_EQ(values["label"], shown);
    EXPECT_NE(shown.find("20"), std::string::npos) << shown;  // 4 x 5
    EXPECT_EQ(values["polyline"], "0,0 4,0 4,5 0,5");
}

}  // namespace

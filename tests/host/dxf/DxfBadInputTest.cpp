// Damaged and hostile DXF: every refusal names the problem and leaves the target drawing exactly
// as it was, whether it was new or already held entities.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "DxfTestDrawing.h"
#include "EzdxfRunner.h"
#include "HostTestSupport.h"
#include "dxf/DxfExport.h"
#include "dxf/DxfImport.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbPolyline.h"

using namespace dxftest;

namespace {

std::string wholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A valid file with every kind, written by our exporter.
const std::string& validText() {
    static const std::string text = [] {
        AcDbDatabase db;
        buildEveryKind(db);
        vthost::DxfExportReport report;
        std::string path = tempPath("valid.dxf");
        EXPECT_EQ(vthost::exportDxf(db, path.c_str(), report), Acad::eOk);
        return wholeFile(path);
    }();
    return text;
}

const char* kLwpolylineHead =
    "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n8\n0\n90\n";

class DxfBadInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        append(db, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
        objectsBefore = db.objectCount();
        entitiesBefore = entityIds(db).size();
    }
    // Imports text, expects the status and an unchanged drawing.
    void expectRefused(const std::string& text, Acad::ErrorStatus expected) {
        vthost::DxfImportReport report;
        EXPECT_EQ(vthost::importDxfText(text, db, report), expected) << text.substr(0, 200);
        EXPECT_FALSE(report.message.empty());
        EXPECT_EQ(db.objectCount(), objectsBefore);
        EXPECT_EQ(entityIds(db).size(), entitiesBefore);
        EXPECT_EQ(db.headerVariables().getShort("LUPREC", -1), 4);
    }
    AcDbDatabase db;
    std::size_t objectsBefore = 0;
    std::size_t entitiesBefore = 0;
};

TEST_F(DxfBadInputTest, ValidFileGoesIntoADrawingThatHoldsEntities) {
    vthost::DxfImportReport report;
    ASSERT_EQ(vthost::importDxfText(validText(), db, report), Acad::eOk) << report.message;
    EXPECT_EQ(entityIds(db).size(), entitiesBefore + vthost::totalOf(report.imported) -
                                         report.imported["ATTRIB"] - 2 /* in block TAG */);
}

TEST_F(DxfBadInputTest, EveryTruncationIsRefusedAndChangesNothing) {
    const std::string& text = validText();
    for (std::size_t cut = 0; cut < text.size() - 4; cut += text.size() / 97 + 1) {
        vthost::DxfImportReport report;
        Acad::ErrorStatus es = vthost::importDxfText(text.substr(0, cut), db, report);
        EXPECT_TRUE(es == Acad::eEndOfFile || es == Acad::eInvalidInput) << cut << " " << es;
        EXPECT_FALSE(report.message.empty());
        EXPECT_EQ(db.objectCount(), objectsBefore);
    }
}

TEST_F(DxfBadInputTest, HostileValuesAreRefusedBeforeTheReaderSeesThem) {
    std::string tail = "10\n0\n20\n0\n0\nENDSEC\n0\nEOF\n";
    expectRefused(std::string(kLwpolylineHead) + "2000000000\n" + tail, Acad::eInvalidInput);
    expectRefused(std::string(kLwpolylineHead) + "nine\n" + tail, Acad::eInvalidInput);
    expectRefused("0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nnan\n0\nENDSEC\n0\nEOF\n",
                  Acad::eInvalidInput);
    expectRefused("0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1e999\n0\nENDSEC\n0\nEOF\n",
                  Acad::eInvalidInput);
    expectRefused("0\nSECTION\nxx\nENTITIES\n0\nEOF\n", Acad::eInvalidInput);
    expectRefused("0\nSECTION\n5000\nENTITIES\n0\nEOF\n", Acad::eInvalidInput);
    expectRefused("0\nSECTION\n1\n" + std::string(2000, 'a') + "\n0\nEOF\n", Acad::eInvalidInput);
    // A NUL inside a value (the length used to be counted by hand, one too many: ASan found
    // the read past the literal).
    const char withNul[] = "0\nSECTION\n2\nENT\0ITIES\n0\nEOF\n";
    expectRefused(std::string(withNul, sizeof withNul - 1), Acad::eInvalidInput);
}

TEST_F(DxfBadInputTest, MissingFilesAndFoldersAreFilerErrors) {
    vthost::DxfImportReport report;
    EXPECT_EQ(vthost::importDxf(tempPath("absent.dxf").c_str(), db, report), Acad::eFilerError);
    EXPECT_EQ(vthost::importDxf(::testing::TempDir().c_str(), db, report), Acad::eFilerError);
    EXPECT_EQ(vthost::importDxf(nullptr, db, report), Acad::eInvalidInput);
    EXPECT_EQ(entityIds(db).size(), entitiesBefore);
}

// A polyline still open at EOF (no SEQEND, no ENDSEC) is finished after the reader is done with
// the file; finishing it used to read the reader's last record after it was gone (found by
// fuzzing).
TEST_F(DxfBadInputTest, PolylineOpenAtEndOfFileIsStillFinished) {
    vthost::DxfImportReport report;
    std::string text =
        "0\nSECTION\n2\nENTITIES\n0\nPOLYLINE\n5\n2A\n8\n0\n66\n1\n70\n1\n0\nVERTEX\n"
        "8\n0\n10\n1\n20\n2\n0\nVERTEX\n8\n0\n10\n3\n20\n4\n0\nEOF\n";
    ASSERT_EQ(vthost::importDxfText(text, db, report), Acad::eOk) << report.message;
    std::vector<AcDbObjectId> polylines = idsOf<AcDbPolyline>(db);
    ASSERT_EQ(polylines.size(), 1u);
    withEntity(polylines[0], [](const AcDbEntity& entity) {
        const auto& polyline = static_cast<const AcDbPolyline&>(entity);
        EXPECT_EQ(polyline.numVerts(), 2u);
        EXPECT_TRUE(polyline.isClosed());
    });
}

TEST_F(DxfBadInputTest, UnknownKindsAreCountedNotDropped) {
    vthost::DxfImportReport report;
    std::string text =
        "0\nSECTION\n2\nENTITIES\n0\nMLINE\n8\n0\n0\nREGION\n8\n0\n1\nbody\n0\nPOINT\n10\n1\n20\n"
        "2\n30\n0\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n1\n0\nENDSEC\n0\nEOF\n";
    ASSERT_EQ(vthost::importDxfText(text, db, report), Acad::eOk) << report.message;
    EXPECT_EQ(report.imported["LINE"], 1);
    EXPECT_EQ(report.notCarried["MLINE"], 1);
    EXPECT_EQ(report.notCarried["REGION"], 1);
    EXPECT_EQ(report.notCarried["POINT"], 1);
}

}  // namespace

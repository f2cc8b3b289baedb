// Picture files: each format starts as its readers expect, the SVG carries its texts as text, the
// format comes from the name, and bad names, sizes and unwritable places are refused cleanly.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "RenderTestSupport.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbText.h"

namespace rendertest {
namespace {

using vthost::PictureFormat;

std::string contentsOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

class PictureFile : public PictureTest {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vt_render_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        auto* text = new AcDbText();
        text->setTextString("Area <40 m\xC2\xB2> & more");
        text->setHeight(1.0);
        add(text);
        add(new AcDbCircle(AcGePoint3d(5, 0, 0), 2));
    }
    void TearDown() override {
        for (const char* name : {"a.png", "a.svg", "a.pdf", "A.PNG", "a.txt"}) std::remove((folder + "/" + name).c_str());
        rmdir(folder.c_str());
    }
    std::string folder;
};

TEST_F(PictureFile, EachFormatStartsWithItsMagic) {
    struct Case {
        const char* name;
        std::string magic;
    };
    const Case cases[] = {{"a.png", std::string("\x89PNG\r\n\x1a\n", 8)},
                          {"A.PNG", std::string("\x89PNG\r\n\x1a\n", 8)},
                          {"a.svg", "<?xml"},
                          {"a.pdf", "%PDF-"}};
    for (const Case& c : cases) {
        std::string path = folder + "/" + c.name;
        ASSERT_EQ(vthost::renderDrawing(db, {}, path.c_str()), Acad::eOk) << c.name;
        std::string bytes = contentsOf(path);
        EXPECT_EQ(bytes.substr(0, c.magic.size()), c.magic) << c.name;
        EXPECT_GT(bytes.size(), 200u) << c.name;
    }
    // A format given in the options wins over the name.
    vthost::RenderOptions options;
    options.format = PictureFormat::kPdf;
    std::string path = folder + "/a.txt";
    ASSERT_EQ(vthost::renderDrawing(db, options, path.c_str()), Acad::eOk);
    EXPECT_EQ(contentsOf(path).substr(0, 5), "%PDF-");
}

TEST_F(PictureFile, SvgCarriesItsTextsAsText) {
    std::string svg;
    ASSERT_EQ(vthost::renderPicture(db, {}, PictureFormat::kSvg, svg), Acad::eOk);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Area &lt;40 m\xC2\xB2&gt; &amp; more</text>"), std::string::npos);
    EXPECT_EQ(svg.rfind("</svg>"), svg.size() - 7);  // still one well-closed document
    EXPECT_NE(svg.find("<path"), std::string::npos);  // the circle
}

TEST_F(PictureFile, BadNamesSizesAndPlacesAreRefused) {
    EXPECT_EQ(vthost::renderDrawing(db, {}, nullptr), Acad::eInvalidInput);
    EXPECT_EQ(vthost::renderDrawing(db, {}, ""), Acad::eInvalidInput);
    std::string noFormat = folder + "/a.txt";
    EXPECT_EQ(vthost::renderDrawing(db, {}, noFormat.c_str()), Acad::eInvalidInput);
    EXPECT_FALSE(exists(noFormat));
    std::string missingFolder = folder + "/missing/a.png";
    EXPECT_EQ(vthost::renderDrawing(db, {}, missingFolder.c_str()), Acad::eFilerError);
    EXPECT_EQ(vthost::renderDrawing(db, {}, folder.c_str()), Acad::eInvalidInput);  // a folder, no extension
    std::string folderNamedPng = folder + "/a.png";
    ASSERT_EQ(mkdir(folderNamedPng.c_str(), 0700), 0);
    EXPECT_EQ(vthost::renderDrawing(db, {}, folderNamedPng.c_str()), Acad::eFilerError);
    rmdir(folderNamedPng.c_str());

    for (auto [width, height] : {std::pair{0, 10}, std::pair{10, -1}, std::pair{vthost::kMaxPictureSide + 1, 10}}) {
        vthost::RenderOptions options;
        options.width = width, options.height = height;
        vthost::RenderedImage image;
        EXPECT_EQ(vthost::renderImage(db, options, image), Acad::eInvalidInput);
        std::string bytes;
        EXPECT_EQ(vthost::renderPicture(db, options, PictureFormat::kPng, bytes), Acad::eInvalidInput);
        EXPECT_TRUE(bytes.empty());
    }
    std::string bytes;
    EXPECT_EQ(vthost::renderPicture(db, {}, PictureFormat::kFromName, bytes), Acad::eInvalidInput);
}

TEST(PictureFormatOfName, ByExtensionInAnyCase) {
    EXPECT_EQ(vthost::formatOfName("plan.png"), PictureFormat::kPng);
    EXPECT_EQ(vthost::formatOfName("dir/Plan.SVG"), PictureFormat::kSvg);
    EXPECT_EQ(vthost::formatOfName("a.b/plan.Pdf"), PictureFormat::kPdf);
    EXPECT_EQ(vthost::formatOfName("a.png/plan"), PictureFormat::kFromName);
    EXPECT_EQ(vthost::formatOfName("plan.dwg"), PictureFormat::kFromName);
    EXPECT_EQ(vthost::formatOfName("png"), PictureFormat::kFromName);
}

TEST_F(PictureFile, BrokenTextStillMakesAPicture) {
    auto* text = new AcDbText();
    text->setTextString("bad \xFF\xFE bytes");
    text->setHeight(1.0);
    text->setPosition(AcGePoint3d(0, 3, 0));
    add(text);
    std::string svg;
    ASSERT_EQ(vthost::renderPicture(db, {}, PictureFormat::kSvg, svg), Acad::eOk);
    EXPECT_NE(svg.find(">bad ?? bytes</text>"), std::string::npos);
    vthost::RenderedImage image;
    ASSERT_EQ(vthost::renderImage(db, {}, image), Acad::eOk);
    EXPECT_FALSE(inkBox(image, isBlack).empty);
}

}  // namespace
}  // namespace rendertest

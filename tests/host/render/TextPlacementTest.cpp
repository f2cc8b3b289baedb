// Where texts land: the ink of a rendered text against its insertion or alignment point, its
// height and rotation; multiline texts by lines, their format codes and wrapping.
#include <cmath>

#include "RenderTestSupport.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbText.h"
#include "render/MTextLines.h"
#include "render/TextMetrics.h"

namespace rendertest {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Ink may differ from the text's box by a glyph's side bearing (H: 0.14 of the height) or a round
// letter's overshoot.
constexpr double kSlack = 0.2;

class TextPicture : public PictureTest {
protected:
    void SetUp() override { addFrame(); }
    // "HELLO" (no descenders) of the height at point, justified by the modes.
    AcDbText* hello(const AcGePoint3d& point, double height = 1.0, AcDb::TextHorzMode h = AcDb::kTextLeft,
                    AcDb::TextVertMode v = AcDb::kTextBase) {
        auto* text = new AcDbText();
        text->setTextString("HELLO");
        text->setHeight(height);
        text->setHorizontalMode(h);
        text->setVerticalMode(v);
        if (h == AcDb::kTextLeft && v == AcDb::kTextBase) text->setPosition(point);
        else text->setAlignmentPoint(point);
        return text;
    }
    InkBox textInk() { return inkBox(picture(square()), isBlack); }
};

TEST_F(TextPicture, LeftTextSitsOnItsBaselineFromItsPosition) {
    add(hello(AcGePoint3d(-3, 2, 0)));
    InkBox ink = textInk();
    ASSERT_FALSE(ink.empty);
    EXPECT_NEAR(ink.left, -3, kSlack);
    EXPECT_NEAR(ink.bottom, 2, kSlack);
    EXPECT_NEAR(ink.top, 3, kSlack);  // the height is that of a capital
    EXPECT_GT(ink.right - ink.left, 3.0);
}

TEST_F(TextPicture, JustificationsAroundTheAlignmentPoint) {
    struct Case {
        AcDb::TextHorzMode h;
        AcDb::TextVertMode v;
        double (*x)(const InkBox&);
        double (*y)(const InkBox&);
    };
    const Case cases[] = {
        {AcDb::kTextCenter, AcDb::kTextBase, [](const InkBox& b) { return b.centerX(); }, [](const InkBox& b) { return b.bottom; }},
        {AcDb::kTextRight, AcDb::kTextBase, [](const InkBox& b) { return b.right; }, [](const InkBox& b) { return b.bottom; }},
        {AcDb::kTextMid, AcDb::kTextBase, [](const InkBox& b) { return b.centerX(); }, [](const InkBox& b) { return b.centerY(); }},
        {AcDb::kTextLeft, AcDb::kTextTop, [](const InkBox& b) { return b.left; }, [](const InkBox& b) { return b.top; }},
        {AcDb::kTextRight, AcDb::kTextVertMid, [](const InkBox& b) { return b.right; }, [](const InkBox& b) { return b.centerY(); }},
    };
    for (const Case& c : cases) {
        AcDbObjectId id = add(hello(AcGePoint3d(1, -2, 0), 1.0, c.h, c.v));
        InkBox ink = textInk();
        EXPECT_NEAR(c.x(ink), 1, kSlack) << c.h << "/" << c.v;
        EXPECT_NEAR(c.y(ink), -2, kSlack) << c.h << "/" << c.v;
        AcDbEntity* entity = nullptr;
        ASSERT_EQ(acdbOpenObject(entity, id, AcDb::kForWrite), Acad::eOk);
        entity->erase();
        entity->close();
    }
}

TEST_F(TextPicture, FitTextSpansPositionToAlignmentPoint) {
    auto* text = new AcDbText();
    text->setTextString("HELLO");
    text->setHeight(1.0);
    text->setHorizontalMode(AcDb::kTextFit);
    text->setPosition(AcGePoint3d(-6, 0, 0));
    text->setAlignmentPoint(AcGePoint3d(6, 0, 0));
    add(text);
    InkBox ink = textInk();
    EXPECT_NEAR(ink.left, -6, kSlack * 2);  // the bearings are stretched with the letters
    EXPECT_NEAR(ink.right, 6, kSlack * 2);
    EXPECT_NEAR(ink.top - ink.bottom, 1.0, kSlack);  // fit text keeps its height
}

TEST_F(TextPicture, HeightScalesTheInk) {
    add(hello(AcGePoint3d(-8, -8, 0), 2.0));
    InkBox ink = textInk();
    EXPECT_NEAR(ink.bottom, -8, kSlack);
    EXPECT_NEAR(ink.top, -6, 2 * kSlack);
}

TEST_F(TextPicture, RotatedTextRunsUpWithItsLettersLeftOfTheBaseline) {
    AcDbText* text = hello(AcGePoint3d(4, -5, 0));
    text->setRotation(kPi / 2);
    add(text);
    InkBox ink = textInk();
    EXPECT_NEAR(ink.right, 4, kSlack);
    EXPECT_NEAR(ink.left, 3, kSlack);
    EXPECT_NEAR(ink.bottom, -5, kSlack);
    EXPECT_GT(ink.top - ink.bottom, 3.0);
}

TEST_F(TextPicture, MultilineTextLinesRunDownFromTheTopLeftCorner) {
    auto* mtext = new AcDbMText();
    mtext->setLocation(AcGePoint3d(-6, 6, 0));
    mtext->setTextHeight(1.0);
    mtext->setContents("HELLO\\PWORLD");
    add(mtext);
    InkBox ink = textInk();
    EXPECT_NEAR(ink.top, 6, kSlack);
    EXPECT_NEAR(ink.left, -6, kSlack);
    // Two lines 5/3 heights apart: the second's baseline is at 6 - 1 - 5/3.
    EXPECT_NEAR(ink.bottom, 6 - 1 - 5.0 / 3.0, kSlack);
}

TEST(MTextLines, FormatCodesAreTakenOut) {
    using vthost::mtextParagraphs;
    using Lines = std::vector<std::string>;
    EXPECT_EQ(mtextParagraphs("Room\\PArea"), (Lines{"Room", "Area"}));
    EXPECT_EQ(mtextParagraphs("{\\fArial|b1;Bold} and {\\H2.5x;\\C1;big}"), (Lines{"Bold and big"}));
    EXPECT_EQ(mtextParagraphs("a\\~b \\\\ \\{c\\}"), (Lines{"a b \\ {c}"}));
    EXPECT_EQ(mtextParagraphs("\\Lunder\\l 1\\S1^2;"), (Lines{"under 11/2"}));
    EXPECT_EQ(mtextParagraphs("40 m\\U+00B2"), (Lines{"40 m\xC2\xB2"}));
    EXPECT_EQ(mtextParagraphs("line\nnext\\Nthird"), (Lines{"line", "next", "third"}));
    EXPECT_EQ(mtextParagraphs("cut short \\U+12 \\f"), (Lines{"cut short \\U+12 "}));
    EXPECT_EQ(mtextParagraphs(""), (Lines{""}));
}

TEST(MTextLines, WrappingKeepsLinesWithinTheWidth) {
    vthost::TextMetrics metrics;
    std::string paragraph = "one two three four five six";
    EXPECT_EQ(vthost::wrappedLines(paragraph, 0.0, 1.0, metrics).size(), 1u);  // no box width
    double wordWidth = metrics.advance("three");
    std::vector<std::string> lines = vthost::wrappedLines(paragraph, 2.2 * wordWidth, 1.0, metrics);
    EXPECT_GT(lines.size(), 2u);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(metrics.advance(line), 2.2 * wordWidth) << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, paragraph);
    // A word wider than the box keeps a line of its own.
    EXPECT_EQ(vthost::wrappedLines("a enormousword b", 0.5, 1.0, metrics),
              (std::vector<std::string>{"a", "enormousword", "b"}));
}

TEST(TextMetrics, BadTextIsMadeDrawable) {
    EXPECT_EQ(vthost::validUtf8("ok \xC2\xB2"), "ok \xC2\xB2");
    EXPECT_EQ(vthost::validUtf8("a\xFF" "b\xC2"), "a?b?");
    EXPECT_EQ(vthost::validUtf8("\xED\xA0\x80"), "???");  // a surrogate half
    EXPECT_EQ(vthost::validUtf8("tab\there"), "tab here");
    vthost::TextMetrics metrics;
    vthost::PlacedText placed;
    vthost::TextRun run;
    EXPECT_FALSE(metrics.place(run, placed));  // no text
    run.text = "x";
    run.height = -1;
    EXPECT_FALSE(metrics.place(run, placed));
    run.height = std::nan("");
    EXPECT_FALSE(metrics.place(run, placed));
}

}  // namespace
}  // namespace rendertest

// One drawing with every kind of label: each source is linked, changed, and its label checked.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "DrawingTestSupport.h"
#include "LibraryTestEnvironment.h"
#include "db/AcDbSymbolTable.h"
#include "ut/AcUtil.h"
#include "ent/AcDbAlignedDimension.h"
#include "ent/AcDbArc.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbMText.h"
#include "ent/AcDbPolyline.h"
#include "ent/AcDbRasterImage.h"
#include "ent/AcDbText.h"
#include "db/DwgStreamFiler.h"
#include "ut/Win32.h"
#include "modifiers/ContentModifiers.h"
#include "readers/PropertyReaders.h"
#include "boot/Switches.h"

namespace {

AcDbText* newText(const char* text) {
    auto* entity = new AcDbText();
    entity->setTextString(text);
    return entity;
}

AcDbPolyline* newSquare(double side) {
    auto* square = new AcDbPolyline();
    square->addVertexAt(0, AcGePoint2d(0, 0));
    square->addVertexAt(1, AcGePoint2d(side, 0));
    square->addVertexAt(2, AcGePoint2d(side, side));
    square->addVertexAt(3, AcGePoint2d(0, side));
    square->setClosed(true);
    return square;
}

class LiveLabels : public vttest::DrawingTest {
protected:
    std::string dimensionTextOf(AcDbObjectId id) {
        return read<AcDbDimension, std::string>(id, [](const AcDbDimension* d) {
            char* text = d->dimensionText();
            std::string result = text ? text : "";
            acutDelString(text);
            return result;
        });
    }
    int colorOf(AcDbObjectId id) {
        return read<AcDbEntity, int>(id, [](const AcDbEntity* e) { return e->colorIndex(); });
    }
    // A block reference with attributes of the given tags, each with the text "-".
    AcDbObjectId addBlockReference(std::vector<const char*> tags, std::vector<AcDbObjectId>& attributes) {
        AcDbObjectId reference = add(new AcDbBlockReference(AcGePoint3d(5, 6, 7), db->modelSpaceId()));
        AcDbBlockReference* open = nullptr;
        EXPECT_EQ(acdbOpenObject(open, reference, AcDb::kForWrite), Acad::eOk);
        for (const char* tag : tags) {
            auto* attribute = new AcDbAttribute();
            attribute->setTag(tag);
            attribute->setTextString("-");
            AcDbObjectId id;
            EXPECT_EQ(open->appendAttribute(id, attribute), Acad::eOk);
            attribute->close();
            attributes.push_back(id);
        }
        open->close();
        return reference;
    }
};

TEST_F(LiveLabels, EveryLabelKindFollowsItsSource) {
    AcDbObjectId area = addStyle("area", new AcAreaReader(), new AcTextModifier());
    AcDbObjectId areaMacro = addStyle("area m2", new AcAreaReader(), new AcMTextModifier(),
                                      "$(rtos,%PROPERTY,2,1) m2");
    AcDbObjectId length = addStyle("length", new AcLengthReader(), new AcDimensionModifier());
    AcDbObjectId text = addStyle("note", new AcTextReader(), new AcLeaderModifier());
    auto* blockModifier = new AcBlockModifier();
    blockModifier->setAttribName("Area");
    AcDbObjectId block = addStyle("block", new AcAreaReader(), blockModifier);
    AcDbObjectId color = addStyle("color", new AcTextReader(), new AcColorModifier());
    AcDbObjectId x = addStyle("x", new AcXCoordReader(), new AcTextModifier());

    AcDbObjectId square = add(newSquare(10));
    AcDbObjectId areaLabel = add(newText(""));
    AcDbObjectId mtextLabel = add(new AcDbMText());
    link(square, areaLabel, area);
    link(square, mtextLabel, areaMacro);
    EXPECT_EQ(textOf(areaLabel), "100.0000");
    EXPECT_EQ(textOf(mtextLabel), "100.0 m2");

    AcDbObjectId arc = add(new AcDbArc(AcGePoint3d(0, 0, 0), 2.0, 0.0, M_PI));
    AcDbObjectId dimension = add(new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(4, 0, 0),
                                                          AcGePoint3d(2, 1, 0)));
    link(arc, dimension, length);
    EXPECT_EQ(dimensionTextOf(dimension), "6.2832");

    AcDbObjectId noteSource = add(newText("see detail 4"));
    AcDbObjectId note = add(new AcDbMText());
    auto* leader = new AcDbLeader();
    leader->appendVertex(AcGePoint3d(0, 0, 0));
    leader->appendVertex(AcGePoint3d(3, 3, 0));
    leader->attachAnnotation(note);
    AcDbObjectId leaderId = add(leader);
    link(noteSource, leaderId, text);
    EXPECT_EQ(textOf(note), "see detail 4");

    std::vector<AcDbObjectId> attributes;
    AcDbObjectId reference = addBlockReference({"AREA", "area", "OTHER"}, attributes);
    link(square, reference, block);
    EXPECT_EQ(textOf(attributes[0]), "100.0000");
    EXPECT_EQ(textOf(attributes[1]), "100.0000");
    EXPECT_EQ(textOf(attributes[2]), "-");

    AcDbObjectId colorSource = add(newText("3"));
    AcDbObjectId colored = add(new AcDbCircle(AcGePoint3d(1, 2, 0), 1.0));
    link(colorSource, colored, color);
    EXPECT_EQ(colorOf(colored), 3);

    AcDbObjectId circle = add(new AcDbCircle(AcGePoint3d(12.5, -3, 0), 1.0));
    AcDbObjectId xLabel = add(newText(""));
    link(circle, xLabel, x);
    EXPECT_EQ(textOf(xLabel), "12.5000");

    // Now every source changes.
    modify<AcDbPolyline>(square, [](AcDbPolyline* p) { p->setPointAt(2, AcGePoint2d(10, 20)); });
    EXPECT_EQ(textOf(areaLabel), "150.0000");
    EXPECT_EQ(textOf(mtextLabel), "150.0 m2");
    EXPECT_EQ(textOf(attributes[1]), "150.0000");
    modify<AcDbArc>(arc, [](AcDbArc* a) { a->setRadius(1.0); });
    EXPECT_EQ(dimensionTextOf(dimension), "3.1416");
    modify<AcDbText>(noteSource, [](AcDbText* t) { t->setTextString("see detail 5"); });
    EXPECT_EQ(textOf(note), "see detail 5");
    modify<AcDbText>(colorSource, [](AcDbText* t) { t->setTextString("256"); });
    EXPECT_EQ(colorOf(colored), 256);
    modify<AcDbCircle>(circle, [](AcDbCircle* c) { c->setCenter(AcGePoint3d(-1, 0, 0)); });
    EXPECT_EQ(textOf(xLabel), "-1.0000");
}

TEST_F(LiveLabels, TheDrawingsUnitsShapeTheNumbers) {
    AcDbObjectId area = addStyle("area", new AcAreaReader(), new AcTextModifier());
    db->headerVariables().set("LUPREC", short{2});
    AcDbObjectId square = add(newSquare(2));
    AcDbObjectId label = add(newText(""));
    link(square, label, area);
    EXPECT_EQ(textOf(label), "4.00");
    db->headerVariables().set("LUNITS", short{4});
    modify<AcDbPolyline>(square, [](AcDbPolyline* p) { p->setPointAt(2, AcGePoint2d(2, 8.75)); });
    EXPECT_EQ(textOf(label), "10 3/4\"");  // a trapezoid of 2 by (2 + 8.75) / 2
}

TEST_F(LiveLabels, WithoutTheHostsFormatterNumbersUseSixDigits) {
    AcDbObjectId label = add(newText(""));
    {
        vthost::ScopedHiddenExport noFormatter("acdbRToS");
        AcDbObjectId area = addStyle("area", new AcAreaReader(), new AcTextModifier());
        AcDbObjectId circle = add(new AcDbCircle(AcGePoint3d(0, 0, 0), 1.0));
        link(circle, label, area);
    }
    EXPECT_EQ(textOf(label), "3.14159");
}

// Readers on entity kinds they do and do not read.
class Readers : public vttest::DrawingTest {
protected:
    std::string readWith(AcPropertyReader& reader, AcDbObjectId id) {
        return read<AcDbEntity, std::string>(id, [&](const AcDbEntity* e) {
            char* value = reader.readProperty(e);
            std::string result = value ? value : "<null>";
            delete[] value;
            return result;
        });
    }
};

TEST_F(Readers, AreaIsZeroForEntitiesWithoutAnAreaAndNullForNothing) {
    AcAreaReader area;
    EXPECT_EQ(readWith(area, add(newText("x"))), "0.0000");
    EXPECT_EQ(area.readProperty(nullptr), nullptr);
}

TEST_F(Readers, LengthReadsCurvesOnly) {
    AcLengthReader length;
    EXPECT_EQ(readWith(length, add(newSquare(3))), "12.0000");
    EXPECT_EQ(readWith(length, add(newText("x"))), "<null>");
}

TEST_F(Readers, TextIsReturnedAsStoredAndMultilineTextIsNotAText) {
    AcTextReader text;
    EXPECT_EQ(readWith(text, add(newText("{\\fArial;A}  %%c "))), "{\\fArial;A}  %%c ");
    auto* mtext = new AcDbMText();
    mtext->setContents("multi");
    EXPECT_EQ(readWith(text, add(mtext)), "<null>");
}

TEST_F(Readers, TheReferencePointDependsOnTheKindAndJustification) {
    AcXCoordReader x;
    AcYCoordReader y;
    AcZCoordReader z;
    auto* left = newText("l");
    left->setPosition(AcGePoint3d(1, 2, 3));
    left->setAlignmentPoint(AcGePoint3d(9, 9, 9));
    AcDbObjectId leftId = add(left);
    EXPECT_EQ(readWith(x, leftId) + readWith(y, leftId) + readWith(z, leftId),
              "1.00002.00003.0000");
    auto* centered = newText("c");
    centered->setHorizontalMode(AcDb::kTextCenter);
    centered->setAlignmentPoint(AcGePoint3d(4, 5, 6));
    EXPECT_EQ(readWith(x, add(centered)), "4.0000");
    auto* bottom = newText("b");
    bottom->setVerticalMode(AcDb::kTextBottom);
    bottom->setAlignmentPoint(AcGePoint3d(7, 0, 0));
    EXPECT_EQ(readWith(x, add(bottom)), "7.0000");
    auto* image = new AcDbRasterImage();
    image->setOrientation(AcGePoint3d(8, 0, 0), AcGeVector3d(1, 0, 0), AcGeVector3d(0, 1, 0));
    EXPECT_EQ(readWith(x, add(image)), "8.0000");
    EXPECT_EQ(readWith(x, add(newSquare(1))), "<null>");
}

TEST_F(Readers, ACoordinateReaderNeedsTheSourceOpenForRead) {
    AcXCoordReader x;
    AcDbObjectId circle = add(new AcDbCircle(AcGePoint3d(1, 0, 0), 1.0));
    AcDbObject* object = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(object, circle, AcDb::kForRead), Acad::eOk);
    object->close();
    EXPECT_EQ(x.readProperty(AcDbEntity::cast(object)), nullptr);
}

// Modifiers on labels of their kind and of other kinds.
class Modifiers : public vttest::DrawingTest {};

TEST_F(Modifiers, ColorTextsFollowTheLeadingInteger) {
    AcColorModifier modifier;
    AcDbCircle circle(AcGePoint3d(0, 0, 0), 1.0);
    const std::pair<const char*, int> cases[] = {
        {"7", 7}, {"12.7", 12}, {" 3", 3}, {"0", 0}, {"256", 256}, {"UNKNOWN PROPERTY VALUE", 0},
        {"", 0},  {"257", -1},  {"-1", -1}, {"99999999999", -1}, {"-99999999999", -1},
    };
    for (auto [text, expected] : cases) {
        circle.setColorIndex(100, true);
        modifier.updateContent(&circle, text);
        EXPECT_EQ(circle.colorIndex(), expected < 0 ? 100 : expected) << '"' << text << '"';
    }
}

TEST_F(Modifiers, LabelsOfAnotherKindOrNotWritableAreLeftAlone) {
    AcTextModifier text;
    auto* mtext = new AcDbMText();
    mtext->setContents("kept");
    AcDbObjectId mtextId = add(mtext);
    modify<AcDbMText>(mtextId, [&](AcDbMText* m) { text.updateContent(m, "new"); });
    EXPECT_EQ(textOf(mtextId), "kept");
    AcDbObjectId textId = add(newText("kept"));
    AcDbText* open = nullptr;
    ASSERT_EQ(acdbOpenObject(open, textId, AcDb::kForRead), Acad::eOk);
    text.updateContent(open, "new");
    open->close();
    EXPECT_EQ(textOf(textId), "kept");
}

TEST_F(Modifiers, ALeaderWithoutAMultilineNoteIsLeftAlone) {
    AcLeaderModifier modifier;
    auto* leader = new AcDbLeader();
    AcDbObjectId leaderId = add(leader);
    modify<AcDbLeader>(leaderId, [&](AcDbLeader* l) { modifier.updateContent(l, "x"); });
    AcDbObjectId note = add(newText("single line"));
    modify<AcDbLeader>(leaderId, [&](AcDbLeader* l) {
        l->attachAnnotation(note);
        modifier.updateContent(l, "x");
    });
    EXPECT_EQ(textOf(note), "single line");
}

TEST_F(Modifiers, TheBlockModifiersNameIsItsOption) {
    AcBlockModifier modifier;
    EXPECT_TRUE(modifier.hasOptions());
    EXPECT_FALSE(modifier.hasOptionsCorrect());
    modifier.setAttribName("ROOM");
    EXPECT_TRUE(modifier.hasOptionsCorrect());
    vthost::DwgStreamFiler out(AcDb::kFileFiler);
    ASSERT_EQ(modifier.dwgOutFields(&out), Acad::eOk);
    vthost::DwgStreamFiler in(AcDb::kFileFiler);
    in.setBuffer(out.buffer());
    AcBlockModifier reread;
    ASSERT_EQ(reread.dwgInFields(&in), Acad::eOk);
    EXPECT_STREQ(reread.attribName(), "ROOM");
    std::vector<std::uint8_t> bytes = out.buffer();
    bytes[bytes.size() - (1 + 4 + 4) - 2] = 2;  // version word before the name "ROOM"
    vthost::DwgStreamFiler newer(AcDb::kFileFiler);
    newer.setBuffer(bytes);
    AcBlockModifier refused;
    EXPECT_EQ(refused.dwgInFields(&newer), Acad::eMakeMeProxy);
}

TEST(ConcreteStrategies, DisplayNamesAreDistinctAndKindsAreRight) {
    AcAreaReader area;
    AcLengthReader length;
    AcTextReader text;
    AcXCoordReader x;
    AcYCoordReader y;
    AcZCoordReader z;
    std::set<std::string> names;
    for (AcPropertyReader* reader : std::initializer_list<AcPropertyReader*>{&area, &length, &text, &x, &y, &z})
        names.insert(reader->displayName());
    EXPECT_EQ(names.size(), 6u);
    AcTextModifier t;
    AcMTextModifier m;
    AcDimensionModifier d;
    AcLeaderModifier l;
    AcBlockModifier b;
    AcColorModifier c;
    EXPECT_EQ(t.supportedEntityKind(), AcDbText::desc());
    EXPECT_EQ(m.supportedEntityKind(), AcDbMText::desc());
    EXPECT_EQ(d.supportedEntityKind(), AcDbDimension::desc());
    EXPECT_EQ(l.supportedEntityKind(), AcDbLeader::desc());
    EXPECT_EQ(b.supportedEntityKind(), AcDbBlockReference::desc());
    EXPECT_EQ(c.supportedEntityKind(), AcDbEntity::desc());
    names.clear();
    for (AcContentModifier* modifier : std::initializer_list<AcContentModifier*>{&t, &m, &d, &l, &b, &c})
        names.insert(modifier->displayName());
    EXPECT_EQ(names.size(), 6u);
}

}  // namespace

// vt_linkcreate at the Command prompt: the style it uses (the drawing's current one, else the
// first stored one), the source and label picks with their keywords and refusals, where the link
// is stored, and the first update that closing the source sends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorSession.h"
#include "SampleLinks.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "db/AcDbDictionary.h"
#include "ent/AcDbCircle.h"
#include "link/AcPropertyLink.h"
#include "modifiers/ContentModifiers.h"
#include "readers/PropertyReaders.h"

namespace vteditor {
namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class LinkCreation : public EditorSession {
protected:
    void SetUp() override {
        EditorSession::SetUp();
        area = vtsample::addAreaTextStyle(db(), "Area", "$(rtos,%PROPERTY,2,2) m2");
        vtsample::addStyle(db(), "Copy", new AcTextReader(), new AcTextModifier(), "");
        circle = vtsample::addToModelSpace(db(), new AcDbCircle(AcGePoint3d(10, 0, 0), 1.0));
        label = addText(0, 5, "old");
    }
    // The links in the entity's extension dictionary, in key order.
    std::vector<AcDbObjectId> linksOn(AcDbObjectId entity) {
        std::vector<AcDbObjectId> links;
        AcDbEntity* opened = nullptr;
        EXPECT_EQ(acdbOpenObject(opened, entity, AcDb::kForRead), Acad::eOk);
        AcDbObjectId dictionaryId = opened->extensionDictionary();
        opened->close();
        AcDbDictionary* dictionary = nullptr;
        if (acdbOpenObject(dictionary, dictionaryId, AcDb::kForRead) != Acad::eOk) return links;
        AcDbDictionaryIterator* iterator = dictionary->newIterator();
        for (; !iterator->done(); iterator->next()) links.push_back(iterator->objectId());
        delete iterator;
        dictionary->close();
        return links;
    }
    AcDbObjectId labelOf(AcDbObjectId link) {
        AcPropertyLink* opened = nullptr;
        EXPECT_EQ(acdbOpenObject(opened, link, AcDb::kForRead), Acad::eOk);
        AcDbObjectId id = opened ? opened->linkedObj() : AcDbObjectId::kNull;
        if (opened) opened->close();
        return id;
    }
    AcDbObjectId area, circle, label;
};

TEST_F(LinkCreation, LinksALabelThatShowsTheSourceAtOnceAndFollowsIt) {
    std::string seen = type({"vt_linkcreate 11,0 0.1,5.1"});
    EXPECT_TRUE(contains(seen, "Current link style: Area")) << seen;
    EXPECT_EQ(textOf(label), "3.14 m2");
    ASSERT_EQ(linksOn(circle).size(), 1u);
    EXPECT_EQ(labelOf(linksOn(circle)[0]), label);

    type({"SCALE 11,0 ", "10,0 2"});
    EXPECT_EQ(textOf(label), "12.57 m2");

    AcDbObjectId second = addText(0, 8, "");
    type({"vt_linkcreate 12,0 0.1,8.1"});
    EXPECT_EQ(linksOn(circle).size(), 2u) << "the second link joins the same dictionary";
    EXPECT_EQ(textOf(second), "12.57 m2");
}

TEST_F(LinkCreation, RefusesALabelOfAnotherKindOrTheSourceItselfAndAsksAgain) {
    AcDbObjectId source = addText(0, 10, "Kitchen");
    std::string seen = type({"vt_linkcreate 0.1,10.1 11,0 0.1,10.1 eXit"});
    EXPECT_TRUE(contains(seen, "writes labels of kind TEXT")) << seen;
    EXPECT_TRUE(contains(seen, "cannot be its own label")) << seen;
    EXPECT_TRUE(linksOn(source).empty());

    vtsample::addStyle(db(), "A dimension", new AcLengthReader(), new AcDimensionModifier(), "");
    vthost::newDrawing();
    type({});
    vtsample::addStyle(db(), "A dimension", new AcLengthReader(), new AcDimensionModifier(), "");
    addText(0, 0, "not a dimension");
    seen = type({"vt_linkcreate 0.1,0.1 0.1,0.1 ^C"});
    EXPECT_TRUE(contains(seen, "writes labels of kind DIMENSION")) << seen;
}

TEST_F(LinkCreation, SelfMakesAnyEntityItsOwnLabel) {
    type({"vt_linkcreate 11,0 Self"});
    ASSERT_EQ(linksOn(circle).size(), 1u);
    EXPECT_TRUE(labelOf(linksOn(circle)[0]).isNull());
}

TEST_F(LinkCreation, ExitAndCancelLeaveTheDrawingAsItWas) {
    std::size_t before = db().objectCount();
    type({"vt_linkcreate eXit"});
    type({"vt_linkcreate 11,0 ^C"});
    EXPECT_EQ(db().objectCount(), before);
    AcDbEntity* opened = nullptr;
    ASSERT_EQ(acdbOpenObject(opened, circle, AcDb::kForRead), Acad::eOk);
    EXPECT_FALSE(opened->extensionDictionary().isValid()) << "the aborted run made no dictionary";
    opened->close();
}

TEST_F(LinkCreation, TheStyleLineIsPrintedAtEveryPassAndEachDrawingHasItsOwnStyle) {
    std::string seen = type({"vt_linkcreate Paper Paper 11,0 0.1,5.1"});
    std::size_t first = seen.find("Current link style: Area");
    ASSERT_NE(first, std::string::npos) << seen;
    EXPECT_NE(seen.find("Current link style: Area", seen.find("Current link style: Area", first + 1) + 1),
              std::string::npos)
        << "three passes, three lines: " << seen;

    vthost::newDrawing();
    seen = type({"vt_linkcreate"});
    EXPECT_TRUE(contains(seen, "This drawing has no link styles yet")) << seen;
    EXPECT_FALSE(contains(seen, "Current link style")) << seen;
}

}  // namespace
}  // namespace vteditor

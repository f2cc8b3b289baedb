// The block, colour and mirror commands typed through the command line as vthost runs them:
// ATTDEF, BLOCK and INSERT end to end (attributes in the definitions' order, placed by the
// reference's transform, and a block-attribute label of the object library writing into them),
// CECOLOR's values and the colour new entities take, copies that own their attributes, and the
// names BLOCK refuses.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "HostTestSupport.h"
#include "SampleLinks.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "ap/DocumentState.h"
#include "db/AcDbSymbolTable.h"
#include "ed/CommandLine.h"
#include "ed/CommandRunner.h"
#include "ed/SystemVariables.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbCircle.h"
#include "ent/AcDbObjectIterator.h"
#include "modifiers/ContentModifiers.h"
#include "program/BlockNames.h"
#include "program/HostCommands.h"
#include "readers/PropertyReaders.h"
#include "ut/AcUtil.h"

namespace {

using vthost::commandLine;
using vthost::CommandOutcome;

std::string handleText(AcDbObjectId id) {
    char text[16];
    std::snprintf(text, sizeof text, "#%X", id.rawHandle());
    return text;
}

AcDbObjectId lastEntity(AcDbDatabase& db) {
    AcDbBlockTableRecord* space = nullptr;
    AcDbObjectId last;
    if (acdbOpenObject(space, db.modelSpaceId(), AcDb::kForRead) != Acad::eOk) return last;
    if (!space->entityIds().empty()) last = space->entityIds().back();
    space->close();
    return last;
}

struct AttributeSeen {
    std::string tag, value;
    bool invisible = false;
    AcGePoint3d position;
    bool erased = false;
};

std::vector<AttributeSeen> attributesOf(AcDbObjectId referenceId, bool withErased = false) {
    std::vector<AttributeSeen> seen;
    AcDbBlockReference* reference = nullptr;
    if (acdbOpenObject(reference, referenceId, AcDb::kForRead, withErased) != Acad::eOk) return seen;
    AcDbObjectIterator* it = reference->attributeIterator();
    for (it->start(); !it->done(); it->step(false, !withErased)) {
        AcDbAttribute* attribute = nullptr;
        if (acdbOpenObject(attribute, it->objectId(), AcDb::kForRead, true) != Acad::eOk) continue;
        char* tag = attribute->tag();
        char* value = attribute->textString();
        seen.push_back({tag, value, static_cast<bool>(attribute->isInvisible()), attribute->position(),
                        static_cast<bool>(attribute->isErased())});
        acutDelString(tag), acutDelString(value);
        attribute->close();
    }
    delete it;
    reference->close();
    return seen;
}

class BlockCommands : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = [] {
            vthost::registerHostCommands();
            return true;
        }();
        (void)registered;
        commandLine().reset();
        doc = vthost::newDrawing();
    }
    void TearDown() override {
        while (acDocManager->documentCount() > 0) vthost::closeDrawing(acDocManager->documents().back());
        commandLine().reset();
    }
    // Runs the command with its answers; the outcome.
    CommandOutcome type(const std::string& name, const std::vector<std::string>& answers) {
        for (const std::string& line : answers) commandLine().queue(line);
        CommandOutcome outcome = vthost::runCommand(name);
        output.take();
        return outcome;
    }
    std::string currentColor() {
        resbuf value{};
        if (acedGetVar("CECOLOR", &value) != RTNORM || value.restype != RTSTR) return "?";
        std::string text = value.resval.rstring;
        std::free(value.resval.rstring);
        return text;
    }
    int setColor(const char* text) {
        resbuf value{};
        value.restype = RTSTR;
        value.resval.rstring = const_cast<char*>(text);
        return acedSetVar("CECOLOR", &value);
    }
    Adesk::UInt16 colorOf(AcDbObjectId id) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk) return 999;
        Adesk::UInt16 color = entity->colorIndex();
        entity->close();
        return color;
    }
    // A DOOR block of two attribute definitions: ROOM (invisible) at the base, AREA 2 below.
    void defineDoor() {
        ASSERT_EQ(type("ATTDEF", {"I", "", "room", "Room name?", "Office", "0,0", "1", "0"}), CommandOutcome::kEnded);
        AcDbObjectId room = lastEntity(*doc->database());
        ASSERT_EQ(type("ATTDEF", {"", "AREA", "Floor area?", "12", "0,-2", "1", "0"}), CommandOutcome::kEnded);
        AcDbObjectId area = lastEntity(*doc->database());
        ASSERT_EQ(type("BLOCK", {"DOOR", "0,0", handleText(room), handleText(area), ""}), CommandOutcome::kEnded);
        EXPECT_TRUE(room.isErased() && area.isErased()) << "the definitions left the drawing for the block";
    }

    vthost::test::OutputCapture output;
    AcApDocument* doc = nullptr;
};

TEST_F(BlockCommands, InsertAsksEachDefinitionAndPlacesAttributesByTheReferenceTransform) {
    defineDoor();
    ASSERT_EQ(type("INSERT", {"DOOR", "100,50", "2", "", "90", "Kitchen", ""}), CommandOutcome::kEnded);
    AcDbObjectId reference = lastEntity(*doc->database());
    std::vector<AttributeSeen> seen = attributesOf(reference);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].tag, "ROOM");
    EXPECT_EQ(seen[0].value, "Kitchen");
    EXPECT_TRUE(seen[0].invisible);
    EXPECT_EQ(seen[1].tag, "AREA");
    EXPECT_EQ(seen[1].value, "12") << "Enter takes the default";
    EXPECT_FALSE(seen[1].invisible);
    // (0,-2) scaled by 2 and turned a quarter about the insertion point.
    EXPECT_NEAR(seen[1].position.x, 104.0, 1e-9);
    EXPECT_NEAR(seen[1].position.y, 50.0, 1e-9);

    // U takes the reference and its attributes back together.
    ASSERT_EQ(type("U", {}), CommandOutcome::kEnded);
    EXPECT_TRUE(reference.isErased());
    for (const AttributeSeen& attribute : attributesOf(reference, true)) EXPECT_TRUE(attribute.erased);
}

TEST_F(BlockCommands, BlockAttributeLabelsWriteIntoInsertedReferences) {
    defineDoor();
    ASSERT_EQ(type("INSERT", {"DOOR", "0,0", "", "", "", "Hall", ""}), CommandOutcome::kEnded);
    AcDbDatabase& db = *doc->database();
    AcDbObjectId reference = lastEntity(db);
    AcDbObjectId room = vtsample::addRoom(db, 4, 3);
    auto* modifier = new AcBlockModifier();
    modifier->setAttribName("area");
    AcDbObjectId style = vtsample::addStyle(db, "Area", new AcAreaReader(), modifier, "%PROPERTY");
    ASSERT_FALSE(vtsample::storeLink(room, reference, style).isNull());
    std::vector<AttributeSeen> seen = attributesOf(reference);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].value, "Hall") << "only the attribute with the tag is written";
    EXPECT_EQ(seen[1].value.substr(0, 2), "12") << seen[1].value;
    EXPECT_NE(seen[1].value, "12") << "the area label has written the room's area";
}

TEST_F(BlockCommands, RedefiningAskedAndUndoneAndBadNamesRefused) {
    defineDoor();
    AcDbObjectId line = vtsample::addToModelSpace(*doc->database(), new AcDbCircle(AcGePoint3d(0, 0, 0), 1));
    EXPECT_EQ(type("BLOCK", {"DOOR", "No"}), CommandOutcome::kEnded);
    EXPECT_FALSE(line.isErased());
    ASSERT_EQ(type("BLOCK", {"door", "Yes", "0,0", handleText(line), ""}), CommandOutcome::kEnded);
    EXPECT_TRUE(line.isErased());
    ASSERT_EQ(type("INSERT", {"DOOR", "0,0", "", "", ""}), CommandOutcome::kEnded);
    EXPECT_TRUE(attributesOf(lastEntity(*doc->database())).empty()) << "the new definition has no attributes";
    ASSERT_EQ(type("U", {}), CommandOutcome::kEnded);
    ASSERT_EQ(type("U", {}), CommandOutcome::kEnded);
    EXPECT_FALSE(line.isErased());
    ASSERT_EQ(type("INSERT", {"DOOR", "0,0", "", "", "", "", ""}), CommandOutcome::kEnded);
    EXPECT_EQ(attributesOf(lastEntity(*doc->database())).size(), 2u) << "undo gave the old definition back";

    for (const char* name : {"", "*U2", "a/b", "x=y", "   "})
        EXPECT_FALSE(vthost::blockNameProblem(name).empty()) << "'" << name << "'";
    EXPECT_FALSE(vthost::blockNameProblem(std::string(256, 'B')).empty());
    for (const char* name : {"DOOR", "Door 2", "A-1_b$", "\xC3\x84rm"})
        EXPECT_TRUE(vthost::blockNameProblem(name).empty()) << name;
    EXPECT_TRUE(vthost::blockNameProblem(std::string(255, 'B')).empty());
}

TEST_F(BlockCommands, CopiesAndMirrorImagesOwnTheirAttributes) {
    defineDoor();
    ASSERT_EQ(type("INSERT", {"DOOR", "0,0", "", "", "", "A", "1"}), CommandOutcome::kEnded);
    AcDbObjectId source = lastEntity(*doc->database());
    ASSERT_EQ(type("COPY", {handleText(source), "", "0,0", "10,0"}), CommandOutcome::kEnded);
    AcDbObjectId copy = lastEntity(*doc->database());
    ASSERT_EQ(type("MIRROR", {handleText(source), "", "0,-10", "1,-10", ""}), CommandOutcome::kEnded);
    AcDbObjectId image = lastEntity(*doc->database());
    ASSERT_EQ(type("ERASE", {handleText(source), ""}), CommandOutcome::kEnded);
    for (AcDbObjectId id : {copy, image}) {
        std::vector<AttributeSeen> seen = attributesOf(id);
        ASSERT_EQ(seen.size(), 2u) << "erasing the source left the copy's attributes alone";
        EXPECT_EQ(seen[0].value, "A");
    }
    EXPECT_NEAR(attributesOf(copy)[1].position.x, 10.0, 1e-9);
    EXPECT_NEAR(attributesOf(image)[1].position.y, -18.0, 1e-9);
}

TEST_F(BlockCommands, CurrentColorIsCheckedKeptInTheDrawingAndTakenByNewEntities) {
    EXPECT_EQ(currentColor(), "BYLAYER");
    struct Case {
        const char* typed;
        const char* stored;
    };
    for (Case c : {Case{"red", "1"}, Case{"White", "7"}, Case{"bylayer", "BYLAYER"}, Case{"ByBlock", "BYBLOCK"},
                   Case{"255", "255"}, Case{"007", "7"}}) {
        EXPECT_EQ(setColor(c.typed), RTNORM) << c.typed;
        EXPECT_EQ(currentColor(), c.stored) << c.typed;
    }
    for (const char* bad : {"", "0", "256", "-1", "12x", "purple", "1.5", "1000"}) {
        EXPECT_EQ(setColor(bad), RTERROR) << "'" << bad << "'";
        EXPECT_EQ(currentColor(), "7") << bad;
    }
    resbuf number{};
    number.restype = RTSHORT;
    number.resval.rint = 3;
    EXPECT_EQ(acedSetVar("CECOLOR", &number), RTERROR) << "CECOLOR is a text";

    ASSERT_EQ(type("COLOR", {"blue"}), CommandOutcome::kEnded);
    ASSERT_EQ(type("CIRCLE", {"0,0", "1"}), CommandOutcome::kEnded);
    AcDbObjectId circle = lastEntity(*doc->database());
    EXPECT_EQ(colorOf(circle), 5);
    ASSERT_EQ(type("COLOR", {"BYBLOCK"}), CommandOutcome::kEnded);
    ASSERT_EQ(type("COPY", {handleText(circle), "", "0,0", "5,0"}), CommandOutcome::kEnded);
    EXPECT_EQ(colorOf(lastEntity(*doc->database())), 5) << "a copy keeps its colour";
    ASSERT_EQ(type("LINE", {"0,0", "1,0", ""}), CommandOutcome::kEnded);
    EXPECT_EQ(colorOf(lastEntity(*doc->database())), 0);
    ASSERT_EQ(type("U", {}), CommandOutcome::kEnded);
    ASSERT_EQ(type("U", {}), CommandOutcome::kEnded);
    ASSERT_EQ(type("U", {}), CommandOutcome::kEnded);
    EXPECT_EQ(currentColor(), "5") << "U takes COLOR back";
}

}  // namespace

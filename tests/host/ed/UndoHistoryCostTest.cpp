// The command-level undo history on containers: recording a command that appends to a large model
// space copies the container's own fields, not its entries; undo, redo and undo again put the
// entries back exactly (order included), in model space and in a dictionary; and a REDO after
// undoing several groups at once brings every one of them back. Header variables a group changed
// go back with it, while those changed outside any group stay.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostTestSupport.h"
#include "ap/UndoHistory.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbSymbolTable.h"
#include "ent/AcDbLine.h"

namespace vthost::test {
namespace {

constexpr int kLargeModelSpace = 10000;

AcDbObjectId appendLine(AcDbDatabase& db, double x) {
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    auto* line = new AcDbLine(AcGePoint3d(x, 0, 0), AcGePoint3d(x, 1, 0));
    AcDbObjectId id;
    space->appendAcDbEntity(id, line);
    line->close();
    space->close();
    return id;
}

std::vector<AcDbObjectId> modelSpace(AcDbDatabase& db) {
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForRead), Acad::eOk);
    std::vector<AcDbObjectId> ids = space->entityIds();
    space->close();
    return ids;
}

bool isErased(AcDbObjectId id) {
    AcDbObject* object = nullptr;
    if (acdbOpenObject(object, id, AcDb::kForRead, true) != Acad::eOk) return false;
    bool erased = object->isErased();
    object->close();
    return erased;
}

class UndoHistoryOnContainers : public ::testing::Test {
protected:
    AcDbDatabase db;
    UndoHistory history{&db};
};

TEST_F(UndoHistoryOnContainers, AppendToLargeModelSpaceRecordsOnlyItsHeadAndUndoesAndRedoesExactly) {
    for (int i = 0; i < kLargeModelSpace; ++i) appendLine(db, i);
    const std::vector<AcDbObjectId> before = modelSpace(db);

    history.beginGroup("LINE");
    AcDbObjectId added = appendLine(db, -1);
    history.endGroup();
    // A whole copy of model space would hold 10,000 entries of at least four bytes each.
    EXPECT_LT(history.recordedBytes(), 1000u);
    std::vector<AcDbObjectId> after = modelSpace(db);
    ASSERT_EQ(after.size(), before.size() + 1);

    std::string name;
    ASSERT_TRUE(history.undoOne(name));
    EXPECT_EQ(name, "LINE");
    EXPECT_EQ(modelSpace(db), before);
    EXPECT_TRUE(isErased(added));

    std::vector<std::string> names;
    ASSERT_TRUE(history.redo(names));
    EXPECT_EQ(modelSpace(db), after);
    EXPECT_FALSE(isErased(added));

    ASSERT_TRUE(history.undoOne(name));
    EXPECT_EQ(modelSpace(db), before);
}

TEST_F(UndoHistoryOnContainers, RedoAfterUndoingSeveralGroupsBringsThemAllBackInOrder) {
    appendLine(db, 0);
    const std::vector<AcDbObjectId> start = modelSpace(db);
    for (const char* command : {"LINE", "COPY", "CIRCLE"}) {
        history.beginGroup(command);
        appendLine(db, 1);
        appendLine(db, 2);
        history.endGroup();
    }
    const std::vector<AcDbObjectId> end = modelSpace(db);

    EXPECT_EQ(history.undoMany(5), (std::vector<std::string>{"CIRCLE", "COPY", "LINE"}));
    EXPECT_EQ(modelSpace(db), start);
    std::vector<std::string> names;
    ASSERT_TRUE(history.redo(names));
    EXPECT_EQ(names, (std::vector<std::string>{"LINE", "COPY", "CIRCLE"}));
    EXPECT_EQ(modelSpace(db), end);
    EXPECT_EQ(history.groupCount(), 3u);
}

TEST_F(UndoHistoryOnContainers, DictionaryEntriesComeBackWithUndoAndGoAgainWithRedo) {
    AcDbDictionary* named = nullptr;
    ASSERT_EQ(db.getNamedObjectsDictionary(named, AcDb::kForWrite), Acad::eOk);
    AcDbObjectId kept;
    auto* keptEntry = new AcDbDictionary();
    named->setAt("KEPT", keptEntry, kept);
    keptEntry->close();
    named->close();

    history.beginGroup("RENAME");
    ASSERT_EQ(db.getNamedObjectsDictionary(named, AcDb::kForWrite), Acad::eOk);
    ASSERT_TRUE(named->setName("KEPT", "RENAMED"));
    named->close();
    history.endGroup();

    auto entryOf = [&](const char* key) {
        AcDbDictionary* dictionary = nullptr;
        db.getNamedObjectsDictionary(dictionary, AcDb::kForRead);
        AcDbObjectId id;
        dictionary->getAt(key, id);
        dictionary->close();
        return id;
    };
    std::string name;
    ASSERT_TRUE(history.undoOne(name));
    EXPECT_EQ(entryOf("KEPT"), kept);
    EXPECT_TRUE(entryOf("RENAMED").isNull());
    std::vector<std::string> names;
    ASSERT_TRUE(history.redo(names));
    EXPECT_TRUE(entryOf("KEPT").isNull());
    EXPECT_EQ(entryOf("RENAMED"), kept);
}

TEST_F(UndoHistoryOnContainers, GroupThatOpenedModelSpaceWithoutChangingItIsDropped) {
    for (int i = 0; i < 100; ++i) appendLine(db, i);
    history.beginGroup("LIST");
    AcDbBlockTableRecord* space = nullptr;
    ASSERT_EQ(acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    space->close();
    history.endGroup();
    EXPECT_EQ(history.groupCount(), 0u);
}

TEST_F(UndoHistoryOnContainers, HeaderVariablesTheGroupChangedComeBackAndOthersStay) {
    history.beginGroup("TEXT");
    ASSERT_TRUE(db.headerVariables().set("TEXTSIZE", 1.0));
    history.endGroup();
    ASSERT_TRUE(db.headerVariables().set("LUPREC", short{2}));  // SETVAR runs outside any group

    std::string name;
    ASSERT_TRUE(history.undoOne(name));
    EXPECT_EQ(*db.headerVariables().find("TEXTSIZE"), HeaderValue(2.5));
    EXPECT_EQ(db.headerVariables().getShort("LUPREC", 0), 2);
    std::vector<std::string> names;
    ASSERT_TRUE(history.redo(names));
    EXPECT_EQ(*db.headerVariables().find("TEXTSIZE"), HeaderValue(1.0));
}

}  // namespace
}  // namespace vthost::test

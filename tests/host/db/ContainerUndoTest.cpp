// Undo of containers (dictionaries, the block table, block table records): cancel and transaction
// abort put every entry back exactly, in order and with the container's own fields, although the
// container only logged its entry changes; and what a write open costs does not grow with the
// container.
#include <string>

#include "DbTestSupport.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbSymbolTable.h"
#include "db/AcDbTransactionManager.h"
#include "db/ObjectAccess.h"
#include "db/TransactionAccess.h"
#include "db/UndoRecord.h"
#include "ut/AcUtil.h"
#include "db/AcDbEntity.h"

namespace vthost::test {
namespace {

class ContainerUndoTest : public DbTest {
protected:
    AcDbTransactionManager* tm() { return db->transactionManager(); }

    AcDbObjectId append(AcDbBlockTableRecord* space) {
        auto* entity = new VtTestEntity();
        AcDbObjectId id;
        EXPECT_EQ(space->appendAcDbEntity(id, entity), Acad::eOk);
        entity->close();
        return id;
    }
    // Appends n entities to model space, each in its own open.
    std::vector<AcDbObjectId> appendEach(int n) {
        std::vector<AcDbObjectId> ids;
        for (int i = 0; i < n; ++i) {
            auto* space = open<AcDbBlockTableRecord>(db->modelSpaceId(), AcDb::kForWrite);
            ids.push_back(append(space));
            space->close();
        }
        return ids;
    }
    std::vector<AcDbObjectId> modelSpace() {
        auto* space = open<AcDbBlockTableRecord>(db->modelSpaceId(), AcDb::kForRead);
        std::vector<AcDbObjectId> ids = space->entityIds();
        space->close();
        return ids;
    }

    // A dictionary in the named objects with entries A, B, C (added in that order).
    AcDbObjectId addDictionary() {
        auto* named = open<AcDbDictionary>(db->namedObjectsDictionaryId(), AcDb::kForWrite);
        auto* dictionary = new AcDbDictionary();
        AcDbObjectId id;
        EXPECT_EQ(named->setAt("TEST", dictionary, id), Acad::eOk);
        named->close();
        for (const char* key : {"C", "A", "B"}) setAt(dictionary, key);
        dictionary->close();
        return id;
    }
    AcDbObjectId setAt(AcDbDictionary* dictionary, const char* key) {
        auto* entry = new VtTestObject();
        AcDbObjectId id;
        EXPECT_EQ(dictionary->setAt(key, entry, id), Acad::eOk);
        entry->close();
        return id;
    }
    // "key=handle key=handle ..." in the iteration order asked for, and the treat-as-hard flag.
    std::string dump(AcDbObjectId id, AcRx::DictIterType type = AcRx::kDictSorted) {
        auto* dictionary = open<AcDbDictionary>(id, AcDb::kForRead);
        std::string text = dictionary->isTreatElementsAsHard() ? "hard:" : "soft:";
        AcDbDictionaryIterator* it = dictionary->newIterator(type);
        for (; !it->done(); it->next())
            text += std::string(" ") + it->name() + "=" + std::to_string(it->objectId().rawHandle());
        delete it;
        dictionary->close();
        return text;
    }
    // Every kind of entry change, and a change to the dictionary's own fields, in one open.
    void changeEverything(AcDbDictionary* dictionary) {
        setAt(dictionary, "D");
        setAt(dictionary, "A");  // replaces A's object
        EXPECT_EQ(dictionary->remove("C"), Acad::eOk);
        EXPECT_TRUE(dictionary->setName("B", "Z"));
        setAt(dictionary, "*X");
        dictionary->setTreatElementsAsHard(true);
    }
};

TEST_F(ContainerUndoTest, CancelPutsBackEveryKindOfDictionaryChange) {
    AcDbObjectId id = addDictionary();
    std::string sorted = dump(id), collated = dump(id, AcRx::kDictCollated);
    auto* dictionary = open<AcDbDictionary>(id, AcDb::kForWrite);
    changeEverything(dictionary);
    EXPECT_EQ(dictionary->cancel(), Acad::eOk);
    EXPECT_EQ(dump(id), sorted);
    EXPECT_EQ(dump(id, AcRx::kDictCollated), collated) << "insertion order survives too";

    dictionary = open<AcDbDictionary>(id, AcDb::kForWrite);
    AcDbObjectId anonymous = setAt(dictionary, "*X");
    dictionary->close();
    char* name = nullptr;
    dictionary = open<AcDbDictionary>(id, AcDb::kForRead);
    EXPECT_EQ(dictionary->nameAt(anonymous, name), Acad::eOk);
    EXPECT_STREQ(name, "*A2") << "the cancelled *A1 is not handed out again";
    acutDelString(name);
    dictionary->close();
}

TEST_F(ContainerUndoTest, AbortPutsBackDictionaryChangedInSeveralOpens) {
    AcDbObjectId id = addDictionary();
    auto* reactor = peek<VtTestReactor>(addReactor(AcDbObjectId::kNull, {id}));
    std::string before = dump(id);
    tm()->startTransaction();
    auto* dictionary = open<AcDbDictionary>(id, AcDb::kForWrite);
    changeEverything(dictionary);
    dictionary->close();
    dictionary = open<AcDbDictionary>(id, AcDb::kForWrite);
    setAt(dictionary, "Q");
    EXPECT_EQ(dictionary->cancel(), Acad::eOk) << "a cancel in between";
    dictionary = open<AcDbDictionary>(id, AcDb::kForWrite);
    EXPECT_EQ(dictionary->remove("A"), Acad::eOk);
    EXPECT_TRUE(dictionary->setName("Z", "Y"));
    dictionary->setTreatElementsAsHard(false);
    dictionary->close();
    reactor->resetCounters();
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(dump(id), before);
    EXPECT_EQ(reactor->undoneCount, 1);
    EXPECT_EQ(reactor->modifiedCount, 0);
}

TEST_F(ContainerUndoTest, CancelAndAbortPutBackModelSpace) {
    std::vector<AcDbObjectId> base = appendEach(3);
    auto* space = open<AcDbBlockTableRecord>(db->modelSpaceId(), AcDb::kForWrite);
    append(space);
    EXPECT_EQ(space->setName("*RENAMED"), Acad::eOk);
    EXPECT_EQ(space->cancel(), Acad::eOk);
    EXPECT_EQ(modelSpace(), base);
    space = open<AcDbBlockTableRecord>(db->modelSpaceId(), AcDb::kForRead);
    EXPECT_TRUE(space->isLayout()) << "name restored";
    space->close();

    tm()->startTransaction();
    appendEach(5);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(modelSpace(), base);
}

// The transaction starts while the container is already open and changed: its abort takes back
// only what came after its start, the cancel the rest.
TEST_F(ContainerUndoTest, TransactionStartedInsideAnOpenUndoesOnlyItsPart) {
    std::vector<AcDbObjectId> base = appendEach(2);
    auto* space = open<AcDbBlockTableRecord>(db->modelSpaceId(), AcDb::kForWrite);
    std::vector<AcDbObjectId> early = base;
    early.push_back(append(space));
    tm()->startTransaction();
    append(space);
    EXPECT_EQ(space->setName("*RENAMED"), Acad::eOk);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(space->entityIds(), early);
    EXPECT_TRUE(space->isLayout());
    EXPECT_EQ(space->cancel(), Acad::eOk);
    EXPECT_EQ(modelSpace(), base);
}

TEST_F(ContainerUndoTest, NestedTransactions) {
    std::vector<AcDbObjectId> base = appendEach(1);
    tm()->startTransaction();
    std::vector<AcDbObjectId> outer = base;
    for (AcDbObjectId id : appendEach(2)) outer.push_back(id);
    tm()->startTransaction();
    appendEach(2);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(modelSpace(), outer) << "the inner abort keeps the outer's appends";
    tm()->startTransaction();
    appendEach(2);
    EXPECT_EQ(tm()->endTransaction(), Acad::eOk);
    EXPECT_EQ(modelSpace().size(), outer.size() + 2);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(modelSpace(), base) << "the outer abort also takes back what the inner ended";
}

TEST_F(ContainerUndoTest, AbortPutsBackTheBlockTable) {
    auto* table = open<AcDbBlockTable>(db->blockTableId(), AcDb::kForRead);
    std::vector<AcDbObjectId> before = table->recordIds();
    table->close();
    tm()->startTransaction();
    for (const char* name : {"DOOR", "WINDOW"}) {
        table = open<AcDbBlockTable>(db->blockTableId(), AcDb::kForWrite);
        auto* record = new AcDbBlockTableRecord();
        record->setName(name);
        EXPECT_EQ(table->add(record), Acad::eOk);
        record->close();
        table->close();
    }
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    table = open<AcDbBlockTable>(db->blockTableId(), AcDb::kForRead);
    EXPECT_EQ(table->recordIds(), before);
    EXPECT_FALSE(table->has("DOOR"));
    table->close();
}

// What a write open of a container copies is its own fields, the same for 10 entries as for 1,000;
// an object opened for write and closed unchanged copies nothing, and an abort has nothing to tell
// it.
TEST_F(ContainerUndoTest, WriteOpenCostDoesNotGrowWithTheContainer) {
    auto copiedByAppend = [&] {
        auto* space = open<AcDbBlockTableRecord>(db->modelSpaceId(), AcDb::kForWrite);
        append(space);
        const UndoRecord* record = ObjectAccess::openRecord(space);
        std::size_t bytes = record ? record->copiedBytes() : 0;
        space->close();
        return bytes;
    };
    appendEach(9);
    std::size_t small = copiedByAppend();
    appendEach(990);
    EXPECT_GT(small, 0u);
    EXPECT_EQ(copiedByAppend(), small);

    AcDbObjectId id = add(1);
    auto* reactor = peek<VtTestReactor>(addReactor(AcDbObjectId::kNull, {id}));
    tm()->startTransaction();
    AcDbObject* object = open(id, AcDb::kForWrite);
    EXPECT_EQ(ObjectAccess::openRecord(object), nullptr);
    object->close();
    AcDbObject* viaTransaction = nullptr;
    EXPECT_EQ(tm()->getObject(viaTransaction, id, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(reactor->undoneCount, 0);
    EXPECT_EQ(valueOf(id), 1);
}

// One record per open serves cancel and the transaction's abort alike.
TEST_F(ContainerUndoTest, OpenAndTransactionShareOneRecord) {
    AcDbObjectId id = add(1);
    tm()->startTransaction();
    auto* object = open<VtTestObject>(id, AcDb::kForWrite);
    object->setValue(2);
    const UndoRecord* record = ObjectAccess::openRecord(object);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(TransactionAccess::recordOf(tm(), object), record);
    object->close();
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(valueOf(id), 1);
}

// Fault pinned here: a change that marked the object modified without undo (graphics only) came
// first, so the later real change took no copy and cancel kept it.
TEST_F(ContainerUndoTest, CancelAfterAGraphicsOnlyChangeStillRestores) {
    auto* space = open<AcDbBlockTableRecord>(db->modelSpaceId(), AcDb::kForWrite);
    AcDbObjectId id = append(space);
    space->close();
    auto* entity = open<AcDbEntity>(id, AcDb::kForWrite);
    entity->recordGraphicsModified();
    EXPECT_EQ(entity->setLayer("WALLS"), Acad::eOk);
    EXPECT_EQ(entity->cancel(), Acad::eOk);
    entity = open<AcDbEntity>(id, AcDb::kForRead);
    char* layer = entity->layer();
    EXPECT_STREQ(layer, "0");
    acutDelString(layer);
    entity->close();
}

}  // namespace
}  // namespace vthost::test

// Transactions: the stack, commit at the outermost end, and abort restoring every change made
// since the transaction began (through it or through open/close) and removing what was added.
#include "DbTestSupport.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbTransactionManager.h"

namespace vthost::test {
namespace {

class TransactionTest : public DbTest {
protected:
    AcDbTransactionManager* tm() { return db->transactionManager(); }
    VtTestObject* get(AcDbObjectId id, AcDb::OpenMode mode) {
        AcDbObject* object = nullptr;
        EXPECT_EQ(tm()->getObject(object, id, mode), Acad::eOk);
        return VtTestObject::cast(object);
    }
};

TEST_F(TransactionTest, StackOfTransactions) {
    EXPECT_EQ(tm()->endTransaction(), Acad::eNoActiveTransactions);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eNoActiveTransactions);
    AcDbObject* object = nullptr;
    EXPECT_EQ(tm()->getObject(object, add(), AcDb::kForRead), Acad::eNoActiveTransactions);

    AcTransaction* outer = tm()->startTransaction();
    AcTransaction* inner = tm()->startTransaction();
    EXPECT_EQ(tm()->numActiveTransactions(), 2);
    EXPECT_EQ(tm()->topTransaction(), inner);
    EXPECT_EQ(tm()->endTransaction(), Acad::eOk);
    EXPECT_EQ(tm()->topTransaction(), outer);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(tm()->topTransaction(), nullptr);
}

TEST_F(TransactionTest, GetObjectTwiceAndCommitClosesWithNotifications) {
    AcDbObjectId id = add(1);
    auto* reactor = peek<VtTestReactor>(addReactor(AcDbObjectId::kNull, {id}));
    tm()->startTransaction();
    VtTestObject* read = get(id, AcDb::kForRead);
    VtTestObject* written = get(id, AcDb::kForWrite);
    EXPECT_EQ(read, written);
    EXPECT_EQ(get(id, AcDb::kForRead), written) << "a repeated get in any mode succeeds";
    EXPECT_TRUE(written->isTransactionResident());
    written->setValue(2);
    EXPECT_EQ(reactor->modifiedCount, 0);
    EXPECT_EQ(tm()->endTransaction(), Acad::eOk);
    EXPECT_EQ(reactor->modifiedCount, 1) << "modified is sent at commit";
    EXPECT_FALSE(written->isReadEnabled()) << "the transaction closed the object";
    EXPECT_EQ(valueOf(id), 2);
}

TEST_F(TransactionTest, AbortRestoresChangesMadeThroughOpenCloseAndThroughIt) {
    AcDbObjectId id = add(1);
    AcDbObjectId other = add(5);
    auto* watcher = peek<VtTestReactor>(addReactor(AcDbObjectId::kNull, {id}));
    tm()->startTransaction();
    setValue(id, 2);
    setValue(id, 3);
    VtTestObject* viaTransaction = get(other, AcDb::kForWrite);
    viaTransaction->setValue(6);
    viaTransaction->setLink(id);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(valueOf(id), 1);
    EXPECT_EQ(valueOf(other), 5);
    EXPECT_FALSE(viaTransaction->isReadEnabled());
    EXPECT_EQ(watcher->modifiedCount, 2);
    EXPECT_EQ(watcher->undoneCount, 1) << "the restored object says so once, not modified again";
}

TEST_F(TransactionTest, AbortRemovesObjectsAddedSinceTheStart) {
    tm()->startTransaction();
    AcDbObjectId added = add(1);
    auto* viaTransaction = new VtTestObject(2);
    AcDbObjectId registered;
    ASSERT_EQ(db->addAcDbObject(registered, viaTransaction), Acad::eOk);
    EXPECT_EQ(tm()->addNewlyCreatedDBRObject(viaTransaction), Acad::eOk);
    EXPECT_EQ(tm()->addNewlyCreatedDBRObject(peek(db->modelSpaceId())), Acad::eNotNewlyCreated);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    for (AcDbObjectId id : {added, registered}) {
        AcDbObject* object = nullptr;
        EXPECT_EQ(acdbOpenAcDbObject(object, id, AcDb::kForRead, true), Acad::ePermanentlyErased);
        EXPECT_TRUE(id.isErased());
    }
    EXPECT_GT(add().rawHandle(), registered.rawHandle()) << "handles are not handed out again";
}

TEST_F(TransactionTest, AbortRestoresDictionaryEntries) {
    AcDbObjectId namedId = db->namedObjectsDictionaryId();
    auto* named = open<AcDbDictionary>(namedId, AcDb::kForWrite);
    AcDbObjectId removedId, erasedId, freshId;
    for (auto [key, id] : {std::pair{"REMOVED", &removedId}, std::pair{"ERASED", &erasedId}}) {
        auto* entry = new VtTestObject();
        named->setAt(key, entry, *id);
        entry->close();
    }
    named->close();

    tm()->startTransaction();
    named = open<AcDbDictionary>(namedId, AcDb::kForWrite);
    auto* fresh = new VtTestObject();
    named->setAt("FRESH", fresh, freshId);
    fresh->close();
    EXPECT_EQ(named->remove("REMOVED"), Acad::eOk);
    named->close();
    get(erasedId, AcDb::kForWrite)->erase();
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);

    named = open<AcDbDictionary>(namedId, AcDb::kForRead);
    EXPECT_TRUE(named->has("REMOVED"));
    EXPECT_TRUE(named->has("ERASED"));
    EXPECT_FALSE(named->has("FRESH"));
    named->close();
    EXPECT_TRUE(freshId.isErased());
    EXPECT_FALSE(erasedId.isErased());
    AcDbObject* object = open(removedId, AcDb::kForRead);
    EXPECT_EQ(object->ownerId(), namedId) << "ownership is restored too";
    EXPECT_TRUE(object->hasPersistentReactor(namedId));
    object->close();
}

TEST_F(TransactionTest, InnerEndMergesSoTheOuterAbortUndoesIt) {
    AcDbObjectId id = add(1);
    tm()->startTransaction();
    tm()->startTransaction();
    get(id, AcDb::kForWrite)->setValue(2);
    AcDbObjectId added = add(3);
    EXPECT_EQ(tm()->endTransaction(), Acad::eOk);
    EXPECT_EQ(get(id, AcDb::kForRead)->value(), 2);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(valueOf(id), 1);
    EXPECT_TRUE(added.isErased());
}

// Faults pinned here: a transaction took an object's state from before its write open, so an
// abort also undid changes made before the transaction began (in the same open, or by the
// enclosing transaction); and an object the outer transaction had added was never recorded by
// the inner one, so the inner abort kept the inner's change to it.
TEST_F(TransactionTest, AbortUndoesOnlyWhatHappenedSinceItsStart) {
    AcDbObjectId early = add(1);
    AcDbObjectId outerChanged = add(1);
    auto* held = open<VtTestObject>(early, AcDb::kForWrite);
    held->setValue(2);
    tm()->startTransaction();
    held->setValue(3);
    get(outerChanged, AcDb::kForWrite)->setValue(2);
    AcDbObjectId outerAdded = add(1);
    tm()->startTransaction();
    get(outerChanged, AcDb::kForWrite)->setValue(3);
    setValue(outerAdded, 2);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(get(outerChanged, AcDb::kForRead)->value(), 2);
    EXPECT_EQ(get(outerAdded, AcDb::kForRead)->value(), 1);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(held->value(), 2);
    held->close();
    EXPECT_EQ(valueOf(outerChanged), 1);
    EXPECT_TRUE(outerAdded.isErased());
}

}  // namespace
}  // namespace vthost::test

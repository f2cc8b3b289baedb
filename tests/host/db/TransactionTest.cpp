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
    EXPECT_EQ(tm()->numActiveTransactions(), 0);
    EXPECT_EQ(tm()->topTransaction(), nullptr);
    EXPECT_EQ(tm()->endTransaction(), Acad::eNoActiveTransactions);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eNoActiveTransactions);
    AcDbObject* object = nullptr;
    EXPECT_EQ(tm()->getObject(object, add(), AcDb::kForRead), Acad::eNoActiveTransactions);

    AcTransaction* outer = tm()->startTransaction();
    AcTransaction* inner = tm()->startTransaction();
    EXPECT_NE(outer, inner);
    EXPECT_EQ(tm()->numActiveTransactions(), 2);
    EXPECT_EQ(tm()->topTransaction(), inner);
    EXPECT_EQ(tm()->endTransaction(), Acad::eOk);
    EXPECT_EQ(tm()->topTransaction(), outer);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(tm()->numActiveTransactions(), 0);
}

TEST_F(TransactionTest, GetObjectTwiceAndCommitClosesWithNotifications) {
    AcDbObjectId id = add(1);
    AcDbObjectId reactor = addReactor(AcDbObjectId::kNull, {id});
    tm()->startTransaction();
    VtTestObject* read = get(id, AcDb::kForRead);
    VtTestObject* written = get(id, AcDb::kForWrite);
    EXPECT_EQ(read, written);
    EXPECT_EQ(get(id, AcDb::kForRead), written) << "a repeated get in any mode succeeds";
    EXPECT_TRUE(written->isTransactionResident());
    written->setValue(2);
    AcDbObject* direct = nullptr;
    EXPECT_EQ(acdbOpenAcDbObject(direct, id, AcDb::kForRead), Acad::eWasOpenForWrite);
    EXPECT_EQ(tm()->endTransaction(), Acad::eOk);
    EXPECT_EQ(peek<VtTestReactor>(reactor)->modifiedCount, 1) << "modified is sent at commit";
    EXPECT_FALSE(written->isReadEnabled()) << "the transaction closed the object";
    EXPECT_EQ(valueOf(id), 2);
}

TEST_F(TransactionTest, AbortRestoresChangesMadeThroughOpenAndClose) {
    AcDbObjectId id = add(1);
    AcDbObjectId other = add(5);
    AcDbObjectId reactor = addReactor(AcDbObjectId::kNull, {id});
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
    auto* watcher = peek<VtTestReactor>(reactor);
    EXPECT_EQ(watcher->modifiedCount, 2);
    EXPECT_EQ(watcher->undoneCount, 1) << "the restored object says so once";
}

TEST_F(TransactionTest, AbortRemovesObjectsAddedSinceTheStart) {
    tm()->startTransaction();
    AcDbObjectId added = add(1);
    auto* viaTransaction = new VtTestObject(2);
    AcDbObjectId registered;
    ASSERT_EQ(db->addAcDbObject(registered, viaTransaction), Acad::eOk);
    EXPECT_EQ(tm()->addNewlyCreatedDBRObject(viaTransaction), Acad::eOk);
    EXPECT_EQ(tm()->addNewlyCreatedDBRObject(peek<AcDbObject>(db->modelSpaceId())),
              Acad::eNotNewlyCreated);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    for (AcDbObjectId id : {added, registered}) {
        AcDbObject* object = nullptr;
        EXPECT_EQ(acdbOpenAcDbObject(object, id, AcDb::kForRead, true), Acad::ePermanentlyErased);
        EXPECT_TRUE(id.isErased());
    }
    EXPECT_NE(add(3).rawHandle(), added.rawHandle()) << "handles are not handed out again";
}

TEST_F(TransactionTest, AbortRestoresDictionaryEntries) {
    AcDbDictionary* named = nullptr;
    ASSERT_EQ(db->getNamedObjectsDictionary(named, AcDb::kForWrite), Acad::eOk);
    auto* kept = new VtTestObject(1);
    AcDbObjectId keptId;
    named->setAt("KEPT", kept, keptId);
    kept->close();
    named->close();

    tm()->startTransaction();
    ASSERT_EQ(db->getNamedObjectsDictionary(named, AcDb::kForWrite), Acad::eOk);
    auto* fresh = new VtTestObject(2);
    AcDbObjectId freshId;
    named->setAt("FRESH", fresh, freshId);
    fresh->close();
    EXPECT_EQ(named->remove("KEPT"), Acad::eOk);
    named->close();
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);

    ASSERT_EQ(db->getNamedObjectsDictionary(named, AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(named->has("KEPT"));
    EXPECT_FALSE(named->has("FRESH"));
    named->close();
    EXPECT_TRUE(freshId.isErased());
    AcDbObject* object = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(object, keptId, AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(object->ownerId(), db->namedObjectsDictionaryId()) << "ownership is restored too";
    EXPECT_TRUE(object->hasPersistentReactor(db->namedObjectsDictionaryId()));
    object->close();
}

TEST_F(TransactionTest, AbortUnerasesAndPutsTheErasedEntryBack) {
    AcDbDictionary* named = nullptr;
    ASSERT_EQ(db->getNamedObjectsDictionary(named, AcDb::kForWrite), Acad::eOk);
    auto* entry = new VtTestObject(1);
    AcDbObjectId entryId;
    named->setAt("ENTRY", entry, entryId);
    entry->close();
    named->close();

    tm()->startTransaction();
    get(entryId, AcDb::kForWrite)->erase();
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_FALSE(entryId.isErased());
    ASSERT_EQ(db->getNamedObjectsDictionary(named, AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(named->has(entryId));
    named->close();
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

// Fault pinned here: the inner transaction took the object's state from before its write open,
// which the outer transaction had made, so the inner abort also undid the outer's change.
TEST_F(TransactionTest, InnerAbortKeepsTheOuterChanges) {
    AcDbObjectId id = add(1);
    tm()->startTransaction();
    VtTestObject* object = get(id, AcDb::kForWrite);
    object->setValue(2);
    tm()->startTransaction();
    object->setValue(3);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(object->value(), 2);
    EXPECT_EQ(tm()->endTransaction(), Acad::eOk);
    EXPECT_EQ(valueOf(id), 2);
}

// Fault pinned here: an object added by the outer transaction was never recorded by the inner
// one, so the inner abort kept the inner's change to it.
TEST_F(TransactionTest, InnerAbortRestoresAnObjectTheOuterCreated) {
    tm()->startTransaction();
    AcDbObjectId id = add(1);
    tm()->startTransaction();
    setValue(id, 2);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(valueOf(id), 1);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_TRUE(id.isErased());
}

TEST_F(TransactionTest, ChangesBeforeTheStartSurviveTheAbort) {
    AcDbObjectId id = add(1);
    VtTestObject* object = nullptr;
    ASSERT_EQ(acdbOpenObject(object, id, AcDb::kForWrite), Acad::eOk);
    object->setValue(2);
    tm()->startTransaction();
    object->setValue(3);
    EXPECT_EQ(tm()->abortTransaction(), Acad::eOk);
    EXPECT_EQ(object->value(), 2);
    object->close();
}

TEST_F(TransactionTest, DeletingTheDatabaseAbortsWhatIsStillActive) {
    AcDbObjectId id = add(1);
    tm()->startTransaction();
    get(id, AcDb::kForWrite)->setValue(2);
    add(4);
    db.reset();
}

}  // namespace
}  // namespace vthost::test

// Notifications: persistent reactors (objects of the database, opened for notify for the call)
// and transient ones (C++ objects the caller owns).
#include "DbTestSupport.h"

namespace vthost::test {
namespace {

using NotificationTest = DbTest;

TEST_F(NotificationTest, PersistentReactorHearsOfChangesAtCloseAndOfErasureAtOnce) {
    AcDbObjectId watched = add(1);
    AcDbObjectId reactorId = addReactor(AcDbObjectId::kNull, {watched});
    auto* reactor = peek<VtTestReactor>(reactorId);

    VtTestObject* object = nullptr;
    ASSERT_EQ(acdbOpenObject(object, watched, AcDb::kForWrite), Acad::eOk);
    object->setValue(2);
    EXPECT_EQ(reactor->modifiedCount, 0) << "modified waits for the close";
    object->close();
    EXPECT_EQ(reactor->modifiedCount, 1);
    EXPECT_TRUE(reactor->notifyEnabledInCall) << "the reactor is open for notify during the call";
    EXPECT_FALSE(reactor->isNotifyEnabled()) << "and closed again after it";

    ASSERT_EQ(acdbOpenObject(object, watched, AcDb::kForWrite), Acad::eOk);
    object->close();
    ASSERT_EQ(acdbOpenObject(object, watched, AcDb::kForRead), Acad::eOk);
    object->close();
    EXPECT_EQ(reactor->modifiedCount, 1) << "nothing changed";

    ASSERT_EQ(acdbOpenObject(object, watched, AcDb::kForWrite), Acad::eOk);
    object->erase();
    EXPECT_EQ(reactor->erasedCount, 1) << "erased() comes from inside erase()";
    object->erase();
    object->erase(false);
    object->close();
    EXPECT_EQ(reactor->erasedCount, 1);
    EXPECT_EQ(reactor->unerasedCount, 1);
}

// Fault pinned here: an erase that changed nothing still marked the object modified, so its
// close sent openedForModify and modified.
TEST_F(NotificationTest, EraseThatChangesNothingSendsNothing) {
    AcDbObjectId id = add(1);
    AcDbObjectId reactorId = addReactor(AcDbObjectId::kNull, {id});
    EventLog log;
    AcDbObject* object = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(object, id, AcDb::kForWrite), Acad::eOk);
    object->addReactor(&log);
    EXPECT_EQ(object->erase(false), Acad::eOk);
    object->close();
    EXPECT_EQ(log.take(), "objectClosed ");
    EXPECT_EQ(peek<VtTestReactor>(reactorId)->modifiedCount, 0);
    ASSERT_EQ(acdbOpenAcDbObject(object, id, AcDb::kForWrite), Acad::eOk);
    object->removeReactor(&log);
    object->close();
}

TEST_F(NotificationTest, RemovedOrErasedReactorHearsNothing) {
    AcDbObjectId watched = add(1);
    AcDbObjectId kept = addReactor(AcDbObjectId::kNull, {watched});
    AcDbObjectId removed = addReactor(AcDbObjectId::kNull, {watched});
    AcDbObjectId erased = addReactor(AcDbObjectId::kNull, {watched});

    AcDbObject* object = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(object, erased, AcDb::kForWrite), Acad::eOk);
    object->erase();
    object->close();
    ASSERT_EQ(acdbOpenAcDbObject(object, watched, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(object->removePersistentReactor(removed), Acad::eOk);
    EXPECT_EQ(object->removePersistentReactor(removed), Acad::eKeyNotFound);
    EXPECT_EQ(object->persistentReactors().size(), 2u);
    object->close();
    for (AcDbObjectId id : {kept, removed, erased}) peek<VtTestReactor>(id)->resetCounters();

    setValue(watched, 2);
    EXPECT_EQ(peek<VtTestReactor>(kept)->modifiedCount, 1);
    EXPECT_EQ(peek<VtTestReactor>(removed)->modifiedCount, 0);
    EXPECT_EQ(peek<VtTestReactor>(erased)->modifiedCount, 0);
}

// A's reactor changes B; B's reactor tries to change A, which is still notifying: the open
// fails with eWasNotifying and the cycle ends there.
TEST_F(NotificationTest, CyclicReactorsEndBecauseANotifyingObjectCannotBeWritten) {
    AcDbObjectId a = add(10);
    AcDbObjectId b = add(20);
    AcDbObjectId reactorOfA = addReactor(b, {a});
    AcDbObjectId reactorOfB = addReactor(a, {b});

    setValue(a, 11);

    auto* first = peek<VtTestReactor>(reactorOfA);
    auto* second = peek<VtTestReactor>(reactorOfB);
    EXPECT_EQ(first->modifiedCount, 1);
    EXPECT_EQ(first->targetOpen, Acad::eOk);
    EXPECT_EQ(second->modifiedCount, 1);
    EXPECT_EQ(second->targetOpen, Acad::eWasNotifying);
    EXPECT_EQ(valueOf(a), 11);
    EXPECT_EQ(valueOf(b), 21);
}

TEST_F(NotificationTest, TransientReactorEvents) {
    AcDbObjectId id = add(1);
    EventLog log;
    VtTestObject* object = nullptr;
    ASSERT_EQ(acdbOpenObject(object, id, AcDb::kForRead), Acad::eOk);
    object->addReactor(&log);
    object->addReactor(&log);
    object->close();

    int valueSeen = 0;
    log.onModified = [&] { valueSeen = peek<VtTestObject>(id)->value(); };
    setValue(id, 2);
    EXPECT_EQ(log.take(), "openedForModify modified objectClosed ");
    EXPECT_EQ(valueSeen, 2) << "the notifier is readable during its notification";

    ASSERT_EQ(acdbOpenObject(object, id, AcDb::kForWrite), Acad::eOk);
    object->erase();
    object->close();
    EXPECT_EQ(log.take(), "openedForModify erased modified objectClosed ");

    db.reset();
    EXPECT_EQ(log.take(), "goodbye ");
}

TEST_F(NotificationTest, ReactorRemovedDuringItsCallIsSafe) {
    AcDbObjectId id = add(1);
    EventLog log;
    AcDbObject* object = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(object, id, AcDb::kForRead), Acad::eOk);
    object->addReactor(&log);
    object->close();
    log.onModified = [&] { object->removeReactor(&log); };
    setValue(id, 2);
    setValue(id, 3);
    EXPECT_EQ(log.take(), "openedForModify modified ");
}

}  // namespace
}  // namespace vthost::test

// Notifications: persistent reactors (objects of the database, opened for notify for the call)
// and transient ones (C++ objects the caller owns).
#include "DbTestSupport.h"

namespace vthost::test {
namespace {

using NotificationTest = DbTest;

TEST_F(NotificationTest, PersistentReactorHearsOfChangesAtCloseAndOfErasureAtOnce) {
    AcDbObjectId watched = add(1);
    auto* reactor = peek<VtTestReactor>(addReactor(AcDbObjectId::kNull, {watched}));

    auto* object = open<VtTestObject>(watched, AcDb::kForWrite);
    object->setValue(2);
    EXPECT_EQ(reactor->modifiedCount, 0) << "modified waits for the close";
    object->close();
    EXPECT_EQ(reactor->modifiedCount, 1);
    EXPECT_TRUE(reactor->notifyEnabledInCall) << "the reactor is open for notify during the call";
    EXPECT_FALSE(reactor->isNotifyEnabled()) << "and closed again after it";

    open(watched, AcDb::kForWrite)->close();
    open(watched, AcDb::kForRead)->close();
    EXPECT_EQ(reactor->modifiedCount, 1) << "nothing changed";

    object = open<VtTestObject>(watched, AcDb::kForWrite);
    EXPECT_EQ(object->erase(), Acad::eOk);
    EXPECT_EQ(reactor->erasedCount, 1) << "erased() comes from inside erase()";
    EXPECT_EQ(object->erase(), Acad::eOk);
    EXPECT_EQ(object->erase(false), Acad::eOk);
    EXPECT_EQ(object->erase(false), Acad::eOk);
    object->close();
    EXPECT_EQ(reactor->erasedCount, 1);
    EXPECT_EQ(reactor->unerasedCount, 1);
}

// Fault pinned here: an erase that changed nothing still marked the object modified, so its
// close sent openedForModify and modified.
TEST_F(NotificationTest, EraseThatChangesNothingSendsNothing) {
    AcDbObjectId id = add(1);
    auto* reactor = peek<VtTestReactor>(addReactor(AcDbObjectId::kNull, {id}));
    EventLog log;
    AcDbObject* object = open(id, AcDb::kForWrite);
    object->addReactor(&log);
    EXPECT_EQ(object->erase(false), Acad::eOk);
    object->close();
    EXPECT_EQ(log.take(), "objectClosed ");
    EXPECT_EQ(reactor->modifiedCount, 0);
    object->removeReactor(&log);
}

TEST_F(NotificationTest, RemovedOrErasedReactorHearsNothing) {
    AcDbObjectId watched = add(1);
    AcDbObjectId kept = addReactor(AcDbObjectId::kNull, {watched});
    AcDbObjectId removed = addReactor(AcDbObjectId::kNull, {watched});
    AcDbObjectId erased = addReactor(AcDbObjectId::kNull, {watched});
    erase(erased);
    AcDbObject* object = open(watched, AcDb::kForWrite);
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
    auto* reactorOfA = peek<VtTestReactor>(addReactor(b, {a}));
    auto* reactorOfB = peek<VtTestReactor>(addReactor(a, {b}));

    setValue(a, 11);
    EXPECT_EQ(reactorOfA->modifiedCount, 1);
    EXPECT_EQ(reactorOfA->targetOpen, Acad::eOk);
    EXPECT_EQ(reactorOfB->modifiedCount, 1);
    EXPECT_EQ(reactorOfB->targetOpen, Acad::eWasNotifying);
    EXPECT_EQ(valueOf(a), 11);
    EXPECT_EQ(valueOf(b), 21);
}

TEST_F(NotificationTest, TransientReactorEvents) {
    AcDbObjectId id = add(1);
    EventLog log;
    AcDbObject* object = open(id, AcDb::kForRead);
    object->addReactor(&log);
    object->addReactor(&log);
    object->close();

    int valueSeen = 0;
    log.onModified = [&] { valueSeen = peek<VtTestObject>(id)->value(); };
    setValue(id, 2);
    EXPECT_EQ(log.take(), "openedForModify modified objectClosed ");
    EXPECT_EQ(valueSeen, 2) << "the notifier is readable during its notification";

    erase(id);
    EXPECT_EQ(log.take(), "openedForModify erased modified objectClosed ");
    db.reset();
    EXPECT_EQ(log.take(), "goodbye ");
}

}  // namespace
}  // namespace vthost::test

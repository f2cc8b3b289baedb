// Drawing files: what a drawing is after it has been saved and opened again (every class written
// back to the same bytes, references, hard-reference counts, erased objects, open states), and
// proxies for records this host cannot read.
#include <algorithm>

#include "EntitySamples.h"
#include "DbTestSupport.h"
#include "DrawingLayout.h"
#include "db/DatabaseAccess.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbProxyObject.h"
#include "db/AcDbSymbolTable.h"
#include "db/AcDbTransactionManager.h"
#include "ent/AcDbAttribute.h"
#include "ent/AcDbBlockReference.h"
#include "ent/AcDbLeader.h"
#include "ent/AcDbLine.h"
#include "ent/AcDbMText.h"

namespace vthost::test {

namespace {

using vttest::opened;
using vttest::sameIn;
using vttest::savedBytes;

class DrawingFile : public DbTest {
protected:
    void TearDown() override { VtFiledProbe::reset(); }

    AcDbObjectId addEntity(AcDbEntity* entity, AcDbObjectId space = AcDbObjectId()) {
        auto* record = open<AcDbBlockTableRecord>(space.isNull() ? db->modelSpaceId() : space,
                                                  AcDb::kForWrite);
        AcDbObjectId id;
        EXPECT_EQ(record->appendAcDbEntity(id, entity), Acad::eOk);
        entity->close();
        record->close();
        return id;
    }
    AcDbObjectId putIn(AcDbObjectId dictionary, const char* key, AcDbObject* object) {
        auto* open = this->open<AcDbDictionary>(dictionary, AcDb::kForWrite);
        AcDbObjectId id;
        EXPECT_EQ(open->setAt(key, object, id), Acad::eOk);
        object->close();
        open->close();
        return id;
    }
    AcDbObjectId addProbe(Adesk::Int32 value, AcDbObjectId target) {
        auto* probe = new VtFiledProbe();
        probe->value = value;
        probe->target = target;
        return putIn(db->namedObjectsDictionaryId(), "*", probe);
    }
    std::vector<Adesk::UInt32> hardCounts(AcDbDatabase& in, const std::vector<AcDbObjectId>& ids) {
        AcDbObjectIdArray array;
        for (AcDbObjectId id : ids) array.append(sameIn(in, id));
        std::vector<Adesk::UInt32> counts(ids.size(), 0);
        EXPECT_EQ(in.countHardReferences(array, counts.data()), Acad::eOk);
        return counts;
    }
};

// Every entity kind, nested and hard-owning dictionaries, an extension dictionary, a persistent
// reactor list, a block of its own and changed header variables: the reopened drawing has the same
// objects of the same classes (none read short into a proxy) and files to the very same bytes.
TEST_F(DrawingFile, EveryClassWritesBackTheSameBytes) {
    for (const enttest::EntitySample& sample : enttest::entitySamples())
        addEntity(sample.make().release());
    AcDbObjectId note = addEntity(new AcDbMText());
    auto* leader = new AcDbLeader();
    leader->attachAnnotation(note);
    addEntity(leader);
    AcDbObjectId reference =
        addEntity(new AcDbBlockReference(AcGePoint3d(1, 2, 3), db->modelSpaceId()));
    auto* insert = open<AcDbBlockReference>(reference, AcDb::kForWrite);
    auto* attribute = new AcDbAttribute();
    attribute->setTag("AREA");
    insert->appendAttribute(attribute);
    attribute->close();
    insert->close();
    auto* table = open<AcDbBlockTable>(db->blockTableId(), AcDb::kForWrite);
    auto* door = new AcDbBlockTableRecord();
    door->setName("DOOR");
    AcDbObjectId doorId;
    table->add(doorId, door);
    door->close();
    table->close();
    AcDbObjectId line = addEntity(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)), doorId);

    auto* data = new AcDbDictionary();
    data->setTreatElementsAsHard(true);
    AcDbObjectId dataId = putIn(db->namedObjectsDictionaryId(), "VT_DATA", data);
    AcDbObjectId target = putIn(dataId, "target", new VtTestObject(2));
    auto* linked = new VtTestObject(1);
    linked->setLink(target);
    AcDbObjectId source = putIn(dataId, "*", linked);
    auto* lineObject = open(line, AcDb::kForWrite);
    lineObject->createExtensionDictionary();
    lineObject->addPersistentReactor(source);
    AcDbObjectId extension = lineObject->extensionDictionary();
    lineObject->close();
    putIn(extension, "entry", new VtTestEntity());
    db->headerVariables().set("LUPREC", short{2});
    db->headerVariables().set("CLAYER", std::string("Walls"));

    std::vector<std::uint8_t> bytes = savedBytes(*db);
    Acad::ErrorStatus status = Acad::eNotApplicable;
    auto reopened = opened(bytes, &status);
    ASSERT_EQ(status, Acad::eOk);
    EXPECT_EQ(savedBytes(*reopened), bytes);
    EXPECT_EQ(reopened->objectCount(), db->objectCount());
    vthost::DatabaseAccess::forEachObject(*db, [&](AcDbObject* object) {
        AcDbObject* copy = vthost::DatabaseAccess::objectAt(*reopened, object->objectId().rawHandle());
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->isA(), object->isA()) << object->isA()->name();
    });
    EXPECT_EQ(reopened->headerVariables().all(), db->headerVariables().all());
    EXPECT_EQ(reopened->handseed(), db->handseed());
}

// References are handles in the file and ids again after opening: a hard pointer opens its
// target, the reactor list still names its reactor, and every hard reference is counted as
// before, one held by a proxy (a class without creation function) included.
TEST_F(DrawingFile, ReferencesResolveAndHardReferencesCountAsBefore) {
    AcDbObjectId target = add(7);
    AcDbObjectId holder = add(1);
    auto* open = this->open<VtTestObject>(holder, AcDb::kForWrite);
    open->setLink(target);
    open->addPersistentReactor(target);
    open->close();
    auto* uncreatable = new VtTestReactor();
    uncreatable->setLink(target);
    AcDbObjectId proxyId = putIn(db->namedObjectsDictionaryId(), "R", uncreatable);
    std::vector<AcDbObjectId> ids = {target, holder, db->modelSpaceId(), db->blockTableId(),
                                     proxyId};
    std::vector<Adesk::UInt32> before = hardCounts(*db, ids);

    auto reopened = opened(savedBytes(*db));
    EXPECT_EQ(hardCounts(*reopened, ids), before);
    EXPECT_EQ(before[0], 2u);
    VtTestObject* loaded = nullptr;
    ASSERT_EQ(acdbOpenObject(loaded, sameIn(*reopened, holder), AcDb::kForRead), Acad::eOk);
    VtTestObject* linked = nullptr;
    ASSERT_EQ(acdbOpenObject(linked, loaded->link(), AcDb::kForRead), Acad::eOk);
    EXPECT_EQ(linked->value(), 7);
    EXPECT_TRUE(loaded->hasPersistentReactor(sameIn(*reopened, target)));
    linked->close();
    loaded->close();
    AcDbObject* proxy = nullptr;
    ASSERT_EQ(acdbOpenAcDbObject(proxy, sameIn(*reopened, proxyId), AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(proxy->isAProxy());
    EXPECT_STREQ(AcDbProxyObject::cast(proxy)->originalClassName(), "VtTestReactor");
    proxy->close();
}

// Erased objects, and objects whose owner is erased, are left out; after opening, their ids count
// as erased for good, iterators pass over them, and new objects get handles of their own.
TEST_F(DrawingFile, ErasedObjectsAreLeftOutAndTheirIdsStayGone) {
    AcDbObjectId kept = addEntity(new AcDbLine());
    AcDbObjectId erased = addEntity(new AcDbLine());
    AcDbObjectId folder = putIn(db->namedObjectsDictionaryId(), "FOLDER", new AcDbDictionary());
    AcDbObjectId inFolder = putIn(folder, "x", new VtTestObject(3));
    erase(erased);
    erase(folder);

    auto reopened = opened(savedBytes(*db));
    EXPECT_EQ(reopened->objectCount(), db->objectCount() - 3);
    for (AcDbObjectId gone : {erased, folder, inFolder}) {
        AcDbObject* object = nullptr;
        EXPECT_TRUE(sameIn(*reopened, gone).isErased());
        EXPECT_EQ(acdbOpenAcDbObject(object, sameIn(*reopened, gone), AcDb::kForRead, true),
                  Acad::ePermanentlyErased);
    }
    auto* space = open<AcDbBlockTableRecord>(reopened->modelSpaceId(), AcDb::kForRead);
    AcDbBlockTableRecordIterator* it = nullptr;
    space->newIterator(it);
    std::vector<AcDbObjectId> walked;
    for (; !it->done(); it->step()) walked.push_back(it->current());
    delete it;
    space->close();
    EXPECT_EQ(walked, std::vector<AcDbObjectId>{sameIn(*reopened, kept)});
    AcDbObjectId fresh;
    auto* object = new VtTestObject();
    ASSERT_EQ(reopened->addAcDbObject(fresh, object), Acad::eOk);
    object->close();
    EXPECT_GE(fresh.rawHandle(), db->handseed());
}

// Opened objects are closed and not new: they open for write, and a transaction that aborts puts
// them back as the file had them.
TEST_F(DrawingFile, OpenedObjectsAreClosedAndChangeAsUsual) {
    auto reopened = opened(savedBytes(*db));
    AcDbObjectId named = reopened->namedObjectsDictionaryId();
    auto* dictionary = open<AcDbDictionary>(named, AcDb::kForWrite);
    ASSERT_NE(dictionary, nullptr);
    EXPECT_FALSE(dictionary->isNewObject());
    dictionary->close();
    reopened->transactionManager()->startTransaction();
    dictionary = open<AcDbDictionary>(named, AcDb::kForWrite);
    dictionary->setTreatElementsAsHard(true);
    dictionary->close();
    reopened->transactionManager()->abortTransaction();
    dictionary = open<AcDbDictionary>(named, AcDb::kForRead);
    EXPECT_FALSE(dictionary->isTreatElementsAsHard());
    dictionary->close();
}

// A class that is not registered: its objects come back as proxies that keep ownership, extension
// dictionaries and reactor lists working, hold their hard references, and file back byte for
// byte; registered again, the class reads them as before.
TEST_F(DrawingFile, AnUnregisteredClassIsKeptAsAProxyByteForByte) {
    AcDbObjectId target = add(4);
    std::vector<std::uint8_t> bytes;
    AcDbObjectId probeId;
    {
        ScopedClass<VtFiledProbe> cls("VtFiledProbe", "AcDbObject", construct<VtFiledProbe>);
        probeId = addProbe(42, target);
        auto* probe = open(probeId, AcDb::kForWrite);
        probe->createExtensionDictionary();
        AcDbObjectId extension = probe->extensionDictionary();
        probe->close();
        putIn(extension, "note", new VtTestObject(8));
        auto* watched = open(target, AcDb::kForWrite);
        watched->addPersistentReactor(probeId);
        watched->close();
        bytes = savedBytes(*db);
    }
    auto reopened = opened(bytes);
    AcDbProxyObject* proxy = nullptr;
    ASSERT_EQ(acdbOpenObject(proxy, sameIn(*reopened, probeId), AcDb::kForRead), Acad::eOk);
    EXPECT_STREQ(proxy->originalClassName(), "VtFiledProbe");
    EXPECT_EQ(proxy->ownerId(), reopened->namedObjectsDictionaryId());
    AcDbDictionary* extension = nullptr;
    ASSERT_EQ(acdbOpenObject(extension, proxy->extensionDictionary(), AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(extension->has("note"));
    extension->close();
    proxy->close();
    setValue(sameIn(*reopened, target), 5);  // notifies the proxy, which does nothing
    EXPECT_EQ(hardCounts(*reopened, {target}), hardCounts(*db, {target}));
    setValue(sameIn(*reopened, target), 4);
    EXPECT_EQ(savedBytes(*reopened), bytes);

    ScopedClass<VtFiledProbe> again("VtFiledProbe", "AcDbObject", construct<VtFiledProbe>);
    auto revived = opened(bytes);
    auto* probe = open<VtFiledProbe>(sameIn(*revived, probeId), AcDb::kForRead);
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->value, 42);
    probe->close();
}

// A newer record, one that fails half-way and one longer than its class reads all become
// proxies; the half-read objects are deleted, and the proxies file back the same bytes.
TEST_F(DrawingFile, RecordsTheClassCannotReadBecomeProxies) {
    ScopedClass<VtFiledProbe> cls("VtFiledProbe", "AcDbObject", construct<VtFiledProbe>);
    AcDbObjectId probe = addProbe(1, AcDbObjectId());
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"newer", [] { VtFiledProbe::written = 2; }},
        {"fails half-way", [] { VtFiledProbe::failRead = true; }},
        {"longer", [] { VtFiledProbe::extraItem = true; }},
    };
    for (const auto& [name, arrange] : cases) {
        VtFiledProbe::reset();
        arrange();
        std::vector<std::uint8_t> bytes = savedBytes(*db);
        int live = VtFiledProbe::live;
        auto reopened = opened(bytes);
        EXPECT_EQ(VtFiledProbe::live, live) << name;
        AcDbObject* object = nullptr;
        ASSERT_EQ(acdbOpenAcDbObject(object, sameIn(*reopened, probe), AcDb::kForRead), Acad::eOk);
        EXPECT_TRUE(object->isAProxy()) << name;
        object->close();
        EXPECT_EQ(savedBytes(*reopened), bytes) << name;
    }
}

// What may be done with a proxy: changes to its own fields undo; a copy carries its kept data
// and class; erasing needs its class's permission.
TEST_F(DrawingFile, AProxyIsErasedOnlyIfItsClassAllowsAndUndoesLikeAnyObject) {
    std::vector<std::uint8_t> locked, erasable;
    AcDbObjectId probe;
    {
        ScopedClass<VtFiledProbe> cls("VtFiledProbe", "AcDbObject", construct<VtFiledProbe>);
        probe = addProbe(1, AcDbObjectId());
        locked = savedBytes(*db);
        vttest::DrawingLayout layout;
        ASSERT_TRUE(vttest::DrawingLayout::decode(locked, layout));
        for (auto& c : layout.classes)
            if (c.name == "VtFiledProbe") c.proxyFlags = AcDbProxyObject::kEraseAllowed;
        erasable = layout.encode();
    }
    auto lockedDb = opened(locked);
    auto reopened = opened(erasable);
    AcDbObjectId id = sameIn(*reopened, probe);
    reopened->transactionManager()->startTransaction();
    auto* proxy = open(id, AcDb::kForWrite);
    std::vector<AcDbObjectId> reactors = proxy->persistentReactors();
    proxy->addPersistentReactor(reopened->modelSpaceId());
    proxy->close();
    reopened->transactionManager()->abortTransaction();
    proxy = open(id, AcDb::kForRead);
    EXPECT_EQ(proxy->persistentReactors(), reactors);
    AcDbProxyObject copy(nullptr);
    EXPECT_EQ(copy.copyFrom(proxy), Acad::eOk);
    EXPECT_EQ(copy.keptData(), AcDbProxyObject::cast(proxy)->keptData());
    EXPECT_STREQ(copy.originalClassName(), "VtFiledProbe");
    proxy->close();
    EXPECT_EQ(savedBytes(*reopened), erasable);

    proxy = open(sameIn(*lockedDb, probe), AcDb::kForWrite);
    EXPECT_EQ(proxy->erase(), Acad::eNotApplicable);
    proxy->close();
    proxy = open(id, AcDb::kForWrite);
    EXPECT_EQ(proxy->erase(), Acad::eOk);
    proxy->close();
    EXPECT_LT(savedBytes(*reopened).size(), erasable.size());
}

}  // namespace
}  // namespace vthost::test

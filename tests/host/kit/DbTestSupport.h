// The database tests' own classes and a fixture with a fresh drawing.
//   VtTestObject  a value and a link to another object (filed as a hard pointer)
//   VtTestReactor a persistent reactor that counts its notifications and, on modified(), opens
//                 its target for write and bumps its value
//   VtTestEntity  the smallest entity
//   VtFiledProbe  a record that can be made newer, broken, longer than it reads, or unwritable
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "HostTestSupport.h"
#include "db/DatabaseAccess.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbDwgFiler.h"
#include "db/AcDbObjectReactor.h"
#include "db/AcDbEntity.h"

namespace vthost::test {

class VtTestObject : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(VtTestObject);
    explicit VtTestObject(int value = 0) : m_value(value) {}

    int value() const {
        assertReadEnabled();
        return m_value;
    }
    void setValue(int value) {
        assertWriteEnabled();
        m_value = value;
    }
    AcDbObjectId link() const {
        assertReadEnabled();
        return m_link;
    }
    void setLink(AcDbObjectId id) {
        assertWriteEnabled();
        m_link = id;
    }

    // Record: base object; Int32 value; HardPointer link.
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override {
        assertReadEnabled();
        if (AcDbObject::dwgOutFields(filer) != Acad::eOk) return filer->filerStatus();
        filer->writeInt32(m_value);
        filer->writeHardPointerId(m_link);
        return filer->filerStatus();
    }
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override {
        assertWriteEnabled();
        if (AcDbObject::dwgInFields(filer) != Acad::eOk) return filer->filerStatus();
        AcDbHardPointerId link;
        filer->readInt32(&m_value);
        filer->readHardPointerId(&link);
        m_link = link;
        return filer->filerStatus();
    }

private:
    Adesk::Int32 m_value;
    AcDbObjectId m_link;
};

class VtTestReactor : public VtTestObject {
public:
    ACRX_DECLARE_MEMBERS(VtTestReactor);

    // Instrumentation, not object data: never filed, so undo leaves it alone.
    int modifiedCount = 0, erasedCount = 0, unerasedCount = 0, undoneCount = 0;
    bool notifyEnabledInCall = false;
    AcDbObjectId target;
    Acad::ErrorStatus targetOpen = Acad::eOk;

    void modified(const AcDbObject*) override {
        ++modifiedCount;
        notifyEnabledInCall = isNotifyEnabled();
        if (target.isNull()) return;
        VtTestObject* other = nullptr;
        targetOpen = acdbOpenObject(other, target, AcDb::kForWrite);
        if (targetOpen != Acad::eOk) return;
        other->setValue(other->value() + 1);
        other->close();
    }
    void erased(const AcDbObject*, Adesk::Boolean erasing) override {
        ++(erasing ? erasedCount : unerasedCount);
    }
    void modifyUndone(const AcDbObject*) override { ++undoneCount; }
    void resetCounters() { modifiedCount = erasedCount = unerasedCount = undoneCount = 0; }
};

class VtTestEntity : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(VtTestEntity);
};

// A class whose record can be made newer than its reader, broken half-way, longer than what it
// reads, or unwritable; it counts its live instances.
class VtFiledProbe : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(VtFiledProbe);
    static inline int live = 0;
    static inline Adesk::Int16 written = 1, readable = 1;
    static inline bool failRead = false, extraItem = false, failWrite = false;
    static inline std::function<void()> onFileWrite;  // runs while a file filer writes it
    Adesk::Int32 value = 0;
    AcDbObjectId target;

    VtFiledProbe() { ++live; }
    ~VtFiledProbe() override { --live; }
    static void reset() {
        written = readable = 1;
        failRead = extraItem = failWrite = false;
        onFileWrite = nullptr;
    }
    // Record: base object; Int16 version; Int32 value; HardPointer target; UInt8 when extraItem.
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override {
        if (AcDbObject::dwgOutFields(filer) != Acad::eOk) return filer->filerStatus();
        if (failWrite && filer->filerType() == AcDb::kFileFiler)
            filer->setFilerStatus(Acad::eFilerError);
        if (onFileWrite && filer->filerType() == AcDb::kFileFiler) onFileWrite();
        filer->writeInt16(written);
        filer->writeInt32(value);
        filer->writeHardPointerId(target);
        if (extraItem) filer->writeUInt8(7);
        return filer->filerStatus();
    }
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override {
        if (AcDbObject::dwgInFields(filer) != Acad::eOk) return filer->filerStatus();
        Adesk::Int16 version = 0;
        filer->readInt16(&version);
        if (version > readable) return Acad::eMakeMeProxy;
        filer->readInt32(&value);
        if (failRead) filer->setFilerStatus(Acad::eFilerError);
        AcDbHardPointerId read;
        filer->readHardPointerId(&read);
        target = read;
        return filer->filerStatus();
    }
};

// A transient reactor that writes down the events it gets, and can run a probe on modified().
class EventLog : public AcDbObjectReactor {
public:
    std::string events;
    std::function<void()> onModified;

    void cancelled(const AcDbObject*) override { events += "cancelled "; }
    void erased(const AcDbObject*, Adesk::Boolean erasing) override {
        events += erasing ? "erased " : "unerased ";
    }
    void goodbye(const AcDbObject*) override { events += "goodbye "; }
    void openedForModify(const AcDbObject*) override { events += "openedForModify "; }
    void modified(const AcDbObject*) override {
        events += "modified ";
        if (onModified) onModified();
    }
    void objectClosed(const AcDbObjectId) override { events += "objectClosed "; }
    std::string take() { return std::exchange(events, std::string()); }
};

class DbTest : public ::testing::Test {
protected:
    // Adds a closed VtTestObject and answers its id.
    AcDbObjectId add(int value = 0) {
        auto* object = new VtTestObject(value);
        AcDbObjectId id;
        EXPECT_EQ(db->addAcDbObject(id, object), Acad::eOk);
        EXPECT_EQ(object->close(), Acad::eOk);
        return id;
    }
    // Adds a closed reactor, attaches it to each of the watched ids, then gives it its target
    // and clears its counters (attaching changes the watched object, whose close notifies).
    AcDbObjectId addReactor(AcDbObjectId target, std::initializer_list<AcDbObjectId> watched) {
        auto* reactor = new VtTestReactor();
        AcDbObjectId id;
        EXPECT_EQ(db->addAcDbObject(id, reactor), Acad::eOk);
        reactor->close();
        for (AcDbObjectId watchedId : watched) {
            AcDbObject* object = open(watchedId, AcDb::kForWrite);
            object->addPersistentReactor(id);
            object->close();
        }
        reactor->resetCounters();
        reactor->target = target;
        return id;
    }
    // Opens and checks that the open worked (null when it did not).
    template <class T = AcDbObject>
    T* open(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
        T* object = nullptr;
        EXPECT_EQ(acdbOpenObject(object, id, mode, openErased), Acad::eOk);
        return object;
    }
    // The object behind an id, for looking at counters and states; not an open.
    template <class T = AcDbObject>
    T* peek(AcDbObjectId id) {
        return static_cast<T*>(vthost::DatabaseAccess::objectAt(*db, id.rawHandle()));
    }
    int valueOf(AcDbObjectId id) {
        auto* object = open<VtTestObject>(id, AcDb::kForRead, true);
        if (object == nullptr) return -1;
        int value = object->value();
        object->close();
        return value;
    }
    void setValue(AcDbObjectId id, int value) {
        auto* object = open<VtTestObject>(id, AcDb::kForWrite);
        object->setValue(value);
        object->close();
    }
    void erase(AcDbObjectId id, bool erasing = true) {
        AcDbObject* object = open(id, AcDb::kForWrite, true);
        EXPECT_EQ(object->erase(erasing), Acad::eOk);
        object->close();
    }

    ScopedClass<VtTestObject> objectClass{"VtTestObject", "AcDbObject", construct<VtTestObject>};
    ScopedClass<VtTestReactor> reactorClass{"VtTestReactor", "VtTestObject"};
    ScopedClass<VtTestEntity> entityClass{"VtTestEntity", "AcDbEntity", construct<VtTestEntity>};
    std::unique_ptr<AcDbDatabase> db = std::make_unique<AcDbDatabase>();
};

}  // namespace vthost::test

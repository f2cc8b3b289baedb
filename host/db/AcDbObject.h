// AcDbObject: base of every object that a drawing database holds. An object is opened by id
// (acdbOpenAcDbObject) for read, write or notify and closed again; many readers or one writer.
// A new object is open for write and owned by its creator until it is added to a database; from
// then on the database owns it and the creator ends its access with close(). Every accessor
// asserts read access, every mutator write access; a failed assert is fatal.
#pragma once
#include <cstddef>
#include <memory>
#include <new>
#include <vector>

#include "db/AcDb.h"
#include "db/AcDbObjectId.h"
#include "rx/AcRxObject.h"

class AcDbDatabase;
class AcDbDwgFiler;
class AcDbDxfFiler;
class AcDbObjectReactor;
class AcDbAuditInfo {};

namespace vthost {
class ObjectAccess;
class UndoRecord;
}

class AcDbObject : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbObject);

    static void* operator new(std::size_t size);
    static void* operator new(std::size_t size, const std::nothrow_t&) noexcept;
    static void operator delete(void* p);
    ~AcDbObject() override;

    AcDbObjectId objectId() const { return m_id; }
    AcDbObjectId ownerId() const { return m_owner; }
    virtual Acad::ErrorStatus setOwnerId(AcDbObjectId ownerId);
    AcDbDatabase* database() const { return m_id.database(); }
    void getAcDbHandle(AcDbHandle& handle) const { handle = m_id.handle(); }

    // Ends one open. A writer's close sends modified() to the reactors when the object changed.
    // An object that never entered a database cannot be closed (eNotInDatabase): delete it.
    Acad::ErrorStatus close();
    // Like close for a writer, but first rolls back every change since the write open.
    Acad::ErrorStatus cancel();
    Acad::ErrorStatus upgradeOpen();
    Acad::ErrorStatus downgradeOpen();
    // For a persistent reactor that wants to change itself during its notification.
    Acad::ErrorStatus upgradeFromNotify(Adesk::Boolean& wasWritable);
    Acad::ErrorStatus downgradeToNotify(Adesk::Boolean wasWritable);

    // Needs write access; erase(false) unerases. erased() goes to the reactors at once.
    Acad::ErrorStatus erase(Adesk::Boolean erasing = true);
    virtual Acad::ErrorStatus subErase(Adesk::Boolean erasing);

    Adesk::Boolean isErased() const { return m_erased; }
    Adesk::Boolean isReadEnabled() const;
    Adesk::Boolean isWriteEnabled() const;
    Adesk::Boolean isNotifyEnabled() const { return m_notifyOpen; }
    Adesk::Boolean isModified() const { return m_modifiedInOpen; }
    Adesk::Boolean isNewObject() const { return m_new; }
    Adesk::Boolean isNotifying() const { return m_notifying; }
    Adesk::Boolean isUndoing() const { return m_undoing; }
    Adesk::Boolean isTransactionResident() const { return m_transactionReads > 0; }
    virtual Adesk::Boolean isAProxy() const { return false; }

    void assertReadEnabled() const;
    void assertWriteEnabled(Adesk::Boolean autoUndo = true, Adesk::Boolean recordModified = true);
    void assertNotifyEnabled() const;

    // Transient reactors belong to the caller; the object only points to them.
    void addReactor(AcDbObjectReactor* reactor) const;
    void removeReactor(AcDbObjectReactor* reactor) const;
    // Persistent reactors are objects of the database, filed with the object (soft pointers).
    virtual void addPersistentReactor(AcDbObjectId id);
    virtual Acad::ErrorStatus removePersistentReactor(AcDbObjectId id);
    bool hasPersistentReactor(AcDbObjectId id) const;
    const std::vector<AcDbObjectId>& persistentReactors() const { return m_persistentReactors; }

    Acad::ErrorStatus createExtensionDictionary();
    AcDbObjectId extensionDictionary() const { return m_extensionDictionary; }
    Acad::ErrorStatus releaseExtensionDictionary();

    // The base record: owner, persistent reactors and extension dictionary (a copy filer carries
    // none of them: a copy gets the data, not the identity).
    virtual Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer);
    virtual Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const;
    virtual Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer);
    virtual Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const;
    virtual Acad::ErrorStatus audit(AcDbAuditInfo* info);
    // Copies the data of an object of the same class through a copy filer.
    Acad::ErrorStatus copyFrom(const AcRxObject* other) override;

    // Notifications received as a persistent reactor of another object.
    virtual void cancelled(const AcDbObject* dbObj);
    virtual void copied(const AcDbObject* dbObj, const AcDbObject* newObj);
    virtual void erased(const AcDbObject* dbObj, Adesk::Boolean erasing = true);
    virtual void goodbye(const AcDbObject* dbObj);
    virtual void openedForModify(const AcDbObject* dbObj);
    virtual void modified(const AcDbObject* dbObj);
    virtual void modifyUndone(const AcDbObject* dbObj);
    virtual void objectClosed(const AcDbObjectId objId);

protected:
    AcDbObject();

private:
    friend class vthost::ObjectAccess;

    enum class Event { kModified, kErased, kUnerased, kCancelled, kModifyUndone, kGoodbye };
    void notifyReactors(Event event);
    void notifyPersistent(Event event);
    void commitWriteClose();
    void recordUndo();
    void endWriteOpen();
    // A record of the object as it is now, for cancel and transaction abort: a whole copy here;
    // containers override it to copy only their own fields and log their entry changes.
    virtual std::shared_ptr<vthost::UndoRecord> newUndoRecord();

    AcDbObjectId m_id;
    AcDbObjectId m_owner;
    AcDbObjectId m_extensionDictionary;
    std::vector<AcDbObjectId> m_persistentReactors;
    mutable std::unique_ptr<std::vector<AcDbObjectReactor*>> m_reactors;
    std::shared_ptr<vthost::UndoRecord> m_openRecord;  // taken at the open's first change
    std::uint32_t m_undoStamp = 0;
    std::uint16_t m_readers = 0;
    std::uint16_t m_transactionReads = 0;
    bool m_writer = true;
    bool m_new = true;
    bool m_notifyOpen = false;
    bool m_notifying = false;
    bool m_undoing = false;
    bool m_modifiedInOpen = false;
    bool m_erased = false;
    bool m_writableFromNotify = false;
};

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased = false);

// Opens and casts; on a cast failure closes the object again (a failing close is fatal) and
// answers eNotThatKindOfClass with pObj null. On an open failure pObj is left unchanged.
template <class T>
Acad::ErrorStatus acdbOpenObject(T*& pObj, AcDbObjectId id, AcDb::OpenMode mode,
                                 bool openErased = false);

#include "db/AcDbObjectOpen.inl"

#include "db/AcDbObject.h"

#include <algorithm>

#include "db/AcDbDatabase.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbDwgFiler.h"
#include "db/AcDbObjectReactor.h"
#include "db/TransactionAccess.h"
#include "db/DwgStreamFiler.h"
#include "db/ObjectAccess.h"
#include "db/UndoRecord.h"
#include "rx/Fatal.h"

ACRX_DEFINE_MEMBERS(AcDbObject)
ACRX_DEFINE_MEMBERS(AcDbObjectReactor)

namespace {
constexpr Adesk::Int32 kMaxFiledReactors = 1 << 20;
constexpr const char* kNotOpenForWrite = "AcDbObject is not open for write";
}  // namespace

void* AcDbObject::operator new(std::size_t size) { return ::operator new(size); }
void* AcDbObject::operator new(std::size_t size, const std::nothrow_t& tag) noexcept {
    return ::operator new(size, tag);
}
void AcDbObject::operator delete(void* p) { ::operator delete(p); }

AcDbObject::AcDbObject() = default;
AcDbObject::~AcDbObject() = default;

Acad::ErrorStatus AcDbObject::setOwnerId(AcDbObjectId ownerId) {
    assertWriteEnabled();
    m_owner = ownerId;
    return Acad::eOk;
}

Adesk::Boolean AcDbObject::isReadEnabled() const {
    return m_readers > 0 || m_writer || m_notifyOpen || m_notifying || m_undoing;
}

Adesk::Boolean AcDbObject::isWriteEnabled() const { return m_writer || m_undoing; }

void AcDbObject::assertReadEnabled() const {
    if (!isReadEnabled()) vthost::fatal("AcDbObject is not open for read");
}

void AcDbObject::assertNotifyEnabled() const {
    if (!m_notifyOpen) vthost::fatal("AcDbObject is not open for notify");
}

void AcDbObject::assertWriteEnabled(Adesk::Boolean autoUndo, Adesk::Boolean recordModified) {
    if (!isWriteEnabled()) vthost::fatal(kNotOpenForWrite);
    if (m_undoing || m_id.isNull()) return;
    bool first = !m_modifiedInOpen;
    m_modifiedInOpen = true;
    if (autoUndo && recordModified) recordUndo();
    if (first && m_reactors)
        for (AcDbObjectReactor* reactor : std::vector(*m_reactors)) reactor->openedForModify(this);
}

// Before a change: the open needs a record for cancel unless it has one (a new object has nothing
// to go back to), and the top transaction one for its abort unless it has one. When both need it
// at this change, one record serves both.
void AcDbObject::recordUndo() {
    AcDbDatabase* db = database();
    AcDbTransactionManager* transactions = db != nullptr ? db->transactionManager() : nullptr;
    vthost::TransactionAccess::aboutToChange(transactions, this);
    bool forOpen = !m_new && !m_openRecord;
    bool forTransaction = vthost::TransactionAccess::needsRecord(transactions, this);
    if (!forOpen && !forTransaction) return;
    std::shared_ptr<vthost::UndoRecord> record = newUndoRecord();
    if (forOpen) m_openRecord = record;
    if (forTransaction) vthost::TransactionAccess::keepRecord(transactions, this, std::move(record));
}

std::shared_ptr<vthost::UndoRecord> AcDbObject::newUndoRecord() {
    return std::make_shared<vthost::SnapshotRecord>(this);
}

Acad::ErrorStatus AcDbObject::close() {
    if (m_id.isNull()) return Acad::eNotInDatabase;
    if (m_writer && !m_writableFromNotify) {
        commitWriteClose();
        return Acad::eOk;
    }
    if (m_readers > 0) {
        --m_readers;
        return Acad::eOk;
    }
    if (m_notifyOpen) {
        m_notifyOpen = false;
        return Acad::eOk;
    }
    return Acad::eNotOpenForRead;
}

void AcDbObject::endWriteOpen() {
    m_writer = false;
    m_new = false;
    m_modifiedInOpen = false;
    m_openRecord.reset();
}

void AcDbObject::commitWriteClose() {
    bool changed = m_modifiedInOpen && !m_new;
    endWriteOpen();
    if (changed) notifyReactors(Event::kModified);
    if (m_reactors)
        for (AcDbObjectReactor* reactor : std::vector(*m_reactors)) reactor->objectClosed(m_id);
}

Acad::ErrorStatus AcDbObject::cancel() {
    if (!m_writer || m_writableFromNotify) return Acad::eNotOpenForWrite;
    if (m_id.isNull()) return Acad::eNotInDatabase;
    if (m_openRecord) vthost::ObjectAccess::restoreRecord(this, *m_openRecord);
    endWriteOpen();
    notifyReactors(Event::kCancelled);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::upgradeOpen() {
    if (m_writer) return Acad::eWasOpenForWrite;
    if (m_notifying) return Acad::eWasNotifying;
    if (m_readers == 0) return Acad::eNotOpenForRead;
    if (m_readers > 1) return Acad::eHadMultipleReaders;
    m_readers = 0;
    m_writer = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::downgradeOpen() {
    if (!m_writer || m_writableFromNotify) return Acad::eNotOpenForWrite;
    commitWriteClose();
    ++m_readers;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::upgradeFromNotify(Adesk::Boolean& wasWritable) {
    if (!m_notifyOpen) return Acad::eNotApplicable;
    if (m_notifying) return Acad::eWasNotifying;
    wasWritable = m_writer;
    if (!m_writer) {
        m_writer = true;
        m_writableFromNotify = true;
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::downgradeToNotify(Adesk::Boolean wasWritable) {
    if (!m_notifyOpen) return Acad::eNotApplicable;
    if (!wasWritable && m_writableFromNotify) {
        m_writer = false;
        m_writableFromNotify = false;
        m_modifiedInOpen = false;
        m_openRecord.reset();
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::subErase(Adesk::Boolean) { return Acad::eOk; }

// Erasing an erased object, or unerasing a live one, changes nothing: it is not even marked
// modified, so that its close tells nobody either.
Acad::ErrorStatus AcDbObject::erase(Adesk::Boolean erasing) {
    if (!isWriteEnabled()) vthost::fatal(kNotOpenForWrite);
    if (m_erased == erasing) return Acad::eOk;
    assertWriteEnabled();
    Acad::ErrorStatus status = subErase(erasing);
    if (status != Acad::eOk) return status;
    m_erased = erasing;
    notifyReactors(erasing ? Event::kErased : Event::kUnerased);
    AcDbObject* dictionary = nullptr;
    if (!m_extensionDictionary.isNull() &&
        acdbOpenAcDbObject(dictionary, m_extensionDictionary, AcDb::kForWrite, true) == Acad::eOk) {
        dictionary->erase(erasing);
        dictionary->close();
    }
    return Acad::eOk;
}

void AcDbObject::notifyReactors(Event event) {
    bool wasNotifying = m_notifying;
    if (event == Event::kModified) m_notifying = true;
    if (m_reactors) {
        for (AcDbObjectReactor* reactor : std::vector(*m_reactors)) {
            switch (event) {
                case Event::kModified: reactor->modified(this); break;
                case Event::kErased: reactor->erased(this, true); break;
                case Event::kUnerased: reactor->erased(this, false); break;
                case Event::kCancelled: reactor->cancelled(this); break;
                case Event::kModifyUndone: reactor->modifyUndone(this); break;
                case Event::kGoodbye: reactor->goodbye(this); break;
            }
        }
    }
    if (event != Event::kGoodbye) notifyPersistent(event);
    m_notifying = wasNotifying;
}

// Each persistent reactor is opened for notify for the length of its call; one that is erased,
// already being notified or otherwise unopenable is skipped.
void AcDbObject::notifyPersistent(Event event) {
    for (AcDbObjectId id : std::vector(m_persistentReactors)) {
        AcDbObject* reactor = nullptr;
        if (acdbOpenAcDbObject(reactor, id, AcDb::kForNotify) != Acad::eOk) continue;
        switch (event) {
            case Event::kModified: reactor->modified(this); break;
            case Event::kErased: reactor->erased(this, true); break;
            case Event::kUnerased: reactor->erased(this, false); break;
            case Event::kCancelled: reactor->cancelled(this); break;
            case Event::kModifyUndone: reactor->modifyUndone(this); break;
            case Event::kGoodbye: break;
        }
        vthost::ObjectAccess::closeNotify(reactor);
    }
}

void AcDbObject::addReactor(AcDbObjectReactor* reactor) const {
    if (reactor == nullptr) return;
    if (!m_reactors) m_reactors = std::make_unique<std::vector<AcDbObjectReactor*>>();
    if (std::find(m_reactors->begin(), m_reactors->end(), reactor) == m_reactors->end())
        m_reactors->push_back(reactor);
}

void AcDbObject::removeReactor(AcDbObjectReactor* reactor) const {
    if (m_reactors) std::erase(*m_reactors, reactor);
}

void AcDbObject::addPersistentReactor(AcDbObjectId id) {
    assertWriteEnabled();
    if (!hasPersistentReactor(id)) m_persistentReactors.push_back(id);
}

Acad::ErrorStatus AcDbObject::removePersistentReactor(AcDbObjectId id) {
    assertWriteEnabled();
    auto it = std::find(m_persistentReactors.begin(), m_persistentReactors.end(), id);
    if (it == m_persistentReactors.end()) return Acad::eKeyNotFound;
    m_persistentReactors.erase(it);
    return Acad::eOk;
}

bool AcDbObject::hasPersistentReactor(AcDbObjectId id) const {
    return std::find(m_persistentReactors.begin(), m_persistentReactors.end(), id) !=
           m_persistentReactors.end();
}

Acad::ErrorStatus AcDbObject::createExtensionDictionary() {
    assertWriteEnabled();
    AcDbDatabase* db = database();
    if (db == nullptr) return Acad::eNotInDatabase;
    if (!m_extensionDictionary.isNull() && m_extensionDictionary.isValid()) return Acad::eAlreadyInDb;
    auto* dictionary = new AcDbDictionary();
    AcDbObjectId id;
    Acad::ErrorStatus status = db->addAcDbObject(id, dictionary);
    if (status != Acad::eOk) {
        delete dictionary;
        return status;
    }
    dictionary->setOwnerId(m_id);
    dictionary->close();
    m_extensionDictionary = id;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::releaseExtensionDictionary() {
    assertWriteEnabled();
    if (m_extensionDictionary.isNull()) return Acad::eOk;
    AcDbDictionary* dictionary = nullptr;
    Acad::ErrorStatus status = acdbOpenObject(dictionary, m_extensionDictionary, AcDb::kForWrite, true);
    if (status != Acad::eOk) return status;
    if (dictionary->numEntries() > 0) {
        dictionary->close();
        return Acad::eContainerNotEmpty;
    }
    dictionary->erase();
    dictionary->close();
    m_extensionDictionary.setNull();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    if (filer->filerType() == AcDb::kCopyFiler) return filer->filerStatus();
    filer->writeSoftPointerId(m_owner);
    filer->writeInt32(static_cast<Adesk::Int32>(m_persistentReactors.size()));
    for (const AcDbObjectId& id : m_persistentReactors) filer->writeSoftPointerId(id);
    filer->writeHardOwnershipId(m_extensionDictionary);
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    if (filer->filerType() == AcDb::kCopyFiler) return filer->filerStatus();
    AcDbSoftPointerId owner;
    filer->readSoftPointerId(&owner);
    Adesk::Int32 count = 0;
    filer->readInt32(&count);
    if (filer->filerStatus() == Acad::eOk && (count < 0 || count > kMaxFiledReactors))
        filer->setFilerStatus(Acad::eFilerError);
    std::vector<AcDbObjectId> reactors;
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
        AcDbSoftPointerId id;
        filer->readSoftPointerId(&id);
        reactors.push_back(id);
    }
    AcDbHardOwnershipId extension;
    filer->readHardOwnershipId(&extension);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_owner = owner;
    m_persistentReactors = std::move(reactors);
    m_extensionDictionary = extension;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::dxfInFields(AcDbDxfFiler*) {
    assertWriteEnabled();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::dxfOutFields(AcDbDxfFiler*) const {
    assertReadEnabled();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::audit(AcDbAuditInfo*) { return Acad::eOk; }

Acad::ErrorStatus AcDbObject::copyFrom(const AcRxObject* other) {
    const AcDbObject* source = AcDbObject::cast(other);
    if (source == nullptr) return Acad::eNullObjectPointer;
    if (source->isA() != isA()) return Acad::eNotThatKindOfClass;
    assertWriteEnabled();
    vthost::DwgStreamFiler filer(AcDb::kCopyFiler);
    Acad::ErrorStatus status = Acad::eOk;
    vthost::ObjectAccess::withReadAccess(source, [&] { status = source->dwgOutFields(&filer); });
    if (status != Acad::eOk) return status;
    filer.rewind();
    return dwgInFields(&filer);
}

void AcDbObject::cancelled(const AcDbObject*) {}
void AcDbObject::copied(const AcDbObject*, const AcDbObject*) {}
void AcDbObject::erased(const AcDbObject*, Adesk::Boolean) {}
void AcDbObject::goodbye(const AcDbObject*) {}
void AcDbObject::openedForModify(const AcDbObject*) {}
void AcDbObject::modified(const AcDbObject*) {}
void AcDbObject::modifyUndone(const AcDbObject*) {}
void AcDbObject::objectClosed(const AcDbObjectId) {}

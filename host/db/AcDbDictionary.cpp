#include "db/AcDbDictionary.h"

#include <algorithm>
#include <strings.h>

#include "db/AcDbDatabase.h"
#include "db/AcDbDwgFiler.h"
#include "db/UndoRecord.h"
#include "ut/AcUtil.h"

ACRX_DEFINE_MEMBERS(AcDbDictionary)

namespace {
constexpr Adesk::Int32 kMaxFiledEntries = 1 << 24;
}

bool vthostKeyLess(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) < 0;
}

bool AcDbDictionary::KeyOrder::operator()(const Entry& a, const Entry& b) const {
    return vthostKeyLess(a.key, b.key);
}
bool AcDbDictionary::KeyOrder::operator()(const Entry& a, const std::string& b) const {
    return vthostKeyLess(a.key, b);
}
bool AcDbDictionary::KeyOrder::operator()(const std::string& a, const Entry& b) const {
    return vthostKeyLess(a, b.key);
}

AcDbDictionary::Entries::const_iterator AcDbDictionary::findKey(const std::string& key) const {
    return m_entries.find(key);
}

AcDbDictionary::Entries::const_iterator AcDbDictionary::findId(AcDbObjectId id) const {
    return std::find_if(m_entries.begin(), m_entries.end(),
                        [&](const Entry& e) { return e.id == id; });
}

Acad::ErrorStatus AcDbDictionary::getAt(const char* key, AcDbObjectId& id) const {
    assertReadEnabled();
    if (key == nullptr) return Acad::eInvalidKey;
    auto it = findKey(key);
    if (it == m_entries.end()) return Acad::eKeyNotFound;
    id = it->id;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::getAt(const char* key, AcDbObject*& obj,
                                        AcDb::OpenMode mode) const {
    AcDbObjectId id;
    Acad::ErrorStatus status = getAt(key, id);
    if (status != Acad::eOk) return status;
    return acdbOpenAcDbObject(obj, id, mode);
}

Acad::ErrorStatus AcDbDictionary::nameAt(AcDbObjectId id, char*& name) const {
    assertReadEnabled();
    auto it = findId(id);
    if (it == m_entries.end()) return Acad::eKeyNotFound;
    acutNewString(it->key.c_str(), name);
    return Acad::eOk;
}

bool AcDbDictionary::has(const char* key) const {
    assertReadEnabled();
    return key != nullptr && findKey(key) != m_entries.end();
}

bool AcDbDictionary::has(AcDbObjectId id) const {
    assertReadEnabled();
    return findId(id) != m_entries.end();
}

Adesk::UInt32 AcDbDictionary::numEntries() const {
    assertReadEnabled();
    return static_cast<Adesk::UInt32>(m_entries.size());
}

std::string AcDbDictionary::makeKey(const char* key) {
    if (key[0] != '*') return key;
    return "*A" + std::to_string(++m_anonymousCounter);
}

void AcDbDictionary::insertEntry(Entry entry) {
    auto [it, inserted] = m_entries.insert(std::move(entry));
    if (inserted) m_journal.note({true, *it});
}

void AcDbDictionary::eraseEntry(Entries::const_iterator it) {
    m_journal.note({false, *it});
    m_entries.erase(it);
}

// A whole entry list read in while the dictionary is open, logged entry by entry.
void AcDbDictionary::replaceEntries(const std::vector<Entry>& entries) {
    while (!m_entries.empty()) eraseEntry(m_entries.begin());
    for (const Entry& entry : entries) insertEntry(entry);
}

std::shared_ptr<vthost::UndoRecord> AcDbDictionary::newUndoRecord() {
    return std::make_shared<vthost::EntryLogRecord<EntryChange>>(this, m_journal, &revert);
}

void AcDbDictionary::revert(AcDbObject* object, const EntryChange& change) {
    auto* dictionary = static_cast<AcDbDictionary*>(object);
    if (change.inserted)
        dictionary->m_entries.erase(change.entry);
    else
        dictionary->m_entries.insert(change.entry);
}

Acad::ErrorStatus AcDbDictionary::setAt(const char* key, AcDbObject* newValue,
                                        AcDbObjectId& retObjId) {
    assertWriteEnabled();
    if (key == nullptr || *key == '\0') return Acad::eInvalidKey;
    if (newValue == nullptr) return Acad::eNullObjectPointer;
    if (!newValue->objectId().isNull()) return Acad::eAlreadyInDb;
    AcDbDatabase* db = database();
    if (db == nullptr) return Acad::eNotInDatabase;
    std::string finalKey = makeKey(key);
    auto existing = findKey(finalKey);
    if (existing != m_entries.end()) {
        AcDbObjectId old = existing->id;
        eraseEntry(existing);
        AcDbObject* replaced = nullptr;
        if (acdbOpenAcDbObject(replaced, old, AcDb::kForWrite) == Acad::eOk) {
            replaced->erase();
            replaced->close();
        }
    }
    Acad::ErrorStatus status = db->addAcDbObject(retObjId, newValue);
    if (status != Acad::eOk) return status;
    newValue->setOwnerId(objectId());
    newValue->addPersistentReactor(objectId());
    insertEntry(Entry{finalKey, retObjId, m_nextOrder++});
    return Acad::eOk;
}

// The removed object no longer belongs to the dictionary; when it cannot be opened for write
// (someone reads it) it keeps its stale owner, which audit would report.
void AcDbDictionary::detach(AcDbObjectId id) {
    AcDbObject* object = nullptr;
    if (acdbOpenAcDbObject(object, id, AcDb::kForWrite, true) != Acad::eOk) return;
    object->removePersistentReactor(objectId());
    if (object->ownerId() == objectId()) object->setOwnerId(AcDbObjectId());
    object->close();
}

Acad::ErrorStatus AcDbDictionary::remove(const char* key) {
    AcDbObjectId id;
    return remove(key, id);
}

Acad::ErrorStatus AcDbDictionary::remove(const char* key, AcDbObjectId& returnId) {
    assertWriteEnabled();
    if (key == nullptr) return Acad::eInvalidKey;
    auto it = findKey(key);
    if (it == m_entries.end()) return Acad::eKeyNotFound;
    returnId = it->id;
    eraseEntry(it);
    detach(returnId);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(AcDbObjectId id) {
    assertWriteEnabled();
    auto it = findId(id);
    if (it == m_entries.end()) return Acad::eKeyNotFound;
    eraseEntry(it);
    detach(id);
    return Acad::eOk;
}

bool AcDbDictionary::setName(const char* oldName, const char* newName) {
    assertWriteEnabled();
    if (oldName == nullptr || newName == nullptr || *newName == '\0' || *newName == '*') return false;
    auto it = findKey(oldName);
    if (it == m_entries.end()) return false;
    auto clash = findKey(newName);
    if (clash != m_entries.end() && clash != it) return false;
    Entry entry = *it;
    eraseEntry(it);
    entry.key = newName;
    insertEntry(std::move(entry));
    return true;
}

bool AcDbDictionary::isTreatElementsAsHard() const {
    assertReadEnabled();
    return m_treatElementsAsHard;
}

void AcDbDictionary::setTreatElementsAsHard(bool doIt) {
    assertWriteEnabled();
    m_treatElementsAsHard = doIt;
}

AcDbDictionaryIterator* AcDbDictionary::newIterator(AcRx::DictIterType type) const {
    assertReadEnabled();
    std::vector<Entry> entries(m_entries.begin(), m_entries.end());
    if (type == AcRx::kDictCollated)
        std::sort(entries.begin(), entries.end(),
                  [](const Entry& a, const Entry& b) { return a.order < b.order; });
    return new AcDbDictionaryIterator(std::move(entries));
}

// Record: base object; UInt32 anonymous counter; Boolean treat-as-hard; Int32 entry count;
// per entry its key (String) and id (soft or hard ownership); entries in key order. A head filer
// gets everything up to the treat-as-hard flag.
Acad::ErrorStatus AcDbDictionary::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeUInt32(m_anonymousCounter);
    filer->writeBoolean(m_treatElementsAsHard);
    if (vthost::isHeadFiler(filer)) return filer->filerStatus();
    filer->writeInt32(static_cast<Adesk::Int32>(m_entries.size()));
    for (const Entry& entry : m_entries) {
        filer->writeString(entry.key.c_str());
        if (m_treatElementsAsHard)
            filer->writeHardOwnershipId(entry.id);
        else
            filer->writeSoftOwnershipId(entry.id);
    }
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbDictionary::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    Acad::ErrorStatus status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    Adesk::UInt32 counter = 0;
    Adesk::Boolean hard = false;
    Adesk::Int32 count = 0;
    filer->readUInt32(&counter);
    filer->readBoolean(&hard);
    if (vthost::isHeadFiler(filer)) return readHead(filer, counter, hard);
    filer->readInt32(&count);
    if (filer->filerStatus() == Acad::eOk && (count < 0 || count > kMaxFiledEntries))
        filer->setFilerStatus(Acad::eFilerError);
    std::vector<Entry> entries;
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
        char* key = nullptr;
        AcDbObjectId id;
        filer->readString(&key);
        if (hard) {
            AcDbHardOwnershipId owned;
            filer->readHardOwnershipId(&owned);
            id = owned;
        } else {
            AcDbSoftOwnershipId owned;
            filer->readSoftOwnershipId(&owned);
            id = owned;
        }
        if (key != nullptr) entries.push_back(Entry{key, id, static_cast<std::uint32_t>(i)});
        acutDelString(key);
    }
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    m_nextOrder = static_cast<std::uint32_t>(count);
    replaceEntries(entries);
    return readHead(filer, counter, hard);
}

Acad::ErrorStatus AcDbDictionary::readHead(AcDbDwgFiler* filer, Adesk::UInt32 counter, bool hard) {
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    // The counter only grows: an undo must not hand out a number a discarded entry had.
    m_anonymousCounter = std::max(m_anonymousCounter, counter);
    m_treatElementsAsHard = hard;
    return Acad::eOk;
}

// An entry that is erased leaves the dictionary; unerasing does not bring it back.
void AcDbDictionary::erased(const AcDbObject* dbObj, Adesk::Boolean erasing) {
    if (!erasing || dbObj == nullptr) return;
    auto it = findId(dbObj->objectId());
    if (it == m_entries.end()) return;
    Adesk::Boolean wasWritable = false;
    if (upgradeFromNotify(wasWritable) != Acad::eOk) return;
    assertWriteEnabled();
    eraseEntry(findId(dbObj->objectId()));
    downgradeToNotify(wasWritable);
}

Acad::ErrorStatus AcDbDictionary::subErase(Adesk::Boolean) { return Acad::eOk; }

AcDbDictionaryIterator::AcDbDictionaryIterator(std::vector<AcDbDictionary::Entry> entries)
    : m_entries(std::move(entries)) {}

const char* AcDbDictionaryIterator::name() const {
    return done() ? nullptr : m_entries[m_position].key.c_str();
}

AcDbObjectId AcDbDictionaryIterator::objectId() const {
    return done() ? AcDbObjectId() : m_entries[m_position].id;
}

Acad::ErrorStatus AcDbDictionaryIterator::getObject(AcDbObject*& obj, AcDb::OpenMode mode) {
    if (done()) return Acad::eIteratorDone;
    return acdbOpenAcDbObject(obj, m_entries[m_position].id, mode);
}

bool AcDbDictionaryIterator::next() {
    if (!done()) ++m_position;
    return !done();
}

bool AcDbDictionaryIterator::setPosition(AcDbObjectId id) {
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].id == id) {
            m_position = i;
            return true;
        }
    }
    return false;
}

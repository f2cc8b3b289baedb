#include "db/DatabaseAccess.h"
#include "db/AcDbSymbolTable.h"

#include <algorithm>
#include <strings.h>

#include "db/AcDbDatabase.h"
#include "db/AcDbDwgFiler.h"
#include "db/ObjectAccess.h"
#include "db/AcDbEntity.h"
#include "db/UndoRecord.h"
#include "ut/AcUtil.h"

ACRX_DEFINE_MEMBERS(AcDbSymbolTableRecord)
ACRX_DEFINE_MEMBERS(AcDbSymbolTable)
ACRX_DEFINE_MEMBERS(AcDbBlockTable)
ACRX_DEFINE_MEMBERS(AcDbBlockTableRecord)

namespace {
constexpr Adesk::Int32 kMaxFiledIds = 1 << 26;

// Writes a list of ids as an Int32 count and one typed id each.
void writeIdList(AcDbDwgFiler* filer, const std::vector<AcDbObjectId>& ids) {
    filer->writeInt32(static_cast<Adesk::Int32>(ids.size()));
    for (const AcDbObjectId& id : ids) filer->writeHardOwnershipId(id);
}

bool readIdList(AcDbDwgFiler* filer, vthost::IdList& ids) {
    Adesk::Int32 count = 0;
    filer->readInt32(&count);
    if (filer->filerStatus() == Acad::eOk && (count < 0 || count > kMaxFiledIds))
        filer->setFilerStatus(Acad::eFilerError);
    std::vector<AcDbObjectId> read;
    for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
        AcDbHardOwnershipId id;
        filer->readHardOwnershipId(&id);
        read.push_back(id);
    }
    if (filer->filerStatus() != Acad::eOk) return false;
    ids.assign(std::move(read));
    return true;
}
}  // namespace

Acad::ErrorStatus AcDbSymbolTableRecord::getName(char*& name) const {
    assertReadEnabled();
    acutNewString(m_name.c_str(), name);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(const char*& name) const {
    assertReadEnabled();
    name = m_name.c_str();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::setName(const char* name) {
    if (name == nullptr || *name == '\0') return Acad::eInvalidInput;
    assertWriteEnabled();
    m_name = name;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk) return status;
    filer->writeString(m_name.c_str());
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTableRecord::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    Acad::ErrorStatus status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk) return status;
    char* name = nullptr;
    filer->readString(&name);
    if (filer->filerStatus() == Acad::eOk && name != nullptr) m_name = name;
    acutDelString(name);
    return filer->filerStatus();
}

// Names are read whatever the records' open states: a record that someone has open for write
// must still be found (and still count as taken when a record is added).
Acad::ErrorStatus AcDbSymbolTable::getAt(const char* name, AcDbObjectId& id, bool getErased) const {
    assertReadEnabled();
    if (name == nullptr) return Acad::eInvalidKey;
    AcDbDatabase* db = database();
    if (db == nullptr) return Acad::eKeyNotFound;
    bool foundErased = false;
    for (const AcDbObjectId& recordId : m_records.ids()) {
        auto* record = AcDbSymbolTableRecord::cast(vthost::DatabaseAccess::objectAt(*db, recordId.rawHandle()));
        if (record == nullptr) continue;
        bool match = false;
        vthost::ObjectAccess::withReadAccess(record, [&] {
            const char* recordName = nullptr;
            record->getName(recordName);
            match = recordName != nullptr && strcasecmp(recordName, name) == 0;
        });
        if (!match) continue;
        if (record->isErased() && !getErased) {
            foundErased = true;
            continue;
        }
        id = recordId;
        return Acad::eOk;
    }
    return foundErased ? Acad::eWasErased : Acad::eKeyNotFound;
}

bool AcDbSymbolTable::has(const char* name) const {
    AcDbObjectId id;
    return getAt(name, id) == Acad::eOk;
}

bool AcDbSymbolTable::has(AcDbObjectId id) const {
    assertReadEnabled();
    return std::find(m_records.ids().begin(), m_records.ids().end(), id) != m_records.ids().end();
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbSymbolTableRecord* record) {
    AcDbObjectId id;
    return add(id, record);
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbObjectId& id, AcDbSymbolTableRecord* record) {
    assertWriteEnabled();
    if (record == nullptr) return Acad::eNullObjectPointer;
    AcDbDatabase* db = database();
    if (db == nullptr) return Acad::eNotInDatabase;
    const char* name = nullptr;
    record->getName(name);
    if (name != nullptr && *name != '\0' && has(name)) return Acad::eDuplicateKey;
    Acad::ErrorStatus status = db->addAcDbObject(id, record);
    if (status != Acad::eOk) return status;
    record->setOwnerId(objectId());
    m_records.append(id);
    return Acad::eOk;
}

// Record: base object; Int32 count; the records as hard ownership ids. A head filer gets the base
// object only.
Acad::ErrorStatus AcDbSymbolTable::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbObject::dwgOutFields(filer);
    if (status != Acad::eOk || vthost::isHeadFiler(filer)) return status;
    writeIdList(filer, m_records.ids());
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTable::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    Acad::ErrorStatus status = AcDbObject::dwgInFields(filer);
    if (status != Acad::eOk || vthost::isHeadFiler(filer)) return status;
    readIdList(filer, m_records);
    return filer->filerStatus();
}

std::shared_ptr<vthost::UndoRecord> AcDbSymbolTable::newUndoRecord() {
    return m_records.newRecord<&AcDbSymbolTable::recordsOf>(this);
}

vthost::IdList& AcDbSymbolTable::recordsOf(AcDbObject* table) {
    return static_cast<AcDbSymbolTable*>(table)->m_records;
}

Acad::ErrorStatus AcDbBlockTable::getAt(const char* name, AcDbBlockTableRecord*& record,
                                        AcDb::OpenMode mode, bool openErased) const {
    AcDbObjectId id;
    Acad::ErrorStatus status = AcDbSymbolTable::getAt(name, id, openErased);
    if (status != Acad::eOk) return status;
    return acdbOpenObject(record, id, mode, openErased);
}

Acad::ErrorStatus AcDbBlockTable::newIterator(AcDbBlockTableIterator*& iterator, bool atBeginning,
                                              bool skipDeleted) const {
    assertReadEnabled();
    iterator = new AcDbBlockTableIterator(recordIds(), atBeginning, skipDeleted);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* entity) {
    AcDbObjectId id;
    return appendAcDbEntity(id, entity);
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity) {
    assertWriteEnabled();
    if (entity == nullptr) return Acad::eNullObjectPointer;
    AcDbDatabase* db = database();
    if (db == nullptr) return Acad::eNotInDatabase;
    Acad::ErrorStatus status = db->addAcDbObject(id, entity);
    if (status != Acad::eOk) return status;
    entity->setOwnerId(objectId());
    m_entities.append(id);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::newIterator(AcDbBlockTableRecordIterator*& iterator,
                                                    bool atBeginning, bool skipDeleted) const {
    assertReadEnabled();
    iterator = new AcDbBlockTableRecordIterator(m_entities.ids(), objectId(), atBeginning, skipDeleted);
    return Acad::eOk;
}

bool AcDbBlockTableRecord::isLayout() const {
    const char* name = nullptr;
    getName(name);
    return strcasecmp(name, ACDB_MODEL_SPACE) == 0 || strncasecmp(name, ACDB_PAPER_SPACE, 12) == 0;
}

bool AcDbBlockTableRecord::isAnonymous() const {
    const char* name = nullptr;
    getName(name);
    return name[0] == '*' && !isLayout();
}

bool AcDbBlockTableRecord::hasAttributeDefinitions() const {
    assertReadEnabled();
    AcRxClass* definition = acrxFindClass("AcDbAttributeDefinition");
    for (const AcDbObjectId& id : m_entities.ids()) {
        AcDbObject* object = nullptr;
        if (acdbOpenAcDbObject(object, id, AcDb::kForRead) != Acad::eOk) continue;
        bool found = definition != nullptr && object->isKindOf(definition);
        object->close();
        if (found) return true;
    }
    return false;
}

// Record: symbol-table record; Int32 count; the entities as hard ownership ids, in order. A head
// filer gets the symbol-table record only.
Acad::ErrorStatus AcDbBlockTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
    assertReadEnabled();
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgOutFields(filer);
    if (status != Acad::eOk || vthost::isHeadFiler(filer)) return status;
    writeIdList(filer, m_entities.ids());
    return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockTableRecord::dwgInFields(AcDbDwgFiler* filer) {
    assertWriteEnabled();
    Acad::ErrorStatus status = AcDbSymbolTableRecord::dwgInFields(filer);
    if (status != Acad::eOk || vthost::isHeadFiler(filer)) return status;
    readIdList(filer, m_entities);
    return filer->filerStatus();
}

std::shared_ptr<vthost::UndoRecord> AcDbBlockTableRecord::newUndoRecord() {
    return m_entities.newRecord<&AcDbBlockTableRecord::entitiesOf>(this);
}

vthost::IdList& AcDbBlockTableRecord::entitiesOf(AcDbObject* record) {
    return static_cast<AcDbBlockTableRecord*>(record)->m_entities;
}

AcDbIdListIterator::AcDbIdListIterator(std::vector<AcDbObjectId> ids, bool atBeginning,
                                       bool skipDeleted)
    : m_ids(std::move(ids)) {
    start(atBeginning, skipDeleted);
}

void AcDbIdListIterator::start(bool atBeginning, bool skipDeleted) {
    m_position = atBeginning ? 0 : static_cast<long>(m_ids.size()) - 1;
    skip(atBeginning, skipDeleted);
}

bool AcDbIdListIterator::done() const {
    return m_position < 0 || m_position >= static_cast<long>(m_ids.size());
}

void AcDbIdListIterator::skip(bool forward, bool skipDeleted) {
    while (skipDeleted && !done() && m_ids[static_cast<std::size_t>(m_position)].isErased())
        m_position += forward ? 1 : -1;
}

void AcDbIdListIterator::step(bool forward, bool skipDeleted) {
    if (done()) return;
    m_position += forward ? 1 : -1;
    skip(forward, skipDeleted);
}

AcDbObjectId AcDbIdListIterator::current() const {
    return done() ? AcDbObjectId() : m_ids[static_cast<std::size_t>(m_position)];
}

bool AcDbIdListIterator::seek(AcDbObjectId id) {
    auto it = std::find(m_ids.begin(), m_ids.end(), id);
    if (it == m_ids.end()) return false;
    m_position = it - m_ids.begin();
    return true;
}

Acad::ErrorStatus AcDbBlockTableIterator::getRecordId(AcDbObjectId& id) const {
    if (done()) return Acad::eIteratorDone;
    id = current();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableIterator::getRecord(AcDbBlockTableRecord*& record,
                                                    AcDb::OpenMode mode, bool openErased) const {
    if (done()) return Acad::eIteratorDone;
    return acdbOpenObject(record, current(), mode, openErased);
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntityId(AcDbObjectId& id) const {
    if (done()) return Acad::eIteratorDone;
    id = current();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntity(AcDbEntity*& entity, AcDb::OpenMode mode,
                                                          bool openErased) const {
    if (done()) return Acad::eIteratorDone;
    return acdbOpenObject(entity, current(), mode, openErased);
}

#include "db/AcDbDatabase.h"

#include <unordered_map>

#include "db/AcDbDictionary.h"
#include "db/AcDbSymbolTable.h"
#include "db/TransactionAccess.h"
#include "db/DrawingFile.h"
#include "db/DwgStreamFiler.h"
#include "db/ObjectAccess.h"

ACRX_DEFINE_MEMBERS(AcDbDatabase)

namespace {

// Serial 0 means "no database"; a deleted database leaves a null entry behind.
std::vector<AcDbDatabase*>& databases() {
    static std::vector<AcDbDatabase*> all{nullptr};
    return all;
}

char g_goneMarker;
AcDbObject* const kGone = reinterpret_cast<AcDbObject*>(&g_goneMarker);

// Collects every reference an object files, with its kind.
class ReferenceCollector : public vthost::DwgStreamFiler {
public:
    explicit ReferenceCollector(AcDbDatabase* db) : DwgStreamFiler(AcDb::kIdFiler, db) {}
    std::vector<std::pair<AcDbObjectId, bool>> references;  // id, is hard

    Acad::ErrorStatus writeHardOwnershipId(const AcDbHardOwnershipId& id) override {
        return add(id, true);
    }
    Acad::ErrorStatus writeHardPointerId(const AcDbHardPointerId& id) override {
        return add(id, true);
    }
    Acad::ErrorStatus writeSoftOwnershipId(const AcDbSoftOwnershipId& id) override {
        return add(id, false);
    }
    Acad::ErrorStatus writeSoftPointerId(const AcDbSoftPointerId& id) override {
        return add(id, false);
    }

private:
    Acad::ErrorStatus add(const AcDbObjectId& id, bool hard) {
        if (!id.isNull()) references.emplace_back(id, hard);
        return filerStatus();
    }
};

std::vector<AcDbObjectId> hardReferencesOf(const AcDbObject* object) {
    ReferenceCollector collector(object->database());
    vthost::ObjectAccess::withReadAccess(object, [&] { object->dwgOutFields(&collector); });
    std::vector<AcDbObjectId> hard;
    for (auto& [id, isHard] : collector.references)
        if (isHard) hard.push_back(id);
    return hard;
}

}  // namespace

namespace vthost {
AcDbDatabase* databaseBySerial(std::uint32_t serial) {
    return serial < databases().size() ? databases()[serial] : nullptr;
}
}  // namespace vthost

AcDbDatabase::AcDbDatabase(bool buildDefault, bool)
    : m_serial(static_cast<std::uint32_t>(databases().size())),
      m_transactions(std::make_unique<AcDbTransactionManager>(this)) {
    databases().push_back(this);
    if (buildDefault) buildDefaultDrawing();
}

AcDbDatabase::~AcDbDatabase() {
    m_transactions.reset();
    forEachObject([](AcDbObject* object) { vthost::ObjectAccess::sendGoodbye(object); });
    forEachObject([](AcDbObject* object) { delete object; });
    databases()[m_serial] = nullptr;
}

void AcDbDatabase::buildDefaultDrawing() {
    auto* named = new AcDbDictionary();
    addAcDbObject(m_namedObjects, named);
    named->close();
    auto* table = new AcDbBlockTable();
    addAcDbObject(m_blockTable, table);
    table->setOwnerId(AcDbObjectId());
    for (const char* name : {ACDB_MODEL_SPACE, ACDB_PAPER_SPACE}) {
        auto* record = new AcDbBlockTableRecord();
        record->setName(name);
        AcDbObjectId id;
        table->add(id, record);
        record->close();
        (name == std::string(ACDB_MODEL_SPACE) ? m_modelSpace : m_paperSpace) = id;
    }
    table->close();
}

AcDbObject** AcDbDatabase::slot(std::uint32_t handle, bool create) {
    if (handle == 0 || handle >= kMaxHandle) return nullptr;
    std::size_t page = handle >> kPageBits;
    if (page >= m_pages.size()) {
        if (!create) return nullptr;
        m_pages.resize(page + 1);
    }
    if (!m_pages[page]) {
        if (!create) return nullptr;
        m_pages[page] = std::make_unique<AcDbObject*[]>(kPageSize);
    }
    return &m_pages[page][handle & (kPageSize - 1)];
}

AcDbObject* AcDbDatabase::objectAt(std::uint32_t handle) const {
    AcDbObject** entry = const_cast<AcDbDatabase*>(this)->slot(handle, false);
    return entry == nullptr || *entry == kGone ? nullptr : *entry;
}

bool AcDbDatabase::isPermanentlyErased(std::uint32_t handle) const {
    AcDbObject** entry = const_cast<AcDbDatabase*>(this)->slot(handle, false);
    if (entry != nullptr && *entry == kGone) return true;
    return handle != 0 && handle < m_goneBelow && (entry == nullptr || *entry == nullptr);
}

Acad::ErrorStatus AcDbDatabase::saveAs(const char* fileName) {
    return vthost::writeDrawingFile(*this, fileName);
}

Acad::ErrorStatus AcDbDatabase::readDwgFile(const char* fileName) {
    return vthost::readDrawingFile(*this, fileName);
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObject* object) {
    AcDbObjectId id;
    return addAcDbObject(id, object);
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& id, AcDbObject* object) {
    if (object == nullptr) return Acad::eNullObjectPointer;
    if (!object->objectId().isNull()) return Acad::eAlreadyInDb;
    if (m_nextHandle >= kMaxHandle) return Acad::eOutOfRange;
    Acad::ErrorStatus status = addWithHandle(object, m_nextHandle);
    if (status != Acad::eOk) return status;
    id = object->objectId();
    vthost::TransactionAccess::recordAdded(m_transactions.get(), id.rawHandle());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::addWithHandle(AcDbObject* object, std::uint32_t handle) {
    AcDbObject** entry = slot(handle, true);
    if (entry == nullptr) return Acad::eOutOfRange;
    if (*entry != nullptr) return Acad::eDuplicateKey;
    *entry = object;
    ++m_objectCount;
    if (handle >= m_nextHandle) m_nextHandle = handle + 1;
    vthost::ObjectAccess::attach(object, AcDbObjectId(m_serial, handle));
    return Acad::eOk;
}

void AcDbDatabase::uncreate(std::uint32_t handle) {
    AcDbObject** entry = slot(handle, false);
    if (entry == nullptr || *entry == nullptr || *entry == kGone) return;
    AcDbObject* object = *entry;
    *entry = kGone;
    --m_objectCount;
    vthost::ObjectAccess::sendGoodbye(object);
    delete object;
}

Acad::ErrorStatus AcDbDatabase::getAcDbObjectId(AcDbObjectId& id, bool, const AcDbHandle& handle,
                                                Adesk::UInt32) {
    if (handle.value() == 0 || handle.value() >= kMaxHandle) return Acad::eInvalidInput;
    auto raw = static_cast<std::uint32_t>(handle.value());
    if (objectAt(raw) == nullptr && !isPermanentlyErased(raw)) return Acad::eKeyNotFound;
    id = AcDbObjectId(m_serial, raw);
    return Acad::eOk;
}

void AcDbDatabase::forEachObject(const std::function<void(AcDbObject*)>& fn) const {
    for (const auto& page : m_pages) {
        if (!page) continue;
        for (std::uint32_t i = 0; i < kPageSize; ++i)
            if (page[i] != nullptr && page[i] != kGone) fn(page[i]);
    }
}

void AcDbDatabase::setWellKnownIds(AcDbObjectId namedObjects, AcDbObjectId blockTable,
                                   AcDbObjectId modelSpace, AcDbObjectId paperSpace) {
    m_namedObjects = namedObjects;
    m_blockTable = blockTable;
    m_modelSpace = modelSpace;
    m_paperSpace = paperSpace;
}

Acad::ErrorStatus AcDbDatabase::getNamedObjectsDictionary(AcDbDictionary*& dictionary,
                                                          AcDb::OpenMode mode) {
    return acdbOpenObject(dictionary, m_namedObjects, mode);
}

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode) {
    return acdbOpenObject(table, m_blockTable, mode);
}

Acad::ErrorStatus AcDbDatabase::countHardReferences(const AcDbObjectIdArray& ids,
                                                    Adesk::UInt32* counts) {
    if (counts == nullptr) return Acad::eNullObjectPointer;
    std::unordered_map<AcDbObjectId, std::vector<int>> wanted;
    for (int i = 0; i < ids.length(); ++i) wanted[ids[i]].push_back(i);
    forEachObject([&](AcDbObject* object) {
        if (object->isErased() || object->objectId().isEffectivelyErased()) return;
        for (const AcDbObjectId& id : hardReferencesOf(object)) {
            auto it = wanted.find(id);
            if (it == wanted.end()) continue;
            for (int index : it->second) ++counts[index];
        }
    });
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::purge(AcDbObjectIdArray& ids) {
    std::vector<Adesk::UInt32> counts(static_cast<std::size_t>(ids.length()), 0);
    Acad::ErrorStatus status = countHardReferences(ids, counts.data());
    if (status != Acad::eOk) return status;
    AcDbObjectIdArray kept;
    for (int i = 0; i < ids.length(); ++i)
        if (counts[static_cast<std::size_t>(i)] == 0) kept.append(ids[i]);
    ids = kept;
    return Acad::eOk;
}

// AcDbDatabase: one drawing. It owns every object added to it (by handle, in slots that outlive
// erasure), the named-objects dictionary, the block table with model and paper space, the header
// variables (units and the like) and the transaction manager. Deleting the database deletes its
// objects; ids of a deleted database stay comparable but are no longer valid.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "db/AcDbObject.h"
#include "db/HeaderVariables.h"

class AcDbDictionary;
class AcDbBlockTable;
class AcDbTransactionManager;
namespace vthost {
class DatabaseAccess;
}

class AcDbDatabase : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbDatabase);

    // buildDefaultDrawing: a new drawing with its dictionaries and tables; false: an empty shell
    // for reading a drawing file into.
    explicit AcDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
    ~AcDbDatabase() override;
    AcDbDatabase(const AcDbDatabase&) = delete;
    AcDbDatabase& operator=(const AcDbDatabase&) = delete;

    // Writes the drawing to fileName (see docs/drawing-file.md) through a temporary file beside
    // it that replaces the file only once all of it is written and flushed to disk. On failure
    // (eFilerError, or the status of an object that could not file itself) the previous file is
    // left as it was and the temporary is removed. Erased objects are not written.
    Acad::ErrorStatus saveAs(const char* fileName);
    // Fills a database made with AcDbDatabase(false) from a drawing file; every object comes in
    // closed. Refusals leave the database empty: eInvalidInput (no name, a database that is not
    // empty, not a drawing file), eNotImplementedYet (written by a newer format), eEndOfFile
    // (cut short), eFilerError (unreadable or damaged).
    Acad::ErrorStatus readDwgFile(const char* fileName);

    // Makes a new object resident under a new handle; it stays open for write (close it).
    Acad::ErrorStatus addAcDbObject(AcDbObject* object);
    Acad::ErrorStatus addAcDbObject(AcDbObjectId& id, AcDbObject* object);
    Acad::ErrorStatus getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound,
                                      const AcDbHandle& handle, Adesk::UInt32 xRefId = 0);

    AcDbObjectId namedObjectsDictionaryId() const { return m_namedObjects; }
    Acad::ErrorStatus getNamedObjectsDictionary(AcDbDictionary*& dictionary, AcDb::OpenMode mode);
    AcDbObjectId blockTableId() const { return m_blockTable; }
    Acad::ErrorStatus getBlockTable(AcDbBlockTable*& table, AcDb::OpenMode mode);
    AcDbObjectId modelSpaceId() const { return m_modelSpace; }
    AcDbObjectId paperSpaceId() const { return m_paperSpace; }

    // Adds to counts[i] one for every hard reference (hard pointer or hard owner) to ids[i]
    // held by an object that is not erased, nor owned by an erased one (a link in the extension
    // dictionary of an erased entity holds nothing). The caller zeroes counts.
    Acad::ErrorStatus countHardReferences(const AcDbObjectIdArray& ids, Adesk::UInt32* counts);
    // Removes from ids every id that a non-erased object still references hard.
    Acad::ErrorStatus purge(AcDbObjectIdArray& ids);

    AcDbTransactionManager* transactionManager() const { return m_transactions.get(); }
    vthost::HeaderVariables& headerVariables() { return m_header; }
    const vthost::HeaderVariables& headerVariables() const { return m_header; }

    // The drawing's identity: its serial in this session, the next handle it gives out, how many
    // objects it holds, and whether a handle's object is gone for good.
    bool isPermanentlyErased(std::uint32_t handle) const;
    std::uint32_t serial() const { return m_serial; }
    std::uint32_t handseed() const { return m_nextHandle; }
    std::size_t objectCount() const { return m_objectCount; }
    static constexpr std::uint32_t kMaxHandle = 1u << 28;

private:
    // Reached by the host itself through vthost::DatabaseAccess (db/DatabaseAccess.h).
    friend class vthost::DatabaseAccess;
    AcDbObject* objectAt(std::uint32_t handle) const;
    void forEachObject(const std::function<void(AcDbObject*)>& fn) const;
    void uncreate(std::uint32_t handle);
    Acad::ErrorStatus addWithHandle(AcDbObject* object, std::uint32_t handle);
    void setHandseed(std::uint32_t next) { m_nextHandle = next; }
    void setHandlesGoneBelow(std::uint32_t below) { m_goneBelow = below; }
    void setWellKnownIds(AcDbObjectId namedObjects, AcDbObjectId blockTable,
                         AcDbObjectId modelSpace, AcDbObjectId paperSpace);

    AcDbObject** slot(std::uint32_t handle, bool create);
    void buildDefaultDrawing();

    static constexpr std::uint32_t kPageBits = 10;
    static constexpr std::uint32_t kPageSize = 1u << kPageBits;
    std::vector<std::unique_ptr<AcDbObject*[]>> m_pages;
    std::uint32_t m_serial;
    std::uint32_t m_nextHandle = 1;
    std::size_t m_objectCount = 0;
    std::uint32_t m_goneBelow = 0;
    AcDbObjectId m_namedObjects;
    AcDbObjectId m_blockTable;
    AcDbObjectId m_modelSpace;
    AcDbObjectId m_paperSpace;
    vthost::HeaderVariables m_header;
    std::unique_ptr<AcDbTransactionManager> m_transactions;
};

namespace vthost {
// The live database with that serial, or null once it has been deleted.
AcDbDatabase* databaseBySerial(std::uint32_t serial);
}  // namespace vthost

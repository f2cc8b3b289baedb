// Symbol tables: AcDbBlockTable holds block table records by case-insensitive name
// ("*MODEL_SPACE", "*PAPER_SPACE", user blocks); a block table record owns its entities in
// order. Iterators are deleted by the caller; the table or record must stay open while used.
// Both are containers: for cancel and abort they log their entry changes instead of copying
// themselves (see UndoRecord.h).
#pragma once
#include <string>
#include <vector>

#include "db/AcDbObject.h"
#include "db/EntryLog.h"

#define ACDB_MODEL_SPACE "*MODEL_SPACE"
#define ACDB_PAPER_SPACE "*PAPER_SPACE"

class AcDbEntity;
class AcDbBlockTableRecord;
class AcDbBlockTableIterator;
class AcDbBlockTableRecordIterator;

class AcDbSymbolTableRecord : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSymbolTableRecord);
    // An allocated copy (free it with acutDelString), or a pointer into the record.
    Acad::ErrorStatus getName(char*& name) const;
    Acad::ErrorStatus getName(const char*& name) const;
    Acad::ErrorStatus setName(const char* name);
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    AcDbSymbolTableRecord() = default;

private:
    std::string m_name;
};

class AcDbSymbolTable : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbSymbolTable);
    Acad::ErrorStatus getAt(const char* name, AcDbObjectId& id, bool getErased = false) const;
    bool has(const char* name) const;
    bool has(AcDbObjectId id) const;
    // Adds a new record (it stays open for write: close it).
    Acad::ErrorStatus add(AcDbObjectId& id, AcDbSymbolTableRecord* record);
    Acad::ErrorStatus add(AcDbSymbolTableRecord* record);
    const std::vector<AcDbObjectId>& recordIds() const { return m_records.ids(); }
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

protected:
    AcDbSymbolTable() = default;

private:
    std::shared_ptr<vthost::UndoRecord> newUndoRecord() override;
    static vthost::IdList& recordsOf(AcDbObject* table);

    vthost::IdList m_records;
};

class AcDbBlockTable : public AcDbSymbolTable {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockTable);
    AcDbBlockTable() = default;
    Acad::ErrorStatus getAt(const char* name, AcDbBlockTableRecord*& record, AcDb::OpenMode mode,
                            bool openErased = false) const;
    Acad::ErrorStatus getAt(const char* name, AcDbObjectId& id, bool getErased = false) const {
        return AcDbSymbolTable::getAt(name, id, getErased);
    }
    Acad::ErrorStatus newIterator(AcDbBlockTableIterator*& iterator, bool atBeginning = true,
                                  bool skipDeleted = true) const;
};

class AcDbBlockTableRecord : public AcDbSymbolTableRecord {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockTableRecord);
    AcDbBlockTableRecord() = default;
    // The record must be database-resident and open for write; the entity becomes owned by it
    // and stays open for write (close it).
    Acad::ErrorStatus appendAcDbEntity(AcDbEntity* entity);
    Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity);
    Acad::ErrorStatus newIterator(AcDbBlockTableRecordIterator*& iterator, bool atBeginning = true,
                                  bool skipDeleted = true) const;
    bool isLayout() const;
    bool isAnonymous() const;
    bool hasAttributeDefinitions() const;
    const std::vector<AcDbObjectId>& entityIds() const { return m_entities.ids(); }
    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

private:
    std::shared_ptr<vthost::UndoRecord> newUndoRecord() override;
    static vthost::IdList& entitiesOf(AcDbObject* record);

    vthost::IdList m_entities;
};

// Shared walk over a list of ids, skipping erased ones when asked.
class AcDbIdListIterator {
public:
    AcDbIdListIterator(std::vector<AcDbObjectId> ids, bool atBeginning, bool skipDeleted);
    void start(bool atBeginning = true, bool skipDeleted = true);
    bool done() const;
    void step(bool forward = true, bool skipDeleted = true);
    AcDbObjectId current() const;
    bool seek(AcDbObjectId id);

private:
    void skip(bool forward, bool skipDeleted);
    std::vector<AcDbObjectId> m_ids;
    long m_position = 0;
};

class AcDbBlockTableIterator : public AcDbIdListIterator {
public:
    using AcDbIdListIterator::AcDbIdListIterator;
    Acad::ErrorStatus getRecordId(AcDbObjectId& id) const;
    Acad::ErrorStatus getRecord(AcDbBlockTableRecord*& record, AcDb::OpenMode mode,
                                bool openErased = false) const;
};

class AcDbBlockTableRecordIterator : public AcDbIdListIterator {
public:
    AcDbBlockTableRecordIterator(std::vector<AcDbObjectId> ids, AcDbObjectId owner, bool atBeginning,
                                 bool skipDeleted)
        : AcDbIdListIterator(std::move(ids), atBeginning, skipDeleted), m_owner(owner) {}
    Acad::ErrorStatus getEntityId(AcDbObjectId& id) const;
    Acad::ErrorStatus getEntity(AcDbEntity*& entity, AcDb::OpenMode mode,
                                bool openErased = false) const;
    AcDbObjectId blockTableRecordId() const { return m_owner; }

private:
    AcDbObjectId m_owner;
};

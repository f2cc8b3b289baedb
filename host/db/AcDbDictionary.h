// AcDbDictionary: a database object that owns other objects under case-insensitive text keys.
// setAt adds the object to the database, becomes its owner and its persistent reactor (so that
// erasing the entry drops it from the dictionary). A key starting with '*' asks for an anonymous
// key "*A<n>", n counting up from 1 and never reused while the dictionary lives. remove takes the
// entry out and drops the dictionary as owner and reactor; it does not erase the object.
// For cancel and abort the dictionary logs its entry changes instead of copying itself (see
// UndoRecord.h); entries are kept in a sorted set, so that adding one costs the same however many
// there are.
#pragma once
#include <set>
#include <string>
#include <vector>

#include "db/AcDbObject.h"
#include "db/EntryLog.h"
#include "rx/AcRx.h"

class AcDbDictionaryIterator;

class AcDbDictionary : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbDictionary);
    AcDbDictionary() = default;
    ~AcDbDictionary() override = default;

    // Opens the entry in mode; eKeyNotFound when absent, eInvalidKey for a null key.
    Acad::ErrorStatus getAt(const char* key, AcDbObject*& obj, AcDb::OpenMode mode) const;
    Acad::ErrorStatus getAt(const char* key, AcDbObjectId& id) const;
    // The key of an entry, allocated: the caller frees it with acutDelString.
    Acad::ErrorStatus nameAt(AcDbObjectId id, char*& name) const;
    bool has(const char* key) const;
    bool has(AcDbObjectId id) const;
    Adesk::UInt32 numEntries() const;

    Acad::ErrorStatus remove(const char* key);
    Acad::ErrorStatus remove(const char* key, AcDbObjectId& returnId);
    Acad::ErrorStatus remove(AcDbObjectId id);
    bool setName(const char* oldName, const char* newName);
    // The object must be new (not in a database); it stays open for write: close it.
    Acad::ErrorStatus setAt(const char* key, AcDbObject* newValue, AcDbObjectId& retObjId);

    bool isTreatElementsAsHard() const;
    void setTreatElementsAsHard(bool doIt);

    // The caller deletes the iterator; keep the dictionary open while using it.
    AcDbDictionaryIterator* newIterator(AcRx::DictIterType type = AcRx::kDictSorted) const;

    Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
    Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
    void erased(const AcDbObject* dbObj, Adesk::Boolean erasing = true) override;
    Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;

    struct Entry {
        std::string key;
        AcDbObjectId id;
        std::uint32_t order;  // insertion order, for collated iteration
    };

private:
    // Orders entries by key, case-insensitive; finds them by key alone.
    struct KeyOrder {
        using is_transparent = void;
        bool operator()(const Entry& a, const Entry& b) const;
        bool operator()(const Entry& a, const std::string& b) const;
        bool operator()(const std::string& a, const Entry& b) const;
    };
    using Entries = std::set<Entry, KeyOrder>;
    // An entry added (undone by taking it out) or removed (undone by putting it back).
    struct EntryChange {
        bool inserted;
        Entry entry;
    };

    Entries::const_iterator findKey(const std::string& key) const;
    Entries::const_iterator findId(AcDbObjectId id) const;
    std::string makeKey(const char* key);
    void insertEntry(Entry entry);
    void detach(AcDbObjectId id);
    void eraseEntry(Entries::const_iterator it);
    void replaceEntries(const std::vector<Entry>& entries);
    Acad::ErrorStatus readHead(AcDbDwgFiler* filer, Adesk::UInt32 counter, bool hard);
    std::shared_ptr<vthost::UndoRecord> newUndoRecord() override;
    static void revert(AcDbObject* dictionary, const EntryChange& change);

    Entries m_entries;
    vthost::EntryJournal<EntryChange> m_journal;
    std::uint32_t m_anonymousCounter = 0;
    std::uint32_t m_nextOrder = 0;
    bool m_treatElementsAsHard = false;
};

// Walks a snapshot of a dictionary's entries, sorted by key or in insertion order.
class AcDbDictionaryIterator {
public:
    AcDbDictionaryIterator(std::vector<AcDbDictionary::Entry> entries);
    // Points into the iterator; valid until the iterator moves or is deleted.
    const char* name() const;
    AcDbObjectId objectId() const;
    Acad::ErrorStatus getObject(AcDbObject*& obj, AcDb::OpenMode mode);
    bool done() const { return m_position >= m_entries.size(); }
    bool next();
    bool setPosition(AcDbObjectId id);

private:
    std::vector<AcDbDictionary::Entry> m_entries;
    std::size_t m_position = 0;
};

bool vthostKeyLess(const std::string& a, const std::string& b);

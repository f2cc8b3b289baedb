// AcRxDictionary: a runtime dictionary from text keys to AcRxObjects (the system registry and its
// entries are such dictionaries). A deleting dictionary owns its entries and deletes replaced and
// removed ones; a non-deleting one hands them back to the caller. Keys are copied.
#pragma once
#include <string>
#include <vector>

#include "rx/AcRx.h"
#include "rx/AcRxObject.h"

class AcRxDictionaryIterator;

class AcRxDictionary : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcRxDictionary);

    explicit AcRxDictionary(bool deletesObjects = false, bool caseSensitive = true);
    ~AcRxDictionary() override;
    AcRxDictionary(const AcRxDictionary&) = delete;
    AcRxDictionary& operator=(const AcRxDictionary&) = delete;

    // The entry's object, still owned by the dictionary; null when absent.
    AcRxObject* at(const char* key) const;
    AcRxObject* at(Adesk::UInt32 id) const;
    // Puts or replaces; returns the replaced object for a non-deleting dictionary (else null).
    AcRxObject* atPut(const char* key, AcRxObject* object);
    AcRxObject* atPut(const char* key, AcRxObject* object, Adesk::UInt32& retId);
    // Takes the entry out; returns the object for a non-deleting dictionary (else null).
    AcRxObject* remove(const char* key);
    Adesk::Boolean has(const char* key) const;
    Adesk::Boolean resetKey(const char* oldKey, const char* newKey);
    Adesk::UInt32 idAt(const char* key) const;
    const char* keyAt(Adesk::UInt32 id) const;
    Adesk::UInt32 numEntries() const { return static_cast<Adesk::UInt32>(m_entries.size()); }
    // The caller deletes the iterator; it sees the entries in key order.
    AcRxDictionaryIterator* newIterator(AcRx::DictIterType type = AcRx::kDictSorted) const;
    Adesk::Boolean deletesObjects() const { return m_deletesObjects; }
    Adesk::Boolean isCaseSensitive() const { return m_caseSensitive; }
    Adesk::Boolean isSorted() const { return true; }

private:
    friend class AcRxDictionaryIterator;
    struct Entry {
        std::string key;
        AcRxObject* object;
        Adesk::UInt32 id;
    };
    std::vector<Entry>::const_iterator find(const char* key) const;
    std::vector<Entry>::iterator find(const char* key);
    bool keyLess(const std::string& a, const char* b) const;
    AcRxObject* release(AcRxObject* object);

    std::vector<Entry> m_entries;  // sorted by key
    Adesk::UInt32 m_nextId = 1;
    bool m_deletesObjects;
    bool m_caseSensitive;
};

// Walks a snapshot of a dictionary's entries in key order.
class AcRxDictionaryIterator {
public:
    explicit AcRxDictionaryIterator(const AcRxDictionary& dictionary);
    bool done() const { return m_position >= m_entries.size(); }
    bool next();
    const char* key() const;
    AcRxObject* object() const;
    Adesk::UInt32 id() const;

private:
    std::vector<AcRxDictionary::Entry> m_entries;
    std::size_t m_position = 0;
};

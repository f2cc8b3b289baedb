#include "rx/AcRxDictionary.h"

#include <algorithm>
#include <strings.h>

ACRX_DEFINE_MEMBERS(AcRxDictionary)

AcRxDictionary::AcRxDictionary(bool deletesObjects, bool caseSensitive)
    : m_deletesObjects(deletesObjects), m_caseSensitive(caseSensitive) {}

AcRxDictionary::~AcRxDictionary() {
    if (!m_deletesObjects) return;
    for (Entry& entry : m_entries) delete entry.object;
}

bool AcRxDictionary::keyLess(const std::string& a, const char* b) const {
    return m_caseSensitive ? a.compare(b) < 0 : strcasecmp(a.c_str(), b) < 0;
}

std::vector<AcRxDictionary::Entry>::const_iterator AcRxDictionary::find(const char* key) const {
    auto it = std::lower_bound(m_entries.begin(), m_entries.end(), key,
                               [this](const Entry& e, const char* k) { return keyLess(e.key, k); });
    if (it == m_entries.end()) return it;
    bool equal = m_caseSensitive ? it->key == key : strcasecmp(it->key.c_str(), key) == 0;
    return equal ? it : m_entries.end();
}

std::vector<AcRxDictionary::Entry>::iterator AcRxDictionary::find(const char* key) {
    auto constIt = static_cast<const AcRxDictionary*>(this)->find(key);
    return m_entries.begin() + (constIt - m_entries.cbegin());
}

AcRxObject* AcRxDictionary::release(AcRxObject* object) {
    if (!m_deletesObjects) return object;
    delete object;
    return nullptr;
}

AcRxObject* AcRxDictionary::at(const char* key) const {
    if (key == nullptr) return nullptr;
    auto it = find(key);
    return it == m_entries.end() ? nullptr : it->object;
}

AcRxObject* AcRxDictionary::at(Adesk::UInt32 id) const {
    for (const Entry& entry : m_entries)
        if (entry.id == id) return entry.object;
    return nullptr;
}

AcRxObject* AcRxDictionary::atPut(const char* key, AcRxObject* object) {
    Adesk::UInt32 id = 0;
    return atPut(key, object, id);
}

AcRxObject* AcRxDictionary::atPut(const char* key, AcRxObject* object, Adesk::UInt32& retId) {
    if (key == nullptr || object == nullptr) return nullptr;
    auto it = find(key);
    if (it != m_entries.end()) {
        AcRxObject* previous = it->object;
        it->object = object;
        retId = it->id;
        return previous == object ? nullptr : release(previous);
    }
    auto pos = std::lower_bound(m_entries.begin(), m_entries.end(), key,
                                [this](const Entry& e, const char* k) { return keyLess(e.key, k); });
    retId = m_nextId++;
    m_entries.insert(pos, Entry{key, object, retId});
    return nullptr;
}

AcRxObject* AcRxDictionary::remove(const char* key) {
    if (key == nullptr) return nullptr;
    auto it = find(key);
    if (it == m_entries.end()) return nullptr;
    AcRxObject* object = it->object;
    m_entries.erase(it);
    return release(object);
}

Adesk::Boolean AcRxDictionary::has(const char* key) const {
    return key != nullptr && find(key) != m_entries.end();
}

Adesk::Boolean AcRxDictionary::resetKey(const char* oldKey, const char* newKey) {
    if (oldKey == nullptr || newKey == nullptr || has(newKey)) return false;
    auto it = find(oldKey);
    if (it == m_entries.end()) return false;
    Entry entry = *it;
    m_entries.erase(it);
    entry.key = newKey;
    auto pos = std::lower_bound(m_entries.begin(), m_entries.end(), newKey,
                                [this](const Entry& e, const char* k) { return keyLess(e.key, k); });
    m_entries.insert(pos, entry);
    return true;
}

Adesk::UInt32 AcRxDictionary::idAt(const char* key) const {
    if (key == nullptr) return 0;
    auto it = find(key);
    return it == m_entries.end() ? 0 : it->id;
}

const char* AcRxDictionary::keyAt(Adesk::UInt32 id) const {
    for (const Entry& entry : m_entries)
        if (entry.id == id) return entry.key.c_str();
    return nullptr;
}

AcRxDictionaryIterator* AcRxDictionary::newIterator(AcRx::DictIterType) const {
    return new AcRxDictionaryIterator(*this);
}

AcRxDictionaryIterator::AcRxDictionaryIterator(const AcRxDictionary& dictionary)
    : m_entries(dictionary.m_entries) {}

bool AcRxDictionaryIterator::next() {
    if (!done()) ++m_position;
    return !done();
}

const char* AcRxDictionaryIterator::key() const {
    return done() ? nullptr : m_entries[m_position].key.c_str();
}

AcRxObject* AcRxDictionaryIterator::object() const {
    return done() ? nullptr : m_entries[m_position].object;
}

Adesk::UInt32 AcRxDictionaryIterator::id() const {
    return done() ? 0 : m_entries[m_position].id;
}

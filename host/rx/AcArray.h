// AcArray: the host's growable array with a logical length (the used elements), a physical length
// (the allocated slots) and a grow length (how many slots to add when full).
#pragma once
#include <algorithm>
#include <vector>

template <class T>
class AcArray {
public:
    explicit AcArray(int physicalLength = 0, int growLength = 8) : m_growLength(growLength) {
        m_items.reserve(static_cast<std::size_t>(std::max(physicalLength, 0)));
    }

    int length() const { return static_cast<int>(m_items.size()); }
    int logicalLength() const { return length(); }
    int physicalLength() const { return static_cast<int>(m_items.capacity()); }
    int growLength() const { return m_growLength; }
    bool isEmpty() const { return m_items.empty(); }

    T& operator[](int i) { return m_items[static_cast<std::size_t>(i)]; }
    const T& operator[](int i) const { return m_items[static_cast<std::size_t>(i)]; }
    T& at(int i) { return (*this)[i]; }
    const T& at(int i) const { return (*this)[i]; }
    T& first() { return m_items.front(); }
    T& last() { return m_items.back(); }

    // Appends and returns the index of the new element; grows by the grow length when full.
    int append(const T& value) {
        if (m_items.size() == m_items.capacity())
            m_items.reserve(m_items.capacity() + static_cast<std::size_t>(std::max(m_growLength, 1)));
        m_items.push_back(value);
        return length() - 1;
    }
    AcArray& removeAt(int i) {
        m_items.erase(m_items.begin() + i);
        return *this;
    }
    AcArray& removeAll() {
        m_items.clear();
        return *this;
    }
    // Shrinking keeps the allocated slots; growing fills with default values.
    AcArray& setLogicalLength(int n) {
        m_items.resize(static_cast<std::size_t>(std::max(n, 0)));
        return *this;
    }
    AcArray& setPhysicalLength(int n) {
        if (n > physicalLength()) m_items.reserve(static_cast<std::size_t>(n));
        return *this;
    }
    AcArray& setGrowLength(int n) {
        m_growLength = n;
        return *this;
    }
    bool contains(const T& value) const { return find(value) >= 0; }
    int find(const T& value) const {
        auto it = std::find(m_items.begin(), m_items.end(), value);
        return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
    }
    bool remove(const T& value) {
        int i = find(value);
        if (i < 0) return false;
        removeAt(i);
        return true;
    }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<T> m_items;
    int m_growLength;
};

// CString: the framework's text string (a subset), owning its characters. It converts to
// const char* for the Win32 calls, formats like printf, and loads string resources the way code
// that names no module does (the current resource handle, then the resource chain). Header-only.
#pragma once
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "ut/Resources.h"

using LPCTSTR = const char*;
using LPTSTR = char*;

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text != nullptr ? text : "") {}  // NOLINT: implicit as in the framework
    CString(const char* text, int length) : m_text(text != nullptr && length > 0 ? std::string(text, static_cast<std::size_t>(length)) : std::string()) {}
    CString(char c, int repeat = 1) : m_text(repeat > 0 ? static_cast<std::size_t>(repeat) : 0u, c) {}
    CString(const std::string& text) : m_text(text) {}  // NOLINT: implicit, for the host's own code

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const { return inRange(index) ? m_text[static_cast<std::size_t>(index)] : '\0'; }
    void SetAt(int index, char c) {
        if (inRange(index)) m_text[static_cast<std::size_t>(index)] = c;
    }
    char operator[](int index) const { return GetAt(index); }
    operator const char*() const { return m_text.c_str(); }  // NOLINT: implicit as in the framework
    // The text for printf-style calls: a CString itself cannot go through "...".
    const char* GetString() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    CString& operator=(const char* text) {
        m_text = text != nullptr ? text : "";
        return *this;
    }
    CString& operator+=(const CString& more) {
        m_text += more.m_text;
        return *this;
    }
    CString& operator+=(const char* more) {
        if (more != nullptr) m_text += more;
        return *this;
    }
    CString& operator+=(char c) {
        m_text += c;
        return *this;
    }
    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_text + b.m_text); }
    friend CString operator+(const CString& a, const char* b) { return a + CString(b); }
    friend CString operator+(const char* a, const CString& b) { return CString(a) + b; }

    int Compare(const char* other) const { return std::strcmp(m_text.c_str(), other != nullptr ? other : ""); }
    // Case-insensitive in ASCII; other bytes compare unchanged.
    int CompareNoCase(const char* other) const {
        const char* a = m_text.c_str();
        const char* b = other != nullptr ? other : "";
        for (;; ++a, ++b) {
            int ca = lower(*a), cb = lower(*b);
            if (ca != cb || ca == 0) return ca < cb ? -1 : ca > cb ? 1 : 0;
        }
    }
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_text < b.m_text; }

    CString Left(int count) const { return CString(m_text.substr(0, clampCount(count))); }
    CString Mid(int first) const { return Mid(first, GetLength()); }
    CString Mid(int first, int count) const {
        if (first < 0) first = 0;
        if (first >= GetLength() || count <= 0) return CString();
        return CString(m_text.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
    }
    CString Right(int count) const {
        std::size_t n = clampCount(count);
        return CString(m_text.substr(m_text.size() - n));
    }
    int Find(const char* what, int start = 0) const {
        if (what == nullptr || start < 0 || start > GetLength()) return -1;
        std::size_t at = m_text.find(what, static_cast<std::size_t>(start));
        return at == std::string::npos ? -1 : static_cast<int>(at);
    }
    int Find(char c, int start = 0) const {
        const char text[2] = {c, '\0'};
        return Find(text, start);
    }
    // Replaces every occurrence of from, in one forward pass; answers how many were replaced.
    int Replace(const char* from, const char* to) {
        if (from == nullptr || *from == '\0') return 0;
        std::string result, replacement = to != nullptr ? to : "";
        std::size_t fromLength = std::strlen(from), at = 0;
        int count = 0;
        for (std::size_t found; (found = m_text.find(from, at)) != std::string::npos; at = found + fromLength, ++count)
            result.append(m_text, at, found - at).append(replacement);
        m_text = result.append(m_text, at, std::string::npos);
        return count;
    }
    CString& TrimLeft() {
        m_text.erase(0, m_text.find_first_not_of(" \t\r\n"));
        return *this;
    }
    CString& TrimRight() {
        m_text.erase(m_text.find_last_not_of(" \t\r\n") + 1);
        return *this;
    }
    CString& Trim() { return TrimRight().TrimLeft(); }
    void MakeUpper() {
        for (char& c : m_text)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    void MakeLower() {
        for (char& c : m_text) c = static_cast<char>(lower(c));
    }

    // printf formatting into the string, of any length.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        va_list args;
        va_start(args, format);
        FormatV(format, args);
        va_end(args);
    }
    void FormatV(const char* format, va_list args) {
        if (format == nullptr) return Empty();
        va_list copy;
        va_copy(copy, args);
        int length = std::vsnprintf(nullptr, 0, format, copy);
        va_end(copy);
        if (length < 0) return Empty();
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        std::vsnprintf(text.data(), text.size(), format, args);
        text.resize(static_cast<std::size_t>(length));
        m_text = std::move(text);
    }

    // The string resource id from the current resource handle or the resource chain; false (and
    // the string unchanged) when no module holds it.
    bool LoadString(UINT id) {
        HINSTANCE module = vthost::resourceModuleWith(vthost::ResourceKind::kString, id);
        const VthostStringResource* found = vthost::findStringResource(module, id);
        if (found == nullptr || found->text == nullptr) return false;
        m_text.assign(found->text, found->length);
        return true;
    }

    // A buffer of at least minLength characters (plus a terminator) holding the text; after
    // writing into it, ReleaseBuffer(-1) takes the text up to the first terminator, or
    // ReleaseBuffer(n) the first n characters.
    char* GetBuffer(int minLength = 0) {
        std::size_t wanted = minLength > 0 ? static_cast<std::size_t>(minLength) : 0u;
        if (m_text.size() < wanted) m_text.resize(wanted, '\0');
        return m_text.data();
    }
    char* GetBufferSetLength(int length) {
        m_text.resize(length > 0 ? static_cast<std::size_t>(length) : 0u, '\0');
        return m_text.data();
    }
    void ReleaseBuffer(int newLength = -1) {
        std::size_t length = newLength < 0 ? std::strlen(m_text.c_str()) : static_cast<std::size_t>(newLength);
        m_text.resize(std::min(length, m_text.size()));
    }

private:
    static int lower(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : static_cast<unsigned char>(c); }
    bool inRange(int index) const { return index >= 0 && index < GetLength(); }
    std::size_t clampCount(int count) const {
        return count <= 0 ? 0u : std::min(static_cast<std::size_t>(count), m_text.size());
    }
    std::string m_text;
};

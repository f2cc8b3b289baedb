// CString: the framework's string class as far as modules use it: a text value that converts to
// const char*, compares, and can be emptied, assigned and formatted. Owns its characters.
#pragma once
#include <cstdarg>
#include <cstdio>
#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text != nullptr ? text : "") {}
    CString(const std::string& text) : m_text(text) {}

    CString& operator=(const char* text) {
        m_text = text != nullptr ? text : "";
        return *this;
    }
    CString& operator+=(const char* text) {
        if (text != nullptr) m_text += text;
        return *this;
    }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const char* GetString() const { return m_text.c_str(); }
    operator const char*() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    // printf-style; the text grows to whatever the format produces.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        va_list arguments;
        va_start(arguments, format);
        FormatV(format, arguments);
        va_end(arguments);
    }
    void FormatV(const char* format, va_list arguments) {
        m_text.clear();
        if (format == nullptr) return;
        va_list sizing;
        va_copy(sizing, arguments);
        int size = std::vsnprintf(nullptr, 0, format, sizing);
        va_end(sizing);
        if (size <= 0) return;
        m_text.resize(static_cast<std::size_t>(size) + 1);
        std::vsnprintf(m_text.data(), m_text.size(), format, arguments);
        m_text.resize(static_cast<std::size_t>(size));
    }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }

private:
    std::string m_text;
};

#include "app/MessageFormat.h"

#include <cctype>
#include <string>

namespace vantorell {

namespace {

// Skips flags, width and precision after a '%'; the conversion character, or '\0'.
char conversionAt(const char*& p) {
    while (*p == '-' || *p == '+' || *p == ' ' || *p == '#' || *p == '0') ++p;
    while (std::isdigit(static_cast<unsigned char>(*p))) ++p;
    if (*p == '.') {
        ++p;
        while (std::isdigit(static_cast<unsigned char>(*p))) ++p;
    }
    return *p;
}

}  // namespace

bool formatTakes(const char* format, const char* kinds) {
    if (format == nullptr || kinds == nullptr) return false;
    const char* expected = kinds;
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%') continue;
        ++p;
        if (*p == '%') continue;
        char conversion = conversionAt(p);
        if (conversion == 'i') conversion = 'd';
        if (conversion == '\0' || conversion != *expected) return false;
        ++expected;
    }
    return *expected == '\0';
}

CString formatWithInt(const CString& format, int value) {
    CString text;
    if (formatTakes(format, "d"))
        text.Format(format, value);
    else
        text.Format("%s %d", format.GetString(), value);
    return text;
}

CString formatWithString(const CString& format, const char* value) {
    CString text;
    if (value == nullptr) value = "";
    if (formatTakes(format, "s"))
        text.Format(format, value);
    else
        text.Format("%s %s", format.GetString(), value);
    return text;
}

}  // namespace vantorell

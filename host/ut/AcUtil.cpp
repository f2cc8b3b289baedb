#include "ut/AcUtil.h"
#include "ut/Mbstring.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

namespace {
void printToConsole(const char* text) {
    std::fputs(text, stdout);
    std::fflush(stdout);
}
vthost::OutputSink g_sink = printToConsole;
}  // namespace

int acutPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0) {
        va_end(args);
        return 0;
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    g_sink(text.c_str());
    return length;
}

void acutNewString(const char* source, char*& dest) {
    if (source == nullptr) {
        dest = nullptr;
        return;
    }
    std::size_t size = std::strlen(source) + 1;
    dest = new char[size];
    std::memcpy(dest, source, size);
}

void acutDelString(char*& string) {
    delete[] string;
    string = nullptr;
}

namespace vthost {
OutputSink setOutputSink(OutputSink sink) {
    OutputSink previous = g_sink;
    g_sink = sink ? sink : printToConsole;
    return previous;
}
}  // namespace vthost

extern "C" int _mbsicmp(const unsigned char* lhs, const unsigned char* rhs) {
    if (lhs == nullptr || rhs == nullptr) return (lhs != nullptr) - (rhs != nullptr);
    auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    for (;; ++lhs, ++rhs) {
        int difference = fold(*lhs) - fold(*rhs);
        if (difference != 0 || *lhs == '\0') return difference;
    }
}

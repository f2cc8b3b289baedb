// AcDbHandle: an object's persistent name within its drawing, stable across save and open.
#pragma once
#include <cstdint>
#include <cstdio>

class AcDbHandle {
public:
    AcDbHandle() = default;
    explicit AcDbHandle(std::uint64_t value) : m_value(value) {}
    bool isNull() const { return m_value == 0; }
    std::uint64_t value() const { return m_value; }
    // Hexadecimal text, upper case, as the host shows handles; buffer of at least 17 characters.
    void getIntoAsciiBuffer(char* buffer) const {
        std::snprintf(buffer, 17, "%llX", static_cast<unsigned long long>(m_value));
    }
    bool operator==(const AcDbHandle&) const = default;
    auto operator<=>(const AcDbHandle&) const = default;

private:
    std::uint64_t m_value = 0;
};

#include "dialogs/VersionRecord.h"

#include <cstdio>
#include <new>
#include <vector>

#include "ut/WinVer.h"

namespace vantorell {

namespace {

std::string formatVersion(DWORD mostSignificant, DWORD leastSignificant) {
    char text[48];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", (mostSignificant >> 16) & 0xFFFFu, mostSignificant & 0xFFFFu,
                  (leastSignificant >> 16) & 0xFFFFu, leastSignificant & 0xFFFFu);
    return text;
}

}  // namespace

bool readVersionRecord(const std::string& file, VersionRecord& record, const std::string& block, const std::string& key) {
    record = VersionRecord{};
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
    if (size == 0) return false;
    std::vector<unsigned char> data;
    try {
        data.resize(size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!GetFileVersionInfoA(file.c_str(), handle, size, data.data())) return false;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO)) return false;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    record.productVersion = formatVersion(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
    record.fileVersion = formatVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
    if (!block.empty() || !key.empty()) {
        std::string path = "\\StringFileInfo\\" + block + "\\" + key;
        if (VerQueryValueA(data.data(), path.c_str(), &value, &length) && length > 0)
            record.value.assign(static_cast<const char*>(value), length - 1);
    }
    return true;
}

}  // namespace vantorell

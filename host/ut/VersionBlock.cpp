#include "ut/VersionBlock.h"

#include <cstdint>
#include <cstring>

#include "ut/WinVer.h"

namespace vthost {

namespace {

constexpr char kMagic[8] = {'V', 'T', 'V', 'E', 'R', 'S', 'N', '1'};
constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kEntriesAt = kHeaderSize + sizeof(VS_FIXEDFILEINFO);

void putWord(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

std::uint32_t wordAt(const unsigned char* bytes) {
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

void putEntry(std::string& out, const std::string& path, const std::string& value) {
    putWord(out, static_cast<std::uint32_t>(path.size() + 1));
    putWord(out, static_cast<std::uint32_t>(value.size()));
    out += path;
    out.push_back('\0');
    while (out.size() % 4 != 0) out.push_back('\0');
    out += value;
    while (out.size() % 4 != 0) out.push_back('\0');
}

// Values start on 4-byte boundaries, as the platform's version blocks keep them, so that callers
// may read the words of a value (Translation's language and code page) in place.
std::size_t aligned(std::size_t at) {
    return (at + 3) & ~std::size_t{3};
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if ((x >= 'a' && x <= 'z' ? x - 32 : x) != (y >= 'a' && y <= 'z' ? y - 32 : y)) return false;
    }
    return true;
}

}  // namespace

std::string encodeVersionBlock(const VersionScript& version) {
    std::string out(kMagic, sizeof kMagic);
    putWord(out, 0);  // the size, set below
    putWord(out, 0);
    const std::uint32_t fixed[13] = {VS_FFI_SIGNATURE, VS_FFI_STRUCVERSION, version.fileVersionMS, version.fileVersionLS,
                                     version.productVersionMS, version.productVersionLS, version.flagsMask, version.flags,
                                     version.os, version.type, version.subtype, 0, 0};
    for (std::uint32_t word : fixed) putWord(out, word);
    for (const auto& [block, values] : version.stringTables)
        for (const auto& [key, text] : values)
            putEntry(out, "\\StringFileInfo\\" + block + "\\" + key, text + std::string(1, '\0'));
    if (!version.translations.empty()) {
        std::string pairs;
        for (std::uint16_t half : version.translations) {
            pairs.push_back(static_cast<char>(half & 0xFF));
            pairs.push_back(static_cast<char>(half >> 8));
        }
        putEntry(out, "\\VarFileInfo\\Translation", pairs);
    }
    auto size = static_cast<std::uint32_t>(out.size());
    for (int i = 0; i < 4; ++i) out[8 + static_cast<std::size_t>(i)] = static_cast<char>((size >> (8 * i)) & 0xFF);
    return out;
}

std::size_t versionBlockSize(const void* block, std::size_t available) {
    if (block == nullptr || available < kEntriesAt) return 0;
    const auto* bytes = static_cast<const unsigned char*>(block);
    if (std::memcmp(bytes, kMagic, sizeof kMagic) != 0) return 0;
    std::size_t size = wordAt(bytes + 8);
    return size >= kEntriesAt && size <= available && size <= kMaxVersionBlock ? size : 0;
}

bool findVersionValue(const void* block, std::string_view path, const void*& value, unsigned& length) {
    std::size_t size = versionBlockSize(block, kMaxVersionBlock);
    if (size == 0) return false;
    const auto* bytes = static_cast<const unsigned char*>(block);
    if (path == "\\") {
        value = bytes + kHeaderSize;
        length = sizeof(VS_FIXEDFILEINFO);
        return true;
    }
    for (std::size_t at = kEntriesAt; at + 8 <= size;) {
        std::size_t pathLength = wordAt(bytes + at), valueLength = wordAt(bytes + at + 4);
        if (pathLength == 0 || pathLength > size || valueLength > size) return false;
        std::size_t valueAt = aligned(at + 8 + pathLength);
        if (valueAt + valueLength > size) return false;
        const char* entryPath = reinterpret_cast<const char*>(bytes + at + 8);
        if (entryPath[pathLength - 1] != '\0') return false;
        if (sameIgnoringCase(std::string_view(entryPath, pathLength - 1), path)) {
            value = bytes + valueAt;
            length = static_cast<unsigned>(valueLength);
            return true;
        }
        at = aligned(valueAt + valueLength);
    }
    return false;
}

}  // namespace vthost

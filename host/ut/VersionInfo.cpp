// The version calls over the block a module file carries in its version section.
#include <cstring>
#include <string>

#include "ut/ElfSection.h"
#include "ut/VersionBlock.h"
#include "ut/WinVer.h"

namespace {

bool readBlock(const char* fileName, std::string& block) {
    if (fileName == nullptr || *fileName == '\0') return false;
    if (!vthost::readElfSection(fileName, vthost::kVersionSection, vthost::kMaxVersionBlock, block)) return false;
    return vthost::versionBlockSize(block.data(), block.size()) == block.size();
}

}  // namespace

extern "C" {

DWORD GetFileVersionInfoSizeA(const char* fileName, DWORD* handle) {
    if (handle != nullptr) *handle = 0;
    std::string block;
    return readBlock(fileName, block) ? static_cast<DWORD>(block.size()) : 0;
}

BOOL GetFileVersionInfoA(const char* fileName, DWORD, DWORD size, void* data) {
    std::string block;
    if (data == nullptr || !readBlock(fileName, block) || size < block.size()) return FALSE;
    std::memcpy(data, block.data(), block.size());
    return TRUE;
}

BOOL VerQueryValueA(const void* block, const char* subBlock, void** buffer, PUINT length) {
    if (block == nullptr || subBlock == nullptr || buffer == nullptr || length == nullptr) return FALSE;
    const void* value = nullptr;
    unsigned size = 0;
    if (!vthost::findVersionValue(block, subBlock, value, size)) return FALSE;
    *buffer = const_cast<void*>(value);
    // A text's length counts characters, its terminator included.
    *length = size;
    return TRUE;
}

}

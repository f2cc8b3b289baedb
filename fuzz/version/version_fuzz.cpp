// Fuzzes the readers of version blocks in module files: any bytes, taken as a version block, are
// searched without reading past the block's stated size; written to a file, they are read as an
// ELF file whose version section is taken only when it lies inside the file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ut/ElfSection.h"
#include "ut/VersionBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::size_t stated = vthost::versionBlockSize(bytes.data(), bytes.size());
    if (stated > bytes.size()) std::abort();
    if (stated > 0) {
        for (const char* path : {"\\", "\\StringFileInfo\\040904b0\\CompanyName", "\\VarFileInfo\\Translation", ""}) {
            const void* value = nullptr;
            unsigned length = 0;
            if (!vthost::findVersionValue(bytes.data(), path, value, length)) continue;
            auto at = static_cast<std::size_t>(static_cast<const char*>(value) - bytes.data());
            if (at + length > stated) std::abort();
        }
    }
    char file[] = "/tmp/vt_version_fuzz_XXXXXX";
    int descriptor = mkstemp(file);
    if (descriptor < 0) return 0;
    bool written = write(descriptor, data, size) == static_cast<ssize_t>(size);
    close(descriptor);
    std::string section;
    if (written && vthost::readElfSection(file, vthost::kVersionSection, vthost::kMaxVersionBlock, section) &&
        section.size() > size)
        std::abort();
    std::remove(file);
    return 0;
}

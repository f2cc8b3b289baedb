#include "ut/ElfSection.h"

#include <elf.h>

#include <cstring>
#include <fstream>

namespace vthost {

namespace {

bool readAt(std::ifstream& in, std::uint64_t offset, std::uint64_t fileSize, void* out, std::uint64_t size) {
    if (offset > fileSize || size > fileSize - offset) return false;
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(static_cast<char*>(out), static_cast<std::streamsize>(size));
    return static_cast<bool>(in);
}

bool isElf64(const Elf64_Ehdr& header) {
    return std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 && header.e_ident[EI_CLASS] == ELFCLASS64 &&
           header.e_ident[EI_DATA] == ELFDATA2LSB && header.e_shentsize == sizeof(Elf64_Shdr);
}

}  // namespace

bool readElfSection(const std::string& file, const std::string& section, std::size_t maxSize, std::string& bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    auto fileSize = static_cast<std::uint64_t>(in.tellg());
    Elf64_Ehdr header{};
    if (!readAt(in, 0, fileSize, &header, sizeof header) || !isElf64(header)) return false;
    if (header.e_shnum == 0 || header.e_shstrndx >= header.e_shnum) return false;
    auto sectionHeader = [&](unsigned index, Elf64_Shdr& out) {
        return readAt(in, header.e_shoff + std::uint64_t{index} * sizeof(Elf64_Shdr), fileSize, &out, sizeof out);
    };
    Elf64_Shdr names{};
    if (!sectionHeader(header.e_shstrndx, names) || names.sh_size > (1u << 20)) return false;
    std::string nameTable(names.sh_size, '\0');
    if (!readAt(in, names.sh_offset, fileSize, nameTable.data(), names.sh_size)) return false;
    for (unsigned index = 0; index < header.e_shnum; ++index) {
        Elf64_Shdr candidate{};
        if (!sectionHeader(index, candidate)) return false;
        if (candidate.sh_name >= nameTable.size()) continue;
        std::size_t end = nameTable.find('\0', candidate.sh_name);
        if (end == std::string::npos || nameTable.compare(candidate.sh_name, end - candidate.sh_name, section) != 0)
            continue;
        if (candidate.sh_type == SHT_NOBITS || candidate.sh_size > maxSize) return false;
        bytes.assign(candidate.sh_size, '\0');
        return readAt(in, candidate.sh_offset, fileSize, bytes.data(), candidate.sh_size);
    }
    return false;
}

}  // namespace vthost

// Reads one named section's bytes from an ELF file on disk (64-bit, little-endian, as the host's
// modules are). Every offset is checked against the file, so a damaged or foreign file answers
// false rather than reading out of bounds. Host-internal.
#pragma once
#include <string>

namespace vthost {

// False when the file cannot be read, is not such an ELF file, has no section of that name, or
// the section is larger than maxSize.
bool readElfSection(const std::string& file, const std::string& section, std::size_t maxSize, std::string& bytes);

}  // namespace vthost

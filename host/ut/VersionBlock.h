// The host's version block: what vtrc writes from a VERSIONINFO statement and a module file
// carries in its ELF section kVersionSection, read back by the version calls (ut/WinVer.h).
// Layout, little-endian: the magic "VTVERSN1", the block's size (4 bytes), 4 reserved bytes, the
// VS_FIXEDFILEINFO, then entries until the size: the path's length and the value's length (4
// bytes each), the terminated path ("\StringFileInfo\040904b0\CompanyName") padded to 4 bytes,
// the value (a terminated text, or binary) padded to 4 bytes, so that every value is aligned for
// the words callers read from it. Host-internal.
#pragma once
#include <string>
#include <string_view>

#include "ut/ResourceScript.h"

namespace vthost {

constexpr const char* kVersionSection = ".vthost_version";
constexpr std::size_t kMaxVersionBlock = 64u << 10;

std::string encodeVersionBlock(const VersionScript& version);
// The value at path inside a block (checked entry by entry against its stated size); false when
// the block is malformed or has no such value.
bool findVersionValue(const void* block, std::string_view path, const void*& value, unsigned& length);
// The block's stated size when block starts like one (magic and a sane size), else 0.
std::size_t versionBlockSize(const void* block, std::size_t available);

}  // namespace vthost

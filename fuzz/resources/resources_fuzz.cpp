// Fuzzes the resource compiler's reader: any script is read without a crash; an accepted one
// holds texts no longer than the limit and compiles to source that names every id once.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ut/ResourceScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    vthost::ResourceScript script;
    std::string error;
    if (!vthost::readResourceScript(text, script, error)) return 0;
    for (const auto& [id, value] : script.strings)
        if (id > 65535 || value.size() > vthost::kMaxResourceString) std::abort();
    std::string source = vthost::writeResourceSource(script);
    for (const auto& [id, value] : script.strings)
        if (source.find("{" + std::to_string(id) + "u, ") == std::string::npos) std::abort();
    return 0;
}

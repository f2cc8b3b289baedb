// Fuzzes the resource compiler's reader: any script is read without a crash; an accepted one
// holds texts no longer than the limit, dialogs and menus within their limits, bitmaps that
// decode, and compiles to source that names every resource once. A BITMAP statement reads the
// bytes of its file name, so the fuzzer reaches the bitmap check as well.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ut/ResourceScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    vthost::ResourceScript script;
    std::string error;
    auto nameAsBytes = [](const std::string& name, std::string& bytes) { return bytes = name, true; };
    if (!vthost::readResourceScript(text, script, error, nameAsBytes)) return 0;
    for (const auto& [id, value] : script.strings)
        if (id > 65535 || value.size() > vthost::kMaxResourceString) std::abort();
    for (const auto& [id, dialog] : script.dialogs)
        if (id > 65535 || dialog.controls.size() > vthost::kMaxDialogControls) std::abort();
    for (const auto& [id, items] : script.menus)
        for (const vthost::MenuItemScript& item : items)
            if (item.depth >= vthost::kMaxMenuDepth || items.size() > vthost::kMaxMenuItems) std::abort();
    for (const auto& [id, bitmap] : script.bitmaps) {
        int width = 0, height = 0;
        if (!vthost::readBitmapSize(bitmap.bytes, width, height) || width != bitmap.width) std::abort();
    }
    std::string source = vthost::writeResourceSource(script);
    for (const auto& [id, value] : script.strings)
        if (source.find("{" + std::to_string(id) + "u, ") == std::string::npos) std::abort();
    for (const auto& [id, dialog] : script.dialogs)
        if (source.find("kControls" + std::to_string(id) + "[]") == std::string::npos) std::abort();
    for (const auto& [id, items] : script.menus)
        if (source.find("kMenuItems" + std::to_string(id) + "[]") == std::string::npos) std::abort();
    return 0;
}

// Fuzzes the menu file parser: any text is parsed without a crash; an accepted file has a group
// name, pull-down sections named POP<n>, and no item whose label holds a ']'. Each item's macro
// turns into answers without a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ed/MenuFile.h"
#include "ed/MenuGroups.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    vthost::MenuFile menu;
    std::string error;
    if (!vthost::parseMenuFile(text, menu, error)) return 0;
    if (menu.group.empty()) std::abort();
    for (const vthost::MenuSection& section : menu.sections) {
        if (section.name.compare(0, 3, "POP") != 0) std::abort();
        for (const vthost::MenuItem& item : section.items) {
            if (item.label.find(']') != std::string::npos) std::abort();
            vthost::macroAnswers(item.macro);
        }
    }
    return 0;
}

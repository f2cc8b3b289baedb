#include "ut/Resources.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

std::vector<HINSTANCE>& chain() {
    static std::vector<HINSTANCE> modules;
    return modules;
}

}  // namespace

namespace vthost {

const VthostResourceTable* resourceTableOf(HINSTANCE instance) {
    // Only handles the loader gave out are looked into: dlsym would take anything else for one
    // of its module records.
    char path[8];
    if (instance == nullptr || GetModuleFileNameA(instance, path, sizeof path) == 0) return nullptr;
    auto* table = reinterpret_cast<const VthostResourceTable*>(
        GetProcAddress(instance, VTHOST_RESOURCE_TABLE_SYMBOL));
    return table != nullptr && table->version <= kResourceTableVersion ? table : nullptr;
}

const VthostStringResource* findStringResource(HINSTANCE instance, UINT id) {
    const VthostResourceTable* table = resourceTableOf(instance);
    if (table == nullptr || table->strings == nullptr) return nullptr;
    const VthostStringResource* end = table->strings + table->stringCount;
    const VthostStringResource* found = std::lower_bound(
        table->strings, end, id, [](const VthostStringResource& s, UINT wanted) { return s.id < wanted; });
    return found != end && found->id == id ? found : nullptr;
}

void addResourceModule(HINSTANCE instance) {
    if (instance != nullptr && std::find(chain().begin(), chain().end(), instance) == chain().end())
        chain().push_back(instance);
}

void removeResourceModule(HINSTANCE instance) { std::erase(chain(), instance); }

HINSTANCE chainModuleWithString(UINT id) {
    for (HINSTANCE instance : chain())
        if (findStringResource(instance, id) != nullptr) return instance;
    return nullptr;
}

}  // namespace vthost

extern "C" int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size) {
    if (buffer == nullptr || size < 1) return 0;
    buffer[0] = '\0';
    const VthostStringResource* found = vthost::findStringResource(instance, id);
    if (found == nullptr || found->text == nullptr) return 0;
    std::size_t copied = std::min<std::size_t>(found->length, static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, found->text, copied);
    buffer[copied] = '\0';
    return static_cast<int>(copied);
}

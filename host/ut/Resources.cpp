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

namespace {

// The entry of a version 2 list with the id; the lists are short, so they are searched in order.
template <class Resource>
const Resource* findById(const Resource* list, unsigned count, UINT id) {
    if (list == nullptr) return nullptr;
    for (unsigned i = 0; i < count; ++i)
        if (list[i].id == id) return &list[i];
    return nullptr;
}

const VthostResourceTable* tableWithTemplates(HINSTANCE instance) {
    const VthostResourceTable* table = resourceTableOf(instance);
    return table != nullptr && table->version >= 2 ? table : nullptr;
}

}  // namespace

const VthostDialogResource* findDialogResource(HINSTANCE instance, UINT id) {
    const VthostResourceTable* table = tableWithTemplates(instance);
    return table != nullptr ? findById(table->dialogs, table->dialogCount, id) : nullptr;
}

const VthostMenuResource* findMenuResource(HINSTANCE instance, UINT id) {
    const VthostResourceTable* table = tableWithTemplates(instance);
    return table != nullptr ? findById(table->menus, table->menuCount, id) : nullptr;
}

const VthostBitmapResource* findBitmapResource(HINSTANCE instance, UINT id) {
    const VthostResourceTable* table = tableWithTemplates(instance);
    return table != nullptr ? findById(table->bitmaps, table->bitmapCount, id) : nullptr;
}

const VthostCursorResource* findCursorResource(HINSTANCE instance, UINT id) {
    const VthostResourceTable* table = resourceTableOf(instance);
    if (table == nullptr || table->version < 3) return nullptr;
    return findById(table->cursors, table->cursorCount, id);
}

bool moduleHasResource(HINSTANCE instance, ResourceKind kind, UINT id) {
    switch (kind) {
        case ResourceKind::kString: return findStringResource(instance, id) != nullptr;
        case ResourceKind::kDialog: return findDialogResource(instance, id) != nullptr;
        case ResourceKind::kMenu: return findMenuResource(instance, id) != nullptr;
        case ResourceKind::kBitmap: return findBitmapResource(instance, id) != nullptr;
    }
    return false;
}

HINSTANCE chainModuleWith(ResourceKind kind, UINT id) {
    for (HINSTANCE instance : chain())
        if (moduleHasResource(instance, kind, id)) return instance;
    return nullptr;
}

namespace {
HINSTANCE (*g_currentHandleSource)() = nullptr;
}  // namespace

void setCurrentResourceHandleSource(HINSTANCE (*source)()) { g_currentHandleSource = source; }

HINSTANCE resourceModuleWith(ResourceKind kind, UINT id) {
    HINSTANCE current = g_currentHandleSource != nullptr ? g_currentHandleSource() : nullptr;
    if (moduleHasResource(current, kind, id)) return current;
    return chainModuleWith(kind, id);
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

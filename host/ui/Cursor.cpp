#include "ui/Cursor.h"

#include <map>
#include <memory>
#include <set>

#include "ut/Resources.h"

struct HCURSOR__ {
    vthost::ui::CursorInfo info;
    HINSTANCE module = nullptr;  // the module a shared cursor belongs to; null for system ones
};

namespace vthost::ui {

namespace {

struct Cursors {
    std::map<std::pair<HINSTANCE, unsigned>, std::unique_ptr<HCURSOR__>> shared;
    std::set<HCURSOR> copies;
    HCURSOR current = nullptr;
};

Cursors& cursors() {
    static Cursors all;
    return all;
}

bool isSystemCursor(unsigned id) { return id == 32512 || id == 32513 || id == 32649; }

std::string moduleFileName(HINSTANCE module) {
    char path[MAX_PATH];
    if (GetModuleFileNameA(module, path, sizeof path) == 0) return {};
    std::string file(path);
    std::size_t slash = file.find_last_of('/');
    return slash == std::string::npos ? file : file.substr(slash + 1);
}

// A shared cursor is valid while its module is loaded (a freed module's handle has no file name).
bool isValid(HCURSOR cursor) {
    if (cursor == nullptr) return false;
    if (cursors().copies.count(cursor) != 0) return true;
    for (const auto& [key, entry] : cursors().shared)
        if (entry.get() == cursor)
            return key.first == nullptr || !moduleFileName(key.first).empty();
    return false;
}

HCURSOR sharedCursor(HINSTANCE module, unsigned id, const CursorInfo& info) {
    auto& entry = cursors().shared[{module, id}];
    if (!entry) entry = std::make_unique<HCURSOR__>();
    entry->info = info;
    entry->module = module;
    return entry.get();
}

}  // namespace

const CursorInfo* cursorInfo(HCURSOR cursor) { return isValid(cursor) ? &cursor->info : nullptr; }

std::string cursorName(HCURSOR cursor) {
    const CursorInfo* info = cursorInfo(cursor);
    return info == nullptr ? "none" : info->module + "#" + std::to_string(info->id);
}

int liveCursorCopies() { return static_cast<int>(cursors().copies.size()); }

}  // namespace vthost::ui

using vthost::ui::CursorInfo;

extern "C" {

HCURSOR LoadCursorA(HINSTANCE instance, const char* name) {
    auto value = reinterpret_cast<std::uintptr_t>(name);
    if (value == 0 || value >= 0x10000) return nullptr;  // cursors are loaded by id here
    auto id = static_cast<unsigned>(value);
    if (instance == nullptr) {
        if (!vthost::ui::isSystemCursor(id)) return nullptr;
        return vthost::ui::sharedCursor(nullptr, id, CursorInfo{"system", id, 32, 32, 0, 0, true});
    }
    const VthostCursorResource* resource = vthost::findCursorResource(instance, id);
    if (resource == nullptr) return nullptr;
    CursorInfo info{vthost::ui::moduleFileName(instance), id, resource->width, resource->height, resource->hotX, resource->hotY, true};
    return vthost::ui::sharedCursor(instance, id, info);
}

HICON CopyIcon(HICON icon) {
    const CursorInfo* info = vthost::ui::cursorInfo(icon);
    if (info == nullptr) return nullptr;
    auto* copy = new HCURSOR__{*info, nullptr};
    copy->info.shared = false;
    vthost::ui::cursors().copies.insert(copy);
    return copy;
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR previous = vthost::ui::cursors().current;
    vthost::ui::cursors().current = vthost::ui::isValid(cursor) ? cursor : nullptr;
    return previous;
}

HCURSOR GetCursor() {
    HCURSOR current = vthost::ui::cursors().current;
    return vthost::ui::isValid(current) ? current : nullptr;
}

BOOL DestroyCursor(HCURSOR cursor) {
    auto& all = vthost::ui::cursors();
    if (all.copies.erase(cursor) == 0) return FALSE;
    if (all.current == cursor) all.current = nullptr;
    delete cursor;
    return TRUE;
}

BOOL DestroyIcon(HICON icon) { return DestroyCursor(icon); }

}

#include "ui/CMenu.h"

#include <algorithm>
#include <memory>

#include "ui/DialogDriver.h"
#include "ui/Window.h"
#include "ut/AcUtil.h"
#include "ut/Resources.h"

struct HMENU__ {
    struct Item {
        UINT id = 0;
        std::string text;
        UINT flags = 0;
        std::unique_ptr<HMENU__> popup;
    };
    std::vector<Item> items;
    CMenu* permanent = nullptr;
    std::unique_ptr<CMenu> temporary;
    bool owned = false;  // a popup of another menu: deleted with it, not by DestroyMenu
};

namespace {

// The item by command id (searched through popups) or by position.
HMENU__::Item* findItem(HMENU menu, UINT item, UINT flags) {
    if (menu == nullptr) return nullptr;
    if (flags & MF_BYPOSITION) return item < menu->items.size() ? &menu->items[item] : nullptr;
    for (HMENU__::Item& entry : menu->items) {
        if (!entry.popup && !(entry.flags & MF_SEPARATOR) && entry.id == item) return &entry;
        if (entry.popup)
            if (HMENU__::Item* inner = findItem(entry.popup.get(), item, flags)) return inner;
    }
    return nullptr;
}

void lines(HMENU menu, const std::string& indent, std::vector<std::string>& out) {
    for (const HMENU__::Item& item : menu->items) {
        if (item.flags & MF_SEPARATOR) {
            out.push_back(indent + "----");
            continue;
        }
        std::string line = indent + (item.popup ? std::string("popup") : std::to_string(item.id)) + " " + item.text;
        if (item.flags & (MF_GRAYED | MF_DISABLED)) line += " (greyed)";
        if (item.flags & MF_CHECKED) line += " (checked)";
        out.push_back(line);
        if (item.popup) lines(item.popup.get(), indent + "  ", out);
    }
}

}  // namespace

namespace vthost::ui {
std::vector<std::string> menuLines(HMENU menu) {
    std::vector<std::string> out;
    if (menu != nullptr) lines(menu, "", out);
    return out;
}
}  // namespace vthost::ui

extern "C" {

HMENU LoadMenuA(HINSTANCE instance, LPCSTR name) {
    auto id = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(name));
    if (id > 0xFFFF) return nullptr;  // menus are found by number only
    if (instance == nullptr) instance = vthost::resourceModuleWith(vthost::ResourceKind::kMenu, id);
    const VthostMenuResource* resource = vthost::findMenuResource(instance, id);
    if (resource == nullptr || resource->items == nullptr) return nullptr;
    auto* bar = new HMENU__;
    std::vector<HMENU> levels{bar};
    for (unsigned i = 0; i < resource->itemCount; ++i) {
        const VthostMenuItem& source = resource->items[i];
        if (source.depth + 1 > levels.size()) continue;  // a table the compiler would not write
        levels.resize(source.depth + 1);
        HMENU__::Item item;
        item.id = source.id;
        item.text = source.text != nullptr ? source.text : "";
        item.flags = source.flags;
        if (source.flags & MF_POPUP) {
            item.popup = std::make_unique<HMENU__>();
            item.popup->owned = true;
        }
        HMENU popup = item.popup.get();
        levels.back()->items.push_back(std::move(item));
        if (popup != nullptr) levels.push_back(popup);
    }
    return bar;
}

HMENU CreatePopupMenu() { return new HMENU__; }

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text) {
    if (menu == nullptr) return FALSE;
    HMENU__::Item item;
    item.flags = flags;
    if (flags & MF_POPUP) {
        // id is a menu made by CreatePopupMenu; it now belongs to this one.
        auto* popup = reinterpret_cast<HMENU>(id);
        if (popup == nullptr || popup->owned) return FALSE;
        popup->owned = true;
        item.popup.reset(popup);
    } else {
        item.id = static_cast<UINT>(id);
    }
    item.text = text != nullptr && !(flags & MF_SEPARATOR) ? text : "";
    menu->items.push_back(std::move(item));
    return TRUE;
}

HMENU GetSubMenu(HMENU menu, int position) {
    if (menu == nullptr || position < 0 || static_cast<std::size_t>(position) >= menu->items.size()) return nullptr;
    return menu->items[static_cast<std::size_t>(position)].popup.get();
}

UINT EnableMenuItem(HMENU menu, UINT item, UINT flags) {
    HMENU__::Item* entry = findItem(menu, item, flags);
    if (entry == nullptr) return 0xFFFFFFFFu;
    UINT previous = entry->flags & (MF_GRAYED | MF_DISABLED);
    entry->flags = (entry->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return previous;
}

UINT CheckMenuItem(HMENU menu, UINT item, UINT flags) {
    HMENU__::Item* entry = findItem(menu, item, flags);
    if (entry == nullptr) return 0xFFFFFFFFu;
    UINT previous = entry->flags & MF_CHECKED;
    entry->flags = (entry->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
    return previous;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    HMENU__::Item* entry = findItem(menu, item, flags);
    return entry != nullptr ? entry->flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR | MF_POPUP) : 0xFFFFFFFFu;
}

int GetMenuItemCount(HMENU menu) { return menu != nullptr ? static_cast<int>(menu->items.size()) : -1; }

UINT GetMenuItemID(HMENU menu, int position) {
    if (menu == nullptr || position < 0 || static_cast<std::size_t>(position) >= menu->items.size()) return 0xFFFFFFFFu;
    const HMENU__::Item& item = menu->items[static_cast<std::size_t>(position)];
    return item.popup ? 0xFFFFFFFFu : item.id;
}

int TrackPopupMenu(HMENU menu, UINT flags, int, int, int, HWND owner, const RECT*) {
    if (menu == nullptr) return 0;
    acutPrintf("\nMenu:");
    for (const std::string& line : vthost::ui::menuLines(menu)) acutPrintf("\n  %s", line.c_str());
    UINT chosen = vthost::ui::readMenuChoice([menu](UINT id, std::string& refusal) {
        HMENU__::Item* item = findItem(menu, id, MF_BYCOMMAND);
        if (item == nullptr) return refusal = "The menu has no item " + std::to_string(id) + ".", false;
        if (item->flags & (MF_GRAYED | MF_DISABLED))
            return refusal = "Menu item " + std::to_string(id) + " is greyed and cannot be chosen.", false;
        return true;
    });
    if (flags & TPM_RETURNCMD) return static_cast<int>(chosen);
    if (chosen != 0 && vthost::ui::isWindow(owner)) vthost::ui::postMessage(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(chosen), 0), 0);
    return TRUE;
}

BOOL DestroyMenu(HMENU menu) {
    if (menu == nullptr || menu->owned) return FALSE;
    if (menu->permanent != nullptr) menu->permanent->m_hMenu = nullptr;
    delete menu;
    return TRUE;
}

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr) return FALSE;
    *point = vthost::ui::cursorPosition();
    return TRUE;
}

}  // extern "C"

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU menu) {
    if (menu == nullptr) return nullptr;
    if (menu->permanent != nullptr) return menu->permanent;
    if (!menu->temporary) {
        menu->temporary = std::make_unique<CMenu>();
        menu->temporary->m_hMenu = menu;  // refers to the menu without owning it
    }
    return menu->temporary.get();
}

BOOL CMenu::Attach(HMENU menu) {
    if (menu == nullptr || m_hMenu != nullptr || menu->permanent != nullptr) return FALSE;
    m_hMenu = menu;
    menu->permanent = this;
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU menu = m_hMenu;
    if (menu != nullptr && menu->permanent == this) menu->permanent = nullptr;
    m_hMenu = nullptr;
    return menu;
}

BOOL CMenu::LoadMenu(UINT id) { return m_hMenu == nullptr && Attach(LoadMenuA(nullptr, MAKEINTRESOURCEA(id))); }

BOOL CMenu::CreatePopupMenu() { return m_hMenu == nullptr && Attach(::CreatePopupMenu()); }

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCTSTR text) { return AppendMenuA(m_hMenu, flags, id, text); }

BOOL CMenu::DestroyMenu() {
    if (m_hMenu == nullptr) return FALSE;
    HMENU menu = m_hMenu;
    // A temporary CMenu or one over a popup does not own its menu.
    if (menu->permanent != this || menu->owned) {
        Detach();
        return FALSE;
    }
    menu->permanent = nullptr;
    m_hMenu = nullptr;
    return ::DestroyMenu(menu);
}

CMenu* CMenu::GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }
UINT CMenu::EnableMenuItem(UINT item, UINT flags) { return ::EnableMenuItem(m_hMenu, item, flags); }
UINT CMenu::CheckMenuItem(UINT item, UINT flags) { return ::CheckMenuItem(m_hMenu, item, flags); }
UINT CMenu::GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const {
    HMENU__::Item* entry = findItem(m_hMenu, item, flags);
    text = entry != nullptr ? entry->text.c_str() : "";
    return text.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect) {
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner != nullptr ? owner->m_hWnd : nullptr, rect);
}

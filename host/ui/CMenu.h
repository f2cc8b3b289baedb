// Menus: CMenu and the Win32 menu calls. LoadMenu reads a menu resource (found through the
// current resource handle and the resource chain, or in the module given); GetSubMenu gives a
// popup of it; EnableMenuItem greys an item. TrackPopupMenu is headless: it prints the popup's
// items with their ids and grey states and reads the user's choice from the command line's
// input ("dlg menu <id>", "dlg menu none"; see docs/dialogs.md). A greyed item cannot be chosen.
// With TPM_RETURNCMD the chosen id is returned (0 when the menu was dismissed); otherwise the
// choice is posted to the owner as WM_COMMAND, delivered after the caller's handler has returned.
// A CMenu that loaded or created its menu destroys it; its popups belong to the menu.
#pragma once
#include <string>
#include <vector>

#include "ui/CWnd.h"

class CMenu {
public:
    CMenu() = default;
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }  // NOLINT: implicit as in the framework
    static CMenu* FromHandle(HMENU menu);

    BOOL LoadMenu(UINT id);
    BOOL CreatePopupMenu();
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);
    BOOL Attach(HMENU menu);
    HMENU Detach();
    BOOL DestroyMenu();

    CMenu* GetSubMenu(int position) const;
    UINT EnableMenuItem(UINT item, UINT flags);
    UINT CheckMenuItem(UINT item, UINT flags);
    UINT GetMenuState(UINT item, UINT flags) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    int GetMenuString(UINT item, CString& text, UINT flags) const;
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);
};

extern "C" {
HMENU LoadMenuA(HINSTANCE instance, LPCSTR name);
HMENU CreatePopupMenu();
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text);
HMENU GetSubMenu(HMENU menu, int position);
// The item's previous state (MF_GRAYED, MF_DISABLED), or 0xFFFFFFFF when there is no such item.
UINT EnableMenuItem(HMENU menu, UINT item, UINT flags);
UINT CheckMenuItem(HMENU menu, UINT item, UINT flags);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position);
int TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);
BOOL DestroyMenu(HMENU menu);
BOOL GetCursorPos(POINT* point);
}

namespace vthost::ui {
// A menu's items as the dump shows them: "<id> <text>[ (greyed)]", separators as "----",
// a popup's items indented under it.
std::vector<std::string> menuLines(HMENU menu);
}  // namespace vthost::ui

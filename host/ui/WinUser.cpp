#include "ui/WinUser.h"

#include "ui/Window.h"

namespace ui = vthost::ui;

extern "C" {

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ui::sendMessage(window, message, wParam, lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!ui::isWindow(window)) return FALSE;
    ui::postMessage(window, message, wParam, lParam);
    return TRUE;
}

HWND GetDlgItem(HWND dialog, int id) { return ui::childWithId(dialog, id); }
int GetDlgCtrlID(HWND window) { return ui::isWindow(window) ? window->id : 0; }
HWND GetParent(HWND window) { return ui::isWindow(window) ? window->parent : nullptr; }

BOOL SetWindowTextA(HWND window, LPCSTR text) {
    if (!ui::isWindow(window)) return FALSE;
    return ui::sendMessage(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text != nullptr ? text : "")) != 0;
}

int GetWindowTextA(HWND window, LPSTR buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    buffer[0] = '\0';
    return static_cast<int>(ui::sendMessage(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) { return SetWindowTextA(GetDlgItem(dialog, id), text); }

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size) {
    return static_cast<UINT>(GetWindowTextA(GetDlgItem(dialog, id), buffer, size));
}

BOOL EnableWindow(HWND window, BOOL enable) {
    CWnd* wrapper = CWnd::FromHandle(window);
    return wrapper != nullptr ? wrapper->EnableWindow(enable) : FALSE;
}

BOOL IsWindowEnabled(HWND window) { return ui::isWindow(window) && !(window->style & WS_DISABLED); }
BOOL IsWindow(HWND window) { return ui::isWindow(window); }

HWND SetFocus(HWND window) {
    HWND previous = ui::focusWindow();
    if (ui::isWindow(window)) ui::setFocusWindow(window);
    return previous;
}

HWND GetFocus() { return ui::focusWindow(); }

HWND SetCapture(HWND window) {
    HWND previous = ui::captureWindow();
    ui::setCaptureWindow(ui::isWindow(window) ? window : nullptr);
    return previous;
}

HWND GetCapture() { return ui::captureWindow(); }

BOOL ReleaseCapture() {
    ui::setCaptureWindow(nullptr);
    return TRUE;
}

}  // extern "C"

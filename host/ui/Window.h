// The host's window tree: HWND__ is a window (a dialog, a control, the main frame) with its class,
// id, text, style, rectangle and children; its class's behaviour is a NativeControl. The tree
// owns its windows (a top-level window is owned by the tree's root list), a window owns its
// children, its class behaviour and the temporary CWnd FromHandle gave it. Messages go through
// sendMessage: to the attached CWnd when there is one, else to the class behaviour. Posted
// messages wait in one queue until pumpPostedMessages. Host-internal.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ui/CWnd.h"

namespace vthost::ui {
class NativeControl;
}

struct HWND__ {
    std::string className;
    int id = 0;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{0, 0, 0, 0};  // in the parent's client pixels; screen pixels for a top-level window
    HWND parent = nullptr;  // the parent of a child window, the owner of a top-level window
    std::vector<std::unique_ptr<HWND__>> children;
    CWnd* attached = nullptr;
    std::unique_ptr<CWnd> temporary;
    std::unique_ptr<vthost::ui::NativeControl> native;
    HFONT font = nullptr;
    bool topLevel = false;

    HWND__();
    ~HWND__();
    bool isChild() const { return (style & WS_CHILD) != 0 && !topLevel; }
};

namespace vthost::ui {

// A new window of the class; a child is added to parent's children, a top-level window (WS_POPUP,
// or no parent) to the tree's root list with parent as its owner.
HWND createWindow(const std::string& className, const std::string& text, DWORD style, DWORD exStyle,
                  const RECT& rect, HWND parent, int id);
// Destroys the window and its children: WM_DESTROY to each (children first), then CWnds let go.
void destroyWindow(HWND window);
bool isWindow(HWND window);
LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void postMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Delivers the posted messages (those for windows gone are dropped); answers how many.
int pumpPostedMessages();
// The class behaviour's answer, bypassing any attached CWnd.
LRESULT defaultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HWND childWithId(HWND parent, int id);
// Every window of the tree below root, depth first in creation order (root not included).
std::vector<HWND> descendants(HWND root);
bool isDescendant(HWND window, HWND ancestor);
// Screen pixels of a window's top-left corner.
POINT screenOrigin(HWND window);

HWND focusWindow();
void setFocusWindow(HWND window);
HWND captureWindow();
void setCaptureWindow(HWND window);
// The focusable windows of a dialog in tab order: enabled, visible, WS_TABSTOP.
std::vector<HWND> tabStops(HWND dialog);

// The mouse, as scripted actions leave it (GetCursorPos).
POINT cursorPosition();
void setCursorPosition(POINT point);

}  // namespace vthost::ui

#include "ui/Window.h"

#include <algorithm>
#include <deque>
#include <unordered_set>

#include "ui/NativeControls.h"

HWND__::HWND__() = default;
HWND__::~HWND__() = default;

namespace vthost::ui {

namespace {

struct Tree {
    std::vector<std::unique_ptr<HWND__>> topLevel;
    std::unordered_set<HWND> live;
    std::deque<MSG> posted;
    HWND focus = nullptr;
    HWND capture = nullptr;
    POINT cursor{0, 0};
};

Tree& tree() {
    static Tree instance;
    return instance;
}

void collect(HWND window, std::vector<HWND>& out) {
    for (const auto& child : window->children) {
        out.push_back(child.get());
        collect(child.get(), out);
    }
}

// Children first: each window hears WM_DESTROY while its tree is still whole.
void sendDestroy(HWND window) {
    for (const auto& child : window->children) sendDestroy(child.get());
    sendMessage(window, WM_DESTROY, 0, 0);
}

void forget(HWND window) {
    for (const auto& child : window->children) forget(child.get());
    Tree& t = tree();
    if (window->attached != nullptr) window->attached->m_hWnd = nullptr;
    window->attached = nullptr;
    if (t.focus == window) t.focus = nullptr;
    if (t.capture == window) t.capture = nullptr;
    t.live.erase(window);
}

}  // namespace

HWND createWindow(const std::string& className, const std::string& text, DWORD style, DWORD exStyle,
                  const RECT& rect, HWND parent, int id) {
    auto window = std::make_unique<HWND__>();
    window->className = className;
    window->text = text;
    window->style = style;
    window->exStyle = exStyle;
    window->rect = rect;
    window->id = id;
    window->native = makeNativeControl(className, style);
    HWND handle = window.get();
    bool child = (style & WS_CHILD) != 0 && parent != nullptr;
    window->topLevel = !child;
    window->parent = parent;
    if (child)
        parent->children.push_back(std::move(window));
    else
        tree().topLevel.push_back(std::move(window));
    tree().live.insert(handle);
    return handle;
}

void destroyWindow(HWND window) {
    if (!isWindow(window)) return;
    sendDestroy(window);
    // A window destroyed while its WM_DESTROY handlers ran is gone already.
    if (!isWindow(window)) return;
    for (HWND owned : [&] {
             std::vector<HWND> list;
             for (const auto& top : tree().topLevel)
                 if (top->parent == window) list.push_back(top.get());
             return list;
         }())
        destroyWindow(owned);
    forget(window);
    auto& siblings = window->topLevel || window->parent == nullptr ? tree().topLevel : window->parent->children;
    auto found = std::find_if(siblings.begin(), siblings.end(), [&](const auto& w) { return w.get() == window; });
    if (found != siblings.end()) {
        std::unique_ptr<HWND__> doomed = std::move(*found);
        siblings.erase(found);
    }
}

bool isWindow(HWND window) { return window != nullptr && tree().live.count(window) != 0; }

LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!isWindow(window)) return 0;
    if (window->attached != nullptr) return window->attached->WindowProc(message, wParam, lParam);
    return defaultWindowProc(window, message, wParam, lParam);
}

void postMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    tree().posted.push_back(MSG{window, message, wParam, lParam});
}

int pumpPostedMessages() {
    int delivered = 0;
    while (!tree().posted.empty()) {
        MSG message = tree().posted.front();
        tree().posted.pop_front();
        if (!isWindow(message.hwnd)) continue;
        sendMessage(message.hwnd, message.message, message.wParam, message.lParam);
        ++delivered;
    }
    return delivered;
}

LRESULT defaultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!isWindow(window) || !window->native) return 0;
    return window->native->proc(window, message, wParam, lParam);
}

HWND childWithId(HWND parent, int id) {
    if (!isWindow(parent)) return nullptr;
    for (const auto& child : parent->children)
        if (child->id == id) return child.get();
    return nullptr;
}

std::vector<HWND> descendants(HWND root) {
    std::vector<HWND> out;
    if (isWindow(root)) collect(root, out);
    return out;
}

bool isDescendant(HWND window, HWND ancestor) {
    for (HWND w = window; w != nullptr && !w->topLevel; w = w->parent)
        if (w->parent == ancestor) return true;
    return false;
}

POINT screenOrigin(HWND window) {
    POINT origin{0, 0};
    for (HWND w = window; w != nullptr; w = w->topLevel ? nullptr : w->parent) {
        origin.x += w->rect.left;
        origin.y += w->rect.top;
    }
    return origin;
}

HWND focusWindow() { return tree().focus; }

void setFocusWindow(HWND window) {
    HWND previous = tree().focus;
    if (previous == window) return;
    tree().focus = window;
    if (isWindow(previous)) sendMessage(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (isWindow(window)) sendMessage(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
}

HWND captureWindow() { return tree().capture; }

void setCaptureWindow(HWND window) {
    HWND previous = tree().capture;
    tree().capture = window;
    if (previous != window && isWindow(previous))
        sendMessage(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
}

std::vector<HWND> tabStops(HWND dialog) {
    std::vector<HWND> stops;
    if (!isWindow(dialog)) return stops;
    for (const auto& child : dialog->children)
        if ((child->style & (WS_TABSTOP | WS_VISIBLE)) == (WS_TABSTOP | WS_VISIBLE) && !(child->style & WS_DISABLED))
            stops.push_back(child.get());
    return stops;
}

POINT cursorPosition() { return tree().cursor; }
void setCursorPosition(POINT point) { tree().cursor = point; }

}  // namespace vthost::ui

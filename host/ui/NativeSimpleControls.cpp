// The base of the window classes, the dialog window, buttons, edits and statics.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "ui/FontMetrics.h"
#include "ui/Gdi.h"
#include "ui/NativeControls.h"

namespace vthost::ui {

NativeControl::~NativeControl() = default;

LRESULT NativeControl::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT:
            window->text = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
            return TRUE;
        case WM_GETTEXT: {
            auto* buffer = reinterpret_cast<char*>(lParam);
            if (buffer == nullptr || wParam == 0) return 0;
            std::size_t copied = std::min<std::size_t>(window->text.size(), wParam - 1);
            std::memcpy(buffer, window->text.data(), copied);
            buffer[copied] = '\0';
            return static_cast<LRESULT>(copied);
        }
        case WM_GETTEXTLENGTH: return static_cast<LRESULT>(window->text.size());
        case WM_GETFONT:
            for (HWND w = window; w != nullptr; w = w->topLevel ? nullptr : w->parent)
                if (w->font != nullptr) return reinterpret_cast<LRESULT>(w->font);
            return 0;
        case WM_SETFONT:
            window->font = reinterpret_cast<HFONT>(wParam);
            return 0;
        default: return 0;
    }
}

void NativeControl::paint(HWND) {}
std::string NativeControl::dumpState(HWND) const { return {}; }
void NativeControl::dumpDetails(HWND, std::string&) const {}

HDC NativeControl::beginPaint(HWND window) {
    m_paint = createDeviceContext(reinterpret_cast<HFONT>(sendMessage(window, WM_GETFONT, 0, 0)));
    return m_paint.get();
}

bool isClass(HWND window, const char* className) {
    return window != nullptr && strcasecmp(window->className.c_str(), className) == 0;
}

std::unique_ptr<NativeControl> makeNativeControl(const std::string& className, DWORD) {
    const char* name = className.c_str();
    if (strcasecmp(name, "#32770") == 0) return std::make_unique<DialogWindow>();
    if (strcasecmp(name, "Button") == 0) return std::make_unique<ButtonControl>();
    if (strcasecmp(name, "Edit") == 0) return std::make_unique<EditControl>();
    if (strcasecmp(name, "Static") == 0) return std::make_unique<StaticControl>();
    if (strcasecmp(name, "ComboBox") == 0) return std::make_unique<ComboBoxControl>();
    if (strcasecmp(name, WC_LISTVIEW) == 0) return std::make_unique<ListViewControl>();
    if (strcasecmp(name, WC_TREEVIEW) == 0) return std::make_unique<TreeViewControl>();
    return std::make_unique<NativeControl>();
}

void notifyParent(HWND control, UINT code) {
    if (!isWindow(control) || control->parent == nullptr) return;
    sendMessage(control->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(control->id), static_cast<WORD>(code)),
                reinterpret_cast<LPARAM>(control));
}

LRESULT notifyParent(HWND control, NMHDR& header) {
    if (!isWindow(control) || control->parent == nullptr) return 0;
    header.hwndFrom = control;
    header.idFrom = static_cast<UINT_PTR>(control->id);
    return sendMessage(control->parent, WM_NOTIFY, static_cast<WPARAM>(control->id), reinterpret_cast<LPARAM>(&header));
}

// Dialog window.

DialogWindow::~DialogWindow() {
    if (m_font != nullptr) DeleteObject(m_font);
}

void DialogWindow::setFont(const LOGFONT& font) {
    if (m_font != nullptr) DeleteObject(m_font);
    m_font = createFont(font);
}

LRESULT DialogWindow::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case DM_GETDEFID: return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(m_defaultId), static_cast<WORD>(DC_HASDEFID)));
        case DM_SETDEFID: m_defaultId = static_cast<int>(wParam); return TRUE;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(window->font != nullptr ? window->font : m_font);
        case WM_CLOSE: sendMessage(window, WM_COMMAND, IDCANCEL, 0); return 0;
        case WM_NEXTDLGCTL: {
            // lParam TRUE: wParam is the control; else the next (0) or previous tab stop.
            std::vector<HWND> stops = tabStops(window);
            HWND target = nullptr;
            if (lParam != 0) {
                target = reinterpret_cast<HWND>(wParam);
            } else if (!stops.empty()) {
                auto at = std::find(stops.begin(), stops.end(), focusWindow());
                std::size_t index = at == stops.end() ? 0 : static_cast<std::size_t>(at - stops.begin());
                std::size_t n = stops.size();
                target = stops[wParam == 0 ? (at == stops.end() ? 0 : (index + 1) % n) : (index + n - 1) % n];
            }
            if (isDescendant(target, window)) setFocusWindow(target);
            return 0;
        }
        default: return NativeControl::proc(window, message, wParam, lParam);
    }
}

// Buttons.

LRESULT ButtonControl::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case BM_CLICK: click(window); return 0;
        case BM_GETCHECK: return m_check;
        case BM_SETCHECK: m_check = static_cast<UINT>(wParam); return 0;
        case BM_GETSTATE:
            return m_check | (m_pushed ? BST_PUSHED : 0u) | (focusWindow() == window ? BST_FOCUS : 0u);
        case BM_SETSTATE: setPushed(window, wParam != 0); return 0;
        case BM_SETSTYLE:
            window->style = (window->style & ~0xFFFFu) | (static_cast<DWORD>(wParam) & 0xFFFFu);
            if (lParam) paint(window);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE: paint(window); return 0;
        default: return NativeControl::proc(window, message, wParam, lParam);
    }
}

void ButtonControl::setPushed(HWND window, bool pushed) {
    m_pushed = pushed;
    paint(window);
}

void ButtonControl::paint(HWND window) {
    HDC dc = beginPaint(window);
    RECT client{0, 0, window->rect.right - window->rect.left, window->rect.bottom - window->rect.top};
    if ((window->style & BS_TYPEMASK) == BS_OWNERDRAW) {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(window->id);
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = (m_pushed ? ODS_SELECTED : 0u) | (focusWindow() == window ? ODS_FOCUS : 0u) |
                         ((window->style & WS_DISABLED) ? ODS_DISABLED : 0u);
        item.hwndItem = window;
        item.hDC = dc;
        item.rcItem = client;
        if (window->parent != nullptr)
            sendMessage(window->parent, WM_DRAWITEM, static_cast<WPARAM>(window->id), reinterpret_cast<LPARAM>(&item));
        return;
    }
    CDC* cdc = CDC::FromHandle(dc);
    cdc->DrawFrameControl(&client, DFC_BUTTON, DFCS_BUTTONPUSH | (m_pushed ? DFCS_PUSHED : 0u));
    cdc->SetTextColor(GetSysColor((window->style & WS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    cdc->DrawText(window->text.c_str(), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

std::string ButtonControl::dumpState(HWND window) const {
    std::string state;
    DWORD type = window->style & BS_TYPEMASK;
    if (type == BS_OWNERDRAW) state += " owner-drawn";
    if (type == BS_DEFPUSHBUTTON) state += " default";
    if (m_check == BST_CHECKED) state += " checked";
    if (!m_picture.empty()) state += " picture " + m_picture;
    return state;
}

void ButtonControl::click(HWND window) {
    if (!isWindow(window) || (window->style & WS_DISABLED)) return;
    setFocusWindow(window);
    setPushed(window, true);
    if (!isWindow(window)) return;
    setPushed(window, false);
    DWORD type = window->style & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX) m_check = m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    if (type == BS_AUTORADIOBUTTON) m_check = BST_CHECKED;
    notifyParent(window, BN_CLICKED);
}

// Edits.

LRESULT EditControl::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT: {
            NativeControl::proc(window, message, wParam, lParam);
            // A single-line edit tells its parent of a text set from code too, as Win32's does.
            if (!(window->style & ES_MULTILINE)) {
                notifyParent(window, EN_UPDATE);
                notifyParent(window, EN_CHANGE);
            }
            return TRUE;
        }
        case EM_LIMITTEXT: m_limit = wParam == 0 ? 0x7FFFFFFE : static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFE)); return 0;
        case EM_SETREADONLY:
            window->style = wParam ? window->style | ES_READONLY : window->style & ~ES_READONLY;
            return TRUE;
        case EM_SETSEL: return 0;
        default: return NativeControl::proc(window, message, wParam, lParam);
    }
}

void EditControl::type(HWND window, const std::string& text) {
    setFocusWindow(window);
    std::string limited = text.substr(0, static_cast<std::size_t>(m_limit));
    if (!isWindow(window)) return;
    window->text = limited;
    notifyParent(window, EN_UPDATE);
    notifyParent(window, EN_CHANGE);
}

// Statics.

void StaticControl::paint(HWND window) {
    HDC dc = beginPaint(window);
    CDC* cdc = CDC::FromHandle(dc);
    cdc->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    LRESULT brush = window->parent != nullptr
                        ? sendMessage(window->parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window))
                        : 0;
    m_coloured = brush != 0;
    m_textColour = cdc->GetTextColor();
    RECT client{0, 0, window->rect.right - window->rect.left, window->rect.bottom - window->rect.top};
    DWORD type = window->style & SS_TYPEMASK;
    UINT format = type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
    cdc->DrawText(window->text.c_str(), &client, format);
}

std::string StaticControl::dumpState(HWND window) const {
    std::string state;
    DWORD type = window->style & SS_TYPEMASK;
    if (type == SS_CENTER) state += " centred";
    if (type == SS_RIGHT) state += " right";
    if (window->style & SS_NOTIFY) state += " notify";
    if (m_coloured) {
        char colour[16];
        std::snprintf(colour, sizeof colour, " colour #%02X%02X%02X", GetRValue(m_textColour), GetGValue(m_textColour),
                      GetBValue(m_textColour));
        state += colour;
    }
    return state;
}

void StaticControl::click(HWND window) {
    if ((window->style & SS_NOTIFY) && !(window->style & WS_DISABLED)) notifyParent(window, STN_CLICKED);
}

}  // namespace vthost::ui

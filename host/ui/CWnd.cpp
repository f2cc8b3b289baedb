#include "ui/CWnd.h"

#include <cstdlib>
#include <cstring>

#include "ui/Gdi.h"
#include "ui/NativeControls.h"
#include "ui/Window.h"

namespace ui = vthost::ui;

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_hWnd != nullptr && ui::isWindow(m_hWnd) && m_hWnd->attached == this) m_hWnd->attached = nullptr;
}

CWnd* CWnd::FromHandle(HWND window) {
    if (!ui::isWindow(window)) return nullptr;
    if (window->attached != nullptr) return window->attached;
    if (!window->temporary) {
        window->temporary = std::make_unique<CWnd>();
        // The temporary refers to the window without being attached to it.
        window->temporary->m_hWnd = window;
    }
    return window->temporary.get();
}

CWnd* CWnd::FromHandlePermanent(HWND window) { return ui::isWindow(window) ? window->attached : nullptr; }

BOOL CWnd::Attach(HWND window) {
    if (!ui::isWindow(window) || m_hWnd != nullptr || window->attached != nullptr) return FALSE;
    m_hWnd = window;
    window->attached = this;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND window = m_hWnd;
    if (ui::isWindow(window) && window->attached == this) window->attached = nullptr;
    m_hWnd = nullptr;
    return window;
}

BOOL CWnd::SubclassWindow(HWND window) {
    if (!Attach(window)) return FALSE;
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    return parent != nullptr && SubclassWindow(ui::childWithId(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() { return Detach(); }

BOOL CWnd::DestroyWindow() {
    if (!ui::isWindow(m_hWnd)) return FALSE;
    ui::destroyWindow(m_hWnd);
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(ui::childWithId(m_hWnd, id)); }

CWnd* CWnd::GetParent() const {
    return ui::isWindow(m_hWnd) ? FromHandle(m_hWnd->parent) : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const {
    HWND w = m_hWnd;
    while (ui::isWindow(w) && !w->topLevel) w = w->parent;
    return FromHandle(w);
}

int CWnd::GetDlgCtrlID() const { return ui::isWindow(m_hWnd) ? m_hWnd->id : 0; }

void CWnd::SetWindowText(LPCTSTR text) { ui::sendMessage(m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text != nullptr ? text : "")); }

int CWnd::GetWindowText(LPTSTR buffer, int size) const {
    if (buffer == nullptr || size <= 0) return 0;
    buffer[0] = '\0';
    return static_cast<int>(ui::sendMessage(m_hWnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

void CWnd::GetWindowText(CString& text) const {
    int length = GetWindowTextLength();
    char* buffer = text.GetBufferSetLength(length + 1);
    GetWindowText(buffer, length + 1);
    text.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const { return static_cast<int>(ui::sendMessage(m_hWnd, WM_GETTEXTLENGTH, 0, 0)); }

void CWnd::SetDlgItemText(int id, LPCTSTR text) {
    if (CWnd* item = GetDlgItem(id)) item->SetWindowText(text);
}

int CWnd::GetDlgItemText(int id, LPTSTR buffer, int size) const {
    CWnd* item = GetDlgItem(id);
    if (item == nullptr) {
        if (buffer != nullptr && size > 0) buffer[0] = '\0';
        return 0;
    }
    return item->GetWindowText(buffer, size);
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    text.Empty();
    if (CWnd* item = GetDlgItem(id)) item->GetWindowText(text);
    return text.GetLength();
}

BOOL CWnd::EnableWindow(BOOL enable) {
    if (!ui::isWindow(m_hWnd)) return FALSE;
    BOOL wasDisabled = (m_hWnd->style & WS_DISABLED) != 0;
    m_hWnd->style = enable ? m_hWnd->style & ~WS_DISABLED : m_hWnd->style | WS_DISABLED;
    // A window that is disabled gives up the focus.
    if (!enable && ui::focusWindow() == m_hWnd) ui::setFocusWindow(nullptr);
    if (wasDisabled != !enable) SendMessage(WM_ENABLE, static_cast<WPARAM>(enable), 0);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return ui::isWindow(m_hWnd) && !(m_hWnd->style & WS_DISABLED); }

BOOL CWnd::ShowWindow(int command) {
    if (!ui::isWindow(m_hWnd)) return FALSE;
    BOOL wasVisible = (m_hWnd->style & WS_VISIBLE) != 0;
    m_hWnd->style = command == SW_HIDE ? m_hWnd->style & ~WS_VISIBLE : m_hWnd->style | WS_VISIBLE;
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const { return ui::isWindow(m_hWnd) && (m_hWnd->style & WS_VISIBLE); }

CWnd* CWnd::SetFocus() {
    CWnd* previous = FromHandle(ui::focusWindow());
    if (ui::isWindow(m_hWnd)) ui::setFocusWindow(m_hWnd);
    return previous;
}

CWnd* CWnd::GetFocus() { return FromHandle(ui::focusWindow()); }

CWnd* CWnd::SetCapture() {
    CWnd* previous = FromHandle(ui::captureWindow());
    ui::setCaptureWindow(m_hWnd);
    return previous;
}

CWnd* CWnd::GetCapture() { return FromHandle(ui::captureWindow()); }

DWORD CWnd::GetStyle() const { return ui::isWindow(m_hWnd) ? m_hWnd->style : 0; }
DWORD CWnd::GetExStyle() const { return ui::isWindow(m_hWnd) ? m_hWnd->exStyle : 0; }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT) {
    if (!ui::isWindow(m_hWnd)) return FALSE;
    DWORD style = (m_hWnd->style & ~remove) | add;
    if (style == m_hWnd->style) return FALSE;
    m_hWnd->style = style;
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT) {
    if (!ui::isWindow(m_hWnd)) return FALSE;
    DWORD style = (m_hWnd->exStyle & ~remove) | add;
    if (style == m_hWnd->exStyle) return FALSE;
    m_hWnd->exStyle = style;
    return TRUE;
}

void CWnd::GetWindowRect(LPRECT rect) const {
    if (rect == nullptr) return;
    *rect = RECT{0, 0, 0, 0};
    if (!ui::isWindow(m_hWnd)) return;
    POINT origin = ui::screenOrigin(m_hWnd);
    *rect = RECT{origin.x, origin.y, origin.x + (m_hWnd->rect.right - m_hWnd->rect.left),
                 origin.y + (m_hWnd->rect.bottom - m_hWnd->rect.top)};
}

void CWnd::GetClientRect(LPRECT rect) const {
    if (rect == nullptr) return;
    *rect = RECT{0, 0, 0, 0};
    if (!ui::isWindow(m_hWnd)) return;
    *rect = RECT{0, 0, m_hWnd->rect.right - m_hWnd->rect.left, m_hWnd->rect.bottom - m_hWnd->rect.top};
}

void CWnd::ScreenToClient(LPPOINT point) const {
    if (point == nullptr || !ui::isWindow(m_hWnd)) return;
    POINT origin = ui::screenOrigin(m_hWnd);
    point->x -= origin.x;
    point->y -= origin.y;
}

void CWnd::ScreenToClient(LPRECT rect) const {
    if (rect == nullptr) return;
    POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
    ScreenToClient(&a);
    ScreenToClient(&b);
    *rect = RECT{a.x, a.y, b.x, b.y};
}

void CWnd::ClientToScreen(LPPOINT point) const {
    if (point == nullptr || !ui::isWindow(m_hWnd)) return;
    POINT origin = ui::screenOrigin(m_hWnd);
    point->x += origin.x;
    point->y += origin.y;
}

void CWnd::ClientToScreen(LPRECT rect) const {
    if (rect == nullptr) return;
    POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
    ClientToScreen(&a);
    ClientToScreen(&b);
    *rect = RECT{a.x, a.y, b.x, b.y};
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int cx, int cy, UINT flags) {
    if (!ui::isWindow(m_hWnd)) return FALSE;
    RECT& r = m_hWnd->rect;
    long width = r.right - r.left, height = r.bottom - r.top;
    if (!(flags & SWP_NOMOVE)) r.left = x, r.top = y;
    if (!(flags & SWP_NOSIZE)) width = cx < 0 ? 0 : cx, height = cy < 0 ? 0 : cy;
    r.right = r.left + width;
    r.bottom = r.top + height;
    return TRUE;
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL) { SetWindowPos(nullptr, x, y, width, height, SWP_NOZORDER); }

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    if (rect != nullptr)
        MoveWindow(static_cast<int>(rect->left), static_cast<int>(rect->top), static_cast<int>(rect->right - rect->left),
                   static_cast<int>(rect->bottom - rect->top), repaint);
}

void CWnd::Invalidate(BOOL) { UpdateWindow(); }

void CWnd::UpdateWindow() {
    if (ui::isWindow(m_hWnd) && m_hWnd->native) m_hWnd->native->paint(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT, void*, UINT) {
    UpdateWindow();
    return ui::isWindow(m_hWnd);
}

CFont* CWnd::GetFont() const {
    return CFont::FromHandle(reinterpret_cast<HFONT>(ui::sendMessage(m_hWnd, WM_GETFONT, 0, 0)));
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    ui::sendMessage(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font != nullptr ? font->m_hObject : nullptr), redraw);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) { return ui::sendMessage(m_hWnd, message, wParam, lParam); }

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return ui::sendMessage(ui::childWithId(m_hWnd, id), message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!ui::isWindow(m_hWnd)) return FALSE;
    ui::postMessage(m_hWnd, message, wParam, lParam);
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ui::defaultWindowProc(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
        case WM_COMMAND:
            if (!OnCommand(wParam, lParam)) return FALSE;
            *result = 0;
            return TRUE;
        case WM_NOTIFY: return OnNotify(wParam, lParam, result);
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            CWnd* child = item != nullptr ? FromHandlePermanent(item->hwndItem) : nullptr;
            if (child != nullptr && child->OnChildNotify(message, wParam, lParam, result)) return TRUE;
            break;
        }
        case WM_CTLCOLORSTATIC: {
            CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
            if (child != nullptr && child->OnChildNotify(message, wParam, lParam, result)) return TRUE;
            break;
        }
        default: break;
    }
    return dispatch(message, 0, 0, wParam, lParam, result);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    auto control = reinterpret_cast<HWND>(lParam);
    if (control != nullptr) {
        CWnd* child = FromHandlePermanent(control);
        if (child != nullptr && child->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
    }
    LRESULT ignored = 0;
    return dispatch(WM_COMMAND, HIWORD(wParam), LOWORD(wParam), wParam, lParam, &ignored);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header == nullptr) return FALSE;
    CWnd* child = FromHandlePermanent(header->hwndFrom);
    if (child != nullptr && child->OnChildNotify(WM_NOTIFY, wParam, lParam, result)) return TRUE;
    return dispatch(WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom), wParam, lParam, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    LRESULT ignored = 0;
    if (result == nullptr) result = &ignored;
    switch (message) {
        case WM_COMMAND: return dispatch(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0, wParam, lParam, result);
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            return dispatch(WM_REFLECT_BASE + WM_NOTIFY, header->code, 0, wParam, lParam, result);
        }
        default: return dispatch(WM_REFLECT_BASE + message, 0, 0, wParam, lParam, result);
    }
}

BOOL CWnd::dispatch(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    bool byCode = message == WM_COMMAND || message == WM_NOTIFY || message == WM_REFLECT_BASE + WM_COMMAND ||
                  message == WM_REFLECT_BASE + WM_NOTIFY;
    bool byId = message == WM_COMMAND || message == WM_NOTIFY;
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry != nullptr && entry->pfn != nullptr; ++entry) {
            if (entry->nMessage != message) continue;
            if (byCode && entry->nCode != code) continue;
            if (byId && (id < entry->nID || id > entry->nLastID)) continue;
            *result = entry->pfn(this, wParam, lParam);
            return TRUE;
        }
    }
    return FALSE;
}

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CWnd::OnHelpInfo(HELPINFO*) { return FALSE; }

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.m_failed;
}

// Data exchange.

HWND CDataExchange::PrepareCtrl(int id) {
    m_idLastControl = id;
    return m_pDlgWnd != nullptr ? ui::childWithId(m_pDlgWnd->m_hWnd, id) : nullptr;
}

void CDataExchange::Fail() {
    m_failed = true;
    if (m_bSaveAndValidate && m_pDlgWnd != nullptr) {
        HWND control = ui::childWithId(m_pDlgWnd->m_hWnd, m_idLastControl);
        if (control != nullptr) ui::setFocusWindow(control);
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (dx == nullptr || control.m_hWnd != nullptr) return;
    HWND window = dx->PrepareCtrl(id);
    if (window == nullptr || !control.SubclassWindow(window)) dx->m_failed = true;
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
    if (dx == nullptr || dx->m_failed) return;
    CWnd* control = CWnd::FromHandle(dx->PrepareCtrl(id));
    if (control == nullptr) return;
    if (dx->m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value);
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    if (dx == nullptr || dx->m_failed) return;
    CWnd* control = CWnd::FromHandle(dx->PrepareCtrl(id));
    if (control == nullptr) return;
    if (!dx->m_bSaveAndValidate) {
        CString text;
        text.Format("%d", value);
        control->SetWindowText(text);
        return;
    }
    CString text;
    control->GetWindowText(text);
    char* end = nullptr;
    long number = std::strtol(text.Trim(), &end, 10);
    if (text.IsEmpty() || end == nullptr || *end != '\0' || number < -2147483647L - 1 || number > 2147483647L) {
        control->MessageBox("Please enter an integer.", nullptr, MB_ICONEXCLAMATION);
        dx->Fail();
        return;
    }
    value = static_cast<int>(number);
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
    if (dx == nullptr || dx->m_failed) return;
    HWND combo = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        index = static_cast<int>(ui::sendMessage(combo, CB_GETCURSEL, 0, 0));
    else
        ui::sendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

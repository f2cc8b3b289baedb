#include "ui/ToolTipCtrl.h"

#include <cstring>

#include "ui/Window.h"

namespace {
constexpr int kTipTextSize = 80;  // TTM_GETTEXTA's buffer, as Win32 assumes
}

BOOL CToolTipCtrl::Create(CWnd* owner, DWORD style) {
    if (owner == nullptr || !vthost::ui::isWindow(owner->m_hWnd) || m_hWnd != nullptr) return FALSE;
    CWnd* dialog = owner->GetTopLevelParent();
    HWND parent = dialog != nullptr ? dialog->m_hWnd : owner->m_hWnd;
    HWND window = vthost::ui::createWindow(TOOLTIPS_CLASS, "", WS_CHILD | (style & ~WS_VISIBLE), 0, RECT{0, 0, 0, 0}, parent, 0);
    return window != nullptr && SubclassWindow(window);
}

CToolTipCtrl::Tool* CToolTipCtrl::find(HWND window, UINT_PTR id) {
    for (Tool& tool : m_tools)
        if (tool.window == window && tool.id == id) return &tool;
    return nullptr;
}

const CToolTipCtrl::Tool* CToolTipCtrl::find(HWND window, UINT_PTR id) const {
    return const_cast<CToolTipCtrl*>(this)->find(window, id);
}

BOOL CToolTipCtrl::AddTool(CWnd* window, LPCTSTR text, LPCRECT rect, UINT_PTR id) {
    if (m_hWnd == nullptr || window == nullptr || !vthost::ui::isWindow(window->m_hWnd)) return FALSE;
    TOOLINFOA info{};
    info.cbSize = sizeof info;
    info.hwnd = window->m_hWnd;
    info.uId = id;
    if (rect != nullptr) info.rect = *rect;
    else window->GetClientRect(&info.rect);
    info.lpszText = const_cast<LPSTR>(text != nullptr ? text : "");
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* window, UINT_PTR id) {
    if (window == nullptr) return;
    TOOLINFOA info{};
    info.cbSize = sizeof info;
    info.hwnd = window->m_hWnd;
    info.uId = id;
    info.lpszText = const_cast<LPSTR>(text != nullptr ? text : "");
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::GetText(CString& text, CWnd* window, UINT_PTR id) const {
    const Tool* tool = window != nullptr ? find(window->m_hWnd, id) : nullptr;
    text = tool != nullptr ? tool->text : CString();
}

int CToolTipCtrl::GetToolCount() const { return static_cast<int>(m_tools.size()); }

BOOL CToolTipCtrl::GetToolRect(CWnd* window, UINT_PTR id, RECT& rect) const {
    const Tool* tool = window != nullptr ? find(window->m_hWnd, id) : nullptr;
    if (tool == nullptr) return FALSE;
    rect = tool->rect;
    return TRUE;
}

void CToolTipCtrl::RelayEvent(MSG* message) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(message)); }

void CToolTipCtrl::Activate(BOOL active) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(active), 0); }

LRESULT CToolTipCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    auto* info = reinterpret_cast<TOOLINFOA*>(lParam);
    switch (message) {
        case TTM_ADDTOOLA: {
            if (info == nullptr) return FALSE;
            Tool* tool = find(info->hwnd, info->uId);
            if (tool == nullptr) tool = &m_tools.emplace_back();
            *tool = Tool{info->hwnd, info->uId, info->rect, CString(info->lpszText != nullptr ? info->lpszText : "")};
            SetWindowText(tool->text);
            return TRUE;
        }
        case TTM_UPDATETIPTEXTA: {
            Tool* tool = info != nullptr ? find(info->hwnd, info->uId) : nullptr;
            if (tool == nullptr) return 0;
            tool->text = info->lpszText != nullptr ? info->lpszText : "";
            SetWindowText(tool->text);
            return 0;
        }
        case TTM_GETTEXTA: {
            const Tool* tool = info != nullptr ? find(info->hwnd, info->uId) : nullptr;
            if (info == nullptr || info->lpszText == nullptr) return 0;
            std::string text = tool != nullptr ? std::string(tool->text.GetString()) : std::string();
            text = text.substr(0, kTipTextSize - 1);
            std::memcpy(info->lpszText, text.c_str(), text.size() + 1);
            return 0;
        }
        case TTM_GETTOOLCOUNT: return static_cast<LRESULT>(m_tools.size());
        case TTM_ACTIVATE: m_active = wParam != 0; return 0;
        case TTM_RELAYEVENT:
            if (lParam != 0 && m_active) {
                m_lastRelayed = *reinterpret_cast<const MSG*>(lParam);
                ++m_relayed;
            }
            return 0;
        default: return CWnd::WindowProc(message, wParam, lParam);
    }
}

// CToolTipCtrl: the framework's tooltip control. Tools are rectangles of windows, each with an id
// and a text; the control learns the mouse's moves over them from the messages its owner relays
// (RelayEvent, TTM_RELAYEVENT). Headless: the tooltip window is a hidden child of the owner's
// dialog whose text is the last tool's tip, so the dialog's dump shows the tip text; the control
// keeps the last relayed message. The window tree owns the window; the object owns its tools.
#pragma once
#include <vector>

#include "ui/CWnd.h"

#define TOOLTIPS_CLASS "tooltips_class32"
constexpr UINT TTM_ACTIVATE = WM_USER + 1;
constexpr UINT TTM_ADDTOOLA = WM_USER + 4;
constexpr UINT TTM_RELAYEVENT = WM_USER + 7;
constexpr UINT TTM_GETTEXTA = WM_USER + 11;
constexpr UINT TTM_UPDATETIPTEXTA = WM_USER + 12;
constexpr UINT TTM_GETTOOLCOUNT = WM_USER + 13;
constexpr UINT TTF_IDISHWND = 0x0001;
constexpr UINT TTF_SUBCLASS = 0x0010;

struct TOOLINFOA {
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;
    UINT_PTR uId;
    RECT rect;
    HINSTANCE hinst;
    LPSTR lpszText;
    LPARAM lParam;
};
using TOOLINFO = TOOLINFOA;

class CToolTipCtrl : public CWnd {
public:
    // Creates the tooltip window for the owner's tools; FALSE when the owner has no window.
    BOOL Create(CWnd* owner, DWORD style = 0);
    // A tool of window with the id: its rectangle (the window's client rectangle when null) and
    // its text. A second tool with the same window and id replaces the first.
    BOOL AddTool(CWnd* window, LPCTSTR text, LPCRECT rect = nullptr, UINT_PTR id = 0);
    void UpdateTipText(LPCTSTR text, CWnd* window, UINT_PTR id = 0);
    void GetText(CString& text, CWnd* window, UINT_PTR id = 0) const;
    int GetToolCount() const;
    void RelayEvent(MSG* message);
    void Activate(BOOL active);
    // The last message relayed (message 0 when none) and how many were.
    const MSG& lastRelayed() const { return m_lastRelayed; }
    int relayedCount() const { return m_relayed; }
    // A tool's rectangle; FALSE when there is no such tool.
    BOOL GetToolRect(CWnd* window, UINT_PTR id, RECT& rect) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Tool {
        HWND window = nullptr;
        UINT_PTR id = 0;
        RECT rect{0, 0, 0, 0};
        CString text;
    };
    Tool* find(HWND window, UINT_PTR id);
    const Tool* find(HWND window, UINT_PTR id) const;
    std::vector<Tool> m_tools;
    MSG m_lastRelayed{};
    int m_relayed = 0;
    bool m_active = true;
};

// CWnd: the framework's window object. It wraps a window (HWND) of the host's window tree: a
// dialog, a control, the main frame. A CWnd is attached to its window by subclassing
// (SubclassWindow, DDX_Control); from then on the window's messages go first to the CWnd's
// WindowProc, which looks them up in the message map (ui/MessageMap.h) and hands what it does not
// handle to DefWindowProc, the window class's own behaviour. FromHandle gives a window without a
// CWnd of its own a temporary one that the window owns. The window tree owns the windows; a CWnd
// only refers to its window and lets go of it when the window is destroyed.
#pragma once
#include "ui/MessageMap.h"
#include "ut/CString.h"

class CDataExchange;
class CFont;
class CMenu;

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }  // NOLINT: implicit as in the framework

    // The CWnd of a window: its own, else a temporary one the window owns; null for null.
    static CWnd* FromHandle(HWND window);
    // The CWnd attached to a window, or null.
    static CWnd* FromHandlePermanent(HWND window);

    // Attaches this object to a window that has no CWnd yet, then calls PreSubclassWindow.
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    BOOL Attach(HWND window);
    HWND Detach();
    BOOL DestroyWindow();

    // The tree.
    CWnd* GetDlgItem(int id) const;
    CWnd* GetParent() const;
    int GetDlgCtrlID() const;
    CWnd* GetTopLevelParent() const;

    // Text.
    void SetWindowText(LPCTSTR text);
    int GetWindowText(LPTSTR buffer, int size) const;
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, LPTSTR buffer, int size) const;
    int GetDlgItemText(int id, CString& text) const;

    // State.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);

    // Geometry: window rectangles in screen pixels, client rectangles from (0, 0).
    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    void ScreenToClient(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);

    // Painting: the host paints at once (owner drawing, custom drawing, static colours).
    void Invalidate(BOOL erase = TRUE);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT update = nullptr, void* region = nullptr, UINT flags = RDW_INVALIDATE | RDW_UPDATENOW);

    CFont* GetFont() const;
    void SetFont(CFont* font, BOOL redraw = TRUE);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = 0);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    virtual BOOL PreTranslateMessage(MSG* message);
    // The window's messages: the message map, then DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    friend class CDialog;
    virtual void PreSubclassWindow();
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A notification this window sent its parent, offered back first (reflection).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void DoDataExchange(CDataExchange* dx);
    virtual BOOL OnHelpInfo(HELPINFO* info);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

private:
    // The first entry of the maps (most derived first) for the message, code and id; its answer.
    BOOL dispatch(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result);
};

// UpdateData's exchange: controls are subclassed and values moved between them and members.
// A value that fails to validate marks the exchange failed, moves the focus to its control and
// (as the framework's would) tells the user; UpdateData then answers FALSE.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    bool m_failed = false;
    int m_idLastControl = 0;
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id) { return PrepareCtrl(id); }
    void Fail();
};

void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);

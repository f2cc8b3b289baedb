// Message maps: a class that handles messages declares DECLARE_MESSAGE_MAP() and lists its
// handlers between BEGIN_MESSAGE_MAP(theClass, baseClass) and END_MESSAGE_MAP(), as in
//
//   BEGIN_MESSAGE_MAP(StyleDialog, CAcUiDialog)
//       ON_BN_CLICKED(2010, &StyleDialog::OnOptions)
//       ON_CBN_SELCHANGE(2007, &StyleDialog::OnModifierChanged)
//       ON_NOTIFY(NM_RCLICK, 2000, &StyleDialog::OnRightClick)
//       ON_WM_HELPINFO()
//       ON_COMMAND(32771, &StyleDialog::OnNew)
//   END_MESSAGE_MAP()
//
// Handlers are named as members (&Class::Handler) and take the framework's signatures: void() for
// commands and control notifications, void(NMHDR*, LRESULT*) for WM_NOTIFY, BOOL
// OnHelpInfo(HELPINFO*), and so on. CWnd::OnWndMsg searches the most derived map first, then its
// bases'. Reflected entries (..._REFLECT) are handled by the control that sent the notification,
// before its parent sees it.
#pragma once
#include "ui/WinMessages.h"

class CWnd;
class CDC;

using AfxMessageHandler = LRESULT (*)(CWnd* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // the message (WM_COMMAND, WM_NOTIFY, or WM_REFLECT_BASE + one of them)
    UINT nCode;     // the notification code, for commands and notifications
    UINT nID;       // the first and last control or command id; 0 for reflected entries
    UINT nLastID;
    AfxMessageHandler pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Marks a message handler in a class declaration; it means nothing to the compiler.
#define afx_msg

// Leaves the declarations that follow protected, as the framework's does.
#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
        using ThisClass [[maybe_unused]] = theClass;                                  \
        using TheBaseClass = baseClass;                                               \
        static const AFX_MSGMAP_ENTRY messageEntries[] = {
#define END_MESSAGE_MAP()                                                                     \
    {0, 0, 0, 0, nullptr}                                                                     \
    }                                                                                         \
    ;                                                                                         \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &messageEntries[0]}; \
    return &messageMap;                                                                       \
    }

#define VT_AFX_VOID_HANDLER(memberFxn)                          \
    [](CWnd* target, WPARAM, LPARAM) -> LRESULT {               \
        (static_cast<ThisClass*>(target)->*(memberFxn))();      \
        return 0;                                               \
    }
#define VT_AFX_NOTIFY_HANDLER(memberFxn)                                                 \
    [](CWnd* target, WPARAM, LPARAM lParam) -> LRESULT {                                 \
        LRESULT result = 0;                                                              \
        (static_cast<ThisClass*>(target)->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), &result); \
        return result;                                                                   \
    }

// Commands (menu items, buttons) and control notifications, by id.
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, 0, static_cast<UINT>(id), static_cast<UINT>(id), VT_AFX_VOID_HANDLER(memberFxn)},
#define ON_COMMAND_RANGE(firstId, lastId, memberFxn)                                              \
    {WM_COMMAND, 0, static_cast<UINT>(firstId), static_cast<UINT>(lastId),                        \
     [](CWnd* target, WPARAM wParam, LPARAM) -> LRESULT {                                         \
         (static_cast<ThisClass*>(target)->*(memberFxn))(static_cast<UINT>(LOWORD(wParam)));      \
         return 0;                                                                                \
     }},
#define ON_CONTROL(code, id, memberFxn) \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), VT_AFX_VOID_HANDLER(memberFxn)},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_NOTIFY(code, id, memberFxn) \
    {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), VT_AFX_NOTIFY_HANDLER(memberFxn)},

// Handled by the control itself when it sends them to its parent.
#define ON_CONTROL_REFLECT(code, memberFxn) \
    {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0, VT_AFX_VOID_HANDLER(memberFxn)},
#define ON_NOTIFY_REFLECT(code, memberFxn) \
    {WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0, 0, VT_AFX_NOTIFY_HANDLER(memberFxn)},
// HBRUSH CtlColor(CDC* dc, UINT ctlColor): the text colour and brush of a static control.
#define ON_WM_CTLCOLOR_REFLECT()                                                                 \
    {WM_REFLECT_BASE + WM_CTLCOLORSTATIC, 0, 0, 0, [](CWnd* target, WPARAM wParam, LPARAM) -> LRESULT { \
         return reinterpret_cast<LRESULT>(static_cast<ThisClass*>(target)->CtlColor(              \
             CDC::FromHandle(reinterpret_cast<HDC>(wParam)), 6u));                                \
     }},

// Window messages.
#define ON_MESSAGE(message, memberFxn)                                                          \
    {static_cast<UINT>(message), 0, 0, 0, [](CWnd* target, WPARAM wParam, LPARAM lParam) -> LRESULT { \
         return (static_cast<ThisClass*>(target)->*(memberFxn))(wParam, lParam);                \
     }},
#define ON_WM_HELPINFO()                                                                  \
    {WM_HELPINFO, 0, 0, 0, [](CWnd* target, WPARAM, LPARAM lParam) -> LRESULT {           \
         return static_cast<ThisClass*>(target)->OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam)); \
     }},
#define ON_WM_DESTROY()                                                            \
    {WM_DESTROY, 0, 0, 0, [](CWnd* target, WPARAM, LPARAM) -> LRESULT {            \
         static_cast<ThisClass*>(target)->OnDestroy();                             \
         return 0;                                                                 \
     }},
#define ON_WM_MOUSEMOVE()                                                                       \
    {WM_MOUSEMOVE, 0, 0, 0, [](CWnd* target, WPARAM wParam, LPARAM lParam) -> LRESULT {         \
         static_cast<ThisClass*>(target)->OnMouseMove(static_cast<UINT>(wParam),               \
                                                      CPoint(static_cast<short>(LOWORD(lParam)), \
                                                             static_cast<short>(HIWORD(lParam)))); \
         return 0;                                                                              \
     }},
#define ON_WM_SETCURSOR()                                                                      \
    {WM_SETCURSOR, 0, 0, 0, [](CWnd* target, WPARAM wParam, LPARAM lParam) -> LRESULT {        \
         return static_cast<ThisClass*>(target)->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), \
                                                             LOWORD(lParam), HIWORD(lParam));  \
     }},
#define ON_WM_CAPTURECHANGED()                                                                  \
    {WM_CAPTURECHANGED, 0, 0, 0, [](CWnd* target, WPARAM, LPARAM lParam) -> LRESULT {           \
         static_cast<ThisClass*>(target)->OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))); \
         return 0;                                                                              \
     }},

#include "dialogs/HyperlinkLabel.h"

#include <string>

#include "dialogs/HyperlinkOpener.h"
#include "ui/MessageBox.h"
#include "ui/WinUser.h"

namespace vantorell {

namespace {
constexpr UINT kToolId = 1;
constexpr unsigned kHandCursor = 106;
constexpr const char* kHelpProgram = "/winhlp32.exe";
constexpr UINT kRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
}  // namespace

BEGIN_MESSAGE_MAP(HyperlinkLabel, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, &HyperlinkLabel::OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

HyperlinkLabel::HyperlinkLabel()
    : m_linkColour(RGB(0, 0, 238)), m_visitedColour(RGB(85, 26, 139)), m_hoverColour(GetSysColor(COLOR_HIGHLIGHT)) {}

HyperlinkLabel::~HyperlinkLabel() {
    if (m_cursor != nullptr) DestroyCursor(m_cursor);
}

void HyperlinkLabel::SetTarget(const CString& target) {
    m_target = target;
    if (!::IsWindow(m_hWnd)) return;
    fitToText();
    m_toolTip.UpdateTipText(m_target, this, kToolId);
}

void HyperlinkLabel::SetVisited(bool visited) {
    m_visited = visited;
    if (::IsWindow(m_hWnd)) Invalidate(TRUE);
}

BOOL HyperlinkLabel::PreTranslateMessage(MSG* message) {
    if (m_toolTip.GetSafeHwnd() != nullptr) m_toolTip.RelayEvent(message);
    return CStatic::PreTranslateMessage(message);
}

void HyperlinkLabel::PreSubclassWindow() {
    ModifyStyle(0, SS_NOTIFY);
    CString text;
    GetWindowText(text);
    if (m_target.IsEmpty()) m_target = text;
    if (text.IsEmpty()) SetWindowText(m_target);
    createUnderlinedFont();
    fitToText();
    loadHandCursor();
    if (m_toolTip.Create(this)) {
        CRect client;
        GetClientRect(&client);
        m_toolTip.AddTool(this, m_target, &client, kToolId);
    }
    CStatic::PreSubclassWindow();
}

// The control's current font, underlined as asked; the label owns the copy.
void HyperlinkLabel::createUnderlinedFont() {
    CFont* current = GetFont();
    LOGFONT font{};
    if (current == nullptr || current->GetLogFont(&font) == 0) return;
    font.lfUnderline = m_underline ? 1 : 0;
    m_font.DeleteObject();
    if (m_font.CreateFontIndirect(&font)) SetFont(&m_font);
}

// The window shrinks or grows to its text: vertically to the text's height (centred with
// SS_CENTERIMAGE), horizontally keeping its left edge, its centre (SS_CENTER) or its right edge
// (SS_RIGHT).
void HyperlinkLabel::fitToText() {
    CWnd* parent = GetParent();
    if (!m_fitToText || !::IsWindow(m_hWnd) || parent == nullptr) return;
    CRect rect;
    GetWindowRect(&rect);
    parent->ScreenToClient(&rect);
    CString text;
    GetWindowText(text);
    CClientDC dc(this);
    CFont* previous = GetFont() != nullptr ? dc.SelectObject(GetFont()) : nullptr;
    CSize extent = dc.GetTextExtent(text);
    if (previous != nullptr) dc.SelectObject(previous);
    DWORD style = GetStyle();
    if (style & SS_CENTERIMAGE) {
        long dy = (rect.Height() - extent.cy) / 2;
        rect.top += dy;
        rect.bottom -= dy;
    } else {
        rect.bottom = rect.top + extent.cy;
    }
    DWORD alignment = style & SS_TYPEMASK;
    if (alignment == SS_CENTER) {
        long dx = (rect.Width() - extent.cx) / 2;
        rect.left += dx;
        rect.right -= dx;
    } else if (alignment == SS_RIGHT) {
        rect.left = rect.right - extent.cx;
    } else {
        rect.right = rect.left + extent.cx;
    }
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER);
}

// The pointing hand of the Windows folder's winhlp32.exe, copied so that it outlives the module;
// when any step fails the label keeps the class cursor.
void HyperlinkLabel::loadHandCursor() {
    if (m_cursor != nullptr) return;
    char folder[MAX_PATH];
    unsigned length = GetWindowsDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) return;
    std::string path = std::string(folder) + kHelpProgram;
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) return;
    HCURSOR hand = LoadCursorA(module, MAKEINTRESOURCEA(kHandCursor));
    if (hand != nullptr) m_cursor = CopyIcon(hand);
    FreeLibrary(module);
}

void HyperlinkLabel::redraw() { RedrawWindow(nullptr, nullptr, kRedraw); }

void HyperlinkLabel::OnClicked() {
    int result = openHyperlink(std::string(m_target.GetString()), SW_SHOW);
    if (result > 32) {
        SetVisited(true);
        return;
    }
    MessageBeep(MB_ICONEXCLAMATION);
    reportFailure(result);
    SetVisited(false);
}

void HyperlinkLabel::reportFailure(int result) {
    AfxMessageBox(hyperlinkFailureMessage(result).c_str(), MB_ICONEXCLAMATION);
}

HBRUSH HyperlinkLabel::CtlColor(CDC* dc, UINT) {
    dc->SetTextColor(m_hovering ? m_hoverColour : m_visited ? m_visitedColour : m_linkColour);
    dc->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

BOOL HyperlinkLabel::OnSetCursor(CWnd*, UINT, UINT) {
    if (m_cursor == nullptr) return FALSE;
    ::SetCursor(m_cursor);
    return TRUE;
}

void HyperlinkLabel::OnMouseMove(UINT flags, CPoint point) {
    DefWindowProc(WM_MOUSEMOVE, flags, MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
    if (!m_hovering) {
        m_hovering = true;
        redraw();
        SetCapture();
        return;
    }
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point)) return;
    m_hovering = false;
    ReleaseCapture();
    redraw();
}

// The capture went elsewhere (another window took it, or it was released) without the mouse
// leaving first: the label is no longer under the mouse as far as it can know, so it stops
// showing the hover colour instead of keeping it until the next move over it.
void HyperlinkLabel::OnCaptureChanged(CWnd* window) {
    if (window == this || !m_hovering) return;
    m_hovering = false;
    redraw();
}

}  // namespace vantorell

#include "ui/AcUiButtons.h"

#include "ui/NativeControls.h"
#include "ui/Window.h"

CAdUiOwnerDrawButton::CAdUiOwnerDrawButton() = default;
CAdUiOwnerDrawButton::~CAdUiOwnerDrawButton() = default;

BOOL CAdUiOwnerDrawButton::AutoLoad() {
    if (!vthost::ui::isWindow(m_hWnd)) return FALSE;
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    m_picture.DeleteObject();
    m_pictureId = 0;
    auto id = static_cast<UINT>(GetDlgCtrlID());
    BOOL loaded = m_picture.LoadBitmap(id);
    if (loaded) m_pictureId = id;
    auto* native = dynamic_cast<vthost::ui::ButtonControl*>(m_hWnd->native.get());
    if (native != nullptr)
        native->setPicture(loaded ? "bitmap " + std::to_string(id) : id == IDHELP ? "standard help" : "standard");
    UpdateWindow();
    return loaded;
}

void CAdUiOwnerDrawButton::DrawItem(LPDRAWITEMSTRUCT item) {
    if (item == nullptr) return;
    CDC* dc = CDC::FromHandle(item->hDC);
    CRect rect(item->rcItem);
    UINT state = DFCS_BUTTONPUSH | ((item->itemState & ODS_SELECTED) ? DFCS_PUSHED : 0u) |
                 ((item->itemState & ODS_DISABLED) ? DFCS_INACTIVE : 0u);
    dc->DrawFrameControl(&rect, DFC_BUTTON, state);
    if (m_picture.m_hObject != nullptr) {
        CDC memory;
        memory.CreateCompatibleDC(dc);
        CBitmap* old = memory.SelectObject(&m_picture);
        SIZE size = m_picture.GetBitmapDimension();
        dc->BitBlt(static_cast<int>(rect.left + (rect.Width() - size.cx) / 2), static_cast<int>(rect.top + (rect.Height() - size.cy) / 2),
                   static_cast<int>(size.cx), static_cast<int>(size.cy), &memory, 0, 0, SRCCOPY);
        if (old != nullptr) memory.SelectObject(old);
    }
    if (item->itemState & ODS_FOCUS) {
        CRect focus = rect;
        focus.DeflateRect(3, 3);
        dc->DrawFocusRect(&focus);
    }
}

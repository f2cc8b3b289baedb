#include "dialogs/MenuButton.h"

#include "ui/CMenu.h"

namespace vantorell {
namespace {

constexpr int kArrowStrokes = 4;
constexpr int kFocusInset = 3;

// Four vertical strokes of 7, 5, 3 and 1 pixels (the end point of a line is not drawn): a
// small solid triangle pointing right, centred on the item.
void drawArrow(CDC& dc, const CRect& rect) {
    int cx = rect.Width() / 2;
    int cy = rect.Height() / 2;
    for (int i = 0; i < kArrowStrokes; ++i) {
        dc.MoveTo(cx - 2 + i, cy - 3 + i);
        dc.LineTo(cx - 2 + i, cy + 4 - i);
    }
}

}  // namespace

UINT MenuButton::ShowMenu(UINT menuId) {
    CMenu menu;
    if (!menu.LoadMenu(menuId)) return 0;
    CMenu* popup = menu.GetSubMenu(0);
    if (popup == nullptr) return 0;
    CRect rect;
    GetWindowRect(&rect);
    BOOL chosen = popup->TrackPopupMenu(TPM_NONOTIFY | TPM_RETURNCMD, static_cast<int>(rect.left),
                                        static_cast<int>(rect.bottom), this);
    menu.DestroyMenu();
    return chosen > 0 ? static_cast<UINT>(chosen) : 0u;
}

void MenuButton::DrawItem(LPDRAWITEMSTRUCT item) {
    if (item == nullptr) return;
    CDC* dc = CDC::FromHandle(item->hDC);
    if (dc == nullptr) return;
    CRect rect(item->rcItem);
    bool disabled = (item->itemState & ODS_DISABLED) != 0;
    CPen pen(PS_SOLID, 0, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    CPen* previous = dc->SelectObject(&pen);
    dc->DrawFrameControl(&rect, DFC_BUTTON,
                         DFCS_BUTTONPUSH | ((item->itemState & ODS_SELECTED) ? DFCS_PUSHED : 0u));
    drawArrow(*dc, rect);
    if (item->itemState & ODS_FOCUS) {
        CRect focus = rect;
        focus.DeflateRect(kFocusInset, kFocusInset);
        dc->DrawFocusRect(&focus);
    }
    dc->SelectObject(previous);
    pen.DeleteObject();
}

}  // namespace vantorell

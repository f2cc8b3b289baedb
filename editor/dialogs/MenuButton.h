// MenuButton: an owner-drawn push button with a small arrow pointing right that drops a popup
// menu below itself. A dialog attaches it to a template button with the owner-draw style; it
// holds no data of its own and owns the menus it loads only while one is shown.
#pragma once
#include "ui/AfxControls.h"

namespace vantorell {

class MenuButton : public CButton {
public:
    // Shows the first popup of menu resource menuId below the button; the id the user chose,
    // or 0 when the menu was dismissed or cannot be loaded. No WM_COMMAND is sent.
    UINT ShowMenu(UINT menuId);
    // The push-button frame (pushed while pressed), the arrow in the button-text colour (the
    // grey-text colour when disabled) and, with the focus, the focus rectangle.
    void DrawItem(LPDRAWITEMSTRUCT item) override;
};

}  // namespace vantorell

#include "ui/DialogTemplate.h"

#include <cstring>

#include "ui/FontMetrics.h"
#include "ui/Gdi.h"
#include "ui/NativeControls.h"

namespace vthost::ui {

namespace {

LOGFONT templateFont(const VthostDialogResource& dialog) {
    LOGFONT font = defaultDialogFont();
    if (dialog.fontSize != 0 && dialog.fontName != nullptr && dialog.fontName[0] != '\0') {
        font.lfHeight = -static_cast<LONG>((dialog.fontSize * 96 + 36) / 72);
        std::strncpy(font.lfFaceName, dialog.fontName, sizeof font.lfFaceName - 1);
        font.lfFaceName[sizeof font.lfFaceName - 1] = '\0';
    }
    return font;
}

}  // namespace

HWND createDialogWindow(const VthostDialogResource& dialog, HWND owner) {
    LOGFONT font = templateFont(dialog);
    RECT area = dialogUnitsToPixels(font, dialog.x, dialog.y, dialog.cx, dialog.cy);
    POINT origin = owner != nullptr ? screenOrigin(owner) : POINT{0, 0};
    area.left += origin.x, area.right += origin.x, area.top += origin.y, area.bottom += origin.y;
    HWND window = createWindow("#32770", dialog.caption != nullptr ? dialog.caption : "", dialog.style & ~WS_CHILD,
                               dialog.exStyle, area, owner, static_cast<int>(dialog.id));
    auto* native = static_cast<DialogWindow*>(window->native.get());
    native->setFont(font);
    window->font = reinterpret_cast<HFONT>(native->proc(window, WM_GETFONT, 0, 0));
    for (unsigned i = 0; i < dialog.controlCount && dialog.controls != nullptr; ++i) {
        const VthostDialogControl& control = dialog.controls[i];
        RECT rect = dialogUnitsToPixels(font, control.x, control.y, control.cx, control.cy);
        HWND child = createWindow(control.className != nullptr ? control.className : "", control.text != nullptr ? control.text : "",
                                  control.style | WS_CHILD, control.exStyle, rect, window, control.id);
        if (isClass(child, "Button") && (control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            native->proc(window, DM_SETDEFID, static_cast<WPARAM>(control.id), 0);
    }
    return window;
}

}  // namespace vthost::ui

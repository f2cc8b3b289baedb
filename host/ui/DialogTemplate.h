// Builds a dialog's window tree from its template: the dialog window (class "#32770") with the
// template's caption, style and font, owned by the owner window, and one child window per
// control, geometry mapped from dialog units to pixels by the font's metrics. The default push
// button of the template becomes the dialog's default id. Host-internal.
#pragma once
#include "ui/Window.h"
#include "ut/ResourceTable.h"

namespace vthost::ui {

HWND createDialogWindow(const VthostDialogResource& dialog, HWND owner);

}  // namespace vthost::ui

// The macro menu of the style editor: the menu button beside the macro field offers the macro
// builder and preset macros (unit suffixes and scale factors). runMacroMenu is the handler of a
// click on that button; it owns nothing and changes only the macro field.
#pragma once
#include "dialogs/MenuButton.h"

namespace vantorell {

// Shows the macro menu below button and acts on the choice: the macro builder (with dialog as
// its parent, started on the field's text; on OK its macro replaces the field's text) or a
// preset, which replaces the field's whole text. A dismissed menu changes nothing.
void runMacroMenu(MenuButton& button, CWnd& dialog, int macroFieldId);

}  // namespace vantorell

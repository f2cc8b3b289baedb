// The host's deterministic font metrics: a fixed width per character for a font of 11 pixels
// (MS Sans Serif at 8 points), scaled to the font's height, one pixel more per character when
// bold. Dialog units follow from them as on Windows: a horizontal unit is a quarter of the
// average character width, a vertical one an eighth of the character height. Host-internal.
#pragma once
#include <string_view>

#include "ui/WinMessages.h"

namespace vthost::ui {

int fontPixelHeight(const LOGFONT& font);
SIZE textExtent(const LOGFONT& font, std::string_view text);
// The average character width and the character height (6 x 13 for the default dialog font).
SIZE dialogBaseUnits(const LOGFONT& font);
RECT dialogUnitsToPixels(const LOGFONT& font, int x, int y, int cx, int cy);

}  // namespace vthost::ui

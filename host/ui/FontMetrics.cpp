#include "ui/FontMetrics.h"

#include <cstring>

namespace vthost::ui {

namespace {

constexpr int kBaseHeight = 11;

// The width of a character at the base height.
int baseWidth(char c) {
    if (c == ' ') return 3;
    if (std::strchr("iljI.,;:'!|", c) != nullptr) return 2;
    if (std::strchr("ftr()[]{}", c) != nullptr) return 4;
    if (std::strchr("mwMW", c) != nullptr) return 9;
    if (c >= 'A' && c <= 'Z') return 7;
    return 6;
}

int scaled(int value, int height) { return (value * height + kBaseHeight / 2) / kBaseHeight; }

}  // namespace

int fontPixelHeight(const LOGFONT& font) {
    int height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    return height == 0 ? kBaseHeight : height;
}

SIZE textExtent(const LOGFONT& font, std::string_view text) {
    int height = fontPixelHeight(font);
    long width = 0;
    for (char c : text) width += scaled(baseWidth(c), height) + (font.lfWeight >= FW_BOLD ? 1 : 0);
    return SIZE{width, scaled(13, height)};
}

SIZE dialogBaseUnits(const LOGFONT& font) {
    int height = fontPixelHeight(font);
    return SIZE{scaled(6, height), scaled(13, height)};
}

RECT dialogUnitsToPixels(const LOGFONT& font, int x, int y, int cx, int cy) {
    SIZE base = dialogBaseUnits(font);
    auto mapX = [&](int v) { return static_cast<long>(v) * base.cx / 4; };
    auto mapY = [&](int v) { return static_cast<long>(v) * base.cy / 8; };
    return RECT{mapX(x), mapY(y), mapX(x + cx), mapY(y + cy)};
}

}  // namespace vthost::ui

// The colour index (ACI) as red, green and blue: 1..9 are the standard colours, 10..249 24 hues
// in five shades, full and half saturated, 250..255 greys. paperColor is how an index is drawn
// on white paper: 7 (white on a dark screen) becomes black. Indexes that name no colour (0
// BYBLOCK, 256 BYLAYER, anything else) give black.
#pragma once
#include <cstdint>

namespace vthost {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

Rgb aciColor(int index);
Rgb paperColor(int index);

}  // namespace vthost

#include "render/AciColors.h"

#include <array>

namespace vthost {

namespace {

constexpr std::array<Rgb, 10> kStandard = {{{0, 0, 0},
                                            {255, 0, 0},
                                            {255, 255, 0},
                                            {0, 255, 0},
                                            {0, 255, 255},
                                            {0, 0, 255},
                                            {255, 0, 255},
                                            {255, 255, 255},
                                            {128, 128, 128},
                                            {192, 192, 192}}};
// The five shades of each hue, brightest first.
constexpr std::array<double, 5> kShades = {255.0, 165.0, 127.0, 76.0, 38.0};

std::uint8_t channel(double value) { return static_cast<std::uint8_t>(value); }

// Hue in degrees, saturation 0..1, value 0..255; components are cut, not rounded.
Rgb fromHsv(double hue, double saturation, double value) {
    int sector = static_cast<int>(hue / 60.0) % 6;
    double f = hue / 60.0 - static_cast<int>(hue / 60.0);
    double p = value * (1.0 - saturation), q = value * (1.0 - saturation * f),
           t = value * (1.0 - saturation * (1.0 - f));
    switch (sector) {
        case 0: return {channel(value), channel(t), channel(p)};
        case 1: return {channel(q), channel(value), channel(p)};
        case 2: return {channel(p), channel(value), channel(t)};
        case 3: return {channel(p), channel(q), channel(value)};
        case 4: return {channel(t), channel(p), channel(value)};
        default: return {channel(value), channel(p), channel(q)};
    }
}

}  // namespace

Rgb aciColor(int index) {
    if (index >= 1 && index <= 9) return kStandard[static_cast<std::size_t>(index)];
    if (index >= 10 && index <= 249) {
        int hueStep = (index - 10) / 10, shade = (index - 10) % 10;
        return fromHsv(hueStep * 15.0, shade % 2 == 0 ? 1.0 : 0.5, kShades[static_cast<std::size_t>(shade / 2)]);
    }
    if (index >= 250 && index <= 255) {
        std::uint8_t grey = channel(51.0 + (index - 250) * 40.8);
        return {grey, grey, grey};
    }
    return {};
}

Rgb paperColor(int index) { return index == 7 ? Rgb{} : aciColor(index); }

}  // namespace vthost

#include "render/TextMetrics.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cmath>

namespace vthost {

namespace {

// Texts are measured at this em size, large enough that cairo's rounding does not show.
constexpr double kMeasureSize = 100.0;

}  // namespace

void releasePictureFonts() {
    cairo_debug_reset_static_data();
    FcFini();
}

void usePictureFont(cairo_t* cr) {
    cairo_select_font_face(cr, kPictureFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at text[i], or 0 when there is none.
std::size_t sequenceLength(const std::string& text, std::size_t i) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if (!isContinuation(static_cast<unsigned char>(text[i + k]))) return 0;
    unsigned char second = static_cast<unsigned char>(length > 1 ? text[i + 1] : 0);
    if (lead == 0xE0 && second < 0xA0) return 0;  // overlong
    if (lead == 0xED && second > 0x9F) return 0;  // surrogate halves
    if (lead == 0xF0 && second < 0x90) return 0;  // overlong
    if (lead == 0xF4 && second > 0x8F) return 0;  // above U+10FFFF
    return length;
}

bool finite(const AcGePoint2d& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

std::string validUtf8(const std::string& text) {
    std::string valid;
    valid.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = sequenceLength(text, i);
        if (length == 0) {
            valid += '?';
            ++i;
            continue;
        }
        unsigned char byte = static_cast<unsigned char>(text[i]);
        if (length == 1 && (byte < 0x20 || byte == 0x7F)) valid += ' ';  // control characters
        else valid.append(text, i, length);
        i += length;
    }
    return valid;
}

TextMetrics::TextMetrics()
    : m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1)), m_cr(cairo_create(m_surface)) {
    usePictureFont(m_cr);
    cairo_set_font_size(m_cr, kMeasureSize);
    cairo_text_extents_t capital;
    cairo_text_extents(m_cr, "H", &capital);
    cairo_font_extents_t font;
    cairo_font_extents(m_cr, &font);
    if (capital.height > 0.0) {
        m_emPerCap = kMeasureSize / capital.height;
        m_descentPerCap = font.descent / capital.height;
    }
}

TextMetrics::~TextMetrics() {
    cairo_destroy(m_cr);
    cairo_surface_destroy(m_surface);
}

double TextMetrics::advance(const std::string& text) const {
    if (text.empty()) return 0.0;
    cairo_text_extents_t extents;
    cairo_text_extents(m_cr, validUtf8(text).c_str(), &extents);
    return extents.x_advance / kMeasureSize * m_emPerCap;
}

bool TextMetrics::place(const TextRun& run, PlacedText& placed) const {
    double h = run.height;
    if (run.text.empty() || !(h > 0.0) || !std::isfinite(h) || !finite(run.anchor) ||
        !std::isfinite(run.rotation))
        return false;
    placed.text = validUtf8(run.text);
    double natural = advance(placed.text) * h;
    placed.xScale = run.widthFactor > 0.0 && std::isfinite(run.widthFactor) ? run.widthFactor : 1.0;
    if (run.fitWidth > 0.0 && natural > 0.0) placed.xScale = run.fitWidth / natural;
    placed.width = natural * placed.xScale;
    placed.fontSize = h * m_emPerCap;
    placed.capHeight = h;
    placed.descent = h * m_descentPerCap;
    placed.rotation = run.rotation;
    placed.oblique = std::isfinite(run.oblique) ? run.oblique : 0.0;
    double dx = -run.alignX * placed.width;
    double dy = run.anchorY == TextAnchor::kBottom ? placed.descent
                : run.anchorY == TextAnchor::kMiddle ? -h / 2.0
                : run.anchorY == TextAnchor::kTop ? -h : 0.0;
    double c = std::cos(run.rotation), s = std::sin(run.rotation);
    placed.origin = AcGePoint2d(run.anchor.x + dx * c - dy * s, run.anchor.y + dx * s + dy * c);
    return true;
}

std::array<AcGePoint2d, 4> boxOf(const PlacedText& placed) {
    double c = std::cos(placed.rotation), s = std::sin(placed.rotation);
    auto corner = [&](double x, double y) {
        return AcGePoint2d(placed.origin.x + x * c - y * s, placed.origin.y + x * s + y * c);
    };
    return {corner(0.0, -placed.descent), corner(placed.width, -placed.descent),
            corner(placed.width, placed.capHeight), corner(0.0, placed.capHeight)};
}

}  // namespace vthost

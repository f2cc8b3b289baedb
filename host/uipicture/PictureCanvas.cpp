#include "uipicture/PictureCanvas.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "render/SvgTextLayer.h"
#include "render/TextMetrics.h"

namespace vthost::ui {

namespace {

// The 3D colours of the classic scheme beyond those GetSysColor answers.
constexpr COLORREF kDarkShadow = RGB(64, 64, 64);

double red(COLORREF colour) { return GetRValue(colour) / 255.0; }
double green(COLORREF colour) { return GetGValue(colour) / 255.0; }
double blue(COLORREF colour) { return GetBValue(colour) / 255.0; }

}  // namespace

PictureFont pictureFontOf(HFONT font) {
    LOGFONT info = font != nullptr ? fontInfo(font) : defaultDialogFont();
    PictureFont face;
    // DejaVu Sans is wider than the host's dialog font: one pixel less em keeps the texts
    // within the widths the framework's metrics gave the controls.
    int height = info.lfHeight == 0 ? 11 : std::abs(static_cast<int>(info.lfHeight));
    face.em = std::max(1, height - 1);
    face.bold = info.lfWeight >= FW_BOLD;
    return face;
}

std::string withoutMnemonic(const std::string& text, std::size_t& mnemonic) {
    std::string out;
    mnemonic = std::string::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && mnemonic == std::string::npos) mnemonic = out.size();
        }
        out += text[i];
    }
    return out;
}

void PictureCanvas::setColour(COLORREF colour) { cairo_set_source_rgb(m_cr, red(colour), green(colour), blue(colour)); }

void PictureCanvas::fill(const RECT& rect, COLORREF colour) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    setColour(colour);
    cairo_rectangle(m_cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    cairo_fill(m_cr);
}

void PictureCanvas::line(POINT from, POINT to, COLORREF colour, int width) {
    width = std::max(1, width);
    if (from.y == to.y || from.x == to.x) {
        // Straight lines cover whole pixels: from the first up to, not including, the last.
        if (from.y == to.y && from.x != to.x)
            fill(RECT{to.x > from.x ? from.x : to.x + 1, from.y, to.x > from.x ? to.x : from.x + 1, from.y + width}, colour);
        else if (from.y != to.y)
            fill(RECT{from.x, to.y > from.y ? from.y : to.y + 1, from.x + width, to.y > from.y ? to.y : from.y + 1}, colour);
        return;
    }
    setColour(colour);
    cairo_set_line_width(m_cr, width);
    cairo_move_to(m_cr, from.x + 0.5, from.y + 0.5);
    cairo_line_to(m_cr, to.x + 0.5, to.y + 0.5);
    cairo_stroke(m_cr);
}

void PictureCanvas::outline(const RECT& rect, COLORREF colour) {
    fill(RECT{rect.left, rect.top, rect.right, rect.top + 1}, colour);
    fill(RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    fill(RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    fill(RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

namespace {

// One pixel of edge: light on the top and left, dark on the bottom and right.
void edge(PictureCanvas& canvas, const RECT& rect, COLORREF light, COLORREF dark) {
    canvas.fill(RECT{rect.left, rect.top, rect.right - 1, rect.top + 1}, light);
    canvas.fill(RECT{rect.left, rect.top, rect.left + 1, rect.bottom - 1}, light);
    canvas.fill(RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, dark);
    canvas.fill(RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, dark);
}

RECT deflated(const RECT& rect, int by) { return RECT{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by}; }

}  // namespace

void PictureCanvas::raisedEdge(const RECT& rect) {
    edge(*this, rect, GetSysColor(COLOR_BTNHIGHLIGHT), kDarkShadow);
    edge(*this, deflated(rect, 1), GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW));
}

void PictureCanvas::sunkenEdge(const RECT& rect) {
    edge(*this, rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    edge(*this, deflated(rect, 1), kDarkShadow, GetSysColor(COLOR_BTNFACE));
}

void PictureCanvas::focusRect(const RECT& rect) {
    // Every other pixel of the outline, as the dotted pen of the focus draws it.
    for (LONG x = rect.left; x < rect.right; ++x)
        if ((x - rect.left) % 2 == 0) {
            fill(RECT{x, rect.top, x + 1, rect.top + 1}, 0);
            fill(RECT{x, rect.bottom - 1, x + 1, rect.bottom}, 0);
        }
    for (LONG y = rect.top; y < rect.bottom; ++y)
        if ((y - rect.top) % 2 == 0) {
            fill(RECT{rect.left, y, rect.left + 1, y + 1}, 0);
            fill(RECT{rect.right - 1, y, rect.right, y + 1}, 0);
        }
}

void PictureCanvas::text(const std::string& raw, const RECT& rect, UINT format, COLORREF colour, const PictureFont& font) {
    std::size_t mnemonic = std::string::npos;
    std::string shown = validUtf8((format & DT_NOPREFIX) ? raw : withoutMnemonic(raw, mnemonic));
    if (shown.empty() || rect.right <= rect.left || rect.bottom <= rect.top) return;
    cairo_save(m_cr);
    cairo_rectangle(m_cr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    cairo_clip(m_cr);
    usePictureFont(m_cr);
    cairo_select_font_face(m_cr, kPictureFont, CAIRO_FONT_SLANT_NORMAL,
                           font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(m_cr, font.em);
    cairo_font_extents_t line;
    cairo_font_extents(m_cr, &line);
    cairo_text_extents_t extents;
    cairo_text_extents(m_cr, shown.c_str(), &extents);
    // The framework measures texts with its own fixed widths; a glyph run that comes out wider
    // than the box it was fitted to is condensed a little rather than cut off.
    double available = rect.right - rect.left;
    double squeeze = extents.x_advance > available ? std::max(0.75, available / extents.x_advance) : 1.0;
    double width = extents.x_advance * squeeze;
    double x = rect.left;
    if (format & DT_CENTER) x = rect.left + (rect.right - rect.left - width) / 2.0;
    else if (format & DT_RIGHT) x = rect.right - width;
    double height = line.ascent + line.descent;
    double baseline = rect.top + line.ascent;
    if ((format & DT_VCENTER) && (format & DT_SINGLELINE)) baseline = rect.top + (rect.bottom - rect.top - height) / 2.0 + line.ascent;
    x = std::round(x);
    baseline = std::round(baseline);
    setColour(colour);
    cairo_save(m_cr);
    cairo_translate(m_cr, x, baseline);
    cairo_scale(m_cr, squeeze, 1.0);
    cairo_move_to(m_cr, 0, 0);
    cairo_show_text(m_cr, shown.c_str());
    cairo_restore(m_cr);
    if (mnemonic < shown.size()) {
        cairo_text_extents_t before, letter;
        cairo_text_extents(m_cr, shown.substr(0, mnemonic).c_str(), &before);
        cairo_text_extents(m_cr, shown.substr(mnemonic, 1).c_str(), &letter);
        cairo_rectangle(m_cr, std::round(x + before.x_advance * squeeze), baseline + 1,
                        std::max(1.0, std::round(letter.x_advance * squeeze)), 1);
        cairo_fill(m_cr);
    }
    cairo_restore(m_cr);
    if (m_textLayer != nullptr) m_textLayer->add(shown, AcGePoint2d(x, baseline), font.em, 0.0, 1.0);
}

void PictureCanvas::bitmap(const BitmapInfo& bitmap, int left, int top, int x, int y, int width, int height, bool masked,
                           COLORREF mask) {
    width = std::min(width, bitmap.width - x);
    height = std::min(height, bitmap.height - y);
    if (x < 0 || y < 0 || width <= 0 || height <= 0) return;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return;
    }
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    int stride = cairo_image_surface_get_stride(image);
    for (int row = 0; row < height; ++row) {
        auto* out = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(row) * stride);
        for (int column = 0; column < width; ++column) {
            COLORREF colour = bitmap.pixels[static_cast<std::size_t>(y + row) * static_cast<std::size_t>(bitmap.width) +
                                            static_cast<std::size_t>(x + column)];
            out[column] = masked && colour == mask ? 0u
                                                   : 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
                                                         (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
        }
    }
    cairo_surface_mark_dirty(image);
    cairo_set_source_surface(m_cr, image, left, top);
    cairo_pattern_set_filter(cairo_get_source(m_cr), CAIRO_FILTER_NEAREST);
    cairo_paint(m_cr);
    cairo_surface_destroy(image);
}

void PictureCanvas::downArrow(int cx, int top, int width, COLORREF colour) {
    for (int row = 0; width - 2 * row > 0; ++row)
        fill(RECT{cx - width / 2 + row, top + row, cx - width / 2 + width - row, top + row + 1}, colour);
}

}  // namespace vthost::ui

// The pixel-exact drawing surface of a dialog's picture: cairo underneath (an image surface for
// PNG and pixels, an SVG surface for SVG), with the primitives the classic controls are made of —
// filled rectangles, one-pixel lines whose end point is not drawn, raised and sunken 3D edges,
// dotted focus rectangles, texts in a rectangle with DrawText's alignment and '&' mnemonics, and
// bitmaps. Coordinates are picture pixels. Borrows the cairo context; on an SVG picture every
// text also goes into the text layer, so that the SVG holds the dialog's texts as text.
#pragma once
#include <string>

#include "ui/Gdi.h"

typedef struct _cairo cairo_t;

namespace vthost {
class SvgTextLayer;
}

namespace vthost::ui {

// A text's face: the em size in pixels and its weight.
struct PictureFont {
    double em = 10.0;
    bool bold = false;
};
// The face a window's font (or the default dialog font, for null) is drawn with.
PictureFont pictureFontOf(HFONT font);

class PictureCanvas {
public:
    PictureCanvas(cairo_t* cr, SvgTextLayer* textLayer) : m_cr(cr), m_textLayer(textLayer) {}

    void fill(const RECT& rect, COLORREF colour);
    // A line from one pixel to another, the end pixel not drawn (as LineTo does).
    void line(POINT from, POINT to, COLORREF colour, int width = 1);
    // A one-pixel outline just inside rect.
    void outline(const RECT& rect, COLORREF colour);
    // Two-pixel 3D edges: a raised button edge, or the sunken edge of a field.
    void raisedEdge(const RECT& rect);
    void sunkenEdge(const RECT& rect);
    // The dotted rectangle of the focus, just inside rect.
    void focusRect(const RECT& rect);
    // DrawText's placement of text in rect (format: DT_LEFT/CENTER/RIGHT, DT_VCENTER with
    // DT_SINGLELINE, DT_NOPREFIX), clipped to rect; a mnemonic's letter is underlined.
    void text(const std::string& text, const RECT& rect, UINT format, COLORREF colour, const PictureFont& font);
    // A rectangle of a bitmap (x, y from its top-left, width by height) at a point; pixels in the mask
    // colour stay transparent when masked is true.
    void bitmap(const BitmapInfo& bitmap, int left, int top, int x, int y, int width, int height, bool masked,
                COLORREF mask);
    // A small filled triangle pointing down, centred on (cx, top), widest row width pixels.
    void downArrow(int cx, int top, int width, COLORREF colour);

private:
    void setColour(COLORREF colour);
    cairo_t* m_cr;
    SvgTextLayer* m_textLayer;
};

// The text with '&' mnemonics taken out ("&&" stays one '&'); mnemonic is the index in the
// result of the letter to underline, or npos.
std::string withoutMnemonic(const std::string& text, std::size_t& mnemonic);

}  // namespace vthost::ui

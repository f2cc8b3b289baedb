// How a line of text sits in the sheet: DejaVu Sans measured through cairo's toy font API (metrics
// not hinted, so that every surface measures alike), the drawing's text height taken as the height
// of a capital letter. Owns a scratch cairo context for measuring; one per picture.
#pragma once
#include <array>
#include <string>

#include "render/Canvas.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace vthost {

constexpr const char* kPictureFont = "DejaVu Sans";

// A text run placed: its baseline starts at origin; fontSize is the em size in sheet units and
// xScale stretches along the baseline; width and capHeight are in sheet units.
struct PlacedText {
    std::string text;  // valid UTF-8
    AcGePoint2d origin;
    double fontSize = 0.0;
    double rotation = 0.0;
    double xScale = 1.0;
    double oblique = 0.0;
    double width = 0.0;
    double capHeight = 0.0;
    double descent = 0.0;
};

class TextMetrics {
public:
    TextMetrics();
    ~TextMetrics();
    TextMetrics(const TextMetrics&) = delete;
    TextMetrics& operator=(const TextMetrics&) = delete;

    // The advance width of text set with capital letters 1 unit high.
    double advance(const std::string& text) const;
    // The em size that gives capital letters 1 unit high.
    double emPerCapHeight() const { return m_emPerCap; }
    // False for runs that cannot be drawn (no text, a height that is not a positive number).
    bool place(const TextRun& run, PlacedText& placed) const;

private:
    cairo_surface_t* m_surface;
    cairo_t* m_cr;
    double m_emPerCap = 1.0;
    double m_descentPerCap = 0.25;
};

// Frees what cairo and fontconfig keep for the whole process (font caches, the font
// configuration), so that nothing of theirs is left when the host stops; stopHost calls it when
// no picture is being made. The next picture loads them again.
void releasePictureFonts();
// Selects the picture font, unhinted, on a cairo context.
void usePictureFont(cairo_t* cr);
// The corners of the placed text's box, from the descent below the baseline to the cap height.
std::array<AcGePoint2d, 4> boxOf(const PlacedText& placed);
// The text with every byte outside well-formed UTF-8 replaced by '?' and every control
// character by a space.
std::string validUtf8(const std::string& text);

}  // namespace vthost

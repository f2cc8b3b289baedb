// The surface the renderer paints a space on, in sheet coordinates (model or paper units, y up):
// strokes, filled polygons, single lines of text and a rectangular clip. ExtentsCanvas only
// measures what would be drawn; CairoCanvas draws it.
#pragma once
#include <string>
#include <vector>

#include "ge/AcGePoint2d.h"
#include "render/AciColors.h"

namespace vthost {

using Outline = std::vector<AcGePoint2d>;

// Which height of the text sits on its anchor point.
enum class TextAnchor { kBaseline, kBottom, kMiddle, kTop };

// One line of text as the drawing places it: height is that of a capital letter, rotation in
// radians, alignX the share of the text's width left of the anchor (0 left, 0.5 centre, 1 right).
// fitWidth above 0 stretches the text along its direction to that length.
struct TextRun {
    std::string text;
    AcGePoint2d anchor;
    double height = 1.0;
    double rotation = 0.0;
    double widthFactor = 1.0;
    double oblique = 0.0;
    double alignX = 0.0;
    TextAnchor anchorY = TextAnchor::kBaseline;
    double fitWidth = 0.0;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void stroke(const Outline& points, bool closed, Rgb color) = 0;
    virtual void fill(const Outline& polygon, Rgb color) = 0;
    virtual void text(const TextRun& run, Rgb color) = 0;
    // What follows is limited to the rectangle (replacing an earlier clip) until unclip.
    virtual void clip(const AcGePoint2d& min, const AcGePoint2d& max) = 0;
    virtual void unclip() = 0;
};

}  // namespace vthost

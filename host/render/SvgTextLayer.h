// The texts of an SVG picture as text. cairo draws an SVG picture's texts as glyph outlines,
// which show right everywhere but cannot be searched, selected or read by a screen reader; the
// layer keeps every text drawn and puts it into the finished SVG as an invisible <text> element
// over its glyphs, in the same place, size and direction.
#pragma once
#include <string>

#include "ge/AcGePoint2d.h"

namespace vthost {

class SvgTextLayer {
public:
    // origin is the baseline's start on the device; rotation in radians counter-clockwise as
    // seen on the sheet; xScale stretches along the baseline.
    void add(const std::string& text, const AcGePoint2d& origin, double fontSize, double rotation,
             double xScale);
    // The SVG document with the layer put before its closing tag (unchanged when it has none).
    std::string insertInto(const std::string& svg) const;

private:
    std::string m_elements;
};

// text with &, <, >, " and ' written as XML entities.
std::string xmlEscaped(const std::string& text);

}  // namespace vthost

#include "render/SvgTextLayer.h"

#include <cstdio>

namespace vthost {

namespace {
constexpr double kDegreesPerRadian = 57.29577951308232;
}

std::string xmlEscaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            case '\'': escaped += "&apos;"; break;
            default: escaped += c;
        }
    }
    return escaped;
}

void SvgTextLayer::add(const std::string& text, const AcGePoint2d& origin, double fontSize, double rotation,
                       double xScale) {
    char placement[256];
    std::snprintf(placement, sizeof placement,
                  "<text x=\"0\" y=\"0\" font-size=\"%.4g\" transform=\"translate(%.3f %.3f) rotate(%.4g) "
                  "scale(%.4g 1)\">",
                  fontSize, origin.x, origin.y, -rotation * kDegreesPerRadian, xScale);
    m_elements += placement + xmlEscaped(text) + "</text>\n";
}

std::string SvgTextLayer::insertInto(const std::string& svg) const {
    std::string::size_type end = svg.rfind("</svg>");
    if (end == std::string::npos || m_elements.empty()) return svg;
    std::string layer = "<g fill-opacity=\"0\" font-family=\"DejaVu Sans\" xml:space=\"preserve\">\n" +
                        m_elements + "</g>\n";
    return svg.substr(0, end) + layer + svg.substr(end);
}

}  // namespace vthost

// What a picture of a drawing shows and how big it is: model space or the layout, the whole space
// or only some of its entities, the size (pixels for PNG and for pictures in memory, points for
// PDF and SVG), the picture format, the width of lines and the colours of layers.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "db/AcDbObjectId.h"

namespace vthost {

// Model space, or the layout: paper space with each viewport that is on showing model space.
enum class RenderSpace { kModel, kLayout };

// kFromName takes the format from the file name's extension (.png, .svg, .pdf, any case).
enum class PictureFormat { kFromName, kPng, kSvg, kPdf };

struct RenderOptions {
    RenderSpace space = RenderSpace::kModel;
    int width = 1024;
    int height = 768;
    PictureFormat format = PictureFormat::kFromName;
    // When not empty, only these entities are drawn (and fitted into the picture); a viewport
    // among them still shows model space.
    std::vector<AcDbObjectId> only;
    // Colour index (1..255) of each layer, for entities coloured BYLAYER. The drawing keeps no
    // layer table, so a layer not named here has colour 7 (drawn black on the white paper).
    std::map<std::string, int> layerColors;
    // Lines are drawn this many pixels (points) wide.
    double lineWidth = 1.5;
};

// Pictures are 1..kMaxPictureSide on each side.
constexpr int kMaxPictureSide = 16384;

}  // namespace vthost

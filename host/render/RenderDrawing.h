// Pictures of a drawing: the database is only read (each entity opened for read, one at a time;
// one that cannot be opened is left out). The extents of everything drawn are fitted into the
// picture with a margin, on white paper; colour 7 is drawn black. An empty space gives a white
// picture.
//
// Answers: eOk; eInvalidInput for a size outside 1..kMaxPictureSide, a null or empty file name,
// or a format the name does not give; eFilerError when the file cannot be written (nothing is
// left behind); eNotApplicable when cairo cannot make the picture (out of memory).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ge/AcGePoint2d.h"
#include "render/RenderOptions.h"
#include "rx/AcadErrorStatus.h"

class AcDbDatabase;

namespace vthost {

// A picture in memory: pixels row by row from the top, each 0xRRGGBB, and where a point of the
// space (model or paper units) lands in it.
struct RenderedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    double scale = 1.0;              // pixels per drawing unit
    double originX = 0.0, originY = 0.0;  // the pixel position of the point (0,0)

    std::uint32_t at(int x, int y) const;  // white outside the picture
    AcGePoint2d pixelOf(double x, double y) const;
};

// The format a file name's extension gives; kFromName when it gives none.
PictureFormat formatOfName(const std::string& path);

// Writes the picture to path in options.format (or the one its name gives).
Acad::ErrorStatus renderDrawing(const AcDbDatabase& db, const RenderOptions& options, const char* path);
// The picture file's bytes, in format (not kFromName).
Acad::ErrorStatus renderPicture(const AcDbDatabase& db, const RenderOptions& options,
                                PictureFormat format, std::string& bytes);
// The picture as pixels (options.format is not used).
Acad::ErrorStatus renderImage(const AcDbDatabase& db, const RenderOptions& options, RenderedImage& image);

}  // namespace vthost

#include "render/RenderDrawing.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "render/CairoCanvas.h"
#include "render/ExtentsCanvas.h"
#include "render/SpacePainter.h"
#include "render/SvgTextLayer.h"
#include "render/TextMetrics.h"

namespace vthost {

namespace {

// The drawing keeps this fraction of each side of the picture free.
constexpr double kMargin = 0.05;

bool validSize(const RenderOptions& options) {
    return options.width >= 1 && options.width <= kMaxPictureSide && options.height >= 1 &&
           options.height <= kMaxPictureSide;
}

// Paints the picture onto the surface: white paper, then the space fitted into it. The view
// used is handed back; false when cairo failed.
bool paintPicture(cairo_surface_t* surface, const AcDbDatabase& db, const RenderOptions& options,
                  SvgTextLayer* textLayer, SheetView& view) {
    TextMetrics metrics;
    SpacePainter painter(db, metrics, options);
    ExtentsCanvas extents(metrics);
    painter.paint(extents);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_paint(cr);
    if (!extents.empty()) {
        view = SheetView::fitting(extents.min(), extents.max(), options.width, options.height, kMargin);
        CairoCanvas canvas(cr, view, metrics, options.lineWidth, textLayer);
        painter.paint(canvas);
    }
    bool ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    return ok;
}

cairo_status_t appendTo(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// The surface for a vector format, writing into bytes as it finishes.
cairo_surface_t* vectorSurface(PictureFormat format, const RenderOptions& options, std::string& bytes) {
    if (format == PictureFormat::kSvg)
        return cairo_svg_surface_create_for_stream(appendTo, &bytes, options.width, options.height);
    return cairo_pdf_surface_create_for_stream(appendTo, &bytes, options.width, options.height);
}

Acad::ErrorStatus renderVector(const AcDbDatabase& db, const RenderOptions& options, PictureFormat format,
                               std::string& bytes) {
    std::string written;
    SvgTextLayer textLayer;
    SheetView view;
    cairo_surface_t* surface = vectorSurface(format, options, written);
    bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS &&
              paintPicture(surface, db, options, format == PictureFormat::kSvg ? &textLayer : nullptr, view);
    cairo_surface_finish(surface);
    ok = ok && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!ok) return Acad::eNotApplicable;
    bytes = format == PictureFormat::kSvg ? textLayer.insertInto(written) : written;
    return Acad::eOk;
}

// An image surface of the options' size with the picture painted on it; null when cairo failed.
cairo_surface_t* paintedImage(const AcDbDatabase& db, const RenderOptions& options, SheetView& view) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, options.width, options.height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS || !paintPicture(surface, db, options, nullptr, view)) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_surface_flush(surface);
    return surface;
}

bool writeFile(const char* path, const std::string& bytes) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fclose(file) == 0 && written;
    if (!written) std::remove(path);
    return written;
}

}  // namespace

std::uint32_t RenderedImage::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0xFFFFFF;
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
}

AcGePoint2d RenderedImage::pixelOf(double x, double y) const { return {originX + x * scale, originY - y * scale}; }

PictureFormat formatOfName(const std::string& path) {
    std::string::size_type dot = path.rfind('.'), slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return PictureFormat::kFromName;
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "png") return PictureFormat::kPng;
    if (extension == "svg") return PictureFormat::kSvg;
    if (extension == "pdf") return PictureFormat::kPdf;
    return PictureFormat::kFromName;
}

Acad::ErrorStatus renderPicture(const AcDbDatabase& db, const RenderOptions& options, PictureFormat format,
                                std::string& bytes) {
    if (!validSize(options) || format == PictureFormat::kFromName) return Acad::eInvalidInput;
    if (format != PictureFormat::kPng) return renderVector(db, options, format, bytes);
    SheetView view;
    cairo_surface_t* surface = paintedImage(db, options, view);
    if (surface == nullptr) return Acad::eNotApplicable;
    std::string written;
    bool ok = cairo_surface_write_to_png_stream(surface, appendTo, &written) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!ok) return Acad::eNotApplicable;
    bytes = std::move(written);
    return Acad::eOk;
}

Acad::ErrorStatus renderImage(const AcDbDatabase& db, const RenderOptions& options, RenderedImage& image) {
    if (!validSize(options)) return Acad::eInvalidInput;
    SheetView view;
    cairo_surface_t* surface = paintedImage(db, options, view);
    if (surface == nullptr) return Acad::eNotApplicable;
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    image.width = options.width;
    image.height = options.height;
    image.pixels.assign(static_cast<std::size_t>(options.width) * static_cast<std::size_t>(options.height), 0);
    for (int y = 0; y < options.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < options.width; ++x)
            image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(options.width) + static_cast<std::size_t>(x)] =
                row[x] & 0xFFFFFF;
    }
    image.scale = view.scale;
    image.originX = view.offsetX;
    image.originY = view.offsetY;
    cairo_surface_destroy(surface);
    return Acad::eOk;
}

Acad::ErrorStatus renderDrawing(const AcDbDatabase& db, const RenderOptions& options, const char* path) {
    if (path == nullptr || *path == '\0') return Acad::eInvalidInput;
    PictureFormat format = options.format == PictureFormat::kFromName ? formatOfName(path) : options.format;
    std::string bytes;
    Acad::ErrorStatus status = renderPicture(db, options, format, bytes);
    if (status != Acad::eOk) return status;
    return writeFile(path, bytes) ? Acad::eOk : Acad::eFilerError;
}

}  // namespace vthost

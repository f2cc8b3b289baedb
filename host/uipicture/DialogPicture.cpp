#include "uipicture/DialogPicture.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "render/SvgTextLayer.h"
#include "ui/DialogDriver.h"
#include "ui/Window.h"
#include "uipicture/ControlPainter.h"
#include "uipicture/PictureCanvas.h"

namespace vthost::ui {

namespace {

constexpr COLORREF kCaptionColour = RGB(10, 36, 106);
constexpr int kCloseBoxSize = 14;

int clientWidth(HWND dialog) { return static_cast<int>(dialog->rect.right - dialog->rect.left); }
int clientHeight(HWND dialog) { return static_cast<int>(dialog->rect.bottom - dialog->rect.top); }
int pictureWidth(HWND dialog) { return clientWidth(dialog) + 2 * kPictureBorder; }
int pictureHeight(HWND dialog) { return clientHeight(dialog) + 2 * kPictureBorder + kPictureCaptionHeight; }

// The caption's close box: a raised button with a cross.
void paintCloseBox(PictureCanvas& canvas, int right, int top) {
    RECT box{right - kCloseBoxSize - 2, top + 2, right - 2, top + 2 + kCloseBoxSize - 2};
    canvas.fill(box, GetSysColor(COLOR_BTNFACE));
    canvas.raisedEdge(box);
    for (int i = 0; i < 6; ++i) {
        LONG x = box.left + 4 + i, y = box.top + 3 + i;
        canvas.fill(RECT{x, y, x + 2, y + 1}, 0);
        canvas.fill(RECT{box.right - 6 - i, y, box.right - 4 - i, y + 1}, 0);
    }
}

void paintFrame(PictureCanvas& canvas, HWND dialog) {
    RECT whole{0, 0, pictureWidth(dialog), pictureHeight(dialog)};
    canvas.fill(whole, GetSysColor(COLOR_BTNFACE));
    canvas.raisedEdge(whole);
    RECT caption{kPictureBorder, kPictureBorder, whole.right - kPictureBorder, kPictureBorder + kPictureCaptionHeight - 1};
    canvas.fill(caption, kCaptionColour);
    PictureFont bold = pictureFontOf(nullptr);
    bold.bold = true;
    canvas.text(dialog->text, RECT{caption.left + 3, caption.top, caption.right - kCloseBoxSize - 4, caption.bottom},
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, GetSysColor(COLOR_HIGHLIGHTTEXT), bold);
    if (dialog->style & WS_SYSMENU) paintCloseBox(canvas, static_cast<int>(caption.right), static_cast<int>(caption.top));
}

void paintWindows(PictureCanvas& canvas, HWND dialog, HWND parent) {
    for (const auto& child : parent->children) {
        HWND window = child.get();
        if (!(window->style & WS_VISIBLE)) continue;
        paintControlPicture(canvas, window, pictureOrigin(dialog, window));
        paintWindows(canvas, dialog, window);
    }
}

bool paintDialogPicture(cairo_surface_t* surface, HWND dialog, SvgTextLayer* textLayer) {
    cairo_t* cr = cairo_create(surface);
    PictureCanvas canvas(cr, textLayer);
    paintFrame(canvas, dialog);
    paintWindows(canvas, dialog, dialog);
    bool ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    return ok;
}

cairo_status_t appendTo(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// An image surface with the dialog painted on it; null when cairo failed.
cairo_surface_t* paintedImage(HWND dialog) {
    paintDialog(dialog);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, pictureWidth(dialog), pictureHeight(dialog));
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS || !paintDialogPicture(surface, dialog, nullptr)) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_surface_flush(surface);
    return surface;
}

bool renderSvg(HWND dialog, std::string& bytes) {
    paintDialog(dialog);
    std::string written;
    SvgTextLayer textLayer;
    cairo_surface_t* surface = cairo_svg_surface_create_for_stream(appendTo, &written, pictureWidth(dialog), pictureHeight(dialog));
    bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS && paintDialogPicture(surface, dialog, &textLayer);
    cairo_surface_finish(surface);
    ok = ok && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (ok) bytes = textLayer.insertInto(written);
    return ok;
}

bool writeFile(const std::string& path, const std::string& bytes, std::string& why) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        why = "cannot write \"" + path + "\": " + std::strerror(errno);
        return false;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fclose(file) == 0 && written;
    if (!written) {
        why = "could not finish \"" + path + "\"";
        std::remove(path.c_str());
    }
    return written;
}

}  // namespace

std::uint32_t DialogImage::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0xFFFFFF;
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
}

POINT pictureOrigin(HWND dialog, HWND window) {
    POINT origin{kPictureBorder, kPictureBorder + kPictureCaptionHeight};
    for (HWND at = window; at != nullptr && at != dialog; at = at->parent) {
        origin.x += at->rect.left;
        origin.y += at->rect.top;
    }
    return origin;
}

bool drawDialogImage(HWND dialog, DialogImage& image) {
    if (!isWindow(dialog)) return false;
    cairo_surface_t* surface = paintedImage(dialog);
    if (surface == nullptr) return false;
    image.width = cairo_image_surface_get_width(surface);
    image.height = cairo_image_surface_get_height(surface);
    image.pixels.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height), 0);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < image.width; ++x)
            image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x)] = row[x] & 0xFFFFFFu;
    }
    cairo_surface_destroy(surface);
    return true;
}

bool renderDialogPicture(HWND dialog, DialogPictureFormat format, std::string& bytes) {
    if (!isWindow(dialog)) return false;
    if (format == DialogPictureFormat::kSvg) return renderSvg(dialog, bytes);
    cairo_surface_t* surface = paintedImage(dialog);
    if (surface == nullptr) return false;
    std::string written;
    bool ok = cairo_surface_write_to_png_stream(surface, appendTo, &written) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (ok) bytes = std::move(written);
    return ok;
}

bool pictureFormatOfName(const std::string& path, DialogPictureFormat& format) {
    std::string::size_type dot = path.rfind('.'), slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (extension == "png") format = DialogPictureFormat::kPng;
    else if (extension == "svg") format = DialogPictureFormat::kSvg;
    else return false;
    return true;
}

bool writeDialogPicture(HWND dialog, const std::string& path, std::string& why) {
    DialogPictureFormat format = DialogPictureFormat::kPng;
    if (!pictureFormatOfName(path, format)) {
        why = "a dialog's picture is a .png or .svg file";
        return false;
    }
    std::string bytes;
    if (!renderDialogPicture(dialog, format, bytes)) {
        why = "the dialog could not be drawn";
        return false;
    }
    return writeFile(path, bytes, why);
}

}  // namespace vthost::ui

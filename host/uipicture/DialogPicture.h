// Pictures of an open dialog: its window tree as the framework paints it — the frame and the
// caption around the client area, then every visible control in its own rectangle (dialog units
// made pixels by the framework's metrics), drawn from what its painting recorded and what the
// control keeps — to a PNG or SVG file, into PNG or SVG bytes, or into pixels for tests. The
// dialog is painted first, as showing it would. Through cairo; the caller keeps the dialog.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ui/WinDef.h"

namespace vthost::ui {

// The frame around the client area: its border and the caption bar below the top border.
constexpr int kPictureBorder = 3;
constexpr int kPictureCaptionHeight = 18;

enum class DialogPictureFormat { kPng, kSvg };

// A dialog's picture in memory: 0xRRGGBB per pixel, top row first.
struct DialogImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    // The pixel's colour; white outside the picture.
    std::uint32_t at(int x, int y) const;
};

// Where a window's top-left corner (a control of the dialog, or the dialog's client area for
// the dialog itself) falls in the dialog's picture.
POINT pictureOrigin(HWND dialog, HWND window);

// False when dialog is no window or cairo failed.
bool drawDialogImage(HWND dialog, DialogImage& image);
bool renderDialogPicture(HWND dialog, DialogPictureFormat format, std::string& bytes);
// The format a file name asks for by its extension (.png, .svg, any case); false for others.
bool pictureFormatOfName(const std::string& path, DialogPictureFormat& format);
// Writes the picture to path in the format its extension names; false with why when the name
// is no picture's, or the file cannot be written (a file that could not be finished is removed).
bool writeDialogPicture(HWND dialog, const std::string& path, std::string& why);

}  // namespace vthost::ui

// GDI objects of the framework: pens, brushes, fonts and bitmaps (CGdiObject and its kinds), the
// stock objects and the system colours. Headless: an object is its description (a pen's style,
// width and colour; a font's LOGFONT; a bitmap's size and pixels), which the recording device
// context (ui/CDC.h) copies into what it records. A CGdiObject that created its object deletes it.
#pragma once
#include <string>
#include <vector>

#include "ui/WinMessages.h"

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }  // NOLINT: implicit as in the framework
    BOOL DeleteObject();
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    // The object's CGdiObject: its own, else a temporary one the object owns.
    static CGdiObject* FromHandle(HGDIOBJ object);

protected:
    BOOL adopt(HGDIOBJ created);
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }
    BOOL CreatePen(int style, int width, COLORREF colour);
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    BOOL CreateSolidBrush(COLORREF colour);
};

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONT* font);
    // Size in tenths of a point, as the framework's CreatePointFont.
    BOOL CreatePointFont(int pointSizeTenths, LPCTSTR faceName);
    int GetLogFont(LOGFONT* font) const;
    static CFont* FromHandle(HFONT font) { return static_cast<CFont*>(CGdiObject::FromHandle(font)); }
};

class CBitmap : public CGdiObject {
public:
    // The bitmap id from the current resource handle or the resource chain; FALSE when no
    // module holds it or its bytes are not a bitmap the host reads.
    BOOL LoadBitmap(UINT id);
    SIZE GetBitmapDimension() const;
};

HGDIOBJ GetStockObject(int object);
COLORREF GetSysColor(int index);
BOOL DeleteObject(HGDIOBJ object);

namespace vthost::ui {
enum class GdiKind { kPen, kBrush, kFont, kBitmap };
// What a GDI object is; the device context copies these into its records.
struct PenInfo {
    int style = PS_SOLID;
    int width = 0;
    COLORREF colour = 0;
};
struct BitmapInfo {
    int width = 0;
    int height = 0;
    UINT resourceId = 0;
    std::vector<COLORREF> pixels;  // top row first
};
GdiKind gdiKind(HGDIOBJ object);
PenInfo penInfo(HGDIOBJ pen);
COLORREF brushColour(HGDIOBJ brush);
bool isNullBrush(HGDIOBJ brush);
LOGFONT fontInfo(HGDIOBJ font);
const BitmapInfo* bitmapInfo(HGDIOBJ bitmap);
// A font object the caller owns (the dialog's template font).
HFONT createFont(const LOGFONT& font);
// The default dialog font: MS Sans Serif, 8 points.
LOGFONT defaultDialogFont();
// Decodes a .bmp file's bytes (1, 4, 8, 24 or 32 bits); false when it is not one.
bool decodeBitmap(const unsigned char* bytes, std::size_t size, BitmapInfo& bitmap);
}  // namespace vthost::ui

#include "ui/Gdi.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

#include "ut/ResourceScript.h"
#include "ut/Resources.h"

using vthost::ui::BitmapInfo;
using vthost::ui::GdiKind;
using vthost::ui::PenInfo;

// A GDI object: its kind and description; the CGdiObject that owns it, and the temporary one
// FromHandle made for it.
struct HGDIOBJ__ {
    GdiKind kind = GdiKind::kPen;
    PenInfo pen;
    COLORREF brush = 0;
    bool nullBrush = false;
    LOGFONT font{};
    BitmapInfo bitmap;
    bool stock = false;
    CGdiObject* permanent = nullptr;
    std::unique_ptr<CGdiObject> temporary;
};

namespace vthost::ui {

namespace {

HGDIOBJ newObject(GdiKind kind) {
    auto* object = new HGDIOBJ__;
    object->kind = kind;
    return object;
}

std::uint32_t little(const unsigned char* bytes, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[i];
    return value;
}

}  // namespace

GdiKind gdiKind(HGDIOBJ object) { return object != nullptr ? object->kind : GdiKind::kPen; }
PenInfo penInfo(HGDIOBJ pen) { return pen != nullptr && pen->kind == GdiKind::kPen ? pen->pen : PenInfo{}; }
COLORREF brushColour(HGDIOBJ brush) { return brush != nullptr ? brush->brush : 0; }
bool isNullBrush(HGDIOBJ brush) { return brush == nullptr || brush->nullBrush; }
LOGFONT fontInfo(HGDIOBJ font) {
    return font != nullptr && font->kind == GdiKind::kFont ? font->font : defaultDialogFont();
}
const BitmapInfo* bitmapInfo(HGDIOBJ bitmap) {
    return bitmap != nullptr && bitmap->kind == GdiKind::kBitmap ? &bitmap->bitmap : nullptr;
}

HFONT createFont(const LOGFONT& font) {
    HGDIOBJ object = newObject(GdiKind::kFont);
    object->font = font;
    return object;
}

LOGFONT defaultDialogFont() {
    LOGFONT font{};
    font.lfHeight = -11;
    font.lfWeight = FW_NORMAL;
    std::strcpy(font.lfFaceName, "MS Sans Serif");
    return font;
}

bool decodeBitmap(const unsigned char* bytes, std::size_t size, BitmapInfo& bitmap) {
    int width = 0, height = 0;
    if (bytes == nullptr ||
        !vthost::readBitmapSize(std::string_view(reinterpret_cast<const char*>(bytes), size), width, height))
        return false;
    std::uint32_t pixelsAt = little(bytes + 10, 4), infoSize = little(bytes + 14, 4);
    bool bottomUp = static_cast<std::int32_t>(little(bytes + 22, 4)) > 0;
    unsigned bits = little(bytes + 28, 2);
    std::uint32_t paletteCount = bits <= 8 ? little(bytes + 46, 4) : 0;
    if (bits <= 8 && (paletteCount == 0 || paletteCount > (1u << bits))) paletteCount = 1u << bits;
    std::size_t paletteAt = 14 + infoSize;
    if (bits <= 8 && paletteAt + paletteCount * 4 > pixelsAt) return false;
    std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    for (int row = 0; row < height; ++row) {
        const unsigned char* line = bytes + pixelsAt + stride * static_cast<std::size_t>(bottomUp ? height - 1 - row : row);
        for (int x = 0; x < width; ++x) {
            COLORREF colour = 0;
            if (bits >= 24) {
                const unsigned char* p = line + static_cast<std::size_t>(x) * (bits / 8);
                colour = RGB(p[2], p[1], p[0]);
            } else {
                std::size_t bit = static_cast<std::size_t>(x) * bits;
                unsigned index = (line[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                if (index >= paletteCount) index = 0;
                const unsigned char* entry = bytes + paletteAt + index * 4;
                colour = RGB(entry[2], entry[1], entry[0]);
            }
            bitmap.pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = colour;
        }
    }
    return true;
}

}  // namespace vthost::ui

CGdiObject::~CGdiObject() { DeleteObject(); }

BOOL CGdiObject::adopt(HGDIOBJ created) {
    DeleteObject();
    m_hObject = created;
    created->permanent = this;
    return TRUE;
}

BOOL CGdiObject::DeleteObject() {
    if (m_hObject == nullptr) return FALSE;
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    if (object->permanent != this) return TRUE;  // a temporary: the object is not its to delete
    object->permanent = nullptr;
    if (!object->stock) delete object;
    return TRUE;
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
    if (object == nullptr || m_hObject != nullptr || object->permanent != nullptr) return FALSE;
    m_hObject = object;
    object->permanent = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ object = m_hObject;
    if (object != nullptr && object->permanent == this) object->permanent = nullptr;
    m_hObject = nullptr;
    return object;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object) {
    if (object == nullptr) return nullptr;
    if (object->permanent != nullptr) return object->permanent;
    if (!object->temporary) {
        switch (object->kind) {
            case GdiKind::kPen: object->temporary = std::make_unique<CPen>(); break;
            case GdiKind::kBrush: object->temporary = std::make_unique<CBrush>(); break;
            case GdiKind::kFont: object->temporary = std::make_unique<CFont>(); break;
            case GdiKind::kBitmap: object->temporary = std::make_unique<CBitmap>(); break;
        }
        // The temporary refers to the object without owning it.
        object->temporary->m_hObject = object;
    }
    return object->temporary.get();
}

BOOL CPen::CreatePen(int style, int width, COLORREF colour) {
    HGDIOBJ object = vthost::ui::newObject(GdiKind::kPen);
    object->pen = PenInfo{style, width, colour};
    return adopt(object);
}

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
    HGDIOBJ object = vthost::ui::newObject(GdiKind::kBrush);
    object->brush = colour;
    return adopt(object);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* font) {
    if (font == nullptr) return FALSE;
    LOGFONT copy = *font;
    copy.lfFaceName[sizeof copy.lfFaceName - 1] = '\0';
    return adopt(vthost::ui::createFont(copy));
}

BOOL CFont::CreatePointFont(int pointSizeTenths, LPCTSTR faceName) {
    LOGFONT font = vthost::ui::defaultDialogFont();
    font.lfHeight = -(pointSizeTenths * 96 / 720);
    if (faceName != nullptr) {
        std::strncpy(font.lfFaceName, faceName, sizeof font.lfFaceName - 1);
        font.lfFaceName[sizeof font.lfFaceName - 1] = '\0';
    }
    return CreateFontIndirect(&font);
}

int CFont::GetLogFont(LOGFONT* font) const {
    if (font == nullptr || m_hObject == nullptr) return 0;
    *font = vthost::ui::fontInfo(m_hObject);
    return static_cast<int>(sizeof(LOGFONT));
}

BOOL CBitmap::LoadBitmap(UINT id) {
    HINSTANCE module = vthost::resourceModuleWith(vthost::ResourceKind::kBitmap, id);
    const VthostBitmapResource* resource = vthost::findBitmapResource(module, id);
    if (resource == nullptr) return FALSE;
    BitmapInfo info;
    if (!vthost::ui::decodeBitmap(resource->bytes, resource->size, info)) return FALSE;
    info.resourceId = id;
    HGDIOBJ object = vthost::ui::newObject(GdiKind::kBitmap);
    object->bitmap = std::move(info);
    return adopt(object);
}

SIZE CBitmap::GetBitmapDimension() const {
    const BitmapInfo* info = vthost::ui::bitmapInfo(m_hObject);
    return info != nullptr ? SIZE{info->width, info->height} : SIZE{0, 0};
}

HGDIOBJ GetStockObject(int object) {
    static HGDIOBJ__ nullBrush, blackPen, guiFont;
    static const bool made = [] {
        nullBrush.kind = GdiKind::kBrush;
        nullBrush.nullBrush = true;
        blackPen.kind = GdiKind::kPen;
        guiFont.kind = GdiKind::kFont;
        guiFont.font = vthost::ui::defaultDialogFont();
        for (HGDIOBJ__* stock : {&nullBrush, &blackPen, &guiFont}) stock->stock = true;
        return true;
    }();
    (void)made;
    switch (object) {
        case NULL_BRUSH: return &nullBrush;
        case BLACK_PEN: return &blackPen;
        case DEFAULT_GUI_FONT: return &guiFont;
        default: return nullptr;
    }
}

COLORREF GetSysColor(int index) {
    // The classic scheme of the host's era.
    switch (index) {
        case COLOR_WINDOW: return RGB(255, 255, 255);
        case COLOR_WINDOWTEXT: return RGB(0, 0, 0);
        case COLOR_HIGHLIGHT: return RGB(10, 36, 106);
        case COLOR_HIGHLIGHTTEXT: return RGB(255, 255, 255);
        case COLOR_BTNFACE: return RGB(212, 208, 200);
        case COLOR_BTNSHADOW: return RGB(128, 128, 128);
        case COLOR_GRAYTEXT: return RGB(128, 128, 128);
        case COLOR_BTNTEXT: return RGB(0, 0, 0);
        case COLOR_BTNHIGHLIGHT: return RGB(255, 255, 255);
        default: return 0;
    }
}

BOOL DeleteObject(HGDIOBJ object) {
    if (object == nullptr || object->stock) return FALSE;
    if (object->permanent != nullptr) return object->permanent->DeleteObject();
    delete object;
    return TRUE;
}

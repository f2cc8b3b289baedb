#include "ui/CDC.h"

#include <cstdlib>

#include "ui/CWnd.h"
#include "ui/DeviceContext.h"
#include "ui/FontMetrics.h"

using vthost::ui::PenInfo;

// A recording context: what is selected into it, its colours and position, and the records.
struct HDC__ {
    std::vector<DcRecord> records;
    POINT position{0, 0};
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF backColour = RGB(255, 255, 255);
    int backMode = OPAQUE;
    PenInfo pen;
    LOGFONT font = vthost::ui::defaultDialogFont();
    CGdiObject* selectedPen = nullptr;
    CGdiObject* selectedBrush = nullptr;
    CGdiObject* selectedFont = nullptr;
    CGdiObject* selectedBitmap = nullptr;
    std::unique_ptr<CDC> wrapper;  // the CDC FromHandle gave out
};

namespace vthost::ui {

void DeviceContextDeleter::operator()(HDC dc) const { delete dc; }

DeviceContextPtr createDeviceContext(HFONT font) {
    DeviceContextPtr dc(new HDC__);
    if (font != nullptr) dc->font = fontInfo(font);
    dc->selectedFont = CGdiObject::FromHandle(font);
    return dc;
}

}  // namespace vthost::ui

int DcRecord::pixels() const {
    long dx = std::labs(to.x - from.x), dy = std::labs(to.y - from.y);
    return static_cast<int>(dx > dy ? dx : dy);
}

namespace {

// Contexts a CDC made itself (CreateCompatibleDC, CClientDC) belong to that CDC.
void record(HDC dc, DcRecord entry) {
    if (dc != nullptr) dc->records.push_back(std::move(entry));
}

template <class T>
T* swapSelected(CGdiObject*& slot, T* object) {
    auto* previous = static_cast<T*>(slot);
    slot = object;
    return previous;
}

}  // namespace

CDC::CDC() = default;

CDC::~CDC() {
    // A context this CDC created is deleted with it; one the host handed out is the host's.
    if (m_hDC != nullptr && m_hDC->wrapper.get() != this) delete m_hDC;
}

CDC* CDC::FromHandle(HDC dc) {
    if (dc == nullptr) return nullptr;
    if (!dc->wrapper) {
        dc->wrapper = std::make_unique<CDC>();
        dc->wrapper->m_hDC = dc;
    }
    return dc->wrapper.get();
}

BOOL CDC::CreateCompatibleDC(CDC*) {
    if (m_hDC != nullptr) return FALSE;
    m_hDC = vthost::ui::createDeviceContext().release();
    return TRUE;
}

CPen* CDC::SelectObject(CPen* pen) {
    if (m_hDC == nullptr || pen == nullptr) return nullptr;
    m_hDC->pen = vthost::ui::penInfo(pen->m_hObject);
    return swapSelected(m_hDC->selectedPen, pen);
}

CBrush* CDC::SelectObject(CBrush* brush) {
    if (m_hDC == nullptr || brush == nullptr) return nullptr;
    return swapSelected(m_hDC->selectedBrush, brush);
}

CFont* CDC::SelectObject(CFont* font) {
    if (m_hDC == nullptr || font == nullptr) return nullptr;
    m_hDC->font = vthost::ui::fontInfo(font->m_hObject);
    return swapSelected(m_hDC->selectedFont, font);
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    if (m_hDC == nullptr || bitmap == nullptr) return nullptr;
    return swapSelected(m_hDC->selectedBitmap, bitmap);
}

CGdiObject* CDC::SelectStockObject(int object) {
    HGDIOBJ stock = GetStockObject(object);
    if (m_hDC == nullptr || stock == nullptr) return nullptr;
    CGdiObject* wrapper = CGdiObject::FromHandle(stock);
    switch (vthost::ui::gdiKind(stock)) {
        case vthost::ui::GdiKind::kPen: return SelectObject(static_cast<CPen*>(wrapper));
        case vthost::ui::GdiKind::kBrush: return SelectObject(static_cast<CBrush*>(wrapper));
        case vthost::ui::GdiKind::kFont: return SelectObject(static_cast<CFont*>(wrapper));
        case vthost::ui::GdiKind::kBitmap: return nullptr;
    }
    return nullptr;
}

COLORREF CDC::SetTextColor(COLORREF colour) {
    if (m_hDC == nullptr) return 0;
    COLORREF previous = m_hDC->textColour;
    m_hDC->textColour = colour;
    return previous;
}

COLORREF CDC::GetTextColor() const { return m_hDC != nullptr ? m_hDC->textColour : 0; }

COLORREF CDC::SetBkColor(COLORREF colour) {
    if (m_hDC == nullptr) return 0;
    COLORREF previous = m_hDC->backColour;
    m_hDC->backColour = colour;
    return previous;
}

int CDC::SetBkMode(int mode) {
    if (m_hDC == nullptr) return 0;
    int previous = m_hDC->backMode;
    m_hDC->backMode = mode;
    return previous;
}

CPoint CDC::MoveTo(int x, int y) {
    if (m_hDC == nullptr) return CPoint();
    CPoint previous(m_hDC->position);
    m_hDC->position = POINT{x, y};
    DcRecord entry;
    entry.kind = DcRecord::Kind::kMoveTo;
    entry.from = entry.to = m_hDC->position;
    record(m_hDC, entry);
    return previous;
}

BOOL CDC::LineTo(int x, int y) {
    if (m_hDC == nullptr) return FALSE;
    DcRecord entry;
    entry.kind = DcRecord::Kind::kLineTo;
    entry.from = m_hDC->position;
    entry.to = POINT{x, y};
    entry.colour = m_hDC->pen.colour;
    entry.penStyle = m_hDC->pen.style;
    entry.penWidth = m_hDC->pen.width;
    m_hDC->position = entry.to;
    record(m_hDC, entry);
    return TRUE;
}

BOOL CDC::DrawFrameControl(LPRECT rect, UINT type, UINT state) {
    if (m_hDC == nullptr || rect == nullptr) return FALSE;
    DcRecord entry;
    entry.kind = DcRecord::Kind::kFrameControl;
    entry.rect = *rect;
    entry.type = type;
    entry.state = state;
    entry.colour = GetSysColor(COLOR_BTNFACE);
    record(m_hDC, entry);
    return TRUE;
}

void CDC::DrawFocusRect(LPCRECT rect) {
    if (m_hDC == nullptr || rect == nullptr) return;
    DcRecord entry;
    entry.kind = DcRecord::Kind::kFocusRect;
    entry.rect = *rect;
    record(m_hDC, entry);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF colour) {
    if (m_hDC == nullptr || rect == nullptr) return;
    DcRecord entry;
    entry.kind = DcRecord::Kind::kFillRect;
    entry.rect = *rect;
    entry.colour = colour;
    m_hDC->backColour = colour;  // as the framework's FillSolidRect leaves it
    record(m_hDC, entry);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF colour) {
    RECT rect{x, y, x + cx, y + cy};
    FillSolidRect(&rect, colour);
}

BOOL CDC::Rectangle(LPCRECT rect) {
    if (m_hDC == nullptr || rect == nullptr) return FALSE;
    DcRecord entry;
    entry.kind = DcRecord::Kind::kRectangle;
    entry.rect = *rect;
    entry.colour = m_hDC->pen.colour;
    record(m_hDC, entry);
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const CString& text) {
    if (m_hDC == nullptr) return FALSE;
    SIZE size = vthost::ui::textExtent(m_hDC->font, text.str());
    DcRecord entry;
    entry.kind = DcRecord::Kind::kText;
    entry.rect = RECT{x, y, x + size.cx, y + size.cy};
    entry.text = text.str();
    entry.colour = m_hDC->textColour;
    record(m_hDC, entry);
    return TRUE;
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format) {
    if (m_hDC == nullptr || rect == nullptr) return 0;
    SIZE size = vthost::ui::textExtent(m_hDC->font, text.str());
    if (format & DT_CALCRECT) {
        rect->right = rect->left + size.cx;
        rect->bottom = rect->top + size.cy;
        return static_cast<int>(size.cy);
    }
    DcRecord entry;
    entry.kind = DcRecord::Kind::kText;
    entry.rect = *rect;
    entry.text = text.str();
    entry.type = format;
    entry.colour = m_hDC->textColour;
    record(m_hDC, entry);
    return static_cast<int>(size.cy);
}

CSize CDC::GetTextExtent(const CString& text) const {
    SIZE size = vthost::ui::textExtent(m_hDC != nullptr ? m_hDC->font : vthost::ui::defaultDialogFont(), text.str());
    return CSize(size.cx, size.cy);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int, int, DWORD) {
    if (m_hDC == nullptr) return FALSE;
    DcRecord entry;
    entry.kind = DcRecord::Kind::kBitmap;
    entry.rect = RECT{x, y, x + width, y + height};
    if (source != nullptr && source->m_hDC != nullptr && source->m_hDC->selectedBitmap != nullptr) {
        const vthost::ui::BitmapInfo* info = vthost::ui::bitmapInfo(source->m_hDC->selectedBitmap->m_hObject);
        if (info != nullptr) entry.type = info->resourceId;
    }
    record(m_hDC, entry);
    return TRUE;
}

const std::vector<DcRecord>& CDC::records() const {
    static const std::vector<DcRecord> none;
    return m_hDC != nullptr ? m_hDC->records : none;
}

void CDC::clearRecords() {
    if (m_hDC != nullptr) m_hDC->records.clear();
}

CClientDC::CClientDC(CWnd* window) {
    m_hDC = vthost::ui::createDeviceContext(window != nullptr && window->GetFont() != nullptr
                                                ? static_cast<HFONT>(window->GetFont()->m_hObject)
                                                : nullptr)
                .release();
}

CClientDC::~CClientDC() = default;

// CDC: the framework's device context, headless: a recording device context. Every drawing call
// is kept as a DcRecord with the pen or text colour in effect, so tests and dumps can see what a
// control drew (owner-drawn buttons, custom-drawn list cells, static colours). Text sizes come
// from the host's deterministic font metrics (ui/FontMetrics.h). The host creates the contexts it
// hands to drawing code (WM_DRAWITEM, NM_CUSTOMDRAW) and owns them; CDC::FromHandle gives the
// context's own CDC.
#pragma once
#include <string>
#include <vector>

#include "ui/Gdi.h"
#include "ut/CString.h"

class CWnd;

struct DcRecord {
    enum class Kind { kMoveTo, kLineTo, kFrameControl, kFocusRect, kText, kFillRect, kRectangle, kBitmap };
    Kind kind = Kind::kMoveTo;
    POINT from{0, 0};
    POINT to{0, 0};
    RECT rect{0, 0, 0, 0};
    COLORREF colour = 0;  // the pen (lines, rectangles), text (text) or fill colour
    int penStyle = PS_SOLID;
    int penWidth = 0;
    UINT type = 0;   // DrawFrameControl's type, DrawText's format
    UINT state = 0;  // DrawFrameControl's state
    std::string text;
    // The pixels a line covers: its end point is not drawn.
    int pixels() const;
};

class CDC {
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }  // NOLINT: implicit as in the framework
    // The context's CDC; null for null.
    static CDC* FromHandle(HDC dc);
    // A memory context of its own (recording as well), compatible with any other.
    BOOL CreateCompatibleDC(CDC* other);

    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectStockObject(int object);

    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF colour);
    int SetBkMode(int mode);

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(static_cast<int>(point.x), static_cast<int>(point.y)); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(static_cast<int>(point.x), static_cast<int>(point.y)); }
    BOOL DrawFrameControl(LPRECT rect, UINT type, UINT state);
    void DrawFocusRect(LPCRECT rect);
    void FillSolidRect(LPCRECT rect, COLORREF colour);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF colour);
    BOOL Rectangle(LPCRECT rect);
    BOOL TextOut(int x, int y, const CString& text);
    int DrawText(const CString& text, LPRECT rect, UINT format);
    CSize GetTextExtent(const CString& text) const;
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop);

    const std::vector<DcRecord>& records() const;
    void clearRecords();
};

constexpr DWORD SRCCOPY = 0x00CC0020;

// A window's device context for painting outside of WM_PAINT.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;
};

#include "uipicture/ControlPainter.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ui/CommCtrl.h"
#include "ui/FontMetrics.h"
#include "ui/ImageList.h"
#include "ui/NativeControls.h"

namespace vthost::ui {

namespace {

constexpr int kHeaderHeight = 17;     // a report list's header row
constexpr int kListRowHeight = 16;    // a report list's rows, as its painting spaces them
constexpr int kTreeIndent = 19;       // a tree level's indentation
constexpr int kClosedComboHeight = 21;  // a closed combo box with the 8-point font
constexpr int kDropButtonWidth = 16;

RECT offset(const RECT& rect, POINT by) { return RECT{rect.left + by.x, rect.top + by.y, rect.right + by.x, rect.bottom + by.y}; }
RECT deflated(const RECT& rect, int by) { return RECT{rect.left + by, rect.top + by, rect.right - by, rect.bottom - by}; }
int widthOf(HWND window) { return static_cast<int>(window->rect.right - window->rect.left); }
int heightOf(HWND window) { return static_cast<int>(window->rect.bottom - window->rect.top); }
bool disabled(HWND window) { return (window->style & WS_DISABLED) != 0; }
COLORREF textColourOf(HWND window, COLORREF enabled) { return disabled(window) ? GetSysColor(COLOR_GRAYTEXT) : enabled; }

// What the control's last painting recorded, drawn again at origin. A disabled control's texts
// are greyed when its painting did not grey them itself; frame controls are pushed in by inset
// pixels (the default button's black frame goes around them).
void replayRecords(PictureCanvas& canvas, HWND window, POINT origin, int inset) {
    CDC* painted = window->native ? window->native->lastPaint() : nullptr;
    if (painted == nullptr) return;
    PictureFont font = pictureFontOf(window->font);
    for (const DcRecord& record : painted->records()) {
        RECT rect = offset(record.rect, origin);
        switch (record.kind) {
            case DcRecord::Kind::kMoveTo: break;
            case DcRecord::Kind::kLineTo:
                canvas.line(POINT{record.from.x + origin.x, record.from.y + origin.y}, POINT{record.to.x + origin.x, record.to.y + origin.y},
                            record.colour, record.penWidth);
                break;
            case DcRecord::Kind::kFrameControl: {
                RECT frame = deflated(rect, inset);
                canvas.fill(frame, record.colour);
                if (record.state & DFCS_PUSHED) {
                    canvas.outline(frame, GetSysColor(COLOR_BTNSHADOW));
                } else {
                    canvas.raisedEdge(frame);
                }
                break;
            }
            case DcRecord::Kind::kFocusRect: canvas.focusRect(rect); break;
            case DcRecord::Kind::kText: {
                COLORREF colour = disabled(window) ? GetSysColor(COLOR_GRAYTEXT) : record.colour;
                canvas.text(record.text, rect, record.type, colour, font);
                break;
            }
            case DcRecord::Kind::kFillRect: canvas.fill(rect, record.colour); break;
            case DcRecord::Kind::kRectangle: canvas.outline(rect, record.colour); break;
            case DcRecord::Kind::kBitmap: {
                CBitmap bitmap;
                const BitmapInfo* info = bitmap.LoadBitmap(record.type) ? bitmapInfo(bitmap.m_hObject) : nullptr;
                if (info != nullptr)
                    canvas.bitmap(*info, static_cast<int>(rect.left), static_cast<int>(rect.top), 0, 0,
                                  static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top), false, 0);
                break;
            }
        }
    }
}

// A bitmap button whose bitmap was not found shows the host's standard picture: its text (the
// help button's question mark, the browse button's dots) on the face it drew.
bool showsStandardPicture(HWND window) {
    CDC* painted = window->native ? window->native->lastPaint() : nullptr;
    if (painted == nullptr || window->native->dumpState(window).find(" picture standard") == std::string::npos) return false;
    return std::none_of(painted->records().begin(), painted->records().end(),
                        [](const DcRecord& record) { return record.kind == DcRecord::Kind::kBitmap || record.kind == DcRecord::Kind::kText; });
}

void paintButton(PictureCanvas& canvas, HWND window, POINT origin) {
    RECT client = offset(RECT{0, 0, widthOf(window), heightOf(window)}, origin);
    DWORD type = window->style & BS_TYPEMASK;
    canvas.fill(client, GetSysColor(COLOR_BTNFACE));
    if (type == BS_OWNERDRAW) {
        replayRecords(canvas, window, origin, 0);
        if (showsStandardPicture(window))
            canvas.text(window->text, client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                        textColourOf(window, GetSysColor(COLOR_BTNTEXT)), pictureFontOf(window->font));
        return;
    }
    bool isDefault = type == BS_DEFPUSHBUTTON;
    if (isDefault) canvas.outline(client, 0);
    replayRecords(canvas, window, origin, isDefault ? 1 : 0);
    if (focusWindow() == window) canvas.focusRect(deflated(client, isDefault ? 4 : 3));
}

void paintEdit(PictureCanvas& canvas, HWND window, POINT origin) {
    RECT client = offset(RECT{0, 0, widthOf(window), heightOf(window)}, origin);
    bool grey = disabled(window) || (window->style & ES_READONLY);
    canvas.fill(client, GetSysColor(grey ? COLOR_BTNFACE : COLOR_WINDOW));
    canvas.sunkenEdge(client);
    RECT field{client.left + 4, client.top + 2, client.right - 3, client.bottom - 2};
    canvas.text(window->text, field, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                textColourOf(window, GetSysColor(COLOR_WINDOWTEXT)), pictureFontOf(window->font));
}

std::string comboText(HWND window) {
    auto* combo = dynamic_cast<ComboBoxControl*>(window->native.get());
    if ((window->style & 0x3u) != CBS_DROPDOWNLIST) return window->text;
    int selection = static_cast<int>(defaultWindowProc(window, CB_GETCURSEL, 0, 0));
    return combo != nullptr && selection >= 0 && selection < combo->count() ? combo->itemText(selection) : std::string();
}

void paintComboBox(PictureCanvas& canvas, HWND window, POINT origin) {
    RECT closed = offset(RECT{0, 0, widthOf(window), std::min(heightOf(window), kClosedComboHeight)}, origin);
    canvas.fill(closed, GetSysColor(disabled(window) ? COLOR_BTNFACE : COLOR_WINDOW));
    canvas.sunkenEdge(closed);
    RECT button{closed.right - 2 - kDropButtonWidth, closed.top + 2, closed.right - 2, closed.bottom - 2};
    canvas.fill(button, GetSysColor(COLOR_BTNFACE));
    canvas.raisedEdge(button);
    canvas.downArrow(static_cast<int>((button.left + button.right) / 2), static_cast<int>((button.top + button.bottom) / 2 - 1), 7,
                     textColourOf(window, GetSysColor(COLOR_BTNTEXT)));
    RECT field{closed.left + 3, closed.top + 3, button.left - 1, closed.bottom - 3};
    COLORREF colour = textColourOf(window, GetSysColor(COLOR_WINDOWTEXT));
    bool listWithFocus = focusWindow() == window && (window->style & 0x3u) == CBS_DROPDOWNLIST;
    if (listWithFocus) {
        canvas.fill(field, GetSysColor(COLOR_HIGHLIGHT));
        colour = GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    canvas.text(comboText(window), RECT{field.left + 2, field.top, field.right, field.bottom}, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                colour, pictureFontOf(window->font));
    if (listWithFocus) canvas.focusRect(field);
}

struct ListColumn {
    std::string text;
    int width = 0;
};

std::vector<ListColumn> listColumns(HWND window) {
    std::vector<ListColumn> columns;
    for (int index = 0;; ++index) {
        char buffer[260] = {};
        LVCOLUMN column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = buffer;
        column.cchTextMax = sizeof buffer;
        if (!defaultWindowProc(window, LVM_GETCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column))) break;
        columns.push_back(ListColumn{buffer, column.cx});
    }
    return columns;
}

std::string listCellText(HWND window, int item, int subItem) {
    char buffer[1024] = {};
    LVITEM cell{};
    cell.iSubItem = subItem;
    cell.pszText = buffer;
    cell.cchTextMax = sizeof buffer;
    defaultWindowProc(window, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell));
    return buffer;
}

void paintListHeader(PictureCanvas& canvas, const std::vector<ListColumn>& columns, RECT inner, const PictureFont& font) {
    int x = static_cast<int>(inner.left);
    for (const ListColumn& column : columns) {
        RECT cell{x, inner.top, std::min<LONG>(x + column.width, inner.right), inner.top + kHeaderHeight};
        canvas.fill(cell, GetSysColor(COLOR_BTNFACE));
        canvas.raisedEdge(cell);
        canvas.text(column.text, RECT{cell.left + 6, cell.top, cell.right - 2, cell.bottom}, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                    GetSysColor(COLOR_BTNTEXT), font);
        x += column.width;
    }
    if (x < inner.right) {
        RECT rest{x, inner.top, inner.right, inner.top + kHeaderHeight};
        canvas.fill(rest, GetSysColor(COLOR_BTNFACE));
        canvas.raisedEdge(rest);
    }
}

// A report list: the header, then each row with each cell in the colour its custom drawing gave
// it; the selected rows highlighted (the whole row with LVS_EX_FULLROWSELECT, else the first
// cell), the focused row framed when the list has the focus.
void paintListView(PictureCanvas& canvas, HWND window, POINT origin) {
    RECT client = offset(RECT{0, 0, widthOf(window), heightOf(window)}, origin);
    canvas.fill(client, GetSysColor(COLOR_WINDOW));
    canvas.sunkenEdge(client);
    RECT inner = deflated(client, 2);
    auto* list = dynamic_cast<ListViewControl*>(window->native.get());
    if (list == nullptr) return;
    PictureFont font = pictureFontOf(window->font);
    std::vector<ListColumn> columns = listColumns(window);
    bool report = (window->style & LVS_TYPEMASK) == LVS_REPORT;
    if (!report) columns = {ListColumn{"", static_cast<int>(inner.right - inner.left)}};
    if (report) paintListHeader(canvas, columns, inner, font);
    bool fullRow = (defaultWindowProc(window, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT) != 0;
    int top = static_cast<int>(inner.top) + (report ? kHeaderHeight : 0);
    for (int item = 0; item < list->count() && top < inner.bottom; ++item, top += kListRowHeight) {
        UINT state = static_cast<UINT>(defaultWindowProc(window, LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_SELECTED | LVIS_FOCUSED));
        bool selected = (state & LVIS_SELECTED) != 0;
        int x = static_cast<int>(inner.left);
        RECT rowRect{x, top, x, top + kListRowHeight};
        for (std::size_t c = 0; c < columns.size(); ++c) {
            RECT cell{x, top, std::min<LONG>(x + columns[c].width, inner.right), std::min<LONG>(top + kListRowHeight, inner.bottom)};
            bool highlighted = selected && (fullRow || c == 0);
            if (highlighted) canvas.fill(cell, GetSysColor(COLOR_HIGHLIGHT));
            COLORREF colour = highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : list->cellColour(item, static_cast<int>(c));
            canvas.text(listCellText(window, item, static_cast<int>(c)), RECT{cell.left + (c == 0 ? 2 : 6), cell.top, cell.right - 2, cell.bottom},
                        DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, textColourOf(window, colour), font);
            x += columns[c].width;
            rowRect.right = cell.right;
        }
        if ((state & LVIS_FOCUSED) && focusWindow() == window) canvas.focusRect(rowRect);
    }
}

LOGFONT fontInfoOf(HWND window) { return window->font != nullptr ? fontInfo(window->font) : defaultDialogFont(); }

bool isExpanded(HTREEITEM item) { return (item->state & TVIS_EXPANDED) != 0; }
bool hasChildren(HTREEITEM item) { return !item->children.empty() || item->childrenFlag != 0; }

void paintExpandBox(PictureCanvas& canvas, int cx, int cy, bool expanded) {
    RECT box{cx - 4, cy - 4, cx + 5, cy + 5};
    canvas.fill(box, GetSysColor(COLOR_WINDOW));
    canvas.outline(box, GetSysColor(COLOR_BTNSHADOW));
    canvas.fill(RECT{cx - 2, cy, cx + 3, cy + 1}, 0);
    if (!expanded) canvas.fill(RECT{cx, cy - 2, cx + 1, cy + 3}, 0);
}

// A tree: the items whose parents are all expanded, one row each, indented by level (and once
// more with TVS_LINESATROOT), with an expand box for an item that has children, its image from
// the tree's image list (the selected image for the selected item) and its text, the selected
// item highlighted.
void paintTreeView(PictureCanvas& canvas, HWND window, POINT origin) {
    RECT client = offset(RECT{0, 0, widthOf(window), heightOf(window)}, origin);
    canvas.fill(client, GetSysColor(COLOR_WINDOW));
    canvas.sunkenEdge(client);
    RECT inner = deflated(client, 2);
    auto* tree = dynamic_cast<TreeViewControl*>(window->native.get());
    if (tree == nullptr) return;
    auto images = reinterpret_cast<HIMAGELIST>(defaultWindowProc(window, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    CBitmap strip;
    const BitmapInfo* pixels = images != nullptr && strip.LoadBitmap(images->bitmapId) ? bitmapInfo(strip.m_hObject) : nullptr;
    int rowHeight = std::max(kListRowHeight, images != nullptr ? images->cy + 2 : 0);
    bool buttons = (window->style & TVS_HASBUTTONS) != 0;
    int rootIndent = (window->style & TVS_LINESATROOT) ? kTreeIndent : 0;
    PictureFont font = pictureFontOf(window->font);
    int top = static_cast<int>(inner.top) + 1;
    std::function<void(HTREEITEM, int)> paintItem = [&](HTREEITEM item, int level) {
        if (top >= inner.bottom) return;
        int x = static_cast<int>(inner.left) + rootIndent + level * kTreeIndent;
        int centre = top + rowHeight / 2;
        if (buttons && hasChildren(item) && (level > 0 || rootIndent > 0)) paintExpandBox(canvas, x - kTreeIndent / 2, centre, isExpanded(item));
        bool selected = tree->caret() == item || (item->state & TVIS_SELECTED);
        if (images != nullptr && pixels != nullptr) {
            int index = selected ? item->selectedImage : item->image;
            if (index >= 0 && index < images->count)
                canvas.bitmap(*pixels, x + 1, top + (rowHeight - images->cy) / 2, index * images->cx, 0, images->cx, images->cy, true, images->mask);
            x += images->cx + 3;
        }
        RECT label{x, top, inner.right, top + rowHeight};
        COLORREF colour = textColourOf(window, GetSysColor(COLOR_WINDOWTEXT));
        if (selected) {
            label.right = std::min<LONG>(inner.right, label.left + textExtent(fontInfoOf(window), item->text).cx + 5);
            canvas.fill(label, GetSysColor(COLOR_HIGHLIGHT));
            colour = GetSysColor(COLOR_HIGHLIGHTTEXT);
        }
        canvas.text(item->text, RECT{label.left + 2, label.top, label.right, label.bottom}, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                    colour, font);
        if (selected && focusWindow() == window) canvas.focusRect(label);
        top += rowHeight;
        if (!isExpanded(item)) return;
        for (const auto& child : item->children) paintItem(child.get(), level + 1);
    };
    for (HTREEITEM item = reinterpret_cast<HTREEITEM>(defaultWindowProc(window, TVM_GETNEXTITEM, TVGN_ROOT, 0)); item != nullptr;
         item = reinterpret_cast<HTREEITEM>(defaultWindowProc(window, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item))))
        paintItem(item, 0);
}

void paintStatic(PictureCanvas& canvas, HWND window, POINT origin) {
    canvas.fill(offset(RECT{0, 0, widthOf(window), heightOf(window)}, origin), GetSysColor(COLOR_BTNFACE));
    replayRecords(canvas, window, origin, 0);
}

}  // namespace

void paintControlPicture(PictureCanvas& canvas, HWND control, POINT origin) {
    if (isClass(control, "Button")) paintButton(canvas, control, origin);
    else if (isClass(control, "Edit")) paintEdit(canvas, control, origin);
    else if (isClass(control, "ComboBox")) paintComboBox(canvas, control, origin);
    else if (isClass(control, "SysListView32")) paintListView(canvas, control, origin);
    else if (isClass(control, "SysTreeView32")) paintTreeView(canvas, control, origin);
    else paintStatic(canvas, control, origin);
}

}  // namespace vthost::ui

// The list view in report mode: columns, items with their sub-item texts, lParam and states,
// extended styles, and painting by the custom-draw protocol with each cell's colour recorded.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "ui/FontMetrics.h"
#include "ui/Gdi.h"
#include "ui/NativeControls.h"

namespace vthost::ui {

namespace {

std::string colourText(COLORREF colour) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

void copyOut(const std::string& text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    std::size_t copied = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
}

}  // namespace

LRESULT ListViewControl::insertItem(HWND, const LVITEM& item) {
    if (item.iSubItem != 0) return -1;
    Item row;
    row.texts.assign(std::max<std::size_t>(m_columns.size(), 1), std::string());
    if ((item.mask & LVIF_TEXT) && item.pszText != nullptr) row.texts[0] = item.pszText;
    if (item.mask & LVIF_PARAM) row.param = item.lParam;
    if (item.mask & LVIF_IMAGE) row.image = item.iImage;
    if (item.mask & LVIF_STATE) row.state = item.state & item.stateMask;
    int at = item.iItem < 0 || item.iItem > count() ? count() : item.iItem;
    m_items.insert(m_items.begin() + at, std::move(row));
    return at;
}

LRESULT ListViewControl::setItem(HWND window, const LVITEM& item) {
    if (!valid(item.iItem) || item.iSubItem < 0) return FALSE;
    Item& row = m_items[static_cast<std::size_t>(item.iItem)];
    if (item.mask & LVIF_TEXT) {
        auto sub = static_cast<std::size_t>(item.iSubItem);
        if (sub >= row.texts.size()) row.texts.resize(sub + 1);
        row.texts[sub] = item.pszText != nullptr ? item.pszText : "";
    }
    if (item.iSubItem != 0) return TRUE;
    if (item.mask & LVIF_PARAM) row.param = item.lParam;
    if (item.mask & LVIF_IMAGE) row.image = item.iImage;
    if (item.mask & LVIF_STATE) setState(window, item.iItem, item.state, item.stateMask);
    return TRUE;
}

LRESULT ListViewControl::getItem(const LVITEM* item) const {
    if (item == nullptr || !valid(item->iItem)) return FALSE;
    auto* out = const_cast<LVITEM*>(item);
    const Item& row = m_items[static_cast<std::size_t>(item->iItem)];
    if (item->mask & LVIF_TEXT) {
        auto sub = static_cast<std::size_t>(std::max(item->iSubItem, 0));
        copyOut(sub < row.texts.size() ? row.texts[sub] : std::string(), item->pszText, item->cchTextMax);
    }
    if (item->mask & LVIF_PARAM) out->lParam = row.param;
    if (item->mask & LVIF_IMAGE) out->iImage = row.image;
    if (item->mask & LVIF_STATE) out->state = row.state & item->stateMask;
    return TRUE;
}

void ListViewControl::setState(HWND window, int index, UINT state, UINT mask) {
    if (index == -1) {
        for (int i = 0; i < count(); ++i) setState(window, i, state, mask);
        return;
    }
    if (!valid(index)) return;
    // One item has the focus: focusing one takes it from the others.
    if ((mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED))
        for (Item& other : m_items) other.state &= ~LVIS_FOCUSED;
    // One selected item at most with LVS_SINGLESEL.
    if ((window->style & LVS_SINGLESEL) && (mask & LVIS_SELECTED) && (state & LVIS_SELECTED))
        for (Item& other : m_items) other.state &= ~LVIS_SELECTED;
    Item& row = m_items[static_cast<std::size_t>(index)];
    UINT old = row.state;
    row.state = (row.state & ~mask) | (state & mask);
    if (old == row.state) return;
    NMLISTVIEW change{};
    change.hdr.code = LVN_ITEMCHANGED;
    change.iItem = index;
    change.uNewState = row.state;
    change.uOldState = old;
    change.uChanged = LVIF_STATE;
    change.lParam = row.param;
    notifyParent(window, change.hdr);
}

LRESULT ListViewControl::nextItem(int start, UINT flags) const {
    for (int i = start < 0 ? 0 : start + 1; i < count(); ++i) {
        UINT state = m_items[static_cast<std::size_t>(i)].state;
        if ((flags & LVNI_SELECTED) && !(state & LVIS_SELECTED)) continue;
        if ((flags & LVNI_FOCUSED) && !(state & LVIS_FOCUSED)) continue;
        return i;
    }
    return -1;
}

int ListViewControl::autoWidth(HWND window, int column, bool header) const {
    LOGFONT font = fontInfo(reinterpret_cast<HFONT>(sendMessage(window, WM_GETFONT, 0, 0)));
    auto c = static_cast<std::size_t>(column);
    int width = header ? static_cast<int>(textExtent(font, m_columns[c].text).cx) : 0;
    for (const Item& row : m_items)
        if (c < row.texts.size()) width = std::max(width, static_cast<int>(textExtent(font, row.texts[c]).cx));
    width += 12;  // the cell's margins
    // The last column with LVSCW_AUTOSIZE_USEHEADER fills what is left of the client width.
    if (header && c + 1 == m_columns.size()) {
        int used = 0;
        for (std::size_t i = 0; i + 1 < m_columns.size(); ++i) used += m_columns[i].width;
        int client = static_cast<int>(window->rect.right - window->rect.left) - 4;
        width = std::max(width, client - used);
    }
    return width;
}

LRESULT ListViewControl::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<LVITEM*>(lParam);
    int index = static_cast<int>(static_cast<LONG_PTR>(wParam));
    switch (message) {
        case LVM_GETITEMCOUNT: return count();
        case LVM_INSERTITEMA: return item != nullptr ? insertItem(window, *item) : -1;
        case LVM_SETITEMA: return item != nullptr ? setItem(window, *item) : FALSE;
        case LVM_GETITEMA: return getItem(item);
        case LVM_SETITEMTEXTA: {
            if (item == nullptr) return FALSE;
            LVITEM text = *item;
            text.iItem = index;
            text.mask = LVIF_TEXT;
            return setItem(window, text);
        }
        case LVM_GETITEMTEXTA: {
            if (item == nullptr || !valid(index)) return 0;
            const Item& row = m_items[static_cast<std::size_t>(index)];
            auto sub = static_cast<std::size_t>(std::max(item->iSubItem, 0));
            std::string text = sub < row.texts.size() ? row.texts[sub] : std::string();
            copyOut(text, item->pszText, item->cchTextMax);
            return static_cast<LRESULT>(std::min<std::size_t>(text.size(), item->cchTextMax > 0 ? static_cast<std::size_t>(item->cchTextMax - 1) : 0));
        }
        case LVM_DELETEITEM: {
            if (!valid(index)) return FALSE;
            NMLISTVIEW gone{};
            gone.hdr.code = LVN_DELETEITEM;
            gone.iItem = index;
            gone.lParam = m_items[static_cast<std::size_t>(index)].param;
            m_items.erase(m_items.begin() + index);
            notifyParent(window, gone.hdr);
            return TRUE;
        }
        case LVM_DELETEALLITEMS: m_items.clear(); return TRUE;
        case LVM_GETNEXTITEM: return nextItem(index, static_cast<UINT>(lParam));
        case LVM_GETSELECTEDCOUNT:
            return std::count_if(m_items.begin(), m_items.end(), [](const Item& r) { return (r.state & LVIS_SELECTED) != 0; });
        case LVM_SETITEMSTATE:
            if (item == nullptr) return FALSE;
            setState(window, index, item->state, item->stateMask);
            return TRUE;
        case LVM_GETITEMSTATE: return valid(index) ? static_cast<LRESULT>(m_items[static_cast<std::size_t>(index)].state & static_cast<UINT>(lParam)) : 0;
        case LVM_FINDITEMA: {
            auto* find = reinterpret_cast<const LVFINDINFO*>(lParam);
            if (find == nullptr) return -1;
            for (int i = index < 0 ? 0 : index + 1; i < count(); ++i) {
                const Item& row = m_items[static_cast<std::size_t>(i)];
                if ((find->flags & LVFI_PARAM) && row.param == find->lParam) return i;
                if ((find->flags & LVFI_STRING) && find->psz != nullptr && strcasecmp(row.texts[0].c_str(), find->psz) == 0) return i;
            }
            return -1;
        }
        case LVM_ENSUREVISIBLE: return valid(index);
        case LVM_INSERTCOLUMNA: {
            auto* column = reinterpret_cast<const LVCOLUMN*>(lParam);
            if (column == nullptr) return -1;
            int at = index < 0 || index > static_cast<int>(m_columns.size()) ? static_cast<int>(m_columns.size()) : index;
            Column added;
            if ((column->mask & LVCF_TEXT) && column->pszText != nullptr) added.text = column->pszText;
            if (column->mask & LVCF_WIDTH) added.width = column->cx;
            if (column->mask & LVCF_FMT) added.format = column->fmt;
            m_columns.insert(m_columns.begin() + at, added);
            for (Item& row : m_items)
                if (row.texts.size() < m_columns.size()) row.texts.resize(m_columns.size());
            return at;
        }
        case LVM_GETCOLUMNA: {
            auto* column = reinterpret_cast<LVCOLUMN*>(lParam);
            if (column == nullptr || index < 0 || index >= static_cast<int>(m_columns.size())) return FALSE;
            const Column& kept = m_columns[static_cast<std::size_t>(index)];
            if (column->mask & LVCF_TEXT) copyOut(kept.text, column->pszText, column->cchTextMax);
            if (column->mask & LVCF_WIDTH) column->cx = kept.width;
            if (column->mask & LVCF_FMT) column->fmt = kept.format;
            return TRUE;
        }
        case LVM_DELETECOLUMN:
            if (index < 0 || index >= static_cast<int>(m_columns.size())) return FALSE;
            m_columns.erase(m_columns.begin() + index);
            return TRUE;
        case LVM_GETCOLUMNWIDTH:
            return index >= 0 && index < static_cast<int>(m_columns.size()) ? m_columns[static_cast<std::size_t>(index)].width : 0;
        case LVM_SETCOLUMNWIDTH: {
            if (index < 0 || index >= static_cast<int>(m_columns.size())) return FALSE;
            int width = static_cast<int>(static_cast<short>(LOWORD(static_cast<DWORD_PTR>(lParam))));
            if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER)
                width = autoWidth(window, index, width == LVSCW_AUTOSIZE_USEHEADER);
            m_columns[static_cast<std::size_t>(index)].width = width;
            return TRUE;
        }
        case LVM_SETEXTENDEDLISTVIEWSTYLE: {
            DWORD old = m_extended;
            DWORD mask = wParam == 0 ? 0xFFFFFFFFu : static_cast<DWORD>(wParam);
            m_extended = (m_extended & ~mask) | (static_cast<DWORD>(lParam) & mask);
            return old;
        }
        case LVM_GETEXTENDEDLISTVIEWSTYLE: return m_extended;
        default: return NativeControl::proc(window, message, wParam, lParam);
    }
}

void ListViewControl::paint(HWND window) {
    HDC dc = beginPaint(window);
    COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT);
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.hdc = dc;
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    draw.clrText = windowText;
    draw.clrTextBk = GetSysColor(COLOR_WINDOW);
    LRESULT answer = notifyParent(window, draw.nmcd.hdr);
    bool itemDraw = (answer & CDRF_NOTIFYITEMDRAW) != 0;
    CDC* cdc = CDC::FromHandle(dc);
    std::size_t columns = std::max<std::size_t>(m_columns.size(), 1);
    for (int i = 0; i < count() && isWindow(window); ++i) {
        Item& row = m_items[static_cast<std::size_t>(i)];
        row.colours.assign(columns, windowText);
        COLORREF itemColour = windowText;
        bool subItemDraw = false;
        if (itemDraw) {
            draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
            draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(i);
            draw.nmcd.uItemState = ((row.state & LVIS_SELECTED) ? CDIS_SELECTED : 0u) | ((row.state & LVIS_FOCUSED) ? CDIS_FOCUS : 0u);
            draw.nmcd.lItemlParam = row.param;
            draw.iSubItem = 0;
            draw.clrText = windowText;
            LRESULT itemAnswer = notifyParent(window, draw.nmcd.hdr);
            itemColour = draw.clrText;
            subItemDraw = (itemAnswer & CDRF_NOTIFYSUBITEMDRAW) != 0;
        }
        for (std::size_t c = 0; c < columns; ++c) {
            COLORREF colour = itemColour;
            if (subItemDraw) {
                // The structure goes on from the item's stage, so a colour set there holds until
                // a sub-item stage changes it.
                draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
                draw.iSubItem = static_cast<int>(c);
                notifyParent(window, draw.nmcd.hdr);
                colour = draw.clrText;
            }
            row.colours[c] = colour;
            cdc->SetTextColor(colour);
            if (c < row.texts.size()) cdc->TextOut(0, i * 16, row.texts[c].c_str());
        }
    }
    m_painted = true;
}

COLORREF ListViewControl::cellColour(int item, int subItem) const {
    if (!valid(item)) return GetSysColor(COLOR_WINDOWTEXT);
    const Item& row = m_items[static_cast<std::size_t>(item)];
    auto c = static_cast<std::size_t>(subItem);
    return c < row.colours.size() ? row.colours[c] : GetSysColor(COLOR_WINDOWTEXT);
}

void ListViewControl::userClick(HWND window, int index, UINT code) {
    // The mouse goes to the row (rows of 16 pixels below a header of 20), or below the last one.
    POINT origin = screenOrigin(window);
    int row = valid(index) ? index : count();
    setCursorPosition(POINT{origin.x + (window->rect.right - window->rect.left) / 2, origin.y + 20 + row * 16 + 8});
    setFocusWindow(window);
    if (!isWindow(window)) return;
    // The row under the mouse becomes the selection; empty space clears it.
    for (int i = 0; i < count(); ++i)
        if (i != index) setState(window, i, 0, LVIS_SELECTED);
    if (valid(index)) setState(window, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (!isWindow(window)) return;
    NMITEMACTIVATE activate{};
    activate.hdr.code = code;
    activate.iItem = valid(index) ? index : -1;
    POINT mouse = cursorPosition();
    activate.ptAction = POINT{mouse.x - origin.x, mouse.y - origin.y};
    if (valid(index)) activate.lParam = m_items[static_cast<std::size_t>(index)].param;
    notifyParent(window, activate.hdr);
}

std::string ListViewControl::dumpState(HWND window) const {
    std::string state = (window->style & LVS_TYPEMASK) == LVS_REPORT ? " report" : "";
    if (m_extended & LVS_EX_FULLROWSELECT) state += " full-row-select";
    return state + " items " + std::to_string(count());
}

void ListViewControl::dumpDetails(HWND, std::string& out) const {
    if (!m_columns.empty()) {
        out += "    columns:";
        for (const Column& column : m_columns) out += " \"" + column.text + "\" " + std::to_string(column.width);
        out += "\n";
    }
    for (int i = 0; i < count(); ++i) {
        const Item& row = m_items[static_cast<std::size_t>(i)];
        out += "    #" + std::to_string(i);
        for (std::size_t c = 0; c < row.texts.size(); ++c) {
            out += " \"" + row.texts[c] + "\"";
            if (m_painted && c < row.colours.size()) out += " " + colourText(row.colours[c]);
        }
        out += " lParam " + std::to_string(row.param);
        if (row.state & LVIS_SELECTED) out += " selected";
        if (row.state & LVIS_FOCUSED) out += " focused";
        out += "\n";
    }
}

}  // namespace vthost::ui

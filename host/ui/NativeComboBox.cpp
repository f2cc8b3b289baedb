// The combo box: items with their data, CBS_SORT's insertion order, the selection, and the edit
// part's text; a selection from code (CB_SETCURSEL) sends nothing, the user's sends CBN_SELCHANGE.
#include <cstring>
#include <strings.h>

#include "ui/NativeControls.h"

namespace vthost::ui {

namespace {

bool isDropDownList(HWND window) { return (window->style & 0x3u) == CBS_DROPDOWNLIST; }

int compareNoCase(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()); }

const char* textOf(LPARAM lParam) { return lParam != 0 ? reinterpret_cast<const char*>(lParam) : ""; }

}  // namespace

LRESULT ComboBoxControl::insert(HWND window, int index, const std::string& text) {
    int at = index < 0 || index > count() ? count() : index;
    m_items.insert(m_items.begin() + at, Item{text, 0});
    if (m_selection >= at) ++m_selection;
    (void)window;
    return at;
}

int ComboBoxControl::find(int start, const std::string& text, bool exact) const {
    int n = count();
    if (n == 0) return static_cast<int>(CB_ERR);
    // The search starts after start and wraps round; -1 searches from the top.
    int first = start < 0 || start >= n ? 0 : start + 1;
    for (int k = 0; k < n; ++k) {
        int i = (first + k) % n;
        const std::string& item = m_items[static_cast<std::size_t>(i)].text;
        bool match = exact ? compareNoCase(item, text) == 0
                           : item.size() >= text.size() && strncasecmp(item.c_str(), text.c_str(), text.size()) == 0;
        if (match) return i;
    }
    return static_cast<int>(CB_ERR);
}

LRESULT ComboBoxControl::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case CB_RESETCONTENT:
            m_items.clear();
            m_selection = -1;
            if (isDropDownList(window)) window->text.clear();
            return CB_OKAY;
        case CB_ADDSTRING: {
            std::string text = textOf(lParam);
            if (!(window->style & CBS_SORT)) return insert(window, -1, text);
            int at = 0;
            while (at < count() && compareNoCase(m_items[static_cast<std::size_t>(at)].text, text) <= 0) ++at;
            return insert(window, at, text);
        }
        case CB_INSERTSTRING: return insert(window, static_cast<int>(static_cast<LONG_PTR>(wParam)), textOf(lParam));
        case CB_DELETESTRING: {
            if (!validIndex(wParam)) return CB_ERR;
            int index = static_cast<int>(wParam);
            m_items.erase(m_items.begin() + index);
            if (m_selection == index) m_selection = -1;
            else if (m_selection > index) --m_selection;
            return count();
        }
        case CB_GETCOUNT: return count();
        case CB_GETCURSEL: return m_selection;
        case CB_SETCURSEL: {
            // Out of range (including -1) clears the selection and answers CB_ERR.
            m_selection = validIndex(wParam) ? static_cast<int>(wParam) : -1;
            window->text = m_selection >= 0 ? m_items[static_cast<std::size_t>(m_selection)].text : std::string();
            return m_selection >= 0 ? m_selection : CB_ERR;
        }
        case CB_GETLBTEXT: {
            if (!validIndex(wParam) || lParam == 0) return CB_ERR;
            const std::string& text = m_items[wParam].text;
            std::memcpy(reinterpret_cast<char*>(lParam), text.c_str(), text.size() + 1);
            return static_cast<LRESULT>(text.size());
        }
        case CB_GETLBTEXTLEN: return validIndex(wParam) ? static_cast<LRESULT>(m_items[wParam].text.size()) : CB_ERR;
        case CB_SETITEMDATA:
            if (!validIndex(wParam)) return CB_ERR;
            m_items[wParam].data = lParam;
            return CB_OKAY;
        case CB_GETITEMDATA: return validIndex(wParam) ? m_items[wParam].data : CB_ERR;
        case CB_FINDSTRINGEXACT: return find(static_cast<int>(static_cast<LONG_PTR>(wParam)), textOf(lParam), true);
        case CB_FINDSTRING: return find(static_cast<int>(static_cast<LONG_PTR>(wParam)), textOf(lParam), false);
        case CB_SELECTSTRING: {
            int found = find(static_cast<int>(static_cast<LONG_PTR>(wParam)), textOf(lParam), false);
            if (found < 0) return CB_ERR;
            return proc(window, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
        }
        case WM_SETTEXT:
            // A drop-down list has no edit field to set.
            if (isDropDownList(window)) return CB_ERR;
            return NativeControl::proc(window, message, wParam, lParam);
        default: return NativeControl::proc(window, message, wParam, lParam);
    }
}

void ComboBoxControl::userSelect(HWND window, int index) {
    if (index < 0 || index >= count()) return;
    setFocusWindow(window);
    m_selection = index;
    window->text = m_items[static_cast<std::size_t>(index)].text;
    notifyParent(window, CBN_SELCHANGE);
    if (isWindow(window)) notifyParent(window, CBN_SELENDOK);
}

void ComboBoxControl::userType(HWND window, const std::string& text) {
    setFocusWindow(window);
    window->text = text;
    m_selection = find(-1, text, true);
    notifyParent(window, CBN_EDITUPDATE);
    if (isWindow(window)) notifyParent(window, CBN_EDITCHANGE);
}

std::string ComboBoxControl::dumpState(HWND window) const {
    std::string state = isDropDownList(window) ? " drop-down-list" : "";
    if (window->style & CBS_SORT) state += " sorted";
    state += " selection " + std::to_string(m_selection);
    return state;
}

void ComboBoxControl::dumpDetails(HWND, std::string& out) const {
    for (int i = 0; i < count(); ++i) {
        const Item& item = m_items[static_cast<std::size_t>(i)];
        out += "    #" + std::to_string(i) + " \"" + item.text + "\" data " + std::to_string(item.data) +
               (i == m_selection ? " selected" : "") + "\n";
    }
}

}  // namespace vthost::ui

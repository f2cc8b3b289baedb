// The window classes' own behaviour (what DefWindowProc does for a dialog, a button, an edit, a
// static, a combo box, a list view, a tree view): their state, their messages with Win32's
// answers and notifications, their painting (owner drawing, custom drawing and static colours,
// recorded in a device context the control keeps until it paints again) and their lines in the
// dialog dump. The user's actions that scripts and tests drive (a click, a selection) are here as
// well, sending what the user's action would. Host-internal.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ui/CommCtrl.h"
#include "ui/DeviceContext.h"
#include "ui/Window.h"

struct _TREEITEM {
    std::string text;
    int image = 0;
    int selectedImage = 0;
    LPARAM param = 0;
    UINT state = 0;
    int childrenFlag = 0;
    _TREEITEM* parent = nullptr;
    std::vector<std::unique_ptr<_TREEITEM>> children;
};

namespace vthost::ui {

class NativeControl {
public:
    virtual ~NativeControl();
    // The class's messages; the base answers the text, font and enabling messages.
    virtual LRESULT proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Paints at once; the records stay in lastPaint().
    virtual void paint(HWND window);
    // Words for the control's dump line, and lines below it (each indented by four blanks).
    virtual std::string dumpState(HWND window) const;
    virtual void dumpDetails(HWND window, std::string& out) const;
    CDC* lastPaint() const { return CDC::FromHandle(m_paint.get()); }

protected:
    // A fresh recording context for a painting, with the window's font.
    HDC beginPaint(HWND window);
    DeviceContextPtr m_paint;
};

std::unique_ptr<NativeControl> makeNativeControl(const std::string& className, DWORD style);
// A control's WM_COMMAND notification to its parent.
void notifyParent(HWND control, UINT code);
// A control's WM_NOTIFY to its parent; fills in the header's window and id.
LRESULT notifyParent(HWND control, NMHDR& header);
// Whether a window class name is the class ("Button", "button" and "BUTTON" are one class).
bool isClass(HWND window, const char* className);

class DialogWindow : public NativeControl {
public:
    LRESULT proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void setFont(const LOGFONT& font);
    ~DialogWindow() override;

private:
    HFONT m_font = nullptr;
    int m_defaultId = IDOK;
};

class ButtonControl : public NativeControl {
public:
    LRESULT proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint(HWND window) override;
    std::string dumpState(HWND window) const override;
    // The user clicks: pressed (painted so), released, BN_CLICKED.
    void click(HWND window);
    void setPicture(const std::string& picture) { m_picture = picture; }
    bool pushed() const { return m_pushed; }
    void setPushed(HWND window, bool pushed);

private:
    UINT m_check = BST_UNCHECKED;
    bool m_pushed = false;
    std::string m_picture;
};

class EditControl : public NativeControl {
public:
    LRESULT proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // The user types the text (replacing what was there): EN_UPDATE, EN_CHANGE.
    void type(HWND window, const std::string& text);

private:
    int m_limit = 30000;
};

class StaticControl : public NativeControl {
public:
    void paint(HWND window) override;
    std::string dumpState(HWND window) const override;
    // The user clicks: STN_CLICKED when the control has SS_NOTIFY.
    void click(HWND window);

private:
    bool m_coloured = false;
    COLORREF m_textColour = 0;
};

class ComboBoxControl : public NativeControl {
public:
    LRESULT proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    std::string dumpState(HWND window) const override;
    void dumpDetails(HWND window, std::string& out) const override;
    // The user picks item index: the selection, then CBN_SELCHANGE (also when it is the same).
    void userSelect(HWND window, int index);
    // The user types into the edit field (not a drop-down list): CBN_EDITUPDATE, CBN_EDITCHANGE.
    void userType(HWND window, const std::string& text);
    int find(int start, const std::string& text, bool exact) const;
    int count() const { return static_cast<int>(m_items.size()); }
    const std::string& itemText(int index) const { return m_items[static_cast<std::size_t>(index)].text; }

private:
    struct Item {
        std::string text;
        LPARAM data = 0;
    };
    bool validIndex(WPARAM index) const { return index < m_items.size(); }
    LRESULT insert(HWND window, int index, const std::string& text);
    std::vector<Item> m_items;
    int m_selection = -1;
};

class ListViewControl : public NativeControl {
public:
    LRESULT proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // Runs the custom-draw protocol stage by stage and records each cell's text colour.
    void paint(HWND window) override;
    void dumpDetails(HWND window, std::string& out) const override;
    std::string dumpState(HWND window) const override;
    int count() const { return static_cast<int>(m_items.size()); }
    const std::string& itemText(int index) const { return m_items[static_cast<std::size_t>(index)].texts[0]; }
    // The user clicks row index (-1: empty space), with the left or right button or twice:
    // the row becomes the one selected and focused (empty space clears the selection), then
    // NM_CLICK, NM_RCLICK or NM_DBLCLK.
    void userClick(HWND window, int index, UINT code);
    // The text colour the last painting gave a cell; the window text colour when it was not
    // painted.
    COLORREF cellColour(int item, int subItem) const;

private:
    struct Item {
        std::vector<std::string> texts;
        LPARAM param = 0;
        UINT state = 0;
        int image = 0;
        std::vector<COLORREF> colours;
    };
    struct Column {
        std::string text;
        int width = 0;
        int format = LVCFMT_LEFT;
    };
    bool valid(int index) const { return index >= 0 && index < count(); }
    LRESULT insertItem(HWND window, const LVITEM& item);
    LRESULT setItem(HWND window, const LVITEM& item);
    LRESULT getItem(const LVITEM* item) const;
    void setState(HWND window, int index, UINT state, UINT mask);
    LRESULT nextItem(int start, UINT flags) const;
    int autoWidth(HWND window, int column, bool header) const;
    std::vector<Column> m_columns;
    std::vector<Item> m_items;
    DWORD m_extended = 0;
    bool m_painted = false;
};

class TreeViewControl : public NativeControl {
public:
    LRESULT proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void dumpDetails(HWND window, std::string& out) const override;
    // Every item, depth first (the order of the dump's numbers).
    std::vector<HTREEITEM> items() const;
    // The user selects an item: TVN_SELCHANGING, the caret, TVN_SELCHANGED (by mouse).
    void userSelect(HWND window, HTREEITEM item);
    // The user right-clicks or double-clicks an item (selecting it first, as the mouse does).
    void userClick(HWND window, HTREEITEM item, UINT code);
    HTREEITEM caret() const { return m_caret; }

private:
    LRESULT insert(const TVINSERTSTRUCT& insert);
    bool contains(HTREEITEM item) const;
    LRESULT select(HWND window, HTREEITEM item, UINT action);
    void remove(HWND window, HTREEITEM item);
    std::vector<std::unique_ptr<_TREEITEM>> m_roots;
    HTREEITEM m_caret = nullptr;
    HIMAGELIST m_images = nullptr;
};

}  // namespace vthost::ui

// The table a resource module exports: the resource compiler (vtrc) writes it as C++ source, the
// build compiles that into the resource module (a shared object holding nothing but data), and
// the host reads it through the module's one exported symbol, kResourceTableSymbol. Strings are
// sorted by id, ids unique; each text is terminated and its length excludes the terminator.
// Version 2 appends dialog templates, menus and bitmaps, each sorted by id with ids unique within
// its kind. A version 1 table ends after the strings: readers look at the later members only when
// the version says they are there, and refuse a table of a newer version.
#pragma once

// Version 3 appends cursors.
constexpr unsigned kResourceTableVersion = 3;
#define VTHOST_RESOURCE_TABLE_SYMBOL "vthost_resources"

struct VthostStringResource {
    unsigned id;
    const char* text;
    unsigned length;
};

// A control of a dialog template: geometry in dialog units, the window class as the script named
// it ("Button", "Edit", "Static", "ComboBox", "SysListView32", ...), the style bits with the
// statement's implied ones included. id is -1 for IDC_STATIC.
struct VthostDialogControl {
    int id;
    const char* className;
    const char* text;
    unsigned style;
    unsigned exStyle;
    short x, y, cx, cy;
};

struct VthostDialogResource {
    unsigned id;
    const char* caption;
    unsigned style;
    unsigned exStyle;
    short x, y, cx, cy;
    const char* fontName;  // empty when the template names no font
    unsigned fontSize;     // points; 0 when the template names no font
    unsigned controlCount;
    const VthostDialogControl* controls;
};

// A menu's items in order, a popup's items following it one level deeper (depth 0 is the bar).
// flags are MF_POPUP, MF_SEPARATOR, MF_GRAYED, MF_DISABLED, MF_CHECKED, ...; a popup's id is 0.
struct VthostMenuItem {
    unsigned id;
    const char* text;
    unsigned flags;
    unsigned depth;
};

struct VthostMenuResource {
    unsigned id;
    unsigned itemCount;
    const VthostMenuItem* items;
};

// A bitmap: the bytes of the .bmp file the script named (file header included).
struct VthostBitmapResource {
    unsigned id;
    unsigned size;
    const unsigned char* bytes;
};

// A cursor: the bytes of the .cur file the script named, with its first image's size and hot spot.
struct VthostCursorResource {
    unsigned id;
    unsigned size;
    const unsigned char* bytes;
    short width, height, hotX, hotY;
};

struct VthostResourceTable {
    unsigned version;
    unsigned stringCount;
    const VthostStringResource* strings;
    // Version 2 and later.
    unsigned dialogCount;
    const VthostDialogResource* dialogs;
    unsigned menuCount;
    const VthostMenuResource* menus;
    unsigned bitmapCount;
    const VthostBitmapResource* bitmaps;
    // Version 3 and later.
    unsigned cursorCount;
    const VthostCursorResource* cursors;
};

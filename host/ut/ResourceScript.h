// vthost::ResourceScript: the resource compiler's (vtrc's) source text and what it compiles to.
// The text is the Win32 resource script subset below; '{' and '}' stand for BEGIN and END, a
// statement that ends in ',' or '|' goes on on the next line:
//
//   // a comment (also "#" at the start of a line)
//   STRINGTABLE
//   BEGIN
//       1000  "Vantorell"
//       1001  "Link ""%s"" created.\n"      doubled quotes and \" stand for a quote;
//   END                                      \n \t \\ \r \0ooo (octal) are escapes
//
//   2001 DIALOGEX 0, 0, 240, 120             a dialog template (DIALOG also), dialog units
//   STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
//   CAPTION "Styles"
//   FONT 8, "MS Sans Serif"
//   BEGIN
//       LTEXT "Name:", IDC_STATIC, 7, 7, 40, 8          also RTEXT, CTEXT
//       EDITTEXT 2003, 50, 5, 100, 12, ES_AUTOHSCROLL
//       COMBOBOX 2007, 50, 20, 100, 60, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL
//       CONTROL "", 2000, "SysListView32", LVS_REPORT | WS_BORDER | WS_TABSTOP, 7, 40, 150, 60
//       DEFPUSHBUTTON "OK", IDOK, 180, 7, 50, 14         also PUSHBUTTON, GROUPBOX, CHECKBOX,
//   END                                                  AUTOCHECKBOX, RADIOBUTTON, LISTBOX
//
//   2004 MENU                                 a menu
//   BEGIN
//       POPUP "Context"
//       BEGIN
//           MENUITEM "&New", 32771
//           MENUITEM "&Delete", 32773, GRAYED    also INACTIVE, CHECKED, MENUBREAK, ...
//           MENUITEM SEPARATOR
//       END
//   END
//
//   2008 BITMAP "tree.bmp"                    a bitmap, the file read beside the script
//   106 CURSOR "hand.cur"                     a cursor, the .cur file read beside the script
//
//   1 VERSIONINFO                             the module's version block (at most one)
//   FILEVERSION 1,2,0,7                       four numbers 0..65535 each
//   PRODUCTVERSION 1,2,0,0
//   FILEFLAGSMASK 0x3f                        also FILEFLAGS, FILEOS, FILETYPE, FILESUBTYPE
//   BEGIN
//       BLOCK "StringFileInfo"
//       BEGIN
//           BLOCK "040904b0"                  a language block: its values are texts
//           BEGIN
//               VALUE "CompanyName", "Orvane"
//           END
//       END
//       BLOCK "VarFileInfo"
//       BEGIN
//           VALUE "Translation", 0x409, 1200  pairs of numbers 0..65535
//       END
//   END
//
// Styles are names of ut/WindowStyles.h or numbers joined by '|'; "NOT name" takes a bit away
// (also one the statement implies). Control ids are numbers or IDOK, IDCANCEL, IDC_STATIC, ....
// Resource ids are 0..65535, unique within their kind. Every refusal names its line.
// writeResourceSource turns a script into the C++ source of the module's exported table
// (ut/ResourceTable.h). Host-internal.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vthost {

constexpr std::size_t kMaxResourceString = 4096;
constexpr std::size_t kMaxDialogControls = 512;
constexpr std::size_t kMaxMenuItems = 1024;
constexpr unsigned kMaxMenuDepth = 8;
constexpr std::size_t kMaxBitmapBytes = 16u << 20;

struct DialogControlScript {
    int id = 0;
    std::string className;
    std::string text;
    unsigned style = 0;
    unsigned exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogScript {
    std::string caption;
    unsigned style = 0;
    unsigned exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string fontName;
    unsigned fontSize = 0;
    std::vector<DialogControlScript> controls;
};

struct MenuItemScript {
    unsigned id = 0;
    std::string text;
    unsigned flags = 0;
    unsigned depth = 0;
};

struct BitmapScript {
    std::string file;
    std::string bytes;
    int width = 0;
    int height = 0;
};

struct CursorScript {
    std::string file;
    std::string bytes;
    int width = 0;
    int height = 0;
    int hotX = 0;
    int hotY = 0;
};

// A VERSIONINFO block: the fixed numbers, then the string tables by language block ("040904b0")
// with their keys in script order, and the translation pairs.
struct VersionScript {
    bool present = false;
    std::uint32_t fileVersionMS = 0, fileVersionLS = 0;
    std::uint32_t productVersionMS = 0, productVersionLS = 0;
    std::uint32_t flagsMask = 0, flags = 0, os = 0, type = 0, subtype = 0;
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> stringTables;
    std::vector<std::uint16_t> translations;
};

struct ResourceScript {
    std::map<unsigned, std::string> strings;
    std::map<unsigned, DialogScript> dialogs;
    std::map<unsigned, std::vector<MenuItemScript>> menus;
    std::map<unsigned, BitmapScript> bitmaps;
    std::map<unsigned, CursorScript> cursors;
    VersionScript version;
};

// Reads a file a script names (a bitmap) into bytes; false when it cannot.
using ResourceFileReader = std::function<bool(const std::string& name, std::string& bytes)>;

// False with error "line <n>: <what>". Without a file reader a BITMAP is refused.
bool readResourceScript(std::string_view text, ResourceScript& script, std::string& error,
                        const ResourceFileReader& readFile = nullptr);
std::string writeResourceSource(const ResourceScript& script);
// The C++ source of the script's version block alone, for a module that carries its version but
// no resource table (the block goes into the file's version section, ut/VersionBlock.h).
std::string writeVersionSource(const ResourceScript& script);

// The width and height of a .bmp file's bytes; false when they are not a bitmap this host reads
// (a BITMAPINFOHEADER of 1, 4, 8, 24 or 32 bits per pixel, its pixels inside the file).
bool readBitmapSize(std::string_view bytes, int& width, int& height);

}  // namespace vthost

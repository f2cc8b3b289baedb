// Cursors: LoadCursorA takes a cursor resource from a module's table (or one of the system's
// cursors with a null module), CopyIcon makes a copy the caller owns, SetCursor makes one the
// mouse's shape (GetCursor answers it), DestroyCursor frees a copy. A loaded cursor is the
// module's, shared and never destroyed by the caller; it stops being valid when the module is
// freed, so code that keeps a module's cursor keeps a copy. Headless: a cursor is its
// description (module file, id, size, hot spot).
#pragma once
#include <string>

#include "ui/WinDef.h"

struct HCURSOR__;
using HCURSOR = HCURSOR__*;
using HICON = HCURSOR__*;

#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define IDC_IBEAM MAKEINTRESOURCEA(32513)
#define IDC_HAND MAKEINTRESOURCEA(32649)

extern "C" {
// name is MAKEINTRESOURCE(id); null when the module has no such cursor.
HCURSOR LoadCursorA(HINSTANCE instance, const char* name);
// A copy of a valid cursor (shared or not) that the caller owns; null for an invalid one.
HICON CopyIcon(HICON icon);
// Makes the cursor the mouse's shape (null: none) and answers the previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// Frees a copy; FALSE for a shared cursor or one that is not valid.
BOOL DestroyCursor(HCURSOR cursor);
BOOL DestroyIcon(HICON icon);
}

namespace vthost::ui {
struct CursorInfo {
    std::string module;  // the module's file name without its folder ("winhlp32.exe"; "system")
    unsigned id = 0;
    int width = 0, height = 0, hotX = 0, hotY = 0;
    bool shared = true;  // loaded (the module's) rather than copied (the caller's)
};
// The cursor's description, or null when it is not a valid cursor.
const CursorInfo* cursorInfo(HCURSOR cursor);
// "winhlp32.exe#106", "system#32512", or "none" (null or invalid).
std::string cursorName(HCURSOR cursor);
// The copies not yet destroyed (for tests of ownership).
int liveCursorCopies();
}  // namespace vthost::ui

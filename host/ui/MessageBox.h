// Message boxes and beeps, headless: the box is printed to the command line (caption, icon,
// text, buttons with the default marked) and the answer is read from the command line's input:
// a button's name or its first letter ("Yes", "n"), Enter for the default button (MB_DEFBUTTON2
// makes the second one the default). When the input has run out the answer is the box's
// cancelling button: Cancel, else No, else OK. MessageBeep writes the beep to the output.
#pragma once
#include "ui/WinMessages.h"

extern "C" {
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
BOOL MessageBeep(UINT type);
}

int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
// The text is string resource promptId (current resource handle, then the resource chain).
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = UINT(-1));

// The caption of boxes that name none: the host program's name.
constexpr const char* kHostProgramName = "vthost";

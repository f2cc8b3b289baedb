// What the editor's dialogs take from the application: the texts of the resource module, its
// help topics and its handle, and the application module's own file. The application object owns all three; these functions only ask
// it, so that a dialog needs nothing else of the application.
#pragma once
#include "ut/CString.h"
#include "ut/Win32.h"

namespace vantorell::dialogs {

// String id of the resource module (empty when it has none).
CString loadString(unsigned id);
// Opens the application's help file on a context number.
void showHelpTopic(unsigned long context);
// The resource module's handle (null while the application has none).
HINSTANCE resourceModule();
// The full path of the application module's file (empty when unknown).
CString applicationFile();

}  // namespace vantorell::dialogs

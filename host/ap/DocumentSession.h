// vthost document session: creating, opening, saving and closing drawings as the host's file
// commands do, with the messages modules expect. A new or opened drawing becomes current and every
// loaded module then gets kLoadDwgMsg; closing sends kUnloadDwgMsg to every module while the
// drawing is still current, then documentToBeDestroyed. A module loaded while drawings are open
// gets kLoadDwgMsg once for each of them (each made current for its message). Host-internal.
#pragma once
#include <string>

#include "rx/AcRx.h"
#include "rx/AcadErrorStatus.h"

class AcApDocument;

namespace vthost {

// A new drawing "Drawing<n>"; it becomes current.
AcApDocument* newDrawing();
// Reads the drawing file into a new document that becomes current; null with the reader's status
// (eInvalidInput for a missing file) when it cannot be read. A drawing already open is made
// current instead (status eOk).
AcApDocument* openDrawing(const std::string& path, Acad::ErrorStatus& status);
// Writes the drawing; with a path it becomes the document's file. Marks it saved on success.
Acad::ErrorStatus saveDrawing(AcApDocument* doc, const std::string& path);
Acad::ErrorStatus closeDrawing(AcApDocument* doc);
// Loads a module with acrxLoadModule and sends kLoadDwgMsg for every open drawing to each module
// that the load brought in (a module's own nested loads included).
bool loadModuleIntoSession(const char* name, bool printit);
// Sends message to every loaded module, each with its own handle as app id.
void sendToModules(AcRx::AppMsgCode message);
// The file name without its folder.
std::string baseName(const std::string& path);

}  // namespace vthost

// Resources of modules: LoadStringA reads a string from one module's resource table, and the
// find functions a dialog template, a menu or a bitmap (tables of version 2); the resource
// chain is the list of resource modules that the lookup searches after the current resource
// handle (a module registers its resource module there at attach and takes it out at detach,
// as an extension module of the dialog framework would). The chain holds handles, not modules:
// registering does not keep a module loaded. See ap/ResourceLookup.h for the lookup through the
// current document's resource handle.
#pragma once
#include "ut/ResourceTable.h"
#include "ut/Win32.h"

using UINT = unsigned int;
using LPSTR = char*;

extern "C" {
// Win32 semantics: copies string id of instance into buffer, at most size - 1 characters and
// always a terminator, and answers the number of characters copied. A missing id, a module
// without resources, a null buffer or a size below 1 answer 0 (with an empty string when there
// is room for one).
int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size);
}

namespace vthost {
// The module's table; null when it has none or one of a newer version.
const VthostResourceTable* resourceTableOf(HINSTANCE instance);
// The string id of instance, or null.
const VthostStringResource* findStringResource(HINSTANCE instance, UINT id);
// Dialog template, menu or bitmap id of instance, or null (also for a version 1 table).
const VthostDialogResource* findDialogResource(HINSTANCE instance, UINT id);
const VthostMenuResource* findMenuResource(HINSTANCE instance, UINT id);
const VthostBitmapResource* findBitmapResource(HINSTANCE instance, UINT id);
// Cursor id of instance, or null (also for a table older than version 3).
const VthostCursorResource* findCursorResource(HINSTANCE instance, UINT id);

enum class ResourceKind { kString, kDialog, kMenu, kBitmap };
bool moduleHasResource(HINSTANCE instance, ResourceKind kind, UINT id);

// The resource chain, searched in registration order. Registering twice keeps one entry.
void addResourceModule(HINSTANCE instance);
void removeResourceModule(HINSTANCE instance);
// The first module on the chain that holds string id (a resource of kind), or null.
HINSTANCE chainModuleWithString(UINT id);
HINSTANCE chainModuleWith(ResourceKind kind, UINT id);

// The current resource handle comes from the documents (ap), which register where to ask at
// start-up; until then there is none.
void setCurrentResourceHandleSource(HINSTANCE (*source)());
// The module a resource of kind is taken from when code names no module: the current resource
// handle when it holds it, else the first module on the chain that does; null when none does.
HINSTANCE resourceModuleWith(ResourceKind kind, UINT id);
}  // namespace vthost

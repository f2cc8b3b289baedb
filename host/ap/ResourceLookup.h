// Which module a resource comes from: the current resource handle (the top of the current
// document's resource-handle stack, see AcApDocManager::pushResourceHandle) when it holds the
// resource, else the first module on the resource chain (vthost::addResourceModule) that does.
// This is how a module's code that loads a string without naming a module finds it: pushed or not.
#pragma once
#include "ut/Resources.h"

namespace vthost {
// The module that holds string id, or null.
HINSTANCE findResourceHandle(UINT id);
// The module that holds resource id of kind (a dialog template, a menu, a bitmap), or null.
HINSTANCE findResourceHandle(ResourceKind kind, UINT id);
// LoadStringA from findResourceHandle(id): 0 and an empty string when no module holds it.
int loadResourceString(UINT id, char* buffer, int size);
}  // namespace vthost

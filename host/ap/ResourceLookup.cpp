#include "ap/ResourceLookup.h"

#include "ap/AcApDocManager.h"

namespace vthost {

namespace {

HINSTANCE currentDocumentResourceHandle() {
    return acDocManager != nullptr ? acDocManager->currentResourceHandle() : nullptr;
}

// Resource lookups below the documents (CString::LoadString, the dialog framework) ask here.
[[maybe_unused]] const bool kSourceRegistered =
    (setCurrentResourceHandleSource(&currentDocumentResourceHandle), true);

}  // namespace

HINSTANCE findResourceHandle(UINT id) { return resourceModuleWith(ResourceKind::kString, id); }

HINSTANCE findResourceHandle(ResourceKind kind, UINT id) { return resourceModuleWith(kind, id); }

int loadResourceString(UINT id, char* buffer, int size) {
    return LoadStringA(findResourceHandle(id), id, buffer, size);
}

}  // namespace vthost

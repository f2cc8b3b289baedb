#include "ap/ResourceLookup.h"

#include "ap/AcApDocManager.h"

namespace vthost {

HINSTANCE findResourceHandle(UINT id) {
    HINSTANCE current = acDocManager != nullptr ? acDocManager->currentResourceHandle() : nullptr;
    if (findStringResource(current, id) != nullptr) return current;
    return chainModuleWithString(id);
}

int loadResourceString(UINT id, char* buffer, int size) {
    return LoadStringA(findResourceHandle(id), id, buffer, size);
}

}  // namespace vthost

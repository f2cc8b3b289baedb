#include "dialogs/ResourceHandleScope.h"

#include "ap/AcApDocManager.h"

namespace vantorell::dialogs {

ResourceHandleScope::ResourceHandleScope(HINSTANCE module) {
    AcApDocManager* documents = acDocManagerPtr();
    if (documents == nullptr) return;
    documents->pushResourceHandle(module);
    m_pushed = true;
}

ResourceHandleScope::~ResourceHandleScope() {
    AcApDocManager* documents = acDocManagerPtr();
    if (m_pushed && documents != nullptr) documents->popResourceHandle();
}

}  // namespace vantorell::dialogs

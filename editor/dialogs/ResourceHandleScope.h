// Makes a resource module the current resource handle of the current document for one scope
// (pushed on construction, popped on destruction), so that what a dialog opened inside the scope
// loads comes from that module first. The documents own the handle stack; the scope owns nothing.
#pragma once
#include "ut/Win32.h"

namespace vantorell::dialogs {

class ResourceHandleScope {
public:
    explicit ResourceHandleScope(HINSTANCE module);
    ~ResourceHandleScope();
    ResourceHandleScope(const ResourceHandleScope&) = delete;
    ResourceHandleScope& operator=(const ResourceHandleScope&) = delete;

private:
    bool m_pushed = false;
};

}  // namespace vantorell::dialogs

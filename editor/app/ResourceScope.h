// Makes the application's resource module the current resource handle for one scope, so that
// templates, menus and strings are found there first; pops it on every way out.
#pragma once
#include "ap/AcApDocManager.h"
#include "app/VantorellUiApp.h"

namespace vantorell {

class ResourceScope {
public:
    ResourceScope() { acDocManagerPtr()->pushResourceHandle(vantorellApp().resourceInstance()); }
    ~ResourceScope() { acDocManagerPtr()->popResourceHandle(); }
    ResourceScope(const ResourceScope&) = delete;
    ResourceScope& operator=(const ResourceScope&) = delete;
};

}  // namespace vantorell

// CVantorellApp: the editor application's application object (one static object per module
// instance). It loads the object library beside it, registers the style-manager service, the
// editor reactor and the commands, defines vt_init for every drawing, and offers the rest of the
// application its resource strings, its help and the service. The host owns the registered
// service; the application keeps a pointer to it while it is initialised.
#pragma once
#include "module/ModuleApplication.h"
#include "ut/CString.h"

class AcPropertyLinkStyleMgr;

class CVantorellApp : public ModuleApplication {
public:
    AcRx::AppRetCode initApplication() override;
    AcRx::AppRetCode unloadApplication() override;
    AcRx::AppRetCode onLoadDwg() override;
    AcRx::AppRetCode onUnloadDwg() override;
    AcRx::AppRetCode onInvkSubr() override;
    void registerClasses() override;
    void unregisterClasses() override;
    void registerCommands() override;
    void unregisterCommands() override;

    // Process attach: loads the resource module beside this module; false when it cannot.
    bool attachResources(HINSTANCE instance);
    // Process detach: frees the resource module.
    void detachResources();

    HINSTANCE resourceInstance() const { return m_resourceInstance; }
    AcPropertyLinkStyleMgr* service() const { return m_service; }
    // String id of the resource module (empty when it has none).
    CString loadResString(unsigned id);
    // Opens the help file beside this module on a context number; the viewer's answer, or 0.
    void* showHelp(unsigned long context);
    // folder/name for a file beside this module; empty (with a message) when the module's
    // folder is unknown.
    CString fileBesideModule(const char* name);

private:
    AcRx::AppRetCode loadLibraries();
    bool registerService();

    HINSTANCE m_resourceInstance = nullptr;
    AcPropertyLinkStyleMgr* m_service = nullptr;
    HMODULE m_helpLibrary = nullptr;
};

// The module's application object.
CVantorellApp& vantorellApp();

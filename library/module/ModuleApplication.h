// ModuleApplication: the application object of a module. Each module has exactly one, a static
// object whose constructor makes it the module's current application; acrxEntryPoint hands every
// host message to it and it answers through overridable operations. The order of the virtual
// operations is part of the framework's contract.
#pragma once
#include "rx/AcRx.h"
#include "ut/Win32.h"

class ModuleApplication {
public:
    ModuleApplication();
    virtual ~ModuleApplication();
    ModuleApplication(const ModuleApplication&) = delete;
    ModuleApplication& operator=(const ModuleApplication&) = delete;

    // The module's path from its last folder separator on (separator included), or its folder
    // without the trailing separator; both in static buffers of MAX_PATH characters. Null when
    // the module's path is unknown, too long for the buffer, or has no separator.
    virtual const char* moduleFileName();
    virtual const char* moduleFolder();
    virtual void* appId();
    virtual AcRx::AppRetCode initApplication();
    virtual AcRx::AppRetCode unloadApplication();
    virtual AcRx::AppRetCode onLoadDwg();
    virtual AcRx::AppRetCode onUnloadDwg();
    virtual AcRx::AppRetCode onSave();
    virtual AcRx::AppRetCode onEnd();
    virtual AcRx::AppRetCode onQuit();
    virtual AcRx::AppRetCode onCfg();
    virtual AcRx::AppRetCode onInvkSubr();
    virtual AcRx::AppRetCode onDependency();
    virtual AcRx::AppRetCode onNoDependency();
    virtual AcRx::AppRetCode onOleUnloadApp();
    virtual AcRx::AppRetCode onPreQuit();
    virtual AcRx::AppRetCode onInitDialog(void* argument);
    virtual AcRx::AppRetCode onEndDialog(void* argument);
    virtual void registerClasses();
    virtual void unregisterClasses();
    virtual void registerCommands();
    virtual void unregisterCommands();
    virtual void finishInitialisation();
    virtual void beginUnload();
    virtual void registerExtras();

    // Stores appId and runs the operation that answers msg.
    AcRx::AppRetCode dispatch(AcRx::AppMsgCode msg, void* appId);
    HINSTANCE instance() const { return m_instance; }
    void setInstance(HINSTANCE instance) { m_instance = instance; }

    // The module's application object (the last one constructed in this module).
    static ModuleApplication* current();

private:
    AcRx::AppRetCode initialise();
    AcRx::AppRetCode unload();
    bool readModulePath(char* path);

    HINSTANCE m_instance = nullptr;
    void* m_appId = nullptr;
};

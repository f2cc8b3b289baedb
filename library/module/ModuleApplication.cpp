#include "module/ModuleApplication.h"

#include <clocale>
#include <cstring>

#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxSysRegistry.h"
#include "rx/AcRxClass.h"

namespace {
ModuleApplication* g_application = nullptr;
// The module's two path buffers. Internal to each module that carries the framework, so that a
// program linked with a module never shares them with it.
char s_fileName[MAX_PATH];
char s_folder[MAX_PATH];

// The runtime library follows the system's character set, but numbers always use a decimal
// point whatever the user's regional settings.
void setLocales() {
    if (std::setlocale(LC_ALL, ".ACP") == nullptr) std::setlocale(LC_ALL, "");
    if (std::setlocale(LC_NUMERIC, "ENU") == nullptr) std::setlocale(LC_NUMERIC, "C");
}
}  // namespace

ModuleApplication::ModuleApplication() {
    g_application = this;
}

ModuleApplication::~ModuleApplication() {
    if (g_application == this) g_application = nullptr;
}

ModuleApplication* ModuleApplication::current() {
    return g_application;
}

// A path that does not fit the buffer counts as unknown rather than being cut short.
bool ModuleApplication::readModulePath(char* path) {
    DWORD length = GetModuleFileNameA(m_instance, path, MAX_PATH);
    return length > 0 && length < MAX_PATH;
}

const char* ModuleApplication::moduleFileName() {
    char path[MAX_PATH];
    if (!readModulePath(path)) return nullptr;
    const char* separator = std::strrchr(path, '/');
    if (separator == nullptr) return nullptr;
    std::strcpy(s_fileName, separator);
    return s_fileName;
}

const char* ModuleApplication::moduleFolder() {
    char path[MAX_PATH];
    if (!readModulePath(path)) return nullptr;
    char* separator = std::strrchr(path, '/');
    if (separator == nullptr) return nullptr;
    *separator = '\0';
    std::strcpy(s_folder, path);
    return s_folder;
}

void* ModuleApplication::appId() {
    return m_appId;
}
AcRx::AppRetCode ModuleApplication::initApplication() {
    return AcRx::kRetOK;
}
AcRx::AppRetCode ModuleApplication::unloadApplication() {
    return AcRx::kRetOK;
}
AcRx::AppRetCode ModuleApplication::onLoadDwg() {
    return AcRx::kRetOK;
}
AcRx::AppRetCode ModuleApplication::onUnloadDwg() {
    return AcRx::kRetOK;
}
AcRx::AppRetCode ModuleApplication::onSave() {
    return AcRx::kRetOK;
}
AcRx::AppRetCode ModuleApplication::onEnd() {
    return AcRx::kRetOK;
}
AcRx::AppRetCode ModuleApplication::onQuit() {
    return AcRx::kRetOK;
}
AcRx::AppRetCode ModuleApplication::onCfg() {
    return AcRx::kRetOK;
}
AcRx::AppRetCode ModuleApplication::onInvkSubr() {
    return AcRx::kRetOK;
}
AcRx::AppRetCode ModuleApplication::onDependency() {
    return AcRx::kRetOK;
}
AcRx::AppRetCode ModuleApplication::onNoDependency() {
    return AcRx::kRetOK;
}
AcRx::AppRetCode ModuleApplication::onOleUnloadApp() {
    return AcRx::kRetOK;
}
AcRx::AppRetCode ModuleApplication::onPreQuit() {
    return AcRx::kRetOK;
}
AcRx::AppRetCode ModuleApplication::onInitDialog(void*) {
    return AcRx::kRetOK;
}
AcRx::AppRetCode ModuleApplication::onEndDialog(void*) {
    return AcRx::kRetOK;
}
void ModuleApplication::registerClasses() {}
void ModuleApplication::unregisterClasses() {}
void ModuleApplication::registerCommands() {}
void ModuleApplication::unregisterCommands() {}
void ModuleApplication::finishInitialisation() {}
void ModuleApplication::beginUnload() {}
void ModuleApplication::registerExtras() {}

AcRx::AppRetCode ModuleApplication::initialise() {
    setLocales();
    acrxUnlockApplication(m_appId);
    auto* linker = static_cast<AcRxDynamicLinker*>(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER));
    if (linker != nullptr) linker->registerAppMDIAware(m_appId);
    registerClasses();
    acrxBuildClassHierarchy();
    registerCommands();
    registerExtras();
    finishInitialisation();
    return initApplication();
}

AcRx::AppRetCode ModuleApplication::unload() {
    beginUnload();
    unregisterCommands();
    unregisterClasses();
    return unloadApplication();
}

AcRx::AppRetCode ModuleApplication::dispatch(AcRx::AppMsgCode msg, void* appId) {
    m_appId = appId;
    switch (msg) {
        case AcRx::kInitAppMsg:
            return initialise();
        case AcRx::kUnloadAppMsg:
            return unload();
        case AcRx::kLoadDwgMsg:
            return onLoadDwg();
        case AcRx::kUnloadDwgMsg:
            return onUnloadDwg();
        case AcRx::kInvkSubrMsg:
            return onInvkSubr();
        case AcRx::kCfgMsg:
            return onCfg();
        case AcRx::kEndMsg:
            return onEnd();
        case AcRx::kQuitMsg:
            return onQuit();
        case AcRx::kSaveMsg:
            return onSave();
        case AcRx::kDependencyMsg:
            return onDependency();
        case AcRx::kNoDependencyMsg:
            return onNoDependency();
        case AcRx::kOleUnloadAppMsg:
            return onOleUnloadApp();
        case AcRx::kPreQuitMsg:
            return onPreQuit();
        case AcRx::kInitDialogMsg:
            return onInitDialog(appId);
        case AcRx::kEndDialogMsg:
            return onEndDialog(appId);
        default:
            return AcRx::kRetOK;
    }
}

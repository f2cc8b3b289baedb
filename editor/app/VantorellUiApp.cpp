#include "app/VantorellUiApp.h"

#include <new>

#include "ap/AcApDocManager.h"
#include "app/CommandTable.h"
#include "app/MenuLoader.h"
#include "app/MessageFormat.h"
#include "app/ResourceIds.h"
#include "app/ResourceScope.h"
#include "ed/AcedLisp.h"
#include "ed/EditorCommands.h"
#include "reactor/CVantorellEditorReactor.h"
#include "rx/AcRxClass.h"
#include "rx/AcRxDictionary.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxSysRegistry.h"
#include "service/AcPropertyLinkStyleMgr.h"
#include "ut/AcUtil.h"
#include "ut/AdsCodes.h"
#include "ut/Resources.h"

namespace {

constexpr const char* kResourceModule = "VantorellUiRes.dll";
constexpr const char* kHelpFile = "vantorell.chm";
constexpr const char* kHelpLibrary = "hhctrl.ocx";
constexpr unsigned kHtmlHelpOrdinal = 14;
constexpr unsigned kHelpContextCommand = 0x0F;
constexpr const char* kLoadedModules[] = {"vantorell.dbx"};

// The LISP functions this application defines for every drawing.
struct LispFunction {
    const char* name;
    int (*handler)();
    bool registerHandler;
};
const LispFunction kLispFunctions[] = {{"vt_init", &vantorell::loadMenu, false}};
constexpr int kLispFunctionCount = static_cast<int>(sizeof kLispFunctions / sizeof *kLispFunctions);

using HtmlHelpFunction = void* (*)(void* owner, const char* file, unsigned command,
                                   unsigned long data);

CVantorellApp g_app;

}  // namespace

CVantorellApp& vantorellApp() {
    return g_app;
}

CString CVantorellApp::fileBesideModule(const char* name) {
    const char* folder = moduleFolder();
    if (folder == nullptr) {
        acutPrintf("\nERROR: the folder of %s is unknown or its path too long.", name);
        return CString();
    }
    CString path(folder);
    path += "/";
    path += name;
    return path;
}

bool CVantorellApp::attachResources(HINSTANCE instance) {
    setInstance(instance);
    CString path = fileBesideModule(kResourceModule);
    if (path.IsEmpty()) return false;
    m_resourceInstance = LoadLibraryA(path);
    if (m_resourceInstance == nullptr) return false;
    // The resource module joins the resource chain, so that strings, templates and pictures are
    // found in it even when no code pushed its handle.
    vthost::addResourceModule(m_resourceInstance);
    return true;
}

void CVantorellApp::detachResources() {
    if (m_resourceInstance == nullptr) return;
    vthost::removeResourceModule(m_resourceInstance);
    FreeLibrary(m_resourceInstance);
    m_resourceInstance = nullptr;
}

CString CVantorellApp::loadResString(unsigned id) {
    vantorell::ResourceScope scope;
    // LoadStringA copies at most size - 1 characters: grow until the whole string fitted.
    for (int size = 256; size <= (1 << 20); size *= 4) {
        std::string buffer(static_cast<std::size_t>(size), '\0');
        int copied = LoadStringA(m_resourceInstance, id, buffer.data(), size);
        if (copied < size - 1) return CString(buffer.c_str());
    }
    return CString();
}

void* CVantorellApp::showHelp(unsigned long context) {
    if (m_helpLibrary == nullptr) m_helpLibrary = LoadLibraryA(kHelpLibrary);
    if (m_helpLibrary == nullptr) return nullptr;
    auto htmlHelp = reinterpret_cast<HtmlHelpFunction>(
        GetProcAddress(m_helpLibrary, MAKEINTRESOURCEA(kHtmlHelpOrdinal)));
    if (htmlHelp == nullptr) return nullptr;
    CString path = fileBesideModule(kHelpFile);
    if (path.IsEmpty()) return nullptr;
    return htmlHelp(nullptr, path, kHelpContextCommand, context);
}

void CVantorellApp::registerClasses() {
    AcPropertyLinkStyleMgr::rxInit();
    CVantorellEditorReactor::rxInit();
}

void CVantorellApp::unregisterClasses() {
    deleteAcRxClass(CVantorellEditorReactor::desc());
    deleteAcRxClass(AcPropertyLinkStyleMgr::desc());
}

void CVantorellApp::registerCommands() {
    vantorell::registerCommandTable();
}

void CVantorellApp::unregisterCommands() {
    vantorell::removeCommandTable();
}

AcRx::AppRetCode CVantorellApp::loadLibraries() {
    for (const char* name : kLoadedModules) {
        CString path = fileBesideModule(name);
        if (path.IsEmpty() || !acrxLoadModule(path, false, false)) {
            acutPrintf("\nERROR: failed to load module %s", path.IsEmpty() ? name : path.GetString());
            return AcRx::kRetError;
        }
    }
    return AcRx::kRetOK;
}

bool CVantorellApp::registerService() {
    m_service = new (std::nothrow) AcPropertyLinkStyleMgr();
    if (m_service == nullptr) return false;
    acrxDynamicLinker()->registerService(vantorell::kStyleManagerServiceName, m_service);
    return true;
}

AcRx::AppRetCode CVantorellApp::initApplication() {
    vantorell::ResourceScope scope;
    if (loadLibraries() != AcRx::kRetOK || !registerService()) {
        // The host unloads an application whose initialisation failed without an unload
        // message: what it registered must not outlive it.
        unregisterCommands();
        unregisterClasses();
        return AcRx::kRetError;
    }
    vantorell::installEditorReactor();
    return AcRx::kRetOK;
}

AcRx::AppRetCode CVantorellApp::unloadApplication() {
    vantorell::removeEditorReactor();
    auto* services = AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_SERVICE_DICTIONARY));
    if (services != nullptr) delete services->remove(vantorell::kStyleManagerServiceName);
    m_service = nullptr;
    return AcRx::kRetOK;
}

AcRx::AppRetCode CVantorellApp::onLoadDwg() {
    for (int code = 0; code < kLispFunctionCount; ++code) {
        const LispFunction& function = kLispFunctions[code];
        if (acedDefun(function.name, static_cast<short>(code)) != RTNORM) break;
        if (function.registerHandler && acedRegFunc(function.handler, code) != RTNORM) break;
    }
    ads_queueexpr("(vt_init)");
    return AcRx::kRetOK;
}

AcRx::AppRetCode CVantorellApp::onUnloadDwg() {
    acedUndef("vt_init", 0);
    return AcRx::kRetOK;
}

AcRx::AppRetCode CVantorellApp::onInvkSubr() {
    int code = acedGetFunCode();
    if (code >= 0 && code < kLispFunctionCount) {
        if (kLispFunctions[code].handler() == RTNORM) acedRetVoid();
    } else {
        acdbFail("Received nonexistent function code.");
    }
    return AcRx::kRetOK;
}

extern "C" {

__attribute__((visibility("default"))) AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg,
                                                                       void* appId) {
    return ModuleApplication::current()->dispatch(msg, appId);
}

__attribute__((visibility("default"))) int acrxGetApiVersion() {
    return 15;
}

// Process attach refuses the load when the resource module cannot be loaded.
__attribute__((visibility("default"))) BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) return g_app.attachResources(instance) ? TRUE : FALSE;
    if (reason == DLL_PROCESS_DETACH) g_app.detachResources();
    return TRUE;
}

}  // extern "C"

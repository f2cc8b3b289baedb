#include "ap/DocumentSession.h"

#include <unistd.h>

#include <algorithm>
#include <memory>

#include "ap/AcApDocManager.h"
#include "ap/DocumentState.h"
#include "db/AcDbDatabase.h"
#include "rx/AcRxDynamicLinker.h"

namespace vthost {

namespace {

int g_drawingCounter = 0;

std::string absolutePath(const std::string& path) {
    char resolved[4096];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

void sendToModule(const std::string& path, AcRx::AppMsgCode message) {
    HMODULE handle = GetModuleHandleA(path.c_str());
    if (handle == nullptr) return;
    if (auto entry = procAddress<AcRxEntryPointFunction>(handle, "acrxEntryPoint")) entry(message, handle);
}

AcApDocument* adopt(AcDbDatabase* db, const std::string& path, const std::string& title) {
    auto* doc = new AcApDocument(db, path.c_str(), title.c_str());
    acDocManager->appendDocument(doc);
    acDocManager->setCurDocument(doc);
    sendToModules(AcRx::kLoadDwgMsg);
    return doc;
}

}  // namespace

std::string baseName(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void sendToModules(AcRx::AppMsgCode message) {
    for (const std::string& path : acrxDynamicLinker()->loadedModuleNames()) sendToModule(path, message);
}

AcApDocument* newDrawing() {
    return adopt(new AcDbDatabase(true), "", "Drawing" + std::to_string(++g_drawingCounter));
}

AcApDocument* openDrawing(const std::string& path, Acad::ErrorStatus& status) {
    std::string full = absolutePath(path);
    for (AcApDocument* doc : acDocManager->documents()) {
        if (doc->fileName() != full) continue;
        status = acDocManager->setCurDocument(doc);
        return doc;
    }
    if (access(path.c_str(), R_OK) != 0) {
        status = Acad::eInvalidInput;
        return nullptr;
    }
    auto db = std::make_unique<AcDbDatabase>(false);
    status = db->readDwgFile(path.c_str());
    if (status != Acad::eOk) return nullptr;
    return adopt(db.release(), full, baseName(full));
}

Acad::ErrorStatus saveDrawing(AcApDocument* doc, const std::string& path) {
    if (doc == nullptr) return Acad::eInvalidInput;
    std::string target = path.empty() ? std::string(doc->fileName()) : path;
    if (target.empty()) return Acad::eInvalidInput;
    Acad::ErrorStatus status = doc->database()->saveAs(target.c_str());
    if (status != Acad::eOk) return status;
    std::string full = absolutePath(target);
    doc->setFileName(full, baseName(full));
    doc->state().undo.markSaved();
    return Acad::eOk;
}

Acad::ErrorStatus closeDrawing(AcApDocument* doc) {
    if (doc == nullptr) return Acad::eInvalidInput;
    acDocManager->setCurDocument(doc);
    sendToModules(AcRx::kUnloadDwgMsg);
    return acDocManager->closeDocument(doc);
}

bool loadModuleIntoSession(const char* name, bool printit) {
    std::vector<std::string> before = acrxDynamicLinker()->loadedModuleNames();
    if (!acrxLoadModule(name, printit)) return false;
    AcApDocManager* manager = acDocManager;
    if (manager == nullptr || manager->documentCount() == 0) return true;
    AcApDocument* current = manager->curDocument();
    for (const std::string& path : acrxDynamicLinker()->loadedModuleNames()) {
        if (std::find(before.begin(), before.end(), path) != before.end()) continue;
        for (AcApDocument* doc : manager->documents()) {
            manager->setCurDocument(doc);
            sendToModule(path, AcRx::kLoadDwgMsg);
        }
    }
    manager->setCurDocument(current);
    return true;
}

}  // namespace vthost

// The host's file and session commands: NEW, OPEN, SAVE, SAVEAS, QSAVE, CLOSE, QUIT, DRAWINGS
// (list the open drawings and switch), ARX and APPLOAD (modules), SCRIPT.
#include <algorithm>
#include <string>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "ap/DocumentState.h"
#include "ed/CommandLine.h"
#include "ed/CommandRunner.h"
#include "ed/UserInput.h"
#include "rx/AcRxDynamicLinker.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

// A file name: a whole line, so that names may hold spaces. Empty when cancelled or Enter.
bool askFileName(const std::string& prompt, std::string& name) {
    char text[132] = "";
    if (acedGetString(1, prompt.c_str(), text) != RTNORM) return false;
    name = text;
    return !name.empty();
}

const char* statusText(Acad::ErrorStatus status) {
    switch (status) {
        case Acad::eInvalidInput: return "not found or not a drawing file";
        case Acad::eNotImplementedYet: return "written by a newer version";
        case Acad::eEndOfFile: return "the file is cut short";
        default: return "the file is damaged or cannot be written";
    }
}

bool save(AcApDocument* doc, const std::string& path) {
    Acad::ErrorStatus status = saveDrawing(doc, path);
    if (status == Acad::eOk) {
        acutPrintf("\nSaved %s.", doc->docTitle());
        return true;
    }
    failCommand("Cannot save " + (path.empty() ? std::string(doc->docTitle()) : path) + ": " + statusText(status) + ".");
    return false;
}

bool saveWithName(AcApDocument* doc) {
    std::string name;
    std::string suggested = *doc->fileName() ? doc->docTitle() : std::string(doc->docTitle()) + ".dwg";
    std::string prompt = "\nSave drawing as <" + suggested + ">: ";
    if (!askFileName(prompt, name)) name = *doc->fileName() ? doc->fileName() : suggested;
    if (commandLine().takeCancelled()) return cancelCommand(), false;
    return save(doc, name);
}

// Asks whether to keep a drawing's changes; false when the user cancels.
bool offerToSave(AcApDocument* doc) {
    if (!doc->state().undo.hasUnsavedChanges()) return true;
    acedInitGet(0, "Yes No Cancel");
    char answer[132] = "";
    std::string prompt = std::string("\nSave changes to ") + doc->docTitle() + "? [Yes/No/Cancel] <Yes>: ";
    int status = acedGetKword(prompt.c_str(), answer);
    if (status == RTCAN || std::string(answer) == "Cancel") return false;
    if (std::string(answer) == "No") return true;
    return *doc->fileName() ? save(doc, "") : saveWithName(doc);
}

void newCommand() {
    AcApDocument* doc = newDrawing();
    acutPrintf("\n%s is the current drawing.", doc->docTitle());
}

void openCommand() {
    std::string name;
    if (!askFileName("\nEnter name of drawing to open: ", name)) return;
    Acad::ErrorStatus status = Acad::eOk;
    AcApDocument* doc = openDrawing(name, status);
    if (doc == nullptr) {
        return failCommand("Cannot open " + name + ": " + statusText(status) + ".");
    }
    acutPrintf("\n%s is the current drawing.", doc->docTitle());
}

void saveCommand() { saveWithName(currentDrawing()); }

void qsaveCommand() {
    AcApDocument* doc = currentDrawing();
    if (*doc->fileName()) save(doc, "");
    else saveWithName(doc);
}

void closeCommand() {
    AcApDocument* doc = currentDrawing();
    if (doc == nullptr) { acutPrintf("\nNo drawing is open."); return; }
    if (!offerToSave(doc)) return cancelCommand();
    std::string title = doc->docTitle();
    closeDrawing(doc);
    acutPrintf("\n%s closed.", title.c_str());
    if (AcApDocument* current = currentDrawing()) acutPrintf(" %s is the current drawing.", current->docTitle());
}

void quitCommand() {
    for (AcApDocument* doc : acDocManager->documents()) {
        acDocManager->setCurDocument(doc);
        if (!offerToSave(doc)) return cancelCommand();
    }
    requestQuit();
}

void drawingsCommand() {
    std::vector<AcApDocument*> docs = acDocManager->documents();
    if (docs.empty()) { acutPrintf("\nNo drawing is open."); return; }
    for (std::size_t i = 0; i < docs.size(); ++i)
        acutPrintf("\n%c%zu  %s%s", docs[i] == currentDrawing() ? '*' : ' ', i + 1, docs[i]->docTitle(),
                   docs[i]->state().undo.hasUnsavedChanges() ? "  (changed)" : "");
    acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
    int number = 0;
    int status = acedGetInt("\nEnter number of drawing to make current <keep>: ", &number);
    if (status != RTNORM) return;
    if (number > static_cast<int>(docs.size())) return failCommand("No drawing has number " + std::to_string(number) + ".");
    acDocManager->setCurDocument(docs[static_cast<std::size_t>(number - 1)]);
    acutPrintf("\n%s is the current drawing.", currentDrawing()->docTitle());
}

void loadModule(const std::string& name) {
    if (loadModuleIntoSession(name.c_str(), true)) acutPrintf("\n%s loaded.", name.c_str());
    else failCommand("Cannot load " + name + ".");
}

void listModules() {
    std::vector<std::string> names = acrxDynamicLinker()->loadedModuleNames();
    if (names.empty()) acutPrintf("\nNo modules are loaded.");
    for (const std::string& path : names) acutPrintf("\n%s", baseName(path).c_str());
}

void arxCommand() {
    acedInitGet(0, "? Load Unload");
    char option[132] = "";
    if (acedGetKword("\nEnter an option [?/Load/Unload]: ", option) != RTNORM) return;
    std::string chosen = option;
    if (chosen == "?") return listModules();
    std::string name;
    if (!askFileName(chosen == "Load" ? "\nEnter module file name to load: " : "\nEnter module file name to unload: ", name))
        return;
    if (chosen == "Load") return loadModule(name);
    if (acrxUnloadModule(name.c_str())) { acutPrintf("\n%s unloaded.", name.c_str()); return; }
    failCommand(name + " could not be unloaded (not loaded, locked, or it refused).");
}

void apploadCommand() {
    std::string name;
    if (askFileName("\nEnter module file name to load: ", name)) loadModule(name);
}

void scriptCommand() {
    std::string name;
    if (!askFileName("\nEnter script file name: ", name)) return;
    if (commandLine().pushScript(name)) return;
    failCommand("Cannot read script " + name + ".");
}

}  // namespace

void registerFileCommands() {
    addHostCommand("NEW", newCommand, true);
    addHostCommand("OPEN", openCommand, true);
    addHostCommand("SAVE", saveCommand);
    addHostCommand("SAVEAS", saveCommand);
    addHostCommand("QSAVE", qsaveCommand);
    addHostCommand("CLOSE", closeCommand, true);
    addHostCommand("QUIT", quitCommand, true);
    addHostCommand("DRAWINGS", drawingsCommand, true);
    addHostCommand("ARX", arxCommand, true);
    addHostCommand("APPLOAD", apploadCommand, true);
    addHostCommand("SCRIPT", scriptCommand, true);
}

}  // namespace vthost

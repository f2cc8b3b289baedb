// The host's DXF commands. DXFIN reads a DXF file into a new drawing, or, when a drawing is open and
// the user answers Current, into the current drawing (as one undo group, so U takes the whole
// import back); the file is read whole before anything reaches the drawing, so a refused file
// leaves it unchanged (a new drawing made for it is closed again). DXFOUT writes the current
// drawing. Both print their report: what was carried, counted by kind, and every kind that was not.
#include <string>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "ap/DocumentState.h"
#include "dxf/DxfExport.h"
#include "dxf/DxfImport.h"
#include "ed/CommandLine.h"
#include "ed/CommandRunner.h"
#include "ed/UserInput.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

// "LINE 2, TEXT 1"; "none" when empty.
std::string countsText(const DxfCounts& counts) {
    std::string text;
    for (const auto& [kind, count] : counts)
        text += (text.empty() ? "" : ", ") + kind + " " + std::to_string(count);
    return text.empty() ? "none" : text;
}

std::string plural(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

void printImportReport(const DxfImportReport& report, const char* title) {
    int entities = totalOf(report.imported);
    acutPrintf("\nImported into %s: %s (%s), %s, %s.", title, plural(entities, "entity", "entities").c_str(),
               countsText(report.imported).c_str(), plural(report.blocksDefined, "block", "blocks").c_str(),
               plural(report.headerVariables, "header variable", "header variables").c_str());
    acutPrintf("\nNot carried: %s.", countsText(report.notCarried).c_str());
    acutPrintf("\nTable entries and objects not carried: %s.",
               countsText(report.objectsNotCarried).c_str());
}

void printExportReport(const DxfExportReport& report, const std::string& path) {
    int entities = totalOf(report.written);
    acutPrintf("\nWrote %s: %s (%s), %s.", path.c_str(), plural(entities, "entity", "entities").c_str(),
               countsText(report.written).c_str(), plural(report.blocksWritten, "block", "blocks").c_str());
    acutPrintf("\nNot carried: %s.", countsText(report.notCarried).c_str());
}

// A file name: a whole line, so that names may hold spaces. Enter takes suggested (if any).
bool askDxfName(const std::string& prompt, const std::string& suggested, std::string& name) {
    char text[132] = "";
    int status = acedGetString(1, prompt.c_str(), text);
    if (status != RTNORM && status != RTNONE) return false;
    name = *text ? text : suggested;
    return !name.empty();
}

// "Current" or "New" for an open drawing; "New" without one. False when cancelled.
bool askTarget(bool& intoCurrent) {
    intoCurrent = false;
    if (currentDrawing() == nullptr) return true;
    acedInitGet(0, "Current New");
    char answer[132] = "";
    int status = acedGetKword("\nImport into [Current/New] drawing <New>: ", answer);
    if (status != RTNORM && status != RTNONE) return false;
    intoCurrent = std::string(answer) == "Current";
    return true;
}

// Holds doc locked for write and, unless a command that runs DXFIN through acedCommand already
// has one open, an undo group named DXFIN; both are released when the holder goes.
class ImportScope {
public:
    explicit ImportScope(AcApDocument* doc) : m_doc(doc), m_ownGroup(!doc->state().undo.groupOpen()) {
        acDocManager->lockDocument(m_doc, AcAp::kWrite, "DXFIN");
        if (m_ownGroup) m_doc->state().undo.beginGroup("DXFIN");
    }
    ~ImportScope() {
        if (m_ownGroup) m_doc->state().undo.endGroup();
        acDocManager->unlockDocument(m_doc);
    }
    ImportScope(const ImportScope&) = delete;
    ImportScope& operator=(const ImportScope&) = delete;

private:
    AcApDocument* m_doc;
    bool m_ownGroup;
};

Acad::ErrorStatus importInto(AcApDocument* doc, const std::string& path, DxfImportReport& report) {
    ImportScope scope(doc);
    return importDxf(path.c_str(), *doc->database(), report);
}

std::string refusalText(Acad::ErrorStatus es, const DxfImportReport& report) {
    if (!report.message.empty()) return report.message;
    return es == Acad::eEndOfFile ? "the file is cut short" : "not a DXF file the host can read";
}

void dxfinCommand() {
    std::string path;
    if (!askDxfName("\nEnter name of DXF file to import: ", "", path)) return cancelCommand();
    bool intoCurrent = false;
    if (!askTarget(intoCurrent)) return cancelCommand();
    AcApDocument* doc = intoCurrent ? currentDrawing() : newDrawing();
    DxfImportReport report;
    Acad::ErrorStatus es = importInto(doc, path, report);
    if (es != Acad::eOk) {
        if (!intoCurrent) closeDrawing(doc);
        return failCommand("Cannot import " + path + ": " + refusalText(es, report) + ".");
    }
    printImportReport(report, doc->docTitle());
}

// The drawing's file name with .dxf for .dwg (beside it); the title with .dxf when never saved.
std::string suggestedDxfName(AcApDocument* doc) {
    std::string name = *doc->fileName() ? doc->fileName() : doc->docTitle();
    std::string::size_type dot = name.rfind('.');
    std::string::size_type slash = name.rfind('/');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) name.erase(dot);
    return name + ".dxf";
}

void dxfoutCommand() {
    AcApDocument* doc = currentDrawing();
    std::string suggested = suggestedDxfName(doc), shown = baseName(suggested), typed;
    if (!askDxfName("\nEnter name of DXF file to write <" + shown + ">: ", shown, typed))
        return cancelCommand();
    std::string path = typed == shown ? suggested : typed;
    DxfExportReport report;
    if (exportDxf(*doc->database(), path.c_str(), report) != Acad::eOk)
        return failCommand("Cannot write " + typed + ": " + report.message + ".");
    printExportReport(report, typed);
}

}  // namespace

void registerDxfCommands() {
    addHostCommand("DXFIN", dxfinCommand, true);
    addHostCommand("DXFOUT", dxfoutCommand);
}

}  // namespace vthost

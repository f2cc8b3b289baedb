// The host's picture commands. PNGOUT writes a PNG picture of the objects selected, or of the
// whole current space when none are (Enter at "Select objects:"); PLOT writes the current space
// (the layout when TILEMODE is 0) to a file whose extension gives the format: .png, .svg or .pdf.
// Both only read the drawing. A name that gives no format PLOT knows, or a file that cannot be
// written, fails the command with one line; the drawing is left as it was.
#include <string>
#include <vector>

#include "program/CommandSupport.h"
#include "program/HostCommands.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "db/AcDbDatabase.h"
#include "ed/CommandRunner.h"
#include "ed/Selection.h"
#include "ed/UserInput.h"
#include "render/RenderDrawing.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

// PLOT's paper for the vector formats: A4 landscape, in points.
constexpr int kPaperWidth = 842;
constexpr int kPaperHeight = 595;

RenderSpace currentRenderSpace(const AcDbDatabase& db) {
    return db.headerVariables().getShort("TILEMODE", 1) == 0 ? RenderSpace::kLayout : RenderSpace::kModel;
}

const char* spaceTitle(RenderSpace space) { return space == RenderSpace::kLayout ? "the layout" : "Model space"; }

const char* formatTitle(PictureFormat format) {
    return format == PictureFormat::kSvg ? "SVG" : format == PictureFormat::kPdf ? "PDF" : "PNG";
}

// A file name: a whole line, so that names may hold spaces. Enter takes suggested.
bool askPictureName(const std::string& prompt, const std::string& suggested, std::string& name) {
    char text[132] = "";
    int status = acedGetString(1, prompt.c_str(), text);
    if (status != RTNORM && status != RTNONE) return false;
    name = *text ? text : suggested;
    return !name.empty();
}

// The drawing's name without its extension (beside the drawing when it has a file), plus tail.
std::string nameBesideDrawing(AcApDocument* doc, const std::string& tail) {
    std::string name = *doc->fileName() ? doc->fileName() : doc->docTitle();
    std::string::size_type dot = name.rfind('.'), slash = name.rfind('/');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) name.erase(dot);
    return name + tail;
}

// Asks for the file with suggested shown by its base name; the path to write and the name typed.
bool askOutputFile(const char* question, const std::string& suggested, std::string& path, std::string& typed) {
    std::string shown = baseName(suggested);
    if (!askPictureName(std::string("\n") + question + " <" + shown + ">: ", shown, typed)) return false;
    path = typed == shown ? suggested : typed;
    return true;
}

std::string writeFailure(Acad::ErrorStatus status) {
    return status == Acad::eInvalidInput ? "not a file name" : "the file cannot be written";
}

// The objects selected; whole is set when the user pressed Enter at once. False when cancelled.
bool selectOrWhole(std::vector<AcDbObjectId>& ids, bool& whole) {
    ads_name set;
    int status = acedSSGet(nullptr, nullptr, nullptr, nullptr, set);
    if (status == RTCAN) return false;
    whole = status != RTNORM;
    if (whole) return true;
    takeSelectionSet(set, ids);
    return true;
}

void pngoutCommand() {
    AcApDocument* doc = currentDrawing();
    std::string path, typed;
    if (!askOutputFile("Enter file name", nameBesideDrawing(doc, ".png"), path, typed)) return cancelCommand();
    if (formatOfName(path) == PictureFormat::kFromName && path.find('.', path.rfind('/') + 1) == std::string::npos) {
        path += ".png";
        typed += ".png";
    }
    RenderOptions options;
    bool whole = true;
    if (!selectOrWhole(options.only, whole)) return cancelCommand();
    options.space = currentRenderSpace(*doc->database());
    options.format = PictureFormat::kPng;
    Acad::ErrorStatus status = renderDrawing(*doc->database(), options, path.c_str());
    if (status != Acad::eOk) return failCommand("Cannot write " + typed + ": " + writeFailure(status) + ".");
    std::string what = whole ? spaceTitle(options.space) : std::to_string(options.only.size()) +
                                                              (options.only.size() == 1 ? " object" : " objects");
    acutPrintf("\nWrote %s: %s, %d x %d pixels.", typed.c_str(), what.c_str(), options.width, options.height);
}

void plotCommand() {
    AcApDocument* doc = currentDrawing();
    RenderOptions options;
    options.space = currentRenderSpace(*doc->database());
    const char* tail = options.space == RenderSpace::kLayout ? "-Layout.pdf" : "-Model.pdf";
    acutPrintf("\nPlotting %s to a file (.png, .svg or .pdf).", spaceTitle(options.space));
    std::string path, typed;
    if (!askOutputFile("Enter output file name", nameBesideDrawing(doc, tail), path, typed)) return cancelCommand();
    options.format = formatOfName(path);
    if (options.format == PictureFormat::kFromName)
        return failCommand("Cannot plot to " + typed + ": the name must end in .png, .svg or .pdf.");
    bool paper = options.format != PictureFormat::kPng;
    if (paper) options.width = kPaperWidth, options.height = kPaperHeight;
    Acad::ErrorStatus status = renderDrawing(*doc->database(), options, path.c_str());
    if (status != Acad::eOk) return failCommand("Cannot plot to " + typed + ": " + writeFailure(status) + ".");
    acutPrintf("\nPlotted %s to %s (%s, %d x %d %s).", spaceTitle(options.space), typed.c_str(),
               formatTitle(options.format), options.width, options.height, paper ? "points" : "pixels");
}

}  // namespace

void registerPlotCommands() {
    addHostCommand("PNGOUT", pngoutCommand);
    addHostCommand("PLOT", plotCommand);
}

}  // namespace vthost

#include "dxf/DxfImport.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "dxf/DxfCollector.h"
#include "dxf/DxfGroupFeed.h"
#include "dxf/DxfLibrary.h"
#include "dxf/DxfStagedDrawing.h"

namespace vthost {

namespace {

// The whole file as text; false for a missing file, a folder or a read error.
bool readWholeFile(const char* path, std::string& text) {
    struct stat info {};
    if (::stat(path, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return false;
    text = buffer.str();
    return true;
}

// Reads text into staged; dxflib's own allocation failures end the read as a refusal too.
Acad::ErrorStatus readAside(std::string_view text, DxfStagedDrawing& staged, std::string& message) {
    try {
        DL_Dxf dxf;
        DxfCollector collector(staged);
        Acad::ErrorStatus es = feedDxfGroups(text, dxf, collector, collector, message);
        if (es == Acad::eOk) collector.finish();
        return es;
    } catch (...) {
        message = "the DXF reader failed";
        return Acad::eInvalidInput;
    }
}

}  // namespace

Acad::ErrorStatus importDxfText(std::string_view text, AcDbDatabase& target,
                                DxfImportReport& report) {
    report.clear();
    DxfStagedDrawing staged;
    Acad::ErrorStatus es = readAside(text, staged, report.message);
    if (es != Acad::eOk) return es;
    return commitStagedDrawing(staged, target, report);
}

Acad::ErrorStatus importDxf(const char* path, AcDbDatabase& target, DxfImportReport& report) {
    report.clear();
    if (path == nullptr || *path == '\0') {
        report.message = "no file name";
        return Acad::eInvalidInput;
    }
    std::string text;
    if (!readWholeFile(path, text)) {
        report.message = std::string("cannot read ") + path;
        return Acad::eFilerError;
    }
    return importDxfText(text, target, report);
}

}  // namespace vthost

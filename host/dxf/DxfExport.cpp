#include "dxf/DxfExport.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "dxf/DxfDocumentWriter.h"

namespace vthost {

namespace {

// A new empty file beside path (same folder, so the rename cannot cross file systems).
bool makeTemporaryBeside(const std::string& path, std::string& temporary) {
    std::string pattern = path + ".tmp-XXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;
    ::fchmod(fd, 0644);  // mkstemp's 0600 would hide the drawing from other users
    ::close(fd);
    temporary = pattern;
    return true;
}

}  // namespace

Acad::ErrorStatus exportDxf(const AcDbDatabase& source, const char* path, DxfExportReport& report) {
    report.clear();
    if (path == nullptr || *path == '\0') {
        report.message = "no file name";
        return Acad::eInvalidInput;
    }
    std::string temporary;
    if (!makeTemporaryBeside(path, temporary)) {
        report.message = std::string("cannot create a file beside ") + path;
        return Acad::eFilerError;
    }
    Acad::ErrorStatus es = writeDxfDocument(source, temporary.c_str(), report);
    if (es == Acad::eOk && std::rename(temporary.c_str(), path) != 0) es = Acad::eFilerError;
    if (es != Acad::eOk) {
        std::remove(temporary.c_str());
        report.message = std::string("cannot write ") + path;
        return es;
    }
    countObjectsLeftOut(source, report);
    return Acad::eOk;
}

}  // namespace vthost

// Fuzz target for DXF import: any byte string is read as DXF text into a new drawing. A refused
// file must leave the drawing exactly as it was (nothing added); an accepted one must export, and
// what the host wrote must import again into another new drawing with the same entity kinds.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

#include "boot/Host.h"
#include "db/AcDbDatabase.h"
#include "dxf/DxfExport.h"
#include "dxf/DxfImport.h"
#include "rx/AcRxDynamicLinker.h"
#include "ut/AcUtil.h"

namespace {

void quiet(const char*) {}

std::string exportPath() {
    return "/tmp/fuzz_dxf-" + std::to_string(::getpid()) + ".dxf";
}

// Exports db and imports the file again; the kinds written must all come back.
void checkRoundTrip(const AcDbDatabase& db) {
    std::string path = exportPath();
    vthost::DxfExportReport written;
    if (vthost::exportDxf(db, path.c_str(), written) != Acad::eOk) std::abort();
    AcDbDatabase again;
    vthost::DxfImportReport read;
    if (vthost::importDxf(path.c_str(), again, read) != Acad::eOk) std::abort();
    for (const auto& [kind, count] : written.written)
        if (read.imported[kind] + read.notCarried[kind] < count) std::abort();
    std::remove(path.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    vthost::startHost();
    vthost::setOutputSink(quiet);
    vthost::setRuntimePrinter(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    AcDbDatabase db;
    std::size_t before = db.objectCount();
    vthost::DxfImportReport report;
    if (vthost::importDxfText(text, db, report) != Acad::eOk) {
        if (db.objectCount() != before) std::abort();  // a refusal adds nothing
        if (report.message.empty()) std::abort();      // and says why
        return 0;
    }
    checkRoundTrip(db);
    return 0;
}

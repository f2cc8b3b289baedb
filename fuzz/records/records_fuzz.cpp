// Fuzz target for the object library's own records: the first byte chooses the class (a link
// style with its embedded reader and modifier, a link, a block modifier), the rest is its record,
// read through a drawing file filer into a new object. A record that reads is written again; that
// must read back and write the very same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "boot/Host.h"
#include "db/AcDbDatabase.h"
#include "db/DwgStreamFiler.h"
#include "ut/AcUtil.h"
#include "link/AcPropertyLink.h"
#include "modifiers/ContentModifiers.h"
#include "rx/AcRxDynamicLinker.h"
#include "style/AcPropertyLinkStyle.h"

namespace {

void quiet(const char*) {}

AcDbDatabase* g_drawing = nullptr;

std::unique_ptr<AcDbObject> make(std::uint8_t kind) {
    switch (kind % 3) {
        case 0:
            return std::make_unique<AcPropertyLinkStyle>();
        case 1:
            return std::make_unique<AcPropertyLink>();
        default:
            return std::make_unique<AcBlockModifier>();
    }
}

// The object's record, or nothing when it does not read.
bool readRecord(AcDbObject& object, std::vector<std::uint8_t> record) {
    vthost::DwgStreamFiler in(AcDb::kFileFiler, g_drawing, vthost::IdCoding::kHandle);
    in.setBuffer(std::move(record));
    return object.dwgInFields(&in) == Acad::eOk && in.filerStatus() == Acad::eOk;
}

std::vector<std::uint8_t> writeRecord(const AcDbObject& object) {
    vthost::DwgStreamFiler out(AcDb::kFileFiler, g_drawing, vthost::IdCoding::kHandle);
    if (object.dwgOutFields(&out) != Acad::eOk) std::abort();
    return out.takeBuffer();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    vthost::startHost();
    vthost::setOutputSink(quiet);
    vthost::setRuntimePrinter(quiet);
    if (!acrxLoadModule("vantorell.dbx", true)) std::abort();
    g_drawing = new AcDbDatabase(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::unique_ptr<AcDbObject> object = make(data[0]);
    if (!readRecord(*object, std::vector<std::uint8_t>(data + 1, data + size))) return 0;
    std::vector<std::uint8_t> written = writeRecord(*object);
    std::unique_ptr<AcDbObject> again = make(data[0]);
    if (!readRecord(*again, written) || writeRecord(*again) != written) std::abort();
    return 0;
}

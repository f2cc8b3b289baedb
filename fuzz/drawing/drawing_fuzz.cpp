// Fuzz target for the drawing reader: any byte string is read as a drawing file into a fresh
// database, with the object library loaded so that styles and links are read by their own classes
// (or kept as proxies). A drawing that loads must save; what it saves must load and save again to
// the very same bytes. Inputs of odd length first get a right length field and checksum, so that
// changes reach the header, the class table and the records instead of stopping at the checksum;
// inputs of even length are read as they are.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "boot/Host.h"
#include "db/DatabaseAccess.h"
#include "db/AcDbDatabase.h"
#include "db/DrawingFile.h"
#include "db/DwgStreamFiler.h"
#include "db/ObjectAccess.h"
#include "ut/AcUtil.h"
#include "rx/AcRxDynamicLinker.h"

namespace {

void quiet(const char*) {}

void reseal(std::vector<std::uint8_t>& bytes) {
    constexpr std::size_t kLengthAt = sizeof vthost::kDrawingMagic + 4;
    if (bytes.size() < kLengthAt + 4 + 5) return;
    auto length = static_cast<std::uint32_t>(bytes.size());
    std::memcpy(bytes.data() + kLengthAt, &length, sizeof length);
    std::uint32_t sum = vthost::crc32(bytes.data(), bytes.size() - 5);
    bytes[bytes.size() - 5] = static_cast<std::uint8_t>(vthost::ItemTag::kUInt32);
    std::memcpy(bytes.data() + bytes.size() - 4, &sum, sizeof sum);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    vthost::startHost();
    vthost::setOutputSink(quiet);
    vthost::setRuntimePrinter(quiet);
    if (!acrxLoadModule("vantorell.dbx", true)) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    if (size % 2 == 1) reseal(bytes);
    AcDbDatabase db(false);
    if (vthost::readDwgBytes(db, bytes) != Acad::eOk) {
        if (db.objectCount() != 0) std::abort();  // a refusal adds nothing
        return 0;
    }
    std::vector<std::uint8_t> saved, undone;
    if (vthost::saveDwgBytes(db, saved) != Acad::eOk) std::abort();
    vthost::DatabaseAccess::forEachObject(db, [](AcDbObject* object) {
        vthost::ObjectAccess::restoreSnapshot(object, vthost::ObjectAccess::takeSnapshot(object));
    });
    if (vthost::saveDwgBytes(db, undone) != Acad::eOk || undone != saved) std::abort();
    AcDbObjectIdArray ids;
    ids.append(db.modelSpaceId());
    Adesk::UInt32 count = 0;
    if (db.countHardReferences(ids, &count) != Acad::eOk) std::abort();
    AcDbDatabase again(false);
    if (vthost::readDwgBytes(again, saved) != Acad::eOk) std::abort();
    std::vector<std::uint8_t> resaved;
    if (vthost::saveDwgBytes(again, resaved) != Acad::eOk || resaved != saved) std::abort();
    return 0;
}

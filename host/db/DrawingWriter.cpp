// Writing drawing files. After the eight magic bytes the file is a run of the stream filer's
// tagged items, ids coded as handles:
//   UInt16       format version (1)
//   UInt32       length of the whole file in bytes, trailer included
//   UInt32       handseed: the next handle the drawing hands out
//   SoftPointer  named-objects dictionary, block table, model space, paper space
//   Int32        header variable count; each: String name, then its value as one Int16, Double,
//                String or Point3d item
//   Int32        class count; each: String name, parent name, DXF name, application name (empty
//                for none); Int32 proxy flags, DWG version, maintenance release
//   Int32        object count; each, handles strictly increasing: UInt32 handle, UInt32 index
//                into the class table, Bytes record (what the object's dwgOutFields wrote
//                through a file filer)
//   UInt32       CRC-32 of every byte before this item
// Erased objects, and objects owned (up the owner chain) by an erased one, are left out. A proxy
// is filed under its original class and with its kept bytes, so it leaves the file as it came.
#include <array>
#include <cstring>
#include <limits>
#include <string>
#include <unordered_map>

#include "db/DatabaseAccess.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbProxyObject.h"
#include "db/DrawingFile.h"
#include "db/DwgStreamFiler.h"
#include "db/ObjectAccess.h"

namespace vthost {

namespace {

constexpr std::uint32_t kNoClass = std::numeric_limits<std::uint32_t>::max();
// Where the file length goes: after the magic, the version item and the length item's tag.
constexpr std::size_t kLengthOffset = sizeof kDrawingMagic + 1 + 2 + 1;

// The class table in order of first use; one entry per class name.
class ClassTable {
public:
    std::uint32_t indexOf(const AcDbObject* object) {
        if (object->isAProxy()) {
            const FiledClass& filed = static_cast<const AcDbProxyObject*>(object)->originalClass();
            auto [it, added] = m_proxies.try_emplace(&filed, 0);
            if (added) it->second = byName(filed);
            return it->second;
        }
        const AcRxClass* cls = object->isA();
        if (cls == nullptr) return kNoClass;
        auto [it, added] = m_live.try_emplace(cls, 0);
        if (added) it->second = byName(describeClass(cls));
        return it->second;
    }
    const std::vector<FiledClass>& entries() const { return m_entries; }

private:
    std::uint32_t byName(const FiledClass& filed) {
        auto [it, added] = m_byName.try_emplace(filed.name, 0);
        if (added) {
            it->second = static_cast<std::uint32_t>(m_entries.size());
            m_entries.push_back(filed);
        }
        return it->second;
    }

    std::unordered_map<const AcRxClass*, std::uint32_t> m_live;
    std::unordered_map<const FiledClass*, std::uint32_t> m_proxies;
    std::unordered_map<std::string, std::uint32_t> m_byName;
    std::vector<FiledClass> m_entries;
};

struct Entry {
    const AcDbObject* object;
    std::uint32_t classIndex;
};

void writeHeaderVariables(DwgStreamFiler& out, const HeaderVariables& header) {
    out.writeInt32(static_cast<Adesk::Int32>(header.all().size()));
    for (const auto& [name, value] : header.all()) {
        out.writeString(name.c_str());
        if (const short* number = std::get_if<short>(&value)) out.writeInt16(*number);
        if (const double* real = std::get_if<double>(&value)) out.writeDouble(*real);
        if (const std::string* text = std::get_if<std::string>(&value))
            out.writeString(text->c_str());
        if (const AcGePoint3d* point = std::get_if<AcGePoint3d>(&value)) out.writePoint3d(*point);
    }
}

void writeClasses(DwgStreamFiler& out, const std::vector<FiledClass>& classes) {
    out.writeInt32(static_cast<Adesk::Int32>(classes.size()));
    for (const FiledClass& filed : classes) {
        for (const std::string* text :
             {&filed.name, &filed.parentName, &filed.dxfName, &filed.appName})
            out.writeString(text->c_str());
        out.writeInt32(filed.proxyFlags);
        out.writeInt32(filed.dwgVersion);
        out.writeInt32(filed.maintenanceVersion);
    }
}

Acad::ErrorStatus writeObject(DwgStreamFiler& out, AcDbDatabase& db, const Entry& entry) {
    DwgStreamFiler record(AcDb::kFileFiler, &db, IdCoding::kHandle);
    Acad::ErrorStatus status = Acad::eOk;
    ObjectAccess::withReadAccess(entry.object,
                                 [&] { status = entry.object->dwgOutFields(&record); });
    if (status == Acad::eOk) status = record.filerStatus();
    if (status != Acad::eOk) return status;
    out.writeUInt32(entry.object->objectId().rawHandle());
    out.writeUInt32(entry.classIndex);
    out.writeBytes(record.buffer().data(), static_cast<Adesk::UInt32>(record.buffer().size()));
    return out.filerStatus();
}

void appendTrailer(std::vector<std::uint8_t>& bytes) {
    std::uint32_t length = static_cast<std::uint32_t>(bytes.size() + 1 + sizeof(std::uint32_t));
    std::memcpy(bytes.data() + kLengthOffset, &length, sizeof length);
    std::uint32_t sum = crc32(bytes.data(), bytes.size());
    bytes.push_back(static_cast<std::uint8_t>(ItemTag::kUInt32));
    const auto* raw = reinterpret_cast<const std::uint8_t*>(&sum);
    bytes.insert(bytes.end(), raw, raw + sizeof sum);
}

}  // namespace

Acad::ErrorStatus saveDwgBytes(AcDbDatabase& db, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    ClassTable classes;
    std::vector<Entry> entries;
    entries.reserve(db.objectCount());
    Acad::ErrorStatus status = Acad::eOk;
    vthost::DatabaseAccess::forEachObject(db, [&](AcDbObject* object) {
        if (object->isErased() || object->objectId().isEffectivelyErased()) return;
        std::uint32_t index = classes.indexOf(object);
        if (index == kNoClass) status = Acad::eFilerError;
        entries.push_back(Entry{object, index});
    });
    if (status != Acad::eOk) return status;

    DwgStreamFiler out(AcDb::kFileFiler, &db, IdCoding::kHandle);
    out.appendRaw(std::vector<std::uint8_t>(std::begin(kDrawingMagic), std::end(kDrawingMagic)));
    out.writeUInt16(kDrawingFormatVersion);
    out.writeUInt32(0);  // the file length, known at the end
    out.writeUInt32(db.handseed());
    for (AcDbObjectId id :
         {db.namedObjectsDictionaryId(), db.blockTableId(), db.modelSpaceId(), db.paperSpaceId()})
        out.writeSoftPointerId(id);
    writeHeaderVariables(out, db.headerVariables());
    writeClasses(out, classes.entries());
    out.writeInt32(static_cast<Adesk::Int32>(entries.size()));
    for (const Entry& entry : entries) {
        status = writeObject(out, db, entry);
        if (status != Acad::eOk) return status;
    }
    if (out.filerStatus() != Acad::eOk) return out.filerStatus();
    bytes = out.takeBuffer();
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max() - 8) {
        bytes.clear();
        return Acad::eOutOfRange;
    }
    appendTrailer(bytes);
    return Acad::eOk;
}

namespace {
// Eight tables, so that the checksum takes eight bytes a step.
using CrcTables = std::array<std::array<std::uint32_t, 256>, 8>;
constexpr CrcTables crcTables() {
    CrcTables tables{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        tables[0][n] = c;
    }
    for (std::size_t t = 1; t < 8; ++t)
        for (std::size_t n = 0; n < 256; ++n)
            tables[t][n] = (tables[t - 1][n] >> 8) ^ tables[0][tables[t - 1][n] & 0xFFu];
    return tables;
}
constexpr CrcTables kCrc = crcTables();
}  // namespace

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t previous) {
    std::uint32_t c = previous ^ 0xFFFFFFFFu;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint32_t low = c ^ (data[i] | data[i + 1] << 8 | data[i + 2] << 16 |
                                 static_cast<std::uint32_t>(data[i + 3]) << 24);
        c = kCrc[7][low & 0xFFu] ^ kCrc[6][(low >> 8) & 0xFFu] ^ kCrc[5][(low >> 16) & 0xFFu] ^
            kCrc[4][low >> 24] ^ kCrc[3][data[i + 4]] ^ kCrc[2][data[i + 5]] ^
            kCrc[1][data[i + 6]] ^ kCrc[0][data[i + 7]];
    }
    for (; i < size; ++i) c = kCrc[0][(c ^ data[i]) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

}  // namespace vthost

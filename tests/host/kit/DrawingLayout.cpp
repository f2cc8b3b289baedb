#include "DrawingLayout.h"

#include <algorithm>
#include <cstring>

#include "db/DrawingFile.h"
#include "db/DwgStreamFiler.h"
#include "ut/AcUtil.h"

namespace vttest {

namespace {

using vthost::DwgStreamFiler;
constexpr std::size_t kMagic = sizeof vthost::kDrawingMagic;

std::string text(DwgStreamFiler& in) {
    char* read = nullptr;
    in.readString(&read);
    std::string result = read ? read : "";
    acutDelString(read);
    return result;
}

std::uint32_t handleOf(DwgStreamFiler& in) {
    AcDbSoftPointerId id;
    in.readSoftPointerId(&id);
    return id.rawHandle();
}

void readVariable(DwgStreamFiler& in, DrawingLayout& layout) {
    std::string name = text(in);
    vthost::ItemTag tag{};
    if (!in.peekTag(tag)) return;
    vthost::HeaderValue value;
    if (tag == vthost::ItemTag::kInt16) {
        short v = 0;
        in.readInt16(&v);
        value = v;
    } else if (tag == vthost::ItemTag::kDouble) {
        double v = 0;
        in.readDouble(&v);
        value = v;
    } else if (tag == vthost::ItemTag::kString) {
        value = text(in);
    } else {
        AcGePoint3d v;
        in.readPoint3d(&v);
        value = v;
    }
    layout.variables.emplace_back(name, value);
}

}  // namespace

bool DrawingLayout::decode(const std::vector<std::uint8_t>& bytes, DrawingLayout& layout) {
    if (bytes.size() < kMagic + 5 || std::memcmp(bytes.data(), vthost::kDrawingMagic, kMagic) != 0)
        return false;
    DwgStreamFiler in(AcDb::kFileFiler, nullptr, vthost::IdCoding::kHandle);
    in.setBuffer(std::vector<std::uint8_t>(bytes.begin() + kMagic, bytes.end() - 5));
    Adesk::UInt32 length = 0;
    in.readUInt16(&layout.version);
    in.readUInt32(&length);
    in.readUInt32(&layout.handseed);
    for (std::uint32_t& handle : layout.wellKnown) handle = handleOf(in);
    Adesk::Int32 count = 0;
    in.readInt32(&count);
    for (Adesk::Int32 i = 0; i < count && in.filerStatus() == Acad::eOk; ++i)
        readVariable(in, layout);
    in.readInt32(&count);
    for (Adesk::Int32 i = 0; i < count && in.filerStatus() == Acad::eOk; ++i) {
        Class c;
        for (std::string* s : {&c.name, &c.parent, &c.dxfName, &c.appName}) *s = text(in);
        in.readInt32(&c.proxyFlags);
        in.readInt32(&c.dwgVersion);
        in.readInt32(&c.maintenanceVersion);
        layout.classes.push_back(c);
    }
    in.readInt32(&count);
    for (Adesk::Int32 i = 0; i < count && in.filerStatus() == Acad::eOk; ++i) {
        Object o;
        in.readUInt32(&o.handle);
        in.readUInt32(&o.classIndex);
        in.readByteBlock(o.record, 1u << 30);
        layout.objects.push_back(std::move(o));
    }
    return in.filerStatus() == Acad::eOk && in.atEnd();
}

std::vector<std::uint8_t> DrawingLayout::encode() const {
    DwgStreamFiler out(AcDb::kFileFiler, nullptr, vthost::IdCoding::kHandle);
    out.appendRaw(std::vector<std::uint8_t>(std::begin(vthost::kDrawingMagic),
                                            std::end(vthost::kDrawingMagic)));
    out.writeUInt16(version);
    out.writeUInt32(0);
    out.writeUInt32(handseed);
    for (std::uint32_t handle : wellKnown) out.writeSoftPointerId(AcDbObjectId(1, handle));
    out.writeInt32(variableCount.value_or(static_cast<std::int32_t>(variables.size())));
    for (const auto& [name, value] : variables) {
        out.writeString(name.c_str());
        if (auto* v = std::get_if<short>(&value)) out.writeInt16(*v);
        if (auto* v = std::get_if<double>(&value)) out.writeDouble(*v);
        if (auto* v = std::get_if<std::string>(&value)) out.writeString(v->c_str());
        if (auto* v = std::get_if<AcGePoint3d>(&value)) out.writePoint3d(*v);
    }
    out.writeInt32(classCount.value_or(static_cast<std::int32_t>(classes.size())));
    for (const Class& c : classes) {
        for (const std::string* s : {&c.name, &c.parent, &c.dxfName, &c.appName})
            out.writeString(s->c_str());
        out.writeInt32(c.proxyFlags);
        out.writeInt32(c.dwgVersion);
        out.writeInt32(c.maintenanceVersion);
    }
    out.writeInt32(objectCount.value_or(static_cast<std::int32_t>(objects.size())));
    for (const Object& o : objects) {
        out.writeUInt32(o.handle);
        out.writeUInt32(o.classIndex);
        out.writeBytes(o.record.data(), static_cast<Adesk::UInt32>(o.record.size()));
    }
    out.writeUInt32(0);  // the checksum, made right by resealed
    return resealed(out.takeBuffer());
}

DrawingLayout::Object* DrawingLayout::find(std::uint32_t handle) {
    for (Object& o : objects)
        if (o.handle == handle) return &o;
    return nullptr;
}

std::vector<std::uint8_t> savedBytes(AcDbDatabase& db) {
    std::vector<std::uint8_t> bytes;
    vthost::saveDwgBytes(db, bytes);
    return bytes;
}

std::unique_ptr<AcDbDatabase> opened(const std::vector<std::uint8_t>& bytes,
                                     Acad::ErrorStatus* status) {
    auto db = std::make_unique<AcDbDatabase>(false);
    Acad::ErrorStatus read = vthost::readDwgBytes(*db, bytes);
    if (status != nullptr) *status = read;
    return db;
}

std::vector<std::uint8_t> resealed(std::vector<std::uint8_t> bytes) {
    constexpr std::size_t kLengthAt = kMagic + 3 + 1;
    if (bytes.size() < kLengthAt + 4 + 5) return bytes;
    auto length = static_cast<std::uint32_t>(bytes.size());
    std::memcpy(bytes.data() + kLengthAt, &length, sizeof length);
    std::uint32_t sum = vthost::crc32(bytes.data(), bytes.size() - 5);
    bytes[bytes.size() - 5] = static_cast<std::uint8_t>(vthost::ItemTag::kUInt32);
    std::memcpy(bytes.data() + bytes.size() - 4, &sum, sizeof sum);
    return bytes;
}

bool patch(std::vector<std::uint8_t>& bytes, const std::string& from, const std::string& to) {
    if (from.size() != to.size()) return false;
    auto it = std::search(bytes.begin(), bytes.end(), from.begin(), from.end());
    if (it == bytes.end()) return false;
    std::copy(to.begin(), to.end(), it);
    return true;
}

}  // namespace vttest

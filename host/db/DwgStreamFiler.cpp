#include "db/DwgStreamFiler.h"

#include <cstring>
#include <sstream>

#include "db/AcDbDatabase.h"
#include "ut/AcUtil.h"
#include "ut/AdsCodes.h"

namespace vthost {

namespace {
constexpr std::size_t idPayload(IdCoding coding) { return coding == IdCoding::kSession ? 8 : 4; }
}  // namespace

DwgStreamFiler::DwgStreamFiler(AcDb::FilerType type, AcDbDatabase* db, IdCoding coding)
    : m_type(type), m_database(db), m_coding(coding) {}

void DwgStreamFiler::setBuffer(std::vector<std::uint8_t> bytes) {
    m_buffer = std::move(bytes);
    m_position = 0;
}

void DwgStreamFiler::setFilerStatus(Acad::ErrorStatus status) {
    if (m_status == Acad::eOk) m_status = status;
}

void DwgStreamFiler::putRaw(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    m_buffer.insert(m_buffer.end(), bytes, bytes + size);
}

void DwgStreamFiler::getRaw(void* data, std::size_t size) {
    std::memcpy(data, m_buffer.data() + m_position, size);
    m_position += size;
}

void DwgStreamFiler::beginWrite(ItemTag tag) { m_buffer.push_back(static_cast<std::uint8_t>(tag)); }

bool DwgStreamFiler::peekTag(ItemTag& tag) const {
    if (m_status != Acad::eOk || atEnd()) return false;
    tag = static_cast<ItemTag>(m_buffer[m_position]);
    return true;
}

// Checks the tag and that the payload is there; on failure records the error and reads nothing.
bool DwgStreamFiler::beginRead(ItemTag tag, std::size_t payload) {
    if (m_status != Acad::eOk) return false;
    if (atEnd()) {
        m_status = Acad::eEndOfFile;
        return false;
    }
    if (m_buffer[m_position] != static_cast<std::uint8_t>(tag)) {
        m_status = Acad::eFilerError;
        return false;
    }
    if (m_buffer.size() - m_position - 1 < payload) {
        m_status = Acad::eEndOfFile;
        return false;
    }
    ++m_position;
    return true;
}

void DwgStreamFiler::appendRaw(const std::vector<std::uint8_t>& bytes) {
    if (m_status == Acad::eOk) m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
}

Acad::ErrorStatus DwgStreamFiler::skipRaw(std::size_t count) {
    if (m_status != Acad::eOk) return m_status;
    if (m_buffer.size() - m_position < count) {
        m_status = Acad::eEndOfFile;
        return m_status;
    }
    m_position += count;
    return m_status;
}

std::vector<std::uint8_t> DwgStreamFiler::takeRemaining() {
    if (m_status != Acad::eOk || atEnd()) return {};
    std::vector<std::uint8_t> rest(m_buffer.begin() + static_cast<std::ptrdiff_t>(m_position),
                                   m_buffer.end());
    m_position = m_buffer.size();
    return rest;
}

Acad::ErrorStatus DwgStreamFiler::readByteBlock(std::vector<std::uint8_t>& bytes,
                                                std::uint32_t limit) {
    std::uint32_t length = 0;
    if (!readLength(ItemTag::kBytes, length, limit)) return m_status;
    const std::uint8_t* start = m_buffer.data() + m_position;
    bytes.assign(start, start + length);
    m_position += length;
    return m_status;
}

template <class T>
Acad::ErrorStatus DwgStreamFiler::writeScalar(ItemTag tag, T value) {
    if (m_status != Acad::eOk) return m_status;
    beginWrite(tag);
    putRaw(&value, sizeof value);
    return m_status;
}

template <class T>
Acad::ErrorStatus DwgStreamFiler::readScalar(ItemTag tag, T* value) {
    T result{};
    if (beginRead(tag, sizeof result)) getRaw(&result, sizeof result);
    if (value != nullptr) *value = result;
    return m_status;
}

Acad::ErrorStatus DwgStreamFiler::writeId(ItemTag tag, const AcDbObjectId& id) {
    if (m_status != Acad::eOk) return m_status;
    beginWrite(tag);
    if (m_coding == IdCoding::kSession) {
        std::uint32_t serial = id.databaseSerial();
        putRaw(&serial, sizeof serial);
    }
    std::uint32_t handle = id.rawHandle();
    putRaw(&handle, sizeof handle);
    return m_status;
}

Acad::ErrorStatus DwgStreamFiler::readId(ItemTag tag, AcDbObjectId* id) {
    std::uint32_t serial = 0, handle = 0;
    if (beginRead(tag, idPayload(m_coding))) {
        if (m_coding == IdCoding::kSession) getRaw(&serial, sizeof serial);
        getRaw(&handle, sizeof handle);
        if (m_coding == IdCoding::kHandle && handle != 0)
            serial = m_database ? m_database->serial() : 0;
        if (handle >= AcDbDatabase::kMaxHandle) {
            m_status = Acad::eFilerError;
            serial = handle = 0;
        }
    }
    if (id != nullptr) *id = handle == 0 ? AcDbObjectId() : AcDbObjectId(serial, handle);
    return m_status;
}

Acad::ErrorStatus DwgStreamFiler::readHardOwnershipId(AcDbHardOwnershipId* id) {
    return readId(ItemTag::kHardOwner, id);
}
Acad::ErrorStatus DwgStreamFiler::writeHardOwnershipId(const AcDbHardOwnershipId& id) {
    return writeId(ItemTag::kHardOwner, id);
}
Acad::ErrorStatus DwgStreamFiler::readSoftOwnershipId(AcDbSoftOwnershipId* id) {
    return readId(ItemTag::kSoftOwner, id);
}
Acad::ErrorStatus DwgStreamFiler::writeSoftOwnershipId(const AcDbSoftOwnershipId& id) {
    return writeId(ItemTag::kSoftOwner, id);
}
Acad::ErrorStatus DwgStreamFiler::readHardPointerId(AcDbHardPointerId* id) {
    return readId(ItemTag::kHardPointer, id);
}
Acad::ErrorStatus DwgStreamFiler::writeHardPointerId(const AcDbHardPointerId& id) {
    return writeId(ItemTag::kHardPointer, id);
}
Acad::ErrorStatus DwgStreamFiler::readSoftPointerId(AcDbSoftPointerId* id) {
    return readId(ItemTag::kSoftPointer, id);
}
Acad::ErrorStatus DwgStreamFiler::writeSoftPointerId(const AcDbSoftPointerId& id) {
    return writeId(ItemTag::kSoftPointer, id);
}

bool DwgStreamFiler::readLength(ItemTag tag, std::uint32_t& length, std::uint32_t limit) {
    length = 0;
    if (!beginRead(tag, sizeof length)) return false;
    getRaw(&length, sizeof length);
    if (length > limit) {
        m_status = Acad::eFilerError;
        return false;
    }
    if (m_buffer.size() - m_position < length) {
        m_status = Acad::eEndOfFile;
        return false;
    }
    return true;
}

Acad::ErrorStatus DwgStreamFiler::writeString(const char* value) {
    if (m_status != Acad::eOk) return m_status;
    std::size_t size = value ? std::strlen(value) : 0;
    if (size > kMaxStringLength) {
        m_status = Acad::eFilerError;
        return m_status;
    }
    beginWrite(ItemTag::kString);
    auto length = static_cast<std::uint32_t>(size);
    putRaw(&length, sizeof length);
    putRaw(value ? value : "", size);
    return m_status;
}

Acad::ErrorStatus DwgStreamFiler::readString(char** value) {
    if (value != nullptr) *value = nullptr;
    std::uint32_t length = 0;
    if (!readLength(ItemTag::kString, length, kMaxStringLength)) return m_status;
    const char* text = reinterpret_cast<const char*>(m_buffer.data() + m_position);
    if (std::memchr(text, '\0', length) != nullptr) {
        m_status = Acad::eFilerError;
        return m_status;
    }
    std::string copy(text, length);
    m_position += length;
    if (value != nullptr) acutNewString(copy.c_str(), *value);
    return m_status;
}

Acad::ErrorStatus DwgStreamFiler::writeBChunk(const ads_binary& value) {
    if (m_status != Acad::eOk) return m_status;
    std::uint32_t length = value.clen > 0 ? static_cast<std::uint32_t>(value.clen) : 0;
    beginWrite(ItemTag::kBChunk);
    putRaw(&length, sizeof length);
    if (length > 0) putRaw(value.buf, length);
    return m_status;
}

Acad::ErrorStatus DwgStreamFiler::readBChunk(ads_binary* value) {
    std::uint32_t length = 0;
    if (value != nullptr) value->clen = 0, value->buf = nullptr;
    if (!readLength(ItemTag::kBChunk, length, 32767)) return m_status;
    char* bytes = new char[length + 1];
    getRaw(bytes, length);
    if (value != nullptr) {
        value->clen = static_cast<short>(length);
        value->buf = bytes;
    } else {
        delete[] bytes;
    }
    return m_status;
}

Acad::ErrorStatus DwgStreamFiler::writeBytes(const void* buffer, Adesk::UInt32 length) {
    if (m_status != Acad::eOk) return m_status;
    beginWrite(ItemTag::kBytes);
    putRaw(&length, sizeof length);
    putRaw(buffer, length);
    return m_status;
}

Acad::ErrorStatus DwgStreamFiler::readBytes(void* buffer, Adesk::UInt32 length) {
    std::uint32_t stored = 0;
    if (!readLength(ItemTag::kBytes, stored, kMaxStringLength)) return m_status;
    if (stored != length) {
        m_status = Acad::eFilerError;
        return m_status;
    }
    getRaw(buffer, length);
    return m_status;
}

Acad::ErrorStatus DwgStreamFiler::readAcDbHandle(AcDbHandle* value) {
    std::uint64_t raw = 0;
    readScalar(ItemTag::kHandle, &raw);
    if (value != nullptr) *value = AcDbHandle(raw);
    return m_status;
}
Acad::ErrorStatus DwgStreamFiler::writeAcDbHandle(const AcDbHandle& value) {
    return writeScalar(ItemTag::kHandle, value.value());
}
Acad::ErrorStatus DwgStreamFiler::readChar(char* value) { return readScalar(ItemTag::kChar, value); }
Acad::ErrorStatus DwgStreamFiler::writeChar(char value) { return writeScalar(ItemTag::kChar, value); }
Acad::ErrorStatus DwgStreamFiler::readInt32(Adesk::Int32* value) {
    return readScalar(ItemTag::kInt32, value);
}
Acad::ErrorStatus DwgStreamFiler::writeInt32(Adesk::Int32 value) {
    return writeScalar(ItemTag::kInt32, value);
}
Acad::ErrorStatus DwgStreamFiler::readInt16(Adesk::Int16* value) {
    return readScalar(ItemTag::kInt16, value);
}
Acad::ErrorStatus DwgStreamFiler::writeInt16(Adesk::Int16 value) {
    return writeScalar(ItemTag::kInt16, value);
}
Acad::ErrorStatus DwgStreamFiler::readUInt32(Adesk::UInt32* value) {
    return readScalar(ItemTag::kUInt32, value);
}
Acad::ErrorStatus DwgStreamFiler::writeUInt32(Adesk::UInt32 value) {
    return writeScalar(ItemTag::kUInt32, value);
}
Acad::ErrorStatus DwgStreamFiler::readUInt16(Adesk::UInt16* value) {
    return readScalar(ItemTag::kUInt16, value);
}
Acad::ErrorStatus DwgStreamFiler::writeUInt16(Adesk::UInt16 value) {
    return writeScalar(ItemTag::kUInt16, value);
}
Acad::ErrorStatus DwgStreamFiler::readUInt8(Adesk::UInt8* value) {
    return readScalar(ItemTag::kUInt8, value);
}
Acad::ErrorStatus DwgStreamFiler::writeUInt8(Adesk::UInt8 value) {
    return writeScalar(ItemTag::kUInt8, value);
}
Acad::ErrorStatus DwgStreamFiler::readBoolean(Adesk::Boolean* value) {
    std::uint8_t raw = 0;
    readScalar(ItemTag::kBoolean, &raw);
    if (m_status == Acad::eOk && raw > 1) m_status = Acad::eFilerError;
    if (value != nullptr) *value = raw == 1;
    return m_status;
}
Acad::ErrorStatus DwgStreamFiler::writeBoolean(Adesk::Boolean value) {
    return writeScalar(ItemTag::kBoolean, static_cast<std::uint8_t>(value ? 1 : 0));
}
Acad::ErrorStatus DwgStreamFiler::readDouble(double* value) {
    return readScalar(ItemTag::kDouble, value);
}
Acad::ErrorStatus DwgStreamFiler::writeDouble(double value) {
    return writeScalar(ItemTag::kDouble, value);
}
Acad::ErrorStatus DwgStreamFiler::readPoint3d(AcGePoint3d* value) {
    double xyz[3] = {0, 0, 0};
    if (beginRead(ItemTag::kPoint3d, sizeof xyz)) getRaw(xyz, sizeof xyz);
    if (value != nullptr) *value = AcGePoint3d(xyz[0], xyz[1], xyz[2]);
    return m_status;
}
Acad::ErrorStatus DwgStreamFiler::writePoint3d(const AcGePoint3d& value) {
    if (m_status != Acad::eOk) return m_status;
    double xyz[3] = {value.x, value.y, value.z};
    beginWrite(ItemTag::kPoint3d);
    putRaw(xyz, sizeof xyz);
    return m_status;
}
Acad::ErrorStatus DwgStreamFiler::readVector3d(AcGeVector3d* value) {
    double xyz[3] = {0, 0, 0};
    if (beginRead(ItemTag::kVector3d, sizeof xyz)) getRaw(xyz, sizeof xyz);
    if (value != nullptr) *value = AcGeVector3d(xyz[0], xyz[1], xyz[2]);
    return m_status;
}
Acad::ErrorStatus DwgStreamFiler::writeVector3d(const AcGeVector3d& value) {
    if (m_status != Acad::eOk) return m_status;
    double xyz[3] = {value.x, value.y, value.z};
    beginWrite(ItemTag::kVector3d);
    putRaw(xyz, sizeof xyz);
    return m_status;
}

namespace {

// The payload size of an item that starts at bytes[pos] (just after its tag); false for an
// unknown tag or a payload that runs past the end.
bool payloadSize(ItemTag tag, const std::vector<std::uint8_t>& bytes, std::size_t pos,
                 IdCoding coding, std::size_t& size) {
    std::size_t left = bytes.size() - pos;
    switch (tag) {
        case ItemTag::kInt16: case ItemTag::kUInt16: size = 2; break;
        case ItemTag::kInt32: case ItemTag::kUInt32: size = 4; break;
        case ItemTag::kUInt8: case ItemTag::kChar: case ItemTag::kBoolean: size = 1; break;
        case ItemTag::kDouble: case ItemTag::kHandle: size = 8; break;
        case ItemTag::kPoint3d: case ItemTag::kVector3d: size = 24; break;
        case ItemTag::kHardOwner: case ItemTag::kSoftOwner: case ItemTag::kHardPointer:
        case ItemTag::kSoftPointer: size = idPayload(coding); break;
        case ItemTag::kString: case ItemTag::kBytes: case ItemTag::kBChunk: {
            std::uint32_t length = 0;
            if (left < sizeof length) return false;
            std::memcpy(&length, bytes.data() + pos, sizeof length);
            size = sizeof length + std::size_t{length};
            break;
        }
        default: return false;
    }
    return size <= left;
}

bool isIdTag(ItemTag tag) {
    return tag == ItemTag::kHardOwner || tag == ItemTag::kSoftOwner ||
           tag == ItemTag::kHardPointer || tag == ItemTag::kSoftPointer;
}

}  // namespace

bool forEachFiledId(const std::vector<std::uint8_t>& bytes, IdCoding coding,
                    const std::function<void(ItemTag, std::uint32_t)>& fn) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        auto tag = static_cast<ItemTag>(bytes[pos++]);
        std::size_t size = 0;
        if (!payloadSize(tag, bytes, pos, coding, size)) return false;
        if (isIdTag(tag)) {
            std::uint32_t handle = 0;
            std::memcpy(&handle, bytes.data() + pos + size - sizeof handle, sizeof handle);
            fn(tag, handle);
        }
        pos += size;
    }
    return true;
}

}  // namespace vthost

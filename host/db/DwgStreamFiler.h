// vthost::DwgStreamFiler: the host's DWG filer over a byte buffer. Every item carries a one-byte
// type tag, so a reader that asks for the wrong type, or runs past the end, gets a filer error
// instead of garbage. Ids are coded by session (database serial and handle: memory filers for
// copies and undo) or by handle alone (drawing files, resolved against the filer's database).
//
// Item layout: tag, then little-endian payload; strings and byte blocks as a UInt32 length and
// the bytes (no terminator).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "db/AcDbDwgFiler.h"

namespace vthost {

enum class ItemTag : std::uint8_t {
    kInt16 = 1, kInt32, kUInt16, kUInt32, kUInt8, kChar, kBoolean, kDouble, kString,
    kPoint3d, kVector3d, kBytes, kBChunk, kHandle,
    kHardOwner, kSoftOwner, kHardPointer, kSoftPointer,
};

enum class IdCoding { kSession, kHandle };

class DwgStreamFiler : public AcDbDwgFiler {
public:
    static constexpr std::uint32_t kMaxStringLength = 1u << 24;

    explicit DwgStreamFiler(AcDb::FilerType type = AcDb::kCopyFiler, AcDbDatabase* db = nullptr,
                            IdCoding coding = IdCoding::kSession);

    const std::vector<std::uint8_t>& buffer() const { return m_buffer; }
    std::vector<std::uint8_t> takeBuffer() { return std::move(m_buffer); }
    // Starts reading the given bytes from the beginning.
    void setBuffer(std::vector<std::uint8_t> bytes);
    void rewind() { m_position = 0; }
    std::size_t position() const { return m_position; }
    bool atEnd() const { return m_position >= m_buffer.size(); }

    Acad::ErrorStatus filerStatus() const override { return m_status; }
    AcDb::FilerType filerType() const override { return m_type; }
    void setFilerStatus(Acad::ErrorStatus status) override;
    void resetFilerStatus() override { m_status = Acad::eOk; }
    AcDbDatabase* database() const override { return m_database; }

    Acad::ErrorStatus readHardOwnershipId(AcDbHardOwnershipId* id) override;
    Acad::ErrorStatus writeHardOwnershipId(const AcDbHardOwnershipId& id) override;
    Acad::ErrorStatus readSoftOwnershipId(AcDbSoftOwnershipId* id) override;
    Acad::ErrorStatus writeSoftOwnershipId(const AcDbSoftOwnershipId& id) override;
    Acad::ErrorStatus readHardPointerId(AcDbHardPointerId* id) override;
    Acad::ErrorStatus writeHardPointerId(const AcDbHardPointerId& id) override;
    Acad::ErrorStatus readSoftPointerId(AcDbSoftPointerId* id) override;
    Acad::ErrorStatus writeSoftPointerId(const AcDbSoftPointerId& id) override;
    Acad::ErrorStatus readString(char** value) override;
    Acad::ErrorStatus writeString(const char* value) override;
    Acad::ErrorStatus readBChunk(ads_binary* value) override;
    Acad::ErrorStatus writeBChunk(const ads_binary& value) override;
    Acad::ErrorStatus readAcDbHandle(AcDbHandle* value) override;
    Acad::ErrorStatus writeAcDbHandle(const AcDbHandle& value) override;
    Acad::ErrorStatus readChar(char* value) override;
    Acad::ErrorStatus writeChar(char value) override;
    Acad::ErrorStatus readInt32(Adesk::Int32* value) override;
    Acad::ErrorStatus writeInt32(Adesk::Int32 value) override;
    Acad::ErrorStatus readInt16(Adesk::Int16* value) override;
    Acad::ErrorStatus writeInt16(Adesk::Int16 value) override;
    Acad::ErrorStatus readUInt32(Adesk::UInt32* value) override;
    Acad::ErrorStatus writeUInt32(Adesk::UInt32 value) override;
    Acad::ErrorStatus readUInt16(Adesk::UInt16* value) override;
    Acad::ErrorStatus writeUInt16(Adesk::UInt16 value) override;
    Acad::ErrorStatus readUInt8(Adesk::UInt8* value) override;
    Acad::ErrorStatus writeUInt8(Adesk::UInt8 value) override;
    Acad::ErrorStatus readBoolean(Adesk::Boolean* value) override;
    Acad::ErrorStatus writeBoolean(Adesk::Boolean value) override;
    Acad::ErrorStatus readDouble(double* value) override;
    Acad::ErrorStatus writeDouble(double value) override;
    Acad::ErrorStatus readPoint3d(AcGePoint3d* value) override;
    Acad::ErrorStatus writePoint3d(const AcGePoint3d& value) override;
    Acad::ErrorStatus readVector3d(AcGeVector3d* value) override;
    Acad::ErrorStatus writeVector3d(const AcGeVector3d& value) override;
    Acad::ErrorStatus readBytes(void* buffer, Adesk::UInt32 length) override;
    Acad::ErrorStatus writeBytes(const void* buffer, Adesk::UInt32 length) override;

    // Reads the tag of the next item without consuming it; false at the end or after an error.
    bool peekTag(ItemTag& tag) const;

    // Raw access for records kept unread (proxies, whole drawings): appendRaw adds bytes as they
    // are; skipRaw moves the read position past count bytes that are no item (eEndOfFile when
    // fewer are left); takeRemaining hands out every byte from the read position on and moves to
    // the end (nothing after an error); readByteBlock reads a Bytes item of any length up to limit.
    void appendRaw(const std::vector<std::uint8_t>& bytes);
    Acad::ErrorStatus skipRaw(std::size_t count);
    std::vector<std::uint8_t> takeRemaining();
    Acad::ErrorStatus readByteBlock(std::vector<std::uint8_t>& bytes, std::uint32_t limit);

private:
    bool beginRead(ItemTag tag, std::size_t payload);
    void beginWrite(ItemTag tag);
    void putRaw(const void* data, std::size_t size);
    void getRaw(void* data, std::size_t size);
    bool readLength(ItemTag tag, std::uint32_t& length, std::uint32_t limit);
    Acad::ErrorStatus writeId(ItemTag tag, const AcDbObjectId& id);
    Acad::ErrorStatus readId(ItemTag tag, AcDbObjectId* id);
    template <class T>
    Acad::ErrorStatus writeScalar(ItemTag tag, T value);
    template <class T>
    Acad::ErrorStatus readScalar(ItemTag tag, T* value);

    std::vector<std::uint8_t> m_buffer;
    std::size_t m_position = 0;
    Acad::ErrorStatus m_status = Acad::eOk;
    AcDb::FilerType m_type;
    AcDbDatabase* m_database;
    IdCoding m_coding;
};

// Walks the items of a tagged record and calls fn with the tag and handle of every id item; false
// when the bytes stop being well-formed items (the walk stops there).
bool forEachFiledId(const std::vector<std::uint8_t>& bytes, IdCoding coding,
                    const std::function<void(ItemTag, std::uint32_t)>& fn);

// One line per item ("Int16 1", "String \"AcAreaReader\"", "HardPointer #1F", ...); the text
// ends with "<error>" where the bytes stop making sense. For tests and dumps.
std::string describeRecord(const std::vector<std::uint8_t>& bytes, IdCoding coding);

}  // namespace vthost

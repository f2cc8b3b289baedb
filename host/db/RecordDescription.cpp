// Text form of a tagged record, for tests and dumps.
#include <cstring>
#include <sstream>

#include "db/DwgStreamFiler.h"

namespace vthost {

namespace {

class Describer {
public:
    Describer(const std::vector<std::uint8_t>& bytes, IdCoding coding)
        : m_bytes(bytes), m_coding(coding) {}

    std::string run() {
        while (m_pos < m_bytes.size() && item()) {
        }
        return m_out.str();
    }

private:
    template <class T>
    bool take(T& value) {
        if (m_bytes.size() - m_pos < sizeof value) return false;
        std::memcpy(&value, m_bytes.data() + m_pos, sizeof value);
        m_pos += sizeof value;
        return true;
    }
    bool fail() {
        m_out << "<error>\n";
        return false;
    }
    template <class T>
    bool scalar(const char* name) {
        T value{};
        if (!take(value)) return fail();
        m_out << name << ' ' << +value << '\n';
        return true;
    }
    bool id(const char* name) {
        std::uint32_t serial = 0, handle = 0;
        if (m_coding == IdCoding::kSession && !take(serial)) return fail();
        if (!take(handle)) return fail();
        m_out << name << " #" << std::hex << std::uppercase << handle << std::dec << '\n';
        return true;
    }
    bool text(const char* name) {
        std::uint32_t length = 0;
        if (!take(length) || m_bytes.size() - m_pos < length) return fail();
        m_out << name << " \"" << std::string(m_bytes.begin() + m_pos, m_bytes.begin() + m_pos + length)
              << "\"\n";
        m_pos += length;
        return true;
    }
    bool triple(const char* name) {
        double xyz[3];
        if (!take(xyz)) return fail();
        m_out << name << ' ' << xyz[0] << ',' << xyz[1] << ',' << xyz[2] << '\n';
        return true;
    }
    bool item() {
        auto tag = static_cast<ItemTag>(m_bytes[m_pos++]);
        switch (tag) {
            case ItemTag::kInt16: return scalar<std::int16_t>("Int16");
            case ItemTag::kInt32: return scalar<std::int32_t>("Int32");
            case ItemTag::kUInt16: return scalar<std::uint16_t>("UInt16");
            case ItemTag::kUInt32: return scalar<std::uint32_t>("UInt32");
            case ItemTag::kUInt8: return scalar<std::uint8_t>("UInt8");
            case ItemTag::kChar: return scalar<char>("Char");
            case ItemTag::kBoolean: return scalar<std::uint8_t>("Boolean");
            case ItemTag::kDouble: return scalar<double>("Double");
            case ItemTag::kString: return text("String");
            case ItemTag::kPoint3d: return triple("Point3d");
            case ItemTag::kVector3d: return triple("Vector3d");
            case ItemTag::kBytes: return text("Bytes");
            case ItemTag::kBChunk: return text("BChunk");
            case ItemTag::kHandle: return scalar<std::uint64_t>("Handle");
            case ItemTag::kHardOwner: return id("HardOwner");
            case ItemTag::kSoftOwner: return id("SoftOwner");
            case ItemTag::kHardPointer: return id("HardPointer");
            case ItemTag::kSoftPointer: return id("SoftPointer");
        }
        return fail();
    }

    const std::vector<std::uint8_t>& m_bytes;
    IdCoding m_coding;
    std::size_t m_pos = 0;
    std::ostringstream m_out;
};

}  // namespace

std::string describeRecord(const std::vector<std::uint8_t>& bytes, IdCoding coding) {
    return Describer(bytes, coding).run();
}

}  // namespace vthost

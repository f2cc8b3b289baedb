#include "dxf/DxfGroupFeed.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "dxf/DxfLibrary.h"

namespace vthost {

namespace {

// The kinds of value a group code carries.
enum class ValueKind { kText, kReal, kInteger };

ValueKind kindOf(int code) {
    auto in = [code](int low, int high) { return code >= low && code <= high; };
    if (in(10, 59) || in(110, 149) || in(210, 239) || in(460, 469) || in(1010, 1059))
        return ValueKind::kReal;
    if (in(60, 79) || in(90, 99) || in(170, 179) || in(270, 289) || in(370, 389) ||
        in(400, 409) || in(1060, 1071))
        return ValueKind::kInteger;
    return ValueKind::kText;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool parseInteger(std::string_view s, long& value) {
    std::string text(trimmed(s));
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= INT32_MIN && value <= INT32_MAX;
}

bool parseReal(std::string_view s) {
    std::string text(trimmed(s));
    if (text.empty()) return false;
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value);
}

// Codes whose value dxflib uses as the size of an array it allocates, per record kind.
bool isAllocatingCount(const std::string& kind, int code) {
    if (kind == "LWPOLYLINE") return code == 90;
    if (kind == "SPLINE") return code == 72 || code == 73 || code == 74;
    if (kind == "LEADER") return code == 76;
    return false;
}

// Reads one line (without its line end) from text at pos; false at the end of the text.
bool nextLine(std::string_view text, std::size_t& pos, std::string_view& line) {
    if (pos >= text.size()) return false;
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos = end + 1;
    return true;
}

class Feed {
public:
    Feed(std::string_view text, DL_Dxf& dxf, DL_CreationInterface& receiver,
         DxfRecordListener& listener, std::string& message)
        : m_text(text), m_stream(std::string(text)), m_dxf(dxf), m_receiver(receiver), m_listener(listener),
          m_message(message) {}

    Acad::ErrorStatus run() {
        if (m_text.find('\0') != std::string_view::npos)
            return refuse(Acad::eInvalidInput, "not a text DXF file (it holds zero bytes)");
        m_listener.setCurrentRecord(&m_record);
        std::string_view codeLine, valueLine;
        while (nextLine(m_text, m_pos, codeLine)) {
            ++m_line;
            if (trimmed(codeLine).empty() && m_pos >= m_text.size()) break;
            if (!nextLine(m_text, m_pos, valueLine))
                return refuse(Acad::eEndOfFile, "the file ends after a group code");
            ++m_line;
            Acad::ErrorStatus es = group(codeLine, valueLine);
            if (es != Acad::eOk || m_sawEof) return es;
        }
        if (m_groups == 0) return refuse(Acad::eInvalidInput, "not a DXF file (no groups)");
        return refuse(Acad::eEndOfFile, "the file ends before its EOF group (cut short?)");
    }

private:
    Acad::ErrorStatus group(std::string_view codeLine, std::string_view valueLine) {
        long code = 0;
        if (!parseInteger(codeLine, code) || code < 0 || code > 1071)
            return refuse(Acad::eInvalidInput, "not a group code");
        if (valueLine.size() > DL_DXF_MAXLINE)
            return refuse(Acad::eInvalidInput, "a value longer than a DXF line may be");
        Acad::ErrorStatus es = checkValue(static_cast<int>(code), valueLine);
        if (es != Acad::eOk) return es;
        ++m_groups;
        std::string value(kindOf(static_cast<int>(code)) == ValueKind::kText ? valueLine
                                                                             : trimmed(valueLine));
        if (code == 0) return recordStart(value);
        m_record.groups.emplace_back(static_cast<int>(code), value);
        if (m_record.kind == "SECTION" && code == 2) m_section = value;
        return pass(static_cast<int>(code), value);
    }

    Acad::ErrorStatus checkValue(int code, std::string_view value) {
        ValueKind kind = kindOf(code);
        if (kind == ValueKind::kReal && !parseReal(value))
            return refuse(Acad::eInvalidInput, "a real group whose value is not a finite number");
        if (kind != ValueKind::kInteger) return Acad::eOk;
        long number = 0;
        if (!parseInteger(value, number))
            return refuse(Acad::eInvalidInput, "an integer group whose value is not an integer");
        if (isAllocatingCount(m_record.kind, code) &&
            number > static_cast<long>((m_text.size() - m_pos) / 4))
            return refuse(Acad::eInvalidInput, "a count larger than the rest of the file holds");
        return Acad::eOk;
    }

    // A group 0 ends the record before it (dxflib makes its calls for it now) and opens the next.
    Acad::ErrorStatus recordStart(const std::string& kind) {
        Acad::ErrorStatus es = pass(0, kind);
        if (es != Acad::eOk) return es;
        m_listener.recordEnded(m_record);
        if (m_record.kind == "ENDSEC") m_section.clear();
        m_record.kind = kind;
        m_record.section = m_section;
        m_record.groups.clear();
        m_sawEof = kind == "EOF";
        return Acad::eOk;
    }

    // dxflib reads the same group from its own stream, which runs in step with ours (it keeps
    // state of its own per group that only its reader sets); whatever it throws ends the import.
    Acad::ErrorStatus pass(int, const std::string&) {
        try {
            m_dxf.readDxfGroups(m_stream, &m_receiver);
        } catch (...) {
            return refuse(Acad::eInvalidInput, "the DXF reader gave up on this group");
        }
        return Acad::eOk;
    }

    Acad::ErrorStatus refuse(Acad::ErrorStatus es, const char* why) {
        m_message = std::string(why) + " (line " + std::to_string(m_line) + ")";
        return es;
    }

    std::string_view m_text;
    std::istringstream m_stream;
    DL_Dxf& m_dxf;
    DL_CreationInterface& m_receiver;
    DxfRecordListener& m_listener;
    std::string& m_message;
    std::size_t m_pos = 0;
    long m_line = 0;
    long m_groups = 0;
    bool m_sawEof = false;
    std::string m_section;
    DxfRawRecord m_record;
};

}  // namespace

const std::string* DxfRawRecord::find(int code) const {
    for (const auto& [c, value] : groups)
        if (c == code) return &value;
    return nullptr;
}

double DxfRawRecord::real(int code, double fallback) const {
    const std::string* value = find(code);
    return value ? std::strtod(value->c_str(), nullptr) : fallback;
}

int DxfRawRecord::integer(int code, int fallback) const {
    const std::string* value = find(code);
    return value ? static_cast<int>(std::strtol(value->c_str(), nullptr, 10)) : fallback;
}

std::string DxfRawRecord::text(int code) const {
    const std::string* value = find(code);
    return value ? *value : std::string();
}

Acad::ErrorStatus feedDxfGroups(std::string_view text, DL_Dxf& dxf,
                                DL_CreationInterface& receiver, DxfRecordListener& listener,
                                std::string& message) {
    Acad::ErrorStatus es = Feed(text, dxf, receiver, listener, message).run();
    // The record the listener was shown lived in the feed; whatever the listener does after the
    // feed (finishing a polyline cut short by EOF) must not read it.
    listener.setCurrentRecord(nullptr);
    return es;
}

}  // namespace vthost

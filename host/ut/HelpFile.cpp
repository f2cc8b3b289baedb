#include "ut/HelpFile.h"

#include <cctype>
#include <cstdint>
#include <set>

namespace vthost {

namespace {

constexpr std::string_view kMagic("VTHELP\0\0", 8);

void putNumber(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Reads numbers and byte runs from the front of the data; every read checks what is left.
class Input {
public:
    explicit Input(std::string_view data) : m_data(data) {}
    bool number(std::uint32_t& value) {
        if (m_data.size() < 4) return false;
        value = 0;
        for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(m_data[i]);
        m_data.remove_prefix(4);
        return true;
    }
    bool bytes(std::uint32_t length, std::string& out) {
        if (m_data.size() < length) return false;
        out.assign(m_data.substr(0, length));
        m_data.remove_prefix(length);
        return true;
    }
    bool empty() const { return m_data.empty(); }

private:
    std::string_view m_data;
};

bool readTopic(Input& in, HelpTopic& topic) {
    std::uint32_t titleLength = 0, textLength = 0;
    return in.number(topic.context) && in.number(titleLength) && in.number(textLength) &&
           in.bytes(titleLength, topic.title) && in.bytes(textLength, topic.text);
}

bool readContext(std::string_view& rest, unsigned& context) {
    std::size_t digits = 0;
    std::uint64_t value = 0;
    while (digits < rest.size() && digits < 11 && std::isdigit(static_cast<unsigned char>(rest[digits])))
        value = value * 10 + static_cast<unsigned>(rest[digits++] - '0');
    if (digits == 0 || value == 0 || value > 0xFFFFFFFFu) return false;
    context = static_cast<unsigned>(value);
    rest.remove_prefix(digits);
    return rest.empty() || rest[0] == ' ';
}

void trimEnd(std::string& text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
}

}  // namespace

bool readHelpSource(std::string_view text, std::vector<HelpTopic>& topics, std::string& error) {
    topics.clear();
    std::set<unsigned> seen;
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line[0] == '#') continue;
        if (line.substr(0, 6) != "TOPIC ") {
            if (topics.empty() && !line.empty()) return error = "line " + std::to_string(number) + ": text before the first TOPIC", false;
            if (!topics.empty()) topics.back().text.append(line).push_back('\n');
            continue;
        }
        std::string_view rest = line.substr(6);
        HelpTopic topic;
        if (!readContext(rest, topic.context) || !seen.insert(topic.context).second)
            return error = "line " + std::to_string(number) + ": a TOPIC without a new context number", false;
        topic.title = std::string(rest.empty() ? rest : rest.substr(1));
        topics.push_back(std::move(topic));
    }
    for (HelpTopic& topic : topics) trimEnd(topic.text);
    return true;
}

std::string writeHelpFile(const std::vector<HelpTopic>& topics) {
    std::string out(kMagic);
    putNumber(out, kHelpFileVersion);
    putNumber(out, static_cast<std::uint32_t>(topics.size()));
    for (const HelpTopic& topic : topics) {
        putNumber(out, topic.context);
        putNumber(out, static_cast<std::uint32_t>(topic.title.size()));
        putNumber(out, static_cast<std::uint32_t>(topic.text.size()));
        out += topic.title;
        out += topic.text;
    }
    return out;
}

HelpRead readHelpFile(std::string_view data, std::vector<HelpTopic>& topics) {
    topics.clear();
    if (data.substr(0, kMagic.size()) != kMagic) return HelpRead::kNotHelp;
    Input in(data.substr(kMagic.size()));
    std::uint32_t version = 0, count = 0;
    if (!in.number(version) || !in.number(count)) return HelpRead::kDamaged;
    if (version == 0) return HelpRead::kDamaged;  // no file was ever written with version 0
    if (version > kHelpFileVersion) return HelpRead::kNewerVersion;
    if (count > kMaxHelpTopics) return HelpRead::kDamaged;
    for (std::uint32_t i = 0; i < count; ++i) {
        HelpTopic topic;
        if (!readTopic(in, topic)) return topics.clear(), HelpRead::kDamaged;
        topics.push_back(std::move(topic));
    }
    if (!in.empty()) return topics.clear(), HelpRead::kDamaged;
    return HelpRead::kOk;
}

}  // namespace vthost

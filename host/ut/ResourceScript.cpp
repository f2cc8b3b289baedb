#include "ut/ResourceScript.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace vthost {

namespace {

// The script as lines, with a cursor and the line number for messages.
class Lines {
public:
    explicit Lines(std::string_view text) {
        for (std::size_t start = 0; start <= text.size();) {
            std::size_t end = std::min(text.find('\n', start), text.size());
            m_lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
    }
    // The next line that is not blank or a comment, trimmed; false at the end.
    bool next(std::string_view& line) {
        while (m_next < m_lines.size()) {
            line = trim(m_lines[m_next++]);
            if (!line.empty() && line[0] != '#' && line.substr(0, 2) != "//") return true;
        }
        return false;
    }
    std::string where() const { return "line " + std::to_string(m_next); }

private:
    static std::string_view trim(std::string_view s) {
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
        return s;
    }
    std::vector<std::string_view> m_lines;
    std::size_t m_next = 0;
};

bool fail(const Lines& lines, const std::string& what, std::string& error) {
    error = lines.where() + ": " + what;
    return false;
}

bool readId(std::string_view& line, unsigned& id) {
    std::size_t digits = 0;
    unsigned long value = 0;
    while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits])) && digits < 6)
        value = value * 10 + static_cast<unsigned long>(line[digits++] - '0');
    if (digits == 0 || value > 65535 || (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))))
        return false;
    id = static_cast<unsigned>(value);
    line.remove_prefix(digits);
    return true;
}

char escaped(std::string_view line, std::size_t& i) {
    char c = line[i];
    switch (c) {
        case 'n': return '\n';
        case 't': return '\t';
        case 'r': return '\r';
        case '0': {
            int value = 0;
            for (int n = 0; n < 3 && i + 1 < line.size() && line[i + 1] >= '0' && line[i + 1] <= '7'; ++n)
                value = value * 8 + (line[++i] - '0');
            return static_cast<char>(value);
        }
        default: return c;
    }
}

// A quoted text that ends the line; false with what is wrong.
bool readText(std::string_view line, std::string& text, std::string& what) {
    std::size_t i = 0;
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
    if (i >= line.size() || line[i] != '"') return what = "a string id without a quoted text", false;
    for (++i; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') c = line[++i];
        else if (c == '"') break;
        else if (c == '\\' && i + 1 < line.size()) c = escaped(line, ++i);
        text.push_back(c);
        if (text.size() > kMaxResourceString) return what = "a text longer than " + std::to_string(kMaxResourceString), false;
    }
    if (i >= line.size()) return what = "an unterminated text", false;
    if (i + 1 != line.size()) return what = "something after the text", false;
    return true;
}

bool isBegin(std::string_view line) { return line == "BEGIN" || line == "{"; }
bool isEnd(std::string_view line) { return line == "END" || line == "}"; }

bool readStringTable(Lines& lines, ResourceScript& script, std::string& error) {
    std::string_view line;
    if (!lines.next(line) || !isBegin(line)) return fail(lines, "STRINGTABLE without BEGIN", error);
    while (lines.next(line)) {
        if (isEnd(line)) return true;
        unsigned id = 0;
        std::string text, what;
        if (!readId(line, id)) return fail(lines, "a string id that is not a number 0..65535", error);
        if (!readText(line, text, what)) return fail(lines, what, error);
        if (!script.strings.emplace(id, std::move(text)).second)
            return fail(lines, "string id " + std::to_string(id) + " appears twice", error);
    }
    return fail(lines, "STRINGTABLE without END", error);
}

std::string literal(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') out += '\\', out += static_cast<char>(c);
        else if (c >= 0x20 && c < 0x7f && c != '?') out += static_cast<char>(c);
        else {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            out += octal;
        }
    }
    return out + "\"";
}

}  // namespace

bool readResourceScript(std::string_view text, ResourceScript& script, std::string& error) {
    script = ResourceScript{};
    Lines lines(text);
    std::string_view line;
    while (lines.next(line)) {
        if (line == "STRINGTABLE") {
            if (!readStringTable(lines, script, error)) return false;
            continue;
        }
        std::string kind(line.substr(0, std::min<std::size_t>(line.size(), 32)));
        return fail(lines, "unknown resource kind \"" + kind + "\" (this compiler reads STRINGTABLE)", error);
    }
    return true;
}

std::string writeResourceSource(const ResourceScript& script) {
    std::string out =
        "// Written by vtrc, the resource compiler, from a resource script. Do not edit.\n"
        "#include \"ut/ResourceTable.h\"\n\nnamespace {\n";
    out += "const VthostStringResource kStrings[] = {\n";
    for (const auto& [id, text] : script.strings)
        out += "    {" + std::to_string(id) + "u, " + literal(text) + ", " + std::to_string(text.size()) + "u},\n";
    if (script.strings.empty()) out += "    {0u, nullptr, 0u},\n";
    out += "};\n}  // namespace\n\n";
    out += "extern \"C\" const VthostResourceTable vthost_resources = {kResourceTableVersion, " +
           std::to_string(script.strings.size()) + "u, kStrings};\n";
    return out;
}

}  // namespace vthost

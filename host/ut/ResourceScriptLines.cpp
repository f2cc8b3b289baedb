#include "ut/ResourceScriptLines.h"

#include <cctype>

#include "ut/WindowStyles.h"

namespace vthost::rc {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

bool isNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// A decimal or 0x hexadecimal number at s[i], with an optional L suffix; false when it is too
// long to be a resource value.
bool scanNumber(std::string_view s, std::size_t& i, long long& value) {
    bool negative = s[i] == '-';
    if (negative) ++i;
    int base = 10;
    if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) base = 16, i += 2;
    value = 0;
    std::size_t digits = 0;
    for (; i < s.size() && std::isxdigit(static_cast<unsigned char>(s[i])); ++i, ++digits) {
        int d = std::isdigit(static_cast<unsigned char>(s[i])) ? s[i] - '0'
                                                               : std::tolower(static_cast<unsigned char>(s[i])) - 'a' + 10;
        if (d >= base || digits >= 10) return false;
        value = value * base + d;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'L' || s[i] == 'l')) ++i;
    if (negative) value = -value;
    return true;
}

// The line without a trailing "//" comment (one outside quoted texts).
std::string_view withoutComment(std::string_view line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (quoted && line[i] == '\\') ++i;  // an escaped character, perhaps a quote
        else if (line[i] == '"') quoted = !quoted;
        else if (!quoted && line[i] == '/' && i + 1 < line.size() && line[i + 1] == '/') return trim(line.substr(0, i));
    }
    return line;
}

}  // namespace

Lines::Lines(std::string_view text) {
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        m_lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

bool Lines::next(std::string_view& line) {
    while (m_next < m_lines.size()) {
        line = trim(m_lines[m_next++]);
        if (!line.empty() && line[0] != '#' && line.substr(0, 2) != "//") return true;
    }
    return false;
}

bool Lines::nextStatement(std::string& statement) {
    std::string_view line;
    if (!next(line)) return false;
    statement.assign(withoutComment(line));
    while (!statement.empty() && (statement.back() == ',' || statement.back() == '|') && next(line))
        statement.append(" ").append(withoutComment(line));
    return true;
}

bool fail(const Lines& lines, const std::string& what, std::string& error) {
    error = lines.where() + ": " + what;
    return false;
}

bool isBegin(std::string_view line) { return line == "BEGIN" || line == "{"; }
bool isEnd(std::string_view line) { return line == "END" || line == "}"; }

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

bool Tokens::split(std::string_view s, std::string& what) {
    m_tokens.clear();
    m_next = 0;
    for (std::size_t i = 0; i < s.size();) {
        char c = s[i];
        Token token;
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        if (c == '/' && i + 1 < s.size() && s[i + 1] == '/') break;
        if (c == ',' || c == '|') {
            token.kind = c == ',' ? Token::kComma : Token::kBar;
            ++i;
        } else if (c == '"') {
            token.kind = Token::kText;
            for (++i;; ++i) {
                if (i >= s.size()) return what = "an unterminated text", false;
                char t = s[i];
                if (t == '"' && i + 1 < s.size() && s[i + 1] == '"') t = s[++i];
                else if (t == '"') break;
                else if (t == '\\' && i + 1 < s.size()) t = escaped(s, ++i);
                token.text.push_back(t);
                if (token.text.size() > kMaxResourceString)
                    return what = "a text longer than " + std::to_string(kMaxResourceString), false;
            }
            ++i;
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '-') {
            token.kind = Token::kNumber;
            if (!scanNumber(s, i, token.number)) return what = "a number this compiler cannot read", false;
            if (i < s.size() && isNameChar(s[i])) return what = "a number this compiler cannot read", false;
        } else if (isNameStart(c)) {
            std::size_t start = i;
            while (i < s.size() && isNameChar(s[i])) ++i;
            if (i - start > 64) return what = "a name longer than 64 characters", false;
            token.text.assign(s.substr(start, i - start));
        } else {
            return what = std::string("an unexpected character '") + (std::isprint(static_cast<unsigned char>(c)) ? std::string(1, c) : "?") + "'", false;
        }
        m_tokens.push_back(std::move(token));
    }
    return true;
}

bool Tokens::peekName(const char* wanted) const { return peek(Token::kName) && m_tokens[m_next].text == wanted; }

bool Tokens::comma() {
    if (!peek(Token::kComma)) return false;
    ++m_next;
    return true;
}

bool Tokens::name(std::string& value) {
    if (!peek(Token::kName)) return false;
    value = take().text;
    return true;
}

bool Tokens::text(std::string& value, const char* what, std::string& error) {
    if (!peek(Token::kText)) return error = std::string("expected ") + what + " (a quoted text)", false;
    value = take().text;
    return true;
}

bool Tokens::number(long long& value, long long low, long long high, const char* what, std::string& error) {
    if (peek(Token::kNumber)) {
        value = take().number;
    } else if (peek(Token::kName)) {
        const std::string& name = take().text;
        if (!findResourceName(name.c_str(), value)) return error = "an unknown name \"" + name + "\"", false;
    } else {
        return error = std::string("expected ") + what, false;
    }
    if (value < low || value > high)
        return error = std::string(what) + " out of range " + std::to_string(low) + ".." + std::to_string(high), false;
    return true;
}

bool Tokens::style(unsigned& style, std::string& error) {
    do {
        bool remove = false;
        if (peekName("NOT")) {
            take();
            remove = true;
        }
        long long bits = 0;
        if (!number(bits, -0x80000000LL, 0xFFFFFFFFLL, "a style", error)) return false;
        unsigned value = static_cast<unsigned>(bits & 0xFFFFFFFFLL);
        style = remove ? style & ~value : style | value;
    } while (peek(Token::kBar) && (take(), true));
    return true;
}

}  // namespace vthost::rc

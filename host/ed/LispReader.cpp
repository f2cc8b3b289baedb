#include "ed/LispReader.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace vthost {

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    bool readAll(std::vector<LispValue>& forms, std::string& error) {
        for (skipSpace(); m_pos < m_text.size(); skipSpace()) {
            LispValue value;
            if (!readForm(value, 0)) break;
            forms.push_back(std::move(value));
        }
        error = m_error;
        return m_error.empty();
    }

private:
    bool fail(const char* message) {
        if (m_error.empty()) m_error = message;
        return false;
    }

    void skipSpace() {
        while (m_pos < m_text.size()) {
            char c = m_text[m_pos];
            if (c == ';') {
                while (m_pos < m_text.size() && m_text[m_pos] != '\n') ++m_pos;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++m_pos;
            } else {
                return;
            }
        }
    }

    bool readForm(LispValue& value, int depth) {
        if (depth >= kMaxLispDepth) return fail("too many nested lists");
        skipSpace();
        if (m_pos >= m_text.size()) return fail("malformed list on input");
        char c = m_text[m_pos];
        if (c == '(') return readList(value, depth);
        if (c == ')') return fail("extra right paren on input");
        if (c == '"') return readString(value);
        if (c == '\'') return readQuote(value, depth);
        return readAtom(value);
    }

    bool readList(LispValue& value, int depth) {
        ++m_pos;
        value = LispValue::nil();
        value.kind = LispValue::Kind::kList;
        for (skipSpace(); m_pos < m_text.size() && m_text[m_pos] != ')'; skipSpace()) {
            LispValue item;
            if (!readForm(item, depth + 1)) return false;
            value.items.push_back(std::move(item));
        }
        if (m_pos >= m_text.size()) return fail("malformed list on input");
        ++m_pos;
        if (value.items.empty()) value = LispValue::nil();
        return true;
    }

    bool readQuote(LispValue& value, int depth) {
        ++m_pos;
        LispValue quoted;
        if (!readForm(quoted, depth + 1)) return false;
        value.kind = LispValue::Kind::kList;
        value.items.push_back(LispValue::symbol("QUOTE"));
        value.items.push_back(std::move(quoted));
        return true;
    }

    static char unescaped(char c) {
        switch (c) {
            case 'n': return '\n';
            case 't': return '\t';
            case 'r': return '\r';
            default: return c;
        }
    }

    bool readString(LispValue& value) {
        std::string text;
        for (++m_pos; m_pos < m_text.size(); ++m_pos) {
            char c = m_text[m_pos];
            if (c == '"') {
                ++m_pos;
                value = LispValue::string(std::move(text));
                return true;
            }
            if (c == '\\') {
                if (++m_pos >= m_text.size()) break;
                c = unescaped(m_text[m_pos]);
            }
            text.push_back(c);
        }
        return fail("malformed string on input");
    }

    static bool endsAtom(char c) {
        return std::isspace(static_cast<unsigned char>(c)) || c == '(' || c == ')' || c == '"' ||
               c == '\'' || c == ';';
    }

    bool readAtom(LispValue& value) {
        std::size_t start = m_pos;
        while (m_pos < m_text.size() && !endsAtom(m_text[m_pos])) ++m_pos;
        std::string atom(m_text.substr(start, m_pos - start));
        if (!readNumber(atom, value)) value = symbolOrConstant(atom);
        return true;
    }

    static bool readNumber(const std::string& atom, LispValue& value) {
        char* end = nullptr;
        errno = 0;
        long integer = std::strtol(atom.c_str(), &end, 10);
        if (end != atom.c_str() && *end == '\0' && errno == 0 && integer >= INT_MIN &&
            integer <= INT_MAX) {
            value = LispValue::number(integer);
            return true;
        }
        // Only digits, signs, points and exponents make a real ("inf", "nan" and hex are symbols).
        bool hasDigit = atom.find_first_of("0123456789") != std::string::npos;
        if (!hasDigit || atom.find_first_not_of("0123456789+-.eE") != std::string::npos) return false;
        double real = std::strtod(atom.c_str(), &end);
        if (end == atom.c_str() || *end != '\0') return false;
        value = LispValue::realNumber(real);
        return true;
    }

    static LispValue symbolOrConstant(std::string atom) {
        for (char& c : atom) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (atom == "NIL") return LispValue::nil();
        if (atom == "T") return LispValue::t();
        return LispValue::symbol(std::move(atom));
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::string m_error;
};

}  // namespace

bool readLisp(std::string_view text, std::vector<LispValue>& forms, std::string& error) {
    return Reader(text).readAll(forms, error);
}

}  // namespace vthost

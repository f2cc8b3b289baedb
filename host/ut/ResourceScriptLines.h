// What the resource compiler's block readers share: the script as significant lines with their
// numbers, a statement's tokens, and the reading of texts, numbers, ids and style expressions.
// Host-internal (ut/ResourceScript.cpp and its block readers).
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "ut/ResourceScript.h"

namespace vthost::rc {

class Lines {
public:
    explicit Lines(std::string_view text);
    // The next line that is not blank or a comment, trimmed; false at the end.
    bool next(std::string_view& line);
    // The next statement: a line, joined with the lines after it while it ends in ',' or '|'.
    bool nextStatement(std::string& statement);
    std::string where() const { return "line " + std::to_string(m_next); }

private:
    std::vector<std::string_view> m_lines;
    std::size_t m_next = 0;
};

bool fail(const Lines& lines, const std::string& what, std::string& error);
bool isBegin(std::string_view line);
bool isEnd(std::string_view line);
// The character after a backslash at line[i] (i moves past an octal escape's digits).
char escaped(std::string_view line, std::size_t& i);

struct Token {
    enum Kind { kNumber, kText, kName, kComma, kBar };
    Kind kind = kName;
    long long number = 0;
    std::string text;
};

// A statement's tokens, read one by one; each reader answers false with what is wrong.
class Tokens {
public:
    // False with what is wrong (an unterminated text, a character the syntax has no use for).
    bool split(std::string_view statement, std::string& what);
    bool atEnd() const { return m_next >= m_tokens.size(); }
    bool peek(Token::Kind kind) const { return !atEnd() && m_tokens[m_next].kind == kind; }
    bool peekName(const char* name) const;
    // Takes a ',' when one comes next.
    bool comma();
    bool name(std::string& value);
    bool text(std::string& value, const char* what, std::string& error);
    // A number or a name of ut/WindowStyles.h, within [low, high].
    bool number(long long& value, long long low, long long high, const char* what, std::string& error);
    // "A | B | NOT C | 0x10" applied to style (which holds the implied bits).
    bool style(unsigned& style, std::string& error);
    const Token& take() { return m_tokens[m_next++]; }

private:
    std::vector<Token> m_tokens;
    std::size_t m_next = 0;
};

bool readDialog(Lines& lines, Tokens& header, DialogScript& dialog, std::string& error);
bool readMenu(Lines& lines, std::vector<MenuItemScript>& items, std::string& error);
bool readBitmap(Tokens& header, const ResourceFileReader& readFile, BitmapScript& bitmap,
                std::string& what);
bool readCursor(Tokens& header, const ResourceFileReader& readFile, CursorScript& cursor, std::string& what);
// The statements after "<id> VERSIONINFO" up to its END.
bool readVersionInfo(Lines& lines, Tokens& header, VersionScript& version, std::string& error);

}  // namespace vthost::rc

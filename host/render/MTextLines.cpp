#include "render/MTextLines.h"

#include <cstdlib>
#include <sstream>

#include "render/TextMetrics.h"

namespace vthost {

namespace {

bool takesValue(char code) {
    switch (code) {
        case 'f': case 'F': case 'H': case 'C': case 'c': case 'W': case 'T': case 'Q': case 'A': case 'p':
            return true;
        default:
            return false;
    }
}

bool isSwitch(char code) {
    switch (code) {
        case 'L': case 'l': case 'O': case 'o': case 'K': case 'k':
            return true;
        default:
            return false;
    }
}

std::string utf8Of(unsigned long code) {
    std::string text;
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    return text;
}

// "\U+XXXX" at contents[i] (i at the 'U'): the character, and i moved past the code.
bool unicodeCode(const std::string& contents, std::size_t& i, std::string& character) {
    if (i + 5 >= contents.size() || contents[i + 1] != '+') return false;
    std::string hex = contents.substr(i + 2, 4);
    char* end = nullptr;
    unsigned long code = std::strtoul(hex.c_str(), &end, 16);
    if (hex.size() != 4 || *end != '\0' || code == 0 || (code >= 0xD800 && code <= 0xDFFF)) return false;
    character = utf8Of(code);
    i += 5;
    return true;
}

// A stack "\Sa^b;" at contents[i] (i at the 'S'): "a/b", and i moved to the ';'.
std::string stacked(const std::string& contents, std::size_t& i) {
    std::string::size_type end = contents.find(';', i);
    if (end == std::string::npos) end = contents.size();
    std::string inside = contents.substr(i + 1, end - i - 1);
    for (char& c : inside)
        if (c == '^' || c == '#') c = '/';
    i = end;
    return inside;
}

}  // namespace

std::vector<std::string> mtextParagraphs(const std::string& contents) {
    std::vector<std::string> paragraphs(1);
    for (std::size_t i = 0; i < contents.size(); ++i) {
        char c = contents[i];
        if (c == '\n') { paragraphs.emplace_back(); continue; }
        if (c == '{' || c == '}' || c == '\r') continue;
        if (c != '\\' || i + 1 >= contents.size()) { paragraphs.back() += c; continue; }
        char code = contents[++i];
        std::string character;
        if (code == 'P' || code == 'N') paragraphs.emplace_back();
        else if (code == '~') paragraphs.back() += ' ';
        else if (code == '\\' || code == '{' || code == '}') paragraphs.back() += code;
        else if (code == 'U' && unicodeCode(contents, i, character)) paragraphs.back() += character;
        else if (code == 'S') paragraphs.back() += stacked(contents, i);
        else if (takesValue(code)) {
            std::string::size_type end = contents.find(';', i);
            i = end == std::string::npos ? contents.size() : end;
        } else if (!isSwitch(code)) {
            paragraphs.back() += '\\';
            paragraphs.back() += code;
        }
    }
    return paragraphs;
}

std::vector<std::string> wrappedLines(const std::string& paragraph, double width, double height,
                                      const TextMetrics& metrics) {
    if (!(width > 0.0)) return {paragraph};
    std::vector<std::string> lines;
    std::istringstream words(paragraph);
    std::string word, line;
    while (words >> word) {
        std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && metrics.advance(longer) * height > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    lines.push_back(line);
    return lines;
}

}  // namespace vthost

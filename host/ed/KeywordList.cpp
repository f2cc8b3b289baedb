#include "ed/KeywordList.h"

#include <sstream>

#include "db/HeaderVariables.h"

namespace vthost {

namespace {

bool keywordCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '?';
}

bool validWord(const std::string& word) {
    if (word.empty()) return false;
    for (char c : word)
        if (!keywordCharacter(c)) return false;
    return true;
}

// Splits "WORD,ABBR" or "WoRd" into the keyword and its short form.
bool splitKeyword(const std::string& token, std::string& word, std::string& abbrev) {
    std::size_t comma = token.find(',');
    if (comma != std::string::npos) {
        word = token.substr(0, comma);
        abbrev = token.substr(comma + 1);
        return validWord(word) && validWord(abbrev);
    }
    word = token;
    if (!validWord(word)) return false;
    abbrev.clear();
    for (char c : word)
        if (c >= 'A' && c <= 'Z') abbrev.push_back(c);
    if (abbrev.empty()) abbrev = word;
    return true;
}

// The shortest start of the keyword the user may type: up to its last capital letter, or the
// whole "WORD" of a "WORD,ABBR" keyword whose short form is not a start of it.
std::size_t shortestStart(const std::string& word, const std::string& abbrev) {
    std::string upperAbbrev = upperAscii(abbrev);
    if (upperAscii(word).compare(0, upperAbbrev.size(), upperAbbrev) == 0) return upperAbbrev.size();
    for (std::size_t i = word.size(); i-- > 0;)
        if (word[i] >= 'A' && word[i] <= 'Z') return i + 1;
    return word.size();
}

}  // namespace

bool keywordMatches(const std::string& input, const std::string& word, const std::string& abbrev) {
    if (input.empty()) return false;
    std::string typed = upperAscii(input);
    if (typed == upperAscii(abbrev)) return true;
    std::string upperWord = upperAscii(word);
    return typed.size() <= upperWord.size() && upperWord.compare(0, typed.size(), typed) == 0 &&
           typed.size() >= shortestStart(word, abbrev);
}

bool KeywordList::parse(const std::string& list) {
    m_keywords.clear();
    std::vector<std::string> local, global;
    bool inGlobal = false;
    std::istringstream words(list);
    for (std::string token; words >> token;) {
        if (!inGlobal && token[0] == '_') {
            inGlobal = true;
            token.erase(0, 1);
            if (token.empty()) continue;
        }
        if (token.find('_') != std::string::npos) return false;
        (inGlobal ? global : local).push_back(token);
    }
    if (inGlobal && global.size() != local.size()) return false;
    for (std::size_t i = 0; i < local.size(); ++i) {
        Keyword keyword;
        if (!splitKeyword(local[i], keyword.local, keyword.localAbbrev)) return m_keywords.clear(), false;
        if (!splitKeyword(inGlobal ? global[i] : local[i], keyword.global, keyword.globalAbbrev))
            return m_keywords.clear(), false;
        m_keywords.push_back(keyword);
    }
    return true;
}

int KeywordList::match(const std::string& input) const {
    bool global = !input.empty() && input[0] == '_';
    std::string typed = global ? input.substr(1) : input;
    for (std::size_t i = 0; i < m_keywords.size(); ++i) {
        const Keyword& k = m_keywords[i];
        if (global ? keywordMatches(typed, k.global, k.globalAbbrev)
                   : keywordMatches(typed, k.local, k.localAbbrev))
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace vthost

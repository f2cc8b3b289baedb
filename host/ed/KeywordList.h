// vthost::KeywordList: the keywords acedInitGet establishes for the next input call. A list is
// keywords separated by spaces (letters, digits, hyphens and "?"); a keyword's capital letters are the
// short form the user may type ("LType": "LT", or any longer start such as "LTY"), or it is given
// as "KEYWORD,ABBR". An optional "_" (alone or before the first of them) starts the global names,
// matched by position with the local ones; without it each keyword is its own global name. The
// user types a local keyword, or a global one after "_". Matching ignores case. Pure.
#pragma once
#include <string>
#include <vector>

namespace vthost {

class KeywordList {
public:
    struct Keyword {
        std::string local;    // as spelled, without ",ABBR"
        std::string global;   // as spelled
        std::string localAbbrev;
        std::string globalAbbrev;
    };

    // False for a malformed list (a character that cannot be in a keyword, an underscore inside
    // one, a global part of another length); the list is then empty.
    bool parse(const std::string& list);
    bool empty() const { return m_keywords.empty(); }
    // The index of the keyword the input names, or -1. The first of several matches wins.
    int match(const std::string& input) const;
    const Keyword& at(int index) const { return m_keywords[static_cast<std::size_t>(index)]; }
    std::size_t size() const { return m_keywords.size(); }

private:
    std::vector<Keyword> m_keywords;
};

// True when input names the keyword spelled word whose short form is abbrev.
bool keywordMatches(const std::string& input, const std::string& word, const std::string& abbrev);

}  // namespace vthost

#include "ed/MenuFile.h"

#include <cctype>
#include <cstdlib>

namespace vthost {

namespace {

constexpr int kMaxPopNumber = 499;

std::string trimmed(std::string_view text) {
    std::size_t first = 0, last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) --last;
    return std::string(text.substr(first, last - first));
}

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// "POP12" -> true when n is 0..kMaxPopNumber.
bool isPullDown(const std::string& name) {
    if (name.size() < 4 || name.size() > 6 || name.compare(0, 3, "POP") != 0) return false;
    for (std::size_t i = 3; i < name.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return false;
    return std::atoi(name.c_str() + 3) <= kMaxPopNumber;
}

class Parser {
public:
    explicit Parser(MenuFile& menu) : m_menu(menu) {}

    bool line(const std::string& text, std::string& error) {
        if (text.empty() || text.compare(0, 2, "//") == 0) return true;
        if (text.compare(0, 3, "***") == 0) return section(trimmed(text.substr(3)), error);
        if (m_skipping || text.compare(0, 2, "**") == 0) return true;
        return item(text, error);
    }

private:
    // The group keeps its spelling; section names are upper-cased.
    bool section(const std::string& text, std::string& error) {
        std::string name = upper(text);
        if (name.compare(0, 10, "MENUGROUP=") == 0) return group(trimmed(text.substr(10)), error);
        if (m_menu.group.empty()) return error = "a section before ***MENUGROUP", false;
        m_skipping = !isPullDown(name);
        if (m_skipping) return true;
        for (const MenuSection& known : m_menu.sections)
            if (known.name == name) return error = "section " + name + " appears twice", false;
        m_menu.sections.push_back(MenuSection{name, {}, {}});
        m_hasTitle = false;
        return true;
    }

    bool group(const std::string& name, std::string& error) {
        if (!m_menu.group.empty()) return error = "a second ***MENUGROUP", false;
        if (name.empty()) return error = "***MENUGROUP without a name", false;
        m_menu.group = name;
        return true;
    }

    bool item(const std::string& text, std::string& error) {
        if (m_menu.sections.empty()) return error = "an item outside a pull-down section", false;
        std::size_t open = text.find('[');
        std::size_t close = open == std::string::npos ? open : text.find(']', open);
        if (close == std::string::npos) return error = "an item without [label]", false;
        MenuItem entry{trimmed(std::string_view(text).substr(0, open)),
                       text.substr(open + 1, close - open - 1), trimmed(text.substr(close + 1))};
        MenuSection& section = m_menu.sections.back();
        if (!m_hasTitle) section.title = entry.label, m_hasTitle = true;
        else section.items.push_back(std::move(entry));
        return true;
    }

    MenuFile& m_menu;
    bool m_skipping = false;
    bool m_hasTitle = false;
};

}  // namespace

bool parseMenuFile(std::string_view text, MenuFile& menu, std::string& error) {
    menu = MenuFile{};
    Parser parser(menu);
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        ++number;
        std::string problem;
        if (raw.size() > kMaxMenuLine) problem = "line too long";
        else parser.line(trimmed(raw), problem);
        if (!problem.empty()) return error = "line " + std::to_string(number) + ": " + problem, false;
    }
    if (menu.group.empty()) return error = "no ***MENUGROUP line", false;
    return true;
}

}  // namespace vthost

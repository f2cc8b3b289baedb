#include "ed/MenuGroups.h"

#include <sys/stat.h>

#include <cctype>
#include <fstream>
#include <sstream>

#include "ed/AcedMenu.h"

namespace vthost {

namespace {

std::vector<LoadedMenu>& groups() {
    static std::vector<LoadedMenu> loaded;
    return loaded;
}

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool isRegularFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string findMenuFile(const std::string& name) {
    for (const char* extension : kMenuExtensions)
        if (isRegularFile(name + extension)) return name + extension;
    return isRegularFile(name) ? name : std::string();
}

bool readSmallFile(const std::string& path, std::string& text) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || info.st_size > kMaxMenuFileSize) return false;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    text = contents.str();
    return static_cast<bool>(in) || in.eof() || text.empty();
}

}  // namespace

MenuLoad loadMenuGroup(const std::string& name, std::string& path, std::string& message) {
    path = name.empty() ? std::string() : findMenuFile(name);
    if (path.empty()) return MenuLoad::kNotFound;
    std::string text;
    if (!readSmallFile(path, text)) return MenuLoad::kUnreadable;
    LoadedMenu loaded{path, {}};
    if (!parseMenuFile(text, loaded.menu, message)) return MenuLoad::kBadFile;
    message = loaded.menu.group;
    if (findMenuGroup(loaded.menu.group) != nullptr) return MenuLoad::kAlreadyLoaded;
    groups().push_back(std::move(loaded));
    return MenuLoad::kLoaded;
}

bool unloadMenuGroup(const std::string& group) {
    return std::erase_if(groups(), [&](const LoadedMenu& m) { return sameName(m.menu.group, group); }) > 0;
}

const LoadedMenu* findMenuGroup(const std::string& group) {
    for (const LoadedMenu& loaded : groups())
        if (sameName(loaded.menu.group, group)) return &loaded;
    return nullptr;
}

const std::vector<LoadedMenu>& loadedMenuGroups() { return groups(); }

const MenuItem* findMenuItem(const std::string& reference) {
    std::size_t first = reference.find('.'), second = reference.rfind('.');
    if (first == std::string::npos || second == first) return nullptr;
    const LoadedMenu* loaded = findMenuGroup(reference.substr(0, first));
    std::string section = reference.substr(first + 1, second - first - 1);
    std::string number = reference.substr(second + 1);
    if (loaded == nullptr || number.empty() || number.size() > 6 ||
        number.find_first_not_of("0123456789") != std::string::npos)
        return nullptr;
    std::size_t index = std::stoul(number);
    for (const MenuSection& s : loaded->menu.sections)
        if (sameName(s.name, section) && index >= 1 && index <= s.items.size())
            return &s.items[index - 1];
    return nullptr;
}

std::vector<std::string> macroAnswers(const std::string& macro) {
    std::string text = macro;
    while (text.compare(0, 2, "^C") == 0 || text.compare(0, 2, "^c") == 0) text.erase(0, 2);
    std::vector<std::string> answers;
    std::string current;
    int depth = 0;  // inside a LISP expression, spaces belong to it
    bool inString = false;
    for (char c : text) {
        bool lisp = !current.empty() && current[0] == '(';
        if (lisp && c == '"') inString = !inString;
        if (lisp && !inString) depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (current.empty() && c == '(') depth = 1, inString = false;
        bool ends = (c == ' ' || c == ';') && !(lisp && (depth > 0 || inString));
        if (ends) answers.push_back(current), current.clear();
        else current += c;
    }
    if (!current.empty()) answers.push_back(current);
    return answers;
}

void unloadAllMenuGroups() { groups().clear(); }

}  // namespace vthost

Adesk::Boolean acedIsMenuGroupLoaded(const char* groupName) {
    return groupName != nullptr && vthost::findMenuGroup(groupName) != nullptr;
}

#include "IncludeRules.h"

#include <sstream>

namespace vtrules {

namespace {
std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

std::string firstComponent(const std::string& path) { return path.substr(0, path.find('/')); }
}  // namespace

bool IncludeRules::parse(const std::string& text, std::string& error) {
    std::istringstream in(text);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        std::vector<std::string> w = words(line);
        if (w.empty()) continue;
        bool ok = w.size() >= 3;
        if (ok && w[0] == "family") {
            m_families[w[1]] = {w[2], std::set<std::string>(w.begin() + 3, w.end())};
        } else if (ok && w[0] == "module") {
            m_modules[w[1]] = {w[2], std::set<std::string>(w.begin() + 3, w.end())};
        } else if (ok && w.size() == 3 && (w[0] == "public" || w[0] == "internal" ||
                                           w[0] == "source")) {
            m_kind[w[2]] = w[0] == "public"     ? Kind::kPublic
                           : w[0] == "internal" ? Kind::kInternal
                                                : Kind::kSource;
            m_owner[w[2]] = w[1];
        } else {
            error = "rules line " + std::to_string(number) + " not understood: " + line;
            return false;
        }
    }
    return true;
}

std::string IncludeRules::familyOf(const std::string& path) const {
    std::string best;
    std::size_t bestLength = 0;
    for (const auto& [name, family] : m_families) {
        const std::string prefix = family.folder.back() == '/' ? family.folder
                                                               : family.folder + "/";
        // The root family (host/) holds only the files directly in host/.
        bool inside = path.rfind(prefix, 0) == 0 &&
                      (prefix != "host/" || path.find('/', prefix.size()) == std::string::npos);
        if (inside && prefix.size() > bestLength) {
            best = name;
            bestLength = prefix.size();
        }
    }
    return best;
}

std::string IncludeRules::familyByFolderName(const std::string& first) const {
    for (const auto& [name, family] : m_families)
        if (family.folder == "host/" + first) return name;
    return {};
}

std::vector<IncludeRules::Include> IncludeRules::quotedIncludes(const std::string& text) {
    std::vector<Include> out;
    std::istringstream in(text);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        std::size_t p = line.find_first_not_of(" \t");
        if (p == std::string::npos || line.compare(p, 1, "#") != 0) continue;
        p = line.find_first_not_of(" \t", p + 1);
        if (p == std::string::npos || line.compare(p, 7, "include") != 0) continue;
        std::size_t open = line.find('"', p + 7);
        std::size_t close = open == std::string::npos ? open : line.find('"', open + 1);
        if (close == std::string::npos) continue;  // <system> headers
        out.push_back({number, line.substr(open + 1, close - open - 1)});
    }
    return out;
}

void IncludeRules::checkHostInclude(const std::string& path, const Include& inc,
                                    std::vector<Violation>& out) const {
    const std::string from = familyOf(path);
    const std::string to = familyByFolderName(firstComponent(inc.target));
    const std::string target = "host/" + inc.target;
    if (to.empty() || m_kind.count(target) == 0) {
        out.push_back({path, inc.line,
                       "includes \"" + inc.target + "\", which is no header of the host"});
        return;
    }
    auto family = m_families.find(from);
    if (to != from && (family == m_families.end() || family->second.uses.count(to) == 0)) {
        out.push_back({path, inc.line,
                       "family " + from + " may not use family " + to + " (\"" + inc.target +
                           "\")"});
        return;
    }
    auto self = m_kind.find(path);
    if (self != m_kind.end() && self->second == Kind::kPublic &&
        m_kind.at(target) != Kind::kPublic)
        out.push_back({path, inc.line,
                       "a public header includes the internal header \"" + inc.target + "\""});
}

}  // namespace vtrules

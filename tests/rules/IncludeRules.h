// IncludeRules: the floor plan of the source tree as the build states it (include-rules.txt,
// written by CMake from every family's and module's declaration), and the check of one file's
// #include lines against it. A violation names the file, the line and the rule it breaks.
#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vtrules {

struct Violation {
    std::string file;  // relative to the source root, e.g. "host/db/AcDbObject.cpp"
    int line = 0;      // 0: the file itself, not one of its lines
    std::string message;
};

class IncludeRules {
public:
    // Reads the rules text; false (with a reason) when a line cannot be understood.
    bool parse(const std::string& text, std::string& error);

    // Checks one file of host/, library/ or editor/. exists(path) tells whether a path relative
    // to the source root names a file; it is how a module's own includes are resolved.
    template <class Exists>
    std::vector<Violation> check(const std::string& path, const std::string& text,
                                 Exists exists) const;

    // Every file of a family folder that no family lists (a source the build would not see).
    bool isListed(const std::string& path) const { return m_kind.count(path) != 0; }
    // The family whose folder holds path, or "" for none.
    std::string familyOf(const std::string& path) const;

private:
    enum class Kind { kPublic, kInternal, kSource };
    struct Family {
        std::string folder;  // "host/db"
        std::set<std::string> uses;
    };
    struct Module {
        std::string folder;  // "library"
        std::set<std::string> usesModules;
    };
    struct Include {
        int line;
        std::string target;
    };
    static std::vector<Include> quotedIncludes(const std::string& text);
    std::string familyByFolderName(const std::string& first) const;
    void checkHostInclude(const std::string& path, const Include& inc,
                          std::vector<Violation>& out) const;
    template <class Exists>
    void checkModuleInclude(const std::string& path, const Module& module, const Include& inc,
                            Exists exists, std::vector<Violation>& out) const;

    std::map<std::string, Family> m_families;
    std::map<std::string, Module> m_modules;
    std::map<std::string, Kind> m_kind;           // host file -> kind
    std::map<std::string, std::string> m_owner;   // host file -> family
};

template <class Exists>
std::vector<Violation> IncludeRules::check(const std::string& path, const std::string& text,
                                           Exists exists) const {
    std::vector<Violation> out;
    if (path.rfind("host/", 0) == 0) {
        if (familyOf(path).empty())
            out.push_back({path, 0, "lies in no family of the host"});
        else if (!isListed(path))
            out.push_back({path, 0, "is not listed by its family (" + familyOf(path) + ")"});
        for (const Include& inc : quotedIncludes(text)) checkHostInclude(path, inc, out);
        return out;
    }
    for (const auto& [name, module] : m_modules) {
        if (path.rfind(module.folder + "/", 0) != 0) continue;
        for (const Include& inc : quotedIncludes(text))
            checkModuleInclude(path, module, inc, exists, out);
        return out;
    }
    return out;
}

template <class Exists>
void IncludeRules::checkModuleInclude(const std::string& path, const Module& module,
                                      const Include& inc, Exists exists,
                                      std::vector<Violation>& out) const {
    std::string hostPath = "host/" + inc.target;
    if (!familyByFolderName(inc.target.substr(0, inc.target.find('/'))).empty()) {
        auto kind = m_kind.find(hostPath);
        if (kind == m_kind.end() || kind->second != Kind::kPublic)
            out.push_back({path, inc.line,
                           "includes \"" + inc.target + "\", which is not a public host header"});
        return;
    }
    if (exists(module.folder + "/" + inc.target)) return;
    for (const std::string& used : module.usesModules) {
        auto other = m_modules.find(used);
        if (other != m_modules.end() && exists(other->second.folder + "/" + inc.target)) return;
    }
    out.push_back({path, inc.line,
                   "includes \"" + inc.target + "\", which is neither its own nor allowed to it"});
}

}  // namespace vtrules

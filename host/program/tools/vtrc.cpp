// vtrc, the resource compiler: reads a resource script (see ut/ResourceScript.h) and writes the
// C++ source of the resource module's table (strings, dialog templates, menus, bitmaps), which the build compiles into the module; with
// --help-file it compiles a help source into the host's help file format (ut/HelpFile.h).
//
//   vtrc <script.rc> <output.cpp>
//   vtrc --help-file <topics.txt> <output help file>
//   vtrc --version-source <script.rc> <output.cpp>   the script's VERSIONINFO alone, for a module
//                                                    that carries its version but no resources
//
// A script it cannot read or refuses is reported as "vtrc: <script>: line <n>: <what>" and the
// exit status is 1; the output is then not written.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ut/HelpFile.h"
#include "ut/ResourceScript.h"

namespace {

bool readFile(const char* path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream contents;
    contents << in.rdbuf();
    text = contents.str();
    return true;
}

int refuse(const char* script, const std::string& what) {
    std::fprintf(stderr, "vtrc: %s: %s\n", script, what.c_str());
    return 1;
}

bool writeFile(const char* path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
    out.close();
    return static_cast<bool>(out);
}

int compileHelp(const char* source, const char* output) {
    std::string text, error;
    if (!readFile(source, text)) return refuse(source, "cannot be read");
    std::vector<vthost::HelpTopic> topics;
    if (!vthost::readHelpSource(text, topics, error)) return refuse(source, error);
    return writeFile(output, vthost::writeHelpFile(topics)) ? 0 : refuse(output, "cannot be written");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--help-file") return compileHelp(argv[2], argv[3]);
    bool versionOnly = argc == 4 && std::string(argv[1]) == "--version-source";
    if (versionOnly) ++argv;
    else if (argc != 3)
        return refuse("usage", "vtrc <script.rc> <output.cpp> | vtrc --help-file <topics.txt> <output> | "
                               "vtrc --version-source <script.rc> <output.cpp>");
    std::string text, error;
    if (!readFile(argv[1], text)) return refuse(argv[1], "cannot be read");
    vthost::ResourceScript script;
    // Files a script names (bitmaps) are found beside the script.
    std::filesystem::path folder = std::filesystem::path(argv[1]).parent_path();
    auto readBeside = [&folder](const std::string& name, std::string& bytes) {
        return readFile((folder / name).string().c_str(), bytes);
    };
    if (!vthost::readResourceScript(text, script, error, readBeside)) return refuse(argv[1], error);
    if (versionOnly && !script.version.present) return refuse(argv[1], "has no VERSIONINFO");
    std::string source = versionOnly ? vthost::writeVersionSource(script) : vthost::writeResourceSource(script);
    return writeFile(argv[2], source) ? 0 : refuse(argv[2], "cannot be written");
}

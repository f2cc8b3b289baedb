// vtrc, the resource compiler: reads a resource script (see ut/ResourceScript.h) and writes the
// C++ source of the resource module's table, which the build compiles into the module.
//
//   vtrc <script.rc> <output.cpp>
//
// A script it cannot read or refuses is reported as "vtrc: <script>: line <n>: <what>" and the
// exit status is 1; the output is then not written.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return refuse("usage", "vtrc <script.rc> <output.cpp>");
    std::string text, error;
    if (!readFile(argv[1], text)) return refuse(argv[1], "cannot be read");
    vthost::ResourceScript script;
    if (!vthost::readResourceScript(text, script, error)) return refuse(argv[1], error);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << vthost::writeResourceSource(script);
    out.close();
    return out ? 0 : refuse(argv[2], "cannot be written");
}

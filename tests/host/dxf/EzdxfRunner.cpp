#include "EzdxfRunner.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace dxftest {

bool ezdxfAvailable() {
    static const bool available =
        std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") == 0;
    return available;
}

std::string tempPath(const std::string& name) {
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("vt-dxf-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

std::string runPython(const std::string& script, const std::string& arguments, bool& ok) {
    std::string scriptPath = tempPath("script.py");
    std::ofstream(scriptPath) << script;
    std::string command = "/usr/bin/python3 " + scriptPath + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    if (pipe == nullptr) {
        ok = false;
        return out;
    }
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
    ok = ::pclose(pipe) == 0;
    return out;
}

std::map<std::string, std::string> keyValues(const std::string& output) {
    std::map<std::string, std::string> values;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::size_t space = line.find(' ');
        if (space != std::string::npos) values[line.substr(0, space)] = line.substr(space + 1);
    }
    return values;
}

}  // namespace dxftest

// Runs python scripts with Debian's python3 and its ezdxf (a DXF reader and writer that is not
// ours), so that tests check our files with somebody else's reader and read files somebody else
// wrote. Tests skip when /usr/bin/python3 cannot import ezdxf.
#pragma once
#include <map>
#include <string>

namespace dxftest {

bool ezdxfAvailable();
// Runs script (python source) with the given arguments; answers its standard output, and false in
// ok when it failed.
std::string runPython(const std::string& script, const std::string& arguments, bool& ok);
// "key value" lines as a map (the value is the rest of the line).
std::map<std::string, std::string> keyValues(const std::string& output);
// A fresh path under the test's temporary folder.
std::string tempPath(const std::string& name);

}  // namespace dxftest

#define SKIP_WITHOUT_EZDXF()                                                          \
    do {                                                                              \
        if (!dxftest::ezdxfAvailable()) GTEST_SKIP() << "/usr/bin/python3 lacks ezdxf"; \
    } while (0)

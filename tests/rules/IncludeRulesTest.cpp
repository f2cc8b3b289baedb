// The floor plan holds: every #include of host/, library/ and editor/ reaches only what the build
// says it may. The first suite proves the checker catches each kind of breach on a small made-up
// tree; the second runs it over the real one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "IncludeRules.h"

namespace fs = std::filesystem;
using vtrules::IncludeRules;
using vtrules::Violation;

namespace {

const char* kToyRules =
    "family ut host/ut\n"
    "family db host/db ut\n"
    "family ed host/ed ut db\n"
    "public ut host/ut/AcUtil.h\n"
    "public db host/db/AcDbObject.h\n"
    "internal db host/db/ObjectAccess.h\n"
    "source db host/db/AcDbObject.cpp\n"
    "public ed host/ed/EditorInput.h\n"
    "source ed host/ed/EditorInput.cpp\n"
    "module library library\n"
    "module editor editor library\n";

IncludeRules toyRules() {
    IncludeRules rules;
    std::string error;
    EXPECT_TRUE(rules.parse(kToyRules, error)) << error;
    return rules;
}

std::vector<Violation> checkToy(const std::string& path, const std::string& text) {
    std::set<std::string> files = {"library/link/Link.h", "editor/app/App.h"};
    return toyRules().check(path, text, [&](const std::string& p) { return files.count(p) > 0; });
}

std::string render(const std::vector<Violation>& violations) {
    std::string out;
    for (const Violation& v : violations)
        out += v.file + ":" + std::to_string(v.line) + ": " + v.message + "\n";
    return out;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(IncludeRulesChecker, AllowsDownwardAndOwnFamilyIncludes) {
    EXPECT_EQ(render(checkToy("host/db/AcDbObject.cpp",
                              "#include \"db/AcDbObject.h\"\n#include <vector>\n"
                              "#include \"db/ObjectAccess.h\"\n#include \"ut/AcUtil.h\"\n")),
              "");
    EXPECT_EQ(render(checkToy("library/link/Link.cpp",
                              "#include \"link/Link.h\"\n#include \"db/AcDbObject.h\"\n")),
              "");
    EXPECT_EQ(render(checkToy("editor/app/App.cpp",
                              "#include \"app/App.h\"\n#include \"link/Link.h\"\n")),
              "");
}

TEST(IncludeRulesChecker, NamesFileAndLineOfEveryBreach) {
    // upward: db may not use ed
    EXPECT_EQ(render(checkToy("host/db/AcDbObject.cpp", "\n#include \"ed/EditorInput.h\"\n")),
              "host/db/AcDbObject.cpp:2: family db may not use family ed (\"ed/EditorInput.h\")\n");
    // a public header must not pull in an internal one
    EXPECT_EQ(render(checkToy("host/db/AcDbObject.h", "#include \"db/ObjectAccess.h\"\n")),
              "host/db/AcDbObject.h:1: a public header includes the internal header "
              "\"db/ObjectAccess.h\"\n");
    // the host never includes a module
    EXPECT_EQ(render(checkToy("host/ed/EditorInput.cpp", "#include \"link/Link.h\"\n")),
              "host/ed/EditorInput.cpp:1: includes \"link/Link.h\", which is no header of the "
              "host\n");
    // a module sees public host headers only
    EXPECT_EQ(render(checkToy("library/link/Link.cpp", "#include \"db/ObjectAccess.h\"\n")),
              "library/link/Link.cpp:1: includes \"db/ObjectAccess.h\", which is not a public "
              "host header\n");
    // the library does not reach into the editor
    EXPECT_EQ(render(checkToy("library/link/Link.cpp", "#include \"app/App.h\"\n")),
              "library/link/Link.cpp:1: includes \"app/App.h\", which is neither its own nor "
              "allowed to it\n");
}

TEST(IncludeRulesChecker, FilesOutsideTheListsAreReported) {
    EXPECT_EQ(render(checkToy("host/db/Stray.cpp", "")),
              "host/db/Stray.cpp:0: is not listed by its family (db)\n");
    EXPECT_EQ(render(checkToy("host/xx/Lost.cpp", "")),
              "host/xx/Lost.cpp:0: lies in no family of the host\n");
}

TEST(IncludeRulesChecker, RefusesRulesItCannotRead) {
    IncludeRules rules;
    std::string error;
    EXPECT_FALSE(rules.parse("family\n", error));
    EXPECT_NE(error.find("line 1"), std::string::npos);
}

TEST(IncludeRulesOfTheTree, EveryIncludeKeepsTheFloorPlan) {
    IncludeRules rules;
    std::string error;
    ASSERT_TRUE(rules.parse(readFile(VT_INCLUDE_RULES_FILE), error)) << error;
    const fs::path root = VT_SOURCE_DIR;
    auto exists = [&](const std::string& p) { return fs::is_regular_file(root / p); };
    std::vector<Violation> all;
    int checked = 0;
    for (const char* top : {"host", "library", "editor"}) {
        if (!fs::exists(root / top)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp" && ext != ".inl"))
                continue;
            const std::string path = fs::relative(entry.path(), root).generic_string();
            std::vector<Violation> found = rules.check(path, readFile(entry.path()), exists);
            all.insert(all.end(), found.begin(), found.end());
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
    EXPECT_EQ(render(all), "");
}

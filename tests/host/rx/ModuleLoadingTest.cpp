// Loading and unloading modules (a real shared object, testmodule.arx, built beside this
// program), and the operating-system calls that modules use to find the host and themselves.
#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "HostTestSupport.h"
#include "ut/AcUtil.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/Fatal.h"
#include "ut/Win32.h"

namespace vthost::test {
namespace {

constexpr const char* kModule = "testmodule.arx";
constexpr const char* kSwitches[] = {"VT_TESTMODULE_ATTACH", "VT_TESTMODULE_INIT",
                                     "VT_TESTMODULE_UNLOAD", "VT_TESTMODULE_UNLOCK"};

std::string hostProgramPath() {
    char path[PATH_MAX];
    EXPECT_GT(GetModuleFileNameA(nullptr, path, sizeof path), 0u);
    return path;
}

std::string modulePath() {
    std::string program = hostProgramPath();
    return program.substr(0, program.rfind('/') + 1) + kModule;
}

class ModuleLoadingTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kSwitches) unsetenv(name);
    }
    void TearDown() override {
        for (const char* name : kSwitches) unsetenv(name);
        vthost::setModuleSearchPath(nullptr);
        vthost::unhideAllExports();
        acrxDynamicLinker()->unloadAll();
    }
    static bool isLoaded() { return GetModuleHandleA(kModule) != nullptr; }

    OutputCapture output;
};

TEST_F(ModuleLoadingTest, LoadSendsInitOnceAndLoadingAgainSucceedsWithoutIt) {
    EXPECT_TRUE(acrxLoadModule(kModule, false));
    EXPECT_EQ(output.take(), "attach\ninit\n");
    EXPECT_TRUE(acrxLoadModule(kModule, false));
    EXPECT_TRUE(acrxLoadModule(modulePath().c_str(), false)) << "the same file by its full path";
    EXPECT_EQ(output.take(), "");
    ASSERT_EQ(acrxDynamicLinker()->loadedModuleNames().size(), 1u);
    EXPECT_EQ(acrxDynamicLinker()->loadedModuleNames()[0], modulePath());
    EXPECT_TRUE(acrxDynamicLinker()->isAppMDIAware(kModule));
}

TEST_F(ModuleLoadingTest, RefusedLoadsLeaveNothingLoaded) {
    struct Row {
        const char* name;
        const char* variable;  // set to the value below, or a hidden export when value is null
        const char* value;
        std::string transcript;
        const char* reason;
    };
    const Row rows[] = {
        {"init answers kRetError", "VT_TESTMODULE_INIT", "error", "attach\ninit\ndetach\n",
         "initialisation failed"},
        {"DllMain answers FALSE", "VT_TESTMODULE_ATTACH", "refuse", "attach\n",
         "the module cannot be loaded"},
        {"no acrxEntryPoint", "acrxEntryPoint", nullptr, "attach\ndetach\n", "no acrxEntryPoint"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.value != nullptr)
            setenv(row.variable, row.value, 1);
        else
            vthost::hideExport(row.variable);
        EXPECT_FALSE(acrxLoadModule(kModule, /*printit=*/true));
        EXPECT_EQ(output.take(),
                  row.transcript + ("\nUnable to load " + modulePath() + ": " + row.reason + "\n"));
        EXPECT_FALSE(isLoaded());
        EXPECT_TRUE(acrxDynamicLinker()->loadedModuleNames().empty());
        unsetenv(row.variable);
        vthost::unhideAllExports();
    }
    EXPECT_FALSE(acrxLoadModule("no-such-module.arx", false));
}

TEST_F(ModuleLoadingTest, UnlockedModuleUnloadsAfterTheUnloadMessage) {
    setenv("VT_TESTMODULE_UNLOCK", "1", 1);
    ASSERT_TRUE(acrxLoadModule(kModule, false));
    output.take();
    EXPECT_FALSE(acrxDynamicLinker()->isApplicationLocked(kModule));
    EXPECT_TRUE(acrxUnloadModule(kModule));
    EXPECT_EQ(output.take(), "unload\ndetach\n");
    EXPECT_FALSE(isLoaded());
    EXPECT_FALSE(acrxUnloadModule(kModule)) << "no longer loaded";
}

TEST_F(ModuleLoadingTest, LockedModuleIsNotUnloadedUntilTheHostStops) {
    ASSERT_TRUE(acrxLoadModule(kModule, false));
    output.take();
    EXPECT_TRUE(acrxDynamicLinker()->isApplicationLocked(kModule));
    EXPECT_FALSE(acrxUnloadModule(kModule));
    EXPECT_EQ(output.take(), "") << "a locked module is not even asked";
    EXPECT_TRUE(isLoaded());
    acrxDynamicLinker()->unloadAll();
    EXPECT_EQ(output.take(), "unload\ndetach\n");
    EXPECT_FALSE(isLoaded());
}

TEST_F(ModuleLoadingTest, ModuleRefusingTheUnloadMessageStaysLoaded) {
    setenv("VT_TESTMODULE_UNLOCK", "1", 1);
    setenv("VT_TESTMODULE_UNLOAD", "error", 1);
    ASSERT_TRUE(acrxLoadModule(kModule, false));
    output.take();
    EXPECT_FALSE(acrxUnloadModule(modulePath().c_str()));
    EXPECT_EQ(output.take(), "unload\n");
    EXPECT_TRUE(isLoaded());
    unsetenv("VT_TESTMODULE_UNLOAD");
    EXPECT_TRUE(acrxUnloadModule(modulePath().c_str()));
    EXPECT_FALSE(isLoaded());
}

TEST_F(ModuleLoadingTest, ModuleFindsItsFileAndExports) {
    ASSERT_TRUE(acrxLoadModule(kModule, false));
    HMODULE module = GetModuleHandleA(kModule);
    ASSERT_NE(module, nullptr);
    char path[PATH_MAX];
    DWORD length = GetModuleFileNameA(module, path, sizeof path);
    EXPECT_EQ(std::string(path), modulePath());
    EXPECT_EQ(length, modulePath().size());
    EXPECT_EQ(path[0], '/');

    using NameFunction = const char* (*)();
    auto name = vthost::procAddress<NameFunction>(module, "testmoduleName");
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name(), "testmodule");
}

// A fresh folder under /tmp, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder() {
        char pattern[] = "/tmp/vt-modules-XXXXXX";
        if (mkdtemp(pattern) != nullptr) m_path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const char* name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

void writeText(const std::filesystem::path& path, const char* text) {
    std::ofstream(path) << text;
}

// Loading by a bare name used to try the current folder first: a module planted where the host
// was started ran its code, and an unrelated file of the name made loading fail silently.
TEST_F(ModuleLoadingTest, ANameWithoutAFolderIsNeverLookedForInTheCurrentFolder) {
    ScratchFolder here;
    std::filesystem::copy_file(modulePath(), here / "planted.arx");
    writeText(here / kModule, "not a module");
    std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(here.path());

    EXPECT_FALSE(acrxLoadModule("planted.arx", true));
    EXPECT_EQ(output.take(),
              "\nUnable to load planted.arx: not found beside the requesting module, beside the "
              "host program or on the module search path\n");
    EXPECT_TRUE(acrxLoadModule(kModule, true));
    EXPECT_EQ(output.take(), "attach\ninit\n");
    EXPECT_EQ(acrxDynamicLinker()->loadedModuleNames(), std::vector<std::string>{modulePath()});
    EXPECT_EQ(LoadLibraryA("planted.arx"), nullptr);
    EXPECT_TRUE(acrxLoadModule("./planted.arx", false)) << "a path names the file itself";
    std::filesystem::current_path(started);
}

// The order is the requesting module's folder, the host program's, the search path; a candidate
// that cannot be loaded is reported with the loader's reason and the search goes on.
TEST_F(ModuleLoadingTest, CandidatesComeInOrderAndRefusalsSayWhy) {
    ScratchFolder first, second;
    writeText(first / "other.arx", "not a module");
    std::filesystem::create_directory(second / "sub.arx");
    std::filesystem::copy_file(modulePath(), second / "other.arx");
    vthost::setModuleSearchPath((first.path().string() + "::" + second.path().string()).c_str());
    std::string program = hostProgramPath();
    std::string programFolder = program.substr(0, program.rfind('/'));
    EXPECT_EQ(vthost::moduleCandidates("other.arx", nullptr),
              (std::vector<std::string>{programFolder + "/other.arx",
                                        programFolder + "/system/other.arx",
                                        (first / "other.arx").string(),
                                        (second / "other.arx").string()}));

    ASSERT_TRUE(acrxLoadModule("other.arx", true));
    std::string transcript = output.take();
    std::string refusal = "\nUnable to load " + (first / "other.arx").string() + ": ";
    ASSERT_EQ(transcript.rfind(refusal, 0), 0u) << transcript;
    EXPECT_GT(transcript.find('\n', refusal.size()), refusal.size()) << "a reason is given";
    EXPECT_TRUE(transcript.ends_with("\nattach\ninit\n")) << transcript;
    EXPECT_EQ(acrxDynamicLinker()->loadedModuleNames(),
              std::vector<std::string>{(second / "other.arx").string()});

    HMODULE other = GetModuleHandleA("other.arx");
    const void* inOther = reinterpret_cast<const void*>(GetProcAddress(other, "testmoduleName"));
    ASSERT_NE(inOther, nullptr);
    EXPECT_EQ(vthost::moduleCandidates(kModule, inOther),
              (std::vector<std::string>{(second / kModule).string(), modulePath(),
                                        programFolder + "/system/" + kModule,
                                        (first / kModule).string()}));
    EXPECT_FALSE(acrxLoadModule("sub.arx", true));
    EXPECT_EQ(output.take().rfind("\nUnable to load " + (second / "sub.arx").string() +
                                      ": not a regular file\n", 0),
              0u);
}

// Handles the loader did not give out used to be passed to the dynamic loader, which read what
// they pointed to as one of its module records (here one that names a planted file).
TEST_F(ModuleLoadingTest, OnlyHandlesTheLoaderGaveOutHaveAFileName) {
    struct { void* base; const char* name; void* dynamic; void* next; void* previous; } record{
        nullptr, "/planted/module.so", nullptr, nullptr, nullptr};
    int onStack = 0;
    auto onHeap = std::make_unique<char[]>(64);
    char path[PATH_MAX] = "untouched";
    for (void* handle : {static_cast<void*>(&record), static_cast<void*>(&onStack),
                         static_cast<void*>(onHeap.get())})
        EXPECT_EQ(GetModuleFileNameA(handle, path, sizeof path), 0u);
    ASSERT_TRUE(acrxLoadModule(kModule, false));
    HMODULE module = GetModuleHandleA(kModule);
    EXPECT_GT(GetModuleFileNameA(module, path, sizeof path), 0u);
    acrxDynamicLinker()->unloadAll();
    EXPECT_EQ(GetModuleFileNameA(module, path, sizeof path), 0u) << "freed";
}

TEST(Win32Test, HostProgramExportsAreFoundByNameUnlessHidden) {
    HMODULE host = GetModuleHandleA(nullptr);
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(GetProcAddress(host, "acrx_abort"), reinterpret_cast<FARPROC>(&acrx_abort));
    EXPECT_EQ(GetProcAddress(host, "acutPrintf"), nullptr) << "a C++ function has no plain name";
    EXPECT_NE(GetProcAddress(host, "_Z10acutPrintfPKcz"), nullptr);
    EXPECT_EQ(GetProcAddress(host, "vtNoSuchFunction"), nullptr);

    vthost::hideExport("acrx_abort");
    EXPECT_EQ(GetProcAddress(host, "acrx_abort"), nullptr);
    vthost::unhideExport("acrx_abort");
    EXPECT_NE(GetProcAddress(host, "acrx_abort"), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "acrx_abort"), nullptr);
}

TEST(FatalErrorTest, AbortReachesTheInstalledHandlerWithItsMessage) {
    try {
        acrx_abort("Class %s", "mismatch");
        FAIL() << "acrx_abort returned";
    } catch (const FatalError& error) {
        EXPECT_STREQ(error.what(), "Class mismatch");
    }
}

}  // namespace
}  // namespace vthost::test

// Loading and unloading modules (a real shared object, testmodule.arx, built beside this
// program), and the operating-system calls that modules use to find the host and themselves.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
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

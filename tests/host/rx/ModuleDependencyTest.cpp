// A module that loads another while it initialises (parentmodule.arx loads childmodule.arx):
// the parent's calls into the child bind lazily, the child cannot be unloaded before its parent,
// shutdown unloads the parent first, and unloaded modules leave the process, so loading one again
// starts from fresh statics.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <climits>
#include <string>

#include "HostTestSupport.h"
#include "rx/AcRxDynamicLinker.h"
#include "ut/Win32.h"

namespace vthost::test {
namespace {

std::string besideProgram(const char* name) {
    char path[PATH_MAX];
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string program = path;
    return program.substr(0, program.rfind('/') + 1) + name;
}

bool inProcess(const char* name) {
    void* handle = dlopen(besideProgram(name).c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle != nullptr) dlclose(handle);
    return handle != nullptr;
}

int callChildThroughParent() {
    auto call = procAddress<int (*)()>(GetModuleHandleA("parentmodule.arx"), "parentCallsChild");
    return call != nullptr ? call() : -1;
}

class ModuleDependency : public ::testing::Test {
protected:
    void TearDown() override { acrxDynamicLinker()->unloadAll(); }
    OutputCapture output;
};

TEST_F(ModuleDependency, AModuleLoadedDuringAnothersStartGoesAfterIt) {
    ASSERT_TRUE(acrxLoadModule("parentmodule.arx", true)) << output.take();
    ASSERT_EQ(acrxDynamicLinker()->loadedModuleNames().size(), 2u);
    EXPECT_EQ(callChildThroughParent(), 1) << "bound to the child on first call";
    EXPECT_EQ(callChildThroughParent(), 2);
    EXPECT_FALSE(acrxUnloadModule("childmodule.arx")) << "its parent still uses it";
    EXPECT_TRUE(acrxLoadModule("childmodule.arx", true)) << "already loaded";
    output.take();
    acrxDynamicLinker()->unloadAll();
    EXPECT_EQ(output.take(), "parent unload\nchild unload\n");
}

TEST_F(ModuleDependency, UnloadingTheParentLeavesTheChildWhichCanThenGo) {
    ASSERT_TRUE(acrxLoadModule("parentmodule.arx", true));
    output.take();
    EXPECT_TRUE(acrxUnloadModule("parentmodule.arx"));
    EXPECT_EQ(output.take(), "parent unload\n");
    EXPECT_EQ(acrxDynamicLinker()->loadedModuleNames().size(), 1u) << "the child stays loaded";
    EXPECT_TRUE(acrxUnloadModule("childmodule.arx"));
    EXPECT_FALSE(inProcess("parentmodule.arx"));
}

TEST_F(ModuleDependency, UnloadedModulesLeaveTheProcessAndStartAfresh) {
    ASSERT_TRUE(acrxLoadModule("parentmodule.arx", true));
    EXPECT_EQ(callChildThroughParent(), 1);
    EXPECT_EQ(callChildThroughParent(), 2);
    acrxDynamicLinker()->unloadAll();
    EXPECT_FALSE(inProcess("parentmodule.arx"));
    EXPECT_FALSE(inProcess("childmodule.arx")) << "no process-unique static keeps it mapped";
    ASSERT_TRUE(acrxLoadModule("parentmodule.arx", true));
    EXPECT_EQ(callChildThroughParent(), 1) << "the child's statics start afresh";
}

}  // namespace
}  // namespace vthost::test

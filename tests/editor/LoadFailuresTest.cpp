// Loading the application from a folder that lacks what it needs: without its resource module it
// refuses to load at all; without the object library it says which file it could not load and
// its initialisation fails, leaving nothing registered. The resource module's format strings
// take exactly the values the application passes.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "HostTestSupport.h"
#include "app/MessageFormat.h"
#include "ed/AcEdCommandStack.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxService.h"
#include "ut/Resources.h"
#include "ut/Win32.h"

namespace vteditor {
namespace {

namespace fs = std::filesystem;

class IncompleteFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::path(::testing::TempDir()) / ("vt-incomplete-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy_file(fs::current_path() / "VantorellUi.arx", folder / "VantorellUi.arx");
    }
    void TearDown() override { fs::remove_all(folder); }
    void copyBeside(const char* name) { fs::copy_file(fs::current_path() / name, folder / name); }
    std::string application() const { return (folder / "VantorellUi.arx").string(); }

    fs::path folder;
    vthost::test::OutputCapture output;
};

TEST_F(IncompleteFolder, WithoutItsResourceModuleTheApplicationDoesNotLoad) {
    EXPECT_FALSE(acrxLoadModule(application().c_str(), false));
    EXPECT_FALSE(acrxServiceIsRegistered("AcPropertyLinkStyleMgr"));
    EXPECT_EQ(acrxFindClass("AcPropertyLinkStyleMgr"), nullptr);
}

TEST_F(IncompleteFolder, WithoutTheLibraryItNamesTheMissingFileAndInitialisationFails) {
    copyBeside("VantorellUiRes.dll");
    output.take();
    EXPECT_FALSE(acrxLoadModule(application().c_str(), false));
    std::string seen = output.take();
    std::string expected = "\nERROR: failed to load module " + (folder / "vantorell.dbx").string();
    EXPECT_NE(seen.find(expected), std::string::npos) << seen;
    EXPECT_FALSE(acrxServiceIsRegistered("AcPropertyLinkStyleMgr"));
    // The failed application is gone from the process: nothing may point into it any more.
    EXPECT_EQ(acrxFindClass("AcPropertyLinkStyleMgr"), nullptr);
    EXPECT_EQ(acrxFindClass("CVantorellEditorReactor"), nullptr);
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd("VT_UPDATE"), nullptr);
}

TEST_F(IncompleteFolder, AFolderTooDeepForTheModulesPathBufferRefusesTheLoadWithAMessage) {
    fs::path deep = folder;
    while (deep.string().size() < 300) deep /= "a-folder-with-a-long-name";
    fs::create_directories(deep);
    fs::copy_file(folder / "VantorellUi.arx", deep / "VantorellUi.arx");
    fs::copy_file(fs::current_path() / "VantorellUiRes.dll", deep / "VantorellUiRes.dll");
    output.take();
    EXPECT_FALSE(acrxLoadModule((deep / "VantorellUi.arx").string().c_str(), false));
    std::string seen = output.take();
    EXPECT_NE(seen.find("the folder of VantorellUiRes.dll is unknown or its path too long"),
              std::string::npos)
        << seen;
}

TEST(ResourceModule, FormatStringsTakeWhatTheApplicationPasses) {
    HMODULE resources = LoadLibraryA("VantorellUiRes.dll");
    ASSERT_NE(resources, nullptr);
    auto text = [&](unsigned id) {
        char buffer[512];
        LoadStringA(resources, id, buffer, sizeof buffer);
        return std::string(buffer);
    };
    for (unsigned id : {14u, 15u}) EXPECT_TRUE(vantorell::formatTakes(text(id).c_str(), "d")) << id;
    for (unsigned id : {3u, 8u, 34u, 38u, 46u, 51u, 52u})
        EXPECT_TRUE(vantorell::formatTakes(text(id).c_str(), "s")) << id;
    // Every other text is printed or shown as it stands, so none may hold a conversion.
    for (unsigned id : {1u, 2u, 4u, 5u, 7u, 9u, 10u, 11u, 12u, 13u, 18u, 19u, 20u, 21u, 22u, 23u,
                        24u, 25u, 26u, 27u, 28u, 29u, 30u, 31u, 32u, 33u, 35u, 36u, 37u, 39u, 40u,
                        41u, 43u, 44u, 45u, 47u, 48u, 49u, 50u, 53u, 54u}) {
        EXPECT_FALSE(text(id).empty()) << id;
        EXPECT_TRUE(vantorell::formatTakes(text(id).c_str(), "")) << id << ": " << text(id);
    }
    FreeLibrary(resources);
}

}  // namespace
}  // namespace vteditor

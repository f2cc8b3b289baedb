// The application-object framework: message dispatch, the initialisation and unload sequences,
// and the module paths.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/ModuleApplication.h"
#include "rx/AcRxDynamicLinker.h"

namespace {

class RecordingApp : public ModuleApplication {
public:
    std::vector<std::string> calls;
    AcRx::AppRetCode initResult = AcRx::kRetOK;

    AcRx::AppRetCode initApplication() override { return note("initApplication", initResult); }
    AcRx::AppRetCode unloadApplication() override { return note("unloadApplication"); }
    AcRx::AppRetCode onLoadDwg() override { return note("onLoadDwg"); }
    AcRx::AppRetCode onPreQuit() override { return note("onPreQuit"); }
    AcRx::AppRetCode onEndDialog(void* argument) override {
        return note(argument == this ? "onEndDialog(self)" : "onEndDialog");
    }
    void registerClasses() override { calls.push_back("registerClasses"); }
    void unregisterClasses() override { calls.push_back("unregisterClasses"); }
    void registerCommands() override { calls.push_back("registerCommands"); }
    void unregisterCommands() override { calls.push_back("unregisterCommands"); }
    void finishInitialisation() override { calls.push_back("finishInitialisation"); }
    void beginUnload() override { calls.push_back("beginUnload"); }
    void registerExtras() override { calls.push_back("registerExtras"); }

private:
    AcRx::AppRetCode note(const char* name, AcRx::AppRetCode result = AcRx::kRetOK) {
        calls.push_back(name);
        return result;
    }
};

TEST(ModuleApplication, InitialisationRunsTheHooksInOrderAndAnswersWithInitApplication) {
    RecordingApp app;
    app.initResult = AcRx::kRetError;
    EXPECT_EQ(app.dispatch(AcRx::kInitAppMsg, nullptr), AcRx::kRetError);
    EXPECT_EQ(app.calls, (std::vector<std::string>{"registerClasses", "registerCommands",
                                                   "registerExtras", "finishInitialisation",
                                                   "initApplication"}));
}

TEST(ModuleApplication, UnloadRunsTheHooksInOrder) {
    RecordingApp app;
    app.dispatch(AcRx::kUnloadAppMsg, nullptr);
    EXPECT_EQ(app.calls, (std::vector<std::string>{"beginUnload", "unregisterCommands",
                                                   "unregisterClasses", "unloadApplication"}));
}

TEST(ModuleApplication, EachMessageReachesItsHandlerAndUnknownOnesAreAnsweredOk) {
    RecordingApp app;
    EXPECT_EQ(app.dispatch(AcRx::kLoadDwgMsg, nullptr), AcRx::kRetOK);
    EXPECT_EQ(app.dispatch(AcRx::kPreQuitMsg, nullptr), AcRx::kRetOK);
    EXPECT_EQ(app.dispatch(AcRx::kEndDialogMsg, &app), AcRx::kRetOK);
    EXPECT_EQ(app.dispatch(static_cast<AcRx::AppMsgCode>(99), &app), AcRx::kRetOK);
    EXPECT_EQ(app.calls,
              (std::vector<std::string>{"onLoadDwg", "onPreQuit", "onEndDialog(self)"}));
    EXPECT_EQ(app.appId(), &app);
}

TEST(ModuleApplication, TheLastConstructedObjectIsTheModulesApplication) {
    RecordingApp app;
    EXPECT_EQ(ModuleApplication::current(), &app);
}

TEST(ModuleApplication, PathsAreSplitAtTheLastSeparator) {
    RecordingApp app;
    app.setInstance(GetModuleHandleA("vantorell.dbx"));
    ASSERT_NE(app.moduleFileName(), nullptr);
    EXPECT_STREQ(app.moduleFileName(), "/vantorell.dbx");
    ASSERT_NE(app.moduleFolder(), nullptr);
    char path[MAX_PATH];
    GetModuleFileNameA(GetModuleHandleA("vantorell.dbx"), path, MAX_PATH);
    EXPECT_EQ(std::string(app.moduleFolder()) + "/vantorell.dbx", path);
}

TEST(ModuleApplication, AModuleWithoutAKnownPathHasNoPaths) {
    RecordingApp app;
    app.setInstance(reinterpret_cast<HINSTANCE>(&app));
    EXPECT_EQ(app.moduleFileName(), nullptr);
    EXPECT_EQ(app.moduleFolder(), nullptr);
}

}  // namespace

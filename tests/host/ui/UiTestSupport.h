// What the dialog framework's tests share: testdlg.dll loaded and on the resource chain, a fresh
// command line whose queue the test fills with the user's actions, and the output captured.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostTestSupport.h"
#include "ed/CommandLine.h"
#include "ut/Resources.h"

namespace vthost::test {

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        module = LoadLibraryA("testdlg.dll");
        ASSERT_NE(module, nullptr);
        addResourceModule(module);
        commandLine().reset();
    }
    void TearDown() override {
        commandLine().reset();
        removeResourceModule(module);
        FreeLibrary(module);
    }
    void type(const std::vector<std::string>& lines) {
        for (const std::string& line : lines) commandLine().queue(line);
    }
    HINSTANCE module = nullptr;
    OutputCapture output;
};

}  // namespace vthost::test

// What a style sends to the host and how it reads the answer back. This program defines the host's
// two expression functions itself, so that the style finds these by name instead of the host's.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "LibraryTestEnvironment.h"
#include "TestStrategies.h"
#include "ut/AdsCodes.h"
#include "style/AcPropertyLinkStyle.h"

namespace {
std::vector<std::string> g_menuTexts;
int g_menuResult = RTKWORD;
std::string g_answer = "answer";
bool g_deliverNothing = false;
}  // namespace

extern "C" __attribute__((visibility("default"))) int acedMenuCmd(const char* str) {
    g_menuTexts.emplace_back(str);
    return g_menuResult;
}

extern "C" __attribute__((visibility("default"))) int acedGetInput(char* str) {
    if (g_deliverNothing) return RTERROR;
    std::strncpy(str, g_answer.c_str(), 131);
    str[131] = '\0';
    return RTNORM;
}

namespace {

class MacroProtocol : public ::testing::Test {
protected:
    void SetUp() override {
        vttest::registerTestStrategies();
        g_menuTexts.clear();
        g_menuResult = RTKWORD;
        g_deliverNothing = false;
        reader = new FixedReader(std::string("abc"));
        modifier = new RecordingModifier();
        style.setPropertyReader(reader);
        style.setContentModifier(modifier);
    }
    std::string update(const char* macro) {
        style.setPostProcessingMacro(macro);
        style.update(nullptr, nullptr);
        return modifier->received.value_or("<nothing>");
    }

    AcPropertyLinkStyle style;
    FixedReader* reader = nullptr;
    RecordingModifier* modifier = nullptr;
};

TEST_F(MacroProtocol, TheSubstitutedMacroIsSentAsAMenuTextAndTheAnswerReadBack) {
    EXPECT_EQ(update("$(upper,%PROPERTY)"), "answer");
    EXPECT_EQ(g_menuTexts, std::vector<std::string>{"M=$(upper,abc)"});
}

TEST_F(MacroProtocol, EveryTokenIsReplacedAndAValueHoldingTheTokenIsNotSearchedAgain) {
    reader->value = "%PROPERTY";
    update("[%PROPERTY|%PROPERTY|%property]");
    EXPECT_EQ(g_menuTexts, std::vector<std::string>{"M=[%PROPERTY|%PROPERTY|%property]"});
}

TEST_F(MacroProtocol, AnyAnswerButKeywordGivesTheRawValue) {
    g_menuResult = RTNORM;
    EXPECT_EQ(update("$(upper,%PROPERTY)"), "abc");
    g_menuResult = RTERROR;
    EXPECT_EQ(update("$(upper,%PROPERTY)"), "abc");
}

// The fault: the result buffer started empty, so a host that answered the keyword but delivered
// nothing emptied the label.
TEST_F(MacroProtocol, AHostThatAnswersTheKeywordButDeliversNothingLeavesTheUnknownText) {
    g_deliverNothing = true;
    EXPECT_EQ(update("$(upper,%PROPERTY)"), "UNKNOWN PROPERTY VALUE");
}

TEST_F(MacroProtocol, WithoutAValueTheHostIsNotAsked) {
    reader->value.reset();
    EXPECT_EQ(update("$(upper,%PROPERTY)"), "UNKNOWN PROPERTY VALUE");
    EXPECT_TRUE(g_menuTexts.empty());
}

TEST_F(MacroProtocol, AnEmptyMacroAsksNothing) {
    EXPECT_EQ(update(""), "abc");
    EXPECT_TRUE(g_menuTexts.empty());
}

}  // namespace

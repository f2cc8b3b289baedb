// A style's update through the host's real expression evaluator: raw values, macros, missing
// values, the host functions missing, and styles without a reader or modifier.
#include <gtest/gtest.h>

#include "LibraryTestEnvironment.h"
#include "TestStrategies.h"
#include "ut/Win32.h"
#include "style/AcPropertyLinkStyle.h"
#include "style/MacroExpansion.h"
#include "boot/Switches.h"

namespace {

class StyleUpdate : public ::testing::Test {
protected:
    void SetUp() override {
        vttest::registerTestStrategies();
        reader = new FixedReader(std::string("abc"));
        modifier = new RecordingModifier();
        style.setPropertyReader(reader);
        style.setContentModifier(modifier);
    }
    void TearDown() override {
        vthost::unhideAllExports();
        vantorell::forgetHostFunctions();
    }
    std::string update(const char* macro) {
        style.setPostProcessingMacro(macro);
        modifier->received.reset();
        style.update(nullptr, nullptr);
        return modifier->received.value_or("<nothing>");
    }

    AcPropertyLinkStyle style;
    FixedReader* reader = nullptr;
    RecordingModifier* modifier = nullptr;
};

TEST_F(StyleUpdate, AnEmptyMacroPassesTheRawValueUnchanged) {
    EXPECT_EQ(update(""), "abc");
    reader->value = "";
    EXPECT_EQ(update(""), "") << "an empty value is a value";
}

TEST_F(StyleUpdate, TheMacroIsEvaluatedWithTheValueInPlaceOfTheToken) {
    EXPECT_EQ(update("$(upper,%PROPERTY)"), "ABC");
    reader->value = "2.5";
    EXPECT_EQ(update("$(*,%PROPERTY,2) m2"), "5 m2");
    EXPECT_EQ(update("%PROPERTY+%PROPERTY=$(+,%PROPERTY,%PROPERTY)"), "2.5+2.5=5");
    EXPECT_EQ(update("%property"), "%property") << "the token is case-sensitive";
}

TEST_F(StyleUpdate, AMissingValueGivesTheUnknownTextWithOrWithoutAMacro) {
    reader->value.reset();
    EXPECT_EQ(update(""), "UNKNOWN PROPERTY VALUE");
    EXPECT_EQ(update("$(upper,%PROPERTY)"), "UNKNOWN PROPERTY VALUE");
}

TEST_F(StyleUpdate, ALongValueReachesTheLabelWhole) {
    std::string longValue(5000, 'x');
    reader->value = longValue;
    EXPECT_EQ(update(""), longValue) << "a fixed 132-byte buffer must not cut or overflow";
    EXPECT_EQ(update("%PROPERTY").size(), 131u) << "an evaluated macro is what the host delivers";
}

TEST_F(StyleUpdate, WithoutTheHostsEvaluatorTheMacroIsIgnored) {
    {
        vthost::ScopedHiddenExport noEvaluator("acedMenuCmd");
        EXPECT_EQ(update("$(upper,%PROPERTY)"), "abc");
    }
    EXPECT_EQ(update("$(upper,%PROPERTY)"), "ABC") << "a failed look-up is tried again";
}

TEST_F(StyleUpdate, AStyleWithoutReaderOrModifierLeavesTheLabelAlone) {
    style.setPropertyReader(nullptr);
    EXPECT_EQ(update(""), "<nothing>");
    AcPropertyLinkStyle bare;
    bare.update(nullptr, nullptr);  // neither: must not crash
}

TEST_F(StyleUpdate, TheSourceIsHandedToTheReaderUnchanged) {
    update("");
    EXPECT_EQ(reader->lastSource, nullptr);
    EXPECT_EQ(reader->reads, 1);
}

}  // namespace

// Resource strings used as formats: a format is used only when its conversions are exactly the
// values passed, so an edited resource module can never make the application read an argument
// that is not there.
#include <gtest/gtest.h>

#include "app/MessageFormat.h"

namespace {

using vantorell::formatTakes;

TEST(MessageFormat, ConversionsMustMatchTheArgumentsExactly) {
    EXPECT_TRUE(formatTakes("Links: %d", "d"));
    EXPECT_TRUE(formatTakes("%5d%% of %-10s", "ds"));
    EXPECT_TRUE(formatTakes("100%% done", ""));
    EXPECT_TRUE(formatTakes("%i", "d"));
    EXPECT_FALSE(formatTakes("Links: %s", "d"));
    EXPECT_FALSE(formatTakes("%d %d", "d"));
    EXPECT_FALSE(formatTakes("no value", "d"));
    EXPECT_FALSE(formatTakes("%*d", "d")) << "a star would read another argument";
    EXPECT_FALSE(formatTakes("%ld", "d"));
    EXPECT_FALSE(formatTakes("%n", ""));
    EXPECT_FALSE(formatTakes("ends in %", ""));
    EXPECT_FALSE(formatTakes(nullptr, ""));
}

TEST(MessageFormat, AMismatchedFormatIsPrintedAsTextWithTheValueAfterIt) {
    EXPECT_STREQ(vantorell::formatWithInt("Found %d", 3), "Found 3");
    EXPECT_STREQ(vantorell::formatWithInt("Found %s", 3), "Found %s 3");
    EXPECT_STREQ(vantorell::formatWithString("%s failed", "VT_X"), "VT_X failed");
    EXPECT_STREQ(vantorell::formatWithString("%d failed", nullptr), "%d failed ");
    std::string longName(5000, 'n');
    EXPECT_EQ(vantorell::formatWithString("<%s>", longName.c_str()).GetLength(), 5002);
}

}  // namespace

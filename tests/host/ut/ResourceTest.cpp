// Resource scripts and resource modules: what the compiler accepts and refuses, LoadStringA's
// Win32 contract on a real resource module (testres.dll), and which module a string comes from
// through the current document's resource-handle stack and the resource chain.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "HostTestSupport.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "ap/ResourceLookup.h"
#include "ut/ResourceScript.h"
#include "ut/Resources.h"

namespace vthost::test {
namespace {

TEST(ResourceScript, ReadsStringTablesWithEscapesAndComments) {
    ResourceScript script;
    std::string error;
    ASSERT_TRUE(readResourceScript("// c\n# c\nSTRINGTABLE\nBEGIN\n  5 \"a \"\"q\"\" \\\\ \\t\\n\\0101\"\n"
                                   "END\nSTRINGTABLE\n{\n 6 \"\"\n}\n",
                                   script, error)) << error;
    ASSERT_EQ(script.strings.size(), 2u);
    EXPECT_EQ(script.strings[5], "a \"q\" \\ \t\nA");
    EXPECT_EQ(script.strings[6], "");
    std::string source = writeResourceSource(script);
    EXPECT_NE(source.find("{5u, \"a \\\"q\\\" \\\\ \\011\\012A\", 11u},"), std::string::npos) << source;
    EXPECT_NE(source.find("vthost_resources = {kResourceTableVersion, 2u, kStrings, 0u, kDialogs"), std::string::npos);
}

TEST(ResourceScript, RefusesWhatItCannotReadNamingTheLine) {
    struct Case { const char* text; const char* error; };
    const Case cases[] = {
        {"1 ICON \"a.ico\"\n", "line 1: unknown resource kind \"ICON\" (this compiler reads STRINGTABLE, DIALOG, DIALOGEX, MENU, BITMAP, CURSOR and VERSIONINFO)"},
        {"STRINGTABLE\n1 \"a\"\n", "line 2: STRINGTABLE without BEGIN"},
        {"STRINGTABLE\nBEGIN\n1 \"a\"\n", "line 4: STRINGTABLE without END"},
        {"STRINGTABLE\nBEGIN\nx \"a\"\nEND\n", "line 3: a string id that is not a number 0..65535"},
        {"STRINGTABLE\nBEGIN\n65536 \"a\"\nEND\n", "line 3: a string id that is not a number 0..65535"},
        {"STRINGTABLE\nBEGIN\n1 a\nEND\n", "line 3: a string id without a quoted text"},
        {"STRINGTABLE\nBEGIN\n1 \"a\nEND\n", "line 3: an unterminated text"},
        {"STRINGTABLE\nBEGIN\n1 \"a\" b\nEND\n", "line 3: something after the text"},
    };
    for (const Case& c : cases) {
        ResourceScript script;
        std::string error;
        EXPECT_FALSE(readResourceScript(c.text, script, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
    ResourceScript script;
    std::string error;
    std::string tooLong = "STRINGTABLE\nBEGIN\n1 \"" + std::string(kMaxResourceString + 1, 'x') + "\"\nEND\n";
    EXPECT_FALSE(readResourceScript(tooLong, script, error));
    EXPECT_EQ(error, "line 3: a text longer than 4096");
}

// testres.dll and testres2.dll loaded, one drawing, nothing on the chain.
class ResourceModules : public ::testing::Test {
protected:
    void SetUp() override {
        first = LoadLibraryA("testres.dll");
        second = LoadLibraryA("testres2.dll");
        ASSERT_NE(first, nullptr);
        ASSERT_NE(second, nullptr);
        newDrawing();
    }
    void TearDown() override {
        removeResourceModule(first);
        removeResourceModule(second);
        while (acDocManager->documentCount() > 0) closeDrawing(acDocManager->documents().back());
        FreeLibrary(second);
        FreeLibrary(first);
    }
    std::string load(HINSTANCE instance, UINT id, int size, int& count) {
        std::memset(buffer, '#', sizeof buffer);
        count = LoadStringA(instance, id, buffer, size);
        return buffer;
    }

    HINSTANCE first = nullptr, second = nullptr;
    char buffer[64];
};

TEST_F(ResourceModules, LoadStringCopiesTerminatesAndAnswersTheCount) {
    int count = -1;
    EXPECT_EQ(load(first, 1, 64, count), "Vantorell");
    EXPECT_EQ(count, 9);
    EXPECT_EQ(load(first, 2, 64, count), "Link \"%s\" created.\n");
    EXPECT_EQ(load(first, 65535, 64, count), "last");
    EXPECT_EQ(load(first, 1, 4, count), "Van") << "truncated and terminated";
    EXPECT_EQ(count, 3);
    EXPECT_EQ(load(first, 1, 1, count), "");
    EXPECT_EQ(count, 0);
    EXPECT_EQ(load(first, 7, 64, count), "") << "an empty text";
    EXPECT_EQ(count, 0);
}

TEST_F(ResourceModules, MissingStringsAndStrangeHandlesGiveZeroAndAnEmptyString) {
    int count = -1;
    EXPECT_EQ(load(first, 3, 64, count), "") << "a missing id leaves no garbage";
    EXPECT_EQ(count, 0);
    EXPECT_EQ(load(GetModuleHandleA(nullptr), 1, 64, count), "") << "the host program has no table";
    EXPECT_EQ(load(nullptr, 1, 64, count), "");
    int notAModule = 0;
    EXPECT_EQ(load(&notAModule, 1, 64, count), "") << "a pointer that is no module is not followed";
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(LoadStringA(first, 1, buffer, 0), 0);
    EXPECT_EQ(buffer[0], '#') << "size 0: nothing is written";
    EXPECT_EQ(LoadStringA(first, 1, nullptr, 10), 0);
}

TEST_F(ResourceModules, TheCurrentHandleWinsThenTheChainDecides) {
    char text[32];
    EXPECT_EQ(findResourceHandle(1), nullptr) << "nothing pushed, nothing on the chain";
    EXPECT_EQ(loadResourceString(1, text, sizeof text), 0);
    EXPECT_STREQ(text, "");
    addResourceModule(first);
    addResourceModule(second);
    addResourceModule(first);
    EXPECT_EQ(findResourceHandle(1), first) << "the chain in registration order";
    EXPECT_EQ(findResourceHandle(100), second) << "on to the next module that holds it";
    acDocManager->pushResourceHandle(second);
    EXPECT_EQ(loadResourceString(1, text, sizeof text), 5);
    EXPECT_STREQ(text, "other") << "the pushed handle first";
    EXPECT_EQ(findResourceHandle(2), first) << "what the pushed module lacks comes from the chain";
    newDrawing();
    EXPECT_EQ(findResourceHandle(1), first) << "the stack belongs to the other document";
    closeDrawing(acDocManager->curDocument());
    acDocManager->popResourceHandle();
    EXPECT_EQ(acDocManager->resourceHandleDepth(), 0);
    removeResourceModule(first);
    EXPECT_EQ(findResourceHandle(1), second);
    EXPECT_EQ(findResourceHandle(2), nullptr);
}

}  // namespace
}  // namespace vthost::test

// Version blocks: what vtrc reads from a VERSIONINFO statement, what a module file carries and
// how the version calls read it back from the file; files without a block, damaged blocks and
// buffers too small answer safely. Also the compiler's CURSOR statement.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "ut/ResourceScript.h"
#include "ut/Resources.h"
#include "ut/VersionBlock.h"
#include "ut/WinVer.h"

namespace {

using vthost::ResourceScript;

std::string moduleFile(HMODULE module) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, sizeof path);
    return path;
}

std::vector<unsigned char> blockOf(const std::string& file) {
    DWORD handle = 99;
    DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
    EXPECT_EQ(handle, 0u);
    std::vector<unsigned char> block(size);
    if (size > 0) {
        EXPECT_TRUE(GetFileVersionInfoA(file.c_str(), handle, size, block.data()));
    }
    return block;
}

std::string text(const void* block, const char* path) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block, path, &value, &length)) return "<absent>";
    EXPECT_EQ(std::strlen(static_cast<const char*>(value)) + 1, length) << path;
    return static_cast<const char*>(value);
}

class VersionFiles : public ::testing::Test {
protected:
    void SetUp() override {
        module = LoadLibraryA("testver.dll");
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override { FreeLibrary(module); }
    HMODULE module = nullptr;
};

TEST_F(VersionFiles, TheFileCarriesTheFixedNumbersStringTablesAndTranslations) {
    std::vector<unsigned char> block = blockOf(moduleFile(module));
    ASSERT_FALSE(block.empty());
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, VS_FFI_SIGNATURE);
    EXPECT_EQ(fixed->dwFileVersionMS, (2u << 16) | 5u);
    EXPECT_EQ(fixed->dwFileVersionLS, (1024u << 16) | 65535u);
    EXPECT_EQ(fixed->dwProductVersionMS, (2u << 16) | 5u);
    EXPECT_EQ(fixed->dwProductVersionLS, 1u);
    EXPECT_EQ(fixed->dwFileType, 2u);

    EXPECT_EQ(text(block.data(), "\\StringFileInfo\\040904b0\\CompanyName"), "Test Maker");
    EXPECT_EQ(text(block.data(), "\\stringfileinfo\\040904B0\\companyname"), "Test Maker") << "names ignore case";
    EXPECT_EQ(text(block.data(), "\\StringFileInfo\\040704b0\\CompanyName"), "Testhersteller");
    EXPECT_EQ(text(block.data(), "\\StringFileInfo\\040904b0\\Empty"), "");
    EXPECT_EQ(text(block.data(), "\\StringFileInfo\\040904b0\\Missing"), "<absent>");
    EXPECT_EQ(text(block.data(), "\\StringFileInfo\\040704b0\\ProductVersion"), "<absent>") << "other language";
    EXPECT_EQ(text(block.data(), "\\StringFileInfo\\040904b0"), "<absent>");

    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 8u);
    EXPECT_EQ((static_cast<const unsigned char*>(value) - block.data()) % 4, 0)
        << "values are aligned in the block, as callers read their words in place";
    const auto* pairs = static_cast<const unsigned short*>(value);
    EXPECT_EQ(pairs[0], 0x409);
    EXPECT_EQ(pairs[1], 1200);
    EXPECT_EQ(pairs[2], 0x407);
}

TEST_F(VersionFiles, FilesWithoutABlockAndSmallBuffersAreRefused) {
    std::string file = moduleFile(module);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<unsigned char> small(size - 1, 0xAB);
    EXPECT_FALSE(GetFileVersionInfoA(file.c_str(), 0, size - 1, small.data()));
    EXPECT_FALSE(GetFileVersionInfoA(file.c_str(), 0, size, nullptr));

    // A module without a block, a file that is no module, a missing file, nothing at all.
    HMODULE plain = LoadLibraryA("testres.dll");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(GetFileVersionInfoSizeA(moduleFile(plain).c_str(), &handle), 0u);
    FreeLibrary(plain);
    std::string notModule = std::string(VT_TEST_SOURCE_DIR) + "/testver.rc";
    EXPECT_EQ(GetFileVersionInfoSizeA(notModule.c_str(), &handle), 0u);
    EXPECT_EQ(GetFileVersionInfoSizeA("/no/such/file.dll", &handle), 0u);
    EXPECT_EQ(GetFileVersionInfoSizeA(nullptr, nullptr), 0u);
    std::vector<unsigned char> buffer(64);
    EXPECT_FALSE(GetFileVersionInfoA(notModule.c_str(), 0, 64, buffer.data()));

    void* value = nullptr;
    UINT length = 0;
    EXPECT_FALSE(VerQueryValueA(buffer.data(), "\\", &value, &length)) << "not a block";
    EXPECT_FALSE(VerQueryValueA(nullptr, "\\", &value, &length));
}

TEST(VersionBlock, ADamagedEntryStopsTheSearchInsideTheBlock) {
    ResourceScript script;
    std::string error;
    ASSERT_TRUE(vthost::readResourceScript("1 VERSIONINFO\nFILEVERSION 1,2,3,4\nBEGIN\nBLOCK \"StringFileInfo\"\nBEGIN\n"
                                           "BLOCK \"040904b0\"\nBEGIN\nVALUE \"A\", \"x\"\nVALUE \"B\", \"y\"\nEND\nEND\nEND\n",
                                           script, error))
        << error;
    std::string block = vthost::encodeVersionBlock(script.version);
    const void* value = nullptr;
    unsigned length = 0;
    ASSERT_TRUE(vthost::findVersionValue(block.data(), "\\StringFileInfo\\040904b0\\B", value, length));
    EXPECT_EQ(length, 2u);
    // The first entry's value length now points past the block's end.
    std::string damaged = block;
    std::size_t firstEntry = 16 + sizeof(VS_FIXEDFILEINFO);
    damaged[firstEntry + 4] = '\x7f';
    EXPECT_FALSE(vthost::findVersionValue(damaged.data(), "\\StringFileInfo\\040904b0\\B", value, length));
    // A stated size beyond the largest block.
    damaged = block;
    damaged[10] = '\x7f';
    EXPECT_EQ(vthost::versionBlockSize(damaged.data(), damaged.size()), 0u);
}

TEST(VersionScript, RefusesWhatItCannotReadNamingTheLine) {
    struct Case { const char* text; const char* error; };
    const Case cases[] = {
        {"1 VERSIONINFO\nFILEVERSION 1,2,3\nBEGIN\nEND\n", "line 2: a version of four numbers separated by commas"},
        {"1 VERSIONINFO\nFILEVERSION 1,2,3,70000\nBEGIN\nEND\n", "line 2: a version number out of range 0..65535"},
        {"1 VERSIONINFO\nCOLOUR 3\nBEGIN\nEND\n", "line 2: unknown version statement \"COLOUR\""},
        {"1 VERSIONINFO\nBEGIN\nBLOCK \"Other\"\nBEGIN\nEND\nEND\n", "line 4: unknown version block \"Other\""},
        {"1 VERSIONINFO\nBEGIN\nBLOCK \"StringFileInfo\"\nBEGIN\nBLOCK \"0409\"\nBEGIN\nVALUE \"A\", 5\nEND\nEND\nEND\n",
         "line 7: expected the value's text (a quoted text)"},
        {"1 VERSIONINFO\nBEGIN\nEND\n2 VERSIONINFO\nBEGIN\nEND\n", "line 4: a second VERSIONINFO"},
        {"1 VERSIONINFO\nFILEVERSION 1,2,3,4\n", "line 3: VERSIONINFO without BEGIN and END"},
        {"7 CURSOR \"notacursor.cur\"\n", "line 1: \"notacursor.cur\" is not a cursor file"},
        {"7 CURSOR \"missing.cur\"\n", "line 1: cursor file \"missing.cur\" cannot be read"},
    };
    auto readBeside = [](const std::string& name, std::string& bytes) {
        std::ifstream in(std::string(VT_TEST_SOURCE_DIR) + "/" + name, std::ios::binary);
        if (!in) return false;
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        return true;
    };
    for (const Case& c : cases) {
        ResourceScript script;
        std::string error;
        EXPECT_FALSE(vthost::readResourceScript(c.text, script, error, readBeside)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

TEST_F(VersionFiles, ACursorResourceKeepsItsSizeAndHotSpot) {
    const VthostCursorResource* cursor = vthost::findCursorResource(module, 7);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->width, 32);
    EXPECT_EQ(cursor->height, 32);
    EXPECT_EQ(cursor->hotX, 5);
    EXPECT_EQ(cursor->hotY, 0);
    EXPECT_EQ(vthost::findCursorResource(module, 8), nullptr);
    HMODULE old = LoadLibraryA("oldres.dll");
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(vthost::findCursorResource(old, 7), nullptr) << "a table older than cursors";
    FreeLibrary(old);
}

}  // namespace

// Help: the host's help file format (source, compiled file, damaged files), GetProcAddress by
// ordinal, bare names found in the host's system folder, and the help viewer hhctrl.ocx showing
// a topic by context number or saying why it cannot.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "HostTestSupport.h"
#include "ut/HelpFile.h"
#include "ut/Win32.h"

namespace vthost::test {
namespace {

constexpr const char* kSource =
    "# comment\n"
    "TOPIC 1000 Creating a link\n"
    "Pick the label,\n"
    "then the source.\n"
    "\n"
    "TOPIC 1004 About\n"
    "Version 1.\n";

TEST(HelpFile, SourceCompilesAndReadsBack) {
    std::vector<HelpTopic> topics, again;
    std::string error;
    ASSERT_TRUE(readHelpSource(kSource, topics, error)) << error;
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[0].context, 1000u);
    EXPECT_EQ(topics[0].title, "Creating a link");
    EXPECT_EQ(topics[0].text, "Pick the label,\nthen the source.");
    std::string file = writeHelpFile(topics);
    ASSERT_EQ(readHelpFile(file, again), HelpRead::kOk);
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[1].title, "About");
    EXPECT_EQ(again[1].text, "Version 1.");
    EXPECT_EQ(writeHelpFile(again), file);
}

TEST(HelpFile, RefusesDamagedNewerAndForeignFiles) {
    std::vector<HelpTopic> topics;
    std::string error;
    readHelpSource(kSource, topics, error);
    std::string file = writeHelpFile(topics);
    for (std::size_t length = 8; length < file.size(); ++length)
        EXPECT_EQ(readHelpFile(file.substr(0, length), topics), HelpRead::kDamaged) << length;
    EXPECT_TRUE(topics.empty()) << "nothing half-read is handed out";
    EXPECT_EQ(readHelpFile(file + "x", topics), HelpRead::kDamaged);
    EXPECT_EQ(readHelpFile("not help", topics), HelpRead::kNotHelp);
    std::string newer = file;
    newer[8] = 2;
    EXPECT_EQ(readHelpFile(newer, topics), HelpRead::kNewerVersion);
    // Found by fuzzing: a file claiming version 0 was read, and written back as version 1.
    std::string versionZero = file;
    versionZero[8] = 0;
    EXPECT_EQ(readHelpFile(versionZero, topics), HelpRead::kDamaged);
    std::string huge = file;
    huge[12] = huge[13] = huge[14] = huge[15] = '\xFF';
    EXPECT_EQ(readHelpFile(huge, topics), HelpRead::kDamaged) << "a count beyond the limit";
    EXPECT_FALSE(readHelpSource("text first\nTOPIC 1 a\n", topics, error));
    EXPECT_EQ(error, "line 1: text before the first TOPIC");
    EXPECT_FALSE(readHelpSource("TOPIC 1 a\nTOPIC 1 b\n", topics, error));
    EXPECT_EQ(error, "line 2: a TOPIC without a new context number");
    EXPECT_FALSE(readHelpSource("TOPIC x\n", topics, error));
    EXPECT_FALSE(readHelpSource("TOPIC 99999999999 a\n", topics, error));
}

using HtmlHelpFunction = void* (*)(void*, const char*, unsigned, std::uintptr_t);

// hhctrl.ocx loaded by its bare name; a help file in a folder of its own.
class HelpViewer : public ::testing::Test {
protected:
    void SetUp() override {
        viewer = LoadLibraryA("hhctrl.ocx");
        ASSERT_NE(viewer, nullptr) << "found in the host's system folder";
        help = vthost::procAddress<HtmlHelpFunction>(viewer, MAKEINTRESOURCEA(14));
        ASSERT_NE(help, nullptr);
        folder = std::filesystem::temp_directory_path() / ("vt_help_" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        std::vector<HelpTopic> topics;
        std::string error;
        readHelpSource(kSource, topics, error);
        std::ofstream(folder / "vantorell.chm", std::ios::binary) << writeHelpFile(topics);
        path = (folder / "vantorell.chm").string();
    }
    void TearDown() override {
        std::filesystem::remove_all(folder);
        if (viewer != nullptr) FreeLibrary(viewer);
    }

    HMODULE viewer = nullptr;
    HtmlHelpFunction help = nullptr;
    std::filesystem::path folder;
    std::string path;
    OutputCapture output;
};

TEST_F(HelpViewer, OrdinalsComeFromTheModulesTableAndAbsentOnesAreNull) {
    EXPECT_EQ(GetProcAddress(viewer, MAKEINTRESOURCEA(13)), nullptr);
    EXPECT_EQ(GetProcAddress(viewer, MAKEINTRESOURCEA(0)), nullptr);
    EXPECT_EQ(GetProcAddress(viewer, MAKEINTRESOURCEA(0xFFFF)), nullptr);
    EXPECT_EQ(GetProcAddress(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(14)), nullptr)
        << "a module without an ordinal table";
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpA")), reinterpret_cast<void*>(help))
        << "by name too";
    std::vector<std::string> candidates = moduleCandidates("hhctrl.ocx", nullptr);
    EXPECT_NE(std::find(candidates.begin(), candidates.end(), systemFolder() + "/hhctrl.ocx"), candidates.end());
}

TEST_F(HelpViewer, ShowsTheTopicOfAContextOrSaysWhyNot) {
    EXPECT_NE(help(nullptr, path.c_str(), 15, 1000), nullptr);
    EXPECT_EQ(output.take(), "\nCreating a link\nPick the label,\nthen the source.");
    EXPECT_NE(help(nullptr, (path + "::/about.htm").c_str(), 15, 1004), nullptr);
    EXPECT_EQ(output.take(), "\nAbout\nVersion 1.");
    EXPECT_EQ(help(nullptr, path.c_str(), 15, 1001), nullptr);
    EXPECT_EQ(output.take(), "\nNo help topic 1001 in " + path + ".");
    std::string missing = (folder / "missing.chm").string();
    EXPECT_EQ(help(nullptr, missing.c_str(), 15, 1000), nullptr);
    EXPECT_EQ(output.take(), "\nCannot open help file " + missing + ".");
    std::ofstream(folder / "damaged.chm", std::ios::binary) << std::string("VTHELP\0\0\1\0\0\0\5\0\0\0", 16);
    EXPECT_EQ(help(nullptr, (folder / "damaged.chm").c_str(), 15, 1000), nullptr);
    EXPECT_EQ(help(nullptr, nullptr, 15, 1000), nullptr);
    EXPECT_EQ(help(nullptr, path.c_str(), 0x12, 0), nullptr) << "closing the viewer shows nothing";
}

}  // namespace
}  // namespace vthost::test

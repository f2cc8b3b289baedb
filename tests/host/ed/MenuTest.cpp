// Menu files and groups: the parser's subset and its refusals, MENULOAD's extension order and
// messages, acedIsMenuGroupLoaded across the session, MENUUNLOAD, and MENUITEM listing the groups
// and running an item's macro at the Command prompt.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "HostTestSupport.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "ed/AcedMenu.h"
#include "ed/CommandLine.h"
#include "ed/CommandRunner.h"
#include "ed/EditorCommands.h"
#include "ed/MenuCommands.h"
#include "ed/MenuFile.h"
#include "ed/MenuGroups.h"
#include "ed/SystemVariables.h"

namespace vthost::test {
namespace {

constexpr const char* kMenu =
    "// the application's menu\n"
    "***MENUGROUP=Vantorell\n"
    "\n"
    "***POP1\n"
    "**VANTORELL\n"
    "ID_Vantorell [&Vantorell]\n"
    "ID_Link      [&Create link]^C^Cvt_linkcreate\n"
    "[--]\n"
    "[Set echo off]^C^C(setvar \"CMDECHO\" 0);(princ \"a;b\")\n"
    "***HELPSTRINGS\n"
    "ID_Link [Links a label to a source]\n";

TEST(MenuFile, ReadsTheGroupPullDownsAndItems) {
    MenuFile menu;
    std::string error;
    ASSERT_TRUE(parseMenuFile(kMenu, menu, error)) << error;
    EXPECT_EQ(menu.group, "Vantorell");
    ASSERT_EQ(menu.sections.size(), 1u) << "other sections are skipped";
    const MenuSection& pop = menu.sections[0];
    EXPECT_EQ(pop.name, "POP1");
    EXPECT_EQ(pop.title, "&Vantorell");
    ASSERT_EQ(pop.items.size(), 3u);
    EXPECT_EQ(pop.items[0].tag, "ID_Link");
    EXPECT_EQ(pop.items[0].label, "&Create link");
    EXPECT_EQ(pop.items[0].macro, "^C^Cvt_linkcreate");
    EXPECT_TRUE(pop.items[1].separator());
}

TEST(MenuFile, RefusesWhatItDoesNotUnderstandWithTheLine) {
    struct Case { const char* text; const char* error; };
    const Case cases[] = {
        {"", "no ***MENUGROUP line"},
        {"***POP1\n[a]b\n", "line 1: a section before ***MENUGROUP"},
        {"***MENUGROUP=A\n[a]b\n", "line 2: an item outside a pull-down section"},
        {"***MENUGROUP=A\n***POP1\n[unclosed\n", "line 3: an item without [label]"},
        {"***MENUGROUP=A\n***MENUGROUP=B\n", "line 2: a second ***MENUGROUP"},
        {"***MENUGROUP=\n", "line 1: ***MENUGROUP without a name"},
        {"***MENUGROUP=A\n***POP1\n***pop1\n", "line 3: section POP1 appears twice"},
    };
    for (const Case& c : cases) {
        MenuFile menu;
        std::string error;
        EXPECT_FALSE(parseMenuFile(c.text, menu, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
    MenuFile menu;
    std::string error;
    std::string longLine = "***MENUGROUP=A\n***POP1\n[" + std::string(kMaxMenuLine, 'x') + "]\n";
    EXPECT_FALSE(parseMenuFile(longLine, menu, error));
    EXPECT_EQ(error, "line 3: line too long");
    EXPECT_TRUE(parseMenuFile("***MENUGROUP=A\n***POP500\n[x]y\n", menu, error))
        << "POP500 is not a pull-down: skipped like any other section";
    EXPECT_TRUE(menu.sections.empty());
}

TEST(MenuMacro, SpacesAndSemicolonsEndAnswersAndLeadingCancelsGo) {
    EXPECT_EQ(macroAnswers("^C^Cvt_linkcreate"), std::vector<std::string>{"vt_linkcreate"});
    EXPECT_EQ(macroAnswers("^c^CLINE 0,0 1,1;;"),
              (std::vector<std::string>{"LINE", "0,0", "1,1", ""}));
    EXPECT_EQ(macroAnswers("LINE 0,0 1,1;"), (std::vector<std::string>{"LINE", "0,0", "1,1"}))
        << "the ';' ends the last point; the line still waits for the next";
    EXPECT_EQ(macroAnswers("(princ \"a b)\") (x (y z));LINE"),
              (std::vector<std::string>{"(princ \"a b)\")", "(x (y z))", "LINE"}))
        << "an expression is one answer, parentheses in its strings do not count";
    EXPECT_EQ(macroAnswers(""), std::vector<std::string>{});
}

// A folder of menu files, the menu commands registered, no groups loaded.
class MenuCommands : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerMenuCommands(); }
    void SetUp() override {
        commandLine().reset();
        unloadAllMenuGroups();
        folder = std::filesystem::temp_directory_path() / ("vt_menu_" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        unloadAllMenuGroups();
        while (acDocManager->documentCount() > 0) closeDrawing(acDocManager->documents().back());
        std::filesystem::remove_all(folder);
        commandLine().reset();
    }
    std::string write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name) << text;
        return (folder / name).string();
    }
    std::string base(const std::string& name) { return (folder / name).string(); }
    std::string run(const std::vector<std::string>& lines) {
        for (const std::string& line : lines) commandLine().queue(line);
        output.take();
        commandLoop();
        return output.take();
    }

    std::filesystem::path folder;
    OutputCapture output;
};

TEST_F(MenuCommands, MenuLoadTriesMnuThenMnsAndTheGroupIsKnownCaseInsensitively) {
    std::string mnu = write("vt.mnu", kMenu);
    write("vt.mns", "***MENUGROUP=Other\n");
    EXPECT_FALSE(acedIsMenuGroupLoaded("VANTORELL"));
    EXPECT_EQ(run({"MENULOAD", base("vt")}),
              "\nCommand: MENULOAD\nEnter name of menu file to load (or ? to list): " + base("vt") +
                  "\nMenu group Vantorell loaded from " + mnu + ".\nCommand: \n");
    EXPECT_TRUE(acedIsMenuGroupLoaded("VANTORELL"));
    EXPECT_TRUE(acedIsMenuGroupLoaded("vantorell"));
    EXPECT_FALSE(acedIsMenuGroupLoaded("Other"));
    EXPECT_FALSE(acedIsMenuGroupLoaded(nullptr));
    std::filesystem::remove(folder / "vt.mnu");
    run({"MENULOAD", base("vt")});
    EXPECT_TRUE(acedIsMenuGroupLoaded("OTHER")) << "without the .mnu the .mns is read";
}

TEST_F(MenuCommands, MenuLoadFailsWithAMessageAndLoadsNothing) {
    write("bad.mnu", "***MENUGROUP=A\n[orphan]x\n");
    write("vt.mnu", kMenu);
    EXPECT_EQ(run({"MENULOAD", base("missing")}),
              "\nCommand: MENULOAD\nEnter name of menu file to load (or ? to list): " + base("missing") +
                  "\nCannot find menu file \"" + base("missing") + "\".\nCommand: \n");
    EXPECT_NE(run({"MENULOAD", base("bad")}).find("bad.mnu: line 2: an item outside a pull-down section."),
              std::string::npos);
    EXPECT_FALSE(acedIsMenuGroupLoaded("A"));
    run({"MENULOAD", base("vt")});
    EXPECT_NE(run({"MENULOAD", base("vt")}).find("Menu group Vantorell is already loaded."), std::string::npos);
    EXPECT_EQ(loadedMenuGroups().size(), 1u);
}

TEST_F(MenuCommands, MenuLoadThroughAcedCommandAsksOnTheCommandLine) {
    write("vt.mnu", kMenu);
    std::string name = base("vt");
    EXPECT_EQ(acedCommand(RTSTR, "MENULOAD", RTSTR, name.c_str(), 0), RTNORM);
    EXPECT_TRUE(acedIsMenuGroupLoaded("Vantorell"));
    EXPECT_EQ(acedCommand(RTSTR, "MENUUNLOAD", RTSTR, "VANTORELL", 0), RTNORM);
    EXPECT_FALSE(acedIsMenuGroupLoaded("Vantorell"));
    EXPECT_EQ(acedCommand(RTSTR, "MENUUNLOAD", RTSTR, "VANTORELL", 0), RTERROR) << "not loaded";
}

TEST_F(MenuCommands, MenuItemListsTheGroupsAndRunsAnItemsMacro) {
    write("vt.mnu", kMenu);
    newDrawing();
    EXPECT_EQ(run({"MENUITEM", "?"}), "\nCommand: MENUITEM\nMenu item to run (GROUP.POPn.k, or ? to list): ?"
                                      "\nNo menu groups are loaded.\nCommand: \n");
    run({"MENULOAD", base("vt")});
    EXPECT_EQ(run({"MENUITEM", "?"}),
              "\nCommand: MENUITEM\nMenu item to run (GROUP.POPn.k, or ? to list): ?"
              "\nVantorell  " + base("vt.mnu") +
              "\n  POP1  &Vantorell"
              "\n    1  &Create link  ^C^Cvt_linkcreate"
              "\n    2  --  "
              "\n    3  Set echo off  ^C^C(setvar \"CMDECHO\" 0);(princ \"a;b\")"
              "\nCommand: \n");
    resbuf echo{};
    echo.restype = RTSHORT, echo.resval.rint = 1;
    acedSetVar("CMDECHO", &echo);
    std::string ran = run({"MENUITEM", "vantorell.pop1.3"});
    EXPECT_NE(ran.find("\nCommand: (setvar \"CMDECHO\" 0)\n0\nCommand: (princ \"a;b\")a;b"), std::string::npos) << ran;
    ASSERT_EQ(acedGetVar("CMDECHO", &echo), RTNORM);
    EXPECT_EQ(echo.resval.rint, 0);
    EXPECT_NE(run({"MENUITEM", "VANTORELL.POP1.2"}).find("No menu item VANTORELL.POP1.2."), std::string::npos)
        << "a separator runs nothing";
    EXPECT_NE(run({"MENUITEM", "VANTORELL.POP1.9"}).find("No menu item"), std::string::npos);
    echo.resval.rint = 1;
    acedSetVar("CMDECHO", &echo);
}

}  // namespace
}  // namespace vthost::test

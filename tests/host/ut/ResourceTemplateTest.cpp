// Dialog templates, menus and bitmaps: what the resource compiler reads (implied control styles,
// NOT, continued statements, named ids, nesting), what it refuses with the line, and the loaders
// on real modules: testdlg.dll (a version 2 table) and oldres.dll (a version 1 table, read still),
// found through the current resource handle and the resource chain.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "HostTestSupport.h"
#include "ap/AcApDocManager.h"
#include "ap/DocumentSession.h"
#include "ap/ResourceLookup.h"
#include "ut/CString.h"
#include "ut/ResourceScript.h"
#include "ut/Resources.h"
#include "ut/WindowStyles.h"

namespace vthost::test {
namespace {

constexpr const char* kDialog =
    "7 DIALOGEX 1, 2, 200, 100\n"
    "STYLE DS_MODALFRAME | WS_POPUP\n"
    "CAPTION \"Styles \"\"A\"\"\"\n"
    "FONT 8, \"MS Sans Serif\", 400, 0, 1\n"
    "{\n"
    "  LTEXT \"Name:\", IDC_STATIC, 7, 9, 30, 8 // a comment\n"
    "  EDITTEXT 2003, 40, 7, 120, 12, ES_AUTOHSCROLL | NOT WS_BORDER\n"
    "  COMBOBOX 2007, 40, 23, 120, 60, CBS_DROPDOWNLIST |\n"
    "           CBS_SORT, WS_EX_CLIENTEDGE\n"
    "  CONTROL \"\", 2000, \"SysListView32\", LVS_REPORT | 0x8, -5, 55, 150, 50\n"
    "  CONTROL \"x\", 2001, Button, BS_OWNERDRAW, 1, 2, 3, 4, WS_EX_STATICEDGE\n"
    "  DEFPUSHBUTTON \"OK\", IDOK, 183, 7, 50, 14\n"
    "}\n";

TEST(ResourceTemplates, ReadsADialogWithImpliedStylesAndContinuedStatements) {
    ResourceScript script;
    std::string error;
    ASSERT_TRUE(readResourceScript(kDialog, script, error)) << error;
    ASSERT_EQ(script.dialogs.count(7), 1u);
    const DialogScript& d = script.dialogs.at(7);
    EXPECT_EQ(d.caption, "Styles \"A\"");
    EXPECT_EQ(d.style, DS_MODALFRAME | WS_POPUP | WS_CAPTION | DS_SETFONT) << "CAPTION and FONT add their bits";
    EXPECT_EQ(d.x, 1);
    EXPECT_EQ(d.cy, 100);
    EXPECT_EQ(d.fontName, "MS Sans Serif");
    EXPECT_EQ(d.fontSize, 8u);
    ASSERT_EQ(d.controls.size(), 6u);
    const DialogControlScript& label = d.controls[0];
    EXPECT_EQ(label.id, -1);
    EXPECT_EQ(label.className, "Static");
    EXPECT_EQ(label.style, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP);
    EXPECT_EQ(d.controls[1].style, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL) << "NOT takes an implied bit away";
    const DialogControlScript& combo = d.controls[2];
    EXPECT_EQ(combo.className, "ComboBox");
    EXPECT_EQ(combo.style, WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_SORT) << "the next line continues it";
    EXPECT_EQ(combo.exStyle, WS_EX_CLIENTEDGE);
    EXPECT_EQ(d.controls[3].className, "SysListView32");
    EXPECT_EQ(d.controls[3].style, WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS);
    EXPECT_EQ(d.controls[3].x, -5);
    EXPECT_EQ(d.controls[4].className, "Button") << "an unquoted class";
    EXPECT_EQ(d.controls[4].exStyle, WS_EX_STATICEDGE);
    EXPECT_EQ(d.controls[5].id, IDOK);
    EXPECT_EQ(d.controls[5].style & BS_TYPEMASK, BS_DEFPUSHBUTTON);

    ASSERT_TRUE(readResourceScript("8 DIALOG 0,0,10,10\nBEGIN\nEND\n", script, error)) << error;
    EXPECT_EQ(script.dialogs.at(8).style, WS_POPUP | WS_BORDER | WS_SYSMENU) << "the default without STYLE";

    ASSERT_TRUE(readResourceScript("8 DIALOG 0,0,10,10\nBEGIN\n"
                                   "  EDITTEXT 1, 0, 0, 1, 1 // width, height,\n"
                                   "  LTEXT \"a \\\" // b,\", 2, 0, 0, 1, 1\nEND\n",
                                   script, error))
        << error;
    ASSERT_EQ(script.dialogs.at(8).controls.size(), 2u) << "a comment ending in a comma continues nothing";
    EXPECT_EQ(script.dialogs.at(8).controls[1].text, "a \" // b,") << "no comment inside a text";
}

TEST(ResourceTemplates, ReadsNestedMenusAndBitmapsThroughTheFileReader) {
    ResourceScript script;
    std::string error;
    const char* menu =
        "5 MENU\nBEGIN\n POPUP \"Context\"\n BEGIN\n  MENUITEM \"&New\", 32771\n  MENUITEM SEPARATOR\n"
        "  POPUP \"More\", GRAYED\n  {\n   MENUITEM \"Deep\", 3, CHECKED, INACTIVE\n  }\n"
        "  MENUITEM \"&Delete\", 32773, GRAYED\n END\nEND\n";
    ASSERT_TRUE(readResourceScript(menu, script, error)) << error;
    const std::vector<MenuItemScript>& items = script.menus.at(5);
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0].flags, MF_POPUP);
    EXPECT_EQ(items[0].depth, 0u);
    EXPECT_EQ(items[1].id, 32771u);
    EXPECT_EQ(items[1].depth, 1u);
    EXPECT_EQ(items[2].flags, MF_SEPARATOR);
    EXPECT_EQ(items[3].flags, MF_POPUP | MF_GRAYED);
    EXPECT_EQ(items[4].flags, MF_CHECKED | MF_DISABLED);
    EXPECT_EQ(items[4].depth, 2u);
    EXPECT_EQ(items[5].flags, MF_GRAYED);
    EXPECT_EQ(items[5].depth, 1u);

    std::string bmp;
    {
        std::ifstream in(std::string(VT_TEST_SOURCE_DIR) + "/tree.bmp", std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        bmp = all.str();
    }
    ASSERT_FALSE(bmp.empty());
    auto reader = [&](const std::string& name, std::string& bytes) {
        if (name != "tree.bmp") return false;
        bytes = bmp;
        return true;
    };
    ASSERT_TRUE(readResourceScript("9 BITMAP \"tree.bmp\"\n", script, error, reader)) << error;
    EXPECT_EQ(script.bitmaps.at(9).width, 28);
    EXPECT_EQ(script.bitmaps.at(9).height, 14);
    EXPECT_EQ(script.bitmaps.at(9).bytes, bmp);
    EXPECT_FALSE(readResourceScript("9 BITMAP \"other.bmp\"\n", script, error, reader));
    EXPECT_EQ(error, "line 1: bitmap file \"other.bmp\" cannot be read");
    EXPECT_FALSE(readResourceScript("9 BITMAP \"tree.bmp\"\n", script, error));
    EXPECT_EQ(error, "line 1: bitmap files cannot be read here");
    std::string cut = bmp.substr(0, bmp.size() - 10);
    auto cutReader = [&](const std::string&, std::string& bytes) { return bytes = cut, true; };
    EXPECT_FALSE(readResourceScript("9 BITMAP \"tree.bmp\"\n", script, error, cutReader)) << "pixels past the end";
    EXPECT_EQ(error, "line 1: \"tree.bmp\" is not a bitmap this compiler reads");
}

TEST(ResourceTemplates, RefusesWhatItCannotReadNamingTheLine) {
    struct Case { const char* text; const char* error; };
    const Case cases[] = {
        {"1 DIALOG 0, 0, 10\nBEGIN\nEND\n", "line 1: expected ',' before height"},
        {"1 DIALOG 0, 0, 10, 99999\n", "line 1: height out of range -32768..32767"},
        {"1 DIALOG 0, 0, 10, 10\nCAPTION \"a\n", "line 2: an unterminated text"},
        {"1 DIALOG 0, 0, 10, 10\nCLASS \"a\"\nBEGIN\nEND\n", "line 2: an unknown dialog statement \"CLASS\""},
        {"1 DIALOG 0, 0, 10, 10\n", "line 2: a dialog without BEGIN"},
        {"1 DIALOG 0, 0, 10, 10\nBEGIN\nLTEXT \"a\", 1, 0, 0, 1, 1\n", "line 4: a dialog without END"},
        {"1 DIALOG 0, 0, 10, 10\nBEGIN\nSLIDER 1, 0, 0, 1, 1\nEND\n", "line 3: an unknown control statement \"SLIDER\""},
        {"1 DIALOG 0, 0, 10, 10\nBEGIN\nEDITTEXT 1, 0, 0, 1, 1, WS_NOSUCH\nEND\n", "line 3: an unknown name \"WS_NOSUCH\""},
        {"1 DIALOG 0, 0, 10, 10\nBEGIN\nEDITTEXT 70000, 0, 0, 1, 1\nEND\n", "line 3: a control id out of range -1..65535"},
        {"1 DIALOG 0, 0, 10, 10\nBEGIN\nEDITTEXT 1, 0, 0, 1, 1 @\nEND\n", "line 3: an unexpected character '@'"},
        {"1 DIALOG 0, 0, 10, 10\nBEGIN\nEDITTEXT 1, 0, 0, 1, 1 2\nEND\n", "line 3: something after the control"},
        {"1 DIALOG 0, 0, 10, 10\nBEGIN\nEND\n1 DIALOG 0, 0, 10, 10\n", "line 4: dialog id 1 appears twice"},
        {"1 MENU\nBEGIN\nMENUITEM \"a\"\nEND\n", "line 3: expected ',' before the item's id"},
        {"1 MENU\nBEGIN\nMENUITEM \"a\", 2, BOLD\nEND\n", "line 3: an unknown menu item option \"BOLD\""},
        {"1 MENU\nBEGIN\nPOPUP \"a\"\nBEGIN\n", "line 5: a menu without END"},
        {"1 MENU\nMENUITEM \"a\", 2\n", "line 2: a menu without BEGIN"},
        {"70000 MENU\n", "line 1: a resource id out of range 0..65535"},
        {"1 BITMAP tree.bmp\n", "line 1: an unexpected character '.'"},
        {"1 BITMAP 5\n", "line 1: expected the bitmap's file name (a quoted text)"},
        {"1\n", "line 1: a resource id without a resource kind"},
    };
    for (const Case& c : cases) {
        ResourceScript script;
        std::string error;
        EXPECT_FALSE(readResourceScript(c.text, script, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
    std::string deep = "1 MENU\nBEGIN\n";
    for (int i = 0; i < 9; ++i) deep += "POPUP \"p\"\nBEGIN\n";
    ResourceScript script;
    std::string error;
    EXPECT_FALSE(readResourceScript(deep, script, error));
    EXPECT_EQ(error, "line 17: menus nested deeper than 8");
}

// testdlg.dll, testres.dll and oldres.dll loaded, one drawing, nothing on the chain.
class TemplateModules : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs = LoadLibraryA("testdlg.dll");
        strings = LoadLibraryA("testres.dll");
        old = LoadLibraryA("oldres.dll");
        ASSERT_NE(dialogs, nullptr);
        ASSERT_NE(strings, nullptr);
        ASSERT_NE(old, nullptr);
        newDrawing();
    }
    void TearDown() override {
        for (HINSTANCE module : {dialogs, strings, old}) removeResourceModule(module);
        while (acDocManager->documentCount() > 0) closeDrawing(acDocManager->documents().back());
        for (HINSTANCE module : {dialogs, strings, old}) FreeLibrary(module);
    }
    HINSTANCE dialogs = nullptr, strings = nullptr, old = nullptr;
};

TEST_F(TemplateModules, TheLoadersFindTemplatesMenusAndBitmapsOfAModule) {
    const VthostDialogResource* dialog = findDialogResource(dialogs, 100);
    ASSERT_NE(dialog, nullptr);
    EXPECT_STREQ(dialog->caption, "Test Dialog");
    EXPECT_STREQ(dialog->fontName, "MS Sans Serif");
    ASSERT_EQ(dialog->controlCount, 12u);
    EXPECT_STREQ(dialog->controls[5].className, "SysListView32");
    EXPECT_EQ(dialog->controls[5].style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_EQ(dialog->controls[11].style & WS_TABSTOP, 0u);
    EXPECT_EQ(findDialogResource(dialogs, 999), nullptr);
    const VthostMenuResource* menu = findMenuResource(dialogs, 200);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->itemCount, 5u);
    EXPECT_EQ(menu->items[4].flags, MF_GRAYED);
    const VthostBitmapResource* bitmap = findBitmapResource(dialogs, 300);
    ASSERT_NE(bitmap, nullptr);
    int width = 0, height = 0;
    EXPECT_TRUE(readBitmapSize(std::string_view(reinterpret_cast<const char*>(bitmap->bytes), bitmap->size), width, height));
    EXPECT_EQ(width, 28);
    EXPECT_EQ(findMenuResource(dialogs, 300), nullptr) << "ids are per kind";

    char text[16];
    EXPECT_EQ(LoadStringA(old, 1, text, sizeof text), 3) << "a version 1 table still reads";
    EXPECT_STREQ(text, "old");
    EXPECT_EQ(findDialogResource(old, 100), nullptr) << "and has no templates";
    EXPECT_EQ(findMenuResource(old, 200), nullptr);
    EXPECT_EQ(findDialogResource(strings, 100), nullptr) << "a version 2 table without templates";
    EXPECT_EQ(findDialogResource(nullptr, 100), nullptr);
}

TEST_F(TemplateModules, TemplatesAndCStringsAreFoundThroughTheCurrentHandleThenTheChain) {
    EXPECT_EQ(findResourceHandle(ResourceKind::kDialog, 100), nullptr);
    addResourceModule(old);
    addResourceModule(strings);
    addResourceModule(dialogs);
    EXPECT_EQ(findResourceHandle(ResourceKind::kDialog, 100), dialogs) << "past modules without it";
    EXPECT_EQ(findResourceHandle(ResourceKind::kMenu, 200), dialogs);
    EXPECT_EQ(findResourceHandle(ResourceKind::kBitmap, 300), dialogs);
    EXPECT_EQ(findResourceHandle(ResourceKind::kMenu, 100), nullptr);
    CString text;
    EXPECT_TRUE(text.LoadString(1));
    EXPECT_EQ(text, "old") << "the chain in registration order";
    acDocManager->pushResourceHandle(dialogs);
    EXPECT_TRUE(text.LoadString(1));
    EXPECT_EQ(text, "Test dialog string") << "the current handle first";
    EXPECT_FALSE(text.LoadString(4242));
    EXPECT_EQ(text, "Test dialog string") << "a missing id leaves the text";
    acDocManager->popResourceHandle();
}

TEST(CStringTest, FormatsBuffersComparesAndReplacesInOnePass) {
    CString s, name("Area");
    s.Format("%s=%d", CString(std::string(300, 'a')).GetString(), 42);
    EXPECT_EQ(s.GetLength(), 303) << "no fixed buffer";
    char* buffer = s.GetBuffer(400);
    std::strcpy(buffer, "short");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "short");
    s.GetBuffer(10)[2] = 'X';
    s.ReleaseBuffer(3);
    EXPECT_EQ(s, "shX");
    EXPECT_EQ(CString("Area").CompareNoCase("aREA"), 0);
    EXPECT_LT(CString("Are").CompareNoCase("area"), 0);
    EXPECT_NE(CString("\xc4").CompareNoCase("\xe4"), 0) << "bytes above ASCII compare unchanged";
    CString m("%PROPERTY m %PROPERTY");
    EXPECT_EQ(m.Replace("%PROPERTY", "%PROPERTY%PROPERTY"), 2) << "its own output is not scanned again";
    EXPECT_EQ(m, "%PROPERTY%PROPERTY m %PROPERTY%PROPERTY");
    EXPECT_EQ(CString("abc").Mid(5), "");
    s.Format("[%s]", name.GetString());
    EXPECT_EQ(s, "[Area]");
    EXPECT_EQ(CString("abc").Right(9), "abc");
    EXPECT_STREQ(static_cast<const char*>(CString(nullptr)), "");
}

}  // namespace
}  // namespace vthost::test

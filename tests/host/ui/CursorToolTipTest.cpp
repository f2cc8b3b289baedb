// Cursors taken from the Windows folder's winhlp32.exe (shared while the module is loaded, copies
// owned by the caller), the mouse's cursor, tooltip controls with their tools, tip texts and
// relayed messages, and fonts with weight and underline measured by the fixed metrics.
#include <string>

#include "UiTestSupport.h"
#include "ui/AfxControls.h"
#include "ui/Cursor.h"
#include "ui/DialogDriver.h"
#include "ui/FontMetrics.h"
#include "ui/Gdi.h"
#include "ui/ToolTipCtrl.h"
#include "ui/Window.h"

namespace {

using vthost::test::UiTest;

HMODULE loadHelpProgram() {
    return LoadLibraryA((vthost::windowsFolder() + "/winhlp32.exe").c_str());
}

TEST_F(UiTest, TheHandCursorIsTheModulesWhileLoadedAndACopyIsTheCallers) {
    HMODULE help = loadHelpProgram();
    ASSERT_NE(help, nullptr) << vthost::lastModuleLoadError();
    int copiesBefore = vthost::ui::liveCursorCopies();
    HCURSOR hand = LoadCursorA(help, MAKEINTRESOURCEA(106));
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(LoadCursorA(help, MAKEINTRESOURCEA(106)), hand) << "one shared cursor per module and id";
    EXPECT_EQ(vthost::ui::cursorName(hand), "winhlp32.exe#106");
    const vthost::ui::CursorInfo* info = vthost::ui::cursorInfo(hand);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->width, 32);
    EXPECT_EQ(info->hotX, 5);
    EXPECT_TRUE(info->shared);
    EXPECT_EQ(LoadCursorA(help, MAKEINTRESOURCEA(107)), nullptr);
    EXPECT_EQ(LoadCursorA(help, "byname"), nullptr);

    HCURSOR copy = CopyIcon(hand);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, hand);
    EXPECT_FALSE(vthost::ui::cursorInfo(copy)->shared);
    EXPECT_FALSE(DestroyCursor(hand)) << "a shared cursor is not the caller's";
    FreeLibrary(help);
    EXPECT_EQ(vthost::ui::cursorInfo(hand), nullptr) << "gone with its module";
    EXPECT_EQ(CopyIcon(hand), nullptr);
    EXPECT_EQ(vthost::ui::cursorName(copy), "winhlp32.exe#106") << "the copy outlives the module";

    HCURSOR previous = SetCursor(copy);
    EXPECT_EQ(GetCursor(), copy);
    EXPECT_EQ(SetCursor(previous), copy);
    SetCursor(copy);
    EXPECT_TRUE(DestroyCursor(copy));
    EXPECT_EQ(GetCursor(), nullptr) << "a destroyed cursor is no longer the mouse's";
    EXPECT_FALSE(DestroyCursor(copy));
    EXPECT_EQ(vthost::ui::liveCursorCopies(), copiesBefore);
    EXPECT_EQ(vthost::ui::cursorName(LoadCursorA(nullptr, IDC_ARROW)), "system#32512");
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(106)), nullptr);
}

TEST_F(UiTest, AWindowsFolderWithoutTheHelpProgramGivesNoCursor) {
    vthost::setWindowsFolder("/nonexistent/windows");
    EXPECT_EQ(loadHelpProgram(), nullptr);
    vthost::setWindowsFolder(nullptr);
    EXPECT_NE(vthost::windowsFolder(), "/nonexistent/windows");
}

class ToolTips : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        dialog = vthost::ui::createWindow("#32770", "", WS_POPUP, 0, RECT{0, 0, 300, 200}, nullptr, 1);
        HWND labelWindow = vthost::ui::createWindow("Static", "Link", WS_CHILD | WS_VISIBLE, 0, RECT{10, 20, 90, 33}, dialog, 2014);
        ASSERT_TRUE(label.SubclassWindow(labelWindow));
    }
    void TearDown() override {
        vthost::ui::destroyWindow(dialog);
        UiTest::TearDown();
    }
    HWND dialog = nullptr;
    CStatic label;
    CToolTipCtrl tip;
};

TEST_F(ToolTips, ToolsKeepTheirRectangleAndTextAndTheDumpShowsTheTip) {
    ASSERT_TRUE(tip.Create(&label));
    EXPECT_FALSE(tip.Create(&label)) << "created once";
    EXPECT_EQ(tip.GetSafeHwnd()->parent, dialog) << "a child of the owner's dialog";
    ASSERT_TRUE(tip.AddTool(&label, "https://first.example/", nullptr, 1));
    RECT rect{};
    ASSERT_TRUE(tip.GetToolRect(&label, 1, rect));
    EXPECT_EQ(rect.right, 80);
    EXPECT_EQ(rect.bottom, 13);
    EXPECT_FALSE(tip.GetToolRect(&label, 2, rect));
    EXPECT_NE(vthost::ui::dumpDialog(dialog).find("  0 tooltips_class32 \"https://first.example/\" hidden"), std::string::npos)
        << vthost::ui::dumpDialog(dialog);

    tip.UpdateTipText("https://second.example/", &label, 1);
    tip.UpdateTipText("not a tool", &label, 7);
    CString text;
    tip.GetText(text, &label, 1);
    EXPECT_STREQ(text, "https://second.example/");
    tip.GetText(text, &label, 7);
    EXPECT_STREQ(text, "");
    char buffer[80] = {};
    TOOLINFOA info{sizeof info, 0, label.GetSafeHwnd(), 1, {}, nullptr, buffer, 0};
    tip.SendMessage(TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(buffer, "https://second.example/");
    EXPECT_EQ(tip.SendMessage(TTM_GETTOOLCOUNT), 1);
    tip.AddTool(&label, "replaced", nullptr, 1);
    EXPECT_EQ(tip.GetToolCount(), 1) << "the same window and id replace the tool";
    EXPECT_NE(vthost::ui::dumpDialog(dialog).find("tooltips_class32 \"replaced\""), std::string::npos);
}

TEST_F(ToolTips, RelayedMessagesReachTheControlWhileItIsActive) {
    ASSERT_TRUE(tip.Create(&label));
    MSG move{label.GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 4)};
    tip.RelayEvent(&move);
    EXPECT_EQ(tip.relayedCount(), 1);
    EXPECT_EQ(tip.lastRelayed().message, WM_MOUSEMOVE);
    EXPECT_EQ(tip.lastRelayed().hwnd, label.GetSafeHwnd());
    tip.Activate(FALSE);
    tip.RelayEvent(&move);
    EXPECT_EQ(tip.relayedCount(), 1);
    tip.Activate(TRUE);
    tip.RelayEvent(nullptr);
    EXPECT_EQ(tip.relayedCount(), 1);
    CToolTipCtrl unattached;
    EXPECT_FALSE(unattached.AddTool(&label, "x"));
}

TEST(Fonts, WeightAndUnderlineSurviveTheirObjectAndOnlyWeightWidensText) {
    LOGFONT base = vthost::ui::defaultDialogFont();
    LOGFONT underlined = base;
    underlined.lfUnderline = 1;
    LOGFONT bold = base;
    bold.lfWeight = 700;
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&underlined));
    LOGFONT back{};
    ASSERT_NE(font.GetLogFont(&back), 0);
    EXPECT_EQ(back.lfUnderline, 1);
    CFont heavy;
    ASSERT_TRUE(heavy.CreateFontIndirect(&bold));
    ASSERT_NE(heavy.GetLogFont(&back), 0);
    EXPECT_EQ(back.lfWeight, 700);
    const char* text = "Vantorell on the web";
    SIZE plain = vthost::ui::textExtent(base, text);
    EXPECT_EQ(plain.cx, 101);
    EXPECT_EQ(plain.cy, 13);
    EXPECT_EQ(vthost::ui::textExtent(underlined, text).cx, plain.cx);
    EXPECT_EQ(vthost::ui::textExtent(bold, text).cx, plain.cx + 20);
}

}  // namespace

// Popup menus (loaded from the resource chain, greyed items that cannot be chosen, the choice
// returned or posted after the handler), message boxes and beeps on the command line with their
// default and cancelling answers, and the recording device context's deterministic metrics.
#include "TestDialog.h"
#include "UiTestSupport.h"
#include "ui/CDC.h"
#include "ui/MessageBox.h"

namespace vthost::test {
namespace {

using Events = std::vector<std::string>;

// A right-click handler that shows menu 200's popup, as a style list's context menu would.
void showContextMenu(TestDialog& dialog, UINT flags, std::vector<int>& answers) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(200));
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetMenuItemCount(), 4);
    EXPECT_EQ(popup->GetMenuState(32773, MF_BYCOMMAND), MF_GRAYED) << "greyed in the template";
    popup->EnableMenuItem(32773, MF_ENABLED);
    popup->EnableMenuItem(32772, MF_GRAYED | MF_DISABLED);
    answers.push_back(popup->TrackPopupMenu(flags, 0, 0, &dialog));
    dialog.events.push_back("menu closed");
}

TEST_F(UiTest, APostedMenuChoiceArrivesAfterTheHandlerAndGreyedItemsCannotBeChosen) {
    TestDialog dialog;
    std::vector<int> answers;
    dialog.onRightClick = [&](TestDialog& d) { showContextMenu(d, TPM_LEFTALIGN, answers); };
    type({"dlg rclick 2000 #0", "dlg menu 32772", "dlg menu 32773", "dlg rclick 2000 #1", "dlg menu none"});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.events, (Events{"rclick 0", "menu closed", "command 32773", "rclick 1", "menu closed"}));
    EXPECT_EQ(answers, (std::vector<int>{TRUE, TRUE}));
    std::string out = output.take();
    EXPECT_NE(out.find("\nMenu:\n  32771 &New\n  32772 &Edit (greyed)\n  ----\n  32773 &Delete"), std::string::npos) << out;
    EXPECT_NE(out.find("Menu item 32772 is greyed and cannot be chosen."), std::string::npos);
}

TEST_F(UiTest, AReturnedMenuChoiceIsTheIdOrZeroWhenDismissed) {
    TestDialog dialog;
    std::vector<int> answers;
    dialog.onRightClick = [&](TestDialog& d) { showContextMenu(d, TPM_NONOTIFY | TPM_RETURNCMD, answers); };
    type({"dlg rclick 2000 #0", "dlg menu 32771", "dlg rclick 2000 #0", "32773", "dlg rclick 2000", "dlg esc"});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(answers, (std::vector<int>{32771, 32773, 0}));
    EXPECT_EQ(std::count(dialog.events.begin(), dialog.events.end(), "command 32771"), 0) << "nothing is posted";
    CMenu none;
    EXPECT_FALSE(none.LoadMenu(4242));
    EXPECT_EQ(LoadMenuA(module, MAKEINTRESOURCEA(100)), nullptr) << "100 is a dialog, not a menu";
}

TEST_F(UiTest, MessageBoxesPrintAndReadTheirAnswerWithEnterForTheDefault) {
    const UINT question = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
    type({"", "y", "No", "maybe", "OK"});
    EXPECT_EQ(MessageBoxA(nullptr, "Delete style \"Area\"?", "Styles", question), IDNO) << "Enter: the second button";
    EXPECT_EQ(MessageBoxA(nullptr, "Again?", "Styles", question), IDYES);
    EXPECT_EQ(AfxMessageBox("Continue?", MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox("Noted.", MB_ICONINFORMATION), IDOK) << "asked again after a wrong answer";
    std::string out = output.take();
    EXPECT_NE(out.find("\n[Styles] (question)\nDelete style \"Area\"?\nYes/No <No>: "), std::string::npos) << out;
    EXPECT_NE(out.find("\n[vthost] (information)\nNoted.\nOK <OK>: "), std::string::npos);
    EXPECT_NE(out.find("Answer one of the buttons, or Enter for the default."), std::string::npos);

    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_OKCANCEL), IDCANCEL) << "input ran out: Cancel";
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_YESNO), IDNO) << "or No";
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_OK), IDOK);
    EXPECT_EQ(AfxMessageBox(1, MB_OK), IDOK);
    EXPECT_NE(output.take().find("Test dialog string"), std::string::npos) << "a string resource's text";
    MessageBeep(MB_ICONEXCLAMATION);
    EXPECT_EQ(output.take(), "\n<beep: exclamation>");
}

TEST_F(UiTest, AMessageBoxInADialogWhoseInputRanOutAnswersWithoutReading) {
    TestDialog dialog;
    int answer = 0;
    dialog.onRightClick = [&](TestDialog&) { answer = MessageBoxA(nullptr, "Sure?", "Q", MB_YESNO); };
    commandLine().queue("dlg rclick 2000 #0");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(answer, IDNO) << "the input ran out in the box: its cancelling answer, and the dialog is cancelled";
    TestDialog second;
    second.m_refuseOk = true;
    EXPECT_EQ(second.DoModal(), IDCANCEL);
}

TEST_F(UiTest, TheDeviceContextRecordsWithDeterministicMetrics) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    EXPECT_EQ(dc.GetTextExtent("Area"), CSize(23, 13));
    EXPECT_EQ(dc.GetTextExtent("mil"), CSize(13, 13));
    CFont bold;
    LOGFONT font{};
    font.lfHeight = -11;
    font.lfWeight = FW_BOLD;
    ASSERT_TRUE(bold.CreateFontIndirect(&font));
    CFont* old = dc.SelectObject(&bold);
    EXPECT_EQ(dc.GetTextExtent("Area"), CSize(27, 13)) << "bold: a pixel more per character";
    dc.SelectObject(old);
    CPen red(PS_SOLID, 0, RGB(255, 0, 0));
    dc.SelectObject(&red);
    dc.MoveTo(2, 2);
    dc.LineTo(2, 9);
    dc.SetTextColor(RGB(0, 0, 238));
    dc.TextOut(1, 1, "go");
    CRect area(0, 0, 10, 10);
    dc.FillSolidRect(&area, RGB(1, 2, 3));
    const std::vector<DcRecord>& records = dc.records();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].pixels(), 7);
    EXPECT_EQ(records[1].colour, RGB(255, 0, 0));
    EXPECT_EQ(records[2].text, "go");
    EXPECT_EQ(records[2].colour, RGB(0, 0, 238));
    EXPECT_EQ(records[3].colour, RGB(1, 2, 3));
    EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), RGB(128, 128, 128));
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(4242));
    CBitmap tree;
    ASSERT_TRUE(tree.LoadBitmap(300));
    EXPECT_EQ(tree.GetBitmapDimension().cx, 28);
}

}  // namespace
}  // namespace vthost::test

// Popup menus (loaded from the resource chain, greyed items that cannot be chosen, the choice
// returned or posted after the handler), message boxes and beeps on the command line with their
// default and cancelling answers, and the recording device context's deterministic metrics.
#include "TestDialog.h"
#include "UiTestSupport.h"
#include "ui/CDC.h"
#include "ui/Gdi.h"
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

namespace vthost::test {
namespace {

TEST_F(UiTest, MenusBuiltByCodeNestPopupsAndKeepTheirStates) {
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    HMENU units = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(units, MF_STRING, 32777, "mm"));
    ASSERT_TRUE(AppendMenuA(units, MF_STRING, 32778, "cm"));
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, 32774, "Builder..."));
    ASSERT_TRUE(menu.AppendMenu(MF_SEPARATOR));
    ASSERT_TRUE(menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(units), "Units"));
    EXPECT_FALSE(menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(units), "Twice")) << "a popup has one owner";
    EXPECT_FALSE(DestroyMenu(units)) << "it belongs to the menu now";
    EXPECT_EQ(menu.CheckMenuItem(32778, MF_CHECKED), 0u);
    EXPECT_EQ(menu.EnableMenuItem(4242, MF_GRAYED), 0xFFFFFFFFu);
    EXPECT_EQ(menu.GetMenuItemID(2), 0xFFFFFFFFu) << "a popup has no id";
    EXPECT_EQ(menu.GetMenuItemID(0), 32774u);
    CString text;
    menu.GetMenuString(32777, text, MF_BYCOMMAND);
    EXPECT_EQ(text, "mm");
    EXPECT_EQ(vthost::ui::menuLines(menu.m_hMenu),
              (std::vector<std::string>{"32774 Builder...", "----", "popup Units", "  32777 mm", "  32778 cm (checked)"}));
    type({"dlg menu 32778", "dlg menu 0", "dlg menu x", "dlg menu 32777"});
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 32778) << "an item of a nested popup";
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 32777) << "bad choices are asked again";
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 0) << "input ran out: dismissed";
    std::string out = output.take();
    EXPECT_NE(out.find("expected a menu item id, or none"), std::string::npos);
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_EQ(menu.m_hMenu, nullptr);
}

// A .bmp file of width x 1 pixels with a palette of the given colours, bits per pixel given.
std::string paletteBitmap(int width, int bits, const std::vector<COLORREF>& palette, const std::vector<unsigned char>& row) {
    std::string bytes(54, '\0');
    auto put = [&](std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    for (COLORREF colour : palette) {
        bytes.push_back(static_cast<char>(GetBValue(colour)));
        bytes.push_back(static_cast<char>(GetGValue(colour)));
        bytes.push_back(static_cast<char>(GetRValue(colour)));
        bytes.push_back('\0');
    }
    std::size_t pixelsAt = bytes.size();
    for (unsigned char b : row) bytes.push_back(static_cast<char>(b));
    while ((bytes.size() - pixelsAt) % 4 != 0) bytes.push_back('\0');
    bytes[0] = 'B', bytes[1] = 'M';
    put(2, static_cast<std::uint32_t>(bytes.size()), 4);
    put(10, static_cast<std::uint32_t>(pixelsAt), 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, 1, 4);
    put(26, 1, 2);
    put(28, static_cast<std::uint32_t>(bits), 2);
    put(46, static_cast<std::uint32_t>(palette.size()), 4);
    return bytes;
}

TEST_F(UiTest, BitmapsOfPalettesDecodeAndDamagedOnesAreRefused) {
    vthost::ui::BitmapInfo info;
    std::string eight = paletteBitmap(3, 8, {RGB(1, 2, 3), RGB(0, 255, 0)}, {1, 0, 1});
    ASSERT_TRUE(vthost::ui::decodeBitmap(reinterpret_cast<const unsigned char*>(eight.data()), eight.size(), info));
    EXPECT_EQ(info.pixels, (std::vector<COLORREF>{RGB(0, 255, 0), RGB(1, 2, 3), RGB(0, 255, 0)}));
    std::string one = paletteBitmap(10, 1, {RGB(0, 0, 0), RGB(255, 255, 255)}, {0x80, 0x40});
    ASSERT_TRUE(vthost::ui::decodeBitmap(reinterpret_cast<const unsigned char*>(one.data()), one.size(), info));
    EXPECT_EQ(info.pixels[0], RGB(255, 255, 255)) << "the top bit is the first pixel";
    EXPECT_EQ(info.pixels[1], RGB(0, 0, 0));
    EXPECT_EQ(info.pixels[9], RGB(255, 255, 255));
    std::string bad = eight;
    bad[10] = 60;  // the pixels would start inside the palette
    EXPECT_FALSE(vthost::ui::decodeBitmap(reinterpret_cast<const unsigned char*>(bad.data()), bad.size(), info));
    std::string index = paletteBitmap(2, 8, {RGB(9, 9, 9)}, {0, 200});
    ASSERT_TRUE(vthost::ui::decodeBitmap(reinterpret_cast<const unsigned char*>(index.data()), index.size(), info))
        << "an index past the palette reads as the first colour";
    EXPECT_EQ(info.pixels[1], RGB(9, 9, 9));
    EXPECT_FALSE(vthost::ui::decodeBitmap(nullptr, 0, info));
}

TEST_F(UiTest, GdiObjectsBelongToWhoMadeThemAndStockObjectsToNobody) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial"));
    LOGFONT info{};
    EXPECT_EQ(font.GetLogFont(&info), static_cast<int>(sizeof(LOGFONT)));
    EXPECT_EQ(info.lfHeight, -16);
    EXPECT_STREQ(info.lfFaceName, "Arial");
    EXPECT_EQ(CFont::FromHandle(font.m_hObject), &font);
    HGDIOBJ stock = GetStockObject(NULL_BRUSH);
    EXPECT_FALSE(DeleteObject(stock));
    CGdiObject* wrapper = CGdiObject::FromHandle(stock);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(CGdiObject::FromHandle(stock), wrapper);
    EXPECT_TRUE(vthost::ui::isNullBrush(stock));
    CPen pen(PS_DOT, 2, RGB(3, 2, 1));
    HGDIOBJ handle = pen.Detach();
    EXPECT_EQ(vthost::ui::penInfo(handle).colour, RGB(3, 2, 1));
    EXPECT_TRUE(DeleteObject(handle)) << "detached, it is the caller's to delete";
}

}  // namespace
}  // namespace vthost::test

// The controls' Win32 semantics: combo boxes (CBS_SORT indices, whole-text case-insensitive
// search, item data, selection from code versus the user's), list views (columns sized to their
// contents, items with lParam, selection by click, right and double clicks, deletion, custom
// drawing recorded per cell), tree views (an image list cut from a bitmap, items under a parent
// or after the last root, expansion, the caret), owner-drawn and bitmap buttons.
#include <algorithm>

#include "TestDialog.h"
#include "UiTestSupport.h"
#include "ui/DialogDriver.h"
#include "ui/NativeControls.h"
#include "ui/WinUser.h"

namespace vthost::test {
namespace {

using Events = std::vector<std::string>;

TEST_F(UiTest, ComboBoxesKeepWin32sIndicesSearchAndSelectionRules) {
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) {
        CComboBox& sorted = d.m_sorted;
        EXPECT_EQ(sorted.GetCount(), 4);
        EXPECT_EQ(sorted.AddString("b"), 2) << "CBS_SORT: the index where it went, case-insensitively";
        EXPECT_EQ(sorted.AddString("AREA"), 2) << "after the items that compare equal";
        EXPECT_EQ(d.m_plain.AddString("b"), 3) << "unsorted: at the end";
        EXPECT_EQ(sorted.FindStringExact(-1, "area"), 0);
        EXPECT_EQ(sorted.FindStringExact(0, "area"), 1) << "the search starts after start";
        EXPECT_EQ(sorted.FindStringExact(2, "area"), 0) << "and wraps round";
        EXPECT_EQ(sorted.FindStringExact(-1, "are"), CB_ERR) << "whole text only";
        EXPECT_EQ(sorted.FindString(-1, "LEN"), 4) << "a prefix for FindString";
        EXPECT_EQ(sorted.SetItemData(3, 77), CB_OKAY);
        EXPECT_EQ(sorted.GetItemData(3), 77u);
        EXPECT_EQ(sorted.SetItemData(9, 1), CB_ERR);
        EXPECT_EQ(static_cast<LRESULT>(sorted.GetItemData(9)), CB_ERR);
        EXPECT_EQ(sorted.SetCurSel(1), 1);
        CString text;
        sorted.GetWindowText(text);
        EXPECT_EQ(text, "Area");
        EXPECT_EQ(sorted.SetCurSel(-1), CB_ERR) << "no selection answers CB_ERR";
        EXPECT_EQ(sorted.GetCurSel(), -1);
        sorted.GetLBText(2, text);
        EXPECT_EQ(text, "AREA");
        EXPECT_EQ(sorted.DeleteString(0), 5);
        sorted.SetCurSel(3);
        sorted.DeleteString(0);
        EXPECT_EQ(sorted.GetCurSel(), 2) << "the selection moves with its item";
        sorted.ResetContent();
        EXPECT_EQ(sorted.GetCount(), 0);
        EXPECT_EQ(sorted.GetCurSel(), -1);
    };
    commandLine().queue("dlg select 2008 b");
    commandLine().queue("dlg select 2008 b");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.events, (Events{"selchange 2008 3", "selchange 2008 3"}))
        << "only the user's selections notify, also when the item was already selected";
}

TEST_F(UiTest, ListViewsSelectByClickNotifyAndRecordEachCellsColour) {
    TestDialog dialog;
    dialog.m_redParams = {2};
    std::vector<int> selectedAtRightClick;
    std::vector<LONG> mouseRows;
    dialog.onRightClick = [&](TestDialog& d) {
        selectedAtRightClick.push_back(d.m_list.GetNextItem(-1, LVNI_SELECTED));
        POINT mouse;
        GetCursorPos(&mouse);
        d.m_list.ScreenToClient(&mouse);
        mouseRows.push_back((mouse.y - 20) / 16);
    };
    commandLine().queue("dlg rclick 2000 Column");
    commandLine().queue("dlg rclick 2000 none");
    commandLine().queue("dlg dblclick 2000 #0");
    commandLine().queue("dlg dump");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.events, (Events{"rclick 1", "rclick -1", "dblclk 0"}));
    EXPECT_EQ(selectedAtRightClick, (std::vector<int>{1, -1})) << "the click selects before the handler runs";
    EXPECT_EQ(mouseRows, (std::vector<LONG>{1, 2})) << "the mouse is on the row clicked, or below the last";
    std::string out = output.take();
    // Widths from the text metrics plus margins; the last column fills the client width.
    EXPECT_NE(out.find("  2000 SysListView32 \"\" report full-row-select items 2\n"
                       "    columns: \"Name\" 48 \"Description\" 173\n"
                       "    #0 \"Room\" #000000 \"area of rooms\" #000000 lParam 1\n"
                       "    #1 \"Column\" #FF0000 \"x of columns\" #FF0000 lParam 2\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("    #0 \"Room\" #000000 \"area of rooms\" #000000 lParam 1 selected focused\n"), std::string::npos)
        << "after the double click";
}

TEST_F(UiTest, ListViewItemsKeepTheirDataStatesAndDeletion) {
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) {
        CListCtrl& list = d.m_list;
        EXPECT_EQ(list.GetItemCount(), 2);
        EXPECT_EQ(list.GetItemData(1), 2u);
        EXPECT_EQ(list.GetItemText(0, 1), "area of rooms");
        EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_PARAM, 99, "Last", 0, 0, 0, 9), 2) << "past the end: appended";
        list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        EXPECT_EQ(list.GetSelectedCount(), 2u);
        EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 0) << "one item has the focus";
        EXPECT_EQ(list.GetNextItem(0, LVNI_SELECTED), 2);
        EXPECT_TRUE(list.DeleteItem(1));
        EXPECT_FALSE(list.DeleteItem(7));
        EXPECT_EQ(list.GetItemData(1), 9u);
        LVFINDINFO find{LVFI_PARAM, nullptr, 9};
        EXPECT_EQ(list.FindItem(&find), 1);
        list.DeleteAllItems();
        EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(UiTest, TreeViewsCutTheirImagesFromTheBitmapAndMoveTheCaretForTheUser) {
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) {
        EXPECT_EQ(d.m_images.GetImageCount(), 2) << "28 pixels wide, images of 14";
        EXPECT_EQ(d.m_images.TransparentPixels(0), 14 * 4 - 4) << "the mask colour's border";
        HTREEITEM root = d.m_tree.GetRootItem();
        EXPECT_EQ(d.m_tree.GetItemText(root), "Door");
        EXPECT_EQ(d.m_tree.GetItemText(d.m_tree.GetNextSiblingItem(root)), "Window") << "after the last root";
        HTREEITEM first = d.m_tree.GetChildItem(root);
        EXPECT_EQ(d.m_tree.GetItemText(d.m_tree.GetNextSiblingItem(first)), "TAG");
        EXPECT_EQ(d.m_tree.GetParentItem(first), root);
        EXPECT_EQ(d.m_tree.GetCount(), 5u);
        EXPECT_EQ(d.m_tree.GetSelectedItem(), nullptr);
        int image = -1, selected = -1;
        EXPECT_TRUE(d.m_tree.GetItemImage(first, image, selected));
        EXPECT_EQ(image, 1);
        EXPECT_FALSE(d.m_tree.ItemHasChildren(first));
    };
    commandLine().queue("dlg select 2012 #4");
    commandLine().queue("dlg dump");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.events, (Events{"treesel TAG"}));
    std::string out = output.take();
    EXPECT_NE(out.find("    images: 2 of 14x14 from bitmap 300\n"
                       "    #0 \"Door\" image 0/0 lParam 0 expanded\n"
                       "    #1   \"WIDTH\" image 1/1 lParam 0\n"
                       "    #2   \"TAG\" image 1/1 lParam 0\n"
                       "    #3 \"Window\" image 0/0 lParam 0 expanded\n"
                       "    #4   \"TAG\" image 1/1 lParam 0 caret\n"),
              std::string::npos)
        << "the caret's parent opens: " << out;
}

TEST_F(UiTest, OwnerDrawnButtonsDrawTheirStateAndBitmapButtonsLoadTheirPicture) {
    TestDialog dialog;
    const std::vector<DcRecord>* records = nullptr;
    std::vector<DcRecord> disabled, pressed, focused;
    vthost::ui::whenNextDialogOpens([&](CDialog&) {
        auto* native = dialog.m_arrow.m_hWnd->native.get();
        dialog.m_arrow.EnableWindow(FALSE);
        disabled = native->lastPaint()->records();
        dialog.m_arrow.EnableWindow(TRUE);
        dialog.m_arrow.SetState(TRUE);
        pressed = native->lastPaint()->records();
        dialog.m_arrow.SetState(FALSE);
        dialog.m_arrow.SetFocus();
        focused = native->lastPaint()->records();
        records = &focused;
    });
    commandLine().queue("dlg click 2011");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_NE(records, nullptr);
    std::vector<int> strokes;
    for (const DcRecord& r : disabled)
        if (r.kind == DcRecord::Kind::kLineTo) {
            strokes.push_back(r.pixels());
            EXPECT_EQ(r.colour, GetSysColor(COLOR_GRAYTEXT));
        }
    EXPECT_EQ(strokes, (std::vector<int>{7, 5, 3, 1})) << "the end point of a line is not drawn";
    ASSERT_FALSE(pressed.empty());
    EXPECT_EQ(pressed[0].kind, DcRecord::Kind::kFrameControl);
    EXPECT_EQ(pressed[0].state, DFCS_BUTTONPUSH | DFCS_PUSHED);
    EXPECT_EQ(pressed[2].colour, GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(focused.back().kind, DcRecord::Kind::kFocusRect);
    EXPECT_EQ(dialog.events, (Events{"clicked 2011"}));
    std::string out = output.take();
    EXPECT_NE(out.find("  9 Button \"?\" owner-drawn picture standard help\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  2011 Button \">\" owner-drawn\n"), std::string::npos);
    EXPECT_NE(out.find("  1 Button \"OK\" default\n"), std::string::npos);
    EXPECT_NE(out.find("  2 Button \"Cancel\"\n"), std::string::npos);
}

}  // namespace
}  // namespace vthost::test

namespace vthost::test {
namespace {

// Template 101: a disabled edit, a bitmap button whose id has a bitmap, OK.
class SmallDialog : public CAcUiDialog {
public:
    SmallDialog() : CAcUiDialog(101) {}
    CAcUiBitmapButton m_picture;
    CFont m_bold;
    BOOL loaded = FALSE;
    BOOL OnInitDialog() override {
        CAcUiDialog::OnInitDialog();
        loaded = m_picture.AutoLoad();
        LOGFONT font{};
        GetFont()->GetLogFont(&font);
        font.lfWeight = FW_BOLD;
        m_bold.CreateFontIndirect(&font);
        GetDlgItem(10)->SetFont(&m_bold);
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, 300, m_picture); }
};

TEST_F(UiTest, ABitmapButtonLoadsTheBitmapOfItsIdAndDrawsIt) {
    SmallDialog dialog;
    std::vector<DcRecord> drawn;
    vthost::ui::whenNextDialogOpens([&](CDialog&) { drawn = dialog.m_picture.m_hWnd->native->lastPaint()->records(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(dialog.loaded);
    EXPECT_EQ(dialog.m_picture.PictureId(), 300u);
    auto bitmap = std::find_if(drawn.begin(), drawn.end(), [](const DcRecord& r) { return r.kind == DcRecord::Kind::kBitmap; });
    ASSERT_NE(bitmap, drawn.end());
    EXPECT_EQ(bitmap->type, 300u);
    EXPECT_EQ(bitmap->rect.right - bitmap->rect.left, 28);
    std::string out = output.take();
    EXPECT_NE(out.find("Dialog 101 \"Small\" at 15,16 size 150x65\n"
                       "  10 Edit \"\" disabled bold\n"
                       "  300 Button \"\" focus owner-drawn picture bitmap 300\n"),
              std::string::npos)
        << "the first tab stop that is enabled has the focus: " << out;
}

}  // namespace
}  // namespace vthost::test

namespace vthost::test {
namespace {

// A bare window tree for the controls' messages, without a dialog object.
class ControlWindows : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        parent = vthost::ui::createWindow("#32770", "", WS_POPUP, 0, RECT{0, 0, 300, 200}, nullptr, 1);
    }
    void TearDown() override {
        vthost::ui::destroyWindow(parent);
        UiTest::TearDown();
    }
    HWND make(const char* className, DWORD style, int id = 10) {
        return vthost::ui::createWindow(className, "", WS_CHILD | WS_VISIBLE | style, 0, RECT{0, 0, 200, 100}, parent, id);
    }
    HWND parent = nullptr;
};

TEST_F(ControlWindows, EditsAndDropDownCombosTakeTypedTextWithinTheirLimits) {
    HWND edit = make("Edit", ES_AUTOHSCROLL);
    CEdit wrapper;
    wrapper.Attach(edit);
    wrapper.SetLimitText(3);
    std::string refusal;
    EXPECT_TRUE(vthost::ui::performAction(parent, "text 10 abcdef", refusal));
    CString text;
    wrapper.GetWindowText(text);
    EXPECT_EQ(text, "abc") << "the user cannot type past the limit";
    wrapper.SetWindowText("longer than three");
    wrapper.GetWindowText(text);
    EXPECT_EQ(text, "longer than three") << "code can";
    wrapper.SetReadOnly(TRUE);
    EXPECT_FALSE(vthost::ui::performAction(parent, "text 10 x", refusal));
    EXPECT_EQ(refusal, "control 10 is read-only");
    wrapper.Detach();

    HWND drop = make("ComboBox", CBS_DROPDOWN, 11);
    SendMessageA(drop, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Area"));
    EXPECT_TRUE(vthost::ui::performAction(parent, "text 11 area", refusal)) << refusal;
    EXPECT_EQ(SendMessageA(drop, CB_GETCURSEL, 0, 0), 0) << "typed text that matches an item selects it";
    EXPECT_TRUE(SetWindowTextA(drop, "free"));
    HWND list = make("ComboBox", CBS_DROPDOWNLIST, 12);
    EXPECT_EQ(SendMessageA(list, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x")), CB_ERR) << "a drop-down list has no edit field";
    EXPECT_EQ(SendMessageA(list, CB_GETLBTEXTLEN, 5, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(list, CB_DELETESTRING, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("x")), CB_ERR);
    EXPECT_EQ(SendMessageA(list, CB_ADDSTRING, 0, 0), 0) << "a null text is an empty item";
}

TEST_F(ControlWindows, ListViewsKeepOneFocusedRowAndOneSelectionWhenSingleSelect) {
    HWND window = make(WC_LISTVIEW, LVS_REPORT | LVS_SINGLESEL);
    CListCtrl list;
    list.Attach(window);
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 40);
    for (const char* text : {"a", "bb", "ccc"}) list.InsertItem(list.GetItemCount(), text);
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetSelectedCount(), 1u);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
    list.SetItemState(-1, 0, LVIS_SELECTED);
    EXPECT_EQ(list.GetSelectedCount(), 0u) << "index -1: every item";
    EXPECT_TRUE(list.SetColumnWidth(0, LVSCW_AUTOSIZE));
    EXPECT_EQ(list.GetColumnWidth(0), 18 + 12) << "the widest cell, the header not counted";
    EXPECT_FALSE(list.SetColumnWidth(3, 10));
    LVITEM bad{};
    bad.iSubItem = 1;
    EXPECT_EQ(list.InsertItem(&bad), -1) << "items are inserted by their first column";
    EXPECT_EQ(list.GetItemText(9, 0), "");
    list.Detach();
}

TEST_F(ControlWindows, AListViewAnswersItsColumnsTextWidthAndFormat) {
    HWND window = make(WC_LISTVIEW, LVS_REPORT);
    CListCtrl list;
    list.Attach(window);
    list.InsertColumn(0, "Name", LVCFMT_RIGHT, 40);
    char buffer[4] = {};
    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = buffer;
    column.cchTextMax = sizeof buffer;
    ASSERT_TRUE(list.SendMessage(LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(buffer, "Nam") << "cut to the buffer, with its terminator";
    EXPECT_EQ(column.cx, 40);
    EXPECT_EQ(column.fmt, LVCFMT_RIGHT);
    EXPECT_FALSE(list.SendMessage(LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column))) << "no such column";
    EXPECT_FALSE(list.SendMessage(LVM_GETCOLUMNA, 0, 0));
    list.Detach();
}

TEST_F(ControlWindows, TreeItemsSortDeleteAndGiveUpTheCaret) {
    HWND window = make(WC_TREEVIEW, TVS_HASLINES);
    CTreeCtrl tree;
    tree.Attach(window);
    HTREEITEM b = tree.InsertItem("b");
    tree.InsertItem("a", TVI_ROOT, TVI_SORT);
    tree.InsertItem("c", TVI_ROOT, TVI_SORT);
    tree.InsertItem("first", TVI_ROOT, TVI_FIRST);
    HTREEITEM child = tree.InsertItem("child", b);
    std::vector<std::string> order;
    for (HTREEITEM item = tree.GetRootItem(); item != nullptr; item = tree.GetNextSiblingItem(item))
        order.emplace_back(tree.GetItemText(item));
    EXPECT_EQ(order, (std::vector<std::string>{"first", "a", "b", "c"}));
    EXPECT_TRUE(tree.SelectItem(child));
    EXPECT_EQ(tree.GetSelectedItem(), child);
    EXPECT_TRUE(tree.DeleteItem(b));
    EXPECT_EQ(tree.GetSelectedItem(), nullptr) << "the caret went with its parent";
    EXPECT_EQ(tree.GetCount(), 3u);
    EXPECT_EQ(tree.InsertItem("orphan", child), nullptr) << "a parent that is gone";
    EXPECT_FALSE(tree.SelectItem(child));
    EXPECT_TRUE(tree.SetItemData(tree.GetRootItem(), 99));
    EXPECT_EQ(tree.GetItemData(tree.GetRootItem()), 99u);
    tree.DeleteAllItems();
    EXPECT_EQ(tree.GetRootItem(), nullptr);
    tree.Detach();
}

// A parent that refuses every selection change of its tree.
class VetoingParent : public CWnd {
protected:
    void OnChanging(NMHDR*, LRESULT* result) { *result = TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(VetoingParent, CWnd)
    ON_NOTIFY(TVN_SELCHANGING, 10, &VetoingParent::OnChanging)
END_MESSAGE_MAP()

TEST_F(ControlWindows, AParentCanRefuseATreeSelection) {
    VetoingParent veto;
    veto.Attach(parent);
    HWND window = make(WC_TREEVIEW, 0);
    char text[] = "x";
    TVINSERTSTRUCT insert{TVI_ROOT, TVI_LAST, {TVIF_TEXT, nullptr, 0, 0, text, 0, 0, 0, 0, 0}};
    auto item = reinterpret_cast<HTREEITEM>(SendMessageA(window, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    ASSERT_NE(item, nullptr);
    std::string refusal;
    EXPECT_TRUE(vthost::ui::performAction(parent, "select 10 x", refusal));
    EXPECT_EQ(SendMessageA(window, TVM_GETNEXTITEM, TVGN_CARET, 0), 0) << "the caret stayed where it was";
    veto.Detach();
}

}  // namespace
}  // namespace vthost::test

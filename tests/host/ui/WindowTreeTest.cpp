// The window tree under dialogs: handles of destroyed windows answer nothing, posted messages for
// them are dropped, CWnds let go of their windows, nested dialogs read the same input (and input
// that runs out cancels every open dialog, their message boxes answering without reading), and
// data exchange that fails validation keeps the dialog open with the focus on the culprit.
#include "TestDialog.h"
#include "UiTestSupport.h"
#include "ui/DialogDriver.h"
#include "ui/MessageBox.h"
#include "ui/Window.h"
#include "ui/WinUser.h"

namespace vthost::test {
namespace {

using Events = std::vector<std::string>;

TEST_F(UiTest, DestroyedWindowsAnswerNothingAndTheirPostedMessagesAreDropped) {
    HWND top = vthost::ui::createWindow("#32770", "top", WS_POPUP, 0, RECT{10, 20, 110, 220}, nullptr, 5);
    HWND child = vthost::ui::createWindow("Edit", "text", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, RECT{1, 2, 31, 12}, top, 7);
    CWnd wrapper;
    ASSERT_TRUE(wrapper.SubclassWindow(child));
    EXPECT_FALSE(CWnd().SubclassWindow(child)) << "a window has one CWnd";
    CRect rect;
    wrapper.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(11, 22, 41, 32)) << "screen pixels: the parent's origin added";
    CPoint point(15, 25);
    wrapper.ScreenToClient(&point);
    EXPECT_EQ(point, CPoint(4, 3));
    EXPECT_EQ(GetDlgItem(top, 7), child);
    char text[8];
    EXPECT_EQ(GetWindowTextA(child, text, 3), 2) << "truncated and terminated";
    EXPECT_STREQ(text, "te");
    SetFocus(child);
    EXPECT_TRUE(PostMessageA(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("late")));
    vthost::ui::destroyWindow(top);
    EXPECT_EQ(wrapper.m_hWnd, nullptr) << "the CWnd let go";
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(SendMessageA(child, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_EQ(CWnd::FromHandle(child), nullptr);
    EXPECT_EQ(vthost::ui::pumpPostedMessages(), 0) << "the message for the gone window is dropped";
    EXPECT_FALSE(PostMessageA(child, WM_CLOSE, 0, 0));
}

TEST_F(UiTest, ACWndThatGoesFirstLeavesItsWindowWithoutIt) {
    HWND top = vthost::ui::createWindow("#32770", "top", WS_POPUP, 0, RECT{0, 0, 10, 10}, nullptr, 5);
    {
        CWnd wrapper;
        ASSERT_TRUE(wrapper.Attach(top));
        EXPECT_EQ(CWnd::FromHandlePermanent(top), &wrapper);
    }
    EXPECT_EQ(CWnd::FromHandlePermanent(top), nullptr);
    CWnd* temporary = CWnd::FromHandle(top);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(CWnd::FromHandle(top), temporary) << "one temporary per window";
    temporary->SetWindowText("renamed");
    EXPECT_EQ(top->text, "renamed") << "a temporary sends to the window class";
    EXPECT_TRUE(temporary->DestroyWindow());
    EXPECT_FALSE(IsWindow(top));
}

// A dialog whose help button opens a second test dialog, and whose arrow asks a question.
class OuterDialog : public TestDialog {
public:
    INT_PTR innerResult = 0;
    int answer = 0;

protected:
    void OnInner() {
        TestDialog inner(this);
        innerResult = inner.DoModal();
        events.push_back("inner " + std::to_string(innerResult));
    }
    void OnAsk() {
        answer = MessageBox("Sure?", "Q", MB_YESNO);
        events.push_back("answer " + std::to_string(answer));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(OuterDialog, TestDialog)
    ON_BN_CLICKED(9, &OuterDialog::OnInner)
    ON_BN_CLICKED(2011, &OuterDialog::OnAsk)
END_MESSAGE_MAP()

TEST_F(UiTest, NestedDialogsReadTheSameInputAndTheDerivedMapComesFirst) {
    OuterDialog outer;
    type({"dlg click 9", "dlg select 2007 X", "dlg ok", "dlg click 2011", "yes", "dlg ok"});
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(outer.innerResult, IDOK);
    EXPECT_EQ(outer.events, (Events{"inner 1", "answer 6", "ok"})) << "the base's handler for 9 is not called";
    std::string out = output.take();
    EXPECT_NE(out.find("Dialog 100"), out.rfind("Dialog 100")) << "both dialogs showed their dump";
}

TEST_F(UiTest, InputRunningOutInANestedDialogCancelsEveryDialogWithoutReadingMore) {
    OuterDialog outer;
    type({"dlg click 9"});
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    EXPECT_EQ(outer.innerResult, IDCANCEL);
    EXPECT_EQ(outer.events, (Events{"inner 2"}));
    EXPECT_FALSE(vthost::ui::inputAbandoned()) << "forgotten once the outermost dialog is gone";
    type({"y"});
    EXPECT_EQ(AfxMessageBox("After", MB_YESNO), IDYES) << "later boxes read again";
}

// A dialog with a number field: the template's edit 2003 exchanged as an int.
class NumberDialog : public TestDialog {
public:
    int number = 7;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, 2007, m_sorted);
        DDX_Text(dx, 2003, number);
    }
};

TEST_F(UiTest, AValueThatFailsValidationKeepsTheDialogOpenWithTheFocusOnIt) {
    NumberDialog dialog;
    type({"dlg dump", "dlg text 2003 12x", "dlg focus 2007", "dlg ok", "", "dlg dump", "dlg text 2003  -42 ", "dlg ok"});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.number, -42);
    std::string out = output.take();
    EXPECT_NE(out.find("  2003 Edit \"7\" focus"), std::string::npos) << "the member shown at the start";
    EXPECT_NE(out.find("[vthost] (exclamation)\nPlease enter an integer.\nOK <OK>: "), std::string::npos) << out;
    EXPECT_NE(out.find("  2003 Edit \"12x\" focus"), std::string::npos) << "the focus moved to the bad value";
}

TEST_F(UiTest, ValidateDataAnswersWhetherTheExchangeSucceeds) {
    NumberDialog dialog;
    std::vector<BOOL> answers;
    vthost::ui::whenNextDialogOpens([&](CDialog&) {
        answers.push_back(dialog.ValidateData());
        dialog.SetDlgItemText(2003, "many");
        answers.push_back(dialog.ValidateData());
    });
    type({""});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(answers, (std::vector<BOOL>{TRUE, FALSE}));
}

}  // namespace
}  // namespace vthost::test

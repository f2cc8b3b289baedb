// Dialogs driven as a user would: a template from the resource chain becomes a window tree,
// OnInitDialog's answer decides the focus, scripted actions reach the message map (commands,
// control notifications, WM_NOTIFY, WM_HELPINFO), DDX moves values on OK, input that runs out
// cancels, a refused action stops a script, and CAdUiDialog remembers where the dialog was.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "TestDialog.h"
#include "UiTestSupport.h"
#include "ui/AcadFrame.h"
#include "ui/WinUser.h"
#include "ui/DialogDriver.h"
#include "ui/Window.h"
#include "ut/SettingsStore.h"

namespace vthost::test {
namespace {

using Events = std::vector<std::string>;

TEST_F(UiTest, ScriptedActionsReachTheMessageMapAndOkExchangesTheData) {
    TestDialog dialog;
    dialog.onInit = [](TestDialog& d) { d.m_plain.SetCurSel(0); };
    type({"dlg text 2003 Area of rooms", "dlg select 2007 AREA", "dlg select 2008 #2", "dlg click 2004",
          "dlg click 2019", "dlg f1", "dlg click 9", "dlg ok"});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_name, "Area of rooms") << "DDX_Text on OK";
    EXPECT_EQ(dialog.events, (Events{"change 2003", "selchange 2007 0", "selchange 2008 2", "clicked 2004",
                                     "help 2008", "clicked 9", "ok"}))
        << "SetCurSel from code sends nothing; a static without SS_NOTIFY ignores a click";
    EXPECT_EQ(dialog.initEvents, (Events{"change 2003"})) << "DDX_Text sets the edit's text, which tells its parent";
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "the window tree is gone after DoModal";
    std::string out = output.take();
    EXPECT_NE(out.find("Dialog 100 \"Test Dialog\" at 0,0 size 360x227\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  2003 Edit \"\" focus\n"), std::string::npos) << "OnInitDialog TRUE: the first tab stop";
    EXPECT_NE(out.find("  2007 ComboBox \"\" drop-down-list sorted selection -1\n"
                       "    #0 \"area\" data 0\n    #1 \"Area\" data 0\n    #2 \"Length\" data 0\n    #3 \"X\" data 0\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\nDialog: dlg select 2007 AREA"), std::string::npos) << "each action is echoed";
}

TEST_F(UiTest, InputThatRunsOutCancelsAndARefusedActionStopsTheScript) {
    TestDialog dialog;
    type({"dlg text 2003 kept only on OK"});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_name, "") << "Cancel exchanges nothing";

    std::string script = (std::filesystem::temp_directory_path() / ("vt_dialog_" + std::to_string(getpid()) + ".scr")).string();
    std::ofstream(script) << "dlg click 4242\ndlg ok\n";
    ASSERT_TRUE(commandLine().pushScript(script));
    TestDialog second;
    second.m_refuseOk = true;  // even a dialog that will not close is cancelled
    EXPECT_EQ(second.DoModal(), IDCANCEL);
    EXPECT_TRUE(commandLine().scriptFailed());
    EXPECT_NE(output.take().find("Script stopped: " + script + ", line 1: the dialog has no control 4242"), std::string::npos);
    std::filesystem::remove(script);

    const char* refusals[][2] = {
        {"dlg bounce 1", "unknown dialog action \"bounce\""},
        {"dlg select 2007 Volume", "combo box 2007 has no item \"Volume\""},
        {"dlg text 2007 x", "control 2007 takes no typed text"},
        {"dlg menu 32771", "no menu is open"},
        {"dlg move 1", "move takes x y, or x y width height"},
    };
    TestDialog third;
    third.onInit = [](TestDialog& d) { d.GetDlgItem(2008)->EnableWindow(FALSE); };
    std::vector<std::string> lines{"dlg select 2008 X"};
    for (const auto& refusal : refusals) lines.emplace_back(refusal[0]);
    type(lines);
    commandLine().clearScriptFailure();
    EXPECT_EQ(third.DoModal(), IDCANCEL);
    std::string out = output.take();
    EXPECT_NE(out.find("control 2008 is disabled"), std::string::npos);
    for (const auto& refusal : refusals) EXPECT_NE(out.find(refusal[1]), std::string::npos) << refusal[1];
}

TEST_F(UiTest, InitDialogAnsweringFalseKeepsTheFocusItPlacedAndEndDialogInInitEndsAtOnce) {
    TestDialog dialog;
    dialog.m_initAnswer = FALSE;
    dialog.onInit = [](TestDialog& d) { d.GotoDlgCtrl(&d.m_plain); };
    type({"dlg cancel"});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_NE(output.take().find("  2008 ComboBox \"\" focus"), std::string::npos);

    TestDialog ended;
    ended.onInit = [](TestDialog& d) { d.EndDialog(42); };
    EXPECT_EQ(ended.DoModal(), 42);
    EXPECT_EQ(output.take().find("Dialog 100"), std::string::npos) << "a dialog ended in its initialisation never shows";

    CAcUiDialog missing(4242);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_NE(output.take().find("Dialog 4242 cannot be found."), std::string::npos);
}

TEST_F(UiTest, DialogsWithoutParentBelongToTheFrameAndTheCApiDrivesThem) {
    CMDIFrameWnd* frame = acedGetAcadFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame, acedGetAcadFrame());
    TestDialog dialog;
    HWND owner = nullptr;
    vthost::ui::whenNextDialogOpens([&](CDialog& opened) {
        owner = opened.m_hWnd->parent;
        std::string refusal;
        EXPECT_TRUE(vthost::ui::performAction(opened.m_hWnd, "select 2007 X", refusal)) << refusal;
        EXPECT_FALSE(vthost::ui::performAction(opened.m_hWnd, "click 77", refusal));
        EXPECT_EQ(refusal, "the dialog has no control 77");
        EXPECT_TRUE(vthost::ui::performAction(opened.m_hWnd, "dlg click 1", refusal));
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(owner, frame->m_hWnd);
    EXPECT_EQ(dialog.events, (Events{"selchange 2007 3", "ok"}));
}

TEST_F(UiTest, ThePlacementIsRememberedUnderTheRootKeyAndTheDialogName) {
    settingsStore().clear();
    {
        TestDialog dialog;
        dialog.SetDialogName("Vantorell:DlgTest");
        dialog.SetRootKey("Software\\Vthost\\Test");
        type({"dlg move 50 60 400 300", "dlg ok"});
        EXPECT_EQ(dialog.DoModal(), IDOK);
    }
    const std::string key = "HKEY_CURRENT_USER\\Software\\Vthost\\Test\\Dialogs\\Vantorell:DlgTest";
    const SettingValue* left = settingsStore().value(key, "Left");
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->type, kRegNumber);
    EXPECT_EQ(left->data, std::string("\x32\0\0\0", 4));
    output.take();
    {
        TestDialog dialog;
        dialog.SetDialogName("Vantorell:DlgTest");
        dialog.SetRootKey("Software\\Vthost\\Test");
        type({"dlg cancel"});
        dialog.DoModal();
        EXPECT_NE(output.take().find("Dialog 100 \"Test Dialog\" at 50,60 size 400x300"), std::string::npos);
    }
    {
        TestDialog unnamed;
        type({"dlg cancel"});
        unnamed.DoModal();
        EXPECT_NE(output.take().find("at 0,0 size 360x227"), std::string::npos) << "no name, nothing remembered";
    }
    settingsStore().clear();
}

}  // namespace
}  // namespace vthost::test

namespace vthost::test {
namespace {

// A label that handles its own click and colour, as a hyperlink label does.
class LinkLabel : public CStatic {
public:
    int clicks = 0;
    CWnd* lostCaptureTo = reinterpret_cast<CWnd*>(1);
    HBRUSH CtlColor(CDC* dc, UINT) {
        dc->SetTextColor(RGB(0, 0, 238));
        dc->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    void OnCaptureChanged(CWnd* to) { lostCaptureTo = to; }

protected:
    void OnClicked() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(LinkLabel, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, &LinkLabel::OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

TEST_F(UiTest, ReflectedNotificationsAreTheControlsAndCaptureLossIsHeard) {
    TestDialog dialog;
    LinkLabel link;
    dialog.onInit = [&](TestDialog& d) {
        EXPECT_TRUE(link.SubclassDlgItem(2004, &d));
        link.SetCapture();
        EXPECT_EQ(CWnd::GetCapture(), &link);
    };
    type({"dlg click 2004", "dlg dump"});
    vthost::ui::whenNextDialogOpens([&](CDialog&) {
        ReleaseCapture();
        EXPECT_EQ(link.lostCaptureTo, nullptr) << "WM_CAPTURECHANGED";
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(link.clicks, 1);
    EXPECT_TRUE(dialog.events.empty()) << "a reflected notification does not reach the parent";
    EXPECT_NE(output.take().find("  2004 Static \"Kind:\" right notify colour #0000EE\n"), std::string::npos);
    EXPECT_EQ(link.m_hWnd, nullptr);
}

}  // namespace
}  // namespace vthost::test

namespace vthost::test {
namespace {

TEST_F(UiTest, NextDialogControlWalksTheTabStopsAndSkipsDisabledOnes) {
    TestDialog dialog;
    std::vector<int> focus;
    vthost::ui::whenNextDialogOpens([&](CDialog& d) {
        d.GetDlgItem(2007)->EnableWindow(FALSE);
        for (int i = 0; i < 3; ++i) {
            d.SendMessage(WM_NEXTDLGCTL, 0, FALSE);
            focus.push_back(CWnd::GetFocus()->GetDlgCtrlID());
        }
        d.SendMessage(WM_NEXTDLGCTL, 1, FALSE);
        focus.push_back(CWnd::GetFocus()->GetDlgCtrlID());
        d.SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(d.GetDlgItem(1)->m_hWnd), TRUE);
        focus.push_back(CWnd::GetFocus()->GetDlgCtrlID());
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(focus, (std::vector<int>{2008, 2000, 2012, 2000, 1}));
}

}  // namespace
}  // namespace vthost::test

namespace vthost::test {
namespace {

// A label that lights up under the mouse and holds the capture while it does.
class HoverLabel : public CStatic {
public:
    std::vector<std::string> seen;
    void OnMouseMove(UINT, CPoint point) {
        CRect client;
        GetClientRect(&client);
        bool inside = client.PtInRect(point);
        seen.push_back(std::string(inside ? "in " : "out ") + std::to_string(point.x) + "," + std::to_string(point.y));
        if (inside && GetCapture() != this) SetCapture();
        if (!inside && GetCapture() == this) ReleaseCapture();
    }
    BOOL OnSetCursor(CWnd*, UINT hit, UINT message) {
        seen.push_back("cursor " + std::to_string(hit) + " " + std::to_string(message));
        return TRUE;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HoverLabel, CStatic)
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

TEST_F(UiTest, TheMouseReachesTheControlUnderItOrTheOneThatHasTheCapture) {
    TestDialog dialog;
    HoverLabel label;
    dialog.onInit = [&](TestDialog& d) { label.SubclassDlgItem(2004, &d); };
    type({"dlg hover 2004", "dlg hover 2003", "dlg hover none", "dlg hover none"});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    // 2004 is 45 x 13 pixels at (10, 40), its centre (22, 6); the centre of 2003 is (150, 20).
    EXPECT_EQ(label.seen, (std::vector<std::string>{"cursor 1 512", "in 22,6", "out 140,-20"}))
        << "the move onto 2003 goes to the label that has the capture, which lets go; the mouse away then "
           "reaches nobody";
}

}  // namespace
}  // namespace vthost::test

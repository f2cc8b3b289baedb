// The about box through vt_about and its hyperlink label as the user meets them: the version read
// from VantorellUi.arx's own file, the label's colours as the mouse comes and goes (also when the
// capture is taken away), its hand cursor and tooltip, opening the product's page through the
// shell, every way that can fail, the fallback through the registered ".htm" program with the
// target kept one argument, and the label fitting its text by alignment.
#include <functional>
#include <string>
#include <vector>

#include "EditorSession.h"
#include "dialogs/HyperlinkLabel.h"
#include "dialogs/HyperlinkOpener.h"
#include "dialogs/VersionRecord.h"
#include "ed/CommandLine.h"
#include "ui/AdUiDialog.h"
#include "ui/Cursor.h"
#include "ui/DialogDriver.h"
#include "ui/WinUser.h"
#include "ut/Registry.h"
#include "ut/SettingsStore.h"
#include "ut/ShellApi.h"

namespace vteditor {
namespace {

constexpr const char* kPage = "https://www.orvane.example/vantorell";
constexpr int kLink = 2014;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The line of the last dump that shows control id.
std::string controlLine(const std::string& dump, int id) {
    std::size_t at = dump.rfind("\n  " + std::to_string(id) + " ");
    if (at == std::string::npos) return "";
    return dump.substr(at + 3, dump.find('\n', at + 1) - at - 3);
}

std::string linkColour(HWND dialog) {
    std::string line = controlLine("\n" + vthost::ui::dumpDialog(dialog), kLink);
    std::size_t at = line.find("colour #");
    return at == std::string::npos ? "" : line.substr(at + 7, 7);
}

void act(HWND dialog, const std::string& action) {
    std::string refusal;
    EXPECT_TRUE(vthost::ui::performAction(dialog, action, refusal)) << action << ": " << refusal;
}

void setClassesRootDefault(const std::string& key, const std::string& value) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr), ERROR_SUCCESS);
    RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}

class AboutBox : public EditorSession {
protected:
    void SetUp() override {
        EditorSession::SetUp();
        vthost::resetShell();
    }
    void TearDown() override {
        vthost::resetShell();
        vthost::settingsStore().removeValue("HKEY_CLASSES_ROOT\\.htm", "");
        vthost::settingsStore().removeValue("HKEY_CLASSES_ROOT\\VtTestPage\\shell\\open\\command", "");
        vthost::setWindowsFolder(nullptr);
        EditorSession::TearDown();
    }
    // vt_about, with `opened` run once the box is open, then the lines typed.
    std::string about(const std::vector<std::string>& lines, std::function<void(CDialog&)> opened = nullptr) {
        if (opened) vthost::ui::whenNextDialogOpens(std::move(opened));
        std::vector<std::string> all{"vt_about"};
        all.insert(all.end(), lines.begin(), lines.end());
        return type(all);
    }
    void registerHtmProgram(const std::string& command) {
        setClassesRootDefault(".htm", "VtTestPage");
        setClassesRootDefault("VtTestPage\\shell\\open\\command", command);
    }
};

TEST_F(AboutBox, ShowsTheTitleInBoldTheVersionOfItsOwnFileAndTheLinkWithItsTip) {
    RECT link{};
    LOGFONT font{};
    std::string seen = about({"dlg ok"}, [&](CDialog& dialog) {
        CWnd* label = dialog.GetDlgItem(kLink);
        label->GetWindowRect(&link);
        dialog.ScreenToClient(&link);
        label->GetFont()->GetLogFont(&font);
    });
    EXPECT_TRUE(contains(seen, "Dialog 2010 \"About Vantorell\"")) << seen;
    EXPECT_EQ(controlLine(seen, 2013), "2013 Static \"Vantorell - live drawing annotation\" bold");
    EXPECT_EQ(controlLine(seen, 2003), "2003 Static \"1.0.0.0\"");
    EXPECT_EQ(controlLine(seen, kLink), "2014 Static \"Vantorell on the web\" notify colour #0000EE");
    EXPECT_TRUE(contains(seen, "tooltips_class32 \"https://www.orvane.example/vantorell\" hidden")) << seen;
    EXPECT_EQ(font.lfUnderline, 1);
    EXPECT_EQ(link.left, 10) << "left-aligned: the left edge stays";
    EXPECT_EQ(link.right - link.left, 101) << "as wide as its text";
    EXPECT_EQ(link.bottom - link.top, 13);
    EXPECT_TRUE(vthost::shellRequests().empty()) << "nothing is opened unless clicked";

    // The version shown is the one the module's own file carries.
    char path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(GetModuleHandleA(kApplication), path, sizeof path), 0u);
    vantorell::VersionRecord record;
    ASSERT_TRUE(vantorell::readVersionRecord(path, record, "040904b0", "CompanyName"));
    EXPECT_EQ(record.productVersion, "1.0.0.0");
    EXPECT_EQ(record.fileVersion, "1.0.3.17");
    EXPECT_EQ(record.value, "Orvane");
    EXPECT_FALSE(vantorell::readVersionRecord("/no/such/VantorellUi.arx", record));
    EXPECT_EQ(record.productVersion, "");
}

TEST_F(AboutBox, AClickOpensThePageThroughTheShellAndTheLinkTurnsVisited) {
    std::string seen = about({"dlg click 2014", "dlg dump", "dlg ok"});
    const auto& requests = vthost::shellRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, vthost::ShellRequest::Kind::kShellExecute);
    EXPECT_EQ(requests[0].verb, "open");
    EXPECT_EQ(requests[0].target, kPage);
    EXPECT_EQ(requests[0].show, 5);
    EXPECT_TRUE(contains(controlLine(seen, kLink), "colour #551A8B")) << seen;
    EXPECT_FALSE(contains(seen, "Unable to open")) << seen;
}

TEST_F(AboutBox, AFailedOpenBeepsTellsWhyAndLeavesTheLinkUnvisited) {
    struct Row { unsigned code; const char* text; };
    const Row rows[] = {
        {SE_ERR_NOASSOC, "There is no application associated\nwith the given filename extension."},
        {0, "The operating system is out\nof memory or resources."},
        {SE_ERR_SHARE, "A sharing violation occurred. "},
        {ERROR_BAD_FORMAT, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {4, "Unknown Error (4) occurred."},
    };
    for (const Row& row : rows) {
        vthost::setShellAnswer("https", row.code);
        std::string seen = about({"dlg click 2014", "", "dlg dump", "dlg ok"});
        std::size_t beep = seen.find("<beep: exclamation>");
        std::size_t text = seen.find(std::string("Unable to open hyperlink:\n\n") + row.text);
        EXPECT_NE(beep, std::string::npos) << seen;
        EXPECT_NE(text, std::string::npos) << seen;
        EXPECT_LT(beep, text) << "the beep comes first";
        EXPECT_TRUE(contains(controlLine(seen, kLink), "colour #0000EE")) << "not visited: " << seen;
    }
    for (const auto& request : vthost::shellRequests())
        EXPECT_EQ(request.kind, vthost::ShellRequest::Kind::kShellExecute) << "no association, no fallback";
}

TEST_F(AboutBox, TheRegisteredHtmProgramOpensWhatTheShellCannotWithTheTargetAsOneArgument) {
    vthost::setShellAnswer("https", SE_ERR_NOASSOC);
    registerHtmProgram("\"/opt/orvane web/browse\" \"%1\" --new-window");
    std::string seen = about({"dlg click 2014", "dlg dump", "dlg ok"});
    const auto& requests = vthost::shellRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].kind, vthost::ShellRequest::Kind::kWinExec);
    EXPECT_EQ(requests[1].target, std::string("\"/opt/orvane web/browse\" ") + kPage);
    EXPECT_EQ(requests[1].arguments, (std::vector<std::string>{"/opt/orvane web/browse", kPage}));
    EXPECT_EQ(requests[1].show, 5);
    EXPECT_TRUE(contains(controlLine(seen, kLink), "colour #551A8B")) << seen;

    // program "%1": the program, a blank and the target; a failing program is reported.
    vthost::clearShellRequests();
    registerHtmProgram("browse \"%1\"");
    vthost::setShellAnswer("browse", 2);
    seen = about({"dlg click 2014", "", "dlg ok"});
    ASSERT_EQ(vthost::shellRequests().size(), 2u);
    EXPECT_EQ(vthost::shellRequests()[1].target, std::string("browse ") + kPage);
    EXPECT_TRUE(contains(seen, "Unable to open hyperlink:\n\nThe specified file was not found.")) << seen;
}

TEST(HyperlinkFallback, BuildsTheCommandLineWholeAndRunsOnlyWebAddresses) {
    using vantorell::fallbackCommandLine;
    EXPECT_EQ(fallbackCommandLine("browse \"%1\"", "https://a.example/"), "browse https://a.example/");
    EXPECT_EQ(fallbackCommandLine("browse -url %1 -x", "http://a.example/"), "browse -url http://a.example/");
    EXPECT_EQ(fallbackCommandLine("browse", "MAILTO:me@a.example"), "browse MAILTO:me@a.example");
    EXPECT_EQ(fallbackCommandLine("\"b\" --a \"%1\" --b %1", "https://a.example/"), "\"b\" --a https://a.example/")
        << "the quoted %1 is cut from its opening quote on";
    // Targets that could add arguments or commands, or are no web address, are never run.
    for (const char* target : {"https://a.example/\" --load evil", "https://a.example/ & calc", "https://a\tb",
                               "file:///etc/passwd", "javascript:alert(1)", "/usr/bin/xterm", "https://a.example/\x01",
                               "https://a.example/\xc3\xa9", ""})
        EXPECT_EQ(fallbackCommandLine("browse \"%1\"", target), "") << target;
    EXPECT_EQ(fallbackCommandLine("\"%1\"", "https://a.example/"), "") << "no program left";
    std::string longProgram = "/opt/" + std::string(600, 'p') + "/browse";
    EXPECT_EQ(fallbackCommandLine(longProgram + " \"%1\"", "https://a.example/"), longProgram + " https://a.example/")
        << "no fixed buffer";
}

TEST_F(AboutBox, ATargetTheFallbackMayNotRunIsLeftToTheShellsAnswer) {
    vthost::setDefaultShellAnswer(SE_ERR_NOASSOC);
    registerHtmProgram("browse \"%1\"");
    EXPECT_EQ(vantorell::openHyperlink("file:///etc/passwd", 5), SE_ERR_NOASSOC);
    EXPECT_EQ(vantorell::openHyperlink("https://a.example/\"; rm -rf ~", 5), SE_ERR_NOASSOC);
    for (const auto& request : vthost::shellRequests())
        EXPECT_EQ(request.kind, vthost::ShellRequest::Kind::kShellExecute) << request.target;
    vthost::setShellAnswer("browse", 42);
    EXPECT_GT(vantorell::openHyperlink("https://a.example/", 5), 31);
    EXPECT_EQ(vthost::shellRequests().back().arguments, (std::vector<std::string>{"browse", "https://a.example/"}));
}

TEST_F(AboutBox, HoverPaintsTheHoverColourHoldsTheCaptureAndShowsTheHand) {
    std::string hoverColour, leftColour;
    HWND captured = nullptr, labelWindow = nullptr, afterLeaving = reinterpret_cast<HWND>(1);
    std::string cursor;
    about({"dlg ok"}, [&](CDialog& dialog) {
        labelWindow = dialog.GetDlgItem(kLink)->GetSafeHwnd();
        act(dialog, "hover 2014");
        hoverColour = linkColour(dialog);
        captured = GetCapture();
        cursor = vthost::ui::cursorName(GetCursor());
        act(dialog, "hover 2014");  // a move inside changes nothing
        act(dialog, "hover none");
        leftColour = linkColour(dialog);
        afterLeaving = GetCapture();
    });
    char colour[8];
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    std::snprintf(colour, sizeof colour, "#%02X%02X%02X", GetRValue(highlight), GetGValue(highlight), GetBValue(highlight));
    EXPECT_EQ(hoverColour, colour);
    EXPECT_EQ(captured, labelWindow);
    EXPECT_EQ(cursor, "winhlp32.exe#106");
    EXPECT_EQ(leftColour, "#0000EE");
    EXPECT_EQ(afterLeaving, nullptr) << "the capture is released";
}

TEST_F(AboutBox, LosingTheCaptureWithoutAMoveEndsTheHover) {
    std::string afterRelease, afterTakenAway, afterVisitAndLoss;
    about({"dlg ok"}, [&](CDialog& dialog) {
        act(dialog, "hover 2014");
        ReleaseCapture();
        afterRelease = linkColour(dialog);
        act(dialog, "hover 2014");
        SetCapture(dialog.GetDlgItem(IDOK)->GetSafeHwnd());
        afterTakenAway = linkColour(dialog);
        ReleaseCapture();
        act(dialog, "click 2014");
        act(dialog, "hover 2014");
        ReleaseCapture();
        afterVisitAndLoss = linkColour(dialog);
    });
    EXPECT_EQ(afterRelease, "#0000EE");
    EXPECT_EQ(afterTakenAway, "#0000EE") << "another window took the capture";
    EXPECT_EQ(afterVisitAndLoss, "#551A8B");
}

TEST_F(AboutBox, WithoutTheHelpProgramTheLabelKeepsTheClassCursor) {
    vthost::setWindowsFolder("/nonexistent/windows");
    LRESULT answer = -1;
    std::string cursor;
    about({"dlg ok"}, [&](CDialog& dialog) {
        SetCursor(nullptr);
        HWND label = dialog.GetDlgItem(kLink)->GetSafeHwnd();
        answer = SendMessageA(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label), MAKELPARAM(1, WM_MOUSEMOVE));
        cursor = vthost::ui::cursorName(GetCursor());
    });
    EXPECT_EQ(answer, FALSE);
    EXPECT_EQ(cursor, "none");
}

// A dialog on the about box's template whose control 2014 gets the alignment, text and target
// given before the label is attached; it keeps where the label ended up.
class LinkHost : public CAcUiDialog {
public:
    LinkHost(DWORD alignment, const char* text, const char* target)
        : CAcUiDialog(2010), m_alignment(alignment), m_text(text), m_target(target) {}
    BOOL OnInitDialog() override {
        CAcUiDialog::OnInitDialog();
        CWnd* item = GetDlgItem(kLink);
        item->ModifyStyle(SS_TYPEMASK, m_alignment);
        if (m_text != nullptr) item->SetWindowText(m_text);
        if (m_target != nullptr) m_link.SetTarget(m_target);
        m_link.SubclassDlgItem(kLink, this);
        m_link.GetWindowRect(&rect);
        ScreenToClient(&rect);
        m_link.GetWindowText(text);
        m_link.GetToolTip().GetText(tip, &m_link, 1);
        MSG move{m_link.GetSafeHwnd(), WM_MOUSEMOVE, 0, 0};
        translated = m_link.PreTranslateMessage(&move);
        relayed = m_link.GetToolTip().lastRelayed().message;
        return TRUE;
    }
    RECT rect{};
    CString text;
    CString tip;
    BOOL translated = TRUE;
    UINT relayed = 0;

private:
    vantorell::HyperlinkLabel m_link;
    DWORD m_alignment;
    const char* m_text;
    const char* m_target;
};

TEST_F(AboutBox, TheLabelFitsItsTextKeepingTheEdgeOrCentreItsAlignmentNames) {
    // The template's control: 10..289 wide; the text "Vantorell on the web" is 101 pixels.
    struct Case { DWORD alignment; long left; long right; };
    for (const Case& c : {Case{SS_LEFT, 10, 111}, Case{SS_CENTER, 99, 200}, Case{SS_RIGHT, 188, 289}}) {
        LinkHost host(c.alignment, nullptr, nullptr);
        vthost::commandLine().queue("dlg ok");
        host.DoModal();
        EXPECT_EQ(host.rect.left, c.left) << c.alignment;
        EXPECT_EQ(host.rect.right, c.right) << c.alignment;
        EXPECT_EQ(host.rect.bottom - host.rect.top, 13);
        EXPECT_STREQ(host.tip, "Vantorell on the web") << "without a target, the text is the target";
    }
}

TEST_F(AboutBox, ALabelWithoutTextShowsItsTarget) {
    LinkHost host(SS_LEFT, "", "https://t.example/");
    vthost::commandLine().queue("dlg ok");
    host.DoModal();
    EXPECT_STREQ(host.text, "https://t.example/");
    EXPECT_STREQ(host.tip, "https://t.example/");
    EXPECT_EQ(host.rect.right - host.rect.left, 93) << "fitted to the target's text";
    EXPECT_EQ(host.relayed, WM_MOUSEMOVE) << "messages reach the tooltip before translation";
    EXPECT_FALSE(host.translated);
}

}  // namespace
}  // namespace vteditor

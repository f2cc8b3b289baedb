// The macro menu of the style editor and the macro builder, driven as a user drives them, with
// the editor application loaded for its resource module: the menu button's drawing, every preset,
// the builder evaluating samples through the host's DIESEL, and what leaves the macro alone.
#include <string>
#include <vector>

#include "EditorSession.h"
#include "dialogs/MacroEvaluation.h"
#include "dialogs/MacroMenu.h"
#include "ed/CommandLine.h"
#include "ui/AdUiDialog.h"
#include "ui/DialogDriver.h"
#include "ui/NativeControls.h"
#include "ut/WindowStyles.h"

using vthost::commandLine;

namespace vteditor {
namespace {

constexpr int kMacroField = 2009;
constexpr int kMenuButton = 2020;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Stands in for the style editor around its macro field: a dialog on the builder's template whose
// field 2009 is the macro field and whose button 2020 is the menu button; a click on it runs the
// macro menu. OK keeps the field's text.
int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

class MacroFieldHost : public CAcUiDialog {
public:
    MacroFieldHost() : CAcUiDialog(2013) {}

    vantorell::MenuButton m_menuButton;
    CString m_initialMacro;
    CString m_macroOnOk;

    BOOL OnInitDialog() override {
        CAcUiDialog::OnInitDialog();
        m_menuButton.ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
        SetDlgItemText(kMacroField, m_initialMacro);
        return TRUE;
    }

protected:
    void DoDataExchange(CDataExchange* dx) override {
        CAcUiDialog::DoDataExchange(dx);
        DDX_Control(dx, kMenuButton, m_menuButton);
    }
    void OnOK() override {
        GetDlgItemText(kMacroField, m_macroOnOk);
        EndDialog(IDOK);
    }
    void OnMenu() { vantorell::runMacroMenu(m_menuButton, *this, kMacroField); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MacroFieldHost, CAcUiDialog)
    ON_BN_CLICKED(kMenuButton, &MacroFieldHost::OnMenu)
END_MESSAGE_MAP()

class MacroDialogs : public EditorSession {
protected:
    // Runs the host with the field holding initial and the lines as the user's input; the
    // field's text when the host was closed with OK.
    CString runHost(const char* initial, const std::vector<std::string>& lines) {
        MacroFieldHost host;
        host.m_initialMacro = initial;
        for (const std::string& line : lines) commandLine().queue(line);
        output.take();
        EXPECT_EQ(host.DoModal(), IDOK);
        shown = output.take();
        return host.m_macroOnOk;
    }
    std::string shown;
};

TEST(MacroSubstitution, ReplacesEveryTokenOnceAndNeverRescansTheValue) {
    using vantorell::substituteProperty;
    EXPECT_EQ(substituteProperty("$(*,%PROPERTY,0.001)", "12.5"), "$(*,12.5,0.001)");
    EXPECT_EQ(substituteProperty("%PROPERTY x %PROPERTY", "7"), "7 x 7");
    EXPECT_EQ(substituteProperty("no token", "7"), "no token");
    EXPECT_EQ(substituteProperty("%property %PROPERT", "7"), "%property %PROPERT") << "exact case";
    EXPECT_EQ(substituteProperty("%PROPERTY mm", "a%PROPERTYb"), "a%PROPERTYb mm")
        << "a value holding the token is put in as it is, and the pass ends";
    EXPECT_EQ(substituteProperty("%PROPERTY%PROPERTY", "%PROPERTY"), "%PROPERTY%PROPERTY");
    EXPECT_EQ(substituteProperty("", "1"), "");
    EXPECT_EQ(substituteProperty("%PROPERTY", ""), "");
    std::string longValue(500, 'v');
    EXPECT_EQ(substituteProperty("<%PROPERTY>", longValue).size(), 502u) << "no fixed buffer";
}

TEST_F(MacroDialogs, TheMenuButtonDrawsItsFrameArrowAndFocusForEachState) {
    MacroFieldHost host;
    std::vector<DcRecord> normal, disabled, pressed, focused;
    CRect client;
    vthost::ui::whenNextDialogOpens([&](CDialog&) {
        auto* native = host.m_menuButton.m_hWnd->native.get();
        host.m_menuButton.GetClientRect(&client);
        host.m_menuButton.UpdateWindow();
        normal = native->lastPaint()->records();
        host.m_menuButton.EnableWindow(FALSE);
        disabled = native->lastPaint()->records();
        host.m_menuButton.EnableWindow(TRUE);
        host.m_menuButton.SetState(TRUE);
        pressed = native->lastPaint()->records();
        host.m_menuButton.SetState(FALSE);
        host.m_menuButton.SetFocus();
        focused = native->lastPaint()->records();
    });
    commandLine().queue("dlg cancel");
    EXPECT_EQ(host.DoModal(), IDCANCEL);

    ASSERT_EQ(normal.size(), 9u);
    EXPECT_EQ(normal[0].kind, DcRecord::Kind::kFrameControl);
    EXPECT_EQ(normal[0].type, DFC_BUTTON);
    EXPECT_EQ(normal[0].state, DFCS_BUTTONPUSH);
    EXPECT_TRUE(CRect(normal[0].rect) == client);
    int cx = client.Width() / 2;
    int cy = client.Height() / 2;
    for (int i = 0; i < 4; ++i) {
        const DcRecord& line = normal[2 + 2 * i];
        ASSERT_EQ(line.kind, DcRecord::Kind::kLineTo);
        EXPECT_EQ(line.from.x, cx - 2 + i);
        EXPECT_EQ(line.from.y, cy - 3 + i);
        EXPECT_EQ(line.to.x, cx - 2 + i) << "vertical strokes";
        EXPECT_EQ(line.to.y, cy + 4 - i);
        EXPECT_EQ(line.pixels(), 7 - 2 * i);
        EXPECT_EQ(line.colour, GetSysColor(COLOR_BTNTEXT));
    }
    for (const DcRecord& record : disabled) {
        if (record.kind == DcRecord::Kind::kLineTo) {
            EXPECT_EQ(record.colour, GetSysColor(COLOR_GRAYTEXT));
        }
    }
    EXPECT_EQ(disabled[0].state, DFCS_BUTTONPUSH) << "the frame is not greyed, only the arrow";
    ASSERT_FALSE(pressed.empty());
    EXPECT_EQ(pressed[0].state, DFCS_BUTTONPUSH | DFCS_PUSHED);
    EXPECT_NE(normal.back().kind, DcRecord::Kind::kFocusRect);
    ASSERT_FALSE(focused.empty());
    ASSERT_EQ(focused.back().kind, DcRecord::Kind::kFocusRect);
    CRect inset = client;
    inset.DeflateRect(3, 3);
    EXPECT_TRUE(CRect(focused.back().rect) == inset);
}

TEST_F(MacroDialogs, EachPresetReplacesTheWholeMacro) {
    const std::vector<std::pair<std::string, std::string>> presets = {
        {"32775", "$(*,%PROPERTY,0.001)"}, {"32776", "$(*,%PROPERTY,1e-6)"},
        {"32777", "%PROPERTY mm"},         {"32778", "%PROPERTY cm"},
        {"32779", "%PROPERTY m"},          {"32780", "%PROPERTY mm2"},
        {"32781", "%PROPERTY cm2"},        {"32782", "%PROPERTY m2"},
    };
    for (const auto& [command, macro] : presets) {
        CString result = runHost("$(+,%PROPERTY,1) old", {"dlg click 2020", "dlg menu " + command, "dlg ok"});
        EXPECT_EQ(std::string(result.GetString()), macro) << command;
    }
    EXPECT_TRUE(contains(shown, "Menu:\n  32774 Macro &builder...\n")) << shown;
}

TEST_F(MacroDialogs, ADismissedMenuLeavesTheMacroAlone) {
    EXPECT_EQ(std::string(runHost("%PROPERTY ft", {"dlg click 2020", "dlg menu none", "dlg ok"})), "%PROPERTY ft");
    EXPECT_EQ(std::string(runHost("%PROPERTY ft", {"dlg click 2020", "dlg esc", "dlg ok"})), "%PROPERTY ft");
}

TEST_F(MacroDialogs, TheBuilderStartsOnTheMacroWithSampleOneAndABoldResult) {
    bool checked = false;
    MacroFieldHost host;
    host.m_initialMacro = "%PROPERTY m";
    vthost::ui::whenNextDialogOpens([&](CDialog&) {
        vthost::ui::whenNextDialogOpens([&](CDialog& builder) {
            CString macro, sample;
            builder.GetDlgItemText(kMacroField, macro);
            builder.GetDlgItemText(2017, sample);
            EXPECT_EQ(std::string(macro), "%PROPERTY m");
            EXPECT_EQ(std::string(sample), "1");
            LOGFONT result{}, dialog{};
            builder.GetDlgItem(2019)->GetFont()->GetLogFont(&result);
            builder.GetFont()->GetLogFont(&dialog);
            EXPECT_EQ(result.lfWeight, 700);
            EXPECT_NE(dialog.lfWeight, 700);
            EXPECT_STREQ(result.lfFaceName, dialog.lfFaceName);
            checked = true;
        });
    });
    for (const char* line : {"dlg click 2020", "dlg menu 32774", "dlg cancel", "dlg ok"}) commandLine().queue(line);
    output.take();
    EXPECT_EQ(host.DoModal(), IDOK);
    EXPECT_TRUE(checked);
    std::string out = output.take();
    EXPECT_TRUE(contains(out, "  2020 Button \"=\" owner-drawn picture bitmap 2020\n")) << out;
    EXPECT_TRUE(contains(out, "  9 Button \"?\" owner-drawn picture standard help\n")) << out;
}

TEST_F(MacroDialogs, TheBuilderEvaluatesTheSampleThroughTheHost) {
    // One evaluation per case: the macro, the sample, the text the result field then shows.
    struct Case {
        std::string macro, sample, result;
    };
    const std::vector<Case> cases = {
        {"$(*,%PROPERTY,0.001)", "1", "0.001"},
        {"$(+,%PROPERTY,%PROPERTY)", "2", "4"},
        {"$(+,1,2)", "9", "3"},
        {"%PROPERTY mm", "a%PROPERTYb", "a%PROPERTYb mm"},
    };
    for (const Case& c : cases) {
        CString macro = runHost("", {"dlg click 2020", "dlg menu 32774", "dlg text 2009 " + c.macro,
                                     "dlg text 2017 " + c.sample, "dlg click 2020", "dlg dump", "dlg ok", "dlg ok"});
        EXPECT_TRUE(contains(shown, "  2019 Static \"" + c.result + "\"")) << c.macro << "\n" << shown;
        EXPECT_EQ(std::string(macro), c.macro) << "OK hands the edited macro back";
    }
}

TEST_F(MacroDialogs, AnEmptyMacroIsNoAnswerAndCancelKeepsTheMacro) {
    CString macro = runHost("%PROPERTY cm", {"dlg click 2020", "dlg menu 32774", "dlg text 2009 ", "dlg click 2020",
                                             "dlg ok", "dlg dump", "dlg cancel", "dlg ok"});
    EXPECT_EQ(std::string(macro), "%PROPERTY cm");
    EXPECT_EQ(shown.find("(the macro cannot be evaluated)"), std::string::npos) << shown;
    // The host and the builder opened, and OK with the field emptied left the builder open: its
    // dump came once more.
    EXPECT_EQ(occurrences(shown, "Dialog 2013 \"Macro Builder\""), 3) << shown;

    macro = runHost("%PROPERTY cm", {"dlg click 2020", "dlg menu 32774", "dlg text 2009 $(*,%PROPERTY,2)", "dlg cancel",
                                     "dlg ok"});
    EXPECT_EQ(std::string(macro), "%PROPERTY cm");
}

}  // namespace
}  // namespace vteditor

#include "dialogs/MacroBuilderDialog.h"

#include <string>

#include "dialogs/DialogSupport.h"
#include "dialogs/MacroEvaluation.h"

namespace vantorell {
namespace {

constexpr UINT kTemplate = 2013;
constexpr int kMacroField = 2009;
constexpr int kSampleField = 2017;
constexpr int kResultField = 2019;
constexpr int kEvaluateButton = 2020;
constexpr unsigned kEvaluationRefused = 50;
constexpr LONG kBoldWeight = 700;
constexpr const char* kInitialSample = "1";

}  // namespace

MacroBuilderDialog::MacroBuilderDialog(CWnd* parent) : CAcUiDialog(kTemplate, parent) {}

BEGIN_MESSAGE_MAP(MacroBuilderDialog, CAcUiDialog)
    ON_BN_CLICKED(kEvaluateButton, &MacroBuilderDialog::OnEvaluate)
END_MESSAGE_MAP()

void MacroBuilderDialog::DoDataExchange(CDataExchange* dx) {
    CAcUiDialog::DoDataExchange(dx);
    DDX_Control(dx, IDHELP, m_helpButton);
    DDX_Control(dx, kEvaluateButton, m_evaluateButton);
}

BOOL MacroBuilderDialog::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    m_helpButton.AutoLoad();
    m_evaluateButton.AutoLoad();
    makeResultBold();
    if (!m_macro.IsEmpty()) SetDlgItemText(kMacroField, m_macro);
    SetDlgItemText(kSampleField, kInitialSample);
    return TRUE;
}

// The dialog's font at bold weight, for the result field only.
void MacroBuilderDialog::makeResultBold() {
    CFont* dialogFont = GetFont();
    CWnd* result = GetDlgItem(kResultField);
    if (dialogFont == nullptr || result == nullptr) return;
    LOGFONT font{};
    if (dialogFont->GetLogFont(&font) == 0) return;
    font.lfWeight = kBoldWeight;
    m_boldFont.DeleteObject();
    if (m_boldFont.CreateFontIndirect(&font)) result->SetFont(&m_boldFont);
}

void MacroBuilderDialog::OnEvaluate() {
    CString macro;
    CString sample;
    GetDlgItemText(kMacroField, macro);
    GetDlgItemText(kSampleField, sample);
    std::string result;
    if (evaluateMacro(macro.GetString(), sample.GetString(), result))
        SetDlgItemText(kResultField, result.c_str());
    else
        SetDlgItemText(kResultField, dialogs::loadString(kEvaluationRefused));
}

void MacroBuilderDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    CString macro;
    GetDlgItemText(kMacroField, macro);
    // An empty macro is no answer: the dialog stays, without a message.
    if (macro.IsEmpty()) return;
    m_macro = macro;
    EndDialog(IDOK);
}

}  // namespace vantorell

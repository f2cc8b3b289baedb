// MacroBuilderDialog: the macro builder. The user edits a post-processing macro, types a sample
// value and sees what the host's DIESEL evaluator makes of the macro for that value. The caller
// gives the macro before DoModal and reads the edited one after IDOK; the dialog owns its bold
// font for the result field. Its placement is not remembered.
#pragma once
#include "ui/AcUiButtons.h"
#include "ui/AdUiDialog.h"
#include "ui/Gdi.h"

namespace vantorell {

class MacroBuilderDialog : public CAcUiDialog {
public:
    explicit MacroBuilderDialog(CWnd* parent = nullptr);

    // Before DoModal: the macro shown in the macro field (nothing when empty).
    void SetMacro(const CString& macro) { m_macro = macro; }
    // After IDOK: the macro the user accepted; never empty.
    const CString& GetMacro() const { return m_macro; }

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    void OnEvaluate();

    DECLARE_MESSAGE_MAP()

private:
    void makeResultBold();

    CAcUiBitmapButton m_helpButton;
    CAcUiBitmapButton m_evaluateButton;
    CFont m_boldFont;
    CString m_macro;
};

}  // namespace vantorell

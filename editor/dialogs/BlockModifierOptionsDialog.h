// BlockModifierOptionsDialog: the options of the block-attribute modifier, which is the tag of
// the attribute that the label text goes into. The user types the tag or picks it in the
// attribute lookup. The caller gives the tag before DoModal and reads the entered one after IDOK;
// the tag is taken as typed.
#pragma once
#include "ui/AcUiButtons.h"
#include "ui/AdUiDialog.h"

namespace vantorell {

class BlockModifierOptionsDialog : public CAcUiDialog {
public:
    explicit BlockModifierOptionsDialog(CWnd* parent = nullptr);

    // Before DoModal: the tag shown in the tag field (nothing when empty).
    void SetTag(const CString& tag) { m_tag = tag; }
    // After IDOK: the tag entered; never empty.
    const CString& GetTag() const { return m_tag; }

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    void OnLookup();
    void OnHelp();
    BOOL OnHelpInfo(HELPINFO* info) override;

    DECLARE_MESSAGE_MAP()

private:
    CAcUiBitmapButton m_lookupButton;
    CAcUiBitmapButton m_helpButton;
    CString m_tag;
};

}  // namespace vantorell

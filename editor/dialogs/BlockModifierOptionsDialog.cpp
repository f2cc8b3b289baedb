#include "dialogs/BlockModifierOptionsDialog.h"

#include "dialogs/AttributeLookupDialog.h"
#include "dialogs/DialogSupport.h"
#include "dialogs/ResourceHandleScope.h"
#include "rx/AcRxDynamicLinker.h"

namespace vantorell {
namespace {

constexpr UINT kTemplate = 2003;
constexpr const char* kDialogName = "Vantorell:DlgBlockModOptions";
constexpr int kTagField = 2011;
constexpr int kLookupButton = 2009;
constexpr unsigned long kHelpTopic = 1002;
constexpr unsigned kTagRequired = 20;
constexpr unsigned kTagRequiredCaption = 21;

}  // namespace

BlockModifierOptionsDialog::BlockModifierOptionsDialog(CWnd* parent) : CAcUiDialog(kTemplate, parent) {
    SetDialogName(kDialogName);
    SetRootKey(acrxProductKey());
}

BEGIN_MESSAGE_MAP(BlockModifierOptionsDialog, CAcUiDialog)
    ON_BN_CLICKED(kLookupButton, &BlockModifierOptionsDialog::OnLookup)
    ON_BN_CLICKED(IDHELP, &BlockModifierOptionsDialog::OnHelp)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

void BlockModifierOptionsDialog::DoDataExchange(CDataExchange* dx) {
    CAcUiDialog::DoDataExchange(dx);
    DDX_Control(dx, kLookupButton, m_lookupButton);
    DDX_Control(dx, IDHELP, m_helpButton);
}

BOOL BlockModifierOptionsDialog::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    m_lookupButton.AutoLoad();
    m_helpButton.AutoLoad();
    if (!m_tag.IsEmpty()) SetDlgItemText(kTagField, m_tag);
    return TRUE;
}

// The attribute lookup, its template and texts taken from the resource module first; a tag
// chosen there replaces the field's text.
void BlockModifierOptionsDialog::OnLookup() {
    dialogs::ResourceHandleScope resources(dialogs::resourceModule());
    AttributeLookupDialog lookup(this);
    if (lookup.DoModal() == IDOK) SetDlgItemText(kTagField, lookup.GetChosenTag());
}

void BlockModifierOptionsDialog::OnOK() {
    CString tag;
    GetDlgItemText(kTagField, tag);
    if (tag.IsEmpty()) {
        MessageBox(dialogs::loadString(kTagRequired), dialogs::loadString(kTagRequiredCaption), MB_ICONINFORMATION);
        return;
    }
    m_tag = tag;
    EndDialog(IDOK);
}

void BlockModifierOptionsDialog::OnHelp() {
    dialogs::showHelpTopic(kHelpTopic);
}

BOOL BlockModifierOptionsDialog::OnHelpInfo(HELPINFO*) {
    dialogs::showHelpTopic(kHelpTopic);
    return TRUE;
}

}  // namespace vantorell

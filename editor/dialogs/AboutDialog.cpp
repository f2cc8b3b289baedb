#include "dialogs/AboutDialog.h"

#include "dialogs/DialogSupport.h"
#include "dialogs/VersionRecord.h"

namespace vantorell {

namespace {
constexpr UINT kTemplate = 2010;
constexpr int kTitle = 2013;
constexpr int kVersion = 2003;
constexpr int kLink = 2014;
constexpr LONG kBoldWeight = 700;
}  // namespace

AboutDialog::AboutDialog(CWnd* parent) : CAcUiDialog(kTemplate, parent) {}

void AboutDialog::DoDataExchange(CDataExchange* dx) {
    CAcUiDialog::DoDataExchange(dx);
    DDX_Control(dx, kLink, m_link);
}

BOOL AboutDialog::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    makeTitleBold();
    showVersion();
    m_link.SetTarget(kProductWebPage);
    return TRUE;
}

void AboutDialog::makeTitleBold() {
    CFont* dialogFont = GetFont();
    CWnd* title = GetDlgItem(kTitle);
    LOGFONT font{};
    if (dialogFont == nullptr || title == nullptr || dialogFont->GetLogFont(&font) == 0) return;
    font.lfWeight = kBoldWeight;
    m_boldFont.DeleteObject();
    if (m_boldFont.CreateFontIndirect(&font)) title->SetFont(&m_boldFont);
}

// The product version of the application's own file; empty when the file carries none.
void AboutDialog::showVersion() {
    VersionRecord record;
    CString file = dialogs::applicationFile();
    if (!file.IsEmpty()) readVersionRecord(std::string(file.GetString()), record);
    SetDlgItemText(kVersion, record.productVersion.c_str());
}

}  // namespace vantorell

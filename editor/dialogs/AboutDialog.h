// AboutDialog: the about box. It names the product in bold, shows the product version that the
// editor application's own module file carries, and links to the product's web page. It owns
// its hyperlink label object and its bold font; its placement is not remembered.
#pragma once
#include "dialogs/HyperlinkLabel.h"
#include "ui/AdUiDialog.h"
#include "ui/Gdi.h"

namespace vantorell {

// The product's web page, the about box's link target.
constexpr const char* kProductWebPage = "https://www.orvane.example/vantorell";

class AboutDialog : public CAcUiDialog {
public:
    explicit AboutDialog(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;

private:
    void makeTitleBold();
    void showVersion();

    HyperlinkLabel m_link;
    CFont m_boldFont;
};

}  // namespace vantorell

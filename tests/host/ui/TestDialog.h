// The dialog the framework's tests drive: template 100 of testdlg.dll (tests/host/ut/testdlg.rc),
// written the way the application's dialogs will be: a CAcUiDialog with DDX_Control members, a
// message map and OnInitDialog filling its lists. It records every handler it runs in events.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/AcUiButtons.h"
#include "ui/AdUiDialog.h"
#include "ui/AfxCommonControls.h"
#include "ui/AfxControls.h"
#include "ui/CMenu.h"

namespace vthost::test {

// An owner-drawn button that draws a push-button frame and a small arrow of four strokes
// (7, 5, 3 and 1 pixels) in the button-text colour, or in the grey-text colour when disabled.
class ArrowButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT item) override;
};

class TestDialog : public CAcUiDialog {
public:
    explicit TestDialog(CWnd* parent = nullptr) : CAcUiDialog(100, parent) {}

    CString m_name;
    CComboBox m_sorted;
    CComboBox m_plain;
    CListCtrl m_list;
    CTreeCtrl m_tree;
    ArrowButton m_arrow;
    CAcUiBitmapButton m_help;
    CImageList m_images;
    BOOL m_initAnswer = TRUE;
    // Rows whose lParam is listed here are painted red.
    std::vector<LPARAM> m_redParams;
    UINT m_chosenCommand = 0;
    // What the user's actions made the dialog do; what its initialisation sent is in initEvents.
    std::vector<std::string> events;
    std::vector<std::string> initEvents;
    std::function<void(TestDialog&)> onInit;
    std::function<void(TestDialog&)> onRightClick;
    bool m_refuseOk = false;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    afx_msg void OnSortedChanged();
    afx_msg void OnPlainChanged();
    void OnNameChanged();
    void OnLabelClicked();
    void OnHelpClicked();
    void OnArrowClicked();
    void OnListRightClick(NMHDR* header, LRESULT* result);
    void OnListDoubleClick(NMHDR* header, LRESULT* result);
    void OnListCustomDraw(NMHDR* header, LRESULT* result);
    void OnTreeSelChanged(NMHDR* header, LRESULT* result);
    void OnNew();
    void OnDelete();
    BOOL OnHelpInfo(HELPINFO* info) override;

    DECLARE_MESSAGE_MAP()
};

}  // namespace vthost::test

// StyleManagerDialog: lists the link styles of the working drawing (name and description; styles
// that links use are drawn red) and lets the user create, edit and delete them. In picking mode
// (link creation) OK hands back the selected style; in management mode (vt_stylemgr) OK only
// closes. The dialog holds no database object between its operations.
#pragma once
#include <set>

#include "db/AcDbObjectId.h"
#include "ui/AcUiButtons.h"
#include "ui/AdUiDialog.h"
#include "ui/AfxCommonControls.h"

class StyleManagerDialog : public CAcUiDialog {
public:
    explicit StyleManagerDialog(CWnd* parent);

    void setPickingMode(bool picking) { m_picking = picking; }
    // The style OK accepted in picking mode; null otherwise.
    AcDbObjectId chosenStyle() const { return m_chosen; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnHelpInfo(HELPINFO* info) override;

    void OnNewStyle();
    void OnEditStyle();
    void OnDeleteStyle();
    void OnHelp();
    void OnRightClick(NMHDR* header, LRESULT* result);
    void OnDoubleClick(NMHDR* header, LRESULT* result);
    void OnCustomDraw(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    void fillList();
    int appendRow(const char* name, const AcDbObjectId& id);
    bool updateRow(int row, const AcDbObjectId& id, const char* name = nullptr);
    void refreshReferences();
    int selectedRow() const;
    AcDbObjectId rowStyle(int row) const;
    bool isUnreferenced(const AcDbObjectId& id) const;
    void selectRow(int row);
    bool confirmDelete(const AcDbObjectId& id);
    bool eraseStyle(const AcDbObjectId& id);

    CAcUiBitmapButton m_help;
    CListCtrl m_styles;
    std::set<AcDbObjectId> m_unreferenced;
    AcDbObjectId m_chosen;
    bool m_picking = true;
};

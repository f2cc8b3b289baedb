// AttributeLookupDialog: lists the blocks of the working drawing that define attributes, each with
// the tags of its attribute definitions below it, in the drawing's order, and returns the tag the
// user picks. The tree is built once when the dialog opens. The dialog owns its image list; the
// caller reads the chosen tag after IDOK.
#pragma once
#include "ui/AcUiButtons.h"
#include "ui/AdUiDialog.h"
#include "ui/AfxCommonControls.h"

class AcDbBlockTableRecord;

namespace vantorell {

class AttributeLookupDialog : public CAcUiDialog {
public:
    explicit AttributeLookupDialog(CWnd* parent = nullptr);

    // After IDOK: the tag of the chosen attribute definition.
    const CString& GetChosenTag() const { return m_chosenTag; }

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    void OnHelp();
    BOOL OnHelpInfo(HELPINFO* info) override;

    DECLARE_MESSAGE_MAP()

private:
    void fillTree();
    void addBlock(const AcDbBlockTableRecord& block);

    CAcUiBitmapButton m_helpButton;
    CTreeCtrl m_tree;
    CImageList m_images;
    CString m_chosenTag;
};

}  // namespace vantorell

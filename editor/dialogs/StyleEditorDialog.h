// StyleEditorDialog: creates a link style or edits a stored one. It edits a private working copy
// (owned by the dialog until OK hands it to the drawing, or deleted with the dialog) and offers
// every reader and content-modifier class registered with the host, under its display name.
#pragma once
#include <vector>

#include "db/AcDbObjectId.h"
#include "dialogs/MenuButton.h"
#include "ui/AcUiButtons.h"
#include "ui/AdUiDialog.h"
#include "ui/AfxControls.h"

class AcPropertyLinkStyle;
class AcRxClass;

class StyleEditorDialog : public CAcUiDialog {
public:
    explicit StyleEditorDialog(CWnd* parent);
    ~StyleEditorDialog() override;

    // Edit the stored style id instead of making a new one; before DoModal.
    void setStyleId(const AcDbObjectId& id) { m_styleId = id; }
    // After IDOK: the stored style (the edited one, or the new one).
    AcDbObjectId styleId() const { return m_styleId; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnHelpInfo(HELPINFO* info) override;

    void OnModifierOptions();
    void OnModifierChanged();
    void OnReaderChanged();
    void OnMacroMenu();
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    void fillWithDescendants(CComboBox& box, AcRxClass* base);
    void selectByDisplayName(CComboBox& box, const char* name);
    // The class chosen in box, or null.
    AcRxClass* chosenClass(CComboBox& box) const;
    void loadStoredStyle();
    bool nameIsAcceptable(const CString& name);
    bool storeNewStyle(const CString& name);
    bool storeEditedStyle();
    void refuse(unsigned text, unsigned caption, int focus);

    CAcUiBitmapButton m_options;
    CAcUiBitmapButton m_help;
    vantorell::MenuButton m_macroMenu;
    CComboBox m_readers;
    CComboBox m_modifiers;
    std::vector<CString> m_classNames;
    AcDbObjectId m_styleId;
    AcPropertyLinkStyle* m_working = nullptr;
};

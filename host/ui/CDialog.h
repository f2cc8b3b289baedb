// CDialog: a modal dialog made from a dialog template of a resource module. DoModal builds the
// window tree from the template (found through the current resource handle and the resource
// chain, or in the module given), sends WM_INITDIALOG (OnInitDialog; TRUE gives the focus to
// the first tab stop, FALSE means the dialog placed it), prints the dialog's dump, and runs the
// modal loop: the user's actions are read from the command line's input (docs/dialogs.md) until
// EndDialog; input that runs out cancels the dialog. OK and Cancel go to OnOK (UpdateData, then
// EndDialog(IDOK)) and OnCancel (EndDialog(IDCANCEL)). The dialog object owns nothing of the
// window tree, which is destroyed when DoModal returns.
#pragma once
#include "ui/CWnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // IDOK, IDCANCEL or what EndDialog was given; -1 when the template cannot be found.
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    virtual BOOL OnInitDialog();
    void GotoDlgCtrl(CWnd* control);
    void NextDlgCtrl() const;
    void SetDefID(UINT id);
    DWORD GetDefID() const;
    UINT GetTemplateId() const { return m_templateId; }
    // Whether the modal loop is running and EndDialog has not been called.
    bool IsModalRunning() const { return m_running && !m_ended; }

protected:
    virtual void OnOK();
    virtual void OnCancel();
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // The module the template comes from; null: the current resource handle, then the chain.
    HINSTANCE m_hResourceModule = nullptr;
    CWnd* m_pParentWnd = nullptr;
    UINT m_nIDHelp = 0;

    DECLARE_MESSAGE_MAP()

private:
    UINT m_templateId;
    int m_nModalResult = -1;
    bool m_running = false;
    bool m_ended = false;
};



// The host's dialog bases: CAdUiDialog remembers where the user left a dialog. With a dialog
// name (SetDialogName) and a root key (SetRootKey, usually acrxProductKey()) its placement is
// read from the settings store when the dialog opens and written back when it closes, under
// HKEY_CURRENT_USER\<root key>\Dialogs\<dialog name> as the values Left, Top, Width and Height.
// Without a name the placement is not remembered. CAcUiDialog is the base the host's
// applications derive their dialogs from.
#pragma once
#include "ui/CDialog.h"

class CAdUiDialog : public CDialog {
public:
    explicit CAdUiDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE resources = nullptr);

    void SetDialogName(LPCTSTR name) { m_dialogName = name; }
    LPCTSTR GetDialogName() const { return m_dialogName; }
    void SetRootKey(LPCTSTR key) { m_rootKey = key; }
    LPCTSTR GetRootKey() const { return m_rootKey; }
    void SetPersistency(BOOL remember) { m_persistent = remember != FALSE; }
    // HKEY_CURRENT_USER\<root key>\Dialogs\<dialog name>, or empty when nothing is remembered.
    CString PlacementKey() const;

    // Whether the controls hold valid data: the dialog's data exchange is run in the saving
    // direction (UpdateData(TRUE)); a value that fails tells the user and takes the focus.
    // Derived dialogs add checks of their own.
    virtual BOOL ValidateData();

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void restorePlacement();
    void savePlacement();
    CString m_dialogName;
    CString m_rootKey;
    bool m_persistent = true;
};

class CAcUiDialog : public CAdUiDialog {
public:
    using CAdUiDialog::CAdUiDialog;
};

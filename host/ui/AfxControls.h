// The framework's wrappers of the standard controls: CStatic, CEdit, CButton and CComboBox. Each
// is a CWnd that sends its control the Win32 messages (the window class does the work, see the
// window tree); a dialog attaches one to a template's control with DDX_Control. CButton's
// DrawItem is called for an owner-drawn button (BS_OWNERDRAW) when it is painted.
#pragma once
#include "ui/CDC.h"
#include "ui/CWnd.h"

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    void SetLimitText(UINT limit) { SendMessage(EM_LIMITTEXT, limit, 0); }
    void LimitText(int limit = 0) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(limit), 0); }
    void SetSel(int start, int end, BOOL noScroll = FALSE) { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end), (void)noScroll; }
    BOOL SetReadOnly(BOOL readOnly = TRUE) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(readOnly), 0)); }
};

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(const_cast<CButton*>(this)->SendMessage(BM_GETCHECK, 0, 0)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check), 0); }
    UINT GetState() const { return static_cast<UINT>(const_cast<CButton*>(this)->SendMessage(BM_GETSTATE, 0, 0)); }
    void SetState(BOOL pushed) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(pushed), 0); }
    UINT GetButtonStyle() const { return GetStyle() & 0xFFFFu; }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }
    // Owner drawing: the button's picture for its current state.
    virtual void DrawItem(LPDRAWITEMSTRUCT item);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CComboBox : public CWnd {
public:
    int GetCount() const { return send(CB_GETCOUNT, 0, 0); }
    int GetCurSel() const { return send(CB_GETCURSEL, 0, 0); }
    int SetCurSel(int index) { return send(CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    int AddString(LPCTSTR text) { return send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }
    int InsertString(int index, LPCTSTR text) { return send(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)); }
    int DeleteString(UINT index) { return send(CB_DELETESTRING, index, 0); }
    void ResetContent() { send(CB_RESETCONTENT, 0, 0); }
    int SetItemData(int index, DWORD_PTR data) { return send(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)); }
    DWORD_PTR GetItemData(int index) const { return static_cast<DWORD_PTR>(send(CB_GETITEMDATA, static_cast<WPARAM>(index), 0)); }
    int FindStringExact(int start, LPCTSTR text) const { return send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)); }
    int FindString(int start, LPCTSTR text) const { return send(CB_FINDSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)); }
    int SelectString(int start, LPCTSTR text) { return send(CB_SELECTSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)); }
    int GetLBTextLen(int index) const { return send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0); }
    int GetLBText(int index, LPTSTR buffer) const { return send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)); }
    void GetLBText(int index, CString& text) const {
        int length = GetLBTextLen(index);
        if (length < 0) return text.Empty();
        send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.GetBufferSetLength(length + 1)));
        text.ReleaseBuffer();
    }

private:
    int send(UINT message, WPARAM wParam, LPARAM lParam) const {
        return static_cast<int>(const_cast<CComboBox*>(this)->SendMessage(message, wParam, lParam));
    }
};

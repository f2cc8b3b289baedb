// The framework's wrappers of the common controls: CListCtrl (a list view), CTreeCtrl (a tree
// view) and CImageList (images cut from a bitmap resource, transparent where the mask colour
// is). The list and tree wrappers send their control the Win32 messages; a CImageList owns its
// image list, which a tree view only refers to.
#pragma once
#include "ui/CommCtrl.h"
#include "ui/CWnd.h"

class CImageList {
public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }  // NOLINT: implicit as in the framework
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    // Images of width cx from bitmap id (the current resource handle, then the resource chain):
    // as many as fit the bitmap's width; pixels of the mask colour are transparent.
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    int GetImageCount() const;
    BOOL DeleteImageList();
    // The pixels of the mask colour in image index.
    int TransparentPixels(int index) const;
};

class CListCtrl : public CWnd {
public:
    DWORD SetExtendedStyle(DWORD style) { return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style))); }
    DWORD GetExtendedStyle() const { return static_cast<DWORD>(send(LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0)); }
    int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL SetColumnWidth(int column, int width) { return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(static_cast<WORD>(width), 0))); }
    int GetColumnWidth(int column) const { return static_cast<int>(send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0)); }
    int GetItemCount() const { return static_cast<int>(send(LVM_GETITEMCOUNT, 0, 0)); }
    int InsertItem(int index, LPCTSTR text);
    int InsertItem(const LVITEM* item) { return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(item))); }
    int InsertItem(UINT mask, int index, LPCTSTR text, UINT state, UINT stateMask, int image, LPARAM param);
    BOOL SetItem(const LVITEM* item) { return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(item))); }
    BOOL GetItem(LVITEM* item) const { return static_cast<BOOL>(send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(item))); }
    BOOL SetItemText(int index, int subItem, LPCTSTR text);
    CString GetItemText(int index, int subItem) const;
    BOOL SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    BOOL SetItemState(int index, UINT state, UINT mask);
    UINT GetItemState(int index, UINT mask) const { return static_cast<UINT>(send(LVM_GETITEMSTATE, static_cast<WPARAM>(index), static_cast<LPARAM>(mask))); }
    int GetNextItem(int start, int flags) const { return static_cast<int>(send(LVM_GETNEXTITEM, static_cast<WPARAM>(start), flags)); }
    UINT GetSelectedCount() const { return static_cast<UINT>(send(LVM_GETSELECTEDCOUNT, 0, 0)); }
    BOOL DeleteItem(int index) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(index), 0)); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS, 0, 0)); }
    BOOL EnsureVisible(int index, BOOL) { return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), 0)); }
    int FindItem(LVFINDINFO* find, int start = -1) const { return static_cast<int>(send(LVM_FINDITEMA, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(find))); }

private:
    LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) const { return const_cast<CListCtrl*>(this)->SendMessage(message, wParam, lParam); }
};

class CTreeCtrl : public CWnd {
public:
    CImageList* SetImageList(CImageList* images, int which);
    HTREEITEM InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(const TVINSERTSTRUCT* insert) { return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(insert))); }
    BOOL DeleteItem(HTREEITEM item) { return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item))); }
    BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    BOOL Expand(HTREEITEM item, UINT code) { return static_cast<BOOL>(SendMessage(TVM_EXPAND, code, reinterpret_cast<LPARAM>(item))); }
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const { return reinterpret_cast<HTREEITEM>(send(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item))); }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    BOOL SelectItem(HTREEITEM item) { return static_cast<BOOL>(SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item))); }
    BOOL ItemHasChildren(HTREEITEM item) const { return GetChildItem(item) != nullptr; }
    CString GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, LPCTSTR text);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    UINT GetCount() const { return static_cast<UINT>(send(TVM_GETCOUNT, 0, 0)); }

private:
    LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) const { return const_cast<CTreeCtrl*>(this)->SendMessage(message, wParam, lParam); }
};

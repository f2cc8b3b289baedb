#include "ui/AfxCommonControls.h"

#include "ui/Gdi.h"
#include "ui/ImageList.h"
#include "ut/Resources.h"

// Image lists.

CImageList::~CImageList() { DeleteImageList(); }

BOOL CImageList::Create(UINT bitmapId, int cx, int, COLORREF mask) {
    if (m_hImageList != nullptr || cx <= 0) return FALSE;
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(bitmapId)) return FALSE;
    const vthost::ui::BitmapInfo* info = vthost::ui::bitmapInfo(bitmap.m_hObject);
    if (info == nullptr) return FALSE;
    auto* list = new HIMAGELIST__;
    list->cx = cx;
    list->cy = info->height;
    list->count = info->width / cx;
    list->mask = mask;
    list->bitmapId = bitmapId;
    list->owner = this;
    for (int image = 0; image < list->count; ++image) {
        int transparent = 0;
        for (int y = 0; y < info->height; ++y)
            for (int x = image * cx; x < (image + 1) * cx; ++x)
                if (info->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(info->width) + static_cast<std::size_t>(x)] == mask)
                    ++transparent;
        list->transparentPixels.push_back(transparent);
    }
    m_hImageList = list;
    return TRUE;
}

int CImageList::GetImageCount() const { return m_hImageList != nullptr ? m_hImageList->count : 0; }

int CImageList::TransparentPixels(int index) const {
    if (m_hImageList == nullptr || index < 0 || index >= m_hImageList->count) return 0;
    return m_hImageList->transparentPixels[static_cast<std::size_t>(index)];
}

BOOL CImageList::DeleteImageList() {
    if (m_hImageList == nullptr) return FALSE;
    delete m_hImageList;
    m_hImageList = nullptr;
    return TRUE;
}

// List views.

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int width, int subItem) {
    LVCOLUMN entry{};
    entry.mask = LVCF_TEXT | LVCF_FMT;
    entry.fmt = format;
    entry.pszText = const_cast<LPSTR>(heading);
    if (width >= 0) entry.mask |= LVCF_WIDTH, entry.cx = width;
    if (subItem >= 0) entry.mask |= LVCF_SUBITEM, entry.iSubItem = subItem;
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&entry)));
}

int CListCtrl::InsertItem(int index, LPCTSTR text) { return InsertItem(LVIF_TEXT, index, text, 0, 0, 0, 0); }

int CListCtrl::InsertItem(UINT mask, int index, LPCTSTR text, UINT state, UINT stateMask, int image, LPARAM param) {
    LVITEM item{};
    item.mask = mask;
    item.iItem = index;
    item.pszText = const_cast<LPSTR>(text);
    item.state = state;
    item.stateMask = stateMask;
    item.iImage = image;
    item.lParam = param;
    return InsertItem(&item);
}

BOOL CListCtrl::SetItemText(int index, int subItem, LPCTSTR text) {
    LVITEM item{};
    item.iSubItem = subItem;
    item.pszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

CString CListCtrl::GetItemText(int index, int subItem) const {
    char buffer[1024];
    LVITEM item{};
    item.iSubItem = subItem;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    buffer[0] = '\0';
    send(LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return CString(buffer);
}

BOOL CListCtrl::SetItemData(int index, DWORD_PTR data) {
    LVITEM item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    item.lParam = static_cast<LPARAM>(data);
    return SetItem(&item);
}

DWORD_PTR CListCtrl::GetItemData(int index) const {
    LVITEM item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask) {
    LVITEM item{};
    item.state = state;
    item.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

// Tree views.

CImageList* CTreeCtrl::SetImageList(CImageList* images, int which) {
    auto old = reinterpret_cast<HIMAGELIST>(
        SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(images != nullptr ? images->m_hImageList : nullptr)));
    return old != nullptr ? old->owner : nullptr;
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after) {
    TVINSERTSTRUCT insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<LPSTR>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, HTREEITEM parent, HTREEITEM after) {
    TVINSERTSTRUCT insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<LPSTR>(text);
    return InsertItem(&insert);
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const {
    char buffer[1024];
    TVITEM entry{};
    entry.mask = TVIF_TEXT | TVIF_HANDLE;
    entry.hItem = item;
    entry.pszText = buffer;
    entry.cchTextMax = sizeof buffer;
    buffer[0] = '\0';
    send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry));
    return CString(buffer);
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, LPCTSTR text) {
    TVITEM entry{};
    entry.mask = TVIF_TEXT | TVIF_HANDLE;
    entry.hItem = item;
    entry.pszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&entry)));
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const {
    TVITEM entry{};
    entry.mask = TVIF_PARAM | TVIF_HANDLE;
    entry.hItem = item;
    return send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry)) ? static_cast<DWORD_PTR>(entry.lParam) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data) {
    TVITEM entry{};
    entry.mask = TVIF_PARAM | TVIF_HANDLE;
    entry.hItem = item;
    entry.lParam = static_cast<LPARAM>(data);
    return static_cast<BOOL>(SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&entry)));
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const {
    TVITEM entry{};
    entry.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    entry.hItem = item;
    if (!send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry))) return FALSE;
    image = entry.iImage;
    selectedImage = entry.iSelectedImage;
    return TRUE;
}

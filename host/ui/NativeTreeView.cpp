// The tree view: items under the root or a parent, in order or sorted, expanded or not, the caret
// item with TVN_SELCHANGING/TVN_SELCHANGED, and the image list.
#include <algorithm>
#include <cstring>
#include <functional>
#include <strings.h>

#include "ui/ImageList.h"
#include "ui/NativeControls.h"

namespace vthost::ui {

namespace {

void copyOut(const std::string& text, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return;
    std::size_t copied = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
}

void fill(TVITEM& out, HTREEITEM item) {
    if (item == nullptr) return;
    out.hItem = item;
    out.iImage = item->image;
    out.iSelectedImage = item->selectedImage;
    out.lParam = item->param;
    out.state = item->state;
    out.cChildren = item->children.empty() ? 0 : 1;
    if (out.mask & TVIF_TEXT) copyOut(item->text, out.pszText, out.cchTextMax);
}

}  // namespace

std::vector<HTREEITEM> TreeViewControl::items() const {
    std::vector<HTREEITEM> out;
    std::function<void(const std::vector<std::unique_ptr<_TREEITEM>>&)> walk =
        [&](const std::vector<std::unique_ptr<_TREEITEM>>& level) {
            for (const auto& item : level) {
                out.push_back(item.get());
                walk(item->children);
            }
        };
    walk(m_roots);
    return out;
}

bool TreeViewControl::contains(HTREEITEM item) const {
    if (item == nullptr) return false;
    std::vector<HTREEITEM> all = items();
    return std::find(all.begin(), all.end(), item) != all.end();
}

LRESULT TreeViewControl::insert(const TVINSERTSTRUCT& request) {
    HTREEITEM parent = request.hParent == TVI_ROOT ? nullptr : request.hParent;
    if (parent != nullptr && !contains(parent)) return 0;
    auto& level = parent != nullptr ? parent->children : m_roots;
    auto item = std::make_unique<_TREEITEM>();
    const TVITEM& in = request.item;
    if ((in.mask & TVIF_TEXT) && in.pszText != nullptr) item->text = in.pszText;
    if (in.mask & TVIF_IMAGE) item->image = in.iImage;
    if (in.mask & TVIF_SELECTEDIMAGE) item->selectedImage = in.iSelectedImage;
    if (in.mask & TVIF_PARAM) item->param = in.lParam;
    if (in.mask & TVIF_STATE) item->state = in.state & in.stateMask & ~TVIS_SELECTED;
    if (in.mask & TVIF_CHILDREN) item->childrenFlag = in.cChildren;
    item->parent = parent;
    HTREEITEM handle = item.get();
    auto at = level.end();
    if (request.hInsertAfter == TVI_FIRST) {
        at = level.begin();
    } else if (request.hInsertAfter == TVI_SORT) {
        at = std::find_if(level.begin(), level.end(),
                          [&](const auto& other) { return strcasecmp(other->text.c_str(), handle->text.c_str()) > 0; });
    } else if (request.hInsertAfter != TVI_LAST && request.hInsertAfter != nullptr) {
        auto after = std::find_if(level.begin(), level.end(), [&](const auto& other) { return other.get() == request.hInsertAfter; });
        if (after != level.end()) at = after + 1;
    }
    level.insert(at, std::move(item));
    return reinterpret_cast<LRESULT>(handle);
}

LRESULT TreeViewControl::select(HWND window, HTREEITEM item, UINT action) {
    if (item != nullptr && !contains(item)) return FALSE;
    if (item == m_caret) return TRUE;
    NMTREEVIEW change{};
    change.action = action;
    change.itemOld.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE;
    fill(change.itemOld, m_caret);
    change.itemNew.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE;
    fill(change.itemNew, item);
    change.hdr.code = TVN_SELCHANGING;
    if (notifyParent(window, change.hdr) != 0) return FALSE;  // the parent refused the change
    if (!isWindow(window)) return FALSE;
    if (m_caret != nullptr) m_caret->state &= ~TVIS_SELECTED;
    m_caret = item;
    if (item != nullptr) {
        item->state |= TVIS_SELECTED;
        // The caret is made visible: its parents open.
        for (HTREEITEM up = item->parent; up != nullptr; up = up->parent) up->state |= TVIS_EXPANDED;
    }
    change.hdr.code = TVN_SELCHANGED;
    fill(change.itemNew, item);
    notifyParent(window, change.hdr);
    return TRUE;
}

void TreeViewControl::remove(HWND window, HTREEITEM item) {
    if (item == TVI_ROOT || item == nullptr) {
        select(window, nullptr, TVC_UNKNOWN);
        m_roots.clear();
        m_caret = nullptr;
        return;
    }
    if (!contains(item)) return;
    if (m_caret != nullptr) {
        for (HTREEITEM up = m_caret; up != nullptr; up = up->parent)
            if (up == item) {
                m_caret = nullptr;
                break;
            }
    }
    auto& level = item->parent != nullptr ? item->parent->children : m_roots;
    std::erase_if(level, [&](const auto& other) { return other.get() == item; });
}

LRESULT TreeViewControl::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto item = reinterpret_cast<HTREEITEM>(lParam);
    switch (message) {
        case TVM_INSERTITEMA: {
            auto* request = reinterpret_cast<const TVINSERTSTRUCT*>(lParam);
            return request != nullptr ? insert(*request) : 0;
        }
        case TVM_DELETEITEM: remove(window, item); return TRUE;
        case TVM_EXPAND: {
            if (!contains(item)) return FALSE;
            UINT how = static_cast<UINT>(wParam) & 0x3u;
            if (how == TVE_EXPAND) item->state |= TVIS_EXPANDED;
            else if (how == TVE_COLLAPSE) item->state &= ~TVIS_EXPANDED;
            else if (how == TVE_TOGGLE) item->state ^= TVIS_EXPANDED;
            return TRUE;
        }
        case TVM_GETCOUNT: return static_cast<LRESULT>(items().size());
        case TVM_SETIMAGELIST: {
            if (wParam != static_cast<WPARAM>(TVSIL_NORMAL)) return 0;
            HIMAGELIST old = m_images;
            m_images = reinterpret_cast<HIMAGELIST>(lParam);
            return reinterpret_cast<LRESULT>(old);
        }
        case TVM_GETIMAGELIST: return wParam == static_cast<WPARAM>(TVSIL_NORMAL) ? reinterpret_cast<LRESULT>(m_images) : 0;
        case TVM_GETNEXTITEM: {
            switch (static_cast<UINT>(wParam)) {
                case TVGN_ROOT: return m_roots.empty() ? 0 : reinterpret_cast<LRESULT>(m_roots.front().get());
                case TVGN_CARET: return reinterpret_cast<LRESULT>(m_caret);
                case TVGN_PARENT: return contains(item) ? reinterpret_cast<LRESULT>(item->parent) : 0;
                case TVGN_CHILD:
                    return contains(item) && !item->children.empty() ? reinterpret_cast<LRESULT>(item->children.front().get()) : 0;
                case TVGN_NEXT:
                case TVGN_PREVIOUS: {
                    if (!contains(item)) return 0;
                    auto& level = item->parent != nullptr ? item->parent->children : m_roots;
                    auto at = std::find_if(level.begin(), level.end(), [&](const auto& o) { return o.get() == item; });
                    if (wParam == TVGN_NEXT) return at + 1 != level.end() ? reinterpret_cast<LRESULT>((at + 1)->get()) : 0;
                    return at != level.begin() ? reinterpret_cast<LRESULT>((at - 1)->get()) : 0;
                }
                default: return 0;
            }
        }
        case TVM_SELECTITEM:
            if (static_cast<UINT>(wParam) != TVGN_CARET) return FALSE;
            return select(window, item, TVC_UNKNOWN);
        case TVM_GETITEMA: {
            auto* out = reinterpret_cast<TVITEM*>(lParam);
            if (out == nullptr || !contains(out->hItem)) return FALSE;
            fill(*out, out->hItem);
            return TRUE;
        }
        case TVM_SETITEMA: {
            auto* in = reinterpret_cast<const TVITEM*>(lParam);
            if (in == nullptr || !contains(in->hItem)) return FALSE;
            if ((in->mask & TVIF_TEXT) && in->pszText != nullptr) in->hItem->text = in->pszText;
            if (in->mask & TVIF_IMAGE) in->hItem->image = in->iImage;
            if (in->mask & TVIF_SELECTEDIMAGE) in->hItem->selectedImage = in->iSelectedImage;
            if (in->mask & TVIF_PARAM) in->hItem->param = in->lParam;
            return TRUE;
        }
        default: return NativeControl::proc(window, message, wParam, lParam);
    }
}

void TreeViewControl::userSelect(HWND window, HTREEITEM item) {
    setFocusWindow(window);
    if (isWindow(window)) select(window, item, TVC_BYMOUSE);
}

void TreeViewControl::userClick(HWND window, HTREEITEM item, UINT code) {
    userSelect(window, item);
    if (!isWindow(window)) return;
    NMHDR header{};
    header.code = code;
    notifyParent(window, header);
}

void TreeViewControl::dumpDetails(HWND, std::string& out) const {
    if (m_images != nullptr)
        out += "    images: " + std::to_string(m_images->count) + " of " + std::to_string(m_images->cx) + "x" +
               std::to_string(m_images->cy) + " from bitmap " + std::to_string(m_images->bitmapId) + "\n";
    int number = 0;
    for (HTREEITEM item : items()) {
        int depth = 0;
        for (HTREEITEM up = item->parent; up != nullptr; up = up->parent) ++depth;
        out += "    #" + std::to_string(number++) + std::string(static_cast<std::size_t>(depth) * 2 + 1, ' ') + "\"" +
               item->text + "\" image " + std::to_string(item->image) + "/" + std::to_string(item->selectedImage) +
               " lParam " + std::to_string(item->param);
        if (item->state & TVIS_EXPANDED) out += " expanded";
        if (item == m_caret) out += " caret";
        out += "\n";
    }
}

}  // namespace vthost::ui

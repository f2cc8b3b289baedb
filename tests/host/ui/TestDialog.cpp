#include "TestDialog.h"

#include <algorithm>

#include "ui/CommCtrl.h"

namespace vthost::test {

void ArrowButton::DrawItem(LPDRAWITEMSTRUCT item) {
    CDC* dc = CDC::FromHandle(item->hDC);
    CRect rect(item->rcItem);
    dc->DrawFrameControl(&rect, DFC_BUTTON, DFCS_BUTTONPUSH | ((item->itemState & ODS_SELECTED) ? DFCS_PUSHED : 0u));
    CPen pen(PS_SOLID, 0, GetSysColor((item->itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    CPen* old = dc->SelectObject(&pen);
    int x = 4, y = 5;
    for (int width = 7; width > 0; width -= 2, ++x, ++y) {
        dc->MoveTo(x, y);
        dc->LineTo(x + width, y);
    }
    dc->SelectObject(old);
    if (item->itemState & ODS_FOCUS) dc->DrawFocusRect(&rect);
}

BEGIN_MESSAGE_MAP(TestDialog, CAcUiDialog)
    ON_CBN_SELCHANGE(2007, &TestDialog::OnSortedChanged)
    ON_CBN_SELCHANGE(2008, &TestDialog::OnPlainChanged)
    ON_EN_CHANGE(2003, &TestDialog::OnNameChanged)
    ON_STN_CLICKED(2004, &TestDialog::OnLabelClicked)
    ON_BN_CLICKED(9, &TestDialog::OnHelpClicked)
    ON_BN_CLICKED(2011, &TestDialog::OnArrowClicked)
    ON_NOTIFY(NM_RCLICK, 2000, &TestDialog::OnListRightClick)
    ON_NOTIFY(NM_DBLCLK, 2000, &TestDialog::OnListDoubleClick)
    ON_NOTIFY(NM_CUSTOMDRAW, 2000, &TestDialog::OnListCustomDraw)
    ON_NOTIFY(TVN_SELCHANGED, 2012, &TestDialog::OnTreeSelChanged)
    ON_COMMAND(32771, &TestDialog::OnNew)
    ON_COMMAND(32773, &TestDialog::OnDelete)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

void TestDialog::DoDataExchange(CDataExchange* dx) {
    CAcUiDialog::DoDataExchange(dx);
    DDX_Control(dx, 2007, m_sorted);
    DDX_Control(dx, 2008, m_plain);
    DDX_Control(dx, 2000, m_list);
    DDX_Control(dx, 2012, m_tree);
    DDX_Control(dx, 2011, m_arrow);
    DDX_Control(dx, 9, m_help);
    DDX_Text(dx, 2003, m_name);
}

BOOL TestDialog::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    m_help.AutoLoad();
    for (const char* text : {"Length", "area", "Area", "X"}) m_sorted.AddString(text);
    for (const char* text : {"Length", "area", "X"}) m_plain.AddString(text);
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_list.InsertColumn(0, "Name");
    m_list.InsertColumn(1, "Description");
    m_list.InsertItem(LVIF_TEXT | LVIF_PARAM, 0, "Room", 0, 0, 0, 1);
    m_list.SetItemText(0, 1, "area of rooms");
    m_list.InsertItem(LVIF_TEXT | LVIF_PARAM, 1, "Column", 0, 0, 0, 2);
    m_list.SetItemText(1, 1, "x of columns");
    m_list.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
    m_list.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
    if (m_images.Create(300, 14, 0, RGB(0, 255, 0))) m_tree.SetImageList(&m_images, TVSIL_NORMAL);
    HTREEITEM door = m_tree.InsertItem("Door", 0, 0);
    m_tree.InsertItem("WIDTH", 1, 1, door);
    m_tree.InsertItem("TAG", 1, 1, door);
    HTREEITEM window = m_tree.InsertItem("Window", 0, 0, TVI_ROOT, TVI_LAST);
    m_tree.InsertItem("TAG", 1, 1, window);
    m_tree.Expand(door, TVE_EXPAND);
    if (onInit) onInit(*this);
    initEvents.swap(events);
    return m_initAnswer;
}

void TestDialog::OnOK() {
    events.push_back("ok");
    if (m_refuseOk) {
        GotoDlgCtrl(GetDlgItem(2003));
        return;
    }
    CAcUiDialog::OnOK();
}

void TestDialog::OnSortedChanged() { events.push_back("selchange 2007 " + std::to_string(m_sorted.GetCurSel())); }
void TestDialog::OnPlainChanged() { events.push_back("selchange 2008 " + std::to_string(m_plain.GetCurSel())); }
void TestDialog::OnNameChanged() { events.push_back("change 2003"); }
void TestDialog::OnLabelClicked() { events.push_back("clicked 2004"); }
void TestDialog::OnHelpClicked() { events.push_back("clicked 9"); }
void TestDialog::OnArrowClicked() { events.push_back("clicked 2011"); }

void TestDialog::OnListRightClick(NMHDR* header, LRESULT* result) {
    auto* activate = reinterpret_cast<NMITEMACTIVATE*>(header);
    events.push_back("rclick " + std::to_string(activate->iItem));
    if (onRightClick) onRightClick(*this);
    *result = 0;
}

void TestDialog::OnListDoubleClick(NMHDR* header, LRESULT* result) {
    events.push_back("dblclk " + std::to_string(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem));
    *result = 0;
}

void TestDialog::OnListCustomDraw(NMHDR* header, LRESULT* result) {
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    switch (draw->nmcd.dwDrawStage) {
        case CDDS_PREPAINT: *result = CDRF_NOTIFYITEMDRAW; return;
        case CDDS_ITEMPREPAINT: *result = CDRF_NOTIFYSUBITEMDRAW; return;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            bool red = std::find(m_redParams.begin(), m_redParams.end(), draw->nmcd.lItemlParam) != m_redParams.end();
            draw->clrText = red ? RGB(255, 0, 0) : GetSysColor(COLOR_WINDOWTEXT);
            *result = CDRF_DODEFAULT;
            return;
        }
        default: *result = CDRF_DODEFAULT;
    }
}

void TestDialog::OnTreeSelChanged(NMHDR* header, LRESULT* result) {
    auto* change = reinterpret_cast<NMTREEVIEW*>(header);
    events.push_back("treesel " + std::string(m_tree.GetItemText(change->itemNew.hItem)));
    *result = 0;
}

void TestDialog::OnNew() { events.push_back("command 32771"); }
void TestDialog::OnDelete() { events.push_back("command 32773"); }

BOOL TestDialog::OnHelpInfo(HELPINFO* info) {
    events.push_back("help " + std::to_string(info->iCtrlId));
    return TRUE;
}

}  // namespace vthost::test

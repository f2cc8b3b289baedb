#include "dialogs/StyleManagerDialog.h"

#include <vector>

#include "ap/AcApDocManager.h"
#include "app/MessageFormat.h"
#include "app/ResourceIds.h"
#include "app/ResourceScope.h"
#include "app/VantorellUiApp.h"
#include "db/AcDbDatabase.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbHostApplicationServices.h"
#include "dialogs/StyleEditorDialog.h"
#include "module/OpenedObject.h"
#include "rx/AcRxDynamicLinker.h"
#include "service/AcPropertyLinkStyleMgr.h"
#include "style/AcPropertyLinkStyle.h"
#include "ui/CMenu.h"
#include "ui/Gdi.h"
#include "ui/MessageBox.h"

using vantorell::OpenedObject;

namespace {

constexpr UINT kTemplate = 2001;
constexpr UINT kStyleList = 2000;
constexpr UINT kHelpButton = 9;
constexpr UINT kContextMenu = 2004;
constexpr UINT kNewCommand = 32771;
constexpr UINT kEditCommand = 32772;
constexpr UINT kDeleteCommand = 32773;
constexpr unsigned long kHelpTopic = 1004;
constexpr const char* kPlaceholder = "NAME";

AcDbDatabase* workingDatabase() {
    return acdbHostApplicationServices()->workingDatabase();
}

AcPropertyLinkStyleMgr* service() {
    return vantorellApp().service();
}

// How many hard references each id has in the working drawing; false when they cannot be counted.
bool countReferences(const std::vector<AcDbObjectId>& ids, std::vector<Adesk::UInt32>& counts) {
    counts.assign(ids.size(), 0);
    if (ids.empty()) return true;
    AcDbObjectIdArray array;
    for (const AcDbObjectId& id : ids) array.append(id);
    AcDbDatabase* db = workingDatabase();
    return db != nullptr && db->countHardReferences(array, counts.data()) == Acad::eOk;
}

}  // namespace

BEGIN_MESSAGE_MAP(StyleManagerDialog, CAcUiDialog)
    ON_COMMAND(kNewCommand, &StyleManagerDialog::OnNewStyle)
    ON_COMMAND(kEditCommand, &StyleManagerDialog::OnEditStyle)
    ON_COMMAND(kDeleteCommand, &StyleManagerDialog::OnDeleteStyle)
    ON_NOTIFY(NM_RCLICK, kStyleList, &StyleManagerDialog::OnRightClick)
    ON_NOTIFY(NM_DBLCLK, kStyleList, &StyleManagerDialog::OnDoubleClick)
    ON_NOTIFY(NM_CUSTOMDRAW, kStyleList, &StyleManagerDialog::OnCustomDraw)
    ON_BN_CLICKED(kHelpButton, &StyleManagerDialog::OnHelp)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

StyleManagerDialog::StyleManagerDialog(CWnd* parent) : CAcUiDialog(kTemplate, parent) {
    SetRootKey(acrxProductKey());
    SetDialogName("Vantorell:DlgStyleMgr");
}

void StyleManagerDialog::DoDataExchange(CDataExchange* dx) {
    CAcUiDialog::DoDataExchange(dx);
    DDX_Control(dx, kHelpButton, m_help);
    DDX_Control(dx, kStyleList, m_styles);
}

BOOL StyleManagerDialog::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    m_help.AutoLoad();
    m_styles.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    CVantorellApp& app = vantorellApp();
    m_styles.InsertColumn(0, app.loadResString(vantorell::res::kNameColumn), LVCFMT_LEFT);
    m_styles.InsertColumn(1, app.loadResString(vantorell::res::kDescriptionColumn), LVCFMT_LEFT);
    fillList();
    m_styles.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
    m_styles.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
    refreshReferences();
    if (m_styles.GetItemCount() == 0) return TRUE;
    selectRow(0);
    return FALSE;
}

// One row per stored style, in the order of their names; the names come from the iterator, so
// filling opens each style once.
void StyleManagerDialog::fillList() {
    m_styles.DeleteAllItems();
    OpenedObject<AcDbDictionary> styles(service()->openStylesDictionary(workingDatabase(),
                                                                        AcDb::kForRead));
    if (!styles) return;
    AcDbDictionaryIterator* iterator = styles->newIterator(AcRx::kDictSorted);
    if (iterator == nullptr) return;
    for (; !iterator->done(); iterator->next())
        updateRow(appendRow(kPlaceholder, AcDbObjectId::kNull), iterator->objectId(),
                  iterator->name());
    delete iterator;
}

int StyleManagerDialog::appendRow(const char* name, const AcDbObjectId&) {
    return m_styles.InsertItem(m_styles.GetItemCount(), name);
}

// Shows the style id in row; false (the row unchanged) when id is not a style.
bool StyleManagerDialog::updateRow(int row, const AcDbObjectId& id, const char* name) {
    OpenedObject<AcPropertyLinkStyle> style(id, AcDb::kForRead);
    if (!style) return false;
    CString stored;
    if (name == nullptr) {
        service()->styleName(id, stored);
        name = stored;
    }
    m_styles.SetItemText(row, 0, name);
    m_styles.SetItemText(row, 1, style->description());
    m_styles.SetItemData(row, static_cast<DWORD_PTR>(id.asOldId()));
    return true;
}

AcDbObjectId StyleManagerDialog::rowStyle(int row) const {
    if (row < 0) return AcDbObjectId::kNull;
    AcDbObjectId id;
    id.setFromOldId(static_cast<long>(m_styles.GetItemData(row)));
    return id.isValid() ? id : AcDbObjectId::kNull;
}

void StyleManagerDialog::refreshReferences() {
    m_unreferenced.clear();
    std::vector<AcDbObjectId> ids;
    for (int row = 0; row < m_styles.GetItemCount(); ++row)
        if (AcDbObjectId id = rowStyle(row); !id.isNull()) ids.push_back(id);
    std::vector<Adesk::UInt32> counts;
    if (!countReferences(ids, counts)) return;
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (counts[i] == 0) m_unreferenced.insert(ids[i]);
}

bool StyleManagerDialog::isUnreferenced(const AcDbObjectId& id) const {
    return !id.isNull() && m_unreferenced.count(id) != 0;
}

int StyleManagerDialog::selectedRow() const {
    return m_styles.GetNextItem(-1, LVNI_SELECTED);
}

void StyleManagerDialog::selectRow(int row) {
    m_styles.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_styles.GetSafeHwnd()), TRUE);
}

void StyleManagerDialog::OnCustomDraw(NMHDR* header, LRESULT* result) {
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    switch (draw->nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
        case CDDS_ITEMPREPAINT: *result = CDRF_NOTIFYSUBITEMDRAW; return;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            int row = static_cast<int>(draw->nmcd.dwItemSpec);
            draw->clrText = isUnreferenced(rowStyle(row)) ? GetSysColor(COLOR_WINDOWTEXT)
                                                          : RGB(255, 0, 0);
            *result = CDRF_DODEFAULT;
            return;
        }
        default: *result = 0;
    }
}

void StyleManagerDialog::OnRightClick(NMHDR*, LRESULT* result) {
    *result = 0;
    CMenu menu;
    if (!menu.LoadMenu(kContextMenu)) return;
    CMenu* popup = menu.GetSubMenu(0);
    if (popup == nullptr) return;
    if (!isUnreferenced(rowStyle(selectedRow())))
        popup->EnableMenuItem(kDeleteCommand, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
    POINT cursor{};
    GetCursorPos(&cursor);
    popup->TrackPopupMenu(0, cursor.x, cursor.y, this);
    menu.DestroyMenu();
}

void StyleManagerDialog::OnDoubleClick(NMHDR*, LRESULT* result) {
    OnEditStyle();
    *result = 0;
}

void StyleManagerDialog::OnNewStyle() {
    vantorell::ResourceScope resources;
    StyleEditorDialog editor(this);
    if (editor.DoModal() != IDOK) return;
    AcDbObjectId id = editor.styleId();
    CVantorellApp& app = vantorellApp();
    if (!OpenedObject<AcPropertyLinkStyle>(id, AcDb::kForRead)) {
        MessageBox(app.loadResString(vantorell::res::kEditorGaveNoStyle),
                   app.loadResString(vantorell::res::kEditorGaveNoStyleCaption), MB_ICONERROR);
        return;
    }
    int row = appendRow(kPlaceholder, id);
    updateRow(row, id);
    refreshReferences();
    selectRow(row);
}

void StyleManagerDialog::OnEditStyle() {
    vantorell::ResourceScope resources;
    int row = selectedRow();
    AcDbObjectId id = rowStyle(row);
    if (id.isNull()) return;
    StyleEditorDialog editor(this);
    editor.setStyleId(id);
    if (editor.DoModal() == IDOK) updateRow(row, id);
}

bool StyleManagerDialog::confirmDelete(const AcDbObjectId& id) {
    CVantorellApp& app = vantorellApp();
    CString name;
    service()->styleName(id, name);
    CString question = vantorell::formatWithString(app.loadResString(vantorell::res::kConfirmDelete),
                                                   name);
    return MessageBox(question, app.loadResString(vantorell::res::kConfirmDeleteCaption),
                      MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

// Takes the style out of the styles dictionary and erases it, having opened both for write
// first, so that a style is removed whole or not at all.
bool StyleManagerDialog::eraseStyle(const AcDbObjectId& id) {
    OpenedObject<AcDbDictionary> styles(service()->openStylesDictionary(workingDatabase(),
                                                                        AcDb::kForWrite));
    OpenedObject<AcPropertyLinkStyle> style(id, AcDb::kForWrite);
    if (!styles || !style || !styles->has(id)) return false;
    if (styles->remove(id) != Acad::eOk) return false;
    return style->erase(true) == Acad::eOk;
}

void StyleManagerDialog::OnDeleteStyle() {
    int row = selectedRow();
    AcDbObjectId id = rowStyle(row);
    if (id.isNull()) return;
    std::vector<Adesk::UInt32> counts;
    CVantorellApp& app = vantorellApp();
    if (!countReferences({id}, counts) || counts[0] != 0) {
        MessageBox(app.loadResString(vantorell::res::kStyleInUse),
                   app.loadResString(vantorell::res::kStyleInUseCaption), MB_ICONINFORMATION);
        return;
    }
    if (!confirmDelete(id)) return;
    if (eraseStyle(id)) {
        m_styles.DeleteItem(row);
        refreshReferences();
    }
}

void StyleManagerDialog::OnOK() {
    if (!m_picking) {
        CAcUiDialog::OnOK();
        return;
    }
    CVantorellApp& app = vantorellApp();
    int row = selectedRow();
    if (row < 0) {
        MessageBox(app.loadResString(vantorell::res::kNoStyleSelected),
                   app.loadResString(vantorell::res::kNoStyleSelectedCaption), MB_ICONINFORMATION);
        return;
    }
    AcDbObjectId id = rowStyle(row);
    if (id.isNull()) {
        MessageBox(app.loadResString(vantorell::res::kRowWithoutStyle),
                   app.loadResString(vantorell::res::kRowWithoutStyleCaption), MB_ICONERROR);
        return;
    }
    m_chosen = id;
    CAcUiDialog::OnOK();
}

void StyleManagerDialog::OnHelp() {
    vantorellApp().showHelp(kHelpTopic);
}

BOOL StyleManagerDialog::OnHelpInfo(HELPINFO*) {
    OnHelp();
    return TRUE;
}

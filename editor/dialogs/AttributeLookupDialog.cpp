#include "dialogs/AttributeLookupDialog.h"

#include "db/AcDbDatabase.h"
#include "db/AcDbHostApplicationServices.h"
#include "db/AcDbSymbolTable.h"
#include "dialogs/DialogSupport.h"
#include "ent/AcDbAttributeDefinition.h"
#include "rx/AcRxDynamicLinker.h"
#include "ut/AcUtil.h"

namespace vantorell {
namespace {

constexpr UINT kTemplate = 2007;
constexpr const char* kDialogName = "Vantorell:DlgAttLookup";
constexpr int kTree = 2012;
constexpr UINT kImages = 2008;
constexpr int kImageWidth = 14;
constexpr COLORREF kMaskColour = RGB(0, 255, 0);
constexpr int kBlockImage = 0;
constexpr int kTagImage = 1;
constexpr unsigned long kHelpTopic = 1001;
constexpr unsigned kNoTagChosen = 18;
constexpr unsigned kNoTagChosenCaption = 19;

// The tag of an attribute definition, or empty.
CString tagOf(const AcDbAttributeDefinition& definition) {
    char* tag = definition.tag();
    CString text(tag != nullptr ? tag : "");
    acutDelString(tag);
    return text;
}

}  // namespace

AttributeLookupDialog::AttributeLookupDialog(CWnd* parent) : CAcUiDialog(kTemplate, parent) {
    SetDialogName(kDialogName);
    SetRootKey(acrxProductKey());
}

BEGIN_MESSAGE_MAP(AttributeLookupDialog, CAcUiDialog)
    ON_BN_CLICKED(IDHELP, &AttributeLookupDialog::OnHelp)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

void AttributeLookupDialog::DoDataExchange(CDataExchange* dx) {
    CAcUiDialog::DoDataExchange(dx);
    DDX_Control(dx, IDHELP, m_helpButton);
    DDX_Control(dx, kTree, m_tree);
}

BOOL AttributeLookupDialog::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    m_helpButton.AutoLoad();
    if (m_images.Create(kImages, kImageWidth, 0, kMaskColour)) m_tree.SetImageList(&m_images, TVSIL_NORMAL);
    fillTree();
    return TRUE;
}

// Every block table record in the table's order, layouts and anonymous blocks included; a record
// that cannot be opened or named is passed over.
void AttributeLookupDialog::fillTree() {
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    if (database == nullptr) return;
    AcDbBlockTable* table = nullptr;
    if (database->getBlockTable(table, AcDb::kForRead) != Acad::eOk || table == nullptr) return;
    AcDbBlockTableIterator* records = nullptr;
    if (table->newIterator(records) == Acad::eOk && records != nullptr) {
        for (; !records->done(); records->step()) {
            AcDbBlockTableRecord* block = nullptr;
            if (records->getRecord(block, AcDb::kForRead) != Acad::eOk || block == nullptr) continue;
            addBlock(*block);
            block->close();
        }
        delete records;
    }
    table->close();
}

// The block's item with one child per attribute definition, in the block's order (a tag defined
// twice is listed twice); no item for a block without attribute definitions. A block that defines
// none is known without opening its entities.
void AttributeLookupDialog::addBlock(const AcDbBlockTableRecord& block) {
    if (!block.hasAttributeDefinitions()) return;
    const char* name = nullptr;
    if (block.getName(name) != Acad::eOk || name == nullptr) return;
    AcDbBlockTableRecordIterator* entities = nullptr;
    if (block.newIterator(entities) != Acad::eOk || entities == nullptr) return;
    HTREEITEM blockItem = nullptr;
    for (; !entities->done(); entities->step()) {
        AcDbObjectId id;
        if (entities->getEntityId(id) != Acad::eOk) continue;
        AcDbAttributeDefinition* definition = nullptr;
        if (acdbOpenObject(definition, id, AcDb::kForRead) != Acad::eOk || definition == nullptr) continue;
        CString tag = tagOf(*definition);
        definition->close();
        if (blockItem == nullptr) blockItem = m_tree.InsertItem(name, kBlockImage, kBlockImage, TVI_ROOT, TVI_LAST);
        if (blockItem != nullptr) m_tree.InsertItem(tag, kTagImage, kTagImage, blockItem, TVI_LAST);
    }
    if (blockItem != nullptr) m_tree.Expand(blockItem, TVE_EXPAND);
    delete entities;
}

void AttributeLookupDialog::OnOK() {
    HTREEITEM selected = m_tree.GetSelectedItem();
    int image = -1;
    int selectedImage = -1;
    if (selected != nullptr && m_tree.GetItemImage(selected, image, selectedImage) && image == kTagImage) {
        m_chosenTag = m_tree.GetItemText(selected);
        EndDialog(IDOK);
        return;
    }
    MessageBox(dialogs::loadString(kNoTagChosen), dialogs::loadString(kNoTagChosenCaption), MB_ICONINFORMATION);
}

void AttributeLookupDialog::OnHelp() {
    dialogs::showHelpTopic(kHelpTopic);
}

BOOL AttributeLookupDialog::OnHelpInfo(HELPINFO*) {
    dialogs::showHelpTopic(kHelpTopic);
    return TRUE;
}

}  // namespace vantorell

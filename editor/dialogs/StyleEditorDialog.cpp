#include "dialogs/StyleEditorDialog.h"

#include <new>

#include "app/MessageFormat.h"
#include "app/ResourceIds.h"
#include "app/ResourceScope.h"
#include "app/VantorellUiApp.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbHostApplicationServices.h"
#include "dialogs/BlockModifierOptionsDialog.h"
#include "dialogs/MacroMenu.h"
#include "modifiers/AcContentModifier.h"
#include "modifiers/ContentModifiers.h"
#include "module/OpenedObject.h"
#include "readers/AcPropertyReader.h"
#include "rx/AcRxDictionary.h"
#include "rx/AcRxDynamicLinker.h"
#include "rx/AcRxSysRegistry.h"
#include "service/AcPropertyLinkStyleMgr.h"
#include "style/AcPropertyLinkStyle.h"
#include "ui/MessageBox.h"
#include "ut/Mbstring.h"

using vantorell::OpenedObject;

namespace {

constexpr UINT kTemplate = 2002;
constexpr int kName = 2003;
constexpr int kDescription = 2006;
constexpr int kModifiers = 2007;
constexpr int kReaders = 2008;
constexpr int kMacro = 2009;
constexpr int kOptionsButton = 2010;
constexpr int kMacroButton = 2011;
constexpr int kHelpButton = 9;
constexpr unsigned long kHelpTopic = 1003;

bool sameIgnoringCase(const char* a, const char* b) {
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a),
                    reinterpret_cast<const unsigned char*>(b)) == 0;
}

AcRxDictionary* classDictionary() {
    return AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_CLASS_DICTIONARY));
}

AcDbDatabase* workingDatabase() {
    return acdbHostApplicationServices()->workingDatabase();
}

const char* displayNameOf(AcRxObject* instance) {
    if (auto* modifier = AcContentModifier::cast(instance)) return modifier->displayName();
    if (auto* reader = AcPropertyReader::cast(instance)) return reader->displayName();
    return nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(StyleEditorDialog, CAcUiDialog)
    ON_BN_CLICKED(kOptionsButton, &StyleEditorDialog::OnModifierOptions)
    ON_CBN_SELCHANGE(kModifiers, &StyleEditorDialog::OnModifierChanged)
    ON_CBN_SELCHANGE(kReaders, &StyleEditorDialog::OnReaderChanged)
    ON_BN_CLICKED(kHelpButton, &StyleEditorDialog::OnHelp)
    ON_BN_CLICKED(kMacroButton, &StyleEditorDialog::OnMacroMenu)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

StyleEditorDialog::StyleEditorDialog(CWnd* parent) : CAcUiDialog(kTemplate, parent) {
    SetRootKey(acrxProductKey());
    SetDialogName("Vantorell:DlgStyle");
}

StyleEditorDialog::~StyleEditorDialog() {
    delete m_working;
}

void StyleEditorDialog::DoDataExchange(CDataExchange* dx) {
    CAcUiDialog::DoDataExchange(dx);
    DDX_Control(dx, kOptionsButton, m_options);
    DDX_Control(dx, kHelpButton, m_help);
    DDX_Control(dx, kMacroButton, m_macroMenu);
    DDX_Control(dx, kReaders, m_readers);
    DDX_Control(dx, kModifiers, m_modifiers);
}

// Offers every registered class derived from base (base itself excluded) under its display
// name; an item's data is its position in the class-name list.
void StyleEditorDialog::fillWithDescendants(CComboBox& box, AcRxClass* base) {
    box.ResetContent();
    AcRxDictionary* classes = classDictionary();
    if (classes == nullptr || base == nullptr) return;
    AcRxDictionaryIterator* iterator = classes->newIterator(AcRx::kDictSorted);
    for (; iterator != nullptr && !iterator->done(); iterator->next()) {
        AcRxClass* cls = AcRxClass::cast(classes->at(iterator->key()));
        if (cls == nullptr || !cls->isDerivedFrom(base) || sameIgnoringCase(cls->name(), base->name()))
            continue;
        AcRxObject* instance = cls->create();
        if (instance == nullptr) continue;
        if (instance->isKindOf(base)) {
            if (const char* name = displayNameOf(instance)) {
                int item = box.AddString(name);
                m_classNames.push_back(cls->name());
                box.SetItemData(item, m_classNames.size() - 1);
            }
        }
        delete instance;
    }
    delete iterator;
}

void StyleEditorDialog::selectByDisplayName(CComboBox& box, const char* name) {
    if (name == nullptr) return;
    int item = box.FindStringExact(-1, name);
    if (item >= 0) box.SetCurSel(item);
}

AcRxClass* StyleEditorDialog::chosenClass(CComboBox& box) const {
    int item = box.GetCurSel();
    if (item < 0) return nullptr;
    DWORD_PTR position = box.GetItemData(item);
    if (position >= m_classNames.size()) return nullptr;
    AcRxDictionary* classes = classDictionary();
    return classes ? AcRxClass::cast(classes->at(m_classNames[position])) : nullptr;
}

BOOL StyleEditorDialog::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    m_options.AutoLoad();
    m_help.AutoLoad();
    fillWithDescendants(m_modifiers, AcContentModifier::desc());
    fillWithDescendants(m_readers, AcPropertyReader::desc());
    m_working = new (std::nothrow) AcPropertyLinkStyle();
    if (!m_styleId.isNull()) {
        loadStoredStyle();
        return TRUE;
    }
    m_modifiers.SetCurSel(0);
    m_readers.SetCurSel(0);
    OnModifierChanged();
    OnReaderChanged();
    GotoDlgCtrl(GetDlgItem(kName));
    return FALSE;
}

void StyleEditorDialog::loadStoredStyle() {
    if (OpenedObject<AcPropertyLinkStyle> stored{m_styleId, AcDb::kForRead}; stored && m_working)
        m_working->copyFrom(stored.get());
    GetDlgItem(kName)->EnableWindow(FALSE);
    CString name;
    vantorellApp().service()->styleName(m_styleId, name);
    SetDlgItemText(kName, name);
    if (m_working == nullptr) return;
    SetDlgItemText(kDescription, m_working->description());
    SetDlgItemText(kMacro, m_working->postProcessingMacro());
    if (AcContentModifier* modifier = m_working->contentModifier())
        selectByDisplayName(m_modifiers, modifier->displayName());
    if (AcPropertyReader* reader = m_working->propertyReader())
        selectByDisplayName(m_readers, reader->displayName());
}

void StyleEditorDialog::OnModifierChanged() {
    AcRxClass* cls = chosenClass(m_modifiers);
    if (cls == nullptr) return;
    AcContentModifier* current = m_working ? m_working->contentModifier() : nullptr;
    if (current != nullptr && sameIgnoringCase(current->isA()->name(), cls->name())) return;
    AcRxObject* instance = cls->create();
    if (instance == nullptr) return;
    AcContentModifier* modifier = AcContentModifier::cast(instance);
    if (modifier == nullptr || m_working == nullptr) {
        delete instance;
        return;
    }
    m_options.EnableWindow(modifier->hasOptions() ? TRUE : FALSE);
    m_working->setContentModifier(modifier);
}

void StyleEditorDialog::OnReaderChanged() {
    AcRxClass* cls = chosenClass(m_readers);
    if (cls == nullptr) return;
    AcPropertyReader* current = m_working ? m_working->propertyReader() : nullptr;
    if (current != nullptr && sameIgnoringCase(current->isA()->name(), cls->name())) return;
    AcRxObject* instance = cls->create();
    if (instance == nullptr) return;
    AcPropertyReader* reader = AcPropertyReader::cast(instance);
    if (reader == nullptr || m_working == nullptr) {
        delete instance;
        return;
    }
    m_working->setPropertyReader(reader);
}

void StyleEditorDialog::OnModifierOptions() {
    AcBlockModifier* modifier =
        m_working ? AcBlockModifier::cast(m_working->contentModifier()) : nullptr;
    if (modifier == nullptr) return;
    vantorell::ResourceScope resources;
    vantorell::BlockModifierOptionsDialog options(this);
    options.SetTag(modifier->attribName());
    if (options.DoModal() == IDOK) modifier->setAttribName(options.GetTag());
}

void StyleEditorDialog::OnMacroMenu() {
    vantorell::runMacroMenu(m_macroMenu, *this, kMacro);
}

void StyleEditorDialog::refuse(unsigned text, unsigned caption, int focus) {
    CVantorellApp& app = vantorellApp();
    MessageBox(app.loadResString(text), app.loadResString(caption), MB_ICONINFORMATION);
    GotoDlgCtrl(GetDlgItem(focus));
}

// A new style's name must be given, must not become an anonymous key, and must not be taken by
// another style (ignoring case): storing it would replace, and erase, that style.
bool StyleEditorDialog::nameIsAcceptable(const CString& name) {
    if (name.IsEmpty()) {
        refuse(vantorell::res::kNameMissing, vantorell::res::kNameMissingCaption, kName);
        return false;
    }
    bool taken = name[0] == '*';
    OpenedObject<AcDbDictionary> styles(
        vantorellApp().service()->openStylesDictionary(workingDatabase(), AcDb::kForRead));
    AcDbDictionaryIterator* iterator = styles ? styles->newIterator(AcRx::kDictSorted) : nullptr;
    for (; !taken && iterator != nullptr && !iterator->done(); iterator->next())
        taken = sameIgnoringCase(iterator->name(), name);
    delete iterator;
    if (!taken) return true;
    CVantorellApp& app = vantorellApp();
    MessageBox(vantorell::formatWithString(app.loadResString(vantorell::res::kNameTaken), name),
               app.loadResString(vantorell::res::kNameTakenCaption), MB_ICONINFORMATION);
    GotoDlgCtrl(GetDlgItem(kName));
    return false;
}

bool StyleEditorDialog::storeEditedStyle() {
    OpenedObject<AcPropertyLinkStyle> stored(m_styleId, AcDb::kForWrite);
    if (!stored) return false;
    if (stored->copyFrom(m_working) != Acad::eOk) return false;
    delete m_working;
    m_working = nullptr;
    return true;
}

bool StyleEditorDialog::storeNewStyle(const CString& name) {
    OpenedObject<AcDbDictionary> styles(
        vantorellApp().service()->openStylesDictionary(workingDatabase(), AcDb::kForWrite));
    if (!styles) return false;
    AcDbObjectId id;
    if (styles->setAt(name, m_working, id) != Acad::eOk) return false;
    OpenedObject<AcPropertyLinkStyle> stored(m_working);  // closes the newly stored style
    m_working = nullptr;
    m_styleId = id;
    return true;
}

void StyleEditorDialog::OnOK() {
    if (m_working == nullptr) return;
    CString description, name, macro;
    GetDlgItemText(kDescription, description);
    m_working->setDescription(description);
    GetDlgItemText(kName, name);
    bool editing = !m_styleId.isNull();
    if (name.IsEmpty()) {
        refuse(vantorell::res::kNameMissing, vantorell::res::kNameMissingCaption, kName);
        return;
    }
    AcContentModifier* modifier = m_working->contentModifier();
    if (modifier != nullptr && !modifier->hasOptionsCorrect()) {
        refuse(vantorell::res::kOptionsIncomplete, vantorell::res::kOptionsIncompleteCaption,
               kModifiers);
        return;
    }
    GetDlgItemText(kMacro, macro);
    if (!macro.IsEmpty()) m_working->setPostProcessingMacro(macro);
    if (!editing && !nameIsAcceptable(name)) return;
    if (!(editing ? storeEditedStyle() : storeNewStyle(name))) {
        refuse(vantorell::res::kStyleNotStored, vantorell::res::kStyleNotStoredCaption, kName);
        return;
    }
    CAcUiDialog::OnOK();
}

void StyleEditorDialog::OnHelp() {
    vantorellApp().showHelp(kHelpTopic);
}

BOOL StyleEditorDialog::OnHelpInfo(HELPINFO*) {
    OnHelp();
    return TRUE;
}

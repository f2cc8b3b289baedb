// vt_linkcreate: choose the style (the drawing's current one, else the first stored one, else one
// made in the style manager), then pick the source and the label, and store the new link in the
// source's extension dictionary as the source's persistent reactor. Closing the source sends
// the label its first update.
#include "commands/LinkCommands.h"

#include <string>

#include "ap/AcApDocManager.h"
#include "app/MessageFormat.h"
#include "app/ResourceIds.h"
#include "app/ResourceScope.h"
#include "app/VantorellUiApp.h"
#include "commands/CurrentStyles.h"
#include "commands/SpaceSwitching.h"
#include "commands/StylePrompts.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbEntity.h"
#include "db/AcDbHostApplicationServices.h"
#include "ed/EditorInput.h"
#include "ed/Selection.h"
#include "ed/UserInput.h"
#include "ed/Viewports.h"
#include "ent/AcDbViewport.h"
#include "link/AcPropertyLink.h"
#include "modifiers/AcContentModifier.h"
#include "module/OpenedObject.h"
#include "rx/AcRxClass.h"
#include "service/AcPropertyLinkStyleMgr.h"
#include "style/AcPropertyLinkStyle.h"
#include "ut/AcUtil.h"
#include "ut/AdsCodes.h"
#include "ut/Mbstring.h"

namespace vantorell {

namespace {

enum class Pick { kEntity, kKeyword, kEnd };

CString resString(unsigned id) {
    return vantorellApp().loadResString(id);
}

void print(const CString& text) {
    acutPrintf("%s", text.GetString());
}

bool isKeyword(const char* answer, const char* keyword) {
    return _mbsicmp(reinterpret_cast<const unsigned char*>(answer),
                    reinterpret_cast<const unsigned char*>(keyword)) == 0;
}

// One entity pick with keywords: the entity's id or the keyword typed.
Pick pickOrKeyword(unsigned keywords, unsigned prompt, ads_name entity, std::string& keyword) {
    acedInitGet(RSG_NONULL, resString(keywords));
    ads_point point;
    int result = acedEntSel(resString(prompt), entity, point);
    if (result == RTKWORD) {
        char answer[132] = {};
        if (acedGetInput(answer) != RTNORM) return Pick::kEnd;
        keyword = answer;
        return Pick::kKeyword;
    }
    return result == RTNORM ? Pick::kEntity : Pick::kEnd;
}

// Model: pick a viewport and work in model space through it. False when no viewport was picked.
bool enterModelSpace() {
    AcDbViewport* viewport = pickViewport(resString(res::kPickViewport), AcDb::kForRead);
    if (viewport == nullptr) return false;
    switchToModelSpace();
    acedSetCurrentVPort(viewport);
    viewport->close();
    return true;
}

// The drawing's current style if it still opens as a style, else the first stored one.
bool currentOrFirstStyle(AcDbObjectId& style) {
    AcDbObjectId& current = documentReactor().currentStyle(acDocManagerPtr()->curDocument());
    if (OpenedObject<AcPropertyLinkStyle>(current, AcDb::kForRead)) {
        style = current;
        return true;
    }
    AcPropertyLinkStyleMgr* service = vantorellApp().service();
    AcDbDictionary* styles = service->openStylesDictionary(
        acdbHostApplicationServices()->workingDatabase(), AcDb::kForRead);
    if (styles == nullptr) return false;
    OpenedObject<AcDbDictionary> holder(styles);
    AcDbDictionaryIterator* iterator = styles->newIterator(AcRx::kDictSorted);
    style = (iterator != nullptr && !iterator->done()) ? iterator->objectId() : AcDbObjectId::kNull;
    delete iterator;
    return true;
}

// Chooses the style of the new link and makes it the drawing's current style.
bool chooseStyle(AcDbObjectId& style) {
    if (!currentOrFirstStyle(style)) return false;
    if (style.isNull() && !(askToCreateStyle() && pickStyleInManager(style))) return false;
    documentReactor().currentStyle(acDocManagerPtr()->curDocument()) = style;
    return true;
}

// The source loop: the source's id, after any number of Style, Model and Paper answers.
bool pickSource(AcDbObjectId& style, AcDbObjectId& source) {
    CString name;
    vantorellApp().service()->styleName(style, name);
    for (;;) {
        print(formatWithString(resString(res::kCurrentStyle), name));
        ads_name entity;
        std::string keyword;
        Pick pick = pickOrKeyword(res::kSourceKeywords,
                                  paperSpaceActive() ? res::kSourcePromptPaper : res::kSourcePrompt,
                                  entity, keyword);
        if (pick == Pick::kEnd) return false;
        if (pick == Pick::kEntity) return acdbGetObjectId(source, entity) == Acad::eOk;
        if (isKeyword(keyword.c_str(), "Style")) {
            if (!pickStyleInManager(style)) return false;
            vantorellApp().service()->styleName(style, name);
            documentReactor().currentStyle(acDocManagerPtr()->curDocument()) = style;
        } else if (isKeyword(keyword.c_str(), "Model")) {
            if (!enterModelSpace()) return false;
        } else if (isKeyword(keyword.c_str(), "Paper")) {
            switchToPaperSpace();
        } else if (isKeyword(keyword.c_str(), "eXit")) {
            return false;
        }
    }
}

// The DXF name of the kind of entity a modifier writes (its class name when it has none).
const char* kindName(AcRxClass* kind) {
    if (kind == nullptr) return "";
    return kind->dxfName() != nullptr ? kind->dxfName() : kind->name();
}

// Whether the picked entity can be the label: a class the style's modifier writes, and not the
// source itself. Says why not.
bool acceptableLabel(const AcPropertyLinkStyle& style, const AcDbObjectId& source,
                     const AcDbObjectId& label) {
    OpenedObject<AcDbEntity> entity(label, AcDb::kForRead);
    if (!entity) return false;
    AcContentModifier* modifier = style.contentModifier();
    AcRxClass* kind = modifier != nullptr ? modifier->supportedEntityKind() : nullptr;
    if (kind != nullptr && !entity->isKindOf(kind)) {
        print(formatWithString(resString(res::kLabelKindRequired), kindName(kind)));
        return false;
    }
    if (label == source) {
        print(resString(res::kLabelIsSource));
        return false;
    }
    return true;
}

// The label loop: the label's id, or the null id for Self.
bool pickLabel(const AcPropertyLinkStyle& style, const AcDbObjectId& source, AcDbObjectId& label) {
    for (;;) {
        ads_name entity;
        std::string keyword;
        Pick pick = pickOrKeyword(res::kLabelKeywords,
                                  paperSpaceActive() ? res::kLabelPromptPaper : res::kLabelPrompt,
                                  entity, keyword);
        if (pick == Pick::kEnd) return false;
        if (pick == Pick::kKeyword) {
            if (isKeyword(keyword.c_str(), "Self")) {
                label = AcDbObjectId::kNull;
                return true;
            }
            if (isKeyword(keyword.c_str(), "Model") && !enterModelSpace()) return false;
            if (isKeyword(keyword.c_str(), "Paper")) switchToPaperSpace();
            continue;
        }
        if (acdbGetObjectId(label, entity) == Acad::eOk && acceptableLabel(style, source, label))
            return true;
    }
}

// The source's extension dictionary open for write; null (said) on failure.
AcDbDictionary* openExtensionDictionary(AcDbEntity* source) {
    AcDbObject* object = nullptr;
    if (acdbOpenAcDbObject(object, source->extensionDictionary(), AcDb::kForWrite) == Acad::eOk) {
        if (AcDbDictionary* dictionary = AcDbDictionary::cast(object)) return dictionary;
        closeOrDelete(object);
    }
    print(resString(res::kExtensionDictionaryNotOpened));
    return nullptr;
}

// Stores the new link on the source and makes it the source's reactor.
bool storeLink(const AcDbObjectId& sourceId, const AcDbObjectId& labelId,
               const AcDbObjectId& styleId) {
    OpenedObject<AcPropertyLink> link(new (std::nothrow) AcPropertyLink());
    if (!link) return false;
    if (link->setLinkedObj(labelId) != Acad::eOk || link->setStyle(styleId) != Acad::eOk)
        return false;
    OpenedObject<AcDbEntity> source(sourceId, AcDb::kForWrite);
    if (!source) {
        print(resString(res::kSourceNotOpened));
        return false;
    }
    if (!source->extensionDictionary().isValid()) source->createExtensionDictionary();
    if (link->setOwnerId(source->extensionDictionary()) != Acad::eOk) return false;
    OpenedObject<AcDbDictionary> dictionary(openExtensionDictionary(source.get()));
    if (!dictionary) return false;
    AcDbObjectId linkId;
    if (dictionary->setAt("*U", link.get(), linkId) != Acad::eOk) return false;
    source->addPersistentReactor(linkId);
    source->recordGraphicsModified(true);
    source.reset();
    dictionary.reset();
    link.reset();
    return true;
}

bool pickAndLink(AcDbObjectId style) {
    ResourceScope resources;  // popped on every way out
    AcDbObjectId source;
    if (!pickSource(style, source)) return false;
    OpenedObject<AcPropertyLinkStyle> openStyle(style, AcDb::kForRead);
    if (!openStyle) return false;
    AcDbObjectId label;
    if (!pickLabel(*openStyle.get(), source, label)) return false;
    return storeLink(source, label, style);
}

}  // namespace

bool linkCreateCommand() {
    AcDbObjectId style;
    if (!chooseStyle(style)) return false;
    return pickAndLink(style);
}

}  // namespace vantorell

#include "commands/LinkCommands.h"

#include "app/MessageFormat.h"
#include "app/ResourceIds.h"
#include "app/ResourceScope.h"
#include "app/VantorellUiApp.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbEntity.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/StyleManagerDialog.h"
#include "ed/Selection.h"
#include "link/AcPropertyLink.h"
#include "module/OpenedObject.h"
#include "service/AcPropertyLinkStyleMgr.h"
#include "ut/AcUtil.h"
#include "ui/AcadFrame.h"
#include "ut/AdsCodes.h"

namespace vantorell {

namespace {

void printResString(unsigned id) {
    acutPrintf("%s", vantorellApp().loadResString(id).GetString());
}

void printCount(unsigned id, int count) {
    acutPrintf("%s", formatWithInt(vantorellApp().loadResString(id), count).GetString());
}

// A selection set freed on every way out.
class SelectionSet {
public:
    SelectionSet() = default;
    ~SelectionSet() {
        if (m_taken) acedSSFree(m_name);
    }
    SelectionSet(const SelectionSet&) = delete;
    SelectionSet& operator=(const SelectionSet&) = delete;

    bool select() {
        m_taken = acedSSGet(nullptr, nullptr, nullptr, nullptr, m_name) == RTNORM;
        return m_taken;
    }
    // The ids of the set's entities in order, up to the first one that cannot be taken.
    AcDbObjectIdArray entityIds() const {
        AcDbObjectIdArray ids;
        long length = 0;
        if (acedSSLength(m_name, &length) != RTNORM) return ids;
        for (long i = 0; i < length; ++i) {
            ads_name entity;
            AcDbObjectId id;
            if (acedSSName(m_name, i, entity) != RTNORM || acdbGetObjectId(id, entity) != Acad::eOk)
                break;
            ids.append(id);
        }
        return ids;
    }

private:
    ads_name m_name{};
    bool m_taken = false;
};

// Appends the ids of the links stored on one entity; false when it has no extension dictionary.
bool collectLinksOf(const AcDbObjectId& entityId, AcDbObjectIdArray& links) {
    OpenedObject<AcDbEntity> entity(entityId, AcDb::kForRead);
    if (!entity) return true;
    AcDbObjectId dictionaryId = entity->extensionDictionary();
    if (!dictionaryId.isValid()) return false;
    OpenedObject<AcDbDictionary> dictionary(dictionaryId, AcDb::kForRead);
    if (!dictionary) return true;
    AcDbDictionaryIterator* iterator = dictionary->newIterator(AcRx::kDictSorted);
    if (iterator == nullptr) return true;
    for (; !iterator->done(); iterator->next()) {
        AcDbObject* entry = nullptr;
        if (iterator->getObject(entry, AcDb::kForRead) != Acad::eOk) continue;
        OpenedObject<AcDbObject> held(entry);
        if (AcPropertyLink::cast(entry) != nullptr) links.append(entry->objectId());
    }
    delete iterator;
    return true;
}

// The link's extension dictionary and source entity ids, through the link's owners.
bool ownersOf(const AcDbObjectId& linkId, AcDbObjectId& dictionaryId, AcDbObjectId& sourceId) {
    OpenedObject<AcPropertyLink> link(linkId, AcDb::kForRead);
    if (!link) return false;
    dictionaryId = link->ownerId();
    OpenedObject<AcDbDictionary> dictionary(dictionaryId, AcDb::kForRead);
    if (!dictionary) return false;
    sourceId = dictionary->ownerId();
    return true;
}

// Takes one link out of its source's extension dictionary and reactor list and erases it. Every
// object is opened for write and checked before anything changes, so a link is either removed
// whole or left as it was (a link that is not among its source's reactors is still removed).
bool removeLink(const AcDbObjectId& linkId) {
    AcDbObjectId dictionaryId, sourceId;
    if (!ownersOf(linkId, dictionaryId, sourceId)) return false;
    OpenedObject<AcDbDictionary> dictionary(dictionaryId, AcDb::kForWrite);
    OpenedObject<AcDbEntity> source(sourceId, AcDb::kForWrite);
    OpenedObject<AcPropertyLink> link(linkId, AcDb::kForWrite);
    if (!dictionary || !source || !link || !dictionary->has(linkId)) return false;
    if (source->hasPersistentReactor(linkId) &&
        source->removePersistentReactor(linkId) != Acad::eOk)
        return false;
    if (dictionary->remove(linkId) != Acad::eOk) return false;
    return link->erase(true) == Acad::eOk;
}

}  // namespace

bool styleManagerCommand() {
    ResourceScope resources;
    StyleManagerDialog manager(acedGetAcadFrame());
    manager.setPickingMode(false);
    return manager.DoModal() == IDOK;
}

bool aboutCommand() {
    ResourceScope resources;
    AboutDialog about(acedGetAcadFrame());
    about.DoModal();
    return true;
}

bool linkRemoveCommand() {
    SelectionSet selection;
    if (!selection.select()) return false;
    AcDbObjectIdArray entities = selection.entityIds();
    if (entities.isEmpty()) {
        printResString(res::kNothingSelected);
        return false;
    }
    AcDbObjectIdArray links;
    for (const AcDbObjectId& entity : entities)
        if (!collectLinksOf(entity, links)) printResString(res::kNoExtensionDictionary);
    if (links.isEmpty()) {
        printResString(res::kNoLinksFound);
        return true;
    }
    int removed = 0;
    for (const AcDbObjectId& link : links)
        if (removeLink(link)) ++removed;
    printCount(res::kLinksFound, links.length());
    printCount(res::kLinksRemoved, removed);
    return true;
}

bool updateCommand() {
    if (AcPropertyLinkStyleMgr* service = vantorellApp().service()) service->processQueue();
    return true;
}

}  // namespace vantorell

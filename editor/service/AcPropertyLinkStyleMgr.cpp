#include "service/AcPropertyLinkStyleMgr.h"

#include <unordered_set>

#include "db/AcDbDatabase.h"
#include "db/AcDbDictionary.h"
#include "db/AcDbEntity.h"
#include "link/AcPropertyLink.h"
#include "module/OpenedObject.h"
#include "module/RuntimeClass.h"
#include "rx/Fatal.h"
#include "style/AcPropertyLinkStyle.h"

using vantorell::OpenedObject;

namespace {

AcRxObject* createService() {
    return new (std::nothrow) AcPropertyLinkStyleMgr();
}

// The deferred-update queue: ids in first-queued order, each once. The set answers membership
// in constant time; stale ids (erased, or of a closed drawing) are swept out while the queue is
// small and otherwise whenever it has doubled since the last sweep, so queuing stays constant
// time per call however many self links one command changes.
class LinkQueue {
public:
    int queue(const AcDbObjectId& id) {
        if (m_ids.length() < kAlwaysSweepBelow || m_ids.length() >= m_sweepAt) sweep();
        if (m_members.count(id) != 0) {
            if (!isStale(id)) return m_ids.length() == 0 ? 1 : m_ids.length();
            dropStale(id);
        }
        if (m_ids.length() == m_ids.physicalLength())
            m_ids.setPhysicalLength(std::max(m_ids.physicalLength() * 2, kGrowLength));
        m_ids.append(id);
        m_members.insert(id);
        return m_ids.length();
    }
    int length() const { return m_ids.length(); }
    AcDbObjectId at(int i) const { return m_ids[i]; }
    // Empties the queue; its memory stays allocated for the next command.
    void clear() {
        m_ids.setLogicalLength(0);
        m_members.clear();
        m_sweepAt = kAlwaysSweepBelow;
    }
    void release() {
        m_ids = AcDbObjectIdArray(0, kGrowLength);
        m_members = {};
        m_sweepAt = kAlwaysSweepBelow;
    }

private:
    static constexpr int kGrowLength = 8;
    static constexpr int kAlwaysSweepBelow = 8;

    static bool isStale(const AcDbObjectId& id) { return !id.isValid() || id.isErased(); }

    void sweep() {
        AcDbObjectIdArray kept(m_ids.physicalLength(), kGrowLength);
        for (const AcDbObjectId& id : m_ids) {
            if (isStale(id))
                m_members.erase(id);
            else
                kept.append(id);
        }
        m_ids = std::move(kept);
        m_sweepAt = std::max(kAlwaysSweepBelow, m_ids.length() * 2);
    }
    void dropStale(const AcDbObjectId& id) {
        m_ids.remove(id);
        m_members.erase(id);
    }

    AcDbObjectIdArray m_ids{0, kGrowLength};
    std::unordered_set<AcDbObjectId> m_members;
    int m_sweepAt = kAlwaysSweepBelow;
};

LinkQueue g_queue;
bool g_processing = false;

// Rewrites the source of one queued self link, the source being its own label. The link is
// marked while its style writes the source, so the notification that follows is not taken for a
// new change; the mark is cleared on every path, so a link whose dictionary or style cannot be
// opened still updates the next time.
void updateSelfLink(const AcDbObjectId& linkId) {
    OpenedObject<AcPropertyLink> link(linkId, AcDb::kForWrite);
    if (!link) return;
    link->setIsWithinDelayedModification(true);
    OpenedObject<AcDbDictionary> dictionary(link->ownerId(), AcDb::kForRead);
    OpenedObject<AcPropertyLinkStyle> style;
    if (dictionary) style.open(link->style(), AcDb::kForRead);
    if (!dictionary || !style) {
        link->setIsWithinDelayedModification(false);
        return;
    }
    link.reset();
    OpenedObject<AcDbEntity> entity(dictionary->ownerId(), AcDb::kForWrite);
    if (entity) style->update(entity.get(), entity.get());
    if (link.open(linkId, AcDb::kForWrite) == Acad::eOk) link->setIsWithinDelayedModification(false);
    style.reset();
    entity.reset();
    dictionary.reset();
    link.reset();
}

// Creates the styles dictionary in the named-objects dictionary (open for read); its id, or null.
AcDbObjectId createStylesDictionary(AcDbDictionary* named) {
    if (named->upgradeOpen() != Acad::eOk) return AcDbObjectId::kNull;
    auto* styles = new (std::nothrow) AcDbDictionary();
    if (styles == nullptr) return AcDbObjectId::kNull;
    AcDbObjectId id;
    if (named->setAt(vantorell::kStylesDictionaryKey, styles, id) != Acad::eOk) {
        delete styles;
        return AcDbObjectId::kNull;
    }
    if (styles->close() != Acad::eOk) acrx_abort("Failed AcDbObject::close()");
    return id;
}

}  // namespace

AcRxClass* AcPropertyLinkStyleMgr::gpDesc = nullptr;

AcRxClass* AcPropertyLinkStyleMgr::desc() {
    return vantorell::findClass(gpDesc, "AcPropertyLinkStyleMgr");
}

AcRxClass* AcPropertyLinkStyleMgr::isA() const {
    return desc();
}

AcPropertyLinkStyleMgr* AcPropertyLinkStyleMgr::cast(const AcRxObject* inPtr) {
    return (inPtr != nullptr && inPtr->isKindOf(desc()))
               ? static_cast<AcPropertyLinkStyleMgr*>(const_cast<AcRxObject*>(inPtr))
               : nullptr;
}

void AcPropertyLinkStyleMgr::rxInit() {
    vantorell::registerClass(gpDesc, vantorell::ClassDescription{"AcPropertyLinkStyleMgr",
                                                                 "AcRxService", false, 0, 0, 1,
                                                                 &createService, nullptr, nullptr});
}

int AcPropertyLinkStyleMgr::queueLink(const AcDbObjectId& linkId) {
    return g_queue.queue(linkId);
}

AcDbDictionary* AcPropertyLinkStyleMgr::openStylesDictionary(AcDbDatabase* db,
                                                            AcDb::OpenMode mode) {
    if (db == nullptr) return nullptr;
    AcDbDictionary* named = nullptr;
    if (db->getNamedObjectsDictionary(named, AcDb::kForRead) != Acad::eOk) return nullptr;
    OpenedObject<AcDbDictionary> namedHolder(named);
    AcDbObjectId id;
    Acad::ErrorStatus es = named->getAt(vantorell::kStylesDictionaryKey, id);
    if (es == Acad::eKeyNotFound) id = createStylesDictionary(named);
    if (id.isNull()) return nullptr;
    OpenedObject<AcDbDictionary> styles(id, mode);
    return styles.release();
}

bool AcPropertyLinkStyleMgr::isProcessingQueue() {
    return g_processing;
}

void AcPropertyLinkStyleMgr::styleName(AcDbObjectId styleId, CString& name) {
    name.Empty();
    OpenedObject<AcDbDictionary> styles(openStylesDictionary(styleId.database(), AcDb::kForRead));
    if (!styles) return;
    AcDbDictionaryIterator* iterator = styles->newIterator(AcRx::kDictSorted);
    if (iterator == nullptr) return;
    if (iterator->setPosition(styleId)) name = iterator->name();
    delete iterator;
}

void AcPropertyLinkStyleMgr::processQueue() {
    g_processing = true;
    for (int i = 0; i < g_queue.length(); ++i) updateSelfLink(g_queue.at(i));
    g_queue.clear();
    g_processing = false;
}

namespace vantorell {
int queuedLinkCount() {
    return g_queue.length();
}
void releaseLinkQueue() {
    g_queue.release();
}
}  // namespace vantorell

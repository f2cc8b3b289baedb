// AcPropertyLinkStyleMgr: the style-manager service. The single way to the styles dictionary of a
// drawing, and the deferred-update queue of self links (links whose label is their own source),
// which the object library fills during a command and the editor reactor or vt_update empties.
// The host owns the registered service object; the queue is module-wide state shared by every
// open drawing and freed when the module leaves the process.
#pragma once
#include "db/AcDb.h"
#include "db/AcDbObjectId.h"
#include "link/StyleManagerService.h"
#include "ut/CString.h"

class AcDbDatabase;
class AcDbDictionary;

class AcPropertyLinkStyleMgr : public vantorell::StyleManagerInterface {
public:
    static AcRxClass* gpDesc;
    static AcRxClass* desc();
    static AcPropertyLinkStyleMgr* cast(const AcRxObject* inPtr);
    static void rxInit();
    AcRxClass* isA() const override;

    // Queues a self link unless it is queued already; the new queue length, or a nonzero value
    // when it was there. Stale entries (ids no longer valid, or erased) are dropped first.
    int queueLink(const AcDbObjectId& linkId) override;
    // The styles dictionary of db open in mode, created when missing; null when db is null or the
    // dictionary cannot be found, created or opened. The caller closes it.
    AcDbDictionary* openStylesDictionary(AcDbDatabase* db, AcDb::OpenMode mode) override;
    bool isProcessingQueue() override;
    // The key of styleId in its drawing's styles dictionary; empty when not found.
    virtual void styleName(AcDbObjectId styleId, CString& name);
    // Rewrites every queued self link's source and empties the queue.
    virtual void processQueue();
};

namespace vantorell {
inline constexpr const char* kStylesDictionaryKey = "ORVN_Vantorell_Styles";

// The number of ids waiting in the deferred-update queue (for vt_update's callers and tests).
int queuedLinkCount();
// Drops the queue and frees its memory; the module does this when it leaves the process.
void releaseLinkQueue();
}  // namespace vantorell

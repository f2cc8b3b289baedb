// What the library knows of the editor application's style-manager service: it is registered as
// "AcPropertyLinkStyleMgr" in the host's service dictionary, its runtime class has the same name,
// and after the operations of AcRxService its own virtual operations come in this fixed order.
// The library calls only isProcessingQueue and queueLink, through the service's virtual table.
#pragma once
#include "db/AcDb.h"
#include "db/AcDbObjectId.h"
#include "rx/AcRxService.h"

class AcDbDatabase;
class AcDbDictionary;

namespace vantorell {

inline constexpr const char* kStyleManagerServiceName = "AcPropertyLinkStyleMgr";

class StyleManagerInterface : public AcRxService {
public:
    virtual int queueLink(const AcDbObjectId& linkId) = 0;
    virtual AcDbDictionary* openStylesDictionary(AcDbDatabase* db, AcDb::OpenMode mode) = 0;
    virtual bool isProcessingQueue() = 0;
};

// The registered service if it is of the service's runtime class, else null.
StyleManagerInterface* findStyleManager();

}  // namespace vantorell

// vthost::DocumentState: what the host keeps per open drawing besides its database — the lock
// stack, the resource-handle stack, the undo history, the last point and entity, the previous
// selection, the current viewport and the editor's LISP state. Owned by its AcApDocument. Host-internal.
#pragma once
#include <memory>
#include <vector>

#include "ap/AcAp.h"
#include "ap/UndoHistory.h"
#include "db/AcDbObjectId.h"
#include "ge/AcGePoint3d.h"
#include "ut/Win32.h"

namespace vthost {

struct LispDocument;  // the editor's LISP functions and queued expressions (ed/LispFunctions.h)

struct DocumentState {
    explicit DocumentState(AcDbDatabase* db) : undo(db) {}
    std::vector<AcAp::DocLockMode> locks;
    std::vector<HINSTANCE> resourceHandles;
    UndoHistory undo;
    AcGePoint3d lastPoint;
    bool hasLastPoint = false;
    std::vector<AcDbObjectId> previousSelection;
    // With TILEMODE 0: 1 is paper space, n >= 2 model space through viewport n.
    short cvport = 2;
    std::shared_ptr<LispDocument> lisp;
};

}  // namespace vthost

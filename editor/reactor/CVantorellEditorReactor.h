// CVantorellEditorReactor: the editor reactor that updates the queued self links once a command
// has ended, inside a transaction of its own. One instance exists while the application is
// initialised; the module owns it.
#pragma once
#include "ed/AcEditor.h"

class CVantorellEditorReactor : public AcEditorReactor {
public:
    static AcRxClass* gpDesc;
    static AcRxClass* desc();
    static CVantorellEditorReactor* cast(const AcRxObject* inPtr);
    static void rxInit();
    AcRxClass* isA() const override;

    void commandEnded(const char* cmdStr) override;
};

namespace vantorell {
// Creates the reactor and adds it to the editor, once.
void installEditorReactor();
// Takes the reactor from the editor and deletes it.
void removeEditorReactor();
// The transaction and queue work of commandEnded, also run by vt_update's callers.
void processQueueInTransaction();
}  // namespace vantorell

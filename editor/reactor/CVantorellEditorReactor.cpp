#include "reactor/CVantorellEditorReactor.h"

#include "ap/AcApDocManager.h"
#include "app/VantorellUiApp.h"
#include "db/AcDbHostApplicationServices.h"
#include "db/AcDbTransactionManager.h"
#include "module/RuntimeClass.h"
#include "rx/AcRxSysRegistry.h"
#include "service/AcPropertyLinkStyleMgr.h"

namespace {

CVantorellEditorReactor* g_reactor = nullptr;

AcEditor* editor() {
    return AcEditor::cast(acrxSysRegistry()->at("AcEditor"));
}

}  // namespace

AcRxClass* CVantorellEditorReactor::gpDesc = nullptr;

AcRxClass* CVantorellEditorReactor::desc() {
    return vantorell::findClass(gpDesc, "CVantorellEditorReactor");
}

AcRxClass* CVantorellEditorReactor::isA() const {
    return desc();
}

CVantorellEditorReactor* CVantorellEditorReactor::cast(const AcRxObject* inPtr) {
    return (inPtr != nullptr && inPtr->isKindOf(desc()))
               ? static_cast<CVantorellEditorReactor*>(const_cast<AcRxObject*>(inPtr))
               : nullptr;
}

void CVantorellEditorReactor::rxInit() {
    vantorell::registerClass(gpDesc, vantorell::ClassDescription{"CVantorellEditorReactor",
                                                                 "AcEditorReactor", false, 0, 0,
                                                                 0, nullptr, nullptr, nullptr});
}

void CVantorellEditorReactor::commandEnded(const char*) {
    vantorell::processQueueInTransaction();
}

namespace vantorell {

void processQueueInTransaction() {
    if (acdbHostApplicationServices()->workingDatabase() == nullptr) return;
    AcApDocument* document = acDocManagerPtr()->curDocument();
    AcPropertyLinkStyleMgr* service = vantorellApp().service();
    if (document == nullptr || service == nullptr) return;
    AcDbTransactionManager* transactions = document->transactionManager();
    transactions->startTransaction();
    service->processQueue();
    transactions->endTransaction();
}

void installEditorReactor() {
    if (g_reactor != nullptr) return;
    AcEditor* host = editor();
    if (host == nullptr) return;
    g_reactor = new CVantorellEditorReactor();
    host->addReactor(g_reactor);
}

void removeEditorReactor() {
    if (g_reactor == nullptr) return;
    if (AcEditor* host = editor()) host->removeReactor(g_reactor);
    delete g_reactor;
    g_reactor = nullptr;
}

}  // namespace vantorell

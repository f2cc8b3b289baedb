// AcApDocManagerReactor: what a module hears about documents. Derive, override what matters and
// add the reactor with acDocManager->addReactor; the caller owns it and removes it before it goes.
// documentToBeDestroyed comes while the document and its database are still valid.
#pragma once
#include "ap/AcAp.h"
#include "rx/AcRxObject.h"

class AcApDocument;

class AcApDocManagerReactor : public AcRxObject {
public:
    ACRX_DECLARE_MEMBERS(AcApDocManagerReactor);
    ~AcApDocManagerReactor() override = default;

    virtual void documentCreateStarted(AcApDocument*) {}
    virtual void documentCreated(AcApDocument*) {}
    virtual void documentToBeDestroyed(AcApDocument*) {}
    virtual void documentDestroyed(const char* /*fileName*/) {}
    virtual void documentCreateCanceled(AcApDocument*) {}
    virtual void documentLockModeWillChange(AcApDocument*, AcAp::DocLockMode /*myCurrentMode*/,
                                            AcAp::DocLockMode /*myNewMode*/,
                                            AcAp::DocLockMode /*currentMode*/,
                                            const char* /*globalCmdName*/) {}
    virtual void documentLockModeChangeVetoed(AcApDocument*, const char* /*globalCmdName*/) {}
    virtual void documentLockModeChanged(AcApDocument*, AcAp::DocLockMode /*myPreviousMode*/,
                                         AcAp::DocLockMode /*myCurrentMode*/,
                                         AcAp::DocLockMode /*currentMode*/,
                                         const char* /*globalCmdName*/) {}
    virtual void documentBecameCurrent(AcApDocument*) {}
    virtual void documentToBeActivated(AcApDocument*) {}
    virtual void documentToBeDeactivated(AcApDocument*) {}
    virtual void documentActivationModified(bool /*newActiveStatus*/) {}
    virtual void documentActivated(AcApDocument*) {}

protected:
    AcApDocManagerReactor() = default;
};

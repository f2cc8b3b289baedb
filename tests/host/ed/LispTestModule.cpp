// A module for the LISP tests. On every kLoadDwgMsg it defines VT_HELLO (code 1), VT_DIRECT (2,
// answered by a handler registered with acedRegFunc), VT_VOID (3), VT_FAIL (4, the module answers
// kRetError) and VT_BOGUS (99, a code it does not know), and queues "(vt_hello)". Every call it
// gets is printed on the command line. It unlocks itself at init so that tests can unload it.
#include "ed/AcedLisp.h"
#include "ed/EditorCommands.h"
#include "rx/AcRxDynamicLinker.h"
#include "ut/AcUtil.h"

namespace {

int direct() {
    acutPrintf("[direct %d]", acedGetFunCode());
    acedRetInt(42);
    return RSRSLT;
}

void defineFunctions() {
    acedDefun("vt_hello", 1);
    acedDefun("VT_Direct", 2);
    acedDefun("vt_void", 3);
    acedDefun("vt_fail", 4);
    acedDefun("vt_bogus", 99);
    ads_queueexpr("(vt_hello)");
}

AcRx::AppRetCode invoke() {
    switch (acedGetFunCode()) {
        case 1:
            acutPrintf("[hello]");
            acedRetStr("hello");
            return AcRx::kRetOK;
        case 3:
            acedRetVoid();
            return AcRx::kRetOK;
        case 4: return AcRx::kRetError;
        default:
            acdbFail("Received nonexistent function code.");
            acedRetNil();
            return AcRx::kRetOK;
    }
}

}  // namespace

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode message, void* appId) {
    switch (message) {
        case AcRx::kInitAppMsg:
            acrxUnlockApplication(appId);
            acedRegFunc(&direct, 2);
            return AcRx::kRetOK;
        case AcRx::kLoadDwgMsg:
            defineFunctions();
            return AcRx::kRetOK;
        case AcRx::kInvkSubrMsg: return invoke();
        default: return AcRx::kRetOK;
    }
}

// External LISP functions: how a module offers functions to the command line's LISP. Definitions
// are per document (a module defines its functions on kLoadDwgMsg); names are case-insensitive.
// Calling a defined function sends kInvkSubrMsg to the module that defined it, with the function
// code readable through acedGetFunCode, or calls the handler the module registered for that code
// with acedRegFunc, which answers RSRSLT (a result set with acedRet*) or RSERR. The result of a
// call is what the function set last (nil when it set nothing). A module's functions are dropped
// from every document when the module unloads. All answer RTNORM, or RTERROR on bad arguments.
#pragma once
#include "ut/AdsCodes.h"

extern "C" {
// Defines name (stored upper-case) in the current document for the calling module with code
// funcno (0..32767); a second definition replaces the first. RTERROR without a current drawing.
int acedDefun(const char* sname, short funcno);
// Removes name from the current document; RTERROR when it is not defined there with funcno.
int acedUndef(const char* sname, short funcno);
// The calling module's handler for fcode (null removes it).
int acedRegFunc(int (*fhdl)(void), int fcode);
// Inside a call: the code of the function being invoked; RTERROR otherwise.
int acedGetFunCode(void);
// The result of the call in progress; RTERROR outside a call.
int acedRetVoid(void);
int acedRetNil(void);
int acedRetT(void);
int acedRetInt(int value);
int acedRetReal(ads_real value);
int acedRetStr(const char* value);
// Queues expr for the current document; queued expressions run in order once the document's
// kLoadDwgMsg round is over, before its next Command prompt. RTERROR without a current drawing.
int ads_queueexpr(const char* expr);
}

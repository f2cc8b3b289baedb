// vthost LISP functions: the per-document table of external functions that modules define with
// acedDefun, the handlers of acedRegFunc, and calling them (kInvkSubrMsg or the handler) with the
// call's code and result in place. Each document's table and queued expressions live in its
// LispDocument, owned by the document's state. A module's functions go when it unloads.
// Host-internal.
#pragma once
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "ed/LispValue.h"
#include "ut/Win32.h"

class AcApDocument;

namespace vthost {

struct LispDocument {
    struct Definition {
        HMODULE module = nullptr;  // null: defined by the host itself (or a test program)
        short code = 0;
    };
    std::map<std::string, Definition> functions;  // by upper-case name
    std::deque<std::string> queue;                // ads_queueexpr, oldest first
};

// The document's LISP state, made on first use; null for a null document.
LispDocument* lispDocument(AcApDocument* doc);
// Upper-case names of the functions defined in the current document.
std::vector<std::string> definedLispFunctions();
bool isLispFunctionDefined(const std::string& upperName);
// Calls the current document's function upperName. False with error set when the call failed
// (the function is not defined, its module answered kRetError, its handler RSERR).
bool callLispFunction(const std::string& upperName, LispValue& result, std::string& error);
// Drops every definition and handler of module, in every document.
void dropLispFunctionsOf(HMODULE module);

}  // namespace vthost

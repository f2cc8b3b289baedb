#include "ed/LispFunctions.h"

#include <cctype>
#include <utility>

#include "ap/AcApDocManager.h"
#include "ap/DocumentState.h"
#include "ed/AcedLisp.h"
#include "rx/AcRx.h"
#include "rx/AcRxDynamicLinker.h"

namespace vthost {

namespace {

using Handler = int (*)();

// The call in progress (calls nest when a function's code evaluates LISP again).
struct Call {
    short code = 0;
    LispValue result;
};
std::vector<Call> g_calls;

std::map<std::pair<HMODULE, int>, Handler>& handlers() {
    static std::map<std::pair<HMODULE, int>, Handler> registered;
    return registered;
}

void watchModuleUnloads() {
    static bool watching = false;
    if (!watching) addModuleUnloadObserver(&dropLispFunctionsOf);
    watching = true;
}

std::string upper(const char* name) {
    std::string result = name;
    for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

LispDocument* currentLisp() {
    return acDocManager != nullptr ? lispDocument(acDocManager->curDocument()) : nullptr;
}

int setResult(LispValue value) {
    if (g_calls.empty()) return RTERROR;
    g_calls.back().result = std::move(value);
    return RTNORM;
}

bool invoke(const LispDocument::Definition& definition, std::string& error) {
    auto handler = handlers().find({definition.module, definition.code});
    if (handler != handlers().end()) {
        if (handler->second() == RSRSLT) return true;
        error = "function failed";
        return false;
    }
    auto entry = procAddress<AcRxEntryPointFunction>(definition.module, "acrxEntryPoint");
    if (definition.module == nullptr || entry == nullptr) {
        error = "no function handler";
        return false;
    }
    if (entry(AcRx::kInvkSubrMsg, definition.module) == AcRx::kRetOK) return true;
    error = "function failed";
    return false;
}

}  // namespace

LispDocument* lispDocument(AcApDocument* doc) {
    if (doc == nullptr) return nullptr;
    std::shared_ptr<LispDocument>& lisp = doc->state().lisp;
    if (!lisp) lisp = std::make_shared<LispDocument>();
    return lisp.get();
}

std::vector<std::string> definedLispFunctions() {
    std::vector<std::string> names;
    if (LispDocument* lisp = currentLisp())
        for (const auto& [name, definition] : lisp->functions) names.push_back(name);
    return names;
}

bool isLispFunctionDefined(const std::string& upperName) {
    LispDocument* lisp = currentLisp();
    return lisp != nullptr && lisp->functions.count(upperName) > 0;
}

bool callLispFunction(const std::string& upperName, LispValue& result, std::string& error) {
    if (!isLispFunctionDefined(upperName)) {
        error = "no function definition: " + upperName;
        return false;
    }
    LispDocument::Definition definition = currentLisp()->functions[upperName];
    g_calls.push_back(Call{definition.code, LispValue::nil()});
    bool ok = invoke(definition, error);
    result = std::move(g_calls.back().result);
    g_calls.pop_back();
    return ok;
}

void dropLispFunctionsOf(HMODULE module) {
    std::erase_if(handlers(), [&](const auto& entry) { return entry.first.first == module; });
    if (acDocManager == nullptr) return;
    for (AcApDocument* doc : acDocManager->documents())
        std::erase_if(lispDocument(doc)->functions,
                      [&](const auto& entry) { return entry.second.module == module; });
}

}  // namespace vthost

extern "C" {

__attribute__((noinline)) int acedDefun(const char* sname, short funcno) {
    vthost::LispDocument* lisp = vthost::currentLisp();
    if (lisp == nullptr || sname == nullptr || *sname == '\0' || funcno < 0) return RTERROR;
    vthost::watchModuleUnloads();
    HMODULE module = vthost::moduleContaining(__builtin_return_address(0));
    lisp->functions[vthost::upper(sname)] = {module, funcno};
    return RTNORM;
}

int acedUndef(const char* sname, short funcno) {
    vthost::LispDocument* lisp = vthost::currentLisp();
    if (lisp == nullptr || sname == nullptr) return RTERROR;
    auto found = lisp->functions.find(vthost::upper(sname));
    if (found == lisp->functions.end() || found->second.code != funcno) return RTERROR;
    lisp->functions.erase(found);
    return RTNORM;
}

__attribute__((noinline)) int acedRegFunc(int (*fhdl)(void), int fcode) {
    if (fcode < 0 || fcode > 32767) return RTERROR;
    vthost::watchModuleUnloads();
    HMODULE module = vthost::moduleContaining(__builtin_return_address(0));
    if (fhdl == nullptr) vthost::handlers().erase({module, fcode});
    else vthost::handlers()[{module, fcode}] = fhdl;
    return RTNORM;
}

int acedGetFunCode(void) { return vthost::g_calls.empty() ? RTERROR : vthost::g_calls.back().code; }
int acedRetVoid(void) { return vthost::setResult(vthost::LispValue::none()); }
int acedRetNil(void) { return vthost::setResult(vthost::LispValue::nil()); }
int acedRetT(void) { return vthost::setResult(vthost::LispValue::t()); }
int acedRetInt(int value) { return vthost::setResult(vthost::LispValue::number(value)); }
int acedRetReal(ads_real value) { return vthost::setResult(vthost::LispValue::realNumber(value)); }
int acedRetStr(const char* value) {
    return value ? vthost::setResult(vthost::LispValue::string(value)) : RTERROR;
}

int ads_queueexpr(const char* expr) {
    vthost::LispDocument* lisp = vthost::currentLisp();
    if (lisp == nullptr || expr == nullptr) return RTERROR;
    lisp->queue.emplace_back(expr);
    return RTNORM;
}

}  // extern "C"

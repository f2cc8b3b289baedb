#include "ed/LispEvaluator.h"

#include <cstdlib>
#include <vector>

#include "ap/AcApDocManager.h"
#include "ed/LispFunctions.h"
#include "ed/LispReader.h"
#include "ed/SystemVariables.h"
#include "ut/AcUtil.h"

namespace vthost {

namespace {

using Kind = LispValue::Kind;

bool wantArguments(const std::vector<LispValue>& args, std::size_t count, std::string& error) {
    if (args.size() == count) return true;
    error = args.size() < count ? "too few arguments" : "too many arguments";
    return false;
}

LispValue fromResbuf(const resbuf& value) {
    switch (value.restype) {
        case RTSHORT: return LispValue::number(value.resval.rint);
        case RTLONG: return LispValue::number(value.resval.rlong);
        case RTREAL:
        case RTANG: return LispValue::realNumber(value.resval.rreal);
        case RTSTR: {
            LispValue text = LispValue::string(value.resval.rstring ? value.resval.rstring : "");
            std::free(value.resval.rstring);
            return text;
        }
        case RTPOINT:
        case RT3DPOINT: {
            LispValue list;
            list.kind = Kind::kList;
            for (double c : value.resval.rpoint) list.items.push_back(LispValue::realNumber(c));
            return list;
        }
        default: return LispValue::nil();
    }
}

bool toResbuf(const LispValue& value, resbuf& out) {
    out.rbnext = nullptr;
    if (value.kind == Kind::kInt && value.integer >= -32768 && value.integer <= 32767) {
        out.restype = RTSHORT, out.resval.rint = static_cast<short>(value.integer);
    } else if (value.kind == Kind::kInt || value.kind == Kind::kReal) {
        out.restype = RTREAL;
        out.resval.rreal = value.kind == Kind::kInt ? static_cast<double>(value.integer) : value.real;
    } else if (value.kind == Kind::kString) {
        out.restype = RTSTR, out.resval.rstring = const_cast<char*>(value.text.c_str());
    } else {
        return false;
    }
    return true;
}

bool getvar(const std::vector<LispValue>& args, LispValue& result, std::string& error) {
    if (!wantArguments(args, 1, error)) return false;
    if (args[0].kind != Kind::kString) return error = "bad argument type: stringp", false;
    resbuf value{};
    result = acedGetVar(args[0].text.c_str(), &value) == RTNORM ? fromResbuf(value) : LispValue::nil();
    return true;
}

bool setvar(const std::vector<LispValue>& args, LispValue& result, std::string& error) {
    if (!wantArguments(args, 2, error)) return false;
    if (args[0].kind != Kind::kString) return error = "bad argument type: stringp", false;
    resbuf value{};
    if (!toResbuf(args[1], value) || acedSetVar(args[0].text.c_str(), &value) != RTNORM) {
        error = "variable setting rejected: \"" + args[0].text + "\" " + lispText(args[1]);
        return false;
    }
    result = args[1];
    return true;
}

bool princ(const std::vector<LispValue>& args, LispValue& result, std::string& error) {
    if (args.size() > 1) return error = "too many arguments", false;
    if (args.empty()) return result = LispValue::none(), true;
    acutPrintf("%s", lispPrincText(args[0]).c_str());
    result = args[0];
    return true;
}

bool callBuiltIn(const std::string& name, const std::vector<LispValue>& args, LispValue& result,
                 std::string& error, bool& found) {
    found = true;
    if (name == "GETVAR") return getvar(args, result, error);
    if (name == "SETVAR") return setvar(args, result, error);
    if (name == "PRINC") return princ(args, result, error);
    found = false;
    return false;
}

bool evaluateCall(const LispValue& form, LispValue& result, std::string& error) {
    const LispValue& head = form.items.front();
    if (head.kind != Kind::kSymbol) return error = "bad function: " + lispText(head), false;
    if (head.text == "QUOTE") {
        if (form.items.size() != 2) return error = "bad argument count: QUOTE", false;
        return result = form.items[1], true;
    }
    std::vector<LispValue> args;
    for (std::size_t i = 1; i < form.items.size(); ++i) {
        LispValue value;
        if (!evaluateLisp(form.items[i], value, error)) return false;
        args.push_back(std::move(value));
    }
    bool builtIn = false;
    bool ok = callBuiltIn(head.text, args, result, error, builtIn);
    if (builtIn) return ok;
    return callLispFunction(head.text, result, error);
}

}  // namespace

bool evaluateLisp(const LispValue& form, LispValue& result, std::string& error) {
    if (form.kind == Kind::kSymbol) return result = LispValue::nil(), true;
    if (form.kind != Kind::kList) return result = form, true;
    return evaluateCall(form, result, error);
}

bool evaluateLispText(const std::string& text, bool echo) {
    std::vector<LispValue> forms;
    std::string error;
    bool ok = readLisp(text, forms, error);
    for (const LispValue& form : forms) {
        LispValue result;
        if (!evaluateLisp(form, result, error)) {
            ok = false;
            break;
        }
        if (echo && result.kind != Kind::kVoid) acutPrintf("\n%s", lispText(result).c_str());
    }
    if (!ok) acutPrintf("\n; error: %s", error.c_str());
    return ok;
}

void runQueuedExpressions() {
    AcApDocument* doc = acDocManager != nullptr ? acDocManager->curDocument() : nullptr;
    for (int run = 0; run < kMaxQueuedRuns; ++run) {
        LispDocument* lisp = lispDocument(doc);
        if (lisp == nullptr || lisp->queue.empty()) return;
        std::string expression = std::move(lisp->queue.front());
        lisp->queue.pop_front();
        evaluateLispText(expression, false);
        if (acDocManager == nullptr || acDocManager->curDocument() != doc) return;
    }
}

}  // namespace vthost

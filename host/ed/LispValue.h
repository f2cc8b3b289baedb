// vthost::LispValue: one value of the command line's small LISP — nil, T, an integer, a real, a
// string, a symbol (kept upper-case) or a list. Values own their items. lispText prints a value
// the way the command line echoes a result (strings quoted, reals with a decimal point).
// Host-internal.
#pragma once
#include <string>
#include <vector>

namespace vthost {

struct LispValue {
    enum class Kind { kNil, kT, kInt, kReal, kString, kSymbol, kList, kVoid };

    Kind kind = Kind::kNil;
    long integer = 0;
    double real = 0.0;
    std::string text;  // string contents or symbol name
    std::vector<LispValue> items;

    static LispValue nil() { return {}; }
    static LispValue t() { return make(Kind::kT); }
    static LispValue none() { return make(Kind::kVoid); }
    static LispValue number(long value) { LispValue v = make(Kind::kInt); v.integer = value; return v; }
    static LispValue realNumber(double value) { LispValue v = make(Kind::kReal); v.real = value; return v; }
    static LispValue string(std::string value) { return make(Kind::kString, std::move(value)); }
    static LispValue symbol(std::string name) { return make(Kind::kSymbol, std::move(name)); }

    bool isNil() const { return kind == Kind::kNil; }

private:
    static LispValue make(Kind kind, std::string text = {}) {
        LispValue v;
        v.kind = kind;
        v.text = std::move(text);
        return v;
    }
};

// The printed form: nil, T, 12, 1.5, "text" (with \" \\ \n \t escapes), NAME, (a b c); a value
// without a result (kVoid) prints as nothing. princ-style text leaves strings unquoted.
std::string lispText(const LispValue& value);
std::string lispPrincText(const LispValue& value);

}  // namespace vthost

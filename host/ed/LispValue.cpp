#include "ed/LispValue.h"

#include <cmath>
#include <cstdio>

namespace vthost {

namespace {

std::string realText(double value) {
    if (std::isnan(value)) return "1.#IND";
    if (std::isinf(value)) return value < 0 ? "-1.#INF" : "1.#INF";
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", value);
    std::string result = text;
    if (result.find_first_of(".e") == std::string::npos) result += ".0";
    return result;
}

std::string quoted(const std::string& text) {
    std::string result = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') result += '\\', result += c;
        else if (c == '\n') result += "\\n";
        else if (c == '\t') result += "\\t";
        else result += c;
    }
    return result + "\"";
}

std::string printed(const LispValue& value, bool quoteStrings) {
    switch (value.kind) {
        case LispValue::Kind::kNil: return "nil";
        case LispValue::Kind::kT: return "T";
        case LispValue::Kind::kVoid: return "";
        case LispValue::Kind::kInt: return std::to_string(value.integer);
        case LispValue::Kind::kReal: return realText(value.real);
        case LispValue::Kind::kString: return quoteStrings ? quoted(value.text) : value.text;
        case LispValue::Kind::kSymbol: return value.text;
        case LispValue::Kind::kList: break;
    }
    std::string result = "(";
    for (std::size_t i = 0; i < value.items.size(); ++i)
        result += (i ? " " : "") + printed(value.items[i], quoteStrings);
    return result + ")";
}

}  // namespace

std::string lispText(const LispValue& value) { return printed(value, true); }
std::string lispPrincText(const LispValue& value) { return printed(value, false); }

}  // namespace vthost

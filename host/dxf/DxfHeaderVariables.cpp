#include "dxf/DxfHeaderVariables.h"

#include <cmath>

namespace vthost {

namespace {

struct IntegerVariable {
    const char* name;
    int low;
    int high;
};

// The integer variables kept and their ranges.
constexpr IntegerVariable kIntegers[] = {
    {"LUNITS", 1, 5}, {"LUPREC", 0, 8}, {"DIMZIN", 0, 15}, {"UNITMODE", 0, 1},
    {"AUNITS", 0, 4}, {"AUPREC", 0, 8}, {"INSUNITS", 0, 24},
};

std::string withoutDollar(const std::string& dxfName) {
    std::string name = upperAscii(dxfName);
    return !name.empty() && name[0] == '$' ? name.substr(1) : name;
}

const IntegerVariable* integerVariable(const std::string& name) {
    for (const IntegerVariable& variable : kIntegers)
        if (name == variable.name) return &variable;
    return nullptr;
}

}  // namespace

std::optional<HeaderValue> headerFromDxfInt(const std::string& dxfName, int value,
                                            std::string& name) {
    name = withoutDollar(dxfName);
    const IntegerVariable* variable = integerVariable(name);
    if (variable == nullptr || value < variable->low || value > variable->high)
        return std::nullopt;
    return HeaderValue(static_cast<short>(value));
}

std::optional<HeaderValue> headerFromDxfReal(const std::string& dxfName, double value,
                                             std::string& name) {
    name = withoutDollar(dxfName);
    if (name != "TEXTSIZE" || !std::isfinite(value) || value <= 0.0) return std::nullopt;
    return HeaderValue(value);
}

bool isKeptHeaderVariable(const std::string& dxfName) {
    std::string name = withoutDollar(dxfName);
    return integerVariable(name) != nullptr || name == "TEXTSIZE";
}

std::vector<DxfHeaderItem> headerForDxf(const HeaderVariables& header) {
    std::vector<DxfHeaderItem> items;
    for (const IntegerVariable& variable : kIntegers) {
        const HeaderValue* value = header.find(variable.name);
        if (value != nullptr && std::holds_alternative<short>(*value))
            items.push_back({std::string("$") + variable.name, 70, *value});
    }
    const HeaderValue* textSize = header.find("TEXTSIZE");
    if (textSize != nullptr && std::holds_alternative<double>(*textSize))
        items.push_back({"$TEXTSIZE", 40, *textSize});
    return items;
}

}  // namespace vthost

// Fuzz target for the DIESEL evaluator: any byte string is a macro. The environment answers a few
// variables, including texts that feed themselves back through eval, a huge value, and formats
// every number it is given, so those paths are reached too. Checks the output limit and status.
#include "diesel/DieselEvaluator.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

namespace {

class FuzzEnvironment : public vthost::DieselEnvironment {
public:
    bool getVariable(const std::string& name, std::string& value) override {
        static const std::map<std::string, std::string> kVariables = {
            {"a", "$(eval,$(getvar,a))$(eval,$(getvar,a))"},
            {"b", "$(eval,$(getvar,c))$(eval,$(getvar,c))$(eval,$(getvar,c))"},
            {"c", "$(eval,$(getvar,b))"},
            {"clayer", "BASE"},
            {"date", "2451062.203675694444"},
            {"huge", std::string(100000, '$')},
            {"limmax", "12,9,0"},
            {"q", "\"$(+,1"},
        };
        const auto found = kVariables.find(name);
        if (found == kVariables.end()) return false;
        value = found->second;
        return true;
    }
    std::string getEnvironment(const std::string& name) override { return name + "=" + name; }
    bool formatDistance(double value, int mode, int precision, std::string& out) override {
        out = vthost::formatDieselReal(value) + std::to_string(mode) + std::to_string(precision);
        return mode < 5;
    }
    bool formatAngle(double radians, int mode, int precision, std::string& out) override {
        return formatDistance(radians, mode, precision, out);
    }
    double julianDateNow() override { return 2451062.203675694444; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzEnvironment env;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const vthost::DieselResult result = vthost::evaluateDiesel(input, env);
    if (result.text.size() > 4095 || result.status < -1) std::abort();
    const bool plain = input.find('"') == std::string_view::npos &&
                       input.find("$(") == std::string_view::npos && size <= 4095;
    if (plain && (result.text != input || result.status != 0)) std::abort();  // copied unchanged
    return 0;
}

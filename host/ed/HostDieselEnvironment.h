// The DIESEL environment of the host: $(getvar) reads the system variables, $(rtos)/$(angtos)
// format with the working drawing's units, $(getenv) reads the host's settings store.
#pragma once
#include <string>

#include "diesel/DieselEvaluator.h"

namespace vthost {

class HostDieselEnvironment : public DieselEnvironment {
public:
    bool getVariable(const std::string& name, std::string& value) override;
    std::string getEnvironment(const std::string& name) override;
    bool formatDistance(double value, int mode, int precision, std::string& out) override;
    bool formatAngle(double radians, int mode, int precision, std::string& out) override;
    double julianDateNow() override;
};

// Evaluates a DIESEL expression in the host's environment and returns its text.
std::string evaluateMacro(const char* expression, DieselEnvironment& environment);

}  // namespace vthost

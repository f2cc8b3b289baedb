#include "ed/HostDieselEnvironment.h"

#include "ed/EditorInput.h"
#include "ed/SystemVariables.h"
#include "ed/UnitSettings.h"
#include "units/AngularFormat.h"
#include "units/LinearFormat.h"

namespace vthost {

bool HostDieselEnvironment::getVariable(const std::string& name, std::string& value) {
    HeaderValue found;
    if (!findVariable(name, found)) return false;
    if (const short* s = std::get_if<short>(&found)) {
        value = std::to_string(*s);
    } else if (const double* d = std::get_if<double>(&found)) {
        value = formatDieselReal(*d);
    } else if (const std::string* text = std::get_if<std::string>(&found)) {
        value = *text;
    } else {
        const auto& p = std::get<AcGePoint3d>(found);
        value = formatDieselReal(p.x) + "," + formatDieselReal(p.y) + "," + formatDieselReal(p.z);
    }
    return true;
}

std::string HostDieselEnvironment::getEnvironment(const std::string& name) {
    const char* value = settingValue(name.c_str());
    return value ? value : "";
}

bool HostDieselEnvironment::formatDistance(double value, int mode, int precision,
                                           std::string& out) {
    return formatLinear(value, mode, precision, currentLinearSettings(), out) == RTNORM;
}

bool HostDieselEnvironment::formatAngle(double radians, int mode, int precision,
                                        std::string& out) {
    return formatAngular(radians, mode, precision, currentAngularSettings(), out) == RTNORM;
}

double HostDieselEnvironment::julianDateNow() { return vthost::julianDateNow(); }

std::string evaluateMacro(const char* expression, DieselEnvironment& environment) {
    return evaluateDiesel(expression ? expression : "", environment).text;
}

}  // namespace vthost

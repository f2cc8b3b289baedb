// Functions that ask the host: getvar, getenv, rtos, angtos, edtime and linelen. The environment
// does the lookups and the unit formatting; these handlers read the arguments, supply defaults
// (-1: the drawing's current setting) and turn a refusal into the function's error.
#include "diesel/DieselFunctions.h"

#include "diesel/DieselEdtime.h"
#include "diesel/DieselNumbers.h"

#include <cmath>

namespace vthost {
namespace {

constexpr int kStatusLineWidth = 240;
constexpr double kTwoPi = 6.283185307179586476925286766559;

std::string trimmedBlanks(const std::string& text) {
    std::size_t from = 0, to = text.size();
    while (from < to && isDieselBlank(text[from])) ++from;
    while (to > from && isDieselBlank(text[to - 1])) --to;
    return text.substr(from, to - from);
}

// $(f,value[,mode[,precision]]): an omitted mode or precision is -1.
bool readFormatArguments(DieselCall& call, double& value, int& mode, int& precision) {
    mode = precision = -1;
    if (!call.argCountIn(1, 3) || !call.real(0, value)) return false;
    if (call.argCount() >= 2 && !call.integer(1, mode)) return false;
    return call.argCount() < 3 || call.integer(2, precision);
}

// Brings a finite angle into [0, 2*pi); infinities and nan go to the formatter as they are.
double normalizedAngle(double radians) {
    if (!std::isfinite(radians)) return radians;
    double angle = std::fmod(radians, kTwoPi);
    if (angle < 0) angle += kTwoPi;
    return angle >= kTwoPi ? 0.0 : angle + 0.0;  // + 0.0 turns -0 into 0
}

}  // namespace

namespace diesel_fn {

bool systemVariable(DieselCall& call, std::string& result) {
    std::string name;
    if (call.argCount() != 1 || !call.text(0, name)) return false;
    name = trimmedBlanks(name);
    return !name.empty() && call.run().environment().getVariable(name, result);
}

bool settingValue(DieselCall& call, std::string& result) {
    std::string name;
    if (call.argCount() != 1 || !call.text(0, name)) return false;
    result = name.empty() ? std::string() : call.run().environment().getEnvironment(name);
    return true;
}

bool formatDistance(DieselCall& call, std::string& result) {
    double value = 0;
    int mode = -1, precision = -1;
    if (!readFormatArguments(call, value, mode, precision)) return false;
    return call.run().environment().formatDistance(value, mode, precision, result);
}

bool formatAngle(DieselCall& call, std::string& result) {
    double radians = 0;
    int mode = -1, precision = -1;
    if (!readFormatArguments(call, radians, mode, precision)) return false;
    return call.run().environment().formatAngle(normalizedAngle(radians), mode, precision, result);
}

// $(edtime,date,picture): date is a Julian date; 0 means the moment this evaluation started.
bool editTime(DieselCall& call, std::string& result) {
    double date = 0;
    std::string picture;
    if (call.argCount() != 2 || !call.real(0, date) || !call.text(1, picture)) return false;
    if (date == 0) date = call.run().startMoment();
    DieselMoment moment;
    if (!momentFromJulianDate(date, moment)) return false;
    result = formatEdtimePicture(picture, moment);
    return true;
}

bool lineLength(DieselCall& call, std::string& result) {
    if (call.argCount() != 0) return false;
    result = formatDieselInteger(kStatusLineWidth);
    return true;
}

}  // namespace diesel_fn
}  // namespace vthost

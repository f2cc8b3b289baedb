// formatAngular: normalises the angle, then formats by mode. Decimal modes round with
// std::to_chars; degrees/minutes/seconds and bearings round the angle once to a whole number of
// ticks (the smallest unit shown) and split the ticks with integer arithmetic, so 59.9999
// seconds carry into minutes and degrees by themselves. A full circle holds at most
// 360 * 3600 * 10^4 ticks, which fits a long long.
#include "units/AngularFormat.h"

#include "ut/AdsCodes.h"
#include "units/NumberText.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vthost {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * kPi;
constexpr int kMaxPlaces = 8;

bool validMode(int mode) {
    return mode >= 0 && mode <= 4;
}

// Brings radians into [0, 2π): a tiny negative angle that reaches 2π after adding a turn, and
// -0, both become +0.
double normalised(double radians) {
    double angle = std::fmod(radians, kTwoPi);
    if (angle < 0.0) angle += kTwoPi;
    if (angle >= kTwoPi || angle == 0.0) angle = 0.0;
    return angle;
}

// Dividing by π first keeps the simple fractions of a turn exact: π/4 gives 45 and 50.
double inDegrees(double angle) {
    return angle / kPi * 180.0;
}
double inGrads(double angle) {
    return angle / kPi * 200.0;
}

// A decimal reading of the angle; one that rounds to a whole turn prints as zero.
std::string turnText(double value, double fullTurn, int places) {
    std::string text = units::fixedText(value, places);
    return text == units::fixedText(fullTurn, places) ? units::fixedText(0.0, places) : text;
}

// The smallest unit that degrees/minutes/seconds show at a precision: 0 whole degrees,
// 1-2 whole minutes, 3-4 whole seconds, 5-8 seconds with 1-4 decimals.
struct DmsResolution {
    long long ticksPerDegree = 1;
    int fields = 1;  // 1 degrees, 2 and minutes, 3 and seconds
    int secondPlaces = 0;
};

DmsResolution dmsResolution(int precision) {
    if (precision == 0) return {1, 1, 0};
    if (precision <= 2) return {60, 2, 0};
    int places = std::max(precision - 4, 0);
    long long scale = 1;
    for (int i = 0; i < places; ++i) scale *= 10;
    return {3600 * scale, 3, places};
}

// REQUIRES: 0 <= degrees <= 360. The result lies in [0, 360 * ticksPerDegree).
long long roundedTicks(double degrees, const DmsResolution& resolution) {
    long long fullTurn = 360 * resolution.ticksPerDegree;
    long long ticks = std::llround(degrees * static_cast<double>(resolution.ticksPerDegree));
    return ticks >= fullTurn ? ticks - fullTurn : ticks;
}

std::string zeroPadded(long long number, int width) {
    std::string text = std::to_string(number);
    return std::string(static_cast<std::size_t>(std::max(0, width - int(text.size()))), '0') + text;
}

// 45d, 45d0', 45d0'0", 45d0'0.00".
std::string dmsText(long long ticks, const DmsResolution& resolution) {
    std::string text = std::to_string(ticks / resolution.ticksPerDegree) + "d";
    if (resolution.fields == 1) return text;
    long long ticksPerMinute = resolution.ticksPerDegree / 60;
    long long rest = ticks % resolution.ticksPerDegree;
    text += std::to_string(rest / ticksPerMinute) + "'";
    if (resolution.fields == 2) return text;
    long long ticksPerSecond = ticksPerMinute / 60;
    rest %= ticksPerMinute;
    text += std::to_string(rest / ticksPerSecond);
    if (resolution.secondPlaces > 0)
        text += "." + zeroPadded(rest % ticksPerSecond, resolution.secondPlaces);
    return text + "\"";
}

// A bearing: the angle from north or south towards east or west ("N 45d0'0\" E"). The angle
// counts counterclockwise from east, so the quadrants run NE, NW, SW, SE; due directions, after
// rounding, print as the bare letter.
std::string surveyorText(double degrees, const DmsResolution& resolution) {
    static const char* const kAxes[] = {"E", "N", "W", "S"};
    long long quarter = 90 * resolution.ticksPerDegree;
    long long ticks = roundedTicks(degrees, resolution);
    long long quadrant = ticks / quarter;
    long long offset = ticks % quarter;
    if (offset == 0) return kAxes[quadrant];
    long long bearing = quadrant % 2 == 0 ? quarter - offset : offset;
    std::string northSouth = quadrant < 2 ? "N " : "S ";
    std::string eastWest = (quadrant == 0 || quadrant == 3) ? " E" : " W";
    return northSouth + dmsText(bearing, resolution) + eastWest;
}

std::string formatFinite(double radians, int mode, int places) {
    double angle = normalised(radians);
    switch (mode) {
        case 0:
            return turnText(inDegrees(angle), 360.0, places);
        case 1: {
            DmsResolution resolution = dmsResolution(places);
            return dmsText(roundedTicks(inDegrees(angle), resolution), resolution);
        }
        case 2:
            return turnText(inGrads(angle), 400.0, places) + "g";
        case 3:
            return units::fixedText(angle, places) + "r";
        default:
            return surveyorText(inDegrees(angle), dmsResolution(places));
    }
}

}  // namespace

int formatAngular(double radians, int mode, int precision, const AngularUnitSettings& settings,
                  std::string& out) {
    out.clear();
    if (mode == -1) mode = settings.aunits;
    if (precision == -1) precision = settings.auprec;
    if (!validMode(mode) || precision < 0) return RTERROR;
    out = std::isfinite(radians) ? formatFinite(radians, mode, std::min(precision, kMaxPlaces))
                                 : units::nonFiniteText(radians);
    return RTNORM;
}

}  // namespace vthost

// formatLinear: settles the unit and precision, then formats by mode. Modes 1 and 2 live here;
// the feet-and-inch and fractional modes in ImperialFormat.cpp.
//
// Length bound (kMaxLinearText, 400 with the terminator), worked out per mode for the largest
// double, 1.8e308, whose whole part has 309 digits, and the smallest, 4.9e-324:
//   1 scientific: at most 8 mantissa decimals: "-d.ddddddddE-324", 16 characters.
//   2 decimal, precision <= 8: sign, 309 digits, point, 8 decimals: 319.
//   2 decimal, precision > 8: decimals are cut to 15 - exponent, which is 0 for huge values
//     (310) and at most 339 for 4.9e-324: sign, "0.", 339 decimals: 342.
//   3 engineering: sign, 308 digits of feet, "'-", "11.", 8 decimals, '"': 323.
//   4 architectural and 5 fractional: a fraction exists only below 2^52, so the longest text
//     is sign, 308 feet digits, "'-", "11", '"' (314) or sign and 309 digits (310).
#include "units/LinearFormat.h"

#include "ut/AdsCodes.h"
#include "units/ImperialFormat.h"
#include "units/NumberText.h"

#include <algorithm>
#include <cmath>

namespace vthost {
namespace {

constexpr int kMaxPlaces = 8;        // the finest precision outside the decimal mode
constexpr int kMaxSignificant = 16;  // the decimal mode's cap above precision 8

bool validUnit(int unit) {
    return unit >= 1 && unit <= 5;
}

// Decimals for the decimal mode above precision 8: as many as keep 16 significant digits, at
// least 0 and at most the precision. The integer digits are never rounded away.
int cappedPlaces(double value, int precision) {
    int places = kMaxSignificant - 1 - units::decimalExponent(value, kMaxSignificant);
    return std::clamp(places, 0, precision);
}

std::string formatScientific(double value, int precision, int dimzin) {
    std::string text = units::scientificText(value, std::min(precision, kMaxPlaces));
    units::dropSignOfZero(text);
    if (dimzin & 8) units::trimTrailingZeros(text);
    return text;
}

std::string formatDecimal(double value, int precision, int dimzin) {
    int places = precision <= kMaxPlaces ? precision : cappedPlaces(value, precision);
    std::string text = units::fixedText(value, places);
    units::dropSignOfZero(text);
    if (dimzin & 8) units::trimTrailingZeros(text);
    if (dimzin & 4) units::dropLeadingZero(text);
    return text;
}

std::string formatFinite(double value, int unit, int precision,
                         const LinearUnitSettings& settings) {
    int places = std::min(precision, kMaxPlaces);
    switch (unit) {
        case 1:
            return formatScientific(value, precision, settings.dimzin);
        case 2:
            return formatDecimal(value, precision, settings.dimzin);
        case 3:
            return units::formatEngineering(value, places, settings);
        case 4:
            return units::formatArchitectural(value, places, settings);
        default:
            return units::formatFractional(value, places, settings);
    }
}

}  // namespace

int formatLinear(double value, int unit, int precision, const LinearUnitSettings& settings,
                 std::string& out) {
    out.clear();
    if (unit == -1) unit = settings.lunits;
    if (precision == -1) precision = settings.luprec;
    if (!validUnit(unit) || precision < 0) return RTERROR;
    out = std::isfinite(value) ? formatFinite(value, unit, precision, settings)
                               : units::nonFiniteText(value);
    return RTNORM;
}

}  // namespace vthost

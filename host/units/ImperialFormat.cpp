// Feet-and-inch layouts. The rounded magnitude is split into feet and inches by dividing its
// decimal digits by 12, so a carry (11.99 -> 12 inches -> 1 foot) and values up to 1e308 need no
// integer conversion. DIMZIN's low part: 0 suppresses zero feet and zero inches, 1 shows both,
// 2 shows zero feet but suppresses zero inches, 3 shows zero inches but suppresses zero feet.
// "Zero feet" means under one foot after rounding; "zero inches" a whole number of feet.
#include "units/ImperialFormat.h"

#include "units/NumberText.h"
#include "units/RoundedLength.h"

#include <cassert>
#include <cmath>

namespace vthost::units {
namespace {

bool suppressesZeroFeet(int dimzin) {
    int low = dimzin & 3;
    return low == 0 || low == 3;
}

bool suppressesZeroInches(int dimzin) {
    int low = dimzin & 3;
    return low == 0 || low == 2;
}

bool inputLayout(const LinearUnitSettings& settings) {
    return (settings.unitmode & 1) != 0;
}

// A sign only for a value that is still non-zero after rounding.
std::string signOf(double value, const RoundedLength& rounded) {
    return (value < 0 && !rounded.isZero()) ? "-" : "";
}

// The whole feet and whole inches of a rounded length.
struct FeetAndInches {
    std::string feet;
    unsigned inches = 0;
    bool feetShown = true;
};

FeetAndInches splitFeet(const RoundedLength& rounded, int dimzin) {
    FeetAndInches split;
    split.feet = rounded.whole;
    split.inches = divideDigits(split.feet, 12);
    split.feetShown = !(split.feet == "0" && suppressesZeroFeet(dimzin));
    return split;
}

// Joins feet and an inch text; inchesZero means a whole number of feet. A length under one
// foot whose feet are suppressed prints its inches alone, even when they are zero (0").
std::string joinFeetInches(const FeetAndInches& split, const std::string& inchText, bool inchesZero,
                           const LinearUnitSettings& settings) {
    if (!split.feetShown) return (inchesZero ? "0" : inchText) + "\"";
    if (inchesZero && suppressesZeroInches(settings.dimzin)) return split.feet + "'";
    return split.feet + (inputLayout(settings) ? "'" : "'-") + inchText + "\"";
}

std::string fractionText(const RoundedLength& rounded) {
    return std::to_string(rounded.numerator) + "/" + std::to_string(rounded.denominator);
}

// Whole inches and a fraction: "5 1/2" (report) or "5-1/2" (input). Zero whole inches are kept
// when feet precede them (4'-0 3/4") and dropped otherwise (3/4").
std::string architecturalInches(const FeetAndInches& split, const RoundedLength& rounded,
                                const LinearUnitSettings& settings) {
    std::string whole = std::to_string(split.inches);
    if (rounded.numerator == 0) return whole;
    if (!split.feetShown && split.inches == 0) return fractionText(rounded);
    return whole + (inputLayout(settings) ? "-" : " ") + fractionText(rounded);
}

}  // namespace

std::string formatEngineering(double value, int precision, const LinearUnitSettings& settings) {
    assert(std::isfinite(value) && precision >= 0 && precision <= 8);
    RoundedLength rounded = roundToDecimals(std::fabs(value), precision);
    FeetAndInches split = splitFeet(rounded, settings.dimzin);
    std::string inchText = std::to_string(split.inches);
    if (!rounded.decimals.empty()) inchText += "." + rounded.decimals;
    if (settings.dimzin & 8) trimTrailingZeros(inchText);
    bool inchesZero = split.inches == 0 && rounded.fractionIsZero();
    return signOf(value, rounded) + joinFeetInches(split, inchText, inchesZero, settings);
}

std::string formatArchitectural(double value, int precision, const LinearUnitSettings& settings) {
    assert(std::isfinite(value) && precision >= 0 && precision <= 8);
    RoundedLength rounded = roundToFraction(std::fabs(value), precision);
    FeetAndInches split = splitFeet(rounded, settings.dimzin);
    std::string inchText = architecturalInches(split, rounded, settings);
    bool inchesZero = split.inches == 0 && rounded.numerator == 0;
    return signOf(value, rounded) + joinFeetInches(split, inchText, inchesZero, settings);
}

std::string formatFractional(double value, int precision, const LinearUnitSettings& settings) {
    assert(std::isfinite(value) && precision >= 0 && precision <= 8);
    RoundedLength rounded = roundToFraction(std::fabs(value), precision);
    std::string text = signOf(value, rounded);
    if (rounded.numerator == 0) return text + rounded.whole;
    if (rounded.whole != "0") text += rounded.whole + (inputLayout(settings) ? "-" : " ");
    return text + fractionText(rounded);
}

}  // namespace vthost::units

// Decimal rounding formats the whole magnitude exactly. Binary rounding works on the fractional
// part alone: for a double m, floor(m) and m - floor(m) are both exact, and so is scaling the
// fraction by a power of two. The fraction is non-zero only below 2^52, where floor(m) + 1 is
// exact too, so a carry never loses a unit.
#include "units/RoundedLength.h"

#include "units/NumberText.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace vthost::units {
namespace {

// The whole units, after adding a carry from the fraction.
std::string wholeText(double whole, bool carry) {
    return fixedText(carry ? whole + 1.0 : whole, 0);
}

}  // namespace

bool RoundedLength::fractionIsZero() const {
    return numerator == 0 &&
           std::all_of(decimals.begin(), decimals.end(), [](char c) { return c == '0'; });
}

RoundedLength roundToDecimals(double magnitude, int places) {
    assert(std::isfinite(magnitude) && magnitude >= 0 && places >= 0 && places <= 8);
    // The whole text is rounded at once, so exact ties follow %.*f (to even) and carries
    // ("23.999" at 2 places -> "24.00") come out of the digits themselves.
    std::string text = fixedText(magnitude, places);
    std::size_t point = text.find('.');
    RoundedLength result;
    result.whole = text.substr(0, point);
    if (point != std::string::npos) result.decimals = text.substr(point + 1);
    return result;
}

RoundedLength roundToFraction(double magnitude, int bits) {
    assert(std::isfinite(magnitude) && magnitude >= 0 && bits >= 0 && bits <= 8);
    double whole = std::floor(magnitude);
    unsigned denominator = 1u << bits;
    // std::round rounds halfway cases away from zero; the scaled fraction is exact.
    auto numerator = static_cast<unsigned>(std::round(std::ldexp(magnitude - whole, bits)));
    bool carry = numerator == denominator;
    if (carry) numerator = 0;
    while (numerator != 0 && numerator % 2 == 0) {
        numerator /= 2;
        denominator /= 2;
    }
    RoundedLength result;
    result.whole = wholeText(whole, carry);
    result.numerator = numerator;
    result.denominator = numerator == 0 ? 1 : denominator;
    return result;
}

}  // namespace vthost::units

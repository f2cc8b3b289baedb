// RoundedLength: a non-negative length rounded to the resolution of a unit mode and split into
// whole units and a fraction, internal to the units library. The whole part is kept as decimal
// digits, so every finite double (up to 309 digits) splits exactly and no huge value is ever
// converted to an integer type. A fraction that rounds up to one carries into the whole part.
#pragma once

#include <string>

namespace vthost::units {

struct RoundedLength {
    std::string whole = "0";  // decimal digits of the whole units, no sign
    std::string decimals;     // decimal fraction: exactly the requested places (may be "")
    unsigned numerator = 0;   // binary fraction, reduced; 0 when there is none
    unsigned denominator = 1;

    bool fractionIsZero() const;
    bool isZero() const { return whole == "0" && fractionIsZero(); }
};

// Rounds magnitude to `places` decimals (correct rounding of the exact binary value).
// REQUIRES: magnitude finite and >= 0, 0 <= places <= 8.
RoundedLength roundToDecimals(double magnitude, int places);

// Rounds magnitude to the nearest 1/2^bits, exact ties away from zero, and reduces the fraction
// by halving while the numerator is even. REQUIRES: magnitude finite and >= 0, 0 <= bits <= 8.
RoundedLength roundToFraction(double magnitude, int bits);

}  // namespace vthost::units

// Locale-free number texts for the unit formatters, internal to the units library.
// std::to_chars rounds the exact binary value of a double correctly and always writes '.',
// whatever setlocale says; the helpers below add the DIMZIN edits and the sign rules.
#pragma once

#include <string>

namespace vthost::units {

// value with exactly `places` decimals ("17.50"; no point when places is 0).
// REQUIRES: value finite, places >= 0, and the text shorter than kMaxLinearText.
std::string fixedText(double value, int places);

// value as d.ddddE+XX with `places` mantissa decimals: the exponent always has a sign and at
// least two digits ("1.7500E+01", "2E+01", "4.9407E-324"). REQUIRES: value finite, places >= 0.
std::string scientificText(double value, int places);

// The decimal exponent of value once rounded to `digits` significant digits: 9.99996 with 5
// digits gives 1 (it becomes 10.000), 0.05 gives -2, zero gives 0. REQUIRES: value finite.
int decimalExponent(double value, int digits);

// "inf", "-inf" or "nan" (NaN never carries a sign). REQUIRES: value not finite.
std::string nonFiniteText(double value);

// Removes the trailing zeros after a decimal point, and the point when nothing is left after
// it; a mantissa before 'E' is trimmed in place: "12.500" -> "12.5", "1.00E+01" -> "1E+01".
// A text without a point is left alone.
void trimTrailingZeros(std::string& number);

// "0.5" -> ".5" and "-0.5" -> "-.5"; any other text is left alone ("0" stays "0").
void dropLeadingZero(std::string& number);

// Drops a leading '-' when no digit (before an 'E') is non-zero: "-0.00" -> "0.00".
void dropSignOfZero(std::string& text);

// Divides the decimal integer in `digits` (digits only, no sign) by divisor in place, without
// leading zeros ("0" when the quotient is zero), and returns the remainder.
// REQUIRES: 0 < divisor < 100.
unsigned divideDigits(std::string& digits, unsigned divisor);

}  // namespace vthost::units

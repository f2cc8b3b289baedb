// Reading and printing the numbers inside DIESEL text, independent of the process locale.
// Reals read like C strtod (leading blanks, sign, decimal, hex, inf, nan; trailing text ignored);
// integers read like scanf "%i" (0x hex, leading-0 octal) and must fit in 32 signed bits.
// Pure functions over caller-owned text; formatDieselReal is declared in DieselEvaluator.h.
#pragma once

#include <string>
#include <string_view>

namespace vthost {

// false when the text does not begin (after blanks) with a number.
bool readDieselReal(std::string_view text, double& value);
// false when there is no number or it lies outside the signed 32-bit range.
bool readDieselInteger(std::string_view text, int& value);
std::string formatDieselInteger(long long value);
// The blanks that number reading skips: space, tab, newline, vertical tab, form feed, return.
bool isDieselBlank(char c);

}  // namespace vthost

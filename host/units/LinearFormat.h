// formatLinear: a real number as a linear distance, the text that acdbRToS and DIESEL's rtos
// return. Unit modes: 1 scientific, 2 decimal, 3 engineering (feet and decimal inches),
// 4 architectural (feet and fractional inches), 5 fractional. In modes 3 and 4 one drawing unit
// is one inch. The caller owns `out`; the function keeps no state and never throws.
#pragma once

#include <cstddef>
#include <string>

namespace vthost {

// The drawing settings that shape the text (the values of a new drawing).
// lunits/luprec are used when the call passes -1. dimzin: the low part (0..3) decides zero feet
// and zero inches in modes 3 and 4, +4 drops the leading zero in mode 2, +8 drops trailing
// zeros in modes 1, 2 and 3. unitmode bit 1 selects the input layout of modes 3, 4 and 5
// (1'5.50", 1'5-1/2", 17-1/2) instead of the report layout (1'-5.50", 1'-5 1/2", 17 1/2).
struct LinearUnitSettings {
    int lunits = 2;
    int luprec = 4;
    int dimzin = 0;
    int unitmode = 0;
};

// Formats value as a linear distance. unit: -1 (settings.lunits) or 1..5; precision: -1
// (settings.luprec) or >= 0: decimal places in modes 1-3, the power of two of the smallest
// fraction in modes 4-5. Above 8 it counts as 8, except in mode 2, where the decimals are cut
// to keep at most 16 significant digits. Digits are the correctly rounded exact binary value;
// fractions round to the nearest 1/2^p, ties away from zero. A value that rounds to zero has
// no sign; infinities and NaN give "inf", "-inf", "nan". The decimal separator is always '.'.
// Returns 5100 (RTNORM) with the text in out, or -5001 (RTERROR) with out empty for a refused
// unit/precision (also when -1 finds lunits outside 1..5 or a negative luprec).
int formatLinear(double value, int unit, int precision, const LinearUnitSettings& settings,
                 std::string& out);

constexpr std::size_t kMaxLinearText = 400;  // longest result, terminator included

}  // namespace vthost

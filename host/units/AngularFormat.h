// formatAngular: an angle in radians as text, as DIESEL's angtos returns it. The angle is first
// brought into [0, 2π) (counterclockwise from east). Modes: 0 decimal degrees (45.0000),
// 1 degrees/minutes/seconds (45d0'0"), 2 grads (50.0000g), 3 radians (0.7854r), 4 surveyor's
// bearing (N 45d0'0" E; due directions print as N, E, S, W). The caller owns `out`; the
// function keeps no state and never throws.
#pragma once

#include <string>

namespace vthost {

// The drawing settings used when the call passes -1 (the values of a new drawing).
struct AngularUnitSettings {
    int aunits = 0;
    int auprec = 0;
};

// mode: -1 (settings.aunits) or 0..4. precision: -1 (settings.auprec) or >= 0, counted as 8
// above 8: decimal places in modes 0, 2, 3; in modes 1 and 4, 0 shows degrees, 1-2 add minutes,
// 3-4 add whole seconds and 5-8 give the seconds 1-4 decimals. A value that rounds to a whole
// turn prints as zero (0.0000, not 360.0000). Infinities and NaN give "inf", "-inf", "nan".
// Returns 5100 (RTNORM) with the text in out, or -5001 (RTERROR) with out empty for a refused
// mode/precision (also when -1 finds aunits outside 0..4 or a negative auprec).
int formatAngular(double radians, int mode, int precision, const AngularUnitSettings& settings,
                  std::string& out);

}  // namespace vthost

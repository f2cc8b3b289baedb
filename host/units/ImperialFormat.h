// The feet-and-inch and fractional unit modes of formatLinear, internal to the units library:
// 3 engineering (1'-5.50"), 4 architectural (1'-5 1/2"), 5 fractional (17 1/2). One unit is one
// inch. DIMZIN's low part and +8 and UNITMODE shape the text as described in LinearFormat.h.
#pragma once

#include "units/LinearFormat.h"

#include <string>

namespace vthost::units {

// REQUIRES for all three: value finite, 0 <= precision <= 8.
std::string formatEngineering(double value, int precision, const LinearUnitSettings& settings);
std::string formatArchitectural(double value, int precision, const LinearUnitSettings& settings);
std::string formatFractional(double value, int precision, const LinearUnitSettings& settings);

}  // namespace vthost::units

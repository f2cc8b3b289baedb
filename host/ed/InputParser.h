// vthost input parsing: what the user types at point and number prompts. Pure functions, shared by
// the input functions and fuzzed.
//   numbers  "12", "-3.5", "1e3" (the whole text; no infinities, no NaN)
//   points   "x,y" and "x,y,z" (z 0 when left out); "@dx,dy[,dz]" relative to the last point;
//            "@dist<angle" polar from the last point and "dist<angle" from the origin (degrees,
//            counter-clockwise from the x axis); "@" alone is the last point itself.
#pragma once
#include <string>

#include "ge/AcGePoint3d.h"

namespace vthost {

bool parseReal(const std::string& text, double& value);
// An ADS integer: -32768 .. 32767.
bool parseInteger(const std::string& text, int& value);
// last is null when there is no last point: relative input is then refused.
bool parsePoint(const std::string& text, const AcGePoint3d* last, AcGePoint3d& point);
// "#2A": an entity handle in hexadecimal; false for anything else.
bool parseHandle(const std::string& text, unsigned long& handle);

}  // namespace vthost

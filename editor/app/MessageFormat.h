// Messages built from resource strings that carry printf conversions. The resource module is
// data that can be edited apart from the code, so a format is used only when its conversions are
// exactly the ones the caller passes; otherwise the text is printed as it stands with the
// values after it. Messages are built in growable strings.
#pragma once
#include "ut/CString.h"

namespace vantorell {

// True when format holds exactly the conversions listed in kinds, in order: 'd' for an int,
// 's' for a string ("%%" is a literal percent sign; flags, width and precision given as digits
// are allowed; '*' and length modifiers are not).
bool formatTakes(const char* format, const char* kinds);

CString formatWithInt(const CString& format, int value);
CString formatWithString(const CString& format, const char* value);

}  // namespace vantorell

// System variables: acedGetVar/acedSetVar. A name is looked up (case-insensitively) first among
// the working drawing's header variables (LUNITS, LUPREC, DIMZIN, UNITMODE, AUNITS, AUPREC,
// TILEMODE, ...), then among the session's own (CMDECHO, CMDDIA, DATE, ...). A string value that
// acedGetVar returns is allocated with malloc; the caller frees it with free.
#pragma once
#include <string>
#include <vector>

#include "db/HeaderVariables.h"
#include "ut/AdsCodes.h"

int acedGetVar(const char* sym, resbuf* result);
int acedSetVar(const char* sym, const resbuf* val);

namespace vthost {
// The value of a variable, or null when there is none (session variables included).
bool findVariable(const std::string& name, HeaderValue& value);
// Every variable's name: the working drawing's, then the session's (sorted, no duplicates).
std::vector<std::string> variableNames();
// The session clock as a Julian date; tests fix it with setJulianClock.
double julianDateNow();
void setJulianClock(double (*clock)());
}  // namespace vthost

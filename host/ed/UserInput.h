// The input functions of the editor: each prints its prompt and reads one answer from the command
// line (vthost::CommandLine). acedInitGet sets the control bits and keywords of the next input
// call only. An input call answers RTNORM with a value, RTNONE for Enter (where Enter is allowed),
// RTKWORD for a keyword (acedGetInput then gives its global name as spelled in the list, or the
// text typed under RSG_OTHER), RTCAN when the user cancels or the input runs out. Input that is
// not understood is answered with a short message and the prompt again; in a script it stops the
// script and the call answers RTCAN. String results go to the caller's buffer of 132 characters.
#pragma once
#include "ge/AcGePoint3d.h"
#include "ut/AdsCodes.h"

int acedInitGet(int val, const char* kwl);
// pt (may be null) is the base point of the rubber band; "@" input is relative to LASTPOINT.
int acedGetPoint(const ads_point pt, const char* prompt, ads_point result);
int acedGetInt(const char* prompt, int* result);
int acedGetReal(const char* prompt, ads_real* result);
int acedGetDist(const ads_point pt, const char* prompt, ads_real* result);
// cronly 0: a space ends the text; otherwise only the end of the line does.
int acedGetString(int cronly, const char* prompt, char* result);
// Needs a keyword list from acedInitGet; RTNORM with the global keyword in result.
int acedGetKword(const char* prompt, char* result);

namespace vthost {
// The point that "@" refers to: the last point entered in the current drawing.
bool lastPoint(AcGePoint3d& point);
void setLastPoint(const AcGePoint3d& point);
// Sets ERRNO.
void setErrno(short value);
}  // namespace vthost

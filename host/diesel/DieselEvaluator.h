// DIESEL: the host's string-expression language for menu macros, the status line and menucmd.
// evaluateDiesel() expands every $(function,arg,...) call in a text and returns the result with a
// status. The evaluator owns nothing beyond the call: the caller keeps the environment, which
// answers variable, settings, unit-formatting and clock questions synchronously during the call.
// The evaluator never throws and bounds its own recursion, output and work whatever the input.
#pragma once

#include <string>
#include <string_view>

namespace vthost {

// What the evaluator asks of the host around it. All calls are synchronous.
class DieselEnvironment {
public:
    virtual ~DieselEnvironment() = default;
    // $(getvar,name): name already has surrounding blanks removed; lookup is case-insensitive (the
    // environment's job). Integers as decimal text, reals formatted by the evaluator's real format
    // (the environment returns the text it wants shown), points "x,y,z". false = unknown variable.
    virtual bool getVariable(const std::string& name, std::string& value) = 0;
    // $(getenv,name): the host's own settings store; unset gives "".
    virtual std::string getEnvironment(const std::string& name) = 0;
    // $(rtos,...): mode/precision -1 mean the drawing's current setting. false = refused.
    virtual bool formatDistance(double value, int mode, int precision, std::string& out) = 0;
    // $(angtos,...): radians; mode/precision -1 mean AUNITS/AUPREC. false = refused.
    virtual bool formatAngle(double radians, int mode, int precision, std::string& out) = 0;
    // The current moment as a Julian date (day number plus fraction of the day); tests fix it.
    virtual double julianDateNow() = 0;
};

struct DieselResult {
    std::string text;  // the output, at most 4095 characters
    int status;  // 0 success; otherwise error position, or -1 for an unterminated top-level quote
};

DieselResult evaluateDiesel(std::string_view input, DieselEnvironment& env);

// Real-number text in DIESEL's format (fixed, 12 decimals, trailing zeros and a bare point removed,
// inf/-inf/nan, never -nan); exposed because $(getvar) of real variables uses the same format.
std::string formatDieselReal(double value);

}  // namespace vthost
